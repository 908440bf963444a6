#pragma once

#include "account/GroupMember.h"
#include "account/ShareMember.h"
#include "data/Account.h"

#include <QDialog>

class QLabel;
class QVBoxLayout;

namespace MellAccount {

class Client;
class SharingBackend;

// Who may see one account: the people it is shared with, and the members of
// the user's group who could be given access.
class ShareMembersDialog : public QDialog {
    Q_OBJECT

public:
    // The account is named to the service by its server id; one that has never
    // been synchronised has none and cannot be shared yet.
    ShareMembersDialog(
        Client* client, SharingBackend* sharing, const Account& account, QWidget* parent = nullptr);

    // The share list, then the group members who have no access yet.
    void loadShares();
    void loadGroupMembers();
    void shareWithMember(const GroupMember& member);
    void removeShare(const ShareMember& member);

    // Two letters for the badge: of the first two words of `name`, else the
    // first of `email`.
    static QString initials(const QString& name, const QString& email);

Q_SIGNALS:
    void sharingChanged();

private:
    QWidget* personRow(const QString& id, const QString& name, const QString& email,
        const QString& action, const char* objectName);
    void showShares();
    void showCandidates(const QList<GroupMember>& candidates);
    void showSectionNote(QVBoxLayout* rows, const QString& text, const char* objectName);
    void showError(const QString& text);
    bool canShare() const { return !m_account.serverId.isEmpty(); }
    // Whether the user signed in here may change who has access, as far as
    // the share list tells.
    bool isOwnerHere() const;

    Client* m_client;
    SharingBackend* m_sharing;
    Account m_account;
    QList<ShareMember> m_shares;
    QLabel* m_error = nullptr;
    QVBoxLayout* m_sharedRows = nullptr;
    QVBoxLayout* m_candidateRows = nullptr;
    // Answers of an older load are dropped.
    quint64 m_load = 0;
};

} // namespace MellAccount
