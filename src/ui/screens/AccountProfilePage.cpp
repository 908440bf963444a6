#include "AccountProfilePage.h"

#include "AccountPageParts.h"
#include "account/AuthClient.h"
#include "ui/widgets/InputPrompts.h"

#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace MellAccount {

AccountProfilePage::AccountProfilePage(AuthClient* auth, QWidget* parent)
    : QWidget(parent)
    , m_auth(auth)
{
    QVBoxLayout* column = AccountPageParts::scrollingColumn(this);
    column->addWidget(AccountPageParts::heading(tr("Personal Information")));
    column->addSpacing(8);
    m_failure = AccountPageParts::rowList(column, "profileFailure");

    auto* fields = new QFormLayout;
    m_name = new QLabel;
    m_name->setObjectName(QStringLiteral("displayNameLabel"));
    m_email = new QLabel;
    m_email->setObjectName(QStringLiteral("emailLabel"));
    for (QLabel* value : { m_name, m_email }) {
        // What the service holds is shown as it is, never read as markup.
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    fields->addRow(tr("Display name:"), m_name);
    fields->addRow(tr("Email:"), m_email);
    column->addLayout(fields);

    auto* edit = new QPushButton(tr("Edit Display Name"));
    edit->setObjectName(QStringLiteral("editDisplayNameButton"));
    connect(edit, &QPushButton::clicked, this, &AccountProfilePage::editDisplayName);
    column->addWidget(edit, 0, Qt::AlignLeft);
    m_status = AccountPageParts::statusLine();
    m_status->setObjectName(QStringLiteral("profileStatus"));
    column->addWidget(m_status);

    column->addSpacing(24);
    auto* signOut = new QPushButton(tr("Sign Out"));
    signOut->setObjectName(QStringLiteral("signOutButton"));
    connect(signOut, &QPushButton::clicked, this, &AccountProfilePage::logoutRequested);
    column->addWidget(signOut, 0, Qt::AlignLeft);

    showUser(m_auth->currentUser());
}

void AccountProfilePage::showUser(const User& user)
{
    m_displayName = user.displayName;
    m_name->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
    m_email->setText(user.email);
}

void AccountProfilePage::refresh()
{
    QPointer<AccountProfilePage> self(this);
    m_auth->fetchCurrentUser([self](bool ok, const User& user) {
        if (!self)
            return;
        AccountPageParts::clearRows(self->m_failure);
        if (ok || !user.id.isEmpty()) {
            self->showUser(user);
        } else {
            // Nothing known: empty fields, not a name that is "(not set)".
            self->m_name->clear();
            self->m_email->clear();
        }
        if (!ok)
            AccountPageParts::showFailure(
                self->m_failure, tr("Your profile could not be loaded."), [self] {
                    if (self)
                        self->refresh();
                });
    });
}

void AccountProfilePage::editDisplayName()
{
    const std::optional<QString> typed
        = InputPrompts::text(this, tr("Edit Display Name"), tr("Display name:"), m_displayName);
    const QString name = typed.value_or(QString()).trimmed();
    if (name.isEmpty() || name == m_displayName)
        return;
    QPointer<AccountProfilePage> self(this);
    m_auth->updateProfile(name, [self, name](bool, const User& user) {
        if (!self)
            return;
        self->showUser(user);
        const bool updated = user.displayName == name;
        AccountPageParts::showStatus(self->m_status,
            updated ? tr("Display name updated.") : tr("Failed to update profile."), updated);
    });
}

} // namespace MellAccount
