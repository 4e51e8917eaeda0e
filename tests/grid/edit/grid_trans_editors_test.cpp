// The editors of fixed cells, opened by a double click on a header and ended with real
// keys and focus changes: the header takes an accepted text after OnEditingDone, a
// refused text keeps the editor open on its cell, Enter ends nothing.
#include "grid/edit/grid_trans_editors.h"
#include "grid/view/keyboard_fixture.h"

#include <QAbstractItemView>
#include <gtest/gtest.h>

namespace {

class TransEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<KeyboardForm<PlainKeyGrid>>();
        Grid().MouseActions()->SetFixedRowsEdit(fceDblClick);
        TStringList values;
        values.Add("Name");
        values.Add("Label");
        Grid().MouseActions()->SetFixedComboValues(values);
        Grid().OnEditingDone = [this](TObject*) { Events.push_back("done, header " + Grid().Cells(2, 0)); };
    }
    PlainKeyGrid& Grid() { return *Form->GridControl; }
    // Double click on the header of displayed column ACol; the editor now focused.
    QWidget* OpenHeader(int ACol) {
        const TRect r = Grid().CellRect(ACol, 0);
        QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        return QApplication::focusWidget();
    }
    void Type(const QString& Text) { QTest::keyClicks(QApplication::focusWidget(), Text); }
    void Key(Qt::Key K) { QTest::keyClick(QApplication::focusWidget(), K); }

    std::unique_ptr<KeyboardForm<PlainKeyGrid>> Form;
    std::vector<QString> Events;
};

// How an edit is left: the focus going to another control, or Tab.
enum class Leave { Focus, Tab };

TEST_F(TransEditorsTest, AnAcceptedTextReachesTheHeaderAfterEditingDone) {
    struct AcceptCase {
        const char* Name;
        TGridFixedCellEditor Editor;
        Leave By;
    };
    const AcceptCase cases[] = {
        {"edit left for another control", fceEdit, Leave::Focus},
        {"edit left by Tab", fceEdit, Leave::Tab},
        {"editable combo left for another control", fceComboEdit, Leave::Focus},
        {"editable combo left by Tab", fceComboEdit, Leave::Tab},
    };
    Grid().OnCellValidate = [this](TObject*, int ACol, int ARow, QString& Value, bool&) {
        Events.push_back(QString("validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
        Value = Value.toUpper();
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().SetCells(2, 0, "Old");
        Events.clear();
        Grid().MouseActions()->SetFixedRowsEditor(c.Editor);
        QWidget* editor = OpenHeader(2);
        ASSERT_TRUE(editor == Grid().FixedCellEdit() || editor == Grid().FixedCellCombo());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        Type("Mode");
        if (c.By == Leave::Tab) Key(Qt::Key_Tab);
        else Form->After->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), Form->After);
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(Grid().Cells(2, 0), "MODE");
        EXPECT_EQ(Events, (std::vector<QString>{"validate 2,0 Mode", "done, header Old"}));
        if (editor == Grid().FixedCellCombo()) EXPECT_EQ(Grid().FixedCellCombo()->count(), 2) << "no new item";
    }
}

TEST_F(TransEditorsTest, ARefusedTextKeepsTheEditorOpenAndFocusedOnItsCell) {
    Grid().OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) { Valid = !Value.isEmpty(); };
    Grid().MouseActions()->SetFixedRowsEditor(fceEdit);
    Grid().FocusCell(1, 3);
    QWidget* editor = OpenHeader(2);
    ASSERT_EQ(editor, Grid().FixedCellEdit());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    Form->After->setFocus();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(Grid().Cells(2, 0), "2,0");
    // The current cell goes to the header's column; a fixed row never becomes current.
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().Row(), 3);
    // Another header opens only once this one takes a text.
    QWidget* other = OpenHeader(3);
    EXPECT_EQ(other, editor);
    EXPECT_EQ(Grid().FixedCellEdit()->Col(), 2);
    Type("Fine");
    OpenHeader(3);
    EXPECT_EQ(Grid().Cells(2, 0), "Fine");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(Grid().FixedCellEdit()->Col(), 3);
    EXPECT_EQ(Grid().FixedCellEdit()->Text(), "3,0");
}

TEST_F(TransEditorsTest, EnterTypesNothingAndEndsNothing) {
    for (TGridFixedCellEditor kind : {fceEdit, fceComboEdit}) {
        SCOPED_TRACE(int(kind));
        Grid().MouseActions()->SetFixedRowsEditor(kind);
        QWidget* editor = OpenHeader(2);
        const int row = Grid().Row();
        Type("x");
        Key(Qt::Key_Return);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), editor);
        EXPECT_EQ(Grid().Row(), row) << "the key did not reach the grid";
        EXPECT_FALSE(Grid().EditMode());
        if (editor == Grid().FixedCellCombo()) EXPECT_EQ(Grid().FixedCellCombo()->count(), 2);
        Form->After->setFocus();
        EXPECT_FALSE(editor->isVisible());
    }
}

TEST_F(TransEditorsTest, AListLeftWithoutAChoiceKeepsTheHeader) {
    Grid().MouseActions()->SetFixedRowsEditor(fceComboList);
    QWidget* editor = OpenHeader(2);
    ASSERT_EQ(editor, Grid().FixedCellCombo());
    EXPECT_EQ(Grid().FixedCellCombo()->currentIndex(), -1);
    Form->After->setFocus();
    EXPECT_EQ(Grid().Cells(2, 0), "2,0");

    // A choice from the list is the value.
    OpenHeader(2);
    Key(Qt::Key_Down);
    Form->After->setFocus();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Grid().Cells(2, 0), "Name");
}

TEST_F(TransEditorsTest, StopEditWithoutAGridOnlyHides) {
    QWidget parent;
    TGridTransEdit edit(nullptr, &parent);
    TGridTransCombo combo(nullptr, &parent);
    for (QWidget* w : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&combo)}) w->show();
    EXPECT_TRUE(edit.StopEdit());
    EXPECT_TRUE(combo.StopEdit());
    EXPECT_FALSE(edit.isVisible());
    EXPECT_FALSE(combo.isVisible());
}

}  // namespace
