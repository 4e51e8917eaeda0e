// Node rows: adding and removing nodes and summary rows, the node queries the drawing,
// filtering and check-box code ask, the glyph hit test, and the expand cells.

#include "grid/core/string_grid.h"

#include <QStyle>

namespace {

// Glyph half-width and left offset of each node glyph kind, as IsOnNodeGlyph measures.
struct GlyphMeasure {
    int halfWidth;
    int offset;
};

GlyphMeasure MeasureGlyph(const TCellNode& Node) {
    switch (Node.NodeType()) {
    case cn3D: return {6, 0};
    case cnGlyph:
        return Node.ExpandGlyph().isNull() ? GlyphMeasure{0, 0} : GlyphMeasure{Node.ExpandGlyph().width() / 2, 2};
    case cnLeaf: return {8, 2};
    case cnFlat:
    case cnXP: break;
    }
    return {4, 4};
}

}  // namespace

// ---- creation and removal ------------------------------------------------------------------

TCellGraphic* TExStringGrid::NodeObject(int ARow) const {
    if (ARow < 0 || GetCellType(0, ARow) != ctNode) return nullptr;
    return GetCellGraphic(0, ARow);
}

void TExStringGrid::AddNodeLevel(int FromRow, int Count, int Delta) {
    const int last = std::min(FromRow + Count, RowCount()) - 1;
    for (int row = std::max(0, FromRow); row <= last; ++row) {
        if (Delta < 0 && !PropsOf(0, row)) continue;
        TCellProperties* props = GetCellProperties(0, row);
        props->SetNodeLevel(std::max(0, props->NodeLevel() + Delta));
    }
}

void TExStringGrid::AddNode(int ARow, int Span) {
    const int r = DisplRowIndex(ARow);
    if (ARow < 0 || IsHiddenRow(ARow) || r >= RowCount()) return;
    const bool wasNode = IsNode(r);
    TCellGraphic* node = CreateCellGraphic(0, r);
    node->SetCellType(ctNode);
    node->SetCellBoolean(false);
    node->SetCellIndex(Span);
    node->SetCellErrFrom(0);
    node->SetCellAngle(r);
    node->SetCellHAlign(haBeforeText);
    node->SetCellVAlign(vaCenter);
    node->SetCellVar(-1);
    AddNodeLevel(r, Span, 1);
    if (FNumNodes == 0) Invalidate();
    // A node put over a node replaces it: the count goes by rows, not by calls.
    if (!wasNode) ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExStringGrid::AddSummaryRow(int ARow) {
    const int r = DisplRowIndex(ARow);
    if (ARow < 0 || IsHiddenRow(ARow) || r >= RowCount()) return;
    if (IsNode(r) && FNumNodes > 0) --FNumNodes;
    CreateCellGraphic(0, r)->SetCellType(ctSummary);
}

void TExStringGrid::RemoveNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    if (!IsNode(DisplRowIndex(ARow))) return;
    ShowNodeRows(DisplRowIndex(ARow));
    const int r = DisplRowIndex(ARow);
    AddNodeLevel(r, GetNodeSpan(r), -1);
    RemoveCellGraphic(0, r);
    if (FNumNodes > 0) --FNumNodes;
}

void TExStringGrid::RemoveAllNodes() {
    BeginUpdate();
    for (int r = 0; r < RowCount(); ++r) {
        if (!IsNode(r)) continue;
        ShowNodeRows(r);
        AddNodeLevel(r, GetNodeSpan(r), -1);
        RemoveCellGraphic(0, r);
        if (FNumNodes > 0) --FNumNodes;
    }
    EndUpdate();
    Invalidate();
}

// ---- queries ---------------------------------------------------------------------------------

bool TExStringGrid::IsNode(int ARow) const { return NodeObject(ARow) != nullptr; }

