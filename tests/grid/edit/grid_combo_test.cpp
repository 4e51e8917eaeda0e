// The grid's combo editor on a small rule table, driven with real keys, the mouse and
// the wheel: the shared key protocol per style and ComboGetUpDown, Esc, validation,
// the open list's keys, type-ahead completion, lookup history, the wheel at both ends,
// and one OnComboChange per user action with the real column.
#include "grid/edit/grid_combo.h"

#include "grid/core/column_grid.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Displayed columns: 0 Name, 1 Enable (Y/N), 2 Mode (combo list, real 3), 3 Text
// (editable combo, real 4), 4 Note; real column 2 is hidden between them. One header
// row and four data rows.
class ComboRuleGrid : public TExColumnGrid {
public:
    static constexpr int ModeCol = 2;  // displayed
    static constexpr int TextCol = 3;  // displayed
    static constexpr int RealMode = 3;
    static constexpr int RealText = 4;

    explicit ComboRuleGrid(QWidget* AParent) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();
        SetColCount(6);
        SetRowCount(5);
        SetFixedCols(0);
        SetLeftCol(0);
        SetDefaultRowHeight(22);
        SetOptions(Options().Include(goEditing));
        struct Column {
            const char* header;
            TEditorType editor;
            QStringList items;
        };
        const Column columns[] = {
            {"Name", edNormal, {}},
            {"Enable", edDataCheckBox, {}},
            {"Address", edNormal, {}},
            {"Mode", edComboList, {"Off", "On", "Toggle"}},
            {"Text", edComboEdit, {"Abc", "abd", "Other"}},
            {"Note", edNormal, {}},
        };
        for (int i = 0; i < 6; ++i) {
            TGridColumnItem* item = Columns()->Items(i);
            item->SetHeader(columns[i].header);
            item->SetWidth(70);
            item->SetEditor(columns[i].editor);
            for (const QString& entry : columns[i].items) item->ComboItems()->Add(entry);
        }
        for (int r = 1; r < 5; ++r) {
            SetCells(0, r, QString("Rule %1").arg(r));
            SetCells(1, r, "N");
            SetCells(RealMode, r, "Off");
            SetCells(RealText, r, QString("t%1").arg(r));
        }
        HideColumn(2);
        EndLoading();
    }

    // Opens the combo on the current cell through the editing core.
    void OpenEditor() { ShowInplaceEdit(); }
    bool Editing() const { return EditMode(); }
    using TExStringGrid::FComboIdx;
};

struct ComboChange {
    int Col;
    int Row;
    int Index;
    QString Text;
};

class GridComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(420, 220);
        Grid = new ComboRuleGrid(Form.get());
        Grid->setGeometry(0, 0, 420, 200);
        Grid->OnComboChange = [this](TObject*, int c, int r, int i, const QString& s) { Changes.push_back({c, r, i, s}); };
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Combo = Grid->Combobox();
    }

    void Open(int displayedCol, int row) {
        // A closed list leaves the window to be activated again on this platform.
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Grid->setFocus();
        Grid->MoveCurrentCell(displayedCol, row);
        Grid->OpenEditor();
        ASSERT_TRUE(Combo->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([this] { return Combo->hasFocus(); }, 500));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Combo->DroppedDown() ? static_cast<QWidget*>(Combo->view()) : Combo, key, modifiers);
        QApplication::processEvents();
    }
    void Type(const QString& text) {
        for (const QChar ch : text) QTest::keyClick(Combo, ch.toLatin1());
    }
    void Wheel(int delta) {
        const QPointF at(Combo->width() / 2.0, Combo->height() / 2.0);
        QWheelEvent wheel(at, Combo->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(Combo, &wheel);
    }

    std::unique_ptr<QWidget> Form;
    ComboRuleGrid* Grid = nullptr;
    TGridCombo* Combo = nullptr;
    std::vector<ComboChange> Changes;
};

