#include "AccountSecurityPage.h"

#include "AccountPageParts.h"
#include "AccountScreen.h"
#include "account/AuthClient.h"
#include "data/Clock.h"
#include "ui/widgets/InputPrompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace MellAccount {

AccountSecurityPage::AccountSecurityPage(AuthClient* auth, QWidget* parent)
    : QWidget(parent)
    , m_auth(auth)
{
    QVBoxLayout* column = AccountPageParts::scrollingColumn(this);
    column->addWidget(AccountPageParts::heading(tr("Security")));
    column->addSpacing(8);

    column->addWidget(AccountPageParts::sectionTitle(tr("Password")));
    column->addWidget(AccountPageParts::note(tr("Change your account password.")));
    auto* change = new QPushButton(tr("Change Password"));
    change->setObjectName(QStringLiteral("changePasswordButton"));
    connect(change, &QPushButton::clicked, this, &AccountSecurityPage::changePassword);
    column->addWidget(change, 0, Qt::AlignLeft);
    m_passwordStatus = AccountPageParts::statusLine();
    m_passwordStatus->setObjectName(QStringLiteral("passwordStatus"));
    column->addWidget(m_passwordStatus);

    column->addSpacing(20);
    column->addWidget(AccountPageParts::sectionTitle(tr("Active Sessions")));
    column->addWidget(AccountPageParts::note(tr("Sessions currently signed in to your account.")));
    m_sessionRows = AccountPageParts::rowList(column, "sessionList");
    m_sessionStatus = AccountPageParts::statusLine();
    m_sessionStatus->setObjectName(QStringLiteral("sessionStatus"));
    column->addWidget(m_sessionStatus);
}

void AccountSecurityPage::changePassword()
{
    const auto ask = [this](const QString& label) {
        return InputPrompts::text(
            this, tr("Change Password"), label, QString(), QLineEdit::Password)
            .value_or(QString());
    };
    const QString current = ask(tr("Current password:"));
    if (current.isEmpty())
        return;
    const QString next = ask(tr("New password (min 8 characters):"));
    if (next.isEmpty())
        return;
    if (next.size() < kMinimumPasswordLength) {
        AccountPageParts::showStatus(
            m_passwordStatus, tr("Password must be at least 8 characters."), false);
        return;
    }
    const QString confirmation = ask(tr("Confirm new password:"));
    if (confirmation.isEmpty())
        return;
    if (confirmation != next) {
        AccountPageParts::showStatus(m_passwordStatus, tr("Passwords do not match."), false);
        return;
    }
    QPointer<AccountSecurityPage> self(this);
    m_auth->changePassword(current, next, [self](bool ok) {
        if (self)
            AccountPageParts::showStatus(self->m_passwordStatus,
                ok ? tr("Password changed.") : tr("Failed to change password."), ok);
    });
}

void AccountSecurityPage::refreshSessions()
{
    QPointer<AccountSecurityPage> self(this);
    m_auth->listSessions([self](bool ok, const QList<Session>& sessions) {
        if (!self)
            return;
        if (ok)
            self->showSessions(sessions);
        else
            AccountPageParts::showFailure(
                self->m_sessionRows, tr("Your sessions could not be loaded."), [self] {
                    if (self)
                        self->refreshSessions();
                });
    });
}

void AccountSecurityPage::showSessions(const QList<Session>& sessions)
{
    QList<QWidget*> rows;
    for (const Session& session : sessions)
        rows.append(sessionRow(session));
    AccountPageParts::showRows(m_sessionRows, rows, tr("No active sessions."));
}

QWidget* AccountSecurityPage::sessionRow(const Session& session)
{
    auto* row = new QWidget;
    QHBoxLayout* layout = AccountPageParts::listRow(row,
        session.userAgent.isEmpty() ? tr("Unknown client") : session.userAgent,
        session.isCurrent ? tr("This session")
                          : AccountScreen::relativeTime(session.lastActiveAt, Clock::nowUtc()),
        "sessionRow");
    if (session.isCurrent) {
        layout->addWidget(AccountPageParts::badge(tr("Current"), "#2E7D32"));
    } else {
        auto* revokeButton = new QPushButton(tr("Revoke"));
        revokeButton->setObjectName(QStringLiteral("revokeButton"));
        const QString id = session.id;
        connect(revokeButton, &QPushButton::clicked, this, [this, revokeButton, id] {
            revokeButton->setEnabled(false);
            revoke(id);
        });
        layout->addWidget(revokeButton);
    }
    return row;
}

void AccountSecurityPage::revoke(const QString& sessionId)
{
    QPointer<AccountSecurityPage> self(this);
    m_auth->revokeSession(sessionId, [self](bool ok, int, const QJsonObject&) {
        if (!self)
            return;
        AccountPageParts::showStatus(self->m_sessionStatus,
            ok ? tr("Session revoked.") : tr("Failed to revoke session."), ok);
        self->refreshSessions();
    });
}

} // namespace MellAccount
