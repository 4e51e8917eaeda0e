#include "grid/data/row_sort_keys.h"

#include "grid/data/stable_merge_sort.h"

#include "controls/date_utilities.h"
#include "controls/filter_condition.h"
#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/view/markup_text.h"
#include "platform/format_settings.h"

#include <QStringView>
#include <charconv>
#include <numeric>

namespace {

int Sign(double a, double b) { return a > b ? 1 : a < b ? -1 : 0; }
int Sign(int c) { return c > 0 ? 1 : c < 0 ? -1 : 0; }

// Upper case for the letters a to z only, as the plain case-blind styles compare.
QString UpperAsciiLetters(const QString& text) {
    QString upper = text;
    for (QChar& ch : upper)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 32);
    return upper;
}

// The value of the number a text starts with (sign, digits, fraction, exponent), 0 when
// it starts with anything else: what a conversion that stops at the first invalid
// character has read.
double LeadingNumber(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i, ++digits;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i, ++digits;
    }
    if (digits == 0) return 0;
    int end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
        const int expStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) ++j;
        if (j > expStart) end = j;
    }
    return text.mid(start, end - start).toDouble();
}

// A text of an optional leading minus, digits and at most one point, converted without
// the general conversion's detours; false for anything else. Both conversions round
// correctly, so they give the same value.
bool ConvertPlainDecimal(const QString& text, double& value) {
    constexpr qsizetype MaxLength = 64;
    const qsizetype n = text.size();
    if (n == 0 || n > MaxLength) return false;
    char ascii[MaxLength];
    bool point = false;
    int digits = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') ++digits;
        else if (c == u'.' && !point) point = true;
        else if (!(c == u'-' && i == 0)) return false;
        ascii[i] = char(c);
    }
    if (digits == 0) return false;
    const auto [end, error] = std::from_chars(ascii, ascii + n, value);
    return error == std::errc() && end == ascii + n;
}

// A time "h:m[:s]" with an optional AM or PM, as a fraction of a day; 0 when the text
// is no time.
double TimeValue(const QString& text, QChar separator) {
    QString t = text.trimmed().toUpper();
    int addHours = 0;
    bool twelveHour = false;
    if (t.endsWith(QLatin1String("AM")) || t.endsWith(QLatin1String("PM"))) {
        twelveHour = true;
        addHours = t.endsWith(QLatin1String("PM")) ? 12 : 0;
        t = t.left(t.size() - 2).trimmed();
    }
    const QStringList parts = t.split(separator);
    if (parts.size() < 2 || parts.size() > 3) return 0;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || values[i] < 0) return 0;
    }
    int hours = values[0];
    if (twelveHour) {
        if (hours < 1 || hours > 12) return 0;
        hours = hours % 12 + addHours;
    }
    if (hours > 23 || values[1] > 59 || values[2] > 59) return 0;
    return (hours * 3600 + values[1] * 60 + values[2]) / 86400.0;
}

bool IsCheckBoxType(TCellType type) {
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}

bool IsNumberKind(int kind) { return kind == ntInteger || kind == ntFloat || kind == ntScientific; }

}  // namespace

struct TRowSortKeys::TCellKey {
    bool Loaded = false;
    QString Text;
    bool FirstTextLooksLikeDate = false;  // a date separator at 2 or 3, digits around it
    bool DatePositionFits = false;        // a date separator at 2 or 3, not at the end
    bool LooksLikeTime = false;           // digits around a time separator
    bool HasDateSeparator = false;
    bool HasTimeSeparator = false;
    signed char NumberKind = -1;
    bool HasNumber = false;
    bool NumberConverts = false;
    bool EditedEmpty = false;
    double Number = 0;
    bool HasUpper = false;
    QString Upper;
    bool HasDate = false;
    double Date = 0;
    bool HasCellType = false;
    bool IsCheckBox = false;
};

struct TRowSortKeys::TColumnKeys {
    int Index = 0;
    TSortStyle Style = ssAutomatic;
    QString Prefix;
    QString Suffix;
    std::vector<TCellKey> Rows;
};

