#include "core/version_check.h"
#include "core/maker_links.h"
#include "core/program_state.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

int Conv_Version(const QString& Ver_str) {
    const qsizetype blank = Ver_str.indexOf(QLatin1Char(' '));
    const QString version = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
    if (version.size() < 5) return -1;
    // The separator at the second place is not looked at.
    int number = 0;
    for (qsizetype i : {0, 2, 3, 4}) {
        if (!IsAsciiDigit(version[i])) return -1;
        number = number * 10 + (version[i].unicode() - '0');
    }
    return number;
}

TVersionAnswer Read_Version_Answer(const QString& answer) {
    const QString trimmed = answer.trimmed();
    if (trimmed.isEmpty()) return TVersionAnswer::Unreadable;
    if (trimmed.toUpper() == QLatin1String("VER. 0.000")) return TVersionAnswer::NotNewer;
    const int published = Conv_Version(trimmed);
    if (published == -1) return TVersionAnswer::Unreadable;
    return Conv_Version(SW_Version) < published ? TVersionAnswer::Newer : TVersionAnswer::NotNewer;
}

QString Version_Request_URL() {
    QUrl url(Version_Page_URL);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("nomesw"), SW_Code_Web);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}
