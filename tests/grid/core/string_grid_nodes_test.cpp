// Node rows, group rows and expand cells. After every node operation the held-out rows
// and the order of the shown rows are checked against a plain model: a real row is held
// out exactly when it lies under a contracted node.

#include "grid/core/string_grid.h"
#include "grid_fixture.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ModelNode {
    int Real;  // real row of the node
    int Span;
    bool Contracted;
};

// Checks held-out rows, the order of shown rows (column 1 holds "1,<real row>") and the
// node states against the model.
void ExpectAgreesWithModel(TExStringGrid& grid, const std::vector<ModelNode>& nodes, int realRows) {
    std::vector<bool> hidden(std::size_t(realRows), false);
    for (const ModelNode& node : nodes)
        if (node.Contracted)
            for (int r = node.Real + 1; r < node.Real + node.Span && r < realRows; ++r) hidden[std::size_t(r)] = true;
    ASSERT_EQ(grid.TotalRowCount(), realRows);
    std::vector<int> shown;
    for (int r = 0; r < realRows; ++r) {
        EXPECT_EQ(grid.IsHiddenRow(r), hidden[std::size_t(r)]) << "real row " << r;
        if (!hidden[std::size_t(r)]) shown.push_back(r);
    }
    ASSERT_EQ(grid.RowCount(), int(shown.size()));
    for (int d = 0; d < grid.RowCount(); ++d) {
        EXPECT_EQ(grid.GridCells(1, d), QString("1,%1").arg(shown[std::size_t(d)])) << "displayed row " << d;
        EXPECT_EQ(grid.RealRowIndex(d), shown[std::size_t(d)]);
    }
    for (const ModelNode& node : nodes) {
        if (hidden[std::size_t(node.Real)]) continue;
        const int d = grid.DisplRowIndex(node.Real);
        EXPECT_TRUE(grid.IsNode(d)) << node.Real;
        EXPECT_EQ(grid.GetNodeState(d), node.Contracted) << node.Real;
    }
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

// 1 fixed row, 20 real rows, texts "c,r"; nodes: 1 (span 8) holding 3 (span 3) and
// 7 (span 2); 10 (span 5); rows 15.. outside all nodes.
class NodeGrid : public ::testing::Test {
protected:
    static constexpr int Rows = 20;
    void SetUp() override {
        grid.SetColCount(4);
        grid.SetRowCount(Rows);
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < Rows; ++r) grid.SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        for (const ModelNode& node : nodes) grid.AddNode(node.Real, node.Span);
    }
    void Contract(int real) {
        grid.ContractNode(real);
        for (ModelNode& node : nodes)
            if (node.Real == real) node.Contracted = true;
    }
    ModelNode& Node(int real) {
        for (ModelNode& node : nodes)
            if (node.Real == real) return node;
        throw std::logic_error("no node");
    }
    TExStringGrid grid{nullptr};
    std::vector<ModelNode> nodes{{1, 8, false}, {3, 3, false}, {7, 2, false}, {10, 5, false}};
};

TEST_F(NodeGrid, AddNodeRaisesLevelsAndMovesTheCurrentColumn) {
    EXPECT_EQ(grid.NumNodes(), 4);
    EXPECT_TRUE(grid.HasNodes());
    EXPECT_EQ(grid.Col(), 1);
    const struct {
        int row;
        int level;  // NodeLevel of column 0
    } levels[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {5, 2}, {6, 1}, {7, 2}, {8, 2}, {9, 0}, {10, 1}, {14, 1}, {15, 0}};
    for (const auto& l : levels) {
        const int props = grid.CellPropsAssigned(0, l.row) ? grid.CellProperties(0, l.row)->NodeLevel() : 0;
        EXPECT_EQ(props, l.level) << l.row;
        EXPECT_EQ(grid.GetRowIndent(l.row), l.level * grid.CellNode()->NodeIndent());
    }
    EXPECT_EQ(grid.GetNodeLevel(3), 2);
    EXPECT_EQ(grid.GetNodeLevel(2), -1);
    EXPECT_EQ(grid.GetNodeSpan(1), 8);
    EXPECT_EQ(grid.GetNodeSpan(2), -1);
    EXPECT_EQ(grid.GetSubNodeCount(2), 0);
    const auto* node = grid.CellGraphics(0, 3);
    EXPECT_EQ(node->CellHAlign(), haBeforeText);
    EXPECT_EQ(node->CellVAlign(), vaCenter);
    EXPECT_EQ(node->CellAngle(), 3);
    EXPECT_EQ(node->CellVar().toInt(), -1);
    // Tree lines: node rows 0, a row continued at its level 2, the last of a level 1.
    EXPECT_EQ(grid.GetNodeSpanType(1), 0);
    EXPECT_EQ(grid.GetNodeSpanType(4), 2);
    EXPECT_EQ(grid.GetNodeSpanType(8), 1);
    EXPECT_EQ(grid.GetNodeSpanType(Rows - 1), 1);
}

