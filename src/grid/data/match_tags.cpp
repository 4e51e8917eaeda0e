#include "grid/data/match_tags.h"

#include "grid/view/markup_entities.h"

namespace {

QString Escaped(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        switch (ch.unicode()) {
        case '&': result += QLatin1String("&amp;"); break;
        case '<': result += QLatin1String("&lt;"); break;
        case '>': result += QLatin1String("&gt;"); break;
        case '"': result += QLatin1String("&quot;"); break;
        default: result += ch;
        }
    }
    return result;
}

QString OpenTag(const QString& tag) { return QLatin1Char('<') + tag + QLatin1Char('>'); }
QString CloseTag(const QString& tag) { return QStringLiteral("</") + tag + QLatin1Char('>'); }

}  // namespace

QString WrapPlainMatches(const QString& text, const QString& search, const QString& tag, bool caseSensitive) {
    if (search.isEmpty()) return text;
    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype at = text.indexOf(search, 0, sensitivity);
    if (at < 0) return text;
    QString result;
    qsizetype copied = 0;
    for (; at >= 0; at = text.indexOf(search, copied, sensitivity)) {
        result += Escaped(QStringView(text).mid(copied, at - copied));
        result += OpenTag(tag);
        result += Escaped(QStringView(text).mid(at, search.size()));
        result += CloseTag(tag);
        copied = at + search.size();
    }
    result += Escaped(QStringView(text).mid(copied));
    return result;
}

bool HasMatchTag(const QString& text, const QString& tag) {
    return text.contains(OpenTag(tag), Qt::CaseInsensitive) || text.contains(CloseTag(tag), Qt::CaseInsensitive);
}

QString PlainTextOfMatchTags(const QString& text, const QString& tag) {
    if (!HasMatchTag(text, tag)) return text;
    QString stripped = text;
    stripped.remove(OpenTag(tag), Qt::CaseInsensitive);
    stripped.remove(CloseTag(tag), Qt::CaseInsensitive);
    return EntitiesToChars(stripped, false);
}
