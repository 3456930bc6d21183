#pragma once

#include <QString>

// The publisher's web site, opened by the logo and by the address at the bottom
// of the window. The publisher supplies the real address; this one is reserved
// and opens nowhere.
inline const QString publisherSite = QStringLiteral("https://ostravel.example/");
inline const QString publisherSiteCaption = QStringLiteral("ostravel.example");
