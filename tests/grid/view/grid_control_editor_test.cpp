// Form controls of a cell's markup edited in place: the editor is placed over the
// control, and leaving it writes VALUE into that tag only.

#include "grid/core/string_grid.h"
#include "grid/view/grid_control_editors.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_entities.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kTwoControls = QStringLiteral(
    "Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"old\" WIDTH=\"60\" MAXLEN=\"5\"> and "
    "<CONTROL TYPE=\"COMBO\" ID=\"mode\" VALUE=\"Read\" WIDTH=\"60\">");

class GridControlEditor : public ::testing::Test {
protected:
    void SetUp() override {
        Form.resize(400, 200);
        Grid = new TExStringGrid(nullptr, &Form);
        Grid->setGeometry(0, 0, 400, 200);
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetColWidths(2, 200);
        Grid->HideColumn(1);  // displayed column 1 shows real column 2
        Grid->SetCells(2, 1, kTwoControls);
        Grid->OnControlEditDone = [this](TObject*, int ARow, int ACol, const QString& Id, const QString& Type,
                                         const QString& Value) {
            Done.push_back(QString("%1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(Id, Type, Value));
        };
        Form.show();
        Other = new QLineEdit(&Form);
        Other->move(0, 180);
        Other->show();
        Form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    }
    // A choice in the list ends with the list closing; the offscreen platform moves the
    // focus unlike a desktop then, so the combo is left through its exit handler.
    void CloseListAndLeave(TControlCombo* combo) {
        combo->hidePopup();
        Grid->ControlEditDone(combo);
        QApplication::processEvents();
        EXPECT_FALSE(combo->isVisible());
    }
    // Leaving the editor the way a user does: the focus goes elsewhere.
    void LeaveEditor() {
        Other->setFocus();
        QApplication::processEvents();
    }
    QWidget Form;
    TExStringGrid* Grid = nullptr;
    QLineEdit* Other = nullptr;
    std::vector<QString> Done;
};

TEST_F(GridControlEditor, TheEditBoxKeepsToMaxLenAndWritesOnlyItsOwnTag) {
    const TRect rect{10, 20, 90, 40};
    Grid->ShowControlEditor(kTwoControls, "EDIT", 1, 2, 1, rect, "old", "name");
    TControlEdit* edit = Grid->ControlEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->geometry(), QRect(11, 28, 76, 14));
    EXPECT_EQ(edit->Text(), "old");
    edit->selectAll();
    QTest::keyClicks(edit, "abcdefgh");
    EXPECT_EQ(edit->Text(), "abcde");
    LeaveEditor();
    EXPECT_FALSE(edit->isVisible());
    ASSERT_EQ(Done.size(), 1u);
    EXPECT_EQ(Done[0], "2,1 name EDIT abcde");
    QString value;
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "name", value));
    EXPECT_EQ(value, "abcde");
    // The other tag and the text around are kept byte for byte.
    const QString comboTag = "<CONTROL TYPE=\"COMBO\" ID=\"mode\" VALUE=\"Read\" WIDTH=\"60\">";
    EXPECT_TRUE(Grid->Cells(2, 1).startsWith("Name <CONTROL "));
    EXPECT_TRUE(Grid->Cells(2, 1).endsWith(" and " + comboTag));
}

TEST_F(GridControlEditor, PasswordAndMaskTakeTheirLooks) {
    const QString cell = "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"\" WIDTH=\"60\">"
                         "<CONTROL TYPE=\"MASK\" ID=\"m\" VALUE=\"\" WIDTH=\"60\" PROP=\"00:00\">";
    Grid->SetCells(2, 2, cell);
    Grid->ShowControlEditor(cell, "PASSWORD", 2, 2, 1, {0, 0, 80, 20}, "", "p");
    TControlEdit* edit = Grid->ControlEdit();
    EXPECT_EQ(edit->PasswordChar(), QChar(u'*'));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(edit, "s&<\"");
    LeaveEditor();
    QString value;
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 2), "p", value));
    EXPECT_EQ(value, "s&<\"");

    Grid->ShowControlEditor(cell, "MASK", 2, 2, 1, {0, 0, 80, 20}, "", "m");
    EXPECT_EQ(edit->EditMask(), "00:00");
    EXPECT_TRUE(edit->PasswordChar().isNull());
    LeaveEditor();
    EXPECT_EQ(Done.size(), 2u);
}

