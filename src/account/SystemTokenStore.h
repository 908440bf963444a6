#pragma once

#include "TokenStore.h"

#include <memory>

namespace MellAccount {

class KeyringThread;

// The platform's secret store for one data directory, whose tokens it keeps
// apart from every other directory's: the Credential Manager on Windows; on
// Linux the Secret Service when one answers, else an owner-only file in the
// directory. The Secret Service is only ever waited for on a thread of its
// own, at most kTimeoutMs for the tokens at start: a keyring that does not
// answer leaves the user signed out rather than the window frozen or signed
// in from the file as someone else.
class SystemTokenStore : public TokenStore {
public:
    enum class Kind { CredentialManager, SecretService, File };
    static constexpr int kTimeoutMs = 5000;

    SystemTokenStore(const QString& serviceName, const QString& dataDirectory);
    ~SystemTokenStore() override;

    void setTimeout(int ms) { m_timeoutMs = ms; }

    void open(Opened opened) override;
    // Wait for the store (at most the time-out); for tests and tools.
    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

    // Waits for the choice when none was made yet.
    Kind kind();

private:
    std::unique_ptr<TokenStore> m_direct;
    std::unique_ptr<KeyringThread> m_keyring;
    std::optional<Kind> m_kind;
    int m_timeoutMs = kTimeoutMs;
};

} // namespace MellAccount
