#include "SystemTokenStore.h"

#include "AccountLogging.h"
#include "CredentialManagerTokenStore.h"
#include "FileTokenStore.h"
#include "KeyringThread.h"

#include <QCoreApplication>

namespace MellAccount {

SystemTokenStore::SystemTokenStore(const QString& serviceName, const QString& dataDirectory)
{
    const QString directoryKey = TokenStore::directoryKey(dataDirectory);
#if defined(Q_OS_WIN)
    m_direct = std::make_unique<CredentialManagerTokenStore>(serviceName, directoryKey);
    m_kind = Kind::CredentialManager;
#else
    // Choosing on the keyring's thread keeps a program that never signs in
    // from waking the keyring, and one that does from waiting for it.
    m_keyring = std::make_unique<KeyringThread>(
        serviceName, directoryKey, dataDirectory + QLatin1String("/secrets/tokens.json"));
#endif
}

SystemTokenStore::~SystemTokenStore() = default;

void SystemTokenStore::open(Opened opened)
{
    if (!m_keyring) {
        TokenStore::open(std::move(opened));
        return;
    }
    m_keyring->open(m_timeoutMs, [this, opened](const KeyringThread::Opened& result) {
        if (!result.tokens.stalled) {
            m_kind = result.keyring ? Kind::SecretService : Kind::File;
            if (result.keyring)
                qCInfo(lcAccount) << "Tokens are kept in the Secret Service keyring";
            else
                qCInfo(lcAccount).noquote()
                    << QStringLiteral("No Secret Service answers (%1);").arg(result.why)
                    << "tokens are kept in the owner-only file of the data directory";
        }
        opened(result.tokens);
    });
}

std::optional<QString> SystemTokenStore::read(const QString& key)
{
    return m_keyring ? m_keyring->readNow(key, m_timeoutMs) : m_direct->read(key);
}

bool SystemTokenStore::write(const QString& key, const QString& value)
{
    if (!m_keyring)
        return m_direct->write(key, value);
    m_keyring->write(key, value);
    return true;
}

bool SystemTokenStore::removeKey(const QString& key)
{
    if (!m_keyring)
        return m_direct->removeKey(key);
    m_keyring->remove(key);
    return true;
}

SystemTokenStore::Kind SystemTokenStore::kind()
{
    if (!m_kind && m_keyring) {
        bool done = false;
        open([&done](const Stored&) { done = true; });
        // The answer comes through the event loop; so does the time-out.
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return m_kind.value_or(Kind::SecretService);
}

} // namespace MellAccount
