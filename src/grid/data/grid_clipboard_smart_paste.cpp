// Pasting into a selection: the paste at its top-left cell, and with the smart
// clipboard the rest of the selection filled from it: one value everywhere, a series of
// numbers, dates or times continued from the first two cells, or the pasted block
// repeated. The selection handle's drag-to-fill runs on this.

#include "controls/date_utilities.h"
#include "controls/text_utilities.h"
#include "controls/user_number_format.h"
#include "grid/core/string_grid.h"
#include "platform/date_time.h"
#include "platform/format_settings.h"

#include <QDate>
#include <QTime>
#include <functional>
#include <optional>

namespace {

const QDate kDateOrigin(1899, 12, 30);

bool DayFirst() { return FormatSettings().ShortDateFormat.startsWith(QLatin1Char('d'), Qt::CaseInsensitive); }

std::optional<TDateTime> ParseDateOrTime(const QString& Text) {
    const QString text = Text.trimmed();
    if (IsDateLikeText(text)) {
        const TDateTime date = DayFirst() ? ParseDateDMY(text) : ParseDateMDY(text);
        if (date == 0) return std::nullopt;
        return date;
    }
    const QString sep = QString(FormatSettings().TimeSeparator);
    for (const QString& format : {QStringLiteral("h%1mm%1ss"), QStringLiteral("h%1mm")}) {
        const QTime time = QTime::fromString(text, format.arg(sep));
        if (time.isValid()) return time.msecsSinceStartOfDay() / 86400000.0;
    }
    return std::nullopt;
}

QString DateText(TDateTime Value) {
    QString format = FormatSettings().ShortDateFormat;
    format.replace(QLatin1Char('/'), FormatSettings().DateSeparator);
    return kDateOrigin.addDays(qint64(std::floor(Value))).toString(format);
}

QString TimeText(TDateTime Value, bool Seconds) {
    const double fraction = Value - std::floor(Value);
    const QTime time = QTime(0, 0).addMSecs(int(std::llround(fraction * 86400000.0)) % 86400000);
    const QString sep = QString(FormatSettings().TimeSeparator);
    return time.toString(Seconds ? QStringLiteral("h%1mm%1ss").arg(sep) : QStringLiteral("h%1mm").arg(sep));
}

std::optional<double> ParseNumber(const QString& Text) {
    bool ok = false;
    const double value = NormalizeNumberText(Text.trimmed()).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<qint64> ParseInteger(const QString& Text) {
    bool ok = false;
    const qint64 value = Text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

void TExStringGrid::PasteSelectionFromClipboard() {
    ImportNotification(isImportStart, -1);
    FPasteAll = false;
    ExpandSelectionToMergedCells();
    const TGridRect s = SelectionRectangleOrdered();
    const int startCol = Options().Contains(goRowSelect) ? FixedCols() : s.Left;
    int lines = 0, fields = 0;
    const int n = PasteFromClipboardAt(startCol, s.Top, lines, fields);
    if (!FNavigation->AllowSmartClipboard()) return;
    const int width = s.Right - s.Left + 1, height = s.Bottom - s.Top + 1;
    const qint64 cells = qint64(width) * height;
    if (n - 1 == cells) return;

    // Writes one cell of the fill, through the paste events unless it is the source cell.
    auto fillCell = [&](int c, int r, QString value, bool events) {
        const int real = RealColIndex(c);
        if (!FNavigation->AllowClipboardAlways() && !IsEditable(real, r)) return;
        bool allow = true;
        if (events && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, real, r, value, allow);
        if (!allow) return;
        StoreCellValue(c, r, value);
        FlagRowsModified(FClipTopLeft, {c, r, c, r}, coCopy);
        if (events && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, real, r, value);
    };
    const bool singleLine = width == 1 || height == 1;

    BeginUpdate();
    if (n == 1 && cells > 1) {
        const int real = RealColIndex(s.Left);
        QString value = Cells(real, s.Top);
        bool checked = false;
        if (HasCheckBox(real, s.Top) && GetCheckBoxState(real, s.Top, checked)) value = checked ? CheckTrue() : CheckFalse();
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) fillCell(c, r, value, !(c == s.Left && r == s.Top));
    } else if (n > 1 && singleLine && cells > 1) {
        const bool column = width == 1;
        // The cells of the line in order, and the two that set the series.
        std::vector<TPoint> line;
        for (int i = 0; i < (column ? height : width); ++i)
            line.push_back(column ? TPoint{s.Left, s.Top + i} : TPoint{s.Left + i, s.Top});
        const QString first = Cells(RealColIndex(line[0].X), line[0].Y);
        const QString second = line.size() > 1 ? Cells(RealColIndex(line[1].X), line[1].Y) : QString();
        const QChar timeSep = FormatSettings().TimeSeparator;
        const bool dates = (IsDateLikeText(first) && IsDateLikeText(second)) ||
                           (first.contains(timeSep) && second.contains(timeSep));
        const QChar decimal = FormatSettings().DecimalSeparator;
        const std::optional<double> number1 = ParseNumber(first), number2 = ParseNumber(second);
        const std::optional<qint64> integer1 = ParseInteger(first), integer2 = ParseInteger(second);
        std::function<QString(int)> valueAt;
        if (dates) {
            const std::optional<TDateTime> d1 = ParseDateOrTime(first), d2 = ParseDateOrTime(second);
            if (d1 && d2) {
                const bool timeOnly = !IsDateLikeText(first);
                const bool seconds = first.count(timeSep) > 1;
                int y1, m1, day1, y2, m2, day2;
                DecodeDate(*d1, y1, m1, day1);
                DecodeDate(*d2, y2, m2, day2);
                const double step = *d2 - *d1;
                valueAt = [=](int i) {
                    TDateTime value = *d1;
                    for (int k = 0; k < i; ++k)
                        value = timeOnly ? value + step : IncDateParts(y2 - y1, m2 - m1, day2 - day1, value, int(step));
                    return timeOnly ? TimeText(value, seconds) : DateText(value);
                };
            }
        } else if ((first.contains(decimal) || second.contains(decimal)) && number1 && number2) {
            const double step = *number2 - *number1;
            const QString format = FloatFormat();
            valueAt = [=](int i) {
                const double value = *number1 + step * i;
                return FormatUserNumber(format, value).value_or(QString::number(value));
            };
        } else if (integer1 && integer2) {
            const qint64 step = *integer2 - *integer1;
            valueAt = [=](int i) { return QString::number(*integer1 + step * i); };
        }
        if (valueAt) {
            try {
                for (int i = 0; i < int(line.size()); ++i) fillCell(line[i].X, line[i].Y, valueAt(i), true);
            } catch (const Exception&) {
                // An impossible date ends the series; the cells written so far stay.
            }
        } else {
            // The pasted cells again and again along the line.
            const int period = std::max(1, column ? lines : fields);
            for (int i = period; i < int(line.size()); ++i) {
                const TPoint from = line[std::size_t(i - period)];
                fillCell(line[i].X, line[i].Y, Cells(RealColIndex(from.X), from.Y), true);
            }
        }
        EndUpdate();
        DoCellsChanged({s.Left, s.Top, s.Right, s.Bottom});
        return;
    } else if (width > 1 && height > 1 && lines > 0) {
        int moreLines = 0, moreFields = 0;
        if (fields == 1)
            for (int r = s.Top + lines; r <= s.Bottom; r += lines) PasteFromClipboardAt(s.Left, r, moreLines, moreFields);
        else if (lines == 1)
            for (int c = s.Left + fields; c <= s.Right; c += fields) PasteFromClipboardAt(c, s.Top, moreLines, moreFields);
        SetSelection(s);
    }
    EndUpdate();
    ImportNotification(isImportDone, -1);
    DoCellsChanged({s.Left, s.Top, s.Right, s.Bottom});
    UpdateFooterAll();
}
