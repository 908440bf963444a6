#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace MellAccount {

class AuthClient;
struct User;

// The account screen's profile: display name and e-mail, a new display name,
// and signing out.
class AccountProfilePage : public QWidget {
    Q_OBJECT

public:
    explicit AccountProfilePage(AuthClient* auth, QWidget* parent = nullptr);

    void refresh();

public Q_SLOTS:
    void editDisplayName();

Q_SIGNALS:
    void logoutRequested();

private:
    void showUser(const User& user);

    AuthClient* m_auth;
    QLabel* m_name;
    QLabel* m_email;
    QLabel* m_status;
    QVBoxLayout* m_failure;
    QString m_displayName;
};

} // namespace MellAccount
