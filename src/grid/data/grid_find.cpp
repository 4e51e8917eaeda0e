// Find and replace over the cell texts, and the keyboard's incremental search.

#include "controls/filter_condition.h"
#include "grid/core/string_grid.h"
#include "grid/view/markup_text.h"

namespace {

constexpr TPoint kNoCell{-1, -1};

// The cells a find walks: inclusive bounds.
struct FindArea {
    int FirstCol, LastCol, FirstRow, LastRow;
    bool HasCol(int c) const { return c >= FirstCol && c <= LastCol; }
    bool HasRow(int r) const { return r >= FirstRow && r <= LastRow; }
};

// One step along the scan order from a cell already examined. Major is the coordinate
// that moves last (the row when scanning row by row), minor the one that moves first.
void StepPast(int& minor, int& major, int firstMinor, int lastMinor, int firstMajor, int lastMajor, bool backward) {
    if (!backward) {
        if (minor <= lastMinor) ++minor;
        else if (major <= lastMajor) ++major;
        else { minor = firstMinor; major = firstMajor; }
    } else {
        if (minor >= firstMinor) --minor;
        else if (major >= firstMajor) --major;
        else { minor = lastMinor; major = lastMajor; }
    }
}

}  // namespace

TPoint TExStringGrid::FindCell(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide) {
    FFindParams = FindParams;
    FFindBusy = true;
    const bool matchCase = FindParams.Contains(fnMatchCase);
    FSearchCache = matchCase ? s : s.toUpper();
    FSearchCacheWide = FSearchCache;
    if (ColCount() <= FixedCols() || TotalRowCount() <= FixedRows() || ColCount() == 0 || RowCount() == 0) {
        FFindBusy = false;
        return kNoCell;
    }

    FindArea area;
    if (FindParams.Contains(fnIncludeFixed))
        area = {0, ColCount() - 1, 0, RowCount() - 1};
    else
        area = {FixedCols(), ColCount() - 1 - FixedRightCols(), FixedRows(), RowCount() - 1 - FixedFooters()};
    if (FindParams.Contains(fnSelectedCells)) {
        const TGridRect sel = Selection();
        area = {sel.Left, sel.Right, sel.Top, sel.Bottom};
    }
    if (FindParams.Contains(fnIncludeHiddenColumns)) area.LastCol += NumHiddenColumns();
    if (FindParams.Contains(fnIncludeHiddenRows)) area.LastRow += NumHiddenRows();
    // The restrictions narrow the area before the step, so that stepping past a match in
    // the one row or column allowed leaves it instead of landing on the match again.
    const bool rowRestricted = FindParams.Contains(fnFindInCurrentRow) || FindParams.Contains(fnFindInPresetRow);
    const bool colRestricted = FindParams.Contains(fnFindInCurrentCol) || FindParams.Contains(fnFindInPresetCol);
    if (FindParams.Contains(fnFindInCurrentRow)) area.FirstRow = area.LastRow = Row();
    if (FindParams.Contains(fnFindInPresetRow)) area.FirstRow = area.LastRow = FFindRow;
    if (FindParams.Contains(fnFindInCurrentCol)) area.FirstCol = area.LastCol = Col();
    if (FindParams.Contains(fnFindInPresetCol)) area.FirstCol = area.LastCol = FFindCol;

    const bool backward = FindParams.Contains(fnBackward);
    const bool byRows = FindParams.Contains(fnDirectionLeftRight);
    int c = StartCell.X;
    int r = StartCell.Y;
    if (StartCell == kNoCell) {
        c = backward ? area.LastCol : area.FirstCol;
        r = backward ? area.LastRow : area.FirstRow;
    } else {
        if (byRows) StepPast(c, r, area.FirstCol, area.LastCol, area.FirstRow, area.LastRow, backward);
        else StepPast(r, c, area.FirstRow, area.LastRow, area.FirstCol, area.LastCol, backward);
        // A start outside the allowed row or column moves into it.
        if (rowRestricted && StartCell.Y != area.FirstRow) r = area.FirstRow;
        if (colRestricted && StartCell.X != area.FirstCol) c = area.FirstCol;
    }

    const int step = backward ? -1 : 1;
    const bool hiddenColumns = FindParams.Contains(fnIncludeHiddenColumns);
    auto examine = [&](int col, int row) {
        ExportNotification(esExportNewRow, row);
        return CellMatchesSearch(col, row, Wide);
    };
    bool found = false;
    if (byRows) {
        for (; !found && area.HasRow(r); r += step) {
            for (; area.HasCol(c); c += step) {
                if (IsIgnoredColumn(hiddenColumns ? c : RealColIndex(c))) continue;
                if (examine(c, r)) { found = true; break; }
            }
            if (found) break;
            c = backward ? area.LastCol : area.FirstCol;
        }
    } else {
        for (; !found && area.HasCol(c); c += step) {
            for (; area.HasRow(r); r += step)
                if (examine(c, r)) { found = true; break; }
            if (found) break;
            r = backward ? area.LastRow : area.FirstRow;
        }
    }
    if (!found) {
        FFindBusy = false;
        return kNoCell;
    }
    FSearchCell = TPoint{c, r};
    if (FindParams.Contains(fnAutoGoto)) GotoFoundCell(FSearchCell, FindParams);
    return FSearchCell;
}

