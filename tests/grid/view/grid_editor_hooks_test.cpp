// The grid's hooks for custom editors: the key filter on the editor control and the
// relay of a unit change, on a plain line edit standing in for the editor control.
#include "grid/view/grid_editor_hooks.h"

#include "grid/core/string_grid.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// A plain line edit that notes the keys its own handler received.
class RecordingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::vector<int> Keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Shift) Keys.push_back(event->key());
        QLineEdit::keyPressEvent(event);
    }
};

class EditLinkControlHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(300, 200);
        Grid = new TExStringGrid(nullptr, Form.get());
        Grid->setGeometry(0, 60, 300, 140);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Editor = new RecordingEdit(Form.get());
        Editor->setGeometry(0, 0, 100, 24);
        Next = new QLineEdit(Form.get());
        Next->setGeometry(110, 0, 100, 24);
        new TEditLinkControlHook(Grid, Editor);
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Editor->setText("abcd");
        Editor->setFocus();
    }

    void SetTabs(bool on) {
        TGridOptions options = Grid->Options();
        if (on) options.Include(goTabs);
        else options.Exclude(goTabs);
        Grid->SetOptions(options);
    }

    std::unique_ptr<QWidget> Form;
    TExStringGrid* Grid = nullptr;
    RecordingEdit* Editor = nullptr;
    QLineEdit* Next = nullptr;
};

TEST_F(EditLinkControlHookTest, WithTabsTheControlKeepsTabAndGetsTheArrows) {
    SetTabs(true);
    QTest::keyClick(Editor, Qt::Key_Tab);
    QTest::keyClick(Editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(Editor->hasFocus());
    QTest::keyClick(Editor, Qt::Key_Home);
    QTest::keyClick(Editor, Qt::Key_Right);
    EXPECT_EQ(Editor->cursorPosition(), 1);
    EXPECT_EQ(Editor->Keys, (std::vector<int>{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Home, Qt::Key_Right}));
}

TEST_F(EditLinkControlHookTest, WithoutTabsTabMovesOnAsForAControlAlone) {
    SetTabs(false);
    QTest::keyClick(Editor, Qt::Key_Tab);
    EXPECT_TRUE(Next->hasFocus());
    EXPECT_TRUE(Editor->Keys.empty());
}

TEST_F(EditLinkControlHookTest, TheHookOutlivesTheGridHarmlessly) {
    SetTabs(true);
    delete Grid;
    Grid = nullptr;
    QTest::keyClick(Editor, Qt::Key_Tab);
    EXPECT_TRUE(Next->hasFocus());
}

TEST(UnitEditUnitChangedTest, RelaysTheUnitWithTheCurrentCell) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.UnitEditUnitChanged(&grid, "mm");  // no handler: nothing happens
    grid.SetCol(3);
    grid.SetRow(4);
    std::vector<QString> calls;
    grid.OnUnitChanged = [&](TObject* sender, int col, int row, const QString& unit) {
        EXPECT_EQ(sender, &grid);
        calls.push_back(QString("%1,%2,%3").arg(col).arg(row).arg(unit));
    };
    grid.UnitEditUnitChanged(nullptr, "kg");
    EXPECT_EQ(calls, std::vector<QString>{"3,4,kg"});
}

}  // namespace
