#pragma once

#include "RealServer.h"
#include "app/AppState.h"
#include "data/Transaction.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class SyncEngine;

// One computer of a sync scenario: a whole application state over a data
// directory of its own, signed in to the real server or to any other.
class SyncSide {
public:
    // Signed in as `email`, a user of `server` from then on.
    SyncSide(RealServer& server, const QString& email);
    SyncSide(const MellAccount::ClientConfig& config, const QString& syncApiUrl,
        const QString& accessToken, const QString& refreshToken);
    ~SyncSide();

    AppState* state() const { return m_state.get(); }
    AppState* operator->() const { return m_state.get(); }
    SyncEngine* engine() const;

    // Hands the client a new session of `email`, as a sign-in would.
    void signInAs(const QString& email);
    // The server's id of the user signed in.
    QString userId() const;
    // Joins `owner`'s household with a code of theirs, as the Group page does.
    bool join(SyncSide& owner);
    // Waits for the cycle in flight, runs one more and waits for it; true
    // when it completed rather than failed.
    bool sync(int timeoutMs = 60000);
    // The stored transaction, or an empty one.
    Transaction transaction(const QString& id) const;
    // A local edit as the register makes it; false when it was not stored.
    bool editPayee(const QString& id, const QString& payee);
    // Waits until no cycle runs.
    bool settle(int timeoutMs = 60000);
    // From now on cycles run when the test says so, not when a timer fires;
    // true once the cycle in flight ended.
    bool holdCycles();
    // The first column of the first row `sql` gives, or -1.
    int scalar(const QString& sql) const;
    // Every synchronised row, one text per row in id order, and the split
    // lines by content: what two computers in step hold alike.
    QStringList dump() const;

private:
    SyncSide(RealServer& server, const RealServer::Tokens& tokens);

    RealServer* m_server = nullptr;
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
};
