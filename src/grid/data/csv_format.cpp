#include "grid/data/csv_format.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// What a text holds that its field must deal with; one pass over it.
struct TFieldScan {
    bool Quote = false;
    bool Breaks = false;
    bool Delimiter = false;
};

TFieldScan ScanField(const QString& text, char16_t delimiter) {
    TFieldScan scan;
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = chars[i];
        // Most characters are none of the four: one range test lets them pass.
        if (ch > u'"' && ch != delimiter) continue;
        if (ch == u'"')
            scan.Quote = true;
        else if (ch == u'\r' || ch == u'\n')
            scan.Breaks = true;
        else if (ch == delimiter)
            scan.Delimiter = true;
    }
    return scan;
}

bool BlankAtEnd(const QString& text) { return text.front() == QLatin1Char(' ') || text.back() == QLatin1Char(' '); }

}  // namespace

QString EncodeCsvField(const QString& Text, const TCsvWriteOptions& Options) {
    if (Text.isEmpty()) {
        if (Options.JavaCSV) return QStringLiteral("^");
        return Options.QuoteEmptyCells || Options.AlwaysQuotes ? QStringLiteral("\"\"") : QString();
    }
    // One pass decides; most fields need nothing and are returned as they are.
    const TFieldScan scan = ScanField(Text, Options.Delimiter.unicode());
    const bool quote = scan.Quote, special = scan.Delimiter;
    bool breaks = scan.Breaks;
    QString body = Text;
    if (Options.JavaCSV && breaks) {
        body.replace(QStringLiteral("\r\n"), QStringLiteral("~"));
        breaks = body.contains(CR) || body.contains(LF);
    }
    if (!Options.AlwaysQuotes && !quote && !breaks && !special && !BlankAtEnd(Text)) return body;
    if (!Options.JavaCSV && !Options.AlwaysQuotes && !quote && breaks) body = CrLfToVerticalTabs(body);
    if (quote) body.replace(Quote, QStringLiteral("\"\""));
    return Quote + body + Quote;
}

TCsvTextWriter::TCsvTextWriter(QString Start, qsizetype ExpectedChars, const TCsvWriteOptions& Options)
    : FText(std::move(Start)), FSize(FText.size()), FOptions(Options) {
    Grow(ExpectedChars);
}

void TCsvTextWriter::Grow(qsizetype Count) {
    // Cut to what is written first, so growing copies only that.
    FText.resize(FSize);
    FText.resize(std::max(FSize + Count, 2 * FSize));
    FData = reinterpret_cast<char16_t*>(FText.data());
    FCapacity = FText.size();
}

void TCsvTextWriter::Put(const QChar* Chars, qsizetype Count) {
    Room(Count);
    std::memcpy(FData + FSize, Chars, std::size_t(Count) * sizeof(char16_t));
    FSize += Count;
}

void TCsvTextWriter::Field(const QString& Text) {
    const qsizetype size = Text.size();
    Room(size + 1);
    if (!FFirstField) FData[FSize++] = FOptions.Delimiter.unicode();
    FFirstField = false;
    // Most fields need no quotes: they are copied while one pass looks for a reason to
    // quote, and only a field that has one is written again by the full rules.
    if (size > 0 && !FOptions.AlwaysQuotes && !BlankAtEnd(Text)) {
        const char16_t delimiter = FOptions.Delimiter.unicode();
        const char16_t* in = reinterpret_cast<const char16_t*>(Text.constData());
        char16_t* out = FData + FSize;
        qsizetype i = 0;
        for (; i < size; ++i) {
            const char16_t ch = in[i];
            if ((ch <= u'"' || ch == delimiter) && (ch == u'"' || ch == u'\r' || ch == u'\n' || ch == delimiter)) break;
            out[i] = ch;
        }
        if (i == size) {
            FSize += size;
            return;
        }
    }
    const QString field = EncodeCsvField(Text, FOptions);
    Put(field.constData(), field.size());
}

void TCsvTextWriter::EndRecord() {
    static constexpr QChar kLineEnd[] = {QChar(13), QChar(10)};
    Put(kLineEnd, 2);
    FFirstField = true;
}