TEST_F(GridComboTest, ListOpensOnTheCellsItemAndEnterCommitsTheItemChosenByArrow) {
    Grid->SetCells(ComboRuleGrid::RealMode, 2, "On");
    Open(ComboRuleGrid::ModeCol, 2);
    EXPECT_FALSE(Combo->EditableStyle());
    EXPECT_EQ(Combo->currentIndex(), 1);
    EXPECT_EQ(Combo->geometry().left(), Grid->CellRect(ComboRuleGrid::ModeCol, 2).Left);

    Key(Qt::Key_Down);
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Col, ComboRuleGrid::RealMode);
    EXPECT_EQ(Changes[0].Row, 2);
    EXPECT_EQ(Changes[0].Text, "Toggle");
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 2), "On");  // nothing stored while choosing

    Key(Qt::Key_Return);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_FALSE(Grid->Editing());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 2), "Toggle");
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_TRUE(Grid->hasFocus());
    EXPECT_EQ(Changes.size(), 1u);
}

// The list search starts afresh in every cell, however quickly the next cell is typed into.
TEST_F(GridComboTest, TypingIntoTheNextListCellSearchesOnlyWhatIsTypedThere) {
    Open(ComboRuleGrid::ModeCol, 1);
    Type("t");
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 1), "Toggle");
    Open(ComboRuleGrid::ModeCol, 2);
    Type("on");
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 2), "On");
}

TEST_F(GridComboTest, UpAndDownFollowComboGetUpDownAndTheStyle) {
    struct Case {
        int col;
        bool getUpDown;
        Qt::Key key;
        bool staysOpen;
        int rowAfter;
        QString modeAfter;  // the list cell's text after the key (list cases)
    };
    const Case cases[] = {
        {ComboRuleGrid::ModeCol, true, Qt::Key_Down, true, 2, "Off"},   // the list steps, nothing stored yet
        {ComboRuleGrid::ModeCol, false, Qt::Key_Down, false, 3, "Off"}, // closes, commits, moves
        {ComboRuleGrid::ModeCol, false, Qt::Key_Up, false, 1, "Off"},
        {ComboRuleGrid::TextCol, true, Qt::Key_Down, false, 3, ""},     // stored, validated, moves
        {ComboRuleGrid::TextCol, false, Qt::Key_Up, false, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "col " << c.col << " getUpDown " << c.getUpDown << " key " << c.key);
        Grid->Navigation()->SetComboGetUpDown(c.getUpDown);
        Open(c.col, 2);
        Key(c.key);
        EXPECT_EQ(Combo->isVisible(), c.staysOpen);
        EXPECT_EQ(Grid->Row(), c.rowAfter);
        if (c.col == ComboRuleGrid::ModeCol) EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 2), c.modeAfter);
        if (c.staysOpen) Key(Qt::Key_Escape);
    }
}

// Handing Up or Down to the grid ends the combo's handling: the typed text belongs to
// the cell it was typed in, never to the cell the grid moved to.
TEST_F(GridComboTest, ArrowHandedToTheGridDoesNotWriteIntoTheNextCell) {
    Grid->Navigation()->SetComboGetUpDown(false);
    Open(ComboRuleGrid::TextCol, 2);
    Combo->lineEdit()->selectAll();
    Type("xyz");
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 2), "xyz");
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 3), "t3");
}

TEST_F(GridComboTest, EscShowsTheCellTextAndStoresNothingNew) {
    // The cell text is no item: the index stays, the text is the cell's.
    Open(ComboRuleGrid::TextCol, 1);
    Combo->SetItemIndexByCode(2);
    Combo->lineEdit()->selectAll();
    Type("typed");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Combo->Text(), "t1");
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 1), "t1");

    Open(ComboRuleGrid::ModeCol, 1);
    Key(Qt::Key_Down);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Combo->currentIndex(), 0);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 1), "Off");
}

