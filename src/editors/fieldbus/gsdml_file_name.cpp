#include "editors/fieldbus/gsdml_file_name.h"

#include <algorithm>

QString GSDML_Name_Trailing_Part(const QDate& date) {
    return QStringLiteral("-%1%2%3.xml")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString Compose_GSDML_File_Name(const QString& userPart, const QString& trailingPart) {
    if (std::all_of(userPart.begin(), userPart.end(), [](QChar c) { return c.unicode() <= u' '; }))
        return GSDML_Name_Leading_Part + trailingPart;
    if (userPart.startsWith(QLatin1Char('_'))) return GSDML_Name_Leading_Part + userPart + trailingPart;
    return GSDML_Name_Leading_Part + QLatin1Char('_') + userPart + trailingPart;
}

bool Is_GSDML_User_Part_Allowed(const QString& userPart) {
    for (QChar c : userPart)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) return false;
    return true;
}
