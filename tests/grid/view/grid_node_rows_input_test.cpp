// Node rows under the keys and the mouse: Left and Right fold a node row whose current
// cell is merged, a press on a row's glyph folds it once the before-events allow it, and
// a press beside the glyph in the tree column only reports the click.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <vector>

namespace {

class NodeRowsTest : public HoverGridTest {
protected:
    static constexpr int NodeRow = 1;
    static constexpr int Covered = 4;  // the node row and three rows under it

    void SetUp() override {
        HoverGridTest::SetUp();
        Grid->MouseActions()->SetPreciseNodeClick(true);
        Grid->AddNode(NodeRow, Covered);
        Grid->MergeCells(1, NodeRow, 3, 1);
    }
    int Glyph() const {
        for (int x = 0; x < Grid->ColWidths(0); ++x)
            if (Grid->IsOnNodeGlyph(NodeRow, x)) return x;
        return -1;
    }
    QPoint OnGlyph() const { return {Glyph(), Centre(0, NodeRow).y()}; }
    int RowsShown() const { return Grid->RowCount(); }
};

TEST_F(NodeRowsTest, LeftAndRightFoldOnlyOnTheMergedCaption) {
    const int all = RowsShown();
    struct Case {
        const char* Name;
        int Col;
        Qt::Key Key;
        int Rows;
    };
    const Case cases[] = {
        {"Left on the caption contracts", 1, Qt::Key_Left, all - (Covered - 1)},
        {"Left again keeps it contracted", 1, Qt::Key_Left, all - (Covered - 1)},
        {"Right on an unmerged cell does nothing", 5, Qt::Key_Right, all - (Covered - 1)},
        {"Right on the caption expands", 1, Qt::Key_Right, all},
        {"Left on an unmerged cell does nothing", 5, Qt::Key_Left, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetRow(NodeRow);
        Grid->SetCol(c.Col);
        QTest::keyClick(Grid, c.Key);
        EXPECT_EQ(RowsShown(), c.Rows);
    }
}

TEST_F(NodeRowsTest, GlyphPressAsksFirstThenFoldsAndReports) {
    ASSERT_GE(Glyph(), 0);
    std::vector<QString> heard;
    bool allow = false;
    Grid->OnBeforeContractNode = [&](TObject*, int row, int real, bool& a) {
        heard.push_back(QString("before contract %1 %2").arg(row).arg(real));
        a = allow;
    };
    Grid->OnContractNode = [&](TObject*, int row, int real) {
        heard.push_back(QString("contract %1 %2").arg(row).arg(real));
    };
    Grid->OnExpandNode = [&](TObject*, int row, int real) {
        heard.push_back(QString("expand %1 %2").arg(row).arg(real));
    };
    Grid->OnClickCell = [&](TObject*, int row, int col) { heard.push_back(QString("click %1 %2").arg(row).arg(col)); };
    const int all = RowsShown();
    Grid->SetRow(5);

    QTest::mouseClick(View(), Qt::LeftButton, {}, OnGlyph());
    EXPECT_EQ(RowsShown(), all);
    allow = true;
    QTest::mouseClick(View(), Qt::LeftButton, {}, OnGlyph());
    EXPECT_EQ(RowsShown(), all - (Covered - 1));
    QTest::mouseClick(View(), Qt::LeftButton, {}, OnGlyph());
    EXPECT_EQ(RowsShown(), all);
    EXPECT_EQ(heard, (std::vector<QString>{"click 1 0", "before contract 1 1", "click 1 0", "before contract 1 1",
                                           "contract 1 1", "click 1 0", "expand 1 1"}));
    // The glyph never moves the current cell unless MoveRowOnNodeClick asks for it.
    EXPECT_EQ(Grid->Row(), 5);
    Grid->MouseActions()->SetMoveRowOnNodeClick(true);
    QTest::mouseClick(View(), Qt::LeftButton, {}, OnGlyph());
    EXPECT_EQ(Grid->Row(), NodeRow);
}

TEST_F(NodeRowsTest, PressBesideTheGlyphInTheTreeColumnOnlyReports) {
    std::vector<int> clicked;
    Grid->OnClickCell = [&](TObject*, int row, int) { clicked.push_back(row); };
    const int all = RowsShown();
    Grid->SetRow(5);
    const QPoint beside(Grid->ColWidths(0) - 2, Centre(0, 3).y());
    ASSERT_FALSE(Grid->IsOnNodeGlyph(3, beside.x()));
    QTest::mouseClick(View(), Qt::LeftButton, {}, beside);
    EXPECT_EQ(clicked, std::vector<int>{3});
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(RowsShown(), all);
}

}  // namespace
