#include "UpdateDialog.h"

#include "DialogParts.h"
#include "ReleaseNotesFetcher.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace MellUpdate {

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& appName,
    const QString& currentVersion, QWidget* parent)
    : QDialog(parent)
    , m_artifact(artifact)
{
    setWindowTitle(tr("Update available"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        DialogParts::heading(tr("A new version of %1 is available.").arg(appName), 1));
    auto* versions = new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version));
    versions->setObjectName(QStringLiteral("versionLabel"));
    versions->setWordWrap(true);
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid()) {
        m_notes = DialogParts::notesBrowser();
        m_notes->setMinimumHeight(150);
        m_notes->setPlaceholderText(tr("Loading release notes…"));
        layout->addWidget(m_notes, 1);
        auto* fetcher = new ReleaseNotesFetcher(
            artifact.releaseNotesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, &QObject::deleteLater);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this, fetcher] {
            onNotesReady(tr("*Release notes are not available for this version.*"));
            fetcher->deleteLater();
        });
        fetcher->fetch();
    } else {
        layout->addStretch(1);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setObjectName(QStringLiteral("downloadButton"));
    download->setDefault(true);
    buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("laterButton"));
    connect(download, &QPushButton::clicked, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 420);
}

void UpdateDialog::onDownloadClicked()
{
    DialogParts::openDownload(m_artifact.url);
    accept();
}

void UpdateDialog::onNotesReady(const QString& markdown)
{
    if (m_notes)
        m_notes->setMarkdown(markdown);
}

} // namespace MellUpdate
