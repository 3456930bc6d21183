#pragma once

#include <QUrl>
#include <functional>

class QWidget;

// The desktop shell: opens the publisher's web site in the default browser.
namespace Shell {

using Opener = std::function<void(QWidget *owner, const QUrl &url)>;

// The result is not examined: a site that cannot be opened changes nothing.
void openWebSite(QWidget *owner);

// Test hook: an empty opener brings back the desktop's.
void setOpener(Opener opener);

} // namespace Shell
