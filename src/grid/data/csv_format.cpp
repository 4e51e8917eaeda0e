#include "grid/data/csv_format.h"

#include <algorithm>
#include <array>

namespace {

const QChar CR(13);
const QChar LF(10);
const QChar VT(11);
const QChar Quote(u'"');

// A multi-line text without other reason for quotes keeps the older mark for CR LF; any
// other quoted text writes its line breaks as they are.
QString CrLfToVerticalTabs(const QString& text) {
    QString result = text;
    return result.replace(QStringLiteral("\r\n"), QString(VT));
}

}  // namespace

QString EncodeCsvField(const QString& Text, const TCsvWriteOptions& Options) {
    if (Text.isEmpty()) {
        if (Options.JavaCSV) return QStringLiteral("^");
        return Options.QuoteEmptyCells || Options.AlwaysQuotes ? QStringLiteral("\"\"") : QString();
    }
    // One pass decides; most fields need nothing and are returned as they are.
    bool quote = false, breaks = false, special = false;
    const char16_t delimiter = Options.Delimiter.unicode();
    const char16_t* chars = reinterpret_cast<const char16_t*>(Text.constData());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t ch = chars[i];
        // Most characters are none of the four: one range test lets them pass.
        if (ch > u'"' && ch != delimiter) continue;
        if (ch == u'"')
            quote = true;
        else if (ch == u'\r' || ch == u'\n')
            breaks = true;
        else if (ch == delimiter)
            special = true;
    }
    QString body = Text;
    if (Options.JavaCSV && breaks) {
        body.replace(QStringLiteral("\r\n"), QStringLiteral("~"));
        breaks = body.contains(CR) || body.contains(LF);
    }
    const bool blankEnd = Text.front() == QLatin1Char(' ') || Text.back() == QLatin1Char(' ');
    if (!Options.AlwaysQuotes && !quote && !breaks && !special && !blankEnd) return body;
    if (!Options.JavaCSV && !Options.AlwaysQuotes && !quote && breaks) body = CrLfToVerticalTabs(body);
    if (quote) body.replace(Quote, QStringLiteral("\"\""));
    return Quote + body + Quote;
}

namespace {

const std::array<QChar, 10> kCandidates = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('#'), QChar(9),
                                           QLatin1Char('|'), QLatin1Char('@'), QLatin1Char('*'), QLatin1Char('-'),
                                           QLatin1Char('+'), QLatin1Char('&')};

// Runs of ch that stand for one character: of odd length before another character, or
// reaching the end of the line (an even run before another character is an escaped one).
int CountSingleRuns(QChar ch, QStringView line) {
    int count = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] != ch) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && line[end] == ch) ++end;
        if (end == line.size() || (end - i) % 2 == 1) ++count;
        i = end;
    }
    return count;
}

QStringView LineAt(const QString& text, qsizetype& from) {
    const qsizetype start = from;
    qsizetype i = start;
    while (i < text.size() && text[i] != CR && text[i] != LF) ++i;
    const QStringView line = QStringView(text).mid(start, i - start);
    if (i < text.size() && text[i] == CR) ++i;
    if (i < text.size() && text[i] == LF) ++i;
    from = i;
    return line;
}

}  // namespace

QChar DetectCsvDelimiter(const QString& Text) {
    qsizetype at = 0;
    const QStringView l1 = LineAt(Text, at);
    const QStringView l2 = at < Text.size() ? LineAt(Text, at) : QStringView();
    int best = 0;
    QChar chosen;
    for (QChar c : kCandidates) {
        const int c1 = CountSingleRuns(c, l1);
        if (c1 == CountSingleRuns(c, l2) && c1 > best) best = c1, chosen = c;
    }
    if (best > 0) return chosen;
    for (QChar c : kCandidates) {
        const int c1 = int(l1.count(c));
        if (c1 == int(l2.count(c)) && c1 > best) best = c1, chosen = c;
    }
    if (best > 0) return chosen;
    for (QChar c : kCandidates) {
        const int c1 = int(l1.count(c));
        const int c2 = int(l2.count(c));
        if (c1 > best || c2 > best) best = std::max(c1, c2), chosen = c;
    }
    return chosen;
}

namespace {

class TCsvParser {
public:
    TCsvParser(const QString& text, const TCsvReadOptions& options)
        : FText(text), FOptions(options), FData(reinterpret_cast<const char16_t*>(text.constData())), FSize(text.size()),
          FStop(options.Delimiter.isNull() ? u'\r' : options.Delimiter.unicode()),
          FMark(options.JavaCSV ? u'~' : VT.unicode()) {}

