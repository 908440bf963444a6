#pragma once

class QLabel;
class QString;
class QTextBrowser;
class QUrl;

// The pieces the update and What's New dialogs share.
namespace MellUpdate::DialogParts {

// A bold heading `extraPoints` larger than the default font.
QLabel* heading(const QString& text, int extraPoints);
// Shows Markdown; links open in the browser.
QTextBrowser* notesBrowser();
// Opens a release download in the browser; false (with a warning) when it cannot.
bool openDownload(const QUrl& url);

} // namespace MellUpdate::DialogParts
