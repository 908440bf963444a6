#include "ShareMembersDialog.h"

#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SharingBackend.h"
#include "app/ThemeColors.h"
#include "ui/screens/AccountPageParts.h"
#include "ui/widgets/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace MellAccount {

namespace {

constexpr int kBadgeSize = 32;

// Badge colours, light enough under white text and still distinct on a dark window.
constexpr const char* kBadgeColours[]
    = { "#00897B", "#3949AB", "#8E24AA", "#D81B60", "#F4511E", "#6D4C41", "#546E7A", "#43A047" };

// The same person keeps their colour from one run to the next.
const char* badgeColour(const QString& id)
{
    uint sum = 0;
    for (const QChar c : id)
        sum = sum * 31 + c.unicode();
    return kBadgeColours[sum % std::size(kBadgeColours)];
}

QLabel* initialsBadge(const QString& id, const QString& name, const QString& email)
{
    auto* badge = new QLabel(ShareMembersDialog::initials(name, email));
    badge->setObjectName(QStringLiteral("initialsBadge"));
    badge->setAlignment(Qt::AlignCenter);
    badge->setFixedSize(kBadgeSize, kBadgeSize);
    badge->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; "
                       "font-weight: 600; }")
            .arg(QLatin1String(badgeColour(id)))
            .arg(kBadgeSize / 2));
    return badge;
}

QString shownName(const QString& name, const QString& email, const QString& id)
{
    if (!name.trimmed().isEmpty())
        return name.trimmed();
    return email.isEmpty() ? id : email;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(
    Client* client, SharingBackend* sharing, const Account& account, QWidget* parent)
    : QDialog(parent)
    , m_client(client)
    , m_sharing(sharing)
    , m_account(account)
{
    setWindowTitle(tr("Share Account"));
    setMinimumWidth(460);
    // Room for a few people either side before anything has loaded.
    resize(540, 480);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 12);
    column->setSpacing(8);

    QLabel* heading = AccountPageParts::heading(tr("Sharing: %1").arg(account.name));
    heading->setTextFormat(Qt::PlainText);
    column->addWidget(heading);
    column->addWidget(AccountPageParts::note(
        tr("Share this account with members of your Mellowind family group. They'll see the "
           "same register, balances, and reconciliation history on their devices.")));

    m_error = new QLabel;
    m_error->setObjectName(QStringLiteral("shareError"));
    m_error->setWordWrap(true);
    m_error->setTextFormat(Qt::PlainText);
    // The usual red is too dim to read on a dark window.
    m_error->setStyleSheet(QStringLiteral("QLabel { color: %1; padding: 4px 0; }")
                               .arg(ThemeColors::isDark() ? QLatin1String(ThemeColors::kRed.dark)
                                                          : QLatin1String("#b00020")));
    m_error->hide();
    column->addWidget(m_error);

    const auto section = [column](const QString& title, const char* objectName) {
        column->addWidget(AccountPageParts::sectionTitle(title));
        auto* rows = new QVBoxLayout;
        rows->setObjectName(QLatin1String(objectName));
        rows->setSpacing(6);
        column->addLayout(rows);
        return rows;
    };
    m_sharedRows = section(tr("People with access"), "sharedRows");
    column->addWidget(AccountPageParts::separator());
    m_candidateRows = section(tr("Add people"), "candidateRows");
    column->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    if (!canShare()) {
        showError(tr("This account has not been synchronised yet. Sync it once, then share "
                     "it."));
        showSectionNote(m_sharedRows, tr("Not shared with anyone yet."), "noSharesNote");
    }
}

QString ShareMembersDialog::initials(const QString& name, const QString& email)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList words = name.split(spaces, Qt::SkipEmptyParts);
    QString letters;
    for (const QString& word : words.mid(0, 2))
        letters += word.front();
    if (letters.isEmpty() && !email.isEmpty())
        letters = email.front();
    return letters.isEmpty() ? QStringLiteral("?") : letters.toUpper();
}

void ShareMembersDialog::showError(const QString& text)
{
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}

void ShareMembersDialog::showSectionNote(
    QVBoxLayout* rows, const QString& text, const char* objectName)
{
    AccountPageParts::clearRows(rows);
    QLabel* note = AccountPageParts::note(text);
    note->setObjectName(QLatin1String(objectName));
    rows->addWidget(note);
}

QWidget* ShareMembersDialog::personRow(const QString& id, const QString& name, const QString& email,
    const QString& action, const char* objectName)
{
    auto* row = new QWidget;
    const QString title = shownName(name, email, id);
    QHBoxLayout* layout
        = AccountPageParts::listRow(row, title, email == title ? QString() : email, objectName);
    layout->insertWidget(0, initialsBadge(id, name, email));
    layout->setSpacing(10);
    if (action.isEmpty()) {
        layout->addWidget(AccountPageParts::badge(tr("Owner"), "#00897B"));
        return row;
    }
    auto* button = new QPushButton(action);
    button->setObjectName(QStringLiteral("personAction"));
    layout->addWidget(button);
    return row;
}