    TCsvRecords Parse(qint64 limitFields) {
        TCsvRecords result;
        qint64 fields = 0;
        while (FAt < FText.size()) {
            if (FOptions.MaxRecords > 0 && qint64(result.Records.size()) >= FOptions.MaxRecords) break;
            QStringList record;
            record.reserve(FWidest);
            bool more = true;
            while (more) {
                if (++fields > limitFields) {
                    result.Truncated = true;
                    return result;
                }
                record << Undo(Field(more));
            }
            FWidest = std::max(FWidest, record.size());
            result.Records.push_back(std::move(record));
        }
        return result;
    }

private:
    bool AtDelimiter() const { return !FOptions.Delimiter.isNull() && FAt < FSize && FData[FAt] == FStop; }

    void SkipLineEnd() {
        if (FAt < FSize && FData[FAt] == u'\r') ++FAt;
        if (FAt < FSize && FData[FAt] == u'\n') ++FAt;
    }

    // The end of the line or the next delimiter from i on. This loop sees every
    // character of a file, so it reads the text's own array.
    // It also notes whether the dialect's mark for a line break was met.
    qsizetype FieldEnd(qsizetype i) {
        const char16_t* data = FData;
        const qsizetype size = FSize;
        const char16_t stop = FStop, mark = FMark;
        bool marked = false;
        for (; i < size; ++i) {
            const char16_t ch = data[i];
            if (ch > u'\r' && ch != stop && ch != mark) continue;
            if (ch == u'\r' || ch == u'\n' || ch == stop) break;
            marked = marked || ch == mark;
        }
        FMarked = FMarked || marked;
        return i;
    }

    // One field from FAt; More tells whether a delimiter followed (another field of the
    // same record) rather than the end of a line.
    QString Field(bool& More) {
        const qsizetype start = FAt;
        qsizetype first = start;
        while (first < FSize && FData[first] == u' ' && FData[first] != FStop) ++first;
        QString field;
        FMarked = false;
        if (first < FSize && FData[first] == u'"') {
            FAt = first;
            if (!Quoted(field)) return Unclosed(More);
            FMarked = field.contains(QChar(FMark));
            // Whatever stands between a closing quote and the delimiter is dropped.
            FAt = FieldEnd(FAt);
        } else {
            FAt = FieldEnd(start);
            // Blanks before a field are layout, as before a quote; a field of blanks
            // keeps one.
            qsizetype from = start;
            while (from + 1 < FAt && FData[from] == u' ') ++from;
            field = QString(FText.constData() + from, FAt - from);
        }
        More = AtDelimiter();
        if (More)
            ++FAt;
        else
            SkipLineEnd();
        return field;
    }

    // Reads a quoted field from its opening quote; false (FAt untouched) when no quote
    // closes it.
    bool Quoted(QString& field) {
        FQuoteAt = FAt;
        qsizetype i = FAt + 1;
        while (i < FText.size()) {
            const qsizetype quote = FText.indexOf(Quote, i);
            if (quote < 0) break;
            field += QStringView(FText).mid(i, quote - i);
            i = quote;
            if (i + 1 < FText.size() && FText[i + 1] == Quote) {
                field += Quote;
                i += 2;
                continue;
            }
            FAt = i + 1;
            return true;
        }
        return false;
    }

    // A quote never closed: the field is the rest of its line, doubled quotes collapsed.
    QString Unclosed(bool& More) {
        qsizetype i = FQuoteAt + 1;
        const qsizetype start = i;
        while (i < FText.size() && FText[i] != CR && FText[i] != LF) ++i;
        QString field = FText.mid(start, i - start);
        field.replace(QStringLiteral("\"\""), QString(Quote));
        FMarked = field.contains(QChar(FMark));
        FAt = i;
        SkipLineEnd();
        More = false;
        return field;
    }

    // Most fields hold no mark and are given back untouched, without a copy.
    QString Undo(QString field) const {
        if (FOptions.JavaCSV && field == QLatin1String("^")) return QString();
        if (FMarked) field.replace(QChar(FMark), QStringLiteral("\r\n"));
        return field;
    }

    const QString& FText;
    const TCsvReadOptions& FOptions;
    const char16_t* FData;
    qsizetype FSize;
    // The delimiter, or (when there is none) a character that ends the line anyway.
    char16_t FStop;
    // What the dialect writes for CR LF, and whether the field at hand holds it.
    char16_t FMark;
    bool FMarked = false;
    qsizetype FAt = 0;
    qsizetype FQuoteAt = 0;
    // The most fields a record had so far, room kept for the next record.
    qsizetype FWidest = 0;
};

}  // namespace

TCsvRecords ParseCsv(const QString& Text, const TCsvReadOptions& Options, qint64 LimitFields) {
    return TCsvParser(Text, Options).Parse(LimitFields);
}
