// Typed cell access and the assorted members around it.
//
// Sections: integers and floats (texts in the program's format settings), dates and times,
// control values in cell markup, column and row headers, the highlight workers, print
// measurements, small assorted members.

#include "grid/core/string_grid.h"
#include "grid/data/match_tags.h"

#include "controls/text_utilities.h"
#include "controls/user_number_format.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_text.h"
#include "platform/format_settings.h"

#include <QDate>
#include <QTime>
#include <cmath>
#include <limits>

namespace {

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "x"; nothing else.
bool ParseInteger(QString text, int& value) {
    bool negative = false;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        negative = text.startsWith(QLatin1Char('-'));
        text.remove(0, 1);
    }
    int base = 10;
    if (text.startsWith(QLatin1Char('$'))) {
        base = 16;
        text.remove(0, 1);
    } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        text.remove(0, 2);
    } else if (text.startsWith(QLatin1Char('x'), Qt::CaseInsensitive)) {
        base = 16;
        text.remove(0, 1);
    }
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!(base == 16 ? isxdigit(c.unicode()) && c.unicode() < 128 : c.isDigit() && c.unicode() < 128))
            return false;
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok) return false;
    // A hexadecimal text covers the 32 bits, as a register dump writes them.
    const qulonglong limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (magnitude > limit) return false;
    const qint64 signedValue = base == 16 ? qint64(qint32(quint32(magnitude))) : qint64(magnitude);
    value = int(negative ? -signedValue : signedValue);
    return true;
}

int ReadInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("-")) return 0;
    int value = 0;
    if (!ParseInteger(trimmed, value)) throw EExGridError(QStringLiteral("Cell does not contain integer value"));
    return value;
}

double ReadFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("-")) return 0.0;
    const QString normalized = NormalizeNumberText(trimmed);
    bool ok = false;
    const double value = normalized.toDouble(&ok);
    if (!ok || !std::isfinite(value)) throw EExGridError(QStringLiteral("Cell does not contain a float value"));
    return value;
}

// A float written with a user's pattern such as "%.2f" or "Sum: %.1n EUR"; a pattern that
// is not one numeric conversion writes the plain number in the program's separators.
QString FormatFloat(const QString& Pattern, double Value) {
    if (const std::optional<QString> formatted = FormatUserNumber(Pattern, Value)) return *formatted;
    return QString::number(Value, 'g', 15).replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
}

const QDate DateZero(1899, 12, 30);

QString DateText(TDateTime Value) {
    return DateZero.addDays(qint64(std::floor(Value))).toString(FormatSettings().ShortDateFormat);
}

QString TimeFormat() {
    const QString separator = FormatSettings().TimeSeparator;
    return QStringLiteral("hh") + separator + QStringLiteral("mm") + separator + QStringLiteral("ss");
}

QString TimeText(TDateTime Value) {
    const double fraction = Value - std::floor(Value);
    const int milliseconds = int(std::llround(fraction * 86400000.0)) % 86400000;
    return QTime(0, 0).addMSecs(milliseconds).toString(TimeFormat());
}

TDateTime ReadDate(const QString& Text) {
    const QDate date = QDate::fromString(Text.trimmed(), FormatSettings().ShortDateFormat);
    if (!date.isValid()) throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(Text));
    return TDateTime(DateZero.daysTo(date));
}

TDateTime ReadTime(const QString& Text) {
    const QString separator = FormatSettings().TimeSeparator;
    const QString trimmed = Text.trimmed();
    QTime time = QTime::fromString(trimmed, QStringLiteral("H") + separator + QStringLiteral("mm") + separator +
                                                QStringLiteral("ss"));
    if (!time.isValid()) time = QTime::fromString(trimmed, QStringLiteral("H") + separator + QStringLiteral("mm"));
    if (!time.isValid()) throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(Text));
    return QTime(0, 0).msecsTo(time) / 86400000.0;
}

}  // namespace

// ---- integers and floats ----------------------------------------------------------------

int TExStringGrid::GetInts(int ACol, int ARow) const { return ReadInteger(StrippedCells(ACol, ARow)); }

void TExStringGrid::SetInts(int ACol, int ARow, int Value) {
    SetCells(ACol, ARow, QString::number(Value));
    if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int TExStringGrid::GetAllInts(int ACol, int ARow) const { return ReadInteger(AllCells(ACol, ARow)); }

void TExStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, QString::number(Value)); }

double TExStringGrid::GetFloats(int ACol, int ARow) const { return ReadFloat(StrippedCells(ACol, ARow)); }

void TExStringGrid::SetFloats(int ACol, int ARow, double Value) {
    SetCells(ACol, ARow, FormatFloat(GetCellFloatFormat(RealCol(ACol), DisplRow(ARow)), Value));
}