bool TExStringGrid::CellMatchesSearch(int ACol, int ARow, bool Wide) {
    const TFindParams params = FFindParams;
    const int col = params.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    const bool realRows = params.Contains(fnIncludeHiddenRows);
    QString text = Wide ? (realRows ? AllWideCells(col, ARow) : WideCells(col, ARow))
                        : (realRows ? AllCells(col, ARow) : Cells(col, ARow));
    if (!Wide && params.Contains(fnIgnoreHTMLTags)) text = MarkupToPlainText(text);
    const bool matchCase = params.Contains(fnMatchCase);
    if (!matchCase) text = text.toUpper();
    const QString& wanted = Wide ? FSearchCacheWide : FSearchCache;
    if (wanted == QLatin1String("\"\"")) return text.isEmpty();
    if (params.Contains(fnMatchRegular)) return MatchFilterExpression(wanted, text, matchCase);
    if (wanted.isEmpty()) return false;
    const qsizetype at = text.indexOf(wanted);
    if (params.Contains(fnMatchStart) ? at != 0 : at < 0) return false;
    return !params.Contains(fnMatchFull) || text == wanted;
}

void TExStringGrid::GotoFoundCell(TPoint Cell, TFindParams FindParams) {
    int row = Cell.Y;
    if (FindParams.Contains(fnIncludeHiddenRows)) {
        // A match in a row a contracted node holds out opens that node (nested ones in turn).
        for (int guard = 0; IsHiddenRow(row) && HasNodes() && guard < 64; ++guard) {
            int node = -1;
            for (int r = FixedRows(); r < RowCount(); ++r) {
                const int real = RealRowIndex(r);
                if (IsNode(r) && GetNodeState(r) && real < row && row < real + GetNodeSpan(r)) node = r;
                if (real > row) break;
            }
            if (node < 0) break;
            ExpandNode(node);
        }
        if (IsHiddenRow(row)) return;  // held out by a filter or hidden: nowhere to go
        row = DisplRowIndex(row);
    }
    int col = Cell.X;
    if (FindParams.Contains(fnIncludeHiddenColumns)) {
        if (IsHiddenColumn(col)) col = -1;
        else col = DisplColIndex(col);
    }
    if (row < FixedRows() || row >= RowCount()) return;
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
        return;
    }
    SetRow(row);
    if (col >= FixedCols() && col < ColCount()) SetCol(col);
}

TPoint TExStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = FindCell(StartCell, s, FindParams, false);
    ExportNotification(found == kNoCell ? esExportDone : esExportFail, -1);
    if (FindParams.Contains(fnAutoGoto)) {
        // Keep the current row off the bottom edge (and above a floating footer).
        const int f = FloatingFooter()->Visible ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - 2 - f && VisibleRowCount() + FixedRows() + f < RowCount())
            SetTopRow(TopRow() + f + 1);
    }
    return found;
}

TPoint TExStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = FindCell(StartCell, s, FindParams, true);
    ExportNotification(found == kNoCell ? esExportDone : esExportFail, -1);
    return found;
}

TPoint TExStringGrid::FindFirst(const QString& s, TFindParams FindParams) {
    FSearchCell = Find(kNoCell, s, FindParams);
    return FSearchCell;
}

TPoint TExStringGrid::FindNext() {
    // The cache is upper-cased unless fnMatchCase, which is also how the next find reads it.
    FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
    return FSearchCell;
}

int TExStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams) {
    if (OrigStr.isEmpty()) return 0;
    const Qt::CaseSensitivity sensitivity = FindParams.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool realRows = FindParams.Contains(fnIncludeHiddenRows);
    const bool realCols = FindParams.Contains(fnIncludeHiddenColumns);
    int replaced = 0;
    for (TPoint at = Find(kNoCell, OrigStr, FindParams); at != kNoCell; at = Find(at, OrigStr, FindParams)) {
        const int col = realCols ? at.X : RealColIndex(at.X);
        // The stored text, never the display text: a merged area keeps it in its base cell.
        const TPoint base = realRows ? TPoint{col, at.Y} : BaseCell(col, at.Y);
        const QString stored = realRows ? AllGridCells(base.X, base.Y) : GridCells(base.X, base.Y);
        QString changed = stored;
        changed.replace(OrigStr, NewStr, sensitivity);
        if (changed == stored) continue;
        if (realRows) SetAllCells(base.X, base.Y, changed);
        else SetCells(base.X, base.Y, changed);
        ++replaced;
        if (ShowModified()->Enabled && !realRows) SetRowModified(base.Y, true);
    }
    return replaced;
}

int TExStringGrid::Search(const QString& S) {
    if (RowCount() < 2) return -1;
    int column;
    if (!FSortSettings->Show) column = RealColIndex(FixedCols());
    else if (FSortSettings->IndexShow) column = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : RealColIndex(FixedCols());
    else column = FSortSettings->Column;
    if (column < 0 || column >= TotalColCount()) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (StrippedCells(column, r).left(S.size()).toUpper() == S) return r;
    return -1;
}