QString TCsvTextWriter::Finish() && {
    FText.resize(FSize);
    return std::move(FText);
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
    using TField = TCsvRecords::TField;

    TCsvParser(const QString& text, const TCsvReadOptions& options)
        : FText(text), FOptions(options), FData(reinterpret_cast<const char16_t*>(text.constData())), FSize(text.size()),
          FStop(options.Delimiter.isNull() ? u'\r' : options.Delimiter.unicode()),
          FMark(options.JavaCSV ? u'~' : VT.unicode()) {}

    TCsvRecords Parse(qint64 limitFields) {
        FRecords.Text = FText;
        qint64 fields = 0;
        while (FAt < FSize) {
            if (FOptions.MaxRecords > 0 && FRecords.Count() >= FOptions.MaxRecords) break;
            const std::size_t first = FRecords.Fields.size();
            bool more = true;
            while (more) {
                if (++fields > limitFields) {
                    FRecords.Fields.resize(first);
                    FRecords.Truncated = true;
                    return std::move(FRecords);
                }
                FRecords.Fields.push_back(Undo(Field(more)));
            }
            FRecords.Widest = std::max(FRecords.Widest, qsizetype(FRecords.Fields.size() - first));
            FRecords.RecordEnds.push_back(qsizetype(FRecords.Fields.size()));
            if (FRecords.Count() == 1) ReserveLike(limitFields);
        }
        return std::move(FRecords);
    }

private:
    // Room for as many records as the first one's length fits into the text, each as
    // wide: the lists then rarely grow. Never more fields than the limit or than
    // characters, whatever the first record looks like.
    void ReserveLike(qint64 limitFields) {
        qint64 records = FSize / std::max<qsizetype>(FAt, 1) + 1;
        if (FOptions.MaxRecords > 0) records = std::min(records, FOptions.MaxRecords);
        const qint64 fields = std::min({records * FRecords.Widest, limitFields, qint64(FSize) + 1});
        FRecords.Fields.reserve(std::size_t(std::max<qint64>(fields, 0)));
        FRecords.RecordEnds.reserve(std::size_t(std::min(records, qint64(FSize) + 1)));
    }

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

    TField Own(QString text) {
        FRecords.OwnTexts.push_back(std::move(text));
        return {qsizetype(FRecords.OwnTexts.size() - 1), -1};
    }

    QStringView View(const TField& field) const {
        return field.Size < 0 ? QStringView(FRecords.OwnTexts[std::size_t(field.From)])
                              : QStringView(FText).mid(field.From, field.Size);
    }

    // One field from FAt; More tells whether a delimiter followed (another field of the
    // same record) rather than the end of a line.
    TField Field(bool& More) {
        const qsizetype start = FAt;
        qsizetype first = start;
        while (first < FSize && FData[first] == u' ' && FData[first] != FStop) ++first;
        TField field;
        FMarked = false;
        if (first < FSize && FData[first] == u'"') {
            FAt = first;
            if (!Quoted(field)) return Unclosed(More);
            FMarked = View(field).contains(QChar(FMark));
            // Whatever stands between a closing quote and the delimiter is dropped.
            FAt = FieldEnd(FAt);
        } else {
            FAt = FieldEnd(start);
            // Blanks before a field are layout, as before a quote; a field of blanks
            // keeps one.
            qsizetype from = start;
            while (from + 1 < FAt && FData[from] == u' ') ++from;
            field = {from, FAt - from};
        }
        More = AtDelimiter();
        if (More)
            ++FAt;
        else
            SkipLineEnd();
        return field;
    }

    // Reads a quoted field from its opening quote; false (FAt untouched) when no quote
    // closes it. Without doubled quotes inside, the field is the stretch between the quotes.
    bool Quoted(TField& field) {
        FQuoteAt = FAt;
        const qsizetype open = FAt + 1;
        qsizetype i = open;
        QString undoubled;
        bool doubled = false;
        while (i < FSize) {
            const qsizetype quote = FText.indexOf(Quote, i);
            if (quote < 0) break;
            if (quote + 1 < FSize && FData[quote + 1] == u'"') {
                undoubled += QStringView(FText).mid(i, quote + 1 - i);
                doubled = true;
                i = quote + 2;
                continue;
            }
            FAt = quote + 1;
            if (!doubled) {
                field = {open, quote - open};
            } else {
                undoubled += QStringView(FText).mid(i, quote - i);
                field = Own(std::move(undoubled));
            }
            return true;
        }
        return false;
    }

    // A quote never closed: the field is the rest of its line, doubled quotes collapsed.
    TField Unclosed(bool& More) {
        qsizetype i = FQuoteAt + 1;
        const qsizetype start = i;
        while (i < FSize && FData[i] != u'\r' && FData[i] != u'\n') ++i;
        QString field = FText.mid(start, i - start);
        field.replace(QStringLiteral("\"\""), QString(Quote));
        FMarked = field.contains(QChar(FMark));
        FAt = i;
        SkipLineEnd();
        More = false;
        return Own(std::move(field));
    }

    // Most fields hold no mark and stay as they are.
    TField Undo(TField field) {
        if (FOptions.JavaCSV && View(field) == QLatin1String("^")) return Own(QString());
        if (!FMarked) return field;
        QString text = View(field).toString();
        return Own(text.replace(QChar(FMark), QStringLiteral("\r\n")));
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
    TCsvRecords FRecords;
};

}  // namespace

QStringList TCsvRecords::Record(qsizetype Record) const {
    QStringList fields;
    for (qsizetype i = RecordStart(Record); i < RecordEnds[std::size_t(Record)]; ++i) fields << FieldText(i);
    return fields;
}

std::vector<QStringList> TCsvRecords::Lists() const {
    std::vector<QStringList> lists;
    for (qsizetype r = 0; r < Count(); ++r) lists.push_back(Record(r));
    return lists;
}

TCsvRecords ParseCsv(const QString& Text, const TCsvReadOptions& Options, qint64 LimitFields) {
    return TCsvParser(Text, Options).Parse(LimitFields);
}
