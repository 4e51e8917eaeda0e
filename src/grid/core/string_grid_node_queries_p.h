#pragma once
// The node-row queries the check-box group propagation and the column statistics need,
// read from the ctNode / ctSummary object of column 0 (displayed rows). The node rows
// themselves (adding, expanding, contracting) are built with the tree feature, whose
// public queries these become.

#include "grid/core/string_grid.h"

namespace node_queries {

inline const TCellGraphic* NodeObject(const TExStringGrid& Grid, int ARow) {
    if (ARow < 0 || Grid.GetCellType(0, ARow) != ctNode) return nullptr;
    return Grid.GetCellGraphic(0, ARow);
}

inline bool IsNode(const TExStringGrid& Grid, int ARow) { return NodeObject(Grid, ARow) != nullptr; }

inline bool IsSummary(const TExStringGrid& Grid, int ARow) {
    return ARow >= 0 && Grid.GetCellType(0, ARow) == ctSummary;
}

// The node's span (rows covered, node row included), -1 for a row that is no node.
inline int GetNodeSpan(const TExStringGrid& Grid, int ARow) {
    const TCellGraphic* node = NodeObject(Grid, ARow);
    return node ? node->CellIndex() : -1;
}

// True while the node is contracted.
inline bool GetNodeState(const TExStringGrid& Grid, int ARow) {
    const TCellGraphic* node = NodeObject(Grid, ARow);
    return node && node->CellBoolean();
}

inline int GetNodeLevel(TExStringGrid& Grid, int ARow) {
    if (!IsNode(Grid, ARow)) return -1;
    return Grid.CellPropsAssigned(0, ARow) ? Grid.CellProperties(0, ARow)->NodeLevel() : 0;
}

// The node row that contains ARow, -1 when there is none.
inline int GetParentRow(TExStringGrid& Grid, int ARow) {
    int limit = 65535;
    int result = -1;
    if (IsNode(Grid, ARow)) {
        limit = GetNodeLevel(Grid, ARow);
        result = ARow;
    }
    int hiddenBelow = 0;
    for (int r = ARow; r >= Grid.FixedRows(); --r) {
        if (!IsNode(Grid, r) || GetNodeLevel(Grid, r) >= limit) continue;
        const int span = GetNodeSpan(Grid, r);
        if (GetNodeState(Grid, r)) hiddenBelow += span - 1;
        if (ARow < r + span - hiddenBelow) return r;
    }
    return result;
}

}  // namespace node_queries
