#include "AccountDataPage.h"

#include "AccountPageParts.h"
#include "account/AccountClient.h"
#include "ui/widgets/InputPrompts.h"
#include "ui/widgets/MessageBoxes.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace MellAccount {

AccountDataPage::AccountDataPage(AccountClient* account, QWidget* parent)
    : QWidget(parent)
    , m_account(account)
{
    QVBoxLayout* column = AccountPageParts::scrollingColumn(this);
    column->addWidget(AccountPageParts::heading(tr("Data & Privacy")));
    column->addSpacing(8);
    column->addWidget(AccountPageParts::sectionTitle(tr("Danger Zone")));
    column->addWidget(AccountPageParts::note(
        tr("Permanently delete your account. This cannot be undone after 30 days.")));
    m_delete = new QPushButton(tr("Delete Account"));
    m_delete->setObjectName(QStringLiteral("deleteAccountButton"));
    m_delete->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; background: #C62828; border: none; border-radius: 4px; "
        "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; }"
        "QPushButton:disabled { background: #666; }"));
    // Until the profile says whether the user owns a group.
    m_delete->setEnabled(false);
    connect(m_delete, &QPushButton::clicked, this, &AccountDataPage::deleteAccount);
    column->addWidget(m_delete, 0, Qt::AlignLeft);
    m_ownerNote = AccountPageParts::note(tr("You are the group owner. Transfer ownership or "
                                            "remove all members before deleting your account."));
    m_ownerNote->setObjectName(QStringLiteral("ownerNote"));
    m_ownerNote->hide();
    column->addWidget(m_ownerNote);
    m_status = AccountPageParts::statusLine();
    m_status->setObjectName(QStringLiteral("deleteStatus"));
    column->addWidget(m_status);
    m_failure = AccountPageParts::rowList(column, "dataFailure");
}

void AccountDataPage::refresh()
{
    QPointer<AccountDataPage> self(this);
    m_account->getProfile([self](bool ok, const Profile& profile) {
        if (!self)
            return;
        AccountPageParts::clearRows(self->m_failure);
        if (!ok) {
            // Whether the user owns a group is unknown: no deletion until it is.
            self->m_delete->setEnabled(false);
            AccountPageParts::showFailure(
                self->m_failure, tr("Your account details could not be loaded."), [self] {
                    if (self)
                        self->refresh();
                });
            return;
        }
        const bool owner = profile.group.role == QLatin1String("owner");
        self->m_delete->setEnabled(!owner);
        self->m_ownerNote->setVisible(owner);
    });
}

void AccountDataPage::deleteAccount()
{
    const std::optional<QString> typed = InputPrompts::text(this, tr("Delete Account"),
        tr("This will schedule your account for permanent deletion after 30 days.\n\n"
           "Type DELETE to confirm:"));
    if (typed != kConfirmationWord)
        return;
    m_delete->setEnabled(false);
    QPointer<AccountDataPage> self(this);
    m_account->deleteAccount([self](bool ok, const QString& reason) {
        if (!self)
            return;
        if (!ok) {
            self->m_delete->setEnabled(true);
            AccountPageParts::showStatus(self->m_status,
                AccountPageParts::failureText(reason, tr("Failed to delete account.")), false);
            return;
        }
        MessageBoxes::information(self, tr("Account Scheduled for Deletion"),
            tr("Your account will be permanently deleted in 30 days. You can recover it by "
               "signing in before then."));
        Q_EMIT self->logoutRequested();
    });
}

} // namespace MellAccount