TEST_F(NodeGrid, ContractAndExpandAgreeWithTheModel) {
    ExpectAgreesWithModel(grid, nodes, Rows);
    Contract(3);
    ExpectAgreesWithModel(grid, nodes, Rows);
    // The outer node takes the inner one's held-out rows and leaves it expanded.
    Contract(1);
    Node(3).Contracted = false;
    ExpectAgreesWithModel(grid, nodes, Rows);
    EXPECT_EQ(grid.RowCount(), Rows - 7);
    Contract(10);
    ExpectAgreesWithModel(grid, nodes, Rows);
    // A contracted node answers the second contraction with nothing.
    grid.ContractNode(1);
    ExpectAgreesWithModel(grid, nodes, Rows);
    grid.ExpandNode(1);
    Node(1).Contracted = false;
    ExpectAgreesWithModel(grid, nodes, Rows);
    grid.SetNodeState(grid.DisplRowIndex(10), false);
    Node(10).Contracted = false;
    ExpectAgreesWithModel(grid, nodes, Rows);
    grid.SetNodeState(grid.DisplRowIndex(7), true);
    Node(7).Contracted = true;
    ExpectAgreesWithModel(grid, nodes, Rows);
    // Operations on rows that are no nodes change nothing.
    grid.ContractNode(2);
    grid.ExpandNode(2);
    grid.ContractNode(-1);
    grid.ExpandNode(Rows + 5);
    ExpectAgreesWithModel(grid, nodes, Rows);
}

TEST_F(NodeGrid, ContractAllLeavesTopLevelRowsAndExpandAllShowsEverything) {
    Contract(3);
    grid.ContractAll();
    for (ModelNode& node : nodes) node.Contracted = node.Real == 1 || node.Real == 10;
    ExpectAgreesWithModel(grid, nodes, Rows);
    EXPECT_EQ(grid.RowCount(), Rows - 7 - 4);
    grid.ExpandAll();
    for (ModelNode& node : nodes) node.Contracted = false;
    ExpectAgreesWithModel(grid, nodes, Rows);
    // Nested contract and expand keep the order.
    for (int round = 0; round < 3; ++round) {
        Contract(7);
        Contract(3);
        Contract(1);
        grid.ExpandAll();
        for (ModelNode& node : nodes) node.Contracted = false;
        ExpectAgreesWithModel(grid, nodes, Rows);
    }
}

TEST_F(NodeGrid, ExpandOneContractsEveryOtherNode) {
    grid.CellNode()->SetExpandOne(true);
    Contract(10);
    Contract(7);
    grid.ExpandNode(10);
    // Every other expanded node was contracted first: 1 (taking 3 and 7 along) ...
    for (ModelNode& node : nodes) node.Contracted = node.Real == 1;
    ExpectAgreesWithModel(grid, nodes, Rows);
}

TEST(StringGridNodes, SpanZeroReachesTheNextNodeOrTheEnd) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(12);
    for (int r = 0; r < 12; ++r) grid.SetCells(1, r, QString("1,%1").arg(r));
    grid.AddNode(2, 0);
    grid.AddNode(6, 0);
    grid.ContractNode(2);
    std::vector<ModelNode> model{{2, 4, true}, {6, 6, false}};
    ExpectAgreesWithModel(grid, model, 12);
    grid.ContractNode(6);
    model[1].Contracted = true;
    ExpectAgreesWithModel(grid, model, 12);
    grid.ContractAll();  // a span of 0 must not stall the walk
    ExpectAgreesWithModel(grid, model, 12);
    grid.ExpandAll();
    model = {{2, 4, false}, {6, 6, false}};
    ExpectAgreesWithModel(grid, model, 12);
}

TEST_F(NodeGrid, GetParentRow) {
    const struct {
        int row, parent;
    } cases[] = {{0, -1}, {1, 1}, {2, 1}, {3, 1}, {4, 3}, {6, 1}, {8, 7}, {9, -1}, {10, 10}, {14, 10}, {15, -1}};
    for (const auto& c : cases) EXPECT_EQ(grid.GetParentRow(c.row), c.parent) << c.row;
    Contract(3);  // displayed rows below the contracted node move up two
    EXPECT_EQ(grid.GetParentRow(4), 1);  // real row 6
    EXPECT_EQ(grid.GetParentRow(7), -1);  // real row 9
    EXPECT_EQ(grid.GetParentRow(8), 8);   // real row 10
}

