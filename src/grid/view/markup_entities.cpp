#include "grid/view/markup_entities.h"

#include "grid/view/markup_values.h"

#include <array>
#include <utility>

namespace {

using Entity = std::pair<const char*, char16_t>;

constexpr std::array<Entity, 51> kEntities = {{
    {"&eacute;", u'é'}, {"&egrave;", u'è'}, {"&euml;", u'ë'},   {"&ecirc;", u'ê'},  {"&oacute;", u'ó'},
    {"&ograve;", u'ò'}, {"&ouml;", u'ö'},   {"&ocirc;", u'ô'},  {"&iacute;", u'í'}, {"&igrave;", u'ì'},
    {"&iuml;", u'ï'},   {"&icirc;", u'î'},  {"&uacute;", u'ú'}, {"&ugrave;", u'ù'}, {"&uuml;", u'ü'},
    {"&ucirc;", u'û'},  {"&aacute;", u'á'}, {"&agrave;", u'à'}, {"&auml;", u'ä'},   {"&acirc;", u'â'},
    {"&Eacute;", u'É'}, {"&Egrave;", u'È'}, {"&Euml;", u'Ë'},   {"&Ecirc;", u'Ê'},  {"&Oacute;", u'Ó'},
    {"&Ograve;", u'Ò'}, {"&Ouml;", u'Ö'},   {"&Ocirc;", u'Ô'},  {"&Iacute;", u'Í'}, {"&Igrave;", u'Ì'},
    {"&Iuml;", u'Ï'},   {"&Icirc;", u'Î'},  {"&Uacute;", u'Ú'}, {"&Ugrave;", u'Ù'}, {"&Uuml;", u'Ü'},
    {"&Ucirc;", u'Û'},  {"&Aacute;", u'Á'}, {"&Agrave;", u'À'}, {"&Auml;", u'Ä'},   {"&Acirc;", u'Â'},
    {"&ccedil;", u'ç'}, {"&Ccedil;", u'Ç'}, {"&oslash;", u'ø'}, {"&Oslash;", u'Ø'}, {"&aring;", u'å'},
    {"&Aring;", u'Å'},  {"&copy;", u'©'},   {"&reg;", u'®'},    {"&euro;", u'€'},   {"&laquo;", u'«'},
    {"&raquo;", u'»'},
}};

}  // namespace

QString EntitiesToChars(const QString& text, bool withTable) {
    QString result = ReplaceUntilNone(text, QStringLiteral("&lt;"), QStringLiteral("<"));
    result = ReplaceUntilNone(result, QStringLiteral("&gt;"), QStringLiteral(">"));
    result = ReplaceUntilNone(result, QStringLiteral("&amp;"), QStringLiteral("&"));
    result = ReplaceUntilNone(result, QStringLiteral("&quot;"), QStringLiteral("\""));
    if (withTable)
        for (const auto& [entity, ch] : kEntities)
            result = ReplaceUntilNone(result, QLatin1String(entity), QString(QChar(ch)));
    return result;
}

QString CharsToEntities(const QString& text, bool withTable) {
    QString result = text;
    result.replace(QLatin1Char('&'), QStringLiteral("*amp;"));
    result.replace(QStringLiteral("*amp;"), QStringLiteral("&amp;"));
    result.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    result.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    result.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    if (withTable)
        for (const auto& [entity, ch] : kEntities) result.replace(QChar(ch), QLatin1String(entity));
    return result;
}

QString SpacesToNbsp(const QString& text) {
    QString result = text;
    return result.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
}
