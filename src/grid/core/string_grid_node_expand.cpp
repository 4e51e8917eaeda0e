// Expanding and contracting node rows. The covered rows go to and come from the store of
// held-out rows in batches: one node is one range, and ExpandAll and ContractAll move
// every node's rows in a single pass, so 100,000 rows under 1,000 nodes cost one walk.
//
// A contracted node's children are held-out rows that keep their real indexes; a node
// row that is itself held out (inside a contracted node) is always in the expanded state,
// so showing the outer node shows the whole subtree.

#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

std::pair<int, int> TExStringGrid::NodeHiddenRange(int r) const {
    const int upper = GetNodeSpan(r) != 0 ? r + 1 : NextNodeRow(r);
    const int from = RealRowIndex(r) + 1;
    const int to = (upper < RowCount() ? RealRowIndex(upper) : TotalRowCount()) - 1;
    return {from, to};
}

void TExStringGrid::ShowRealRanges(const std::vector<std::pair<int, int>>& AscendingRanges) {
    std::vector<std::pair<RealRow, RealRow>> ranges;
    ranges.reserve(AscendingRanges.size());
    for (const auto& [from, to] : AscendingRanges)
        if (from <= to) ranges.emplace_back(RealRow(from), RealRow(to));
    if (ranges.empty()) return;
    // Showing rows must leave the current cell and the view where they were, whatever
    // the selection mode.
    const int oldRow = Row();
    const int oldTop = TopRow();
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    FMouseActions->SetDisjunctRowSelectDirect(false);
    const bool rowSelect = Options().Contains(goRowSelect);
    if (rowSelect) SetOptions(Options().Exclude(goRowSelect));
    const bool locked = FNumCellControls == 0;
    if (locked) BeginUpdate();
    ShowHeldOutRows(FHiddenRows->TakeRanges(ranges));
    if (locked) EndUpdate();
    if (rowSelect) {
        SetOptions(Options().Include(goRowSelect));
        if (oldRow < RowCount()) SetRow(oldRow);
        if (oldTop < RowCount()) SetTopRow(oldTop);
    }
    FMouseActions->SetDisjunctRowSelectDirect(disjunct);
}

void TExStringGrid::ShowNodeRows(int r) {
    TCellGraphic* node = NodeObject(r);
    if (!node || !node->CellBoolean()) return;
    node->SetCellBoolean(false);
    ShowRealRanges({NodeHiddenRange(r)});
}

void TExStringGrid::ContractNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    HideEditor();
    const int r = DisplRowIndex(ARow);
    TCellGraphic* node = NodeObject(r);
    if (!node || node->CellBoolean()) return;
    node->SetCellBoolean(true);
    const int span = node->CellIndex();
    // The covered rows by real index: the span counts the rows already held out under
    // contracted inner nodes, which turn expanded and stay held out under this one.
    int lastReal = 0;
    if (span > 0) {
        lastReal = std::min(ARow + span - 1, TotalRowCount() - 1);
        for (int d = r + 1; d < RowCount() && RealRowIndex(d) <= lastReal; ++d)
            if (TCellGraphic* inner = NodeObject(d)) inner->SetCellBoolean(false);
    } else {
        const int next = NextNodeRow(r);
        lastReal = (next < RowCount() ? RealRowIndex(next) : TotalRowCount()) - 1;
    }
    HideRows(ARow + 1, lastReal);
    CalcFooter(-1);
}

void TExStringGrid::ExpandNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    if (FCellNode->ExpandOne()) {
        for (int d = FixedRows(); d < RowCount(); ++d)
            if (IsNode(d) && !GetNodeState(d) && RealRowIndex(d) != ARow) ContractNode(RealRowIndex(d));
    }
    ShowNodeRows(DisplRowIndex(ARow));
    CalcFooter(-1);
}

void TExStringGrid::ExpandAll() {
    // Every node ends expanded; ExpandOne has no say here, it would undo the rest.
    BeginUpdate();
    std::vector<std::pair<int, int>> ranges;
    for (int d = FixedRows(); d < RowCount(); ++d) {
        TCellGraphic* node = NodeObject(d);
        if (!node || !node->CellBoolean()) continue;
        node->SetCellBoolean(false);
        ranges.push_back(NodeHiddenRange(d));
    }
    ShowRealRanges(ranges);
    EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::ContractAll() {
    BeginUpdate();
    try {
        ExpandAll();
        TIntList rows(0, 0);
        int d = FixedRows();
        while (d < RowCount()) {
            TCellGraphic* node = NodeObject(d);
            if (!node) {
                ++d;
                continue;
            }
            node->SetCellBoolean(true);
            // A span of 0 reaches the next node row; it must not stall the walk.
            const int end = node->CellIndex() > 0 ? std::min(d + node->CellIndex(), RowCount()) : NextNodeRow(d);
            for (int child = d + 1; child < end; ++child) rows.Add(child);
            d = std::max(end, d + 1);
        }
        HideRowList(rows);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    CalcFooter(-1);
}