double TExStringGrid::GetAllFloats(int ACol, int ARow) const {
    return ReadFloat(MarkupToPlainText(AllCells(ACol, ARow)));
}

void TExStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
    SetAllCells(ACol, ARow, FormatFloat(FFloatFormat, Value));
}

// ---- dates and times --------------------------------------------------------------------

TDateTime TExStringGrid::GetDates(int ACol, int ARow) const { return ReadDate(Cells(ACol, ARow)); }

void TExStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
    SetCells(ACol, ARow, Value > 0 || FShowNullDates ? DateText(Value) : QString());
}

TDateTime TExStringGrid::GetTimes(int ACol, int ARow) const { return ReadTime(Cells(ACol, ARow)); }

void TExStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCells(ACol, ARow, TimeText(Value)); }

// ---- control values ---------------------------------------------------------------------

QString TExStringGrid::GetCtrlVal(int ACol, int ARow, const QString& ID) const {
    QString value;
    return GetControlTagValue(Cells(ACol, ARow), ID, value) ? value : QString();
}

void TExStringGrid::SetCtrlVal(int ACol, int ARow, const QString& ID, const QString& Value) {
    QString text = Cells(ACol, ARow);
    if (SetControlTagValue(text, ID, Value)) SetCells(ACol, ARow, text);
}

// ---- headers ----------------------------------------------------------------------------

void TExStringGrid::SetColumnHeaders(const TStringList& Value) {
    FColumnHeaders->Assign(Value);
    if (FixedRows() > 0) ClearColumnHeaders();
    ShowColumnHeaders();
}

void TExStringGrid::ClearColumnHeaders() {
    for (int c = 0; c < ColCount(); ++c) SetCells(c, 0, QString());
}

void TExStringGrid::ShowColumnHeaders() {
    if (FixedRows() <= 0) return;
    const int count = std::min(FColumnHeaders->Count(), TotalColCount());
    for (int i = 0; i < count; ++i) SetCells(i, 0, EscapedNewlinesToCR(FColumnHeaders->Strings(i)));
}

void TExStringGrid::SetRowHeaders(const TStringList& Value) {
    FRowHeaders->Assign(Value);
    // At run time rows beyond the new list keep their headers.
    if (InDesignMode() && FixedCols() > 0) ClearRowHeaders();
    ShowRowHeaders();
}

void TExStringGrid::ClearRowHeaders() {
    for (int r = 0; r < RowCount(); ++r) SetCells(0, r, QString());
}

void TExStringGrid::ShowRowHeaders() {
    if (FixedCols() <= 0) return;
    const int count = std::min(FRowHeaders->Count(), RowCount());
    for (int i = 0; i < count; ++i) SetCells(0, i, EscapedNewlinesToCR(FRowHeaders->Strings(i)));
}

// ---- highlight workers ------------------------------------------------------------------

void TExStringGrid::WrapMatchesInRange(const QString& S, const QString& Tag, bool DoCase, int FromCol, int FromRow,
                                       int ToCol, int ToRow) {
    if (S.isEmpty()) return;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            // A cell wrapped before is wrapped afresh, so one removal gives it back.
            const QString stored = GridCells(c, r);
            const QString plain = PlainTextOfMatchTags(stored, Tag);
            const QString wrapped = WrapPlainMatches(plain, S, Tag, DoCase);
            if (wrapped != plain) SetCells(c, r, wrapped);
            else if (plain != stored) SetCells(c, r, plain);
        }
}

void TExStringGrid::RemoveMatchTagsInRange(const QString& Tag, int FromCol, int FromRow, int ToCol, int ToRow) {
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const QString stored = GridCells(c, r);
            if (HasMatchTag(stored, Tag)) SetCells(c, r, PlainTextOfMatchTags(stored, Tag));
        }
}

// ---- print measurements -----------------------------------------------------------------

namespace {
// Every column of the grid has an entry, and every column the last print laid out.
int PrintEntry(const std::vector<int>& table, int ACol, int columns) {
    if (ACol < 0 || ACol >= std::max(columns, int(table.size())))
        throw EExGridError(QStringLiteral("Columns is not in valid range"));
    return ACol < int(table.size()) ? table[std::size_t(ACol)] : 0;
}
}  // namespace

int TExStringGrid::GetPrintColWidth(int ACol) const { return PrintEntry(MaxWidths, ACol, ColCount()); }

int TExStringGrid::GetPrintColOffset(int ACol) const { return PrintEntry(Indents, ACol, ColCount()); }

// ---- assorted ---------------------------------------------------------------------------

void TExStringGrid::SetLookupItems(const TStringList* Value) {
    if (Value) FLookupItems->Assign(*Value);
}

void TExStringGrid::DoRichEditSelectionChange() {
    if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
}

void TExStringGrid::DoCanAddRow(bool& CanAdd) {
    if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExStringGrid::DoCanInsertRow(int ARow, bool& CanInsert) {
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

