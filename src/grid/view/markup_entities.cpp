#include "grid/view/markup_entities.h"

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
    // One pass from left to right, each entity decoded once: a decoded "&" never starts
    // another entity, so a text CharsToEntities wrote reads back as it was typed.
    static const std::array<Entity, 4> kMarkupEntities = {{
        {"&lt;", u'<'}, {"&gt;", u'>'}, {"&amp;", u'&'}, {"&quot;", u'"'}}};
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'), at);
        if (amp < 0) break;
        result += QStringView(text).mid(at, amp - at);
        at = amp;
        const QStringView rest = QStringView(text).mid(amp);
        bool decoded = false;
        auto tryEntity = [&](const Entity& entry) {
            const QLatin1String entity(entry.first);
            if (decoded || !rest.startsWith(entity)) return;
            result += QChar(entry.second);
            at += entity.size();
            decoded = true;
        };
        for (const Entity& entry : kMarkupEntities) tryEntity(entry);
        if (withTable)
            for (const Entity& entry : kEntities) tryEntity(entry);
        if (!decoded) {
            result += QLatin1Char('&');
            ++at;
        }
    }
    result += QStringView(text).mid(at);
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
