// Scroll upkeep, controls in cells, cursors and the small hooks of the grid, on real
// widgets: controls follow their cells with hidden columns and rows, the partner grid
// scrolls along, the cell selector and OnGetCellCursor cursors, and the event hooks.
#include "grid/core/string_grid.h"

#include "platform/form.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

class SupportGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::CellCursorUnderMouse;
    using TExStringGrid::WMSetCursor;
};

class GridEditorSupportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(400, 200);
        Grid = new SupportGrid(nullptr, Form.get());
        Grid->setGeometry(0, 0, 400, 200);
        Grid->SetColCount(6);
        Grid->SetRowCount(30);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    // A control placed in the cell of real column RCol, displayed row ARow.
    TEdit* PlaceControl(int RCol, int ARow) {
        auto* edit = new TEdit(nullptr, Grid->viewport());
        Grid->SetCellControls(RCol, ARow, edit);
        return edit;
    }
    QRect Cell(int ACol, int ARow) const {
        const TRect r = Grid->CellRect(ACol, ARow);
        return QRect(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
    }

    std::unique_ptr<QWidget> Form;
    SupportGrid* Grid = nullptr;
};

// With a hidden column before it, a control keeps to the cell of its own real column,
// also after the list is collected again from the cells.
TEST_F(GridEditorSupportTest, ControlsSitOverTheirCellsWithAHiddenColumn) {
    TEdit* control = PlaceControl(4, 3);
    Grid->HideColumn(2);
    for (const bool rebuild : {false, true}) {
        SCOPED_TRACE(rebuild);
        Grid->CellControlsUpdate(rebuild);
        EXPECT_TRUE(control->isVisible());
        EXPECT_EQ(control->geometry(), Cell(3, 3));
    }
    Grid->HideColumn(4);
    Grid->CellControlsUpdate(true);
    EXPECT_FALSE(control->isVisible());
}

TEST_F(GridEditorSupportTest, ControlsHideWhenScrolledOutAndComeBackAtTheirCells) {
    TEdit* control = PlaceControl(2, 2);
    TEdit* inHiddenRow = PlaceControl(3, 4);
    Grid->HideRow(4);
    Grid->CellControlsUpdate(false);
    EXPECT_FALSE(inHiddenRow->isVisible());
    Grid->SetTopRow(20);
    EXPECT_FALSE(control->isVisible());
    EXPECT_FALSE(inHiddenRow->isVisible());
    Grid->SetTopRow(1);
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->geometry(), Cell(2, 2));
    EXPECT_FALSE(inHiddenRow->isVisible());
}

TEST_F(GridEditorSupportTest, PartnerGridScrollsAlong) {
    auto* partner = new TExStringGrid(nullptr, Form.get());
    partner->SetRowCount(30);
    partner->SetColCount(6);
    Grid->SyncGrid()->SetGrid(partner);
    Grid->SyncGrid()->SetScrollVertical(true);
    Grid->SetTopRow(9);
    EXPECT_EQ(partner->TopRow(), 9);
    Grid->SetLeftCol(2);
    EXPECT_EQ(partner->LeftCol(), 1);  // only the rows follow
}

TEST_F(GridEditorSupportTest, CursorFollowsTheSelectorModeAndTheCellHook) {
    QWidget* view = Grid->viewport();
    QCursor::setPos(view->mapToGlobal(Grid->CellRect(2, 2).ToQRect().center()));
    Grid->SetCellSelectorMode(true);
    Grid->WMSetCursor();
    EXPECT_EQ(view->cursor().pixmap().toImage(),
              TExStringGrid::ResourceCursor(TExStringGrid::CellSelectorCursor).pixmap().toImage());

    Grid->SetCellSelectorMode(false);
    int askedCol = -1, askedRow = -1;
    Grid->OnGetCellCursor = [&](TObject*, int c, int r, int, int, TCursor& cursor) {
        askedCol = c;
        askedRow = r;
        cursor = crHandPoint;
    };
    Grid->HideColumn(1);
    Grid->CellCursorUnderMouse();
    EXPECT_EQ(askedCol, 3);  // displayed 2 is real 3 with real 1 hidden
    EXPECT_EQ(askedRow, 2);
    EXPECT_EQ(Grid->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(GridEditorSupportTest, HooksFireTheirEventsWithTheirIndexes) {
    Grid->HideColumn(1);
    Grid->MoveCurrentCell(2, 4);
    int ellipsCol = -1;
    Grid->OnEllipsClick = [&](TObject*, int c, int, QString& s) {
        ellipsCol = c;
        s += "!";
    };
    EXPECT_EQ(Grid->DoEllipsClick("v"), "v!");
    EXPECT_EQ(ellipsCol, 3);

    EXPECT_TRUE(Grid->CanShowFixedDropDown(2));
    Grid->OnCanShowFixedDropDown = [](TObject*, int, bool& canShow) { canShow = false; };
    EXPECT_FALSE(Grid->CanShowFixedDropDown(2));

    Grid->SetOptions(Grid->Options().Include(goEditing));
    Grid->DisableEditing();
    EXPECT_FALSE(Grid->Options().Contains(goEditing));

    bool designing = true;
    EXPECT_FALSE(Grid->InDesignMode(designing));
    EXPECT_FALSE(designing);

    Grid->UpdateVCLStyleColors();
    EXPECT_EQ(Grid->FindParentForm(Grid), nullptr);
}

TEST_F(GridEditorSupportTest, FindParentFormWalksUpToTheForm) {
    TForm form(nullptr);
    auto* grid = new TExStringGrid(nullptr, &form);
    EXPECT_EQ(TExStringGrid::FindParentForm(grid), &form);
    EXPECT_EQ(TExStringGrid::FindParentForm(nullptr), nullptr);
}

TEST_F(GridEditorSupportTest, NoNextFormControlGivesTheFocusToTheGrid) {
    auto* other = new QLineEdit(Form.get());
    other->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    other->setFocus();
    Grid->SetCells(1, 1, "Name <CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"x\">");
    Grid->ShowNextControlEditor(1, 1, "a");
    EXPECT_TRUE(Grid->hasFocus());
}

}  // namespace
