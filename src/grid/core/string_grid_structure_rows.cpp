// Inserting and removing rows of the string grid. Every removal, one row or thousands,
// ends in RemoveDisplayedRows: the rows leave the cell store in one pass (one pointer
// each) and the side structures (held-out rows, row lists, cell controls) are brought in
// step once per call.

#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <QSet>
#include <algorithm>

namespace {

// Erases the entries at the ascending indexes of a flag vector in one pass.
void EraseAscending(std::vector<bool>& flags, const std::vector<int>& ascending) {
    std::size_t next = 0;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        while (next < ascending.size() && ascending[next] < int(i)) ++next;
        if (next < ascending.size() && ascending[next] == int(i)) continue;
        flags[kept++] = flags[i];
    }
    flags.resize(kept);
}

// How many of the ascending values lie below Value.
int CountBelow(const std::vector<int>& ascending, int Value) {
    return int(std::lower_bound(ascending.begin(), ascending.end(), Value) - ascending.begin());
}

std::vector<int> Range(int First, int Count) {
    std::vector<int> rows(std::size_t(std::max(0, Count)));
    for (int i = 0; i < Count; ++i) rows[std::size_t(i)] = First + i;
    return rows;
}

}  // namespace

int TExStringGrid::RowSelectIndex(int ARow) const {
    return FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
}

// ---- inserting -------------------------------------------------------------------------

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
    if (RCount <= 0 || RowIndex < 0) return;
    RowIndex = std::min(RowIndex, RowCount());
    // A visible floating footer stays the last row.
    if (FFloatingFooter->Visible && RowIndex >= RowCount() && RowCount() > 1) RowIndex = RowCount() - 1;
    EndEditBeforeLinesMove();
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();

    const int realAt = RealRowIndex(RowIndex);
    if (!FHiddenRows->IsEmpty()) FHiddenRows->ShiftIndexes(RealRow(realAt), RCount);
    InsertRowsAt(RowIndex, RCount);
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FNormalRowCount = RowCount();

    if (FShowModified->Enabled && RowIndex < FModifiedRows->Count()) FModifiedRows->InsertRange(RowIndex, RCount, 0);
    if (FUseEnabledRows && RowIndex < FEnabledRows->Count()) FEnabledRows->InsertRange(RowIndex, RCount, 0);
    const int selectAt = FMouseActions->RowSelectPersistent() ? realAt : RowIndex;
    if (FMouseActions->DisjunctRowSelect() && selectAt < int(FRowSelect.size()))
        FRowSelect.insert(FRowSelect.begin() + selectAt, std::size_t(RCount), false);

    if (UpdateCellControls)
        RenumberCellControls([&](int, int Y) { return TGridCoord{-1, Y >= realAt ? Y + RCount : Y}; });
    if (!ComponentState().Contains(csDestroying)) DoCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TExStringGrid::AddRow() {
    // Before a visible floating footer, which stays the last row (InsertRows keeps it so).
    const int at = FFloatingFooter->Visible && RowCount() > 1 ? RowCount() - 1 : RowCount();
    InsertRows(at, 1, true);
    ClearRows(at, 1);
}

// ---- the one removal ---------------------------------------------------------------------

void TExStringGrid::FreeCellObject(int ACol, int ARow) {
    auto* props = dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
    if (!props) return;
    // A shared graphic (row and virtual check boxes) is not the cell's to free.
    if (auto* graphic = dynamic_cast<TCellGraphic*>(props->GraphicObject());
        graphic && (graphic == FCellGraphic.get() || graphic->CellType() == ctVirtCheckBox ||
                    graphic->CellType() == ctRowCheckBox))
        props->SetGraphicObject(nullptr);
    if (props->Control()) --FNumCellControls;
    FreeCellProps(ACol, ARow);
}

void TExStringGrid::FreeRowObjects(const std::vector<int>& AscendingRows) {
    if (!FHasCellProps) return;
    const int lastCol = std::max(TotalColCount(), CellStore().ColumnSlots()) - 1;
    for (int row : AscendingRows)
        for (int c = 0; c <= lastCol; ++c) FreeCellObject(c, row);
}

