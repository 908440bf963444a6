#include "SystemBrowser.h"

#include <QDesktopServices>

namespace {

SystemBrowser::Opener& replacement()
{
    static SystemBrowser::Opener opener;
    return opener;
}

} // namespace

bool SystemBrowser::open(const QUrl& url)
{
    if (const Opener& opener = replacement())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

void SystemBrowser::setOpener(Opener opener)
{
    replacement() = std::move(opener);
}