namespace {

template <class CellKey>
const QString& UpperOf(CellKey& Key) {
    if (!Key.HasUpper) {
        Key.HasUpper = true;
        Key.Upper = UpperAsciiLetters(Key.Text);
    }
    return Key.Upper;
}

}  // namespace

TRowSortKeys::TRowSortKeys(TExStringGrid& Grid) : FGrid(Grid) {}
TRowSortKeys::~TRowSortKeys() = default;

TRowSortKeys::TColumnKeys& TRowSortKeys::Column(int ACol) {
    auto found = FColumns.find(ACol);
    if (found != FColumns.end()) return *found->second;
    auto column = std::make_unique<TColumnKeys>();
    column->Index = ACol;
    const TSortSettings& settings = *FGrid.SortSettings();
    column->Style = settings.AutoFormat ? ssAutomatic : settings.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    FGrid.GetCellFormat(RealCol(ACol), column->Style, column->Prefix, column->Suffix);
    column->Rows.resize(std::size_t(std::max(0, FGrid.RowCount())));
    return *FColumns.emplace(ACol, std::move(column)).first->second;
}

TRowSortKeys::TCellKey& TRowSortKeys::Key(TColumnKeys& Column, int ARow) {
    static TCellKey outside;
    if (ARow < 0 || ARow >= int(Column.Rows.size())) {
        outside = TCellKey();
        outside.Loaded = true;
        outside.NumberKind = ntNotNumber;
        return outside;
    }
    TCellKey& key = Column.Rows[std::size_t(ARow)];
    if (key.Loaded) return key;
    key.Loaded = true;
    key.Text = FGrid.SortSettings()->SortOnVirtualCells ? FGrid.Cells(Column.Index, ARow)
                                                        : FGrid.GridCells(Column.Index, ARow);
    const TFormatSettings& format = FormatSettings();
    const QString& text = key.Text;
    // The first date and time separators, found in one pass.
    int dateAt = -1, timeAt = -1;
    for (int i = 0, n = int(text.size()); i < n && (dateAt < 0 || timeAt < 0); ++i) {
        if (dateAt < 0 && text[i] == format.DateSeparator) dateAt = i;
        if (timeAt < 0 && text[i] == format.TimeSeparator) timeAt = i;
    }
    key.HasDateSeparator = dateAt >= 0;
    key.HasTimeSeparator = timeAt >= 0;
    const int p = dateAt + 1;
    key.DatePositionFits = p > 1 && p < 4 && text.size() > p;
    key.FirstTextLooksLikeDate = key.DatePositionFits && text[p - 2].isDigit() && text[p].isDigit();
    const int t = timeAt + 1;
    key.LooksLikeTime = t > 1 && text.size() > t && text[t - 2].isDigit() && text[t].isDigit();
    return key;
}

TSortStyle TRowSortKeys::DetectStyle(TColumnKeys& Column, TCellKey& First, TCellKey& Second, int ARow1) {
    if (IsCheckBoxCell(Column, First, ARow1)) return ssCheckBox;
    if (First.NumberKind < 0) First.NumberKind = static_cast<signed char>(ClassifyNumberText(First.Text));
    if (IsNumberKind(First.NumberKind)) return ssNumeric;
    const TSortStyle alphabetic = FGrid.SortSettings()->IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    if (First.DatePositionFits) {
        if (First.FirstTextLooksLikeDate && Second.HasDateSeparator)
            return First.HasTimeSeparator ? ssDateTime : ssDate;
        return alphabetic;
    }
    if (First.LooksLikeTime && Second.HasTimeSeparator) return ssTime;
    return alphabetic;
}

bool TRowSortKeys::IsCheckBoxCell(const TColumnKeys& Column, TCellKey& Key, int ARow) {
    if (!Key.HasCellType) {
        Key.HasCellType = true;
        Key.IsCheckBox = IsCheckBoxType(FGrid.GetCellType(Column.Index, ARow));
    }
    return Key.IsCheckBox;
}

