// Range checks of cells through the grid's cell checker.

#include "grid/core/string_grid.h"
#include "grid/data/ex_string_grid_check.h"
#include "grid/data/match_tags.h"

void TExStringGrid::SetCellChecker(TExStringGridCheck* Value) {
    if (FCellChecker == Value) return;
    if (FCellChecker) FCellChecker->RemoveFreeNotification(this);
    FCellChecker = Value;
    if (FCellChecker) FCellChecker->FreeNotification(this);
}

bool TExStringGrid::CheckCell(int Col, int Row) {
    if (!FCellChecker) return true;
    // Earlier marks come off first, read back exactly as marking wrote them.
    const QString text = PlainTextOfMatchTags(GridCells(Col, Row), QStringLiteral("e"));
    if (FCellChecker->GotoCell()) {
        const int col = DisplColIndex(Col);
        if (Row >= FixedRows() && Row < RowCount()) SetRow(Row);
        if (!IsHiddenColumn(Col) && col >= FixedCols() && col < ColCount()) SetCol(col);
    }
    QString checked = text;
    if (FCellChecker->UseCorrect()) checked = FCellChecker->Correct(Col, Row, text);
    if (FCellChecker->UseMarkError()) checked = FCellChecker->MarkError(Col, Row, text);
    SetCells(Col, Row, checked);
    return checked == text;
}

// One range check over the given real columns of the rows FromRow..ToRow.
bool TExStringGrid::CheckColumnsOfRows(const std::vector<int>& Columns, int FromRow, int ToRow) {
    if (!FCellChecker) return true;
    FCellChecker->StartCheck();
    const int row = Row();
    const int col = Col();
    bool allPassed = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c : Columns)
            if (!CheckCell(c, r)) allPassed = false;
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) {
        SetRow(row);
        SetCol(col);
    }
    return allPassed;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    std::vector<int> columns;
    for (int c = FromCol; c <= ToCol; ++c) columns.push_back(c);
    return CheckColumnsOfRows(columns, FromRow, ToRow);
}

// Rows and the grid are checked over their displayed columns (hidden ones left out).
std::vector<int> TExStringGrid::RealColumnsOfDisplayed(int FromCol, int ToCol) const {
    std::vector<int> columns;
    for (int c = FromCol; c <= ToCol; ++c) columns.push_back(RealColIndex(c));
    return columns;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col) {
    if (DoFixed) return CheckCells(Col, 0, Col, RowCount() - 1);
    return CheckCells(Col, FixedRows(), Col, RowCount() - 1 - FixedFooters());
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row) {
    if (DoFixed) return CheckColumnsOfRows(RealColumnsOfDisplayed(0, ColCount() - 1), Row, Row);
    return CheckColumnsOfRows(RealColumnsOfDisplayed(FixedCols(), ColCount() - 1 - FixedRightCols()), Row, Row);
}

bool TExStringGrid::CheckGrid(bool DoFixed) {
    if (DoFixed) return CheckColumnsOfRows(RealColumnsOfDisplayed(0, ColCount() - 1), 0, RowCount() - 1);
    return CheckColumnsOfRows(RealColumnsOfDisplayed(FixedCols(), ColCount() - 1 - FixedRightCols()), FixedRows(),
                              RowCount() - 1 - FixedFooters());
}
