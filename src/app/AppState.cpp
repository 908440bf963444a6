#include "AppState.h"

#include "AppLogging.h"
#include "AppPaths.h"
#include "DisplaySettings.h"
#include "ThemeManager.h"
#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/CategoryService.h"
#include "services/RecurringService.h"
#include "services/TransactionService.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString kLastViewedAccount = QStringLiteral("lastViewedAccountId");
}

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

bool AppState::initialize()
{
    const QString dataDir = AppPaths::dataDirectory();
    if (!QDir().mkpath(dataDir) || !QFileInfo(dataDir).isDir()) {
        qCCritical(lcApp).noquote() << "Cannot create data directory:" << dataDir;
        return false;
    }

    m_database = new Database(this);
    const QString path = AppPaths::databasePath();
    qCInfo(lcApp).noquote() << "Opening database at:" << path;
    if (!m_database->open(path) || !m_database->runMigrations())
        return false;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categories, this);
    m_transactionService
        = new TransactionService(m_database, m_accounts, m_transactions, m_splitLines, this);
    m_accountService = new AccountService(m_database, m_accounts, m_transactions, m_recurring,
        m_reconciliations, m_transactionService, this);
    m_recurringService
        = new RecurringService(m_database, m_recurring, m_transactions, m_accounts, this);
    m_cloud = MellAccount::Client::fromEnvironment(this);

    restoreDisplaySettings();
    m_categoryService->ensureDefaults();
    m_cloud->initialize();

    if (const auto lastViewed = m_preferences->get(kLastViewedAccount))
        m_currentAccountId = *lastViewed;

    Q_EMIT databaseReady();
    return true;
}

void AppState::restoreDisplaySettings()
{
    DisplaySettings::setBaseFont(QApplication::font());

    bool ok = false;
    const int scale
        = m_preferences->value(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&ok);
    DisplaySettings::setFontScale(ok ? scale : 100);

    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->setTheme(
        m_preferences->value(QStringLiteral("theme"), QStringLiteral("system")));

    if (const auto weekStart = m_preferences->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok);
        if (ok && day >= 1 && day <= 7)
            DisplaySettings::setWeekStartDay(Qt::DayOfWeek(day));
    }
}

void AppState::setCurrentAccountId(const QString& id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    if (m_preferences)
        m_preferences->set(kLastViewedAccount, id);
    Q_EMIT currentAccountChanged(id);
}
