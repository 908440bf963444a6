#include "AppState.h"

#include "AppLogging.h"
#include "AppPaths.h"
#include "DisplaySettings.h"
#include "ThemeManager.h"
#include "account/AccountClient.h"
#include "account/AccountSharingService.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/FilePrivacy.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/StoreCheck.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/CategoryService.h"
#include "services/PayeeService.h"
#include "services/ReconciliationService.h"
#include "services/RecurringService.h"
#include "services/ReportService.h"
#include "services/SampleDataService.h"
#include "services/TransactionService.h"
#include "services/backup/BackupService.h"
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "sync/SyncEngine.h"

#include <QApplication>
#include <QSettings>

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
    if (!FilePrivacy::makePrivateDirectory(dataDir)) {
        qCCritical(lcApp).noquote() << "Cannot create data directory:" << dataDir;
        m_failure = { StoreFailure::Kind::Permissions, QString(), 0 };
        return false;
    }

    m_database = new Database(this);
    const QString path = AppPaths::databasePath();
    qCInfo(lcApp).noquote() << "Opening database at:" << path;
    if (!m_database->open(path) || !m_database->runMigrations()) {
        m_failure = m_database->failure();
        return false;
    }

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(
        m_database, m_categories, m_transactions, m_splitLines, m_recurring, this);
    m_transactionService
        = new TransactionService(m_database, m_accounts, m_transactions, m_splitLines, this);
    m_accountService = new AccountService(m_database, m_accounts, m_transactions, m_recurring,
        m_reconciliations, m_transactionService, this);
    m_reconciliationService = new ReconciliationService(
        m_database, m_accounts, m_transactions, m_reconciliations, this);
    m_recurringService
        = new RecurringService(m_database, m_recurring, m_transactions, m_accounts, this);
    m_importService = new ImportService(m_database, m_accounts, m_accountService, m_transactions,
        m_categories, m_transactionService, this);
    m_reportService = new ReportService(m_database, this);
    m_backupService = new BackupService(m_database, m_transactions, this);
    m_backupService->setSafetyDirectory(dataDir);
    // A restore writes its rows past the repositories: one announcement for all.
    connect(m_backupService, &BackupService::dataRestored, this, &AppState::dataChanged);
    m_payeeService = new PayeeService(m_database, m_transactions, this);
    m_sampleDataService = new SampleDataService(m_database, this);
    m_cloud = MellAccount::Client::fromEnvironment(this);
    createSyncEngine();
    m_sharing = new MellAccount::AccountSharingService(m_cloud->syncApi(), this);

    restoreDisplaySettings();
    if (m_database->isWritable())
        m_categoryService->ensureDefaults();
    connectSignIn();
    m_cloud->initialize();
    if (m_cloud->isAuthenticated()) {
        m_cloud->authClient()->refreshToken([this](bool ok) {
            qCInfo(lcApp) << "Startup token refresh:" << (ok ? "ok" : "failed")
                          << "authenticated:" << m_cloud->isAuthenticated();
        });
    }

    if (const auto lastViewed = m_preferences->get(kLastViewedAccount))
        m_currentAccountId = *lastViewed;

    Q_EMIT databaseReady();
    return true;
}

void AppState::connectSignIn()
{
    MellAccount::AuthClient* auth = m_cloud->authClient();
    connect(auth, &MellAccount::AuthClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    // Made before the stored tokens are read: a session found at start, or
    // restored by a refresh that ends later, changes the state like a sign-in.
    connect(auth, &MellAccount::AuthClient::signedInChanged, this,
        [](bool signedIn) { qCInfo(lcApp) << (signedIn ? "Signed in" : "Signed out"); });
}

void AppState::createSyncEngine()
{
    CsvProfileRepository* csvProfiles = m_importService->profiles()->repository();
    m_syncEngine
        = new SyncEngine(m_cloud->syncApi(), m_database, m_accounts, m_transactions, m_categories,
            m_recurring, m_reconciliations, m_splitLines, m_preferences, csvProfiles, this);
    // A store that cannot be written cannot take in what the server sends.
    m_syncEngine->setCanSync(
        [this] { return m_cloud->isAuthenticated() && m_database->isWritable(); });
    m_syncEngine->setUserId([this] { return m_cloud->authClient()->currentUserId(); });
    connect(
        m_accounts, &AccountRepository::accountsChanged, m_syncEngine, &SyncEngine::requestSync);
    connect(m_transactions, &TransactionRepository::transactionsChanged, m_syncEngine,
        &SyncEngine::requestSync);
    connect(m_categories, &CategoryRepository::categoriesChanged, m_syncEngine,
        &SyncEngine::requestSync);
    connect(csvProfiles, &CsvProfileRepository::csvProfilesChanged, m_syncEngine,
        &SyncEngine::requestSync);
    connect(m_syncEngine, &SyncEngine::dataChanged, this, &AppState::announceDataChanged);
    connect(m_cloud->authClient(), &MellAccount::AuthClient::signedInChanged, m_syncEngine,
        [this](bool signedIn) {
            if (!signedIn) {
                m_syncEngine->stopAutoSync();
                return;
            }
            qCInfo(lcApp) << "Signed in: starting auto-sync + immediate sync";
            m_syncEngine->startAutoSync(SyncEngine::kAutoSyncMs);
            m_syncEngine->requestSync();
        });
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(MellAccount::AuthClient::kHasSignedInBeforeKey, true);
    qCInfo(lcApp) << "loginSucceeded";
    m_cloud->accountClient()->registerDevice();
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

    DateText::setDisplayFormat(m_preferences->value(QStringLiteral("dateFormat")));
    if (const auto weekStart = m_preferences->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok);
        if (ok && day >= 1 && day <= 7)
            DisplaySettings::setWeekStartDay(Qt::DayOfWeek(day));
    }
}

void AppState::announceDataChanged()
{
    Q_EMIT dataChanged();
}

void AppState::setCurrentAccountId(const QString& id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    if (m_preferences && m_database->isWritable())
        m_preferences->set(kLastViewedAccount, id);
    Q_EMIT currentAccountChanged(id);
}

void AppState::startIntegrityCheck()
{
    if (m_integrityCheck || !m_database || !m_database->isOpen())
        return;
    m_integrityCheck = new StoreCheck(this);
    m_integrityCheck->start(AppPaths::databasePath());
}
