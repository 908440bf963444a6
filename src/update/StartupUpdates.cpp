#include "StartupUpdates.h"

#include "Client.h"
#include "ReleaseNotesFetcher.h"
#include "UpdateDialog.h"
#include "UpdateLogging.h"
#include "Version.h"
#include "WhatsNewDialog.h"
#include "data/PreferencesRepository.h"

#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace MellUpdate {

namespace {
const QString kShownVersionKey = QStringLiteral("whatsNew/lastShownVersion");
const QString kOldShownVersionKey = QStringLiteral("last_whats_new_version");
const QString kDismissedKey = QStringLiteral("update_dismissed_version");
} // namespace

StartupUpdates::StartupUpdates(const UpdateConfig& config, const QString& appName,
    PreferencesRepository* preferences, QWidget* window)
    : QObject(window)
    , m_config(config)
    , m_appName(appName)
    , m_preferences(preferences)
    , m_window(window)
{
}

void StartupUpdates::showWhatsNewIfNew()
{
    QSettings settings;
    QString shown = settings.value(kShownVersionKey).toString();
    if (shown.isEmpty()) {
        shown = m_preferences->value(kOldShownVersionKey);
        if (!shown.isEmpty())
            settings.setValue(kShownVersionKey, shown);
    }
    if (!(Version::parse(shown) < Version::parse(m_config.currentVersion)))
        return;
    settings.setValue(kShownVersionKey, m_config.currentVersion);
    settings.sync();
    if (!m_config.hasServer())
        return;

    auto* fetcher = new ReleaseNotesFetcher(m_config, this);
    connect(fetcher, &ReleaseNotesFetcher::notesReady, this, [this, fetcher](const QString& notes) {
        present(new WhatsNewDialog(notes, m_appName, m_config.currentVersion, QUrl(), m_window));
        fetcher->deleteLater();
    });
    connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
}

void StartupUpdates::scheduleCheck(int delayMs)
{
    if (m_config.hasServer())
        QTimer::singleShot(delayMs, this, &StartupUpdates::runCheck);
}

void StartupUpdates::runCheck()
{
    Client* client = Client::createOneShot(m_config, this);
    connect(client, &Client::updateAvailable, this, &StartupUpdates::onUpdateAvailable);
    connect(client, &Client::checkFailed, this, [](const QString& reason) {
        qCWarning(lcUpdate).noquote() << "update check failed:" << reason;
    });
    client->check();
}

void StartupUpdates::onUpdateAvailable(const Artifact& artifact)
{
    const QString dismissed = m_preferences->value(kDismissedKey);
    if (!dismissed.isEmpty() && Version::parse(artifact.version) <= Version::parse(dismissed))
        return;
    auto* dialog = new UpdateDialog(artifact, m_appName, m_config.currentVersion, m_window);
    // However the offer is closed, this version is not offered again by itself.
    PreferencesRepository* preferences = m_preferences;
    const QString version = artifact.version;
    connect(dialog, &QDialog::finished, preferences,
        [preferences, version] { preferences->set(kDismissedKey, version); });
    present(dialog);
}

void StartupUpdates::present(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Closed in any way, or gone with the window: the next one may come.
    connect(dialog, &QDialog::finished, this, &StartupUpdates::showNext, Qt::QueuedConnection);
    connect(dialog, &QObject::destroyed, this, &StartupUpdates::showNext, Qt::QueuedConnection);
    m_waiting.append(dialog);
    showNext();
}

void StartupUpdates::showNext()
{
    if (m_shown && m_shown->isVisible())
        return;
    while (!m_waiting.isEmpty()) {
        m_shown = m_waiting.takeFirst();
        if (m_shown) {
            m_shown->show();
            return;
        }
    }
}

} // namespace MellUpdate
