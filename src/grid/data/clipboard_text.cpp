#include "grid/data/clipboard_text.h"

#include <algorithm>

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kTab = QLatin1Char('\t');
constexpr QChar kCR = QLatin1Char('\r');
constexpr QChar kLF = QLatin1Char('\n');
constexpr QChar kVerticalTab = QChar(11);

bool EndsField(QChar Ch) { return Ch == kTab || Ch == kCR || Ch == kLF; }

// Reads the quoted field whose opening quote stands at Start. False when no closing
// quote follows; Field then holds nothing useful.
bool ReadQuotedField(const QString& Text, qsizetype Start, QString& Field, qsizetype& End) {
    const qsizetype length = Text.size();
    Field.clear();
    for (qsizetype i = Start + 1; i < length; ++i) {
        const QChar ch = Text.at(i);
        if (ch == kQuote) {
            if (i + 1 < length && Text.at(i + 1) == kQuote) {
                Field += kQuote;
                ++i;
                continue;
            }
            End = i + 1;
            return true;
        }
        if (ch == kCR) {
            Field += QStringLiteral("\r\n");
            if (i + 1 < length && Text.at(i + 1) == kLF) ++i;
        } else if (ch == kLF || ch == kVerticalTab) {
            Field += QStringLiteral("\r\n");
        } else {
            Field += ch;
        }
    }
    return false;
}

}  // namespace

QString ClipboardField(const QString& Text, bool LineBreaksAsVerticalTabs) {
    const bool quoted = Text.contains(kTab) || Text.contains(kCR) || Text.contains(kLF) || Text.startsWith(kQuote);
    if (!quoted) return Text;
    const QChar lineBreak = LineBreaksAsVerticalTabs ? kVerticalTab : kLF;
    QString field;
    field.reserve(Text.size() + 2);
    field += kQuote;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text.at(i);
        if (ch == kQuote) {
            field += QStringLiteral("\"\"");
        } else if (ch == kCR) {
            field += lineBreak;
            if (i + 1 < Text.size() && Text.at(i + 1) == kLF) ++i;
        } else if (ch == kLF) {
            field += lineBreak;
        } else {
            field += ch;
        }
    }
    field += kQuote;
    return field;
}

TClipboardTable ParseClipboardText(const QString& Text) {
    TClipboardTable table;
    const qsizetype length = Text.size();
    if (length == 0) return table;
    // Once a quote found no partner, no later quote can find one either: later fields
    // are read plainly, which keeps the reading linear.
    bool unclosedQuoteSeen = false;
    QStringList row;
    qsizetype i = 0;
    while (true) {
        QString field;
        bool quoted = false;
        if (i < length && Text.at(i) == kQuote && !unclosedQuoteSeen) {
            qsizetype end = 0;
            quoted = ReadQuotedField(Text, i, field, end);
            if (quoted)
                i = end;
            else
                unclosedQuoteSeen = true;
        }
        if (!quoted) field.clear();
        // Text after a closing quote, or an unquoted field, runs to the field's end.
        const qsizetype start = i;
        while (i < length && !EndsField(Text.at(i))) ++i;
        field += QStringView(Text).mid(start, i - start);
        row << field;
        if (i >= length) {
            table.Rows << row;
            return table;
        }
        const QChar end = Text.at(i++);
        if (end == kTab) continue;
        if (end == kCR && i < length && Text.at(i) == kLF) ++i;
        table.Rows << row;
        row.clear();
        if (i >= length) {
            table.EndsWithLineBreak = true;
            return table;
        }
    }
}

TPoint ClipboardTextSize(const TClipboardTable& Table) {
    TPoint size{1, 0};
    if (Table.Rows.isEmpty()) return size;
    int emptyRows = Table.EndsWithLineBreak ? 1 : 0;
    for (const QStringList& row : Table.Rows) {
        size.X = std::max(size.X, int(row.size()));
        if (row.size() == 1 && row.first().isEmpty()) ++emptyRows;
    }
    const int rowEnds = int(Table.Rows.size()) - 1 + (Table.EndsWithLineBreak ? 1 : 0);
    size.Y = std::max(0, rowEnds - emptyRows);
    return size;
}
