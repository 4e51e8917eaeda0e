// Progress indicators, cell scroll bars, comments, error markers and balloons: each
// kind's Add, Get and Remove, and markers and balloons that leave the object beside them
// untouched.

#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(StringGridIndicators, ProgressKindsStoreTheirFields) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(4);
    grid.AddProgress(1, 1, clBlue, clWhite);
    grid.AddProgressEx(2, 1, clBlue, clYellow, clWhite, clBlack);
    grid.AddProgressFormatted(3, 1, clBlue, clYellow, clWhite, clBlack, QStringLiteral("%.0f%%"), 10, 50);
    grid.AddProgressPie(4, 1, clRed, 40);
    grid.AddExProgress(1, 2, -5, 5);
    grid.AddRangeIndicator(2, 2, 100, clRed, clGreen, true);
    const struct {
        int col, row;
        TCellType kind;
        TColor color, colorTo;
        bool boolean;
        int from, len;
        const char* text;
    } cases[] = {
        {1, 1, ctProgress, clBlue, clWhite, false, 0, 100, ""},
        {2, 1, ctProgress, clBlue, clWhite, true, 0, 100, ""},
        {3, 1, ctProgress, clBlue, clWhite, true, 10, 50, "%.0f%%"},
        {1, 2, ctXPProgress, clNone, clNone, false, -5, 5, ""},
        {2, 2, ctRangeIndicator, clRed, clGreen, true, 0, 0, ""},
    };
    for (const auto& c : cases) {
        const TCellGraphic* g = grid.CellGraphics(c.col, c.row);
        ASSERT_NE(g, nullptr) << c.col;
        EXPECT_EQ(g->CellType(), c.kind) << c.col << "," << c.row;
        EXPECT_EQ(g->CellColor(), c.color) << c.col << "," << c.row;
        EXPECT_EQ(g->CellColorTo(), c.colorTo) << c.col << "," << c.row;
        EXPECT_EQ(g->CellBoolean(), c.boolean) << c.col << "," << c.row;
        EXPECT_EQ(g->CellErrFrom(), c.from) << c.col << "," << c.row;
        EXPECT_EQ(g->CellErrLen(), c.len) << c.col << "," << c.row;
        EXPECT_EQ(g->CellText(), QString::fromUtf8(c.text)) << c.col << "," << c.row;
    }
    EXPECT_EQ(grid.CellGraphics(2, 1)->CellTextColor(), clYellow);
    EXPECT_EQ(grid.CellGraphics(2, 1)->CellTextColorTo(), clBlack);
    EXPECT_EQ(grid.CellGraphics(2, 2)->CellIndex(), 100);
    grid.SetProgressPie(4, 1, 75);
    EXPECT_EQ(grid.CellGraphics(4, 1)->CellAngle(), 75);
    EXPECT_EQ(grid.CellGraphics(4, 1)->CellHAlign(), haBeforeText);

    EXPECT_TRUE(grid.HasProgress(1, 1));
    grid.RemoveProgress(1, 1);
    grid.RemoveProgressPie(4, 1);
    grid.RemoveExProgress(1, 2);
    grid.RemoveRangeIndicator(2, 2);
    grid.RemoveProgress(2, 2);  // wrong kind: nothing
    for (const auto& [c, r] : {std::pair{1, 1}, {4, 1}, {1, 2}, {2, 2}}) EXPECT_EQ(grid.GetCellType(c, r), ctEmpty);

    // With AutoNumAlign a new progress bar right-justifies its cell.
    EXPECT_NE(grid.Alignments(5, 3), taRightJustify);
    grid.SetAutoNumAlign(true);
    grid.AddProgress(5, 3, clBlue, clWhite);
    EXPECT_EQ(grid.Alignments(5, 3), taRightJustify);
}

TEST(StringGridIndicators, CellScrollBars) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetRowHeights(1, 30);
    EXPECT_EQ(grid.GetScrollProp(1, 1).PageSize, -1);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, -1);
    EXPECT_EQ(grid.GetScrollPosition(1, 1), -1);
    grid.AddScrollBar(1, 1, false);
    EXPECT_TRUE(grid.HasScrollBar(1, 1));
    EXPECT_FALSE(grid.HasAutoRangeScrollBar(1, 1));
    EXPECT_EQ(grid.GetScrollProp(1, 1).PageSize, 0);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, 100);
    grid.SetScrollPosition(1, 1, 7);
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 7);
    grid.SetScrollProp(1, 1, TScrollProp{5, 50});
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, 50);

    // Automatic range: page = row height, range = the text's height, refitted on writes.
    grid.SetColWidths(2, 40);
    grid.AddScrollBar(2, 1, true);
    EXPECT_EQ(grid.GetScrollProp(2, 1).PageSize, 30);
    const int oneLine = grid.GetScrollProp(2, 1).Range;
    grid.SetCells(2, 1, QStringLiteral("a long text that wraps over several lines of this narrow cell"));
    EXPECT_GT(grid.GetScrollProp(2, 1).Range, oneLine);
    grid.RemoveScrollBar(2, 1);
    EXPECT_FALSE(grid.HasScrollBar(2, 1));
}

