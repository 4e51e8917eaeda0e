// The sort click: a release on the header of the sort row, pressed there too, sorts by
// that column (ascending first, then flipping; with UndoSort the click after a flip
// gives the unsorted order back), or, with IndexShow, builds a multi-column sort.

#include "grid/core/string_grid.h"

#include <QElapsedTimer>
#include <QGuiApplication>

namespace {

constexpr int SortBorderMargin = 4;
constexpr int DropDownButtonWidth = 16;

}  // namespace

void TExStringGrid::ReleaseSortClick(int ACol, int ARow, int X, int Y, bool Moved) {
    if (FDblClk) {
        // The release that ends a double click which sized a column.
        FDblClk = false;
        return;
    }
    const TRect R = CellRect(ACol, ARow);
    if (ARow == 0 && Options().Contains(goColSizing) && (X - R.Left < SortBorderMargin || R.Right - X < SortBorderMargin))
        return;
    int PCol = -1, PRow = -1;
    MouseToCell(Clickposx, Clickposy, PCol, PRow);
    const int RCol = RealColIndex(ACol);
    if (R.Right - X <= DropDownButtonWidth) {
        if (FControlLook->FixedDropDownButton && ARow < FixedRows()) return;
        if (ARow == FFilterDropDownRow && (FFilterDropDownAuto || OnGetColumnFilter) && HasColumnFilter(RealCol(RCol)))
            return;
    }
    const bool header = ARow == FSortSettings->Row && PRow == FSortSettings->Row && FixedRows() > 0 &&
                        !(HasCheckBox(RCol, ARow) && IsInCheckBox(RCol, ARow, X, Y)) && FSortSettings->Show &&
                        !Moved && RowCount() > 2;
    if (!header) return;
    bool doSort = !IsIgnoredColumn(RCol);
    if (OnCanSort) OnCanSort(this, RCol, doSort);
    if (!doSort) {
        RepaintCell(ACol, FSortSettings->Row);
        return;
    }
    SortByHeaderClick(RCol);
}

void TExStringGrid::SortByHeaderClick(int RCol) {
    HideInplaceEdit();
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    QElapsedTimer clock;
    clock.start();
    const int oldLeft = LeftCol();
    const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
    if (keepLeft) BeginUpdate();
    if (FSortSettings->IndexShow) {
        const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
        const bool indexKey = FSortSettings->IndexSortKey == ikShift ? keys.testFlag(Qt::ShiftModifier)
                                                                    : keys.testFlag(Qt::ControlModifier);
        const bool initAscending = FSortSettings->InitSortDirection == sdAscending;
        if (indexKey) {
            if (FSortIndexes->FindIndex(RCol) >= 0) FSortIndexes->ToggleIndex(RCol);
            else FSortIndexes->AddIndex(RCol, initAscending);
        } else if (FSortIndexes->Count() == 1 && FSortIndexes->SortColumns(0) == RCol) {
            FSortIndexes->ToggleIndex(RCol);
        } else {
            FSortIndexes->Clear();
            FSortIndexes->AddIndex(RCol, initAscending);
        }
        if (HasNodes()) QSortGroupIndexed();
        else QSortIndexed();
        FSortSettings->Column = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1;
    } else {
        bool undo = false;
        if (FSortSettings->Column == RCol) {
            undo = FSortSettings->Direction != FSortSettings->InitSortDirection && FSortSettings->UndoSort;
            FSortSettings->Direction = FSortSettings->Direction == sdAscending ? sdDescending : sdAscending;
        } else {
            FSortSettings->Direction = FSortSettings->InitSortDirection;
            FSortSettings->Column = RCol;
        }
        if (undo) {
            QUnSort();
            FSortSettings->Column = -1;
        } else if (HasNodes()) {
            QSortGroup();
        } else {
            QSort();
        }
    }
    if (keepLeft) {
        SetLeftCol(oldLeft);
        EndUpdate();
    }
    SortTime = int(clock.elapsed());
    InvalidateGrid();
    if (OnClickSort) OnClickSort(this, FSortSettings->Column);
}
