#pragma once

#include <QUrl>
#include <functional>

// Where the program opens web pages: the user's default browser, unless a
// test puts something else in its place.
namespace SystemBrowser {

using Opener = std::function<bool(const QUrl&)>;

// False when no browser could be asked to open `url`.
bool open(const QUrl& url);
// An empty opener brings back the system's.
void setOpener(Opener opener);

} // namespace SystemBrowser
