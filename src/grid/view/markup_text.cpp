#include "grid/view/markup_text.h"

#include "grid/view/markup_values.h"

#include <vector>

namespace {

// The visible text (tags taken out from the start until a "<" lacks its ">") and, for
// each visible character, its position in the marked-up text.
struct VisibleText {
    QString Text;
    std::vector<qsizetype> MarkupPositions;
};

VisibleText ExtractVisibleText(const QString& text) {
    VisibleText visible;
    visible.Text.reserve(text.size());
    auto keep = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            visible.Text.append(text[i]);
            visible.MarkupPositions.push_back(i);
        }
    };
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype gt = lt < 0 ? -1 : text.indexOf(QLatin1Char('>'), pos);
        if (lt < 0 || gt < lt) break;
        keep(pos, lt);
        pos = gt + 1;
    }
    keep(pos, text.size());
    return visible;
}

QString EscapeAngles(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    return escaped.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

}  // namespace

QString MarkupToPlainText(const QString& text) {
    QString source = text;
    source.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    source.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    return ExtractVisibleText(source).Text;
}

QString WrapMatchesInTag(const QString& text, const QString& search, const QString& tag, bool caseSensitive) {
    if (search.isEmpty()) return text;
    QString marked = text;
    QString wanted = search;
    VisibleText visible = ExtractVisibleText(marked);
    if (marked.contains(search) &&
        (visible.Text.contains(QLatin1Char('<')) || visible.Text.contains(QLatin1Char('>')))) {
        marked = EscapeAngles(visible.Text);
        wanted = EscapeAngles(search);
        visible = ExtractVisibleText(marked);
    }
    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const QString close = QStringLiteral("</") + tag + QLatin1Char('>');
    // Marks in ascending order of their position in the marked-up text.
    std::vector<std::pair<qsizetype, const QString*>> marks;
    const auto afterVisible = [&](qsizetype count) -> qsizetype {
        if (count == 0) return 0;
        if (count == visible.Text.size()) return marked.size();
        return visible.MarkupPositions[std::size_t(count - 1)] + 1;
    };
    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = visible.Text.indexOf(wanted, 0, sensitivity); at >= 0;
         at = visible.Text.indexOf(wanted, at + wanted.size(), sensitivity)) {
        marks.emplace_back(afterVisible(at), &open);
        marks.emplace_back(afterVisible(at + wanted.size()), &close);
    }
    if (marks.empty()) return marked;
    QString result;
    result.reserve(marked.size() + qsizetype(marks.size()) * (close.size()));
    qsizetype copied = 0;
    for (const auto& [position, mark] : marks) {
        result.append(QStringView(marked).mid(copied, position - copied));
        result.append(*mark);
        copied = position;
    }
    result.append(QStringView(marked).mid(copied));
    return result;
}

QString RemoveMatchTags(const QString& text, const QString& tag) {
    QString result = ReplaceUntilNone(text, QLatin1Char('<') + tag + QLatin1Char('>'), QString(), Qt::CaseInsensitive);
    result = ReplaceUntilNone(result, QStringLiteral("</") + tag + QLatin1Char('>'), QString(), Qt::CaseInsensitive);
    result = ReplaceUntilNone(result, QStringLiteral("&lt;"), QStringLiteral("<"));
    return ReplaceUntilNone(result, QStringLiteral("&gt;"), QStringLiteral(">"));
}