bool ShareMembersDialog::isOwnerHere() const
{
    // A list without an owner leaves it to the service to refuse.
    const QString me = m_client->authClient()->currentUserId();
    return std::none_of(m_shares.cbegin(), m_shares.cend(),
        [&](const ShareMember& share) { return share.isOwner() && share.userId != me; });
}

void ShareMembersDialog::loadShares()
{
    if (!canShare())
        return;
    const quint64 load = ++m_load;
    QPointer<ShareMembersDialog> self(this);
    m_sharing->listMembers(m_account.serverId, [self, load](const QList<ShareMember>& members) {
        if (!self || load != self->m_load)
            return;
        self->m_shares = members;
        self->showShares();
        // Who can be added depends on who already has access.
        self->loadGroupMembers();
    });
}

void ShareMembersDialog::showShares()
{
    AccountPageParts::clearRows(m_sharedRows);
    const bool owner = isOwnerHere();
    for (const ShareMember& member : std::as_const(m_shares)) {
        QWidget* row = personRow(member.userId, member.displayName, member.email,
            member.isOwner() ? QString() : tr("Remove access"), "sharedRow");
        if (auto* remove = row->findChild<QPushButton*>(QStringLiteral("personAction"))) {
            remove->setVisible(owner);
            connect(remove, &QPushButton::clicked, this, [this, member] { removeShare(member); });
        }
        m_sharedRows->addWidget(row);
    }
    if (std::all_of(m_shares.cbegin(), m_shares.cend(),
            [](const ShareMember& member) { return member.isOwner(); })) {
        QLabel* note = AccountPageParts::note(tr("Not shared with anyone yet."));
        note->setObjectName(QStringLiteral("noSharesNote"));
        m_sharedRows->addWidget(note);
    }
}

void ShareMembersDialog::loadGroupMembers()
{
    if (!canShare())
        return;
    if (!isOwnerHere()) {
        showSectionNote(m_candidateRows,
            tr("Only the owner of this account can give others access."), "notOwnerNote");
        return;
    }
    const quint64 load = m_load;
    QPointer<ShareMembersDialog> self(this);
    AccountClient* accounts = m_client->accountClient();
    accounts->getProfile([self, load, accounts](bool, const Profile& profile) {
        if (!self || load != self->m_load)
            return;
        if (profile.group.id.isEmpty()) {
            self->showSectionNote(self->m_candidateRows,
                tr("You're not in a group yet. Invite people from the Group page of your "
                   "Mellowind account."),
                "noGroupNote");
            return;
        }
        accounts->getGroup([self, load](bool, const Group& group) {
            if (!self || load != self->m_load)
                return;
            // The token's subject is who is signed in here; the profile id may be
            // the account service's own.
            const QString me = self->m_client->authClient()->currentUserId();
            QList<GroupMember> candidates;
            for (const GroupMember& member : group.members) {
                const QString shareId = self->m_sharing->memberShareId(member.authUserId);
                const bool hasAccess = std::any_of(self->m_shares.cbegin(), self->m_shares.cend(),
                    [&](const ShareMember& share) { return share.userId == shareId; });
                if (member.authUserId != me && !hasAccess)
                    candidates.append(member);
            }
            self->showCandidates(candidates);
        });
    });
}

void ShareMembersDialog::showCandidates(const QList<GroupMember>& candidates)
{
    if (candidates.isEmpty()) {
        showSectionNote(
            m_candidateRows, tr("All group members already have access"), "everyoneNote");
        return;
    }
    AccountPageParts::clearRows(m_candidateRows);
    for (const GroupMember& member : candidates) {
        QWidget* row = personRow(
            member.authUserId, member.displayName, member.email, tr("Share"), "candidateRow");
        connect(row->findChild<QPushButton*>(QStringLiteral("personAction")), &QPushButton::clicked,
            this, [this, member] { shareWithMember(member); });
        m_candidateRows->addWidget(row);
    }
}

void ShareMembersDialog::shareWithMember(const GroupMember& member)
{
    if (!canShare())
        return;
    showError(QString());
    const QString name = shownName(member.displayName, member.email, member.authUserId);
    QPointer<ShareMembersDialog> self(this);
    m_sharing->shareWith(m_account.serverId, m_sharing->memberShareId(member.authUserId),
        QStringLiteral("member"), [self, name](bool ok, const QString& error) {
            if (!self)
                return;
            if (!ok) {
                const QString failed = tr("Could not share with %1.").arg(name);
                self->showError(error.isEmpty() ? failed : failed + QLatin1Char(' ') + error);
                return;
            }
            self->loadShares();
            Q_EMIT self->sharingChanged();
        });
}

void ShareMembersDialog::removeShare(const ShareMember& member)
{
    if (!canShare())
        return;
    const QString name = shownName(member.displayName, member.email, member.userId);
    if (MessageBoxes::question(this, tr("Remove access?"),
            tr("%1 will no longer have access. Continue?").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    showError(QString());
    QPointer<ShareMembersDialog> self(this);
    m_sharing->removeShare(m_account.serverId, member.userId, [self, name](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Could not remove %1.").arg(name));
            return;
        }
        self->loadShares();
        Q_EMIT self->sharingChanged();
    });
}

} // namespace MellAccount
