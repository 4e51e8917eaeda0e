// The grid's spin, edit-with-button, unit, check box and push button editors on a grid
// with one column per kind, driven with real keys and clicks: what each shows when it
// opens, what the cell holds after Enter, Esc and Tab, validation refusals, the spin's
// page keys, the character filters and the unit menu.
#include "cell_editors_fixture.h"

#include "grid/edit/grid_button.h"
#include "grid/edit/grid_check_box.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_unit_edit_btn.h"
#include "platform/message_beep.h"

#include <QMenu>

namespace {

using CellEditorsTest = CellEditorsFixture;

// One row per kind and ending: the cell's text, what the opened editor shows, the keys
// typed into it (Ctrl+A first selects all), the ending key and the cell's text after.
struct EndingCase {
    const char* Name;
    int RealCol;
    QString Before;
    QString Shown;
    QString Typed;
    Qt::Key Ending;
    QString After;
};

TEST_F(CellEditorsTest, EachKindOpensShowsTheCellAndStoresByItsEndingKey) {
    const EndingCase cases[] = {
        {"spin Enter stores the typed number", CellEditorGrid::Spin, "12", "12", "34", Qt::Key_Return, "34"},
        {"spin on an empty cell opens on 0", CellEditorGrid::Spin, "", "0", "", Qt::Key_Return, "0"},
        {"spin reads the leading number", CellEditorGrid::Spin, "12 pcs", "12", "", Qt::Key_Return, "12"},
        {"spin Esc keeps an empty cell empty", CellEditorGrid::Spin, "", "0", "5", Qt::Key_Escape, ""},
        {"spin Esc keeps a text that is no number", CellEditorGrid::Spin, "abc", "0", "7", Qt::Key_Escape, "abc"},
        {"float spin drops thousand separators", CellEditorGrid::FloatSpin, "1,234.5", "1234.5", "", Qt::Key_Escape,
         "1,234.5"},
        {"edit button Enter stores the text", CellEditorGrid::EditBtn, "abc", "abc", "xyz", Qt::Key_Return, "xyz"},
        {"edit button Esc puts the old text back", CellEditorGrid::EditBtn, "abc", "abc", "xyz", Qt::Key_Escape, "abc"},
        {"unit edit stores value and unit together", CellEditorGrid::Unit, "12mm", "12", "15", Qt::Key_Return, "15mm"},
        {"unit edit keeps a text in no unit whole", CellEditorGrid::Unit, "12in", "12in", "", Qt::Key_Return, "12in"},
        {"unit edit Esc keeps the cell", CellEditorGrid::Unit, "12mm", "12", "99", Qt::Key_Escape, "12mm"},
        {"check box stores nothing", CellEditorGrid::Check, "Yes", "Yes", "", Qt::Key_Return, "Yes"},
    };
    TStringList units;
    units.Add("mm");
    units.Add("cm");
    Grid().BtnUnitEdit()->SetUnits(&units);
    // Equal limits: no limit, so the float case is not held to the default 100.
    Grid().GetSpinEdit()->SetMaxFloatValue(0);
    for (const EndingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        OpenOn(c.RealCol, c.Before);
        ASSERT_TRUE(Grid().EditMode());
        QWidget* editor = Focused();
        ASSERT_NE(editor, &Grid());
        ASSERT_TRUE(editor->isVisible());
        QString shown;
        if (auto* edit = dynamic_cast<TCustomMaskEdit*>(editor)) shown = edit->Text();
        if (auto* box = dynamic_cast<TGridCheckBox*>(editor)) {
            shown = box->text();
            EXPECT_FALSE(box->isChecked());
        }
        EXPECT_EQ(shown, c.Shown);
        if (!c.Typed.isEmpty()) {
            Key(Qt::Key_A, Qt::ControlModifier);
            Type(c.Typed);
        }
        Key(c.Ending);
        Settle();
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(Cell(c.RealCol), c.After);
    }
}

TEST_F(CellEditorsTest, FocusLeavingTheEditorStoresItsValueAndClosesIt) {
    struct LeaveCase {
        int RealCol;
        QString Before;
        QString After;
    };
    const LeaveCase cases[] = {
        {CellEditorGrid::Spin, "1", "42"},
        {CellEditorGrid::EditBtn, "a", "42"},
        {CellEditorGrid::Unit, "1", "42"},
        {CellEditorGrid::Custom, "a", "42"},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.RealCol);
        int done = 0;
        Grid().OnEditingDone = [&](TObject*) { ++done; };
        OpenOn(c.RealCol, c.Before);
        QWidget* editor = Focused();
        ASSERT_NE(editor, &Grid());
        Key(Qt::Key_A, Qt::ControlModifier);
        Type("42");
        Form->After->setFocus();
        Settle();
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(Cell(c.RealCol), c.After);
        EXPECT_EQ(done, 1);
        Grid().setFocus();
    }
}

