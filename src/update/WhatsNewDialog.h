#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace MellUpdate {

// What changed in the running version, from its release notes.
class WhatsNewDialog : public QDialog {
    Q_OBJECT

public:
    // No download button when `downloadUrl` is not valid.
    WhatsNewDialog(const QString& markdown, const QString& appName, const QString& version,
        const QUrl& downloadUrl, QWidget* parent = nullptr);

    void setMarkdown(const QString& markdown);

private:
    QTextBrowser* m_notes;
};

} // namespace MellUpdate
