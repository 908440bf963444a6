#pragma once

#include "Artifact.h"
#include "UpdateConfig.h"

#include <QList>
#include <QObject>
#include <QPointer>

class PreferencesRepository;
class QDialog;
class QWidget;

namespace MellUpdate {

// What the program does about releases on its own at start: What's New once
// per version, and a quiet look for a newer release shortly after. Their
// windows open one after the other, never on top of each other.
class StartupUpdates : public QObject {
    Q_OBJECT

public:
    StartupUpdates(const UpdateConfig& config, const QString& appName,
        PreferencesRepository* preferences, QWidget* window);

    // Records the running version as seen and, when it is newer than the
    // last one recorded, shows its release notes once they have arrived.
    void showWhatsNewIfNew();
    // Checks for a newer release after `delayMs`; a build without an update
    // server checks nothing.
    void scheduleCheck(int delayMs);
    // Offers `artifact` unless the user already closed the offer of it or of a
    // later version.
    void onUpdateAvailable(const MellUpdate::Artifact& artifact);

private:
    void runCheck();
    // Shows `dialog` now, or once the one on screen has closed.
    void present(QDialog* dialog);
    void showNext();

    UpdateConfig m_config;
    QString m_appName;
    PreferencesRepository* m_preferences;
    QWidget* m_window;
    QPointer<QDialog> m_shown;
    QList<QPointer<QDialog>> m_waiting;
};

} // namespace MellUpdate
