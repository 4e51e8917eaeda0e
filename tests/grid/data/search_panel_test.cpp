// The search footer's strip: its controls and their wiring, its place under the cells as
// the grid changes size, its paint, and the grid keys that meet it.

#include "grid/data/search_panel.h"

#include "../view/keyboard_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

void ShowPanel(TExStringGrid& grid) {
    grid.SearchFooter()->SetVisible(true);
    grid.SearchPanel()->SetVisible(true);
    grid.SearchPanel()->SetHeight(kSearchPanelHeight);
}

TEST(SearchPanel, ControlsStandWhereTheStripPutsThem) {
    TExStringGrid grid(nullptr);
    grid.resize(600, 300);
    TSearchPanel* panel = grid.SearchPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->height(), 0);
    const struct {
        QWidget* control;
        QRect place;
    } cases[] = {
        {panel->ExitButton(), QRect(5, 7, 14, 14)},
        {panel->ForwardButton(), QRect(140, 5, 90, 23)},
        {panel->BackwardButton(), QRect(235, 5, 90, 23)},
        {panel->HiliteButton(), QRect(330, 5, 90, 23)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.control->geometry(), c.place) << c.control->x();
    EXPECT_EQ(panel->EditControl()->pos(), QPoint(25, 6));
    EXPECT_EQ(panel->EditControl()->width(), 110);
    EXPECT_EQ(panel->MatchCase()->pos(), QPoint(425, 8));
    EXPECT_EQ(panel->HiliteButton()->Style(), tasCheck);
    // Every button carries its pictures: the close button its hot and pressed forms, the
    // find buttons their disabled forms.
    for (TExGridButton* b : {panel->ExitButton(), panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        EXPECT_FALSE(b->Glyph().Empty()) << b->x();
    EXPECT_FALSE(panel->ExitButton()->GlyphHot().Empty());
    EXPECT_FALSE(panel->ExitButton()->GlyphDown().Empty());
    EXPECT_EQ(panel->ForwardButton()->GlyphDisabled().Width(), 16);

    // Laid out right to left, the edit and the buttons mirror; the match-case box stays.
    panel->resize(600, kSearchPanelHeight);
    panel->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(panel->EditControl()->x(), 600 - 110 - 25);
    EXPECT_EQ(panel->ForwardButton()->x(), 600 - 90 - 140);
    EXPECT_EQ(panel->MatchCase()->x(), 425);
}

TEST(SearchPanel, EditEnablesTheFindButtonsAndReturnKeysFindNextAndPrevious) {
    TExStringGrid grid(nullptr);
    grid.resize(600, 300);
    ShowPanel(grid);
    grid.show();
    TSearchPanel* panel = grid.SearchPanel();
    int changes = 0, forward = 0, backward = 0, exits = 0, highlights = 0;
    panel->OnEditChange = [&](TObject*) { ++changes; };
    panel->OnForwardClick = [&](TObject*) { ++forward; };
    panel->OnBackwardClick = [&](TObject*) { ++backward; };
    panel->OnExitClick = [&](TObject*) { ++exits; };
    panel->OnHighlightClick = [&](TObject*) { ++highlights; };

    const auto findButtons = {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()};
    for (TExGridButton* b : findButtons) EXPECT_FALSE(b->isEnabled());
    // Nothing to find: Return does nothing.
    QTest::keyClick(panel->EditControl(), Qt::Key_Return);
    EXPECT_EQ(forward, 0);

    QTest::keyClicks(panel->EditControl(), "ab");
    EXPECT_EQ(changes, 2);
    for (TExGridButton* b : findButtons) EXPECT_TRUE(b->isEnabled());
    QTest::keyClick(panel->EditControl(), Qt::Key_Return);
    QTest::keyClick(panel->EditControl(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(forward, 1);
    EXPECT_EQ(backward, 1);
    EXPECT_EQ(panel->EditControl()->Text(), "ab") << "no line break enters the edit";

    QTest::mouseClick(panel->ExitButton(), Qt::LeftButton, Qt::NoModifier, {5, 5});
    QTest::mouseClick(panel->HiliteButton(), Qt::LeftButton, Qt::NoModifier, {5, 5});
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(highlights, 1);
    EXPECT_TRUE(panel->HiliteButton()->Down()) << "the highlight button stays down";

    panel->EditControl()->clear();
    for (TExGridButton* b : findButtons) EXPECT_FALSE(b->isEnabled());
}

TEST(SearchPanel, CaptionsAndHintsReachTheirControls) {
    TExStringGrid grid(nullptr);
    TSearchPanel* panel = grid.SearchPanel();
    panel->SetFindNextCaption("Find &next");
    panel->SetFindPrevCaption("Find &previous");
    panel->SetHighLightCaption("&Highlight");
    panel->SetMatchCaseCaption("Match case");
    panel->SetHintFindNext("Next match");
    panel->SetHintClose("");
    EXPECT_EQ(panel->ForwardButton()->Caption(), "Find &next");
    EXPECT_EQ(panel->BackwardButton()->Caption(), "Find &previous");
    EXPECT_EQ(panel->HiliteButton()->Caption(), "&Highlight");
    EXPECT_EQ(panel->MatchCase()->Caption(), "Match case");
    EXPECT_TRUE(panel->ForwardButton()->ShowHint());
    EXPECT_EQ(panel->ForwardButton()->Hint(), "Next match");
    EXPECT_FALSE(panel->ExitButton()->ShowHint());
}

TEST(SearchPanel, ShownStripTakesItsRoomUnderTheCellsAndFollowsResizes) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(50);
    grid.resize(400, 300);
    grid.show();
    const int cellsHeight = grid.viewport()->height();
    const int borders = 300 - cellsHeight;
    const int rowsBefore = grid.VisibleRowCount();
    ShowPanel(grid);
    TSearchPanel* panel = grid.SearchPanel();
    const QRect cells = grid.viewport()->geometry();
    EXPECT_EQ(cells.height(), cellsHeight - kSearchPanelHeight);
    EXPECT_LT(grid.VisibleRowCount(), rowsBefore);
    EXPECT_EQ(panel->geometry(), QRect(cells.left(), cells.bottom() + 1, cells.width(), kSearchPanelHeight));

    grid.resize(500, 360);
    QApplication::processEvents();
    const QRect wider = grid.viewport()->geometry();
    EXPECT_EQ(panel->geometry(), QRect(wider.left(), wider.bottom() + 1, wider.width(), kSearchPanelHeight));

    panel->SetHeight(0);
    panel->SetVisible(false);
    EXPECT_EQ(grid.viewport()->height(), 360 - borders) << "hidden, the strip gives its room back";
}

TEST(SearchPanel, PaintsItsColourOrGradientUnderALineInTheGridLineColour) {
    TExStringGrid grid(nullptr);
    grid.resize(500, 200);
    ShowPanel(grid);
    TSearchPanel* panel = grid.SearchPanel();
    panel->SetColor(0x00FF00);
    panel->SetColorTo(clNone);  // the footer's own end colour would make a gradient
    grid.SetGridLineColor(0x0000FF);
    QImage image = panel->grab().toImage();
    EXPECT_EQ(image.pixelColor(480, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(480, 20), QColor(0, 255, 0));
    panel->SetColorTo(0x000000);
    image = panel->grab().toImage();
    EXPECT_GT(image.pixelColor(480, 3).green(), image.pixelColor(480, 29).green());
}

class SearchFooterKeys : public ::testing::Test {
protected:
    KeyboardForm<PlainKeyGrid> Form{40};
    PlainKeyGrid& Grid = *Form.GridControl;
    void SetUp() override {
        ShowPanel(Grid);
        Grid.setFocus();
    }
    int LastRowBottom() { return Grid.CellRect(1, Grid.RowCount() - 1).Bottom; }
};

TEST_F(SearchFooterKeys, CtrlFGoesToTheSearchEdit) {
    Form.Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Grid.SearchPanel()->EditControl()->hasFocus());
}

TEST_F(SearchFooterKeys, LastRowStaysAboveTheStripAndKeysStopAtTheEnd) {
    int keyDowns = 0;
    Grid.OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keyDowns; };
    Form.Key(Qt::Key_End, Qt::ControlModifier);
    Form.Key(Qt::Key_Down);
    ASSERT_EQ(Grid.Row(), Grid.RowCount() - 1);
    EXPECT_GT(LastRowBottom(), 0);
    EXPECT_LE(LastRowBottom(), Grid.viewport()->height());
    EXPECT_LE(Grid.viewport()->geometry().bottom(), Grid.SearchPanel()->y());
    // Down on the last row, Right in its last column: nothing moves, OnKeyDown still runs.
    const int top = Grid.TopRow();
    const int before = keyDowns;
    Form.Key(Qt::Key_Down);
    Grid.SetCol(Grid.ColCount() - 1);
    Form.Key(Qt::Key_Right);
    EXPECT_EQ(Grid.Row(), Grid.RowCount() - 1);
    EXPECT_EQ(Grid.Col(), Grid.ColCount() - 1);
    EXPECT_EQ(Grid.TopRow(), top);
    EXPECT_EQ(keyDowns, before + 2);
    // Scrolling above the strip where the grid cannot scroll further ends at once.
    Grid.ScrollAboveSearchFooter();
    EXPECT_EQ(Grid.TopRow(), top);
}

}  // namespace
