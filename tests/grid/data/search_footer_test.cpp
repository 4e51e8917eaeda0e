// The search footer at work with real input offscreen: finding while typing, the red
// edit, Return and Ctrl+Return, the highlight toggle, close, and the settings that the
// grid copies into the strip.

#include "grid/data/search_panel.h"

#include "grid/core/grid_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

// Column 1 and 2 hold "item r" and "part r" for rows 1..8; row 5 also "special".
class SearchFooterGrid : public ::testing::Test {
protected:
    TExStringGrid Grid{nullptr};
    TSearchPanel* Panel = nullptr;
    void SetUp() override {
        Grid.SetColCount(3);
        Grid.SetRowCount(9);
        for (int r = 1; r <= 8; ++r) {
            Grid.SetCells(1, r, QString("item %1").arg(r));
            Grid.SetCells(2, r, QString("part %1").arg(r));
        }
        Grid.SetCells(2, 5, "special part");
        Grid.resize(600, 300);
        Grid.SearchFooter()->SetVisible(true);
        Grid.show();
        QApplication::setActiveWindow(&Grid);
        (void)QTest::qWaitForWindowExposed(&Grid);
        Panel = Grid.SearchPanel();
        Panel->EditControl()->setFocus();
    }
    TRetEdit* Edit() { return Panel->EditControl(); }
    QColor EditBase() { return Edit()->palette().color(QPalette::Base); }
    TPoint Current() { return TPoint{Grid.Col(), Grid.Row()}; }
};

TEST_F(SearchFooterGrid, VisibleSettingShowsTheStripWithTheFootersLook) {
    EXPECT_TRUE(Panel->isVisible());
    EXPECT_EQ(Panel->height(), kSearchPanelHeight);
    Grid.SearchFooter()->SetFindNextCaption("Next");
    Grid.SearchFooter()->SetShowHighLight(false);
    Grid.SearchFooter()->SetColorTo(0x00FF00);
    EXPECT_EQ(Panel->ForwardButton()->Caption(), "Next");
    EXPECT_TRUE(Panel->HiliteButton()->isHidden());
    EXPECT_EQ(Panel->MatchCase()->x(), 330);
    EXPECT_EQ(Panel->ColorTo(), TColor(0x00FF00));
    Grid.SearchFooter()->SetVisible(false);
    EXPECT_FALSE(Panel->isVisible());
}

TEST_F(SearchFooterGrid, TypingFindsAndTurnsTheEditRedWhileNothingMatches) {
    TSearchAction lastAction = saFindNext;
    TPoint reported{0, 0};
    Grid.OnSearchFooterAction = [&](TObject*, const QString&, int ACol, int ARow, TSearchAction Action) {
        reported = TPoint{ACol, ARow};
        lastAction = Action;
    };
    const QColor window = EditBase();
    QTest::keyClicks(Edit(), "speci");
    EXPECT_EQ(Current(), (TPoint{2, 5}));
    EXPECT_EQ(reported, (TPoint{2, 5}));
    EXPECT_EQ(lastAction, saFindFirst);
    EXPECT_EQ(EditBase(), window);
    QTest::keyClicks(Edit(), "x");
    EXPECT_EQ(EditBase(), QColor(255, 0, 0));
    EXPECT_EQ(reported, (TPoint{-1, -1}));
    QTest::keyClick(Edit(), Qt::Key_Backspace);
    EXPECT_EQ(EditBase(), window) << "back to a match";
    Edit()->clear();
    EXPECT_EQ(EditBase(), window);
}

TEST_F(SearchFooterGrid, ReturnAndCtrlReturnStepThroughTheMatches) {
    QTest::keyClicks(Edit(), "item");
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Current(), (TPoint{1, 3}));
    QTest::keyClick(Edit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    EXPECT_EQ(Edit()->Text(), "item");
    // Along the rows the next match is beside, backwards still up the column.
    Grid.SearchFooter()->SetSearchDirection(sdLeftRight);
    Edit()->SetText("t");  // "item 1" and "part 1" both hold it
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Current(), (TPoint{2, 1}));
    QTest::keyClick(Edit(), Qt::Key_Return);
    QTest::keyClick(Edit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
}

TEST_F(SearchFooterGrid, TheHighlightToggleWrapsTheMatchesAndGivesTheCellsBack) {
    Grid.SetCells(1, 8, "item & <8>");
    QTest::keyClicks(Edit(), "item");
    QTest::mouseClick(Panel->HiliteButton(), Qt::LeftButton, Qt::NoModifier, {5, 5});
    ASSERT_TRUE(Panel->HiliteButton()->Down());
    EXPECT_EQ(Grid.Cells(1, 1), "<hi>item</hi> 1");
    EXPECT_EQ(Grid.Cells(1, 8), "<hi>item</hi> &amp; &lt;8&gt;");
    // Typing on re-highlights the longer text, and still finds through the tags.
    QTest::keyClicks(Edit(), " 8");
    EXPECT_EQ(Grid.Cells(1, 1), "item 1");
    EXPECT_EQ(Grid.Cells(1, 8), "item & <8>") << "no match any more";
    Edit()->SetText("item 2");
    EXPECT_EQ(Grid.Cells(1, 2), "<hi>item 2</hi>");
    EXPECT_EQ(Current(), (TPoint{1, 2}));
    QTest::mouseClick(Panel->HiliteButton(), Qt::LeftButton, Qt::NoModifier, {5, 5});
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(Grid.Cells(1, r), QString("item %1").arg(r));
    EXPECT_EQ(Grid.Cells(1, 8), "item & <8>");
}

TEST_F(SearchFooterGrid, CloseHidesTheFooterAfterItsEvent) {
    bool visibleInEvent = false;
    Grid.OnSearchFooterClose = [&](TObject*) { visibleInEvent = Grid.SearchFooter()->Visible(); };
    QTest::mouseClick(Panel->ExitButton(), Qt::LeftButton, Qt::NoModifier, {5, 5});
    EXPECT_TRUE(visibleInEvent);
    EXPECT_FALSE(Grid.SearchFooter()->Visible());
    EXPECT_FALSE(Panel->isVisible());
}

TEST_F(SearchFooterGrid, AHandlerCanTakeOverTheSearch) {
    Grid.OnSearchEditChange = [](TObject*, const QString&, bool& DefaultSearch) { DefaultSearch = false; };
    Grid.MoveCurrentCell(2, 3);
    QTest::keyClicks(Edit(), "item");
    EXPECT_EQ(Current(), (TPoint{2, 3}));
}

}  // namespace
