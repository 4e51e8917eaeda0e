#pragma once
// Addresses on the maker's web server; the server lives in one constant.

#include <QString>

inline const QString Maker_Web_Server = QStringLiteral("http://www.korvel.com");
inline const QString Home_Page_URL = Maker_Web_Server + QStringLiteral("/HOME/default.asp?frompg=PK30514");
inline const QString About_Home_Page_URL = Maker_Web_Server + QStringLiteral("/HOME/default.asp?frompg=PK30513");
inline const QString Download_Page_URL = Maker_Web_Server + QStringLiteral("/Home/download/download.asp#RT30514");
// The page that answers "VER. " and the current version for the software code in "nomesw".
inline const QString Version_Page_URL = Maker_Web_Server + QStringLiteral("/home/download/GetversionSW.asp");

// A link label caption that shows text and leads to the download page.
inline QString Download_Link_Caption(const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(Download_Page_URL.toHtmlEscaped(), text.toHtmlEscaped());
}