TEST_F(CellEditorsTest, RefusedValueKeepsTheEditorOpenOnTheCellWithTheOldText) {
    Grid().OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) { Valid = Value != "66"; };
    for (int col : {int(CellEditorGrid::Spin), int(CellEditorGrid::EditBtn), int(CellEditorGrid::Unit)}) {
        SCOPED_TRACE(col);
        OpenOn(col, "5");
        Key(Qt::Key_A, Qt::ControlModifier);
        Type("66");
        Key(Qt::Key_Return);
        Settle();
        EXPECT_TRUE(Grid().EditMode());
        EXPECT_EQ(Grid().Col(), Displayed(col));
        EXPECT_EQ(Cell(col), "5");
        auto* edit = dynamic_cast<TCustomMaskEdit*>(Focused());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), "5");
        Key(Qt::Key_Escape);
        Settle();
        EXPECT_FALSE(Grid().EditMode());
    }
}

TEST_F(CellEditorsTest, TabStoresAndWalksWithGoTabsAndStaysInTheRowWithout) {
    for (bool goTabsOn : {true, false}) {
        SCOPED_TRACE(goTabsOn);
        Grid().SetOptions(goTabsOn ? Grid().Options().Include(goTabs) : Grid().Options().Exclude(goTabs));
        OpenOn(CellEditorGrid::EditBtn, "a");
        Key(Qt::Key_End);
        Type("b");
        Key(Qt::Key_Tab);
        Settle();
        EXPECT_EQ(Cell(CellEditorGrid::EditBtn), "ab");
        // With goTabs the walk goes on to the next cell (another edit-with-button cell,
        // which opens its editor); without, Tab leaves the grid for the next control.
        EXPECT_EQ(Grid().Col(), Displayed(CellEditorGrid::EditBtn) + (goTabsOn ? 1 : 0));
        if (!goTabsOn) {
            EXPECT_FALSE(Grid().EditMode());
            EXPECT_FALSE(Grid().BtnEdit()->isVisible());
        }
        if (Grid().EditMode()) Grid().HideInplaceEdit();
    }
}

TEST_F(CellEditorsTest, UpAndDownLeaveTheSpinCellInsteadOfStepping) {
    OpenOn(CellEditorGrid::Spin, "7");
    Key(Qt::Key_Down);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Spin), "7");
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_FALSE(Grid().GetSpinEdit()->isVisible());
}

TEST_F(CellEditorsTest, SpinPageKeysStayWithinTheLimitsAndReportTheIntegerValue) {
    struct PageCase {
        QString Before;
        Qt::Key Key;
        QString After;
        bool Up;
    };
    const PageCase cases[] = {
        {"100", Qt::Key_PageUp, "100", true}, {"50", Qt::Key_PageUp, "51", true}, {"50", Qt::Key_Home, "100", true},
        {"50", Qt::Key_End, "0", false},      {"0", Qt::Key_PageDown, "0", false}, {"50", Qt::Key_PageDown, "49", false},
    };
    std::vector<std::pair<int, bool>> clicks;
    Grid().OnSpinClick = [&](TObject*, int, int, int AValue, bool UpDown) { clicks.push_back({AValue, UpDown}); };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.Before.toStdString() + " " + std::to_string(c.Key));
        clicks.clear();
        OpenOn(CellEditorGrid::Spin, c.Before);
        Key(c.Key);
        EXPECT_EQ(Grid().GetSpinEdit()->Text(), c.After);
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0], std::make_pair(c.After.toInt(), c.Up));
        Key(Qt::Key_Return);
        Settle();
        EXPECT_EQ(Cell(CellEditorGrid::Spin), c.After);
    }
}

