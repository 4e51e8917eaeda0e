// Column and row statistics over cell texts read as numbers, the calculated cells of the
// floating footer, and automatic numbering of rows and columns.
//
// Rows of a column statistic: a last row beyond the displayed data rows (beyond the
// footer row while the floating footer shows) switches to real rows, so that hidden rows
// are counted; values are then read with AllFloats, else with Floats. A text that is not
// a number is skipped, except where a Part of the grid's contract says it raises (the
// first cell of a minimum or maximum, any cell of a standard deviation).

#include "grid/core/string_grid.h"


#include <QSet>
#include <cmath>

namespace {

// How one column range is addressed: displayed rows, or real rows when hidden rows count.
struct ColumnRange {
    TExStringGrid& Grid;
    int Col;
    bool ByRealRow;

    double Value(int Row) const { return ByRealRow ? Grid.AllFloats(Col, Row) : Grid.Floats(Col, Row); }
    QString Text(int Row) const { return ByRealRow ? Grid.AllCells(Col, Row) : Grid.Cells(Col, Row); }
};

bool ReachesHiddenRows(const TExStringGrid& Grid, int ToRow) {
    const int lastDisplayed = Grid.FloatingFooter()->Visible ? Grid.RowCount() - 2 : Grid.RowCount() - 1;
    return ToRow > lastDisplayed;
}

}  // namespace

void TExStringGrid::DataRowRange(int& FromRow, int& ToRow) const {
    if (FromRow != -1 && ToRow != -1) return;
    FromRow = TStringGrid::FixedRows();
    ToRow = RowCount() - FFixedFooters - 1;
}

template <class Visit>
void TExStringGrid::ForEachColumnValue(int ACol, int FromRow, int ToRow, Visit&& Take) {
    const ColumnRange range{*this, ACol, ReachesHiddenRows(*this, ToRow)};
    ExportNotification(esExportStart, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        ExportNotification(esExportNextRow, r);
        const bool hidden = range.ByRealRow && IsHiddenRow(r);
        if (!hidden) {
            const int displayed = range.ByRealRow ? DisplRowIndex(r) : r;
            const bool groupRow = IsNode(displayed) || IsSummary(displayed);
            if (groupRow && FGroupColumn != -1) continue;
            if (!IsBaseCell(ACol, displayed)) continue;
        }
        try {
            Take(range.Value(r));
        } catch (const EExGridError&) {
            // Not a number: left out of the statistic.
        }
    }
    ExportNotification(esExportDone, -1);
}

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    double sum = 0.0;
    ForEachColumnValue(ACol, FromRow, ToRow, [&](double value) { sum += value; });
    return sum;
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    if (ToRow < FromRow) return 0.0;
    // Divided by every row of the range, taken or not.
    return ColumnSum(ACol, FromRow, ToRow) / double(ToRow - FromRow + 1);
}

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    double result = ColumnRange{*this, ACol, ReachesHiddenRows(*this, ToRow)}.Value(FromRow);
    ForEachColumnValue(ACol, FromRow, ToRow, [&](double value) { result = std::min(result, value); });
    return result;
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    double result = ColumnRange{*this, ACol, ReachesHiddenRows(*this, ToRow)}.Value(FromRow);
    ForEachColumnValue(ACol, FromRow, ToRow, [&](double value) { result = std::max(result, value); });
    return result;
}

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    const int count = ToRow - FromRow + 1;
    if (count <= 0) return 0.0;
    const double average = ColumnAvg(ACol, FromRow, ToRow);
    const ColumnRange range{*this, ACol, ReachesHiddenRows(*this, ToRow)};
    double squares = 0.0;
    // Every row counts here, and a text that is not a number raises.
    for (int r = FromRow; r <= ToRow; ++r) squares += std::pow(range.Value(r) - average, 2);
    return std::sqrt(squares / count);
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    DataRowRange(FromRow, ToRow);
    const ColumnRange range{*this, ACol, ReachesHiddenRows(*this, ToRow)};
    QSet<QString> texts;
    ExportNotification(esExportStart, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        ExportNotification(esExportNextRow, r);
        texts.insert(range.Text(r).toCaseFolded());
    }
    ExportNotification(esExportDone, -1);
    return double(texts.size());
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
    double result = 0.0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, result);
    return result;
}

// ---- rows -------------------------------------------------------------------------------

double TExStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
    double sum = 0.0;
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!IsBaseCell(c, ARow)) continue;
        try {
            sum += Floats(c, ARow);
        } catch (const EExGridError&) {
            // Not a number: left out of the sum.
        }
    }
    return sum;
}

double TExStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
    // An empty range has no average; 0 rather than a division by zero.
    if (ToCol < FromCol) return 0.0;
    return RowSum(ARow, FromCol, ToCol) / double(ToCol - FromCol + 1);
}

namespace {
// The smallest or largest number of a row's base cells, starting from the first cell,
// which must hold a number; other texts that are no numbers are skipped.
template <class Pick>
double RowExtreme(TExStringGrid& Grid, int ARow, int FromCol, int ToCol, Pick&& Better) {
    double result = Grid.Floats(FromCol, ARow);
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!Grid.IsBaseCell(c, ARow)) continue;
        try {
            result = Better(result, Grid.Floats(c, ARow));
        } catch (const EExGridError&) {
        }
    }
    return result;
}
}  // namespace

double TExStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
    return RowExtreme(*this, ARow, FromCol, ToCol, [](double a, double b) { return std::min(a, b); });
}

double TExStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
    return RowExtreme(*this, ARow, FromCol, ToCol, [](double a, double b) { return std::max(a, b); });
}

// ---- footer -----------------------------------------------------------------------------

void TExStringGrid::DoCalcFooter(int ACol) {
    if (!FFloatingFooter->Visible || FFloatingFooter->FooterStyle != fsFixedLastRow ||
        !FFloatingFooter->EnableCalculation)
        return;
    const int footerRow = RowCount() - 1;
    const int first = ACol == -1 ? 0 : ACol;
    const int last = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = first; c <= last; ++c) {
        const TCellProperties* props = PropsOf(c, footerRow);
        if (!props || props->CalcType() == acNONE) continue;
        const int hidden = FFloatingFooter->CalculateHiddenRows ? NumHiddenRows() : 0;
        const int fromRow = TStringGrid::FixedRows();
        const int toRow = hidden + RowCount() - 2;
        // The footer is recalculated after every change of the cells (hiding rows, loading,
        // editing): a minimum, maximum or deviation that meets a text that is no number
        // leaves its footer cell as it was instead of failing the change that caused it.
        try {
            CalcFooterCell(c, props->CalcType(), fromRow, toRow, hidden);
        } catch (const EExGridError&) {
        }
    }
}

void TExStringGrid::CalcFooterCell(int ACol, TColumnCalcType Type, int FromRow, int ToRow, int Hidden) {
    const int footerRow = RowCount() - 1;
    switch (Type) {
    case acSUM: SetFloats(ACol, footerRow, ColumnSum(ACol, FromRow, ToRow)); break;
    case acAVG: SetFloats(ACol, footerRow, ColumnAvg(ACol, FromRow, ToRow)); break;
    case acMIN: SetFloats(ACol, footerRow, ColumnMin(ACol, FromRow, ToRow)); break;
    case acMAX: SetFloats(ACol, footerRow, ColumnMax(ACol, FromRow, ToRow)); break;
    case acDISTINCT: SetFloats(ACol, footerRow, ColumnDistinct(ACol, FromRow, ToRow)); break;
    case acSTDDEV: SetFloats(ACol, footerRow, ColumnStdDev(ACol, FromRow, ToRow)); break;
    case acCOUNT: SetInts(ACol, footerRow, Hidden + RowCount() - TStringGrid::FixedRows() - 1); break;
    case acCUSTOM: {
        QString text;
        if (OnFooterCalc)
            OnFooterCalc(this, ACol, Hidden + RowCount() - 1, text);
        else if (FFloatingFooter->OnCalcFooter)
            FFloatingFooter->OnCalcFooter(FFloatingFooter.get(), ACol, Hidden + RowCount() - 1, text);
        SetCells(ACol, footerRow, text);
        break;
    }
    default: break;  // acNONE, acSPREAD
    }
}

// ---- auto-numbering ---------------------------------------------------------------------

void TExStringGrid::AutoNumberCol(int ACol) {
    if (RowCount() == 0) return;
    const int fixed = TStringGrid::FixedRows();
    const int lastRow = RowCount() - FFixedFooters - 1;
    for (int a = fixed + AutoNumberStart; a <= lastRow; ++a) {
        const int number = a - fixed + 1 + AutoNumberOffset;
        SetInts(ACol, AutoNumberDirection == sdAscending ? a : fixed + lastRow - a, number);
    }
}

void TExStringGrid::AutoNumberRow(int ARow) {
    const int fixed = TStringGrid::FixedCols();
    const int lastCol = ColCount() - FFixedRightCols - 1;
    for (int c = fixed + AutoNumberStart; c <= lastCol; ++c) {
        const int number = c - fixed + 1 + AutoNumberOffset;
        SetInts(AutoNumberDirection == sdAscending ? c : fixed + lastCol - c, ARow, number);
    }
}
