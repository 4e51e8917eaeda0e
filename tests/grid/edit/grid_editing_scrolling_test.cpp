// The plain edit while the grid scrolls by wheel, scroll bar and keyboard: it moves with
// its cell while the cell is in view and commits and closes once the cell leaves the
// view; it never stays over another cell, and the typed text reaches only its own cell.

#include "grid/view/keyboard_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

using RuleForm = KeyboardForm<RuleTableFixture>;

constexpr int Rows = 60;

void FillRows(RuleTableFixture& grid) {
    grid.SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r) grid.SetCells(1, r, QString("1,%1").arg(r));
}

// One notch down that scrolls the view by 20 rows, turned over the given widget.
void ScrollByWheelOn(RuleTableFixture& grid, QWidget* target) {
    grid.MouseActions()->SetWheelAction(waScroll);
    grid.MouseActions()->SetWheelIncrement(20);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(target, &wheel);
    QCoreApplication::processEvents();
}

TEST(GridEditingScrollingTest, ThePlainEditStaysOnItsCellOrCommitsAndClosesWhenTheGridScrolls) {
    struct Case {
        const char* Name;
        int Row;  // the edited row; the view starts at the top
        std::function<void(RuleForm&)> Scroll;
        bool CellStaysInView;
    };
    const Case cases[] = {
        {"scroll bar by one row", 6,
         [](RuleForm& f) { f.GridControl->verticalScrollBar()->setValue(f.GridControl->TopRow() + 1); }, true},
        {"scroll bar far down", 2,
         [](RuleForm& f) { f.GridControl->verticalScrollBar()->setValue(30); }, false},
        {"wheel scrolling the view", 2,
         [](RuleForm& f) { ScrollByWheelOn(*f.GridControl, f.GridControl->viewport()); }, false},
        {"wheel on the edit itself", 2,
         [](RuleForm& f) { ScrollByWheelOn(*f.GridControl, f.GridControl->InplaceEditor()); }, false},
        {"page down typed into the edit", 2,
         [](RuleForm& f) { QTest::keyClick(f.GridControl->InplaceEditor(), Qt::Key_PageDown); }, false},
        {"code moving the top row", 3, [](RuleForm& f) { f.GridControl->SetTopRow(2); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        FillRows(grid);
        grid.FocusCell(1, c.Row);
        form.Type('q');
        ASSERT_TRUE(grid.EditMode());
        TInplaceEdit* edit = grid.InplaceEditor();
        ASSERT_TRUE(edit->isVisible());

        c.Scroll(form);
        QCoreApplication::processEvents();

        const bool editShown = grid.EditMode() && edit->isVisible();
        if (editShown) {
            // Still editing: on the cell it was opened for, and over that cell.
            EXPECT_EQ(grid.Col(), 1);
            EXPECT_EQ(grid.Row(), c.Row);
            const TRect cell = grid.CellRect(grid.Col(), grid.Row());
            EXPECT_EQ(edit->geometry().topLeft(), QPoint(cell.Left, cell.Top));
            EXPECT_EQ(edit->Text(), "q");
        } else {
            EXPECT_FALSE(edit->isVisible());
        }
        if (c.CellStaysInView) EXPECT_TRUE(editShown);
        // Whatever happened, the typed text is in its own cell and in no other.
        EXPECT_EQ(grid.Cells(1, c.Row), "q");
        for (int r = 1; r <= Rows; ++r)
            if (r != c.Row) EXPECT_EQ(grid.Cells(1, r), QString("1,%1").arg(r)) << "row " << r;
        if (grid.EditMode()) QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(grid.Cells(1, c.Row), "q");
    }
}

}  // namespace
