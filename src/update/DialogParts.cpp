#include "DialogParts.h"

#include "UpdateLogging.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>

namespace MellUpdate {

QLabel* DialogParts::heading(const QString& text, int extraPoints)
{
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("headingLabel"));
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() + extraPoints);
    label->setFont(font);
    return label;
}

QTextBrowser* DialogParts::notesBrowser()
{
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("notesBrowser"));
    browser->setOpenExternalLinks(true);
    return browser;
}

bool DialogParts::openDownload(const QUrl& url)
{
    if (url.isEmpty() || !url.isValid()) {
        qCWarning(lcUpdate) << "MellUpdate: download URL is empty or invalid";
        return false;
    }
    if (!QDesktopServices::openUrl(url)) {
        qCWarning(lcUpdate) << "MellUpdate: QDesktopServices::openUrl failed for:" << url;
        return false;
    }
    return true;
}

} // namespace MellUpdate