TEST_F(GridControlEditor, TheComboListsTheApplicationsItemsAndKeepsAValueOutsideThem) {
    int listAsked = 0;
    Grid->OnControlComboList = [&](TObject*, int ARow, int ACol, const QString& Id, const QString&, const QString&,
                                   TStringList* Values, bool& Edit, int& DropCount) {
        ++listAsked;
        EXPECT_EQ(ARow, 1);
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(Id, "mode");
        Values->Add("Read");
        Values->Add("Write");
        Edit = false;
        DropCount = 4;
    };
    std::vector<int> selected;
    Grid->OnControlComboSelect = [&](TObject*, int, int, int ItemIndex, const QString&, const QString& Value) {
        selected.push_back(ItemIndex);
        EXPECT_EQ(Value, "Write");
    };
    Grid->ShowControlEditor(kTwoControls, "COMBO", 1, 2, 1, {10, 20, 90, 40}, "Other", "mode");
    TControlCombo* combo = Grid->ControlCombo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(listAsked, 1);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), "Other");
    EXPECT_EQ(combo->geometry().topLeft(), QPoint(9, 24));
    CloseListAndLeave(combo);
    ASSERT_EQ(Done.size(), 1u);
    EXPECT_EQ(Done[0], "2,1 mode COMBO Other");  // no choice: the value stays

    Grid->ShowControlEditor(Grid->Cells(2, 1), "COMBO", 1, 2, 1, {10, 20, 90, 40}, "Read", "mode");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    CloseListAndLeave(combo);

    EXPECT_EQ(selected, std::vector<int>{1});
    QString value;
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "mode", value));
    EXPECT_EQ(value, "Write");
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "name", value));
    EXPECT_EQ(value, "old");
}

TEST_F(GridControlEditor, OtherTypesOpenNothing) {
    for (const char* type : {"CHECK", "RADIO", "BUTTON", ""}) {
        Grid->ShowControlEditor(kTwoControls, type, 1, 2, 1, {0, 0, 80, 20}, "", "name");
        EXPECT_EQ(Grid->ControlEdit(), nullptr) << type;
        EXPECT_EQ(Grid->ControlCombo(), nullptr) << type;
    }
    LeaveEditor();
    EXPECT_TRUE(Done.empty());
}

// Enter ends a control's edit and leaves the grid focused; Tab goes on to the next
// control of the same cell and from the last one to the grid, or with AdvanceAuto to
// the next cell. The keys are typed into the editors.
TEST_F(GridControlEditor, EnterAndTabEndTheControlsEditAndGoOn) {
    Grid->OnControlComboList = [](TObject*, int, int, const QString&, const QString&, const QString&,
                                  TStringList* Values, bool&, int&) {
        Values->Add("Read");
        Values->Add("Write");
    };
    QString value;
    Grid->ShowControlEditor(kTwoControls, "EDIT", 1, 2, 1, {10, 20, 90, 40}, "old", "name");
    TControlEdit* edit = Grid->ControlEdit();
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(Grid->hasFocus());
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "name", value));
    EXPECT_EQ(value, "ab");

    // Tab: from the edit box to the cell's combo, from the combo (the last) to the grid.
    Grid->ShowControlEditor(Grid->Cells(2, 1), "EDIT", 1, 2, 1, {10, 20, 90, 40}, "ab", "name");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->isVisible());
    TControlCombo* combo = Grid->ControlCombo();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isVisible());
    // Dropped down, the list has the keyboard.
    EXPECT_TRUE(QApplication::focusWidget() == combo || QApplication::focusWidget() == combo->view());
    combo->hidePopup();
    combo->setCurrentIndex(1);
    QTest::keyClick(combo, Qt::Key_Tab);
    EXPECT_FALSE(combo->isVisible());
    EXPECT_TRUE(Grid->hasFocus());
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "mode", value));
    EXPECT_EQ(value, "Write");

    // Enter in the combo ends its edit as well.
    Grid->ShowControlEditor(Grid->Cells(2, 1), "COMBO", 1, 2, 1, {10, 20, 90, 40}, "Write", "mode");
    combo->hidePopup();
    combo->setCurrentIndex(0);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(combo->isVisible());
    EXPECT_TRUE(Grid->hasFocus());
    ASSERT_TRUE(GetControlTagValue(Grid->Cells(2, 1), "mode", value));
    EXPECT_EQ(value, "Read");
    EXPECT_EQ(Done.size(), 4u);

    // With AdvanceAuto Tab moves the grid on to the next cell instead.
    Grid->Navigation()->SetAdvanceAuto(true);
    Grid->FocusCell(1, 1);
    Grid->ShowControlEditor(Grid->Cells(2, 1), "EDIT", 1, 2, 1, {10, 20, 90, 40}, "ab", "name");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_FALSE(combo->isVisible());
    EXPECT_TRUE(Grid->hasFocus());
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST(MarkupEntityRoundTrip, ControlValuesReadBackAsTyped) {
    for (const char* typed : {"&", "&amp;", "&quot;", "&eacute;", "<x>", "a&amp;lt;b", "\"q\" & 'é'"}) {
        const QString text = QString::fromUtf8(typed);
        EXPECT_EQ(EntitiesToChars(CharsToEntities(text, true), true), text) << typed;
        QString cell = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"9\">";
        ASSERT_TRUE(SetControlTagValue(cell, "e", text));
        QString value;
        ASSERT_TRUE(GetControlTagValue(cell, "e", value));
        EXPECT_EQ(value, text) << typed;
    }
}

}  // namespace
