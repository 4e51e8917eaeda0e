// The edit with button beyond its ending keys: the cursor walking out of the cell,
// completion from the grid's LookupItems and the paste through the grid's clipboard
// events; and the cell following what is typed in it and in the spin edit.
#include "cell_editors_fixture.h"

#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using EditBtnTypingTest = CellEditorsFixture;

TEST_F(EditBtnTypingTest, ArrowsWalkOutOfTheCellOnlyAtTheEndsOfTheText) {
    struct WalkCase {
        const char* Name;
        bool CursorWalkEditor;
        Qt::Key Arrow;
        int CaretBefore;  // -1: at the end
        int ColumnAfter;  // displayed; -1: the editor stays
    };
    const int editCol = Displayed(CellEditorGrid::EditBtn);
    const WalkCase cases[] = {
        {"Right at the end walks to the next cell", true, Qt::Key_Right, -1, editCol + 1},
        {"Left at the start walks to the cell before", true, Qt::Key_Left, 0, editCol - 1},
        {"Right inside the text moves the caret", true, Qt::Key_Right, 1, -1},
        {"Left that reaches the start stays", true, Qt::Key_Left, 1, -1},
        {"without CursorWalkEditor the caret stays at the end", false, Qt::Key_Right, -1, -1},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().Navigation()->SetCursorWalkEditor(c.CursorWalkEditor);
        OpenOn(CellEditorGrid::EditBtn, "abc");
        TGridEditBtn* edit = Grid().BtnEdit();
        ASSERT_EQ(Focused(), edit);
        edit->SetSelStart(c.CaretBefore < 0 ? 3 : c.CaretBefore);
        Key(c.Arrow);
        Settle();
        if (c.ColumnAfter < 0) {
            EXPECT_TRUE(edit->isVisible());
            EXPECT_EQ(Grid().Col(), editCol);
            Key(Qt::Key_Escape);
        } else {
            EXPECT_FALSE(edit->isVisible());
            EXPECT_EQ(Grid().Col(), c.ColumnAfter);
        }
        Settle();
        EXPECT_EQ(Cell(CellEditorGrid::EditBtn), "abc");
        Grid().setFocus();
    }
}

TEST_F(EditBtnTypingTest, TypingCompletesFromLookupItemsUnderTheCaseRule) {
    Grid().SetLookup(true);
    Grid().LookupItems()->Add("Pressure");
    Grid().LookupItems()->Add("Preset");
    OpenOn(CellEditorGrid::EditBtn, "");
    TGridEditBtn* edit = Grid().BtnEdit();
    Type("pre");
    EXPECT_EQ(edit->Text(), "pressure");
    EXPECT_EQ(edit->SelText(), "ssure");
    // Typing over the completed tail goes on completing; Backspace does not complete again.
    Type("se");
    EXPECT_EQ(edit->Text(), "preset");
    EXPECT_EQ(edit->SelText(), "t");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "prese");
    Key(Qt::Key_Escape);
    Settle();

    Grid().SetLookupCaseSensitive(true);
    OpenOn(CellEditorGrid::EditBtn, "");
    Type("pre");
    EXPECT_EQ(Grid().BtnEdit()->Text(), "pre");
    Key(Qt::Key_Escape);
}

TEST_F(EditBtnTypingTest, PasteGoesThroughTheGridsClipboardEvents) {
    struct PasteCase {
        const char* Name;
        QString Clipboard;
        int SelStart, SelLength;
        QString After;
        QString Selected;
    };
    const PasteCase cases[] = {
        {"a copied line loses its line end", "12\r\n", 1, 0, "a12bc", ""},
        {"two lines keep both breaks", "1\r\n2\r\n", 3, 0, "abc1\r\n2\r\n", ""},
        {"a replaced selection stays selected", "XY", 1, 1, "aXYc", "XY"},
    };
    std::vector<QString> events;
    Grid().OnClipboardPaste = [&](TObject* Sender, const QString&, bool&) {
        events.push_back(Sender == Grid().BtnEdit() ? "paste by editor" : "paste");
    };
    Grid().OnClipboardBeforePasteCell = [&](TObject*, int ACol, int ARow, QString& Value, bool&) {
        events.push_back(QString("before %1,%2").arg(ACol).arg(ARow));
        Value.replace("ZZ", "forbidden");
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.Name);
        events.clear();
        OpenOn(CellEditorGrid::EditBtn, "abc");
        TGridEditBtn* edit = Grid().BtnEdit();
        QGuiApplication::clipboard()->setText(c.Clipboard);
        edit->SetSel(c.SelStart, c.SelStart + c.SelLength);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->Text(), c.After);
        EXPECT_EQ(edit->SelText(), c.Selected);
        const QString before = QString("before %1,2").arg(Displayed(CellEditorGrid::EditBtn));
        EXPECT_EQ(events, (std::vector<QString>{"paste by editor", before}));
        Key(Qt::Key_Escape);
        Settle();
    }

    // A handler that forbids the paste leaves the text alone.
    Grid().OnClipboardBeforePasteCell = [](TObject*, int, int, QString&, bool& Allow) { Allow = false; };
    OpenOn(CellEditorGrid::EditBtn, "abc");
    QGuiApplication::clipboard()->setText("xyz");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Grid().BtnEdit()->Text(), "abc");
    Key(Qt::Key_Escape);
}

// Once a plain editor has opened, the cell follows every change in the spin edit and
// the edit with button; Esc then puts the text of the cell before the edit back.
TEST_F(EditBtnTypingTest, SpinAndEditButtonTextsFollowIntoTheCellWhileTyping) {
    const auto kindOf = Grid().OnGetEditorType;
    Grid().OnGetEditorType = [kindOf](TObject* Sender, int ACol, int ARow, TEditorType& AEditor) {
        kindOf(Sender, ACol, ARow, AEditor);
        if (ARow == 4) AEditor = edNormal;
    };
    Grid().FocusCell(Displayed(CellEditorGrid::EditBtn), 4);
    Form->Key(Qt::Key_F2);
    Key(Qt::Key_Escape);
    Settle();

    struct FollowCase {
        const char* Name;
        int RealCol;
        QString Typed;
        QString WhileTyping;
    };
    const FollowCase cases[] = {
        {"edit with button", CellEditorGrid::EditBtn, "xy", "abxy"},
        {"spin", CellEditorGrid::Spin, "7", "127"},
    };
    for (const FollowCase& c : cases) {
        SCOPED_TRACE(c.Name);
        OpenOn(c.RealCol, c.RealCol == CellEditorGrid::Spin ? "12" : "ab");
        auto* edit = dynamic_cast<TCustomMaskEdit*>(Focused());
        ASSERT_NE(edit, nullptr);
        edit->SetSelStart(edit->Text().length());
        Type(c.Typed);
        EXPECT_EQ(Cell(c.RealCol), c.WhileTyping);
        Key(Qt::Key_Escape);
        Settle();
        EXPECT_EQ(Cell(c.RealCol), c.RealCol == CellEditorGrid::Spin ? "12" : "ab");
    }

    // A spin step is typing as well.
    OpenOn(CellEditorGrid::Spin, "12");
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Cell(CellEditorGrid::Spin), "13");
    Key(Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Spin), "13");
}

}  // namespace
