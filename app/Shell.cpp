#include "app/Shell.h"
#include "app/WebSite.h"

#include <QDesktopServices>

namespace Shell {
namespace {

Opener &opener()
{
    static Opener current;
    return current;
}

} // namespace

void openWebSite(QWidget *owner)
{
    const QUrl site(publisherSite);
    if (opener())
        opener()(owner, site);
    else
        QDesktopServices::openUrl(site);
}

void setOpener(Opener replacement)
{
    opener() = std::move(replacement);
}

} // namespace Shell
