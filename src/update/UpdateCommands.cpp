#include "UpdateCommands.h"

#include "Client.h"
#include "ReleaseNotesFetcher.h"
#include "UpdateDialog.h"
#include "WhatsNewDialog.h"

#include <QWidget>

namespace MellUpdate {

namespace {
constexpr int kMessageMs = 5000;
}

UpdateCommands::UpdateCommands(
    const UpdateConfig& config, const QString& appName, Status status, QWidget* window)
    : QObject(window)
    , m_config(config)
    , m_appName(appName)
    , m_status(std::move(status))
    , m_window(window)
{
}

void UpdateCommands::report(const QString& text)
{
    m_status.showMessage(text, kMessageMs);
    deleteLater();
}

void UpdateCommands::checkForUpdates()
{
    if (!m_config.hasServer()) {
        report(tr("This build has no update server configured"));
        return;
    }
    m_status.startBusy(tr("Checking for updates…"));
    Client* client = Client::createOneShot(m_config, this);
    connect(client, &Client::upToDate, this, [this] {
        report(tr("%1 is up to date (version %2)").arg(m_appName, m_config.currentVersion));
    });
    connect(client, &Client::checkFailed, this,
        [this](const QString& reason) { report(tr("Update check failed: %1").arg(reason)); });
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
