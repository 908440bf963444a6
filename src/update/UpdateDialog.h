#pragma once

#include "Artifact.h"

#include <QDialog>

class QTextBrowser;

namespace MellUpdate {

// Announces a newer release with its notes and offers its download.
class UpdateDialog : public QDialog {
    Q_OBJECT

public:
    UpdateDialog(const Artifact& artifact, const QString& appName, const QString& currentVersion,
        QWidget* parent = nullptr);

public Q_SLOTS:
    void onDownloadClicked();
    void onNotesReady(const QString& markdown);

private:
    Artifact m_artifact;
    QTextBrowser* m_notes = nullptr;
};

} // namespace MellUpdate
