#pragma once

#include <QString>

class Store;

// Counts failed sign-ins per account and per client address; after five in a
// minute either one is refused until the minute has passed. Kept in the
// database so every server process counts alike.
class LoginGuard {
public:
    static constexpr int kMaxFailures = 5;
    static constexpr int kWindowSeconds = 60;

    explicit LoginGuard(Store& store);

    bool isBlocked(const QString& email, const QString& address);
    void recordFailure(const QString& email, const QString& address);
    void purgeOld();

private:
    Store& m_store;
};
