// Node-aware row insertion and removal: a row added under a node widens the node and its
// ancestors, a row removed narrows them. Held-out rows keep their neighbours through
// InsertRows and the row removal, which move every held-out row after the change.

#include "grid/core/string_grid.h"

void TExStringGrid::InsertNormalRow(int ARow) { InsertRows(DisplRowIndex(ARow), 1, true); }

void TExStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

void TExStringGrid::InsertChildRow(int ARow, int InsertAt) {
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    const int p = GetParentRow(DisplRowIndex(ARow));
    int newLevel = 1;
    if (p != -1) {
        UpdateNodeSpan(p, 1);
        UpdateSubNodeCount(p, 1);
        ShowNodeRows(p);
        newLevel = GetNodeLevel(p);
        // Every ancestor covers the new row too.
        int ancestor = p;
        int level = newLevel;
        while (level > 1 && ancestor != -1 && ancestor >= FixedRows()) {
            const int above = GetParentRow(ancestor);
            if (above == ancestor || above == -1 || GetNodeLevel(above) >= level) break;
            ancestor = above;
            UpdateNodeSpan(ancestor, 1);
            UpdateSubNodeCount(p, 1);
            ShowNodeRows(ancestor);
            level = GetNodeLevel(ancestor);
        }
    }
    const int r = DisplRowIndex(ARow);
    // A row inserted at a node row itself goes below it and takes the node row's texts
    // and objects; the node stays where it is.
    const bool takeNodeContents = IsNode(r) && InsertAt == 0;
    if (takeNodeContents) InsertAt = 1;
    InsertRows(r + InsertAt, 1, true);
    if (takeNodeContents) {
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, r + 1, GridCells(c, r));
            SetGridCell(c, r, QString());
            if (c == 0) continue;
            TObject* object = GetGridObject(c, r);
            SetGridObject(c, r, nullptr);
            SetGridObject(c, r + 1, object);
            if (auto* props = dynamic_cast<TCellProperties*>(object)) props->SetOwnerRow(r + 1);
        }
    }
    if (p != -1) GetCellProperties(0, r + InsertAt)->SetNodeLevel(newLevel);
}

void TExStringGrid::RemoveChildRow(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    int p = GetParentRow(DisplRowIndex(ARow));
    if (p != -1) {
        const int removedLevel = GetNodeLevel(p);
        auto narrow = [this](int node) {
            if (GetNodeSpan(node) <= 1) return;
            UpdateNodeSpan(node, -1);
            UpdateSubNodeCount(node, -1);
        };
        narrow(p);
        while (true) {
            ShowNodeRows(p);
            if (GetNodeLevel(p) <= 1) break;
            const int above = GetParentRow(p);
            // A node with no node above answers itself: it must not be narrowed twice.
            if (above == -1 || above == p || GetNodeLevel(above) >= removedLevel) break;
            p = above;
            narrow(p);
        }
    }
    const int r = DisplRowIndex(ARow);
    if (IsNode(r) && FNumNodes > 0) --FNumNodes;
    // The removed row's cell control goes with it; only the ones below move up.
    RemoveRowsFound({r}, true, true);
}