TEST_F(NodeGrid, InsertChildRowWidensTheNodeAndItsAncestors) {
    Contract(3);
    grid.InsertChildRow(4 + 2, 1);  // below real row 6, inside node 1 only
    EXPECT_EQ(grid.GetNodeSpan(1), 9);
    EXPECT_EQ(grid.GetSubNodeCount(1), 1);
    // The node rows held out under 3 stayed with their node; the new row is empty.
    for (ModelNode& node : nodes) {
        if (node.Real > 6) ++node.Real;
        if (node.Real == 1) node.Span = 9;
    }
    grid.SetCells(1, grid.DisplRowIndex(7), QStringLiteral("1,new"));
    EXPECT_TRUE(grid.IsHiddenRow(4));
    EXPECT_TRUE(grid.IsHiddenRow(5));
    grid.ExpandAll();
    EXPECT_EQ(grid.Cells(1, 7), QStringLiteral("1,new"));
    EXPECT_EQ(grid.Cells(1, 6), QStringLiteral("1,6"));
    EXPECT_EQ(grid.Cells(1, 8), QStringLiteral("1,7"));
    EXPECT_EQ(grid.GetNodeLevel(8), 2);
    EXPECT_EQ(grid.CellProperties(0, 7)->NodeLevel(), 1);

    // Inside a level-2 node both the node and its parent grow.
    grid.InsertChildRow(4, 1);
    EXPECT_EQ(grid.GetNodeSpan(3), 4);
    EXPECT_EQ(grid.GetNodeSpan(1), 10);
    EXPECT_EQ(grid.GetSubNodeCount(3), 2);  // the ancestor's growth is counted at the node
}

TEST_F(NodeGrid, InsertChildRowAtANodeRowMovesItsTextsBelow) {
    grid.SetCells(2, 10, QStringLiteral("caption"));
    grid.AddCheckBox(2, 10, true, false);
    grid.InsertChildRow(10, 0);
    EXPECT_TRUE(grid.IsNode(10));
    EXPECT_EQ(grid.Cells(1, 10), QString());
    EXPECT_EQ(grid.Cells(2, 10), QString());
    EXPECT_EQ(grid.Cells(0, 11), QStringLiteral("0,10"));
    EXPECT_EQ(grid.Cells(2, 11), QStringLiteral("caption"));
    EXPECT_FALSE(grid.HasCheckBox(2, 10));
    EXPECT_TRUE(grid.HasCheckBox(2, 11));
    EXPECT_EQ(grid.GetNodeSpan(10), 6);
    EXPECT_EQ(grid.CellProperties(0, 11)->NodeLevel(), 1);
}

TEST_F(NodeGrid, RemoveChildRowNarrowsNodesAndDropsTheRemovedRowsControl) {
    TPanel inRemoved(nullptr);
    TPanel below(nullptr);
    grid.SetCellControls(1, 4, &inRemoved);
    grid.SetCellControls(1, 9, &below);
    grid.RemoveChildRow(4);
    EXPECT_EQ(grid.GetNodeSpan(3), 2);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
    EXPECT_EQ(grid.TotalRowCount(), Rows - 1);
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("1,5"));
    ASSERT_EQ(grid.ControlList()->Count(), 1);
    EXPECT_EQ(grid.ControlList()->Control(0)->Control(), &below);
    EXPECT_EQ(grid.ControlList()->Control(0)->Y(), 8);
    EXPECT_FALSE(inRemoved.Visible());
    // A held-out row is no child to remove: nothing changes.
    grid.ContractNode(1);
    grid.RemoveChildRow(2);
    EXPECT_EQ(grid.TotalRowCount(), Rows - 1);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
}

TEST_F(NodeGrid, RemoveNodeAndRemoveAllNodes) {
    Contract(3);
    grid.RemoveNode(3);
    EXPECT_EQ(grid.NumNodes(), 3);
    EXPECT_EQ(grid.TotalRowCount(), grid.RowCount());
    EXPECT_EQ(grid.CellProperties(0, 4)->NodeLevel(), 1);
    Contract(1);
    Contract(10);
    grid.RemoveAllNodes();
    EXPECT_EQ(grid.NumNodes(), 0);
    EXPECT_FALSE(grid.HasNodes());
    EXPECT_EQ(grid.RowCount(), Rows);
    for (int r = 0; r < Rows; ++r) {
        EXPECT_FALSE(grid.IsNode(r));
        EXPECT_EQ(grid.GetRowIndent(r), 0);
        EXPECT_EQ(grid.Cells(1, r), QString("1,%1").arg(r));
    }
}

