#pragma once
// Addresses on the maker's web server; the server lives in one constant.

#include <QString>

inline const QString Maker_Web_Server = QStringLiteral("http://www.korvel.com");
inline const QString Home_Page_URL = Maker_Web_Server + QStringLiteral("/HOME/default.asp?frompg=PK30514");
inline const QString Download_Page_URL = Maker_Web_Server + QStringLiteral("/Home/download/download.asp#RT30514");