void TRowSortKeys::ReadNumber(const TColumnKeys& Column, TCellKey& Key, bool Financial) {
    if (Key.HasNumber) return;
    Key.HasNumber = true;
    const TFormatSettings& format = FormatSettings();
    QString text = Key.Text;
    if (!Column.Suffix.isEmpty()) {
        const int at = int(text.indexOf(Column.Suffix));
        if (at >= 0) text.remove(at, Column.Suffix.size());
    }
    if (!Column.Prefix.isEmpty()) {
        const int at = int(text.indexOf(Column.Prefix));
        if (at >= 0) text.remove(at, Column.Prefix.size());
    }
    if (Financial) text.remove(format.ThousandSeparator);
    if (format.DecimalSeparator != QLatin1Char('.')) {
        const int at = int(text.indexOf(format.DecimalSeparator));
        if (at >= 0) text[at] = QLatin1Char('.');
    }
    Key.EditedEmpty = text.isEmpty();
    bool ok = ConvertPlainDecimal(text, Key.Number);
    if (!ok) Key.Number = text.toDouble(&ok);
    Key.NumberConverts = ok || Key.Text.isEmpty();
    if (!ok) Key.Number = Key.Text.isEmpty() ? 0 : LeadingNumber(text);
}

int TRowSortKeys::CompareByStyle(TColumnKeys& Column, TSortStyle Style, TCellKey& A, TCellKey& B, int ARow1,
                                 int ARow2, bool& NumericEdit) {
    const TFormatSettings& format = FormatSettings();
    auto date = [&](TCellKey& key) {
        if (key.HasDate) return key.Date;
        key.HasDate = true;
        TDateTime value = 0;
        if (key.Text.isEmpty()) value = 0;
        else if (Style == ssShortDateEU) value = ParseDateDMY(key.Text);
        else if (Style == ssShortDateUS) value = ParseDateMDY(key.Text);
        else if (Style == ssTime) value = TimeValue(key.Text, format.TimeSeparator);
        else if (!ParseDateTimeText(key.Text, value, format)) value = 0;
        key.Date = value;
        return key.Date;
    };
    switch (Style) {
    case ssNumeric:
    case ssFinancial: {
        NumericEdit = true;
        ReadNumber(Column, A, Style == ssFinancial);
        ReadNumber(Column, B, Style == ssFinancial);
        if (!A.NumberConverts && !B.NumberConverts) return 0;
        return Sign(A.Number, B.Number);
    }
    case ssDate:
    case ssDateTime:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssTime: return Sign(date(A), date(B));
    case ssAlphaNoCase: return Sign(UpperOf(A).compare(UpperOf(B)));
    case ssAnsiAlphaCase: return Sign(QString::localeAwareCompare(A.Text, B.Text));
    case ssAnsiAlphaNoCase: return Sign(QString::localeAwareCompare(A.Text.toUpper(), B.Text.toUpper()));
    case ssHTML: return Sign(MarkupToPlainText(A.Text).compare(MarkupToPlainText(B.Text)));
    case ssCustom: {
        int result = 0;
        if (FGrid.OnCustomCompare) FGrid.OnCustomCompare(&FGrid, A.Text, B.Text, result);
        return Sign(result);
    }
    case ssRaw: {
        int result = 0;
        if (FGrid.OnRawCompare) FGrid.OnRawCompare(&FGrid, Column.Index, ARow1, ARow2, result);
        return Sign(result);
    }
    case ssImages: {
        // A picture ranks by its image index; a bitmap or an icon counts as 0.
        auto imageKey = [&](int row) {
            const TCellType type = FGrid.GetCellType(Column.Index, row);
            if (type == ctBitmap || type == ctIcon) return 0;
            return FGrid.GetGraphicSortValue(Column.Index, row);
        };
        return Sign(imageKey(ARow1) - imageKey(ARow2));
    }
    case ssCheckBox: {
        // A cell without a check box counts as unchecked.
        auto checked = [&](int row) {
            bool state = false;
            return FGrid.GetCheckBoxState(Column.Index, row, state) && state;
        };
        return int(checked(ARow1)) - int(checked(ARow2));
    }
    default: return Sign(A.Text.compare(B.Text));
    }
}

