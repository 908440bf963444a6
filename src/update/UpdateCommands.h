#pragma once

#include "UpdateConfig.h"

#include <QObject>
#include <functional>

class QWidget;

namespace MellUpdate {

// The Help menu's "What's New" and "Check for Updates": one object per use,
// reporting through the caller's status line, gone once it has reported.
class UpdateCommands : public QObject {
    Q_OBJECT

public:
    struct Status {
        std::function<void(const QString& text)> startBusy;
        std::function<void()> stopBusy;
        std::function<void(const QString& text, int timeoutMs)> showMessage;
    };

    UpdateCommands(
        const UpdateConfig& config, const QString& appName, Status status, QWidget* window);

    // Looks for a newer release and offers it even when the user closed an
    // earlier offer of the same version.
    void checkForUpdates();
    // The running version's release notes, in a window that opens at once.
    void showWhatsNew();

private:
    void report(const QString& text);

    UpdateConfig m_config;
    QString m_appName;
    Status m_status;
    QWidget* m_window;
};

} // namespace MellUpdate