TEST(StringGridNodes, NodesOnTheSharedFixtureKeepItsHeldOutRows) {
    StringGridFixture grid;  // real rows 4 and 6 held out, a merged area at rows 2-3
    for (int r = 0; r < 8; ++r) grid.SetCells(1, grid.DisplRowIndex(r), QString("1,%1").arg(r));
    grid.AddNode(1, 7);
    grid.ContractNode(1);
    EXPECT_EQ(grid.RowCount(), 2);
    grid.ExpandNode(1);
    // Expanding shows every held-out row between the node and the next shown row.
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    for (int d = 0; d < 8; ++d) EXPECT_EQ(grid.Cells(1, d), QString("1,%1").arg(d));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST(StringGridNodes, IsOnNodeGlyphLeftToRightAndRightToLeft) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(5);
    grid.resize(300, 200);
    grid.AddNode(1, 2);
    grid.AddNode(2, 1);  // level 2
    grid.CellNode()->SetNodeIndent(12);
    const struct {
        TNodeType type;
        int row;
        int x;
        bool rightToLeft;
        bool expected;
    } cases[] = {
        // cnXP: offset 4, half-width 4: level 1 spans (4, 16), level 2 (16, 28).
        {cnXP, 1, 4, false, false},   {cnXP, 1, 5, false, true},    {cnXP, 1, 15, false, true},
        {cnXP, 1, 16, false, false},  {cnXP, 2, 17, false, true},   {cnXP, 2, 28, false, false},
        {cn3D, 1, 1, false, true},    {cn3D, 1, 17, false, true},   {cn3D, 1, 18, false, false},
        {cnLeaf, 1, 2, false, false}, {cnLeaf, 1, 19, false, true}, {cnLeaf, 1, 20, false, false},
        // Right to left, all rows visible: true from width - level*indent - w - 2 up to
        // width - (level - 1) * indent, exclusive.
        {cnXP, 1, 300 - 12 - 4 - 2, true, true}, {cnXP, 1, 300 - 12 - 4 - 3, true, false},
        {cnXP, 1, 299, true, true},              {cnXP, 1, 300, true, false},
        {cnXP, 2, 300 - 24 - 6, true, true},     {cnXP, 2, 300 - 12, true, false},
    };
    for (const auto& c : cases) {
        grid.CellNode()->SetNodeType(c.type);
        grid.SetBiDiMode(c.rightToLeft ? bdRightToLeft : bdLeftToRight);
        EXPECT_EQ(grid.IsOnNodeGlyph(c.row, c.x), c.expected) << c.type << " row " << c.row << " x " << c.x;
    }
    grid.MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(grid.IsOnNodeGlyph(1, 1000));
}

TEST(StringGridNodes, ExpandCells) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultRowHeight(20);
    grid.SetRowHeights(2, 24);
    grid.AddExpand(2, 2, 60);
    EXPECT_TRUE(grid.HasExpand(2, 2));
    EXPECT_FALSE(grid.GetExpandState(2, 2));
    EXPECT_EQ(grid.GetExpandHeight(2, 2, true), 60);
    EXPECT_EQ(grid.GetExpandHeight(2, 2, false), 24);
    EXPECT_TRUE(grid.ToggleExpand(2, 2));
    EXPECT_TRUE(grid.GetExpandState(2, 2));
    EXPECT_FALSE(grid.ToggleExpand(2, 2));
    const TRect cell = grid.CellRect(2, 2);
    const TRect button = grid.GetExpandButtonRect(2, 2);
    EXPECT_EQ(button.Left, cell.Right - 13);
    EXPECT_EQ(button.Top, cell.Top + 2);
    EXPECT_EQ(button.Width(), 11);
    EXPECT_EQ(button.Height(), 11);
    // Cells without the object answer the defaults.
    EXPECT_FALSE(grid.HasExpand(1, 1));
    EXPECT_FALSE(grid.ToggleExpand(1, 1));
    EXPECT_EQ(grid.GetExpandHeight(1, 1, true), 20);
    EXPECT_EQ(grid.GetExpandButtonRect(1, 1).Right, 0);
    grid.RemoveExpand(2, 2);
    EXPECT_FALSE(grid.HasExpand(2, 2));
}

}  // namespace