int TRowSortKeys::CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
    TColumnKeys& column = Column(ACol);
    TCellKey& a = Key(column, ARow1);
    TCellKey& b = Key(column, ARow2);
    TSortStyle style = column.Style;
    if (style == ssAutomatic) style = DetectStyle(column, a, b, ARow1);
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        if (a.NumberKind < 0) a.NumberKind = static_cast<signed char>(ClassifyNumberText(a.Text));
        if (b.NumberKind < 0) b.NumberKind = static_cast<signed char>(ClassifyNumberText(b.Text));
        const bool numbers = IsNumberKind(a.NumberKind) && IsNumberKind(b.NumberKind);
        style = numbers ? ssNumeric : style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    bool numericEdit = false;
    int result = CompareByStyle(column, style, a, b, ARow1, ARow2, numericEdit);
    const TSortSettings& settings = *FGrid.SortSettings();
    if (settings.IgnoreBlanks) {
        const bool emptyA = numericEdit ? a.EditedEmpty : a.Text.isEmpty();
        const bool emptyB = numericEdit ? b.EditedEmpty : b.Text.isEmpty();
        if (emptyA != emptyB) {
            // Empty texts end at BlankPos in the final order, whichever the direction.
            int blankFirst = settings.BlankPos == blFirst ? -1 : 1;
            if (Direction == sdDescending) blankFirst = -blankFirst;
            result = emptyA ? blankFirst : -blankFirst;
        }
    }
    return result;
}

int TRowSortKeys::CompareRowsFull(int ACol, int ARow1, int ARow2) {
    const TSortSettings& settings = *FGrid.SortSettings();
    const int last = FGrid.AllColCount() - 1;
    for (int col = ACol;; ++col) {
        const int result = FGrid.IsIgnoredColumn(col) ? 0 : CompareRows(col, ARow1, ARow2, settings.Direction);
        if (result != 0 || !settings.Full || col >= last) return result;
    }
}

int TRowSortKeys::CompareRowsIndexed(int Index, int ARow1, int ARow2) {
    const TSortIndexList& indexes = *FGrid.SortIndexes();
    const bool full = FGrid.SortSettings()->Full;
    for (int i = Index; i < indexes.Count(); ++i) {
        const int col = indexes.SortColumns(i);
        const bool descending = indexes.SortDirections(i);
        int result = FGrid.IsIgnoredColumn(col) ? 0
                                                : CompareRows(col, ARow1, ARow2, descending ? sdDescending : sdAscending);
        if (result != 0 || !full) return descending ? -result : result;
    }
    return 0;
}

TSortStyle TRowSortKeys::StyleOfEveryPair(TColumnKeys& Column, int First, int Last) {
    const TSortStyle style = Column.Style;
    if (style == ssAlphabetic || style == ssAlphaNoCase || style == ssNumeric || style == ssFinancial) return style;
    if (style != ssAutomatic && style != ssAlphaNumeric && style != ssAlphaNumericNoCase) return ssAutomatic;
    bool numbers = true;
    bool texts = true;
    for (int r = First; r <= Last && (numbers || texts); ++r) {
        TCellKey& key = Key(Column, r);
        if (style == ssAutomatic && IsCheckBoxCell(Column, key, r)) return ssAutomatic;
        if (key.NumberKind < 0) key.NumberKind = static_cast<signed char>(ClassifyNumberText(key.Text));
        if (IsNumberKind(key.NumberKind)) {
            texts = false;
            continue;
        }
        numbers = false;
        // A text that may start a date or a time is compared by what the other text holds.
        if (style == ssAutomatic && ((key.DatePositionFits && key.FirstTextLooksLikeDate) ||
                                     (!key.DatePositionFits && key.LooksLikeTime)))
            texts = false;
    }
    if (numbers) return ssNumeric;
    if (!texts) return ssAutomatic;
    if (style == ssAlphaNumeric) return ssAlphabetic;
    if (style == ssAlphaNumericNoCase) return ssAlphaNoCase;
    return FGrid.SortSettings()->IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
}