void TExStringGrid::RemoveDisplayedRows(const std::vector<int>& AscendingRows, bool FreeObjects, bool UpdateControls,
                                        bool KeepHeightsInPlace) {
    if (AscendingRows.empty()) return;
    EndEditBeforeLinesMove();
    // Real indexes before anything moves: held-out rows and controls are kept by them.
    std::vector<int> realRows;
    realRows.reserve(AscendingRows.size());
    if (FHiddenRows->IsEmpty()) {
        realRows = AscendingRows;
    } else {
        for (int row : AscendingRows) realRows.push_back(RealRowIndex(row));
    }

    // Areas reaching into a removed row are split before any object is freed, so no
    // cell is left pointing at a base that went.
    if (FMergeCount > 0)
        for (int row : AscendingRows) LinesMoving(true, row, row, true);
    if (FreeObjects) FreeRowObjects(AscendingRows);

    // Cell controls of removed rows go; the ones below move up.
    if (UpdateControls || FreeObjects)
        RenumberCellControls([&](int, int Y) {
            if (std::binary_search(realRows.begin(), realRows.end(), Y)) return TGridCoord{-1, -1};
            return TGridCoord{-1, Y - CountBelow(realRows, Y)};
        });

    // Held-out rows: each real index drops by the removed rows before it.
    if (!FHiddenRows->IsEmpty()) {
        int shifted = 0;
        for (int p = 0; p < FHiddenRows->Count(); ++p) {
            const int original = FHiddenRows->Item(p).Idx() + shifted;
            const int below = CountBelow(realRows, original);
            if (below == shifted) continue;
            FHiddenRows->ShiftIndexes(RealRow(original - shifted), shifted - below);
            shifted = below;
        }
    }

    // Side lists.
    if (FModifiedRows->Count() > 0) FModifiedRows->DeleteIndexes(AscendingRows);
    if (FEnabledRows->Count() > 0) FEnabledRows->DeleteIndexes(AscendingRows);
    if (!FRowSelect.empty()) {
        const std::vector<int>& flagRows = FMouseActions->RowSelectPersistent() ? realRows : AscendingRows;
        EraseAscending(FRowSelect, flagRows);
        if (FSelectedRows->Count() > 0) {
            TIntList renumbered(0, 0);
            for (int i = 0; i < FSelectedRows->Count(); ++i) {
                const int row = FSelectedRows->Items(i);
                if (!std::binary_search(flagRows.begin(), flagRows.end(), row))
                    renumbered.Add(row - CountBelow(flagRows, row));
            }
            FSelectedRows->Clear();
            for (int i = 0; i < renumbered.Count(); ++i) FSelectedRows->Add(renumbered.Items(i));
        }
    }

    std::vector<int> heights;
    const int firstMoved = AscendingRows.front();
    if (KeepHeightsInPlace)
        for (int r = firstMoved; r < RowCount(); ++r) heights.push_back(RowHeights(r));
    // The removed rows are freed with their store rows; their objects were freed above or
    // taken over by the caller.
    const int count = int(AscendingRows.size());
    if (AscendingRows.back() - firstMoved + 1 == count)
        DeleteRowsAt(firstMoved, count);
    else
        TakeRowsOut(AscendingRows);
    if (KeepHeightsInPlace)
        for (int r = firstMoved; r < RowCount(); ++r)
            if (const int h = heights[std::size_t(r - firstMoved)]; RowHeights(r) != h) SetRowHeights(r, h);

    FMaxRowCount = std::max(RowCount(), FMaxRowCount - int(AscendingRows.size()));
    FNormalRowCount = RowCount();
}

void TExStringGrid::PlaceRowAfterRemoval(int OldRow, int OldTopRow) {
    const int lastNormal = RowCount() - FFixedFooters - 1;
    if (OldRow <= lastNormal && OldRow >= TStringGrid::FixedRows()) {
        if (!FMouseActions->DisjunctRowSelect()) SetRow(OldRow);
        if (OldTopRow >= TStringGrid::FixedRows() && OldTopRow < RowCount()) SetTopRow(OldTopRow);
    } else if (lastNormal >= TStringGrid::FixedRows()) {
        SetRow(lastNormal);
    } else {
        HideSelection();
        return;
    }
    FSelHidden = false;
}

// ---- removing ------------------------------------------------------------------------------

int TExStringGrid::RemovableRows(int RowIndex, int RCount) const {
    if (RCount <= 0 || RowIndex < 0 || RowIndex >= RowCount()) return 0;
    // Cut to the rows that exist; a grid keeps one row.
    return std::max(0, std::min(RCount, RowCount() - std::max(RowIndex, 1)));
}

void TExStringGrid::RemoveRows(int RowIndex, int RCount) {
    RCount = RemovableRows(RowIndex, RCount);
    if (RCount <= 0) return;
    RemoveRowsFound(Range(RowIndex, RCount), true, true);
    // The view stays filled at the end.
    const int visible = VisibleRowCount();
    if (TopRow() >= RowCount() + TStringGrid::FixedRows() - visible - 2 && RowCount() - visible - 1 > 0)
        SetTopRow(RowCount() + TStringGrid::FixedRows() - visible - 2);
}

