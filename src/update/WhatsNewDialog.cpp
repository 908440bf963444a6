#include "WhatsNewDialog.h"

#include "DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace MellUpdate {

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& appName,
    const QString& version, const QUrl& downloadUrl, QWidget* parent)
    : QDialog(parent)
    , m_notes(DialogParts::notesBrowser())
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogParts::heading(tr("What's new in %1 %2").arg(appName, version), 2));
    layout->addWidget(m_notes, 1);
    setMarkdown(markdown);

    auto* footer = new QLabel(tr("You are running version %1").arg(version));
    footer->setObjectName(QStringLiteral("footerLabel"));
    footer->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    layout->addWidget(footer);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    if (downloadUrl.isValid()) {
        QPushButton* download
            = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::ActionRole);
        download->setObjectName(QStringLiteral("downloadButton"));
        connect(download, &QPushButton::clicked, this,
            [downloadUrl] { DialogParts::openDownload(downloadUrl); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 420);
}

void WhatsNewDialog::setMarkdown(const QString& markdown)
{
    m_notes->setMarkdown(markdown);
}

} // namespace MellUpdate
