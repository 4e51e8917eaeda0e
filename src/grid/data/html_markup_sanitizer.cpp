#include "grid/data/html_markup_sanitizer.h"

#include <QRegularExpression>
#include <QSet>
#include <optional>

namespace {

// The renderer's own tags, and the attributes each keeps.
const QSet<QString>& RendererTags() {
    static const QSet<QString> tags{"b", "i", "u", "s", "font", "a", "br", "img", "p", "hr", "sub", "sup",
                                    "ul", "ol", "li", "shad", "z", "ind", "hi", "e", "body", "blink"};
    return tags;
}

bool EmptyElement(const QString& Tag) { return Tag == QLatin1String("br") || Tag == QLatin1String("hr") || Tag == QLatin1String("img") || Tag == QLatin1String("ind"); }

bool UrlAttribute(const QString& Name) { return Name == QLatin1String("href") || Name == QLatin1String("src"); }

// Rewrites one tag (the text between "<" and ">"): nothing when it is not the
// renderer's, an empty text for the closing tag of an element that closed itself.
std::optional<QString> CleanTag(const QString& Inner, bool Xhtml) {
    static const QRegularExpression head(QStringLiteral("^\\s*(/?)\\s*([A-Za-z]+)(.*?)(/?)\\s*$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = head.match(Inner);
    if (!m.hasMatch()) return std::nullopt;
    const bool closing = !m.captured(1).isEmpty();
    const QString tag = m.captured(2).toLower();
    if (!RendererTags().contains(tag)) return std::nullopt;
    if (closing) return EmptyElement(tag) ? QString() : QStringLiteral("</%1>").arg(tag);
    QString out = QStringLiteral("<") + tag;
    static const QRegularExpression attribute(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*(?:=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+)))?"));
    auto it = attribute.globalMatch(m.captured(3));
    while (it.hasNext()) {
        const QRegularExpressionMatch a = it.next();
        const QString name = a.captured(1).toLower();
        if (name.startsWith(QLatin1String("on")) || name == QLatin1String("style")) continue;
        QString value = !a.captured(3).isNull() ? a.captured(3) : !a.captured(4).isNull() ? a.captured(4) : a.captured(5);
        if (UrlAttribute(name) && !IsSafeLinkUrl(value)) continue;
        out += QStringLiteral(" %1=\"%2\"").arg(name, EscapeHtmlText(value));
    }
    out += (EmptyElement(tag) && Xhtml) ? QStringLiteral(" />") : QStringLiteral(">");
    return out;
}

}  // namespace

QString EscapeHtmlText(const QString& Text) {
    QString out;
    out.reserve(Text.size());
    for (QChar ch : Text) {
        switch (ch.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += ch;
        }
    }
    return out;
}

bool IsSafeLinkUrl(const QString& Url) {
    static const QRegularExpression scheme(QStringLiteral("^\\s*(https?|ftp|file)://|^\\s*mailto:"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(Url).hasMatch();
}

QString SanitizeMiniHtml(const QString& Markup, bool Xhtml) {
    QString out;
    qsizetype i = 0;
    // Once no ">" follows, none follows any later "<" either: the scan stays linear.
    bool closeSeen = true;
    while (i < Markup.size()) {
        const QChar ch = Markup.at(i);
        if (ch == QLatin1Char('<')) {
            const qsizetype end = closeSeen ? Markup.indexOf(QLatin1Char('>'), i + 1) : -1;
            if (end < 0) closeSeen = false;
            if (end > i) {
                if (const std::optional<QString> cleaned = CleanTag(Markup.mid(i + 1, end - i - 1), Xhtml)) {
                    out += *cleaned;
                    i = end + 1;
                    continue;
                }
            }
            out += QStringLiteral("&lt;");
        } else if (ch == QLatin1Char('&')) {
            // Entities the markup already holds stay; a bare "&" is escaped.
            static const QRegularExpression entity(QStringLiteral("^&(#[0-9]{1,7}|#x[0-9A-Fa-f]{1,6}|[A-Za-z][A-Za-z0-9]{0,31});"));
            const QRegularExpressionMatch m = entity.match(QStringView(Markup).mid(i));
            if (m.hasMatch()) {
                out += m.captured(0);
                i += m.capturedLength(0);
                continue;
            }
            out += QStringLiteral("&amp;");
        } else if (ch == QLatin1Char('>')) {
            out += QStringLiteral("&gt;");
        } else {
            out += ch;
        }
        ++i;
    }
    return out;
}