void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
    RCount = RemovableRows(RowIndex, RCount);
    if (RCount <= 0) return;
    const int oldRow = Row();
    const int oldTop = TopRow();
    BeginUpdate();
    RemoveDisplayedRows(Range(RowIndex, RCount), false, true, true);
    if (oldRow < RowCount()) {
        TStringGrid::SetRow(oldRow);
        SetTopRow(oldTop);
    } else if (RowCount() > TStringGrid::FixedRows()) {
        TStringGrid::SetRow(TStringGrid::FixedRows());
        SetTopRow(TStringGrid::FixedRows());
    }
    EndUpdate();
    DoCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TExStringGrid::RemoveRowBlock(int ARow, int Count, bool UpdateControls) {
    Count = RemovableRows(ARow, Count);
    if (Count > 0) RemoveRowsFound(Range(ARow, Count), false, UpdateControls);
}

void TExStringGrid::ClearRowObjects(int ARow, int Count) {
    // Over every real column: the objects of hidden columns are the grid's too.
    Count = RemovableRows(ARow, Count);
    if (Count > 0) RemoveRowsFound(Range(ARow, Count), true, true);
}

// ---- removing by content or selection (one compaction per call) ----------------------------

void TExStringGrid::RemoveRowsFound(std::vector<int> AscendingRows, bool FreeObjects, bool UpdateControls) {
    if (int(AscendingRows.size()) >= RowCount()) AscendingRows.erase(AscendingRows.begin());  // a grid keeps one row
    if (AscendingRows.empty()) return;
    const int oldRow = Row();
    const int oldTop = TopRow();
    BeginUpdate();
    RemoveDisplayedRows(AscendingRows, FreeObjects, UpdateControls, false);
    PlaceRowAfterRemoval(oldRow, oldTop);
    EndUpdate();
    // One notice over every changed row, and with it one footer calculation.
    DoCellsChanged(TRect{0, AscendingRows.front(), ColCount() - 1, AscendingRows.back() + 1});
}

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    std::vector<int> rows;
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) {
        bool state = false;
        // The check-box query takes the real row while rows are held out.
        const int asked = FHiddenRows->IsEmpty() ? r : RealRowIndex(r);
        if (GetCheckBoxState(CheckBoxColumn, asked, state) && state == RemoveChecked) rows.push_back(r);
    }
    RemoveRowsFound(std::move(rows), true, true);
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
    // Texts are compared without regard to case whatever DoCase says; DoCase decides only
    // how a text is remembered, which leaves the rows removed the same.
    Q_UNUSED(DoCase)
    const int c = RealColIndex(ACol);
    QSet<QString> seen;
    std::vector<int> rows;
    for (int r = TStringGrid::FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        const QString key = Cells(c, r).toUpper();
        if (seen.contains(key))
            rows.push_back(r);
        else
            seen.insert(key);
    }
    RemoveRowsFound(std::move(rows), true, true);
}

void TExStringGrid::RemoveSelectedRows() {
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = TStringGrid::FixedRows(); r < RowCount() - FFixedFooters; ++r)
            if (GetRowSelect(RowSelectIndex(r))) rows.push_back(r);
    } else {
        const TGridRect s = SelectionRectangleOrdered();
        for (int r = std::max(0, s.Top); r <= s.Bottom && r < RowCount(); ++r) rows.push_back(r);
    }
    RemoveRowsFound(std::move(rows), true, true);
    if (FMouseActions->DisjunctRowSelect()) ClearRowSelect();
}

void TExStringGrid::RemoveUnSelectedRows() {
    std::vector<int> rows;
    for (int r = TStringGrid::FixedRows(); r < RowCount() - FFixedFooters; ++r)
        if (!GetRowSelect(RowSelectIndex(r))) rows.push_back(r);
    RemoveRowsFound(std::move(rows), true, true);
    if (FMouseActions->RowSelectPersistent())
        SelectRows(TStringGrid::FixedRows(), RowCount() - TStringGrid::FixedRows());
    else
        ClearRowSelect();
}

// ---- cell controls ---------------------------------------------------------------------------

void TExStringGrid::RenumberCellControls(const std::function<TGridCoord(int X, int Y)>& Place) {
    if (FControlList->Count() == 0) return;
    struct Placed {
        int X, Y;
        TControl* Control;
    };
    std::vector<Placed> kept;
    for (int i = 0; i < FControlList->Count(); ++i) {
        const TControlItem* item = FControlList->Control(i);
        const TGridCoord to = Place(item->X(), item->Y());
        if (to.Y < 0) {
            if (item->Control()) item->Control()->Hide();
            continue;
        }
        kept.push_back({to.X < 0 ? item->X() : to.X, to.Y, item->Control()});
    }
    while (FControlList->Count() > 0) FControlList->RemoveControl(FControlList->Count() - 1);
    for (const Placed& p : kept) FControlList->AddControl(p.X, p.Y, p.Control);
}