TEST_F(GridComboTest, ValidationAcceptsCorrectsAndRefusesThroughBothStyles) {
    struct Case {
        int col;
        QString typed;     // editable only; the list steps one item down instead
        QString verdict;   // "accept", "correct", "refuse"
        Qt::Key key;
        QString cellAfter;
        bool staysOpen;
        QString shown;
    };
    const Case cases[] = {
        {ComboRuleGrid::TextCol, "good", "accept", Qt::Key_Return, "good", false, "good"},
        {ComboRuleGrid::TextCol, "lower", "correct", Qt::Key_Return, "LOWER", false, "LOWER"},
        {ComboRuleGrid::TextCol, "bad", "refuse", Qt::Key_Return, "t1", true, "t1"},
        {ComboRuleGrid::TextCol, "bad", "refuse", Qt::Key_Tab, "t1", true, "t1"},
        {ComboRuleGrid::TextCol, "good", "accept", Qt::Key_Tab, "good", false, "good"},
        {ComboRuleGrid::ModeCol, "", "accept", Qt::Key_Return, "On", false, "On"},
        {ComboRuleGrid::ModeCol, "", "refuse", Qt::Key_Return, "Off", true, "Off"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.col << " " << c.typed.toStdString() << " " << c.verdict.toStdString()
                                        << " key " << c.key);
        Grid->SetCells(ComboRuleGrid::RealText, 1, "t1");
        Grid->SetCells(ComboRuleGrid::RealMode, 1, "Off");
        int validations = 0;
        Grid->OnCellValidate = [&](TObject*, int, int, QString& value, bool& valid) {
            ++validations;
            if (c.verdict == "correct") value = value.toUpper();
            if (c.verdict == "refuse") valid = false;
        };
        Open(c.col, 1);
        if (c.col == ComboRuleGrid::TextCol) {
            Combo->lineEdit()->selectAll();
            Type(c.typed);
        } else {
            Key(Qt::Key_Down);
        }
        Key(c.key);
        EXPECT_EQ(validations, 1);
        EXPECT_EQ(Combo->isVisible(), c.staysOpen);
        EXPECT_EQ(Combo->Text(), c.shown);
        const int realCol = c.col == ComboRuleGrid::TextCol ? ComboRuleGrid::RealText : ComboRuleGrid::RealMode;
        EXPECT_EQ(Grid->Cells(realCol, 1), c.cellAfter);
        EXPECT_EQ(Grid->Row(), 1);
        if (c.staysOpen && c.col == ComboRuleGrid::TextCol) EXPECT_TRUE(Combo->lineEdit()->hasSelectedText() || c.key == Qt::Key_Tab);
        Grid->OnCellValidate = nullptr;
        if (Combo->isVisible()) Key(Qt::Key_Escape);
    }
}

TEST_F(GridComboTest, EnterInTheOpenListCommitsTheHighlightedItem) {
    Open(ComboRuleGrid::ModeCol, 3);
    Combo->showPopup();
    ASSERT_TRUE(Combo->DroppedDown());
    QTest::keyClick(Combo->view(), Qt::Key_Down);
    QTest::keyClick(Combo->view(), Qt::Key_Down);
    EXPECT_TRUE(Changes.empty());
    Key(Qt::Key_Return);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 3), "Toggle");
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Col, ComboRuleGrid::RealMode);
}

TEST_F(GridComboTest, EscInTheOpenListPutsTheCellTextBack) {
    Open(ComboRuleGrid::ModeCol, 3);
    Combo->showPopup();
    QTest::keyClick(Combo->view(), Qt::Key_Down);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 3), "Off");
    EXPECT_TRUE(Changes.empty());
}

