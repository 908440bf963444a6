#include "SystemTokenStore.h"

#include "AccountLogging.h"
#include "CredentialManagerTokenStore.h"
#include "FileTokenStore.h"
#include "SecretServiceTokenStore.h"

namespace MellAccount {

#ifdef LEDGERINE_HAVE_LIBSECRET
namespace {

// Tokens left in the file while no Secret Service answered move into it, so
// that they neither linger on disk nor sign the user out.
void moveIntoKeyring(FileTokenStore& file, TokenStore& keyring)
{
    if (!file.exists())
        return;
    bool moved = true;
    for (const QString& key : { TokenStore::kAccessTokenKey, TokenStore::kRefreshTokenKey }) {
        if (const auto value = file.read(key))
            moved = keyring.write(key, *value) && moved;
    }
    if (moved)
        file.clear();
}

} // namespace
#endif

SystemTokenStore::SystemTokenStore(const QString& serviceName, const QString& fallbackPath)
    : m_serviceName(serviceName)
    , m_fallbackPath(fallbackPath)
{
}

SystemTokenStore::~SystemTokenStore() = default;

TokenStore& SystemTokenStore::chosen()
{
    if (m_store)
        return *m_store;
#if defined(Q_OS_WIN)
    m_store = std::make_unique<CredentialManagerTokenStore>(m_serviceName);
    m_kind = Kind::CredentialManager;
    qCInfo(lcAccount) << "Tokens are kept in the Windows Credential Manager";
#else
    QString why = QStringLiteral("not built with libsecret");
#ifdef LEDGERINE_HAVE_LIBSECRET
    if (SecretServiceTokenStore::isAvailable(&why)) {
        m_store = std::make_unique<SecretServiceTokenStore>(m_serviceName);
        m_kind = Kind::SecretService;
        qCInfo(lcAccount) << "Tokens are kept in the Secret Service keyring";
        FileTokenStore leftover(m_fallbackPath);
        moveIntoKeyring(leftover, *m_store);
        return *m_store;
    }
#endif
    m_store = std::make_unique<FileTokenStore>(m_fallbackPath);
    m_kind = Kind::File;
    qCInfo(lcAccount).noquote() << QStringLiteral("No Secret Service answers (%1);").arg(why)
                                << "tokens are kept in the owner-only file" << m_fallbackPath;
#endif
    return *m_store;
}

SystemTokenStore::Kind SystemTokenStore::kind()
{
    chosen();
    return m_kind;
}

std::optional<QString> SystemTokenStore::read(const QString& key)
{
    return chosen().read(key);
}

bool SystemTokenStore::write(const QString& key, const QString& value)
{
    return chosen().write(key, value);
}

bool SystemTokenStore::removeKey(const QString& key)
{
    return chosen().removeKey(key);
}

} // namespace MellAccount