TEST(StringGridIndicators, Comments) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.ControlLook()->CommentColor = clFuchsia;
    grid.AddComment(1, 1, QStringLiteral("first"));
    grid.AddColorComment(2, 1, QStringLiteral("second"), clBlue);
    QString comment = QStringLiteral("untouched");
    EXPECT_TRUE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, QStringLiteral("first"));
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellTextColor(), clFuchsia);
    EXPECT_EQ(grid.CellGraphics(2, 1)->CellTextColor(), clBlue);
    comment = QStringLiteral("untouched");
    EXPECT_FALSE(grid.IsComment(3, 1, comment));
    EXPECT_EQ(comment, QStringLiteral("untouched"));

    grid.SetComment(1, 1, QStringLiteral("changed"));
    grid.SetCellComment(3, 3, QStringLiteral("new"));
    EXPECT_EQ(grid.CellComment(1, 1), QStringLiteral("changed"));
    EXPECT_EQ(grid.GetComment(3, 3), QStringLiteral("new"));
    // A progress bar keeps its place: no comment is stored.
    grid.AddProgress(3, 2, clBlue, clWhite);
    grid.SetComment(3, 2, QStringLiteral("lost"));
    EXPECT_EQ(grid.GetComment(3, 2), QString());
    EXPECT_TRUE(grid.HasProgress(3, 2));

    grid.RemoveComment(2, 1);
    EXPECT_EQ(grid.GetCellType(2, 1), ctEmpty);
    grid.RemoveAllComments();
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(3, 3), ctEmpty);
    EXPECT_TRUE(grid.HasProgress(3, 2));
}

TEST(StringGridIndicators, MarkersNeverChangeRangesOrSubNodeCounts) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.AddProgressFormatted(1, 1, clBlue, clYellow, clWhite, clBlack, QString(), 10, 50);
    grid.AddScrollBar(2, 1, false);
    grid.AddNode(2, 3);
    grid.InsertChildRow(3, 1);
    ASSERT_EQ(grid.GetSubNodeCount(2), 1);

    grid.AddMarker(1, 1, 2, 3);
    grid.AddMarker(2, 1, 1, 1);
    grid.AddMarker(0, 2, 4, 4);
    grid.AddMarker(3, 4, 1, 2);  // a bare cell gets a record of its own
    int pos = -1, len = -1;
    grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(grid.GetCellType(3, 4), ctEmpty);
    EXPECT_NE(grid.CellGraphics(3, 4), nullptr);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellErrFrom(), 10);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellErrLen(), 50);

    grid.RemoveAllMarkers();
    grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(grid.CellGraphics(3, 4), nullptr);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellErrFrom(), 10);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellErrLen(), 50);
    EXPECT_EQ(grid.GetScrollProp(2, 1).Range, 100);
    EXPECT_EQ(grid.GetSubNodeCount(2), 1);
    grid.GetMarker(3, 3, pos, len);
    EXPECT_EQ(pos, 0);
}

TEST(StringGridIndicators, BalloonsOnBareCellsAndBesideBoxes) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(4);
    grid.AddCheckBox(2, 1, true, false);
    grid.AddRadioButton(3, 1, false);
    grid.AddCheckBox(4, 1, cbGrayed);
    grid.AddComment(5, 1, QStringLiteral("c"));
    for (int c = 1; c <= 5; ++c) grid.AddBalloon(c, 1, QStringLiteral("Title %1").arg(c), QStringLiteral("Text"), biWarning);

    const struct {
        int col;
        bool balloon;  // IsBalloon
        bool hasBalloon;  // HasBalloon counts only the balloon record
        TCellType kind;
    } cases[] = {
        {1, true, true, ctBalloon},        {2, true, false, ctCheckBox},  {3, true, false, ctRadioButton},
        {4, false, false, ctTriStateCheckBox}, {5, false, false, ctComment},
    };
    for (const auto& c : cases) {
        QString title, text;
        int icon = -1;
        EXPECT_EQ(grid.IsBalloon(c.col, 1, title, text, icon), c.balloon) << c.col;
        EXPECT_EQ(grid.HasBalloon(c.col, 1), c.hasBalloon) << c.col;
        EXPECT_EQ(grid.GetCellType(c.col, 1), c.kind) << c.col;
        if (!c.balloon) continue;
        EXPECT_EQ(title, QString("Title %1").arg(c.col));
        EXPECT_EQ(text, QStringLiteral("Text"));
        EXPECT_EQ(icon, biWarning);
    }
    EXPECT_TRUE(grid.IsChecked(2, 1));

    // A copied record keeps the balloon.
    TCellGraphic copy;
    copy.Assign(grid.CellGraphics(2, 1));
    EXPECT_TRUE(copy.CellHasBalloon());
    EXPECT_EQ(copy.CellBalloonTitle(), QStringLiteral("Title 2"));

    grid.RemoveBalloon(2, 1);
    grid.RemoveBalloon(1, 1);
    QString title, text;
    int icon = 0;
    EXPECT_FALSE(grid.IsBalloon(2, 1, title, text, icon));
    EXPECT_TRUE(grid.HasCheckBox(2, 1));
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
}

}  // namespace
