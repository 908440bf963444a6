#include "AccountGroupPage.h"

#include "AccountPageParts.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "ui/widgets/InputPrompts.h"
#include "ui/widgets/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace MellAccount {

AccountGroupPage::AccountGroupPage(AccountClient* account, AuthClient* auth, QWidget* parent)
    : QWidget(parent)
    , m_account(account)
    , m_auth(auth)
{
    QVBoxLayout* column = AccountPageParts::scrollingColumn(this);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("groupContent"));
    m_content = new QVBoxLayout(content);
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(8);
    column->addWidget(content);
    m_status = AccountPageParts::statusLine();
    m_status->setObjectName(QStringLiteral("groupStatus"));
    column->addWidget(m_status);
    connect(m_account, &AccountClient::groupChanged, this, &AccountGroupPage::refresh);
}

void AccountGroupPage::showStatus(const QString& text, bool success)
{
    AccountPageParts::showStatus(m_status, text, success);
}

void AccountGroupPage::showOutcome(
    bool ok, const QString& done, const QString& reason, const QString& failed)
{
    showStatus(ok ? done : AccountPageParts::failureText(reason, failed), ok);
}

QPushButton* AccountGroupPage::button(const QString& text, const char* objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

void AccountGroupPage::refresh()
{
    const quint64 load = ++m_load;
    QPointer<AccountGroupPage> self(this);
    const auto failed = [self] {
        AccountPageParts::showFailure(
            self->m_content, tr("Your group could not be loaded."), [self] {
                if (self)
                    self->refresh();
            });
    };
    // The profile says whether there is a group and the user's role in it.
    m_account->getProfile([self, load, failed](bool ok, const Profile& profile) {
        if (!self || load != self->m_load)
            return;
        if (!ok) {
            failed();
            return;
        }
        if (profile.group.id.isEmpty()) {
            self->showNoGroup();
            return;
        }
        self->m_account->getGroup([self, load, profile, failed](bool ok, const Group& group) {
            if (!self || load != self->m_load)
                return;
            if (ok)
                self->showGroup(group, profile);
            else
                failed();
        });
    });
}

void AccountGroupPage::showNoGroup()
{
    AccountPageParts::clearRows(m_content);
    m_content->addWidget(AccountPageParts::heading(tr("No Group")));
    m_content->addWidget(AccountPageParts::note(tr("You're not part of a group. The group owner "
                                                   "can invite you, or you can join with an "
                                                   "invite code.")));
    QPushButton* join = button(tr("Join with Invite Code"), "joinGroupButton");
    connect(join, &QPushButton::clicked, this, &AccountGroupPage::joinWithCode);
    m_content->addWidget(join, 0, Qt::AlignLeft);

    // The server makes the household with its first invitation, so starting
    // one is inviting someone.
    m_content->addSpacing(12);
    m_content->addWidget(AccountPageParts::note(
        tr("Share accounts with the people you live with. Your household is created with "
           "the first invitation, and you are its owner.")));
    QPushButton* start = button(tr("Start a Household"), "startHouseholdButton");
    auto* invite = new QWidget;
    invite->setObjectName(QStringLiteral("startHouseholdActions"));
    invite->setLayout(inviteActions());
    invite->layout()->setContentsMargins(0, 0, 0, 0);
    invite->hide();
    connect(start, &QPushButton::clicked, this, [start, invite] {
        start->hide();
        invite->show();
    });
    m_content->addWidget(start, 0, Qt::AlignLeft);
    m_content->addWidget(invite);
}

QHBoxLayout* AccountGroupPage::inviteActions()
{
    auto* actions = new QHBoxLayout;
    QPushButton* byEmail = button(tr("Invite by Email"), "inviteByEmailButton");
    connect(byEmail, &QPushButton::clicked, this, &AccountGroupPage::inviteByEmail);
    QPushButton* code = button(tr("Generate Invite Code"), "generateCodeButton");
    connect(code, &QPushButton::clicked, this, &AccountGroupPage::generateInviteCode);
    actions->addWidget(byEmail);
    actions->addWidget(code);
    actions->addStretch(1);
    return actions;
}

void AccountGroupPage::showGroup(const Group& group, const Profile& profile)
{
    AccountPageParts::clearRows(m_content);
    const bool owner = profile.group.role == QLatin1String("owner");
    QLabel* name = AccountPageParts::heading(group.name);
    name->setObjectName(QStringLiteral("groupName"));
    name->setTextFormat(Qt::PlainText);
    m_content->addWidget(name);
    QLabel* seats = AccountPageParts::note(
        tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats));
    seats->setObjectName(QStringLiteral("groupSeats"));
    m_content->addWidget(seats);

    m_content->addSpacing(12);
    m_content->addWidget(AccountPageParts::sectionTitle(tr("Members")));
    const QString self = m_auth->currentUserId();
    for (const GroupMember& member : group.members) {
        const bool isSelf = member.authUserId == self
            || (!member.accountId.isEmpty() && member.accountId == profile.id);
        m_content->addWidget(memberRow(member, owner && !isSelf));
    }

    if (owner) {
        m_content->addSpacing(12);
        m_content->addWidget(AccountPageParts::sectionTitle(tr("Pending Invitations")));
        if (group.pendingInvitations.isEmpty())
            m_content->addWidget(AccountPageParts::note(tr("No pending invitations.")));
        for (const GroupInvitation& invitation : group.pendingInvitations)
            m_content->addWidget(invitationRow(invitation));

        m_content->addSpacing(12);
        m_content->addWidget(AccountPageParts::sectionTitle(tr("Invite Members")));
        m_content->addLayout(inviteActions());
    }

    m_content->addSpacing(16);
    m_content->addWidget(AccountPageParts::separator());
    QPushButton* leave = button(tr("Leave Group"), "leaveGroupButton");
    connect(leave, &QPushButton::clicked, this, &AccountGroupPage::leaveGroup);
    m_content->addWidget(leave, 0, Qt::AlignLeft);
}