TEST_F(GridComboTest, MousePickInTheListIsOneChangeAndEnterCommitsIt) {
    Open(ComboRuleGrid::ModeCol, 1);
    Combo->showPopup();
    QAbstractItemView* list = Combo->view();
    const QRect item = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QApplication::processEvents();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_TRUE(Combo->isVisible());
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Index, 2);
    EXPECT_EQ(Changes[0].Col, ComboRuleGrid::RealMode);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 1), "Toggle");
    EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(GridComboTest, EachTypedKeyIsOneChangeAndTypedTextStays) {
    Open(ComboRuleGrid::TextCol, 2);
    Combo->lineEdit()->selectAll();
    Type("zq");
    ASSERT_EQ(Changes.size(), 2u);
    EXPECT_EQ(Changes[1].Col, ComboRuleGrid::RealText);
    EXPECT_EQ(Changes[1].Index, -1);
    EXPECT_EQ(Changes[1].Text, "zq");
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 2), "zq");

    Changes.clear();
    Open(ComboRuleGrid::ModeCol, 2);
    Type("t");
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Text, "Toggle");
}

TEST_F(GridComboTest, TypeAheadCompletesByTheCaseRuleAndBackspaceDoesNotComplete) {
    struct Case {
        bool caseSensitive;
        QString completed;
    };
    for (const Case& c : {Case{false, "abc"}, Case{true, "abd"}}) {
        SCOPED_TRACE(c.caseSensitive);
        Grid->SetLookup(true);
        Grid->SetLookupCaseSensitive(c.caseSensitive);
        Open(ComboRuleGrid::TextCol, 1);
        Combo->lineEdit()->selectAll();
        Type("ab");
        EXPECT_EQ(Combo->Text(), c.completed);
        EXPECT_EQ(Combo->lineEdit()->selectedText(), c.completed.right(1));
        Key(Qt::Key_Backspace);
        EXPECT_EQ(Combo->Text(), "ab");
        EXPECT_FALSE(Combo->lineEdit()->hasSelectedText());
        Key(Qt::Key_Escape);
    }
}

TEST_F(GridComboTest, LookupItemsCompleteWhenNoItemMatches) {
    Grid->SetLookup(true);
    Grid->LookupItems()->Add("Kitchen");
    Open(ComboRuleGrid::TextCol, 1);
    Combo->lineEdit()->selectAll();
    Type("ki");
    EXPECT_EQ(Combo->Text(), "kitchen");
    EXPECT_EQ(Combo->currentIndex(), -1);
}

// The column's editor hook fills the items again at each opening, so each case starts
// from the column's three items.
TEST_F(GridComboTest, LookupHistoryAddsOnlyANewNonEmptyText) {
    Grid->SetLookupHistory(true);
    struct Case {
        QString typed;
        int items;
    };
    for (const Case& c : {Case{"Fresh", 4}, Case{"ABD", 3}, Case{"", 3}}) {
        SCOPED_TRACE(c.typed.toStdString());
        Open(ComboRuleGrid::TextCol, 1);
        Combo->lineEdit()->selectAll();
        if (c.typed.isEmpty()) Key(Qt::Key_Delete);
        else Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Combo->count(), c.items);
        if (c.items == 4) EXPECT_EQ(Combo->itemText(3), "Fresh");
    }
}

TEST_F(GridComboTest, WheelStepsAndStillReportsAtBothEnds) {
    std::vector<QString> edits;
    Grid->OnEditChange = [&](TObject*, int c, int, const QString& v) {
        EXPECT_EQ(c, ComboRuleGrid::RealMode);
        edits.push_back(v);
    };
    Grid->SetCells(ComboRuleGrid::RealMode, 1, "Toggle");
    Open(ComboRuleGrid::ModeCol, 1);
    Wheel(-120);
    EXPECT_EQ(Combo->currentIndex(), 2);
    Wheel(120);
    Wheel(120);
    Wheel(120);
    EXPECT_EQ(Combo->currentIndex(), 0);
    ASSERT_EQ(Changes.size(), 4u);
    EXPECT_EQ(Changes[0].Text, "Toggle");
    EXPECT_EQ(Changes[3].Text, "Off");
    EXPECT_EQ(Changes[3].Col, ComboRuleGrid::RealMode);
    EXPECT_EQ(edits.size(), 4u);
}

