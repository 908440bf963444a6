#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace MellAccount {

class AuthClient;
struct Session;

// The account screen's security page: the password, and the sessions signed
// in to the account, any of them but this one revocable.
class AccountSecurityPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinimumPasswordLength = 8;

    explicit AccountSecurityPage(AuthClient* auth, QWidget* parent = nullptr);

    void refreshSessions();

public Q_SLOTS:
    void changePassword();

private:
    void showSessions(const QList<Session>& sessions);
    QWidget* sessionRow(const Session& session);
    void revoke(const QString& sessionId);

    AuthClient* m_auth;
    QLabel* m_passwordStatus;
    QVBoxLayout* m_sessionRows;
    QLabel* m_sessionStatus;
};

} // namespace MellAccount
