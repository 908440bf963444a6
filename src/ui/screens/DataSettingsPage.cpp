#include "DataSettingsPage.h"

#include "RestoreFlow.h"
#include "SettingsSections.h"
#include "SyncServerSection.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "services/AccountService.h"
#include "sync/SyncEngine.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SyncControlsWidget.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

MellAccount::AuthClient* authClient(AppState* state)
{
    return state->cloudClient() ? state->cloudClient()->authClient() : nullptr;
}

} // namespace

DataSettingsPage::DataSettingsPage(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    m_serverSection = new SyncServerSection(state);
    layout->addWidget(m_serverSection);
    SettingsSections::addSeparator(layout);
    SettingsSections::addHeader(
        layout, tr("Sync"), tr("Keep your ledgerine in sync across all your devices."));
    m_syncStatus = new QLabel;
    m_syncStatus->setWordWrap(true);
    layout->addWidget(m_syncStatus);
    if (SyncEngine* engine = m_state->syncEngine()) {
        m_syncControls = new SyncControlsWidget(engine);
        layout->addWidget(m_syncControls);
        connect(engine, &SyncEngine::stateChanged, this, &DataSettingsPage::refreshSync);
    }
    if (MellAccount::AuthClient* auth = authClient(m_state))
        connect(
            auth, &MellAccount::AuthClient::signedInChanged, this, &DataSettingsPage::refreshSync);
    SettingsSections::addSeparator(layout);

    SettingsSections::addHeader(
        layout, tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."));
    auto* buttons = new QHBoxLayout;
    m_export = new QPushButton(tr("Export Backup"));
    m_import = new QPushButton(tr("Import Backup"));
    buttons->addWidget(m_export);
    buttons->addWidget(m_import);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    SettingsSections::addSeparator(layout);

    m_deletedGroup = new QWidget;
    auto* deleted = new QVBoxLayout(m_deletedGroup);
    deleted->setContentsMargins(0, 0, 0, 0);
    SettingsSections::addHeader(
        deleted, tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."));
    m_deletedList = new QListWidget;
    m_deletedList->setMaximumHeight(120);
    m_restore = new QPushButton(tr("Restore Selected"));
    m_restore->setEnabled(false);
    deleted->addWidget(m_deletedList);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(m_restore);
    restoreRow->addStretch(1);
    deleted->addLayout(restoreRow);
    layout->addWidget(m_deletedGroup);
    layout->addStretch(1);

    connect(m_export, &QPushButton::clicked, this, &DataSettingsPage::exportBackup);
    connect(m_import, &QPushButton::clicked, this, &DataSettingsPage::importBackup);
    connect(m_restore, &QPushButton::clicked, this, &DataSettingsPage::restoreSelectedAccount);
    connect(m_deletedList, &QListWidget::itemSelectionChanged, this,
        [this] { m_restore->setEnabled(!m_deletedList->selectedItems().isEmpty()); });
}

void DataSettingsPage::refresh()
{
    m_serverSection->refresh();
    refreshSync();
    // A ledger that cannot be written takes in nothing.
    m_import->setEnabled(m_state->database()->isWritable());
    m_deletedList->setEnabled(m_state->database()->isWritable());
    m_deletedList->clear();
    m_restore->setEnabled(false);
    const QList<Account> deleted = m_state->accounts()->findDeleted();
    m_deletedGroup->setVisible(!deleted.isEmpty());
    for (const Account& account : deleted) {
        auto* item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
}

void DataSettingsPage::refreshSync()
{
    MellAccount::AuthClient* auth = authClient(m_state);
    const bool signedIn = auth && auth->isAuthenticated() && m_syncControls;
    if (m_syncControls)
        m_syncControls->setVisible(signedIn);
    if (!signedIn) {
        m_syncStatus->setTextFormat(Qt::PlainText);
        m_syncStatus->setText(
            tr("Not signed in.\nSign in via File › Mellowind Account to enable sync."));
        return;
    }
    const MellAccount::User user = auth->currentUser();
    QString name = !user.displayName.isEmpty() ? user.displayName : user.email;
    if (name.isEmpty()) {
        name = auth->currentUserId();
        // After a restart only the token's subject is known; show a name once the server gives one.
        QPointer<DataSettingsPage> self(this);
        auth->fetchCurrentUser([self](bool, const MellAccount::User& fetched) {
            if (self && (!fetched.displayName.isEmpty() || !fetched.email.isEmpty()))
                self->refreshSync();
        });
    }
    const SyncEngine* engine = m_state->syncEngine();
    const SyncEngine::SyncState state = engine->state();
    ThemeColors::Pair colour = ThemeColors::kOrange;
    if (state == SyncEngine::Syncing)
        colour = { "#00897B", "#00897B" };
    else if (state == SyncEngine::Idle && engine->rejectedCount() == 0)
        colour = ThemeColors::kGreen;
    else if (state == SyncEngine::Error)
        colour = ThemeColors::kRed;
    m_syncStatus->setTextFormat(Qt::RichText);
    m_syncStatus->setText(
        tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
            .arg(name.toHtmlEscaped(), ThemeColors::pickName(colour),
                engine->statusText().toHtmlEscaped()));
    m_syncControls->refresh();
}

void DataSettingsPage::exportBackup()
{
    const QString proposed = QDir::home().filePath(
        QStringLiteral("ledgerine-backup-%1.zip").arg(Clock::today().toString(Qt::ISODate)));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (!path.isEmpty())
        exportBackupTo(path);
}

void DataSettingsPage::exportBackupTo(const QString& path)
{
    m_export->setEnabled(false);
    m_export->setText(tr("Exporting..."));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = m_state->backupService()->exportToFile(path);
    QGuiApplication::restoreOverrideCursor();
    if (saved)
        MessageBoxes::information(
            this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    else
        MessageBoxes::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));
    m_export->setText(tr("Export Backup"));
    m_export->setEnabled(true);
}

void DataSettingsPage::importBackup()
{
    RestoreFlow::run(this, m_state);
    refresh();
    Q_EMIT deletedAccountRestored();
}

void DataSettingsPage::importBackupFrom(const QString& path, BackupService::RestorePolicy policy)
{
    m_import->setEnabled(false);
    RestoreFlow::restore(this, m_state, path, policy);
    refresh();
    Q_EMIT deletedAccountRestored();
}

void DataSettingsPage::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedList->currentItem();
    const QString accountId = item ? item->data(Qt::UserRole).toString() : QString();
    if (accountId.isEmpty())
        return;
    const AccountService::RestoreResult result = m_state->accountService()->restore(accountId);
    if (result == AccountService::RestoreResult::AccessEnded)
        MessageBoxes::warning(this, tr("Restore Account"),
            tr("This account was shared with you, and its owner no longer shares it. Only "
               "the owner can bring it back."));
    else if (result == AccountService::RestoreResult::Failed)
        MessageBoxes::warning(
            this, tr("Restore Account"), tr("The account could not be restored."));
    refresh();
    if (result == AccountService::RestoreResult::Restored)
        Q_EMIT deletedAccountRestored();
}
