#include "AppState.h"

#include "AppLogging.h"
#include "AppPaths.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"

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
    m_preferences = new PreferencesRepository(m_database, this);

    if (const auto lastViewed = m_preferences->get(kLastViewedAccount))
        m_currentAccountId = *lastViewed;

    Q_EMIT databaseReady();
    return true;
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