bool TExStringGrid::IsSummary(int ARow) const { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TExStringGrid::GetNodeState(int ARow) const {
    const TCellGraphic* node = NodeObject(ARow);
    return node && node->CellBoolean();
}

void TExStringGrid::SetNodeState(int ARow, bool Value) {
    if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow) const {
    if (!IsNode(ARow)) return -1;
    const TCellProperties* props = PropsOf(0, ARow);
    return props ? props->NodeLevel() : 0;
}

int TExStringGrid::GetNodeSpan(int ARow) const {
    const TCellGraphic* node = NodeObject(ARow);
    return node ? node->CellIndex() : -1;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span) {
    if (TCellGraphic* node = NodeObject(ARow)) node->SetCellIndex(Span);
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta) {
    if (TCellGraphic* node = NodeObject(ARow)) node->SetCellIndex(node->CellIndex() + Delta);
}

int TExStringGrid::GetSubNodeCount(int ARow) const {
    const TCellGraphic* node = NodeObject(ARow);
    return node ? node->CellErrFrom() : 0;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
    if (TCellGraphic* node = NodeObject(ARow)) node->SetCellErrFrom(node->CellErrFrom() + Delta);
}

int TExStringGrid::GetRowIndent(int ARow) {
    if (FNumNodes <= 0 || ARow < 0) return 0;
    const TCellProperties* props = PropsOf(0, ARow);
    return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}

int TExStringGrid::GetNodeSpanType(int ARow) const {
    if (IsNode(ARow)) return 0;
    const TCellProperties* props = PropsOf(0, ARow);
    const int level = props ? props->NodeLevel() : 0;
    if (ARow < RowCount() - FFixedFooters - 1) {
        const TCellProperties* next = PropsOf(0, ARow + 1);
        if (next && next->NodeLevel() >= level) return 2;
    }
    return 1;
}

int TExStringGrid::GetParentRow(int ARow) const {
    if (FNumNodes <= 0) return -1;
    int limit = 65535;
    int result = -1;
    if (IsNode(ARow)) {
        limit = GetNodeLevel(ARow);
        result = ARow;
    }
    // Rows hidden under contracted nodes above still count in their spans.
    int hiddenBelow = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= limit) continue;
        const int span = GetNodeSpan(r);
        if (GetNodeState(r)) hiddenBelow += span - 1;
        if (ARow < r + span - hiddenBelow) return r;
    }
    return result;
}

int TExStringGrid::NextNodeRow(int ARow) const {
    for (int r = ARow + 1; r < RowCount(); ++r)
        if (IsNode(r)) return r;
    return RowCount();
}

bool TExStringGrid::IsOnNodeGlyph(int ARow, int X) const {
    if (!FMouseActions->PreciseNodeClick()) return true;
    const int level = GetNodeLevel(ARow);
    const int indent = FCellNode->NodeIndent();
    const GlyphMeasure glyph = MeasureGlyph(*FCellNode);
    if (BiDiMode() != bdRightToLeft) return glyph.offset + (level - 1) * indent < X && X < glyph.halfWidth + level * indent;
    const bool allRowsVisible = VisibleRowCount() >= RowCount() - FixedRows();
    const int scrollBar = allRowsVisible ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int x = X + scrollBar;
    return !(x < width() - level * indent - glyph.halfWidth - 2 || x >= width() - (level - 1) * indent);
}

// ---- expand cells ----------------------------------------------------------------------------

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
    const int contractedHeight = ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight();
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetCellType(ctExpand);
    graphic->SetCellAngle(ExpandedHeight);
    graphic->SetCellIndex(contractedHeight);
    graphic->SetCellVar(false);
}

void TExStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TExStringGrid::HasExpand(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctExpand}); }

bool TExStringGrid::ToggleExpand(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return false;
    const bool expanded = !graphic->CellVar().toBool();
    graphic->SetCellVar(expanded);
    return expanded;
}

bool TExStringGrid::GetExpandState(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellVar().toBool();
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) const {
    if (ACol < 0 || ARow < 0) return DefaultRowHeight();
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return DefaultRowHeight();
    return Expanded ? graphic->CellAngle() : graphic->CellIndex();
}

TRect TExStringGrid::GetExpandButtonRect(int ACol, int ARow) const {
    if (!HasExpand(ACol, ARow)) return TRect{0, 0, 0, 0};
    const TRect cell = CellRect(DisplColIndex(ACol), ARow);
    return TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}