TEST_F(GridComboTest, ListCellWithoutItsTextOpensOnTheFirstItemOrFComboIdx) {
    Grid->SetCells(ComboRuleGrid::RealMode, 4, "Unknown");
    Open(ComboRuleGrid::ModeCol, 4);
    EXPECT_EQ(Combo->currentIndex(), 0);
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Col, ComboRuleGrid::RealMode);
    EXPECT_EQ(Changes[0].Index, 0);
    EXPECT_EQ(Changes[0].Text, "Off");
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 4), "Unknown");
    Key(Qt::Key_Escape);

    Changes.clear();
    Grid->FComboIdx = 2;
    Open(ComboRuleGrid::ModeCol, 4);
    EXPECT_EQ(Combo->currentIndex(), 2);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(GridComboTest, ScrollingClosesAndCommitsTheCombo) {
    Grid->SetRowCount(40);
    Open(ComboRuleGrid::ModeCol, 1);
    Key(Qt::Key_Down);
    Grid->SetTopRow(2);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealMode, 1), "On");
}

TEST_F(GridComboTest, FocusLeavingTheComboCommits) {
    auto* other = new QLineEdit(Form.get());
    other->setGeometry(0, 200, 100, 20);
    other->show();
    Open(ComboRuleGrid::TextCol, 1);
    Combo->lineEdit()->selectAll();
    Type("left");
    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 1), "left");
    EXPECT_TRUE(other->hasFocus());
}

TEST(GridComboCreationTest, AnOwnerThatIsNoGridIsRefused) {
    TComponent owner(nullptr);
    EXPECT_THROW(TGridCombo combo(&owner), Exception);
}

}  // namespace

namespace {

TEST_F(GridComboTest, TabWithGoTabsStoresAndWalksToTheNextCell) {
    Grid->SetOptions(Grid->Options().Include(goTabs));
    Open(ComboRuleGrid::TextCol, 2);
    Combo->lineEdit()->selectAll();
    Type("walk");
    Key(Qt::Key_Tab);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 2), "walk");
    EXPECT_EQ(Grid->Col(), ComboRuleGrid::TextCol + 1);
}

TEST_F(GridComboTest, RightAtTheEndWalksOutOfTheEditableCombo) {
    Grid->Navigation()->SetCursorWalkEditor(true);
    Grid->Navigation()->SetCursorWalkAlwaysEdit(false);
    Open(ComboRuleGrid::TextCol, 2);
    Combo->lineEdit()->selectAll();
    Type("go");
    Key(Qt::Key_Right);
    EXPECT_FALSE(Combo->isVisible());
    EXPECT_EQ(Grid->Col(), ComboRuleGrid::TextCol + 1);
    EXPECT_EQ(Grid->Cells(ComboRuleGrid::RealText, 2), "go");
}

}  // namespace