template <class Entry, class KeyCompare>
std::vector<int> TRowSortKeys::SortPrepared(std::vector<Entry>& Entries, int ACol, int DirectionSign,
                                            KeyCompare&& Compare) {
    const bool full = FGrid.SortSettings()->Full && ACol < FGrid.AllColCount() - 1;
    StableMergeSort(Entries, [&](const Entry& a, const Entry& b) {
        int result = Compare(a, b);
        if (result == 0 && full) result = CompareRowsFull(ACol + 1, a.Row, b.Row);
        return result * DirectionSign < 0;
    });
    std::vector<int> order;
    order.reserve(Entries.size());
    for (const Entry& entry : Entries) order.push_back(entry.Row);
    return order;
}

std::vector<int> TRowSortKeys::SortedRows(int ACol, int First, int Last, int DirectionSign) {
    TColumnKeys& column = Column(ACol);
    const TSortStyle style = FGrid.IsIgnoredColumn(ACol) ? ssAutomatic : StyleOfEveryPair(column, First, Last);
    const TSortSettings& settings = *FGrid.SortSettings();
    const bool ignoreBlanks = settings.IgnoreBlanks;
    int blankFirst = settings.BlankPos == blFirst ? -1 : 1;
    if (settings.Direction == sdDescending) blankFirst = -blankFirst;
    // What CompareRows makes of a result when exactly one text is empty.
    auto withBlanks = [=](bool emptyA, bool emptyB, int result) {
        return ignoreBlanks && emptyA != emptyB ? (emptyA ? blankFirst : -blankFirst) : result;
    };
    const std::size_t count = std::size_t(std::max(0, Last - First + 1));
    if (style == ssNumeric || style == ssFinancial) {
        struct TNumberEntry {
            double Number;
            int Row;
            bool Converts;
            bool Empty;
        };
        std::vector<TNumberEntry> entries;
        entries.reserve(count);
        for (int r = First; r <= Last; ++r) {
            TCellKey& key = Key(column, r);
            ReadNumber(column, key, style == ssFinancial);
            entries.push_back({key.Number, r, key.NumberConverts, key.EditedEmpty});
        }
        return SortPrepared(entries, ACol, DirectionSign, [&](const TNumberEntry& a, const TNumberEntry& b) {
            return withBlanks(a.Empty, b.Empty, !a.Converts && !b.Converts ? 0 : Sign(a.Number, b.Number));
        });
    }
    if (style == ssAlphabetic || style == ssAlphaNoCase) {
        // The texts are copied side by side, so the comparisons read neighbouring memory,
        // and the first four characters are packed into a number that orders as they do:
        // most pairs are told apart without reading the texts at all.
        struct TTextEntry {
            quint64 Head;
            qsizetype Start;
            qsizetype Size;
            int Row;
            bool Empty;
        };
        std::vector<TTextEntry> entries;
        entries.reserve(count);
        qsizetype length = 0;
        for (int r = First; r <= Last; ++r) {
            TCellKey& key = Key(column, r);
            const QString& text = style == ssAlphaNoCase ? UpperOf(key) : key.Text;
            quint64 head = 0;
            for (int i = 0; i < 4; ++i) head = head << 16 | (i < text.size() ? text[i].unicode() : 0u);
            entries.push_back({head, length, text.size(), r, key.Text.isEmpty()});
            length += text.size();
        }
        std::vector<QChar> keys(std::size_t(std::max<qsizetype>(length, 1)));
        for (const TTextEntry& entry : entries) {
            TCellKey& key = Key(column, entry.Row);
            const QString& text = style == ssAlphaNoCase ? UpperOf(key) : key.Text;
            std::copy(text.cbegin(), text.cend(), keys.begin() + entry.Start);
        }
        const QChar* base = keys.data();
        return SortPrepared(entries, ACol, DirectionSign, [&](const TTextEntry& a, const TTextEntry& b) {
            int result = a.Head < b.Head ? -1 : a.Head > b.Head ? 1 : 0;
            if (result == 0)
                result = Sign(QStringView(base + a.Start, a.Size).compare(QStringView(base + b.Start, b.Size)));
            return withBlanks(a.Empty, b.Empty, result);
        });
    }
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), First);
    StableMergeSort(order, [&](int a, int b) { return CompareRowsFull(ACol, a, b) * DirectionSign < 0; });
    return order;
}
