#include "UpdateCommands.h"

#include "Client.h"
#include "ReleaseNotesFetcher.h"
#include "UpdateDialog.h"
#include "UpdateLogging.h"
#include "WhatsNewDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QWidget>

namespace MellUpdate {

UpdateCommands::UpdateCommands(
    const UpdateConfig& config, const QString& appName, Status status, QWidget* window)
    : QObject(window)
    , m_config(config)
    , m_appName(appName)
    , m_status(std::move(status))
    , m_window(window)
{
}

void UpdateCommands::report(QMessageBox::Icon icon, const QString& text)
{
    deleteLater();
    const QString title = tr("Check for Updates");
    if (icon == QMessageBox::Warning)
        MessageBoxes::warning(m_window, title, text);
    else
        MessageBoxes::information(m_window, title, text);
}

QString UpdateCommands::failureText(const Client& client, const QString& currentVersion)
{
    switch (client.lastFailure()) {
    case Client::Failure::Network:
        return tr("The update server could not be reached. Check the connection to the "
                  "internet and try again.");
    case Client::Failure::Manifest:
        return tr("The update server's answer could not be read. Try again later.");
    case Client::Failure::TooOld:
        return tr("The latest version cannot be installed over version %1. Install version %2 "
                  "first.")
            .arg(currentVersion, client.minimumVersion());
    case Client::Failure::Configuration:
    case Client::Failure::None: break;
    }
    return tr("This build's update server address is not valid.");
}

void UpdateCommands::checkForUpdates()
{
    if (!m_config.hasServer()) {
        report(QMessageBox::Information, tr("This build has no update server configured"));
        return;
    }
    m_status.startBusy(tr("Checking for updates…"));
    Client* client = Client::createOneShot(m_config, this);
    connect(client, &Client::upToDate, this, [this] {
        m_status.stopBusy();
        report(QMessageBox::Information,
            tr("%1 is up to date (version %2)").arg(m_appName, m_config.currentVersion));
    });
    connect(client, &Client::checkFailed, this, [this, client](const QString& reason) {
        m_status.stopBusy();
        qCWarning(lcUpdate).noquote() << "update check failed:" << reason;
        report(QMessageBox::Warning, failureText(*client, m_config.currentVersion));
    });
    connect(client, &Client::updateAvailable, this, [this](const Artifact& artifact) {
        m_status.stopBusy();
        auto* dialog = new UpdateDialog(artifact, m_appName, m_config.currentVersion, m_window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        deleteLater();
    });
    client->check();
}

void UpdateCommands::showWhatsNew()
{
    const QString version = m_config.currentVersion;
    auto* dialog
        = new WhatsNewDialog(tr("Loading release notes…"), m_appName, version, QUrl(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();

    auto* fetcher = new ReleaseNotesFetcher(m_config, dialog);
    connect(fetcher, &ReleaseNotesFetcher::notesReady, dialog, &WhatsNewDialog::setMarkdown);
    const QString none = tr("No release notes available for %1 %2").arg(m_appName, version);
    connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, dialog,
        [dialog, none] { dialog->setMarkdown(none); });
    fetcher->fetch();
    deleteLater();
}

} // namespace MellUpdate