QWidget* AccountGroupPage::memberRow(const GroupMember& member, bool removable)
{
    auto* row = new QWidget;
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    QHBoxLayout* layout = AccountPageParts::listRow(row, name, member.email, "memberRow");
    if (member.isOwner())
        layout->addWidget(AccountPageParts::badge(tr("Owner"), "#00897B"));
    if (removable) {
        QPushButton* remove = button(tr("Remove"), "removeMemberButton");
        connect(remove, &QPushButton::clicked, this, [this, member] { removeMember(member); });
        layout->addWidget(remove);
    }
    return row;
}

QWidget* AccountGroupPage::invitationRow(const GroupInvitation& invitation)
{
    auto* row = new QWidget;
    const QString text = invitation.invitedEmail.isEmpty()
        ? tr("Invite code: %1").arg(invitation.inviteCode)
        : invitation.invitedEmail;
    QHBoxLayout* layout = AccountPageParts::listRow(row, text, QString(), "invitationRow");
    QPushButton* revoke = button(tr("Revoke"), "revokeInvitationButton");
    const QString id = invitation.id;
    connect(revoke, &QPushButton::clicked, this, [this, revoke, id] {
        revoke->setEnabled(false);
        revokeInvitation(id);
    });
    layout->addWidget(revoke);
    return row;
}

void AccountGroupPage::joinWithCode()
{
    const QString code = InputPrompts::text(this, tr("Join Group"), tr("Enter invite code:"))
                             .value_or(QString())
                             .trimmed();
    if (code.isEmpty())
        return;
    QPointer<AccountGroupPage> self(this);
    m_account->joinGroup(code, [self](bool ok, const QString& reason) {
        if (self)
            self->showOutcome(
                ok, tr("Joined group."), reason, tr("Invalid or expired invite code."));
    });
}

void AccountGroupPage::removeMember(const GroupMember& member)
{
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    if (MessageBoxes::question(this, tr("Remove Member"), tr("Remove %1 from the group?").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QPointer<AccountGroupPage> self(this);
    m_account->removeMember(member.authUserId, [self, name](bool ok, const QString& reason) {
        if (self)
            self->showOutcome(
                ok, tr("%1 removed.").arg(name), reason, tr("Failed to remove %1.").arg(name));
    });
}

void AccountGroupPage::revokeInvitation(const QString& invitationId)
{
    QPointer<AccountGroupPage> self(this);
    m_account->revokeInvitation(invitationId, [self](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        self->showOutcome(ok, tr("Invitation revoked."), AccountClient::reasonOf(body),
            tr("Failed to revoke invitation."));
        self->refresh();
    });
}

void AccountGroupPage::inviteByEmail()
{
    const QString email = InputPrompts::text(this, tr("Invite by Email"), tr("Email address:"))
                              .value_or(QString())
                              .trimmed();
    if (email.isEmpty())
        return;
    QPointer<AccountGroupPage> self(this);
    m_account->inviteByEmail(
        email, [self](const GroupInvitation& invitation, const QString& reason) {
            if (!self)
                return;
            const bool ok = !invitation.id.isEmpty();
            self->showOutcome(ok, tr("Invitation sent."), reason, tr("Failed to send invitation."));
            if (ok)
                self->refresh();
        });
}

void AccountGroupPage::generateInviteCode()
{
    QPointer<AccountGroupPage> self(this);
    m_account->generateInviteCode([self](const GroupInvitation& invitation, const QString& reason) {
        if (!self)
            return;
        if (invitation.inviteCode.isEmpty()) {
            self->showOutcome(false, {}, reason, tr("Failed to generate code."));
            return;
        }
        self->refresh();
        MessageBoxes::information(self, tr("Invite Code"),
            tr("Share this code with the person you want to invite:\n\n%1")
                .arg(invitation.inviteCode));
    });
}

void AccountGroupPage::leaveGroup()
{
    if (MessageBoxes::question(this, tr("Leave Group"),
            tr("Leave this group? You will lose access to shared data."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QPointer<AccountGroupPage> self(this);
    m_account->leaveGroup([self](bool ok, const QString& reason) {
        if (self)
            self->showOutcome(ok, tr("Left group."), reason, tr("Failed to leave group."));
    });
}

} // namespace MellAccount