TEST_F(CellEditorsTest, NumericEditButtonTakesDigitsAndOneLeadingMinusAndBeepsOtherwise) {
    int beeps = 0;
    SetMessageBeepSink([&] { ++beeps; });
    OpenOn(CellEditorGrid::NumericBtn, "");
    Type("-1-2a3");
    EXPECT_EQ(Grid().BtnEdit()->Text(), "-123");
    EXPECT_EQ(beeps, 2);
    Key(Qt::Key_Return);
    Settle();
    SetMessageBeepSink(nullptr);
    EXPECT_EQ(Cell(CellEditorGrid::NumericBtn), "-123");
}

TEST_F(CellEditorsTest, EditButtonClickPassesTheTextThroughOnEllipsClick) {
    Grid().OnEllipsClick = [](TObject*, int ACol, int, QString& S) { S = S + "@" + QString::number(ACol); };
    OpenOn(CellEditorGrid::EditBtn, "x");
    Key(Qt::Key_F4);
    EXPECT_EQ(Grid().BtnEdit()->Text(), QString("x@%1").arg(int(CellEditorGrid::EditBtn)));
    Key(Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::EditBtn), QString("x@%1").arg(int(CellEditorGrid::EditBtn)));
}

TEST_F(CellEditorsTest, UnitMenuChangesTheUnitAndReportsOnlyARealChangeWithTheCell) {
    TStringList units;
    units.Add("mm");
    units.Add("cm");
    Grid().BtnUnitEdit()->SetUnits(&units);
    std::vector<QString> changes;
    Grid().OnUnitChanged = [&](TObject*, int ACol, int ARow, const QString& NewUnit) {
        changes.push_back(QString("%1,%2 %3").arg(ACol).arg(ARow).arg(NewUnit));
    };
    OpenOn(CellEditorGrid::Unit, "12mm");
    TGridUnitEditBtn* edit = Grid().BtnUnitEdit();
    for (const char* chosen : {"cm", "cm", "mm"}) {
        edit->ClickBtn(edit);
        ASSERT_NE(edit->UnitMenu(), nullptr);
        for (QAction* action : edit->UnitMenu()->actions())
            if (action->text() == chosen) action->trigger();
        edit->UnitMenu()->close();
        Settle();
        edit->setFocus();
    }
    const QString cell = QString("%1,2 ").arg(Displayed(CellEditorGrid::Unit));
    EXPECT_EQ(changes, (std::vector<QString>{cell + "cm", cell + "mm"}));
    Key(Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Unit), "12mm");
}

TEST_F(CellEditorsTest, CheckBoxTogglesOncePerPressOfSpaceOrMouse) {
    OpenOn(CellEditorGrid::Check, "Yes");
    TGridCheckBox* box = Grid().CheckBoxEditor();
    Key(Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    EXPECT_FALSE(box->isChecked());
    Key(Qt::Key_Down);
    Settle();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(Cell(CellEditorGrid::Check), "Yes");
}

TEST_F(CellEditorsTest, PushButtonClickWritesTheCellAndArrowsMoveTheGrid) {
    Grid().OnEllipsClick = [](TObject*, int, int, QString& S) { S += "!"; };
    OpenOn(CellEditorGrid::Button, "Run");
    TGridButton* button = Grid().Btn();
    ASSERT_TRUE(button->isVisible());
    const TRect cell = Grid().CellRect(Displayed(CellEditorGrid::Button), 2);
    EXPECT_EQ(button->geometry(), QRect(cell.Left - 1, cell.Top - 1, cell.Right - cell.Left + 1, cell.Bottom - cell.Top + 1));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), "Run!");
    EXPECT_EQ(Cell(CellEditorGrid::Button), "Run!");
    Key(Qt::Key_Right);
    Settle();
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(Grid().EditMode());
    EXPECT_EQ(Grid().Col(), Displayed(CellEditorGrid::Button) + 1);
}

TEST_F(CellEditorsTest, PushButtonEscPutsTheCellBack) {
    Grid().OnEllipsClick = [](TObject*, int, int, QString& S) { S += "!"; };
    OpenOn(CellEditorGrid::Button, "Run");
    QTest::mouseClick(Grid().Btn(), Qt::LeftButton);
    Key(Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Button), "Run");
    EXPECT_FALSE(Grid().EditMode());
}

}  // namespace