namespace {

// An OnComboChange handler removes rows while the list is open: the row above the edited
// one, the edited row itself, or the row below. Whatever the user does next, the choice
// lands in the edited rule's own row or nowhere, and no other rule's cell changes.
TEST_F(GridComboTest, RowsRemovedByOnComboChangeWhileTheListIsOpenLeaveOtherRowsAlone) {
    enum class Action { MousePick, KeysInTheList, Wheel, TypedInTheEditableCombo };
    struct Case {
        const char* Name;
        int RemovedRow;
        Action Act;
    };
    const Case cases[] = {
        {"row above, mouse pick", 1, Action::MousePick},
        {"edited row, mouse pick", 3, Action::MousePick},
        {"row below, mouse pick", 4, Action::MousePick},
        {"row above, keys in the list", 1, Action::KeysInTheList},
        {"edited row, keys in the list", 3, Action::KeysInTheList},
        {"row above, wheel", 1, Action::Wheel},
        {"row above, typed key", 1, Action::TypedInTheEditableCombo},
        {"edited row, typed key", 3, Action::TypedInTheEditableCombo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        // A fresh form per case: a list closed under the mouse leaves this platform's
        // window state behind.
        Form.reset();
        Changes.clear();
        SetUp();
        bool removed = false;
        Grid->OnComboChange = [&](TObject*, int, int, int, const QString&) {
            if (!std::exchange(removed, true)) Grid->RemoveRows(c.RemovedRow, 1);
        };
        const bool editable = c.Act == Action::TypedInTheEditableCombo;
        Open(editable ? ComboRuleGrid::TextCol : ComboRuleGrid::ModeCol, 3);
        switch (c.Act) {
        case Action::MousePick: {
            Combo->showPopup();
            QAbstractItemView* list = Combo->view();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
            break;
        }
        case Action::KeysInTheList:
            Combo->showPopup();
            QTest::keyClick(Combo->view(), Qt::Key_Down);
            QTest::keyClick(Combo->view(), Qt::Key_Down);
            QTest::keyClick(Combo->view(), Qt::Key_Return);
            break;
        case Action::Wheel: Wheel(-120); break;
        case Action::TypedInTheEditableCombo:
            Combo->lineEdit()->selectAll();
            Type("z");
            break;
        }
        QApplication::processEvents();
        ASSERT_TRUE(removed);
        // The user goes on: Enter in whatever has the focus now, then the loop runs.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Grid, Qt::Key_Return);
        QApplication::processEvents();

        ASSERT_EQ(Grid->RowCount(), 4);
        EXPECT_LT(Grid->Row(), Grid->RowCount());
        const int realCol = editable ? ComboRuleGrid::RealText : ComboRuleGrid::RealMode;
        for (int r = 1; r < 4; ++r) {
            const QString rule = Grid->Cells(0, r);
            const QString text = Grid->Cells(realCol, r);
            if (rule == "Rule 3") {
                const QString chosen = editable ? "z" : c.Act == Action::Wheel ? "On" : "Toggle";
                EXPECT_TRUE(text == (editable ? "t3" : "Off") || text == chosen) << text.toStdString();
            } else {
                EXPECT_EQ(text, editable ? QString("t%1").arg(rule.back()) : QString("Off")) << rule.toStdString();
            }
        }
    }
}

}  // namespace

namespace {

// Pasting into an open combo: the editable combo takes the clipboard text up to
// MaxComboLength as one change and Enter stores it; the list combo has no text to paste
// into, so a text that is no item never reaches its cell.
TEST_F(GridComboTest, PasteGoesIntoTheEditableComboOnlyAndKeepsItsLengthLimit) {
    struct Case {
        int Col;
        int MaxLength;
        QString Clipboard;
        QString CellAfter;
        size_t Changes;
    };
    const Case cases[] = {
        {ComboRuleGrid::TextCol, 0, "Pasted text", "Pasted text", 1},
        {ComboRuleGrid::TextCol, 4, "Pasted text", "Past", 1},
        {ComboRuleGrid::TextCol, 0, "Other", "Other", 1},
        {ComboRuleGrid::ModeCol, 0, "Garbage", "Off", 0},
        {ComboRuleGrid::ModeCol, 0, "Toggle", "Off", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Col << " " << c.MaxLength << " " << c.Clipboard.toStdString());
        Grid->SetCells(ComboRuleGrid::RealText, 1, "t1");
        Grid->SetCells(ComboRuleGrid::RealMode, 1, "Off");
        Grid->SetMaxComboLength(c.MaxLength);
        Changes.clear();
        QGuiApplication::clipboard()->setText(c.Clipboard);
        Open(c.Col, 1);
        if (Combo->EditableStyle()) Combo->lineEdit()->selectAll();
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Changes.size(), c.Changes);
        Key(Qt::Key_Return);
        EXPECT_FALSE(Combo->isVisible());
        const int realCol = c.Col == ComboRuleGrid::TextCol ? ComboRuleGrid::RealText : ComboRuleGrid::RealMode;
        EXPECT_EQ(Grid->Cells(realCol, 1), c.CellAfter);
    }
}

}  // namespace
