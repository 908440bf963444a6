#pragma once

#include "account/Group.h"
#include "account/Profile.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace MellAccount {

class AccountClient;
class AuthClient;

// The account screen's group page: joining a household group, its members
// and seats, and for the owner the invitations and removing members.
class AccountGroupPage : public QWidget {
    Q_OBJECT

public:
    AccountGroupPage(AccountClient* account, AuthClient* auth, QWidget* parent = nullptr);

    void refresh();

public Q_SLOTS:
    void joinWithCode();
    void inviteByEmail();
    void generateInviteCode();
    void leaveGroup();

private:
    void showNoGroup();
    void showGroup(const Group& group, const Profile& profile);
    QWidget* memberRow(const GroupMember& member, bool removable);
    QWidget* invitationRow(const GroupInvitation& invitation);
    void removeMember(const GroupMember& member);
    void revokeInvitation(const QString& invitationId);
    QPushButton* button(const QString& text, const char* objectName);
    void showStatus(const QString& text, bool success);
    // A failure shows the server's reason when it gave one.
    void showOutcome(bool ok, const QString& done, const QString& reason, const QString& failed);
    QHBoxLayout* inviteActions();

    AccountClient* m_account;
    AuthClient* m_auth;
    QVBoxLayout* m_content;
    QLabel* m_status;
    // Answers to an earlier load are dropped.
    quint64 m_load = 0;
};

} // namespace MellAccount
