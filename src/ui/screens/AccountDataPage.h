#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace MellAccount {

class AccountClient;

// The account screen's data and privacy page: deleting the account, which a
// group's owner cannot do while they own it.
class AccountDataPage : public QWidget {
    Q_OBJECT

public:
    static inline const QString kConfirmationWord = QStringLiteral("DELETE");

    explicit AccountDataPage(AccountClient* account, QWidget* parent = nullptr);

    void refresh();

public Q_SLOTS:
    void deleteAccount();

Q_SIGNALS:
    void logoutRequested();

private:
    AccountClient* m_account;
    QPushButton* m_delete;
    QLabel* m_ownerNote;
    QLabel* m_status;
    QVBoxLayout* m_failure;
};

} // namespace MellAccount
