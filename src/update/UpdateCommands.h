#pragma once

#include "UpdateConfig.h"

#include <QMessageBox>
#include <QObject>
#include <functional>

class QWidget;

namespace MellUpdate {

class Client;

// The Help menu's "What's New" and "Check for Updates": one object per use,
// busy in the caller's status line while it asks, then reporting in a box;
// gone once it has reported.
class UpdateCommands : public QObject {
    Q_OBJECT

public:
    struct Status {
        std::function<void(const QString& text)> startBusy;
        std::function<void()> stopBusy;
    };

    UpdateCommands(
        const UpdateConfig& config, const QString& appName, Status status, QWidget* window);

    // Looks for a newer release and offers it even when the user closed an
    // earlier offer of the same version.
    void checkForUpdates();
    // The running version's release notes, in a window that opens at once.
    void showWhatsNew();
    // What a failed check means to the user, in the interface's language.
    static QString failureText(const Client& client, const QString& currentVersion);

private:
    void report(QMessageBox::Icon icon, const QString& text);

    UpdateConfig m_config;
    QString m_appName;
    Status m_status;
    QWidget* m_window;
};

} // namespace MellUpdate
