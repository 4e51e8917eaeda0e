// The grid's drop-down cell editors on a column grid with one column per kind, driven
// with real keys: each opens with the cell's value and keeps it; Alt+Down opens the
// pop-up without ending the edit; Enter, Tab, Up and Down commit (Up and Down close an
// open pop-up without moving); Esc puts the cell back after changes in the pop-up; the
// calculator stores its computed result; the colour picker's Home and events; the image
// picker's index; the memo's lines; refusals; focus into the pop-up commits nothing.
#include "grid/edit/grid_drop_down_editors.h"

#include "grid/core/column_grid.h"
#include "dropdowns/drop_down_form.h"
#include "platform/image_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Displayed column = real column: 0 Name, then one column per drop-down kind, in the
// order of the kinds. One header row and three data rows.
class DropDownGrid : public TExColumnGrid {
public:
    static constexpr int Track = 1, Memo = 2, Calc = 3, Time = 4, Detail = 5, Multi = 6, ExGrid = 7, Color = 8,
                         Image = 9;

    explicit DropDownGrid(QWidget* AParent) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();
        SetColCount(10);
        SetRowCount(4);
        SetFixedCols(0);
        SetDefaultRowHeight(22);
        SetOptions(Options().Include(goEditing));
        const TEditorType kinds[] = {edNormal,         edTrackbarDropDown, edMemoDropDown,
                                     edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
                                     edGridDropDown,   edExGridDropDown,   edColorPickerDropDown,
                                     edImagePickerDropDown};
        for (int i = 0; i < 10; ++i) {
            Columns()->Items(i)->SetEditor(kinds[i]);
            Columns()->Items(i)->SetWidth(80);
        }
        for (int r = 1; r < 4; ++r) SetCells(0, r, QString("Row %1").arg(r));
        EndLoading();
        FillLists();
    }

    using TExStringGrid::LButFlg;
    void Open(int ACol, int ARow) {
        SetCol(ACol);
        SetRow(ARow);
        ShowInplaceEdit();
    }
    TExCustomDropDown* Editor() const { return dynamic_cast<TExCustomDropDown*>(EditCtrl()); }

private:
    void FillLists() {
        for (const char* caption : {"Alpha", "Beta", "Gamma"}) {
            DetailPickerDropDown()->Items().Add()->SetCaption(caption);
            GridDropDown()->Items().Add()->SetText({caption, QString("%1 note").arg(caption)});
            ExGridDropDown()->Items().Add()->SetText({caption, QString("%1 note").arg(caption)});
        }
    }
};

class DropDownEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(900, 200);
        grid = new DropDownGrid(window.get());
        grid->setGeometry(0, 0, 880, 180);
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
        QApplication::processEvents();
    }

    void Key(int QtKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, Qt::Key(QtKey), Modifiers);
        QApplication::processEvents();
    }
    void Type(const QString& Text) {
        for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> window;
    DropDownGrid* grid = nullptr;
};

struct KindCase {
    int Col;
    QString CellText;
    const char* EditorClass;
};

const std::vector<KindCase>& TextKinds() {
    static const std::vector<KindCase> cases = {
        {DropDownGrid::Track, "7", "TrackbarDropDown"},
        {DropDownGrid::Memo, "first line", "MemoDropDown"},
        {DropDownGrid::Calc, "12", "CalculatorDropDown"},
        {DropDownGrid::Time, "10:30:00", "TimePickerDropDown"},
        {DropDownGrid::Detail, "Beta", "DetailPickerDropDown"},
        {DropDownGrid::Multi, "Beta", "GridDropDown"},
        {DropDownGrid::ExGrid, "Beta", "ExGridDropDown"},
    };
    return cases;
}

TEST_F(DropDownEditorsTest, EachTextKindOpensWithTheCellValueAndEnterKeepsIt) {
    for (const KindCase& c : TextKinds()) {
        SCOPED_TRACE(c.EditorClass);
        grid->SetCells(c.Col, 1, c.CellText);
        grid->Open(c.Col, 1);
        ASSERT_NE(grid->Editor(), nullptr);
        EXPECT_EQ(grid->Editor()->objectName(), c.EditorClass);
        EXPECT_TRUE(grid->Editor()->isVisible());
        if (c.Col == DropDownGrid::Memo) EXPECT_EQ(grid->MemoDropDown()->MemoText(), QStringList{c.CellText});
        else EXPECT_EQ(grid->Editor()->Text(), c.CellText);
        EXPECT_TRUE(grid->Editor()->hasFocus());
        Key(Qt::Key_Return);
        EXPECT_FALSE(grid->EditMode());
        EXPECT_FALSE(grid->Editor() && grid->Editor()->isVisible());
        // The calculator completes its display on Enter, which shows the number formatted.
        if (c.Col == DropDownGrid::Calc) EXPECT_EQ(grid->Cells(c.Col, 1).toDouble(), c.CellText.toDouble());
        else EXPECT_EQ(grid->Cells(c.Col, 1), c.CellText);
        EXPECT_EQ(grid->Row(), 1);
    }
}

TEST_F(DropDownEditorsTest, AltDownOpensThePopUpWithoutEndingTheEditAndFocusInItCommitsNothing) {
    int done = 0;
    grid->OnEditingDone = [&](TObject*) { ++done; };
    for (const KindCase& c : TextKinds()) {
        SCOPED_TRACE(c.EditorClass);
        grid->SetCells(c.Col, 2, c.CellText);
        done = 0;
        grid->Open(c.Col, 2);
        TExCustomDropDown* editor = grid->Editor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_TRUE(editor->DroppedDown());
        EXPECT_TRUE(grid->EditMode());
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(done, 0);
        editor->HideDropDown(true);
        QApplication::processEvents();
        EXPECT_TRUE(grid->EditMode());
        Key(Qt::Key_Escape);
        EXPECT_FALSE(grid->EditMode());
        EXPECT_EQ(grid->Cells(c.Col, 2), c.CellText);
    }
}

TEST_F(DropDownEditorsTest, EscPutsTheCellBackAfterAChoiceInThePopUp) {
    struct Case {
        int Col;
        std::function<void()> Choose;
    };
    const std::vector<Case> cases = {
        {DropDownGrid::Detail, [&] { grid->DetailPickerDropDown()->SetItemIndex(2); }},
        {DropDownGrid::Multi, [&] { grid->GridDropDown()->SetItemIndex(2); }},
        {DropDownGrid::ExGrid, [&] { grid->ExGridDropDown()->SetItemIndex(2); }},
        {DropDownGrid::Track, [&] { grid->TrackbarDropDown()->SetPosition(9); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Col);
        grid->SetCells(c.Col, 1, c.Col == DropDownGrid::Track ? "3" : "Alpha");
        const QString before = grid->Cells(c.Col, 1);
        grid->Open(c.Col, 1);
        QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
        c.Choose();
        QApplication::processEvents();
        EXPECT_NE(grid->Editor()->Text(), before);
        Key(Qt::Key_Escape);
        EXPECT_FALSE(grid->EditMode());
        EXPECT_EQ(grid->Cells(c.Col, 1), before);
    }
}

TEST_F(DropDownEditorsTest, UpAndDownCommitAndMoveWhenClosedButOnlyCommitWhenOpen) {
    struct Case {
        int Key;
        bool Open;
        int RowAfter;
    };
    const Case cases[] = {{Qt::Key_Down, false, 3}, {Qt::Key_Up, false, 1}, {Qt::Key_Down, true, 2},
                          {Qt::Key_Up, true, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Key << " open " << c.Open);
        grid->SetCells(DropDownGrid::Detail, 2, "Alpha");
        grid->Open(DropDownGrid::Detail, 2);
        if (c.Open) QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
        grid->DetailPickerDropDown()->SetItemIndex(1);
        QApplication::processEvents();
        QTest::keyClick(grid->Editor(), Qt::Key(c.Key));
        QApplication::processEvents();
        EXPECT_FALSE(grid->EditMode());
        EXPECT_FALSE(grid->DetailPickerDropDown()->DroppedDown());
        EXPECT_EQ(grid->Cells(DropDownGrid::Detail, 2), "Beta");
        EXPECT_EQ(grid->Row(), c.RowAfter);
        EXPECT_EQ(grid->Col(), DropDownGrid::Detail);
    }
}

TEST_F(DropDownEditorsTest, TabCommitsAndWalksWithGoTabs) {
    grid->SetOptions(grid->Options().Include(goTabs));
    grid->SetCells(DropDownGrid::Time, 1, "08:15:00");
    grid->Open(DropDownGrid::Time, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(DropDownGrid::Time, 1), "08:15:00");
    EXPECT_EQ(grid->Col(), DropDownGrid::Detail);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(DropDownEditorsTest, TypedTextReachesTheCellAndOnEditChange) {
    std::vector<QString> changes;
    grid->OnEditChange = [&](TObject*, int, int, const QString& Value) { changes.push_back(Value); };
    grid->SetCells(DropDownGrid::Track, 1, "1");
    grid->Open(DropDownGrid::Track, 1);
    EXPECT_TRUE(changes.empty()) << "opening reports no change";
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Type("8");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(DropDownGrid::Track, 1), "8");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), "8");
}

TEST_F(DropDownEditorsTest, CalculatorEnterStoresTheComputedResult) {
    grid->SetCells(DropDownGrid::Calc, 1, "12");
    grid->Open(DropDownGrid::Calc, 1);
    QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->Editor()->DroppedDown());
    QTest::keyClicks(grid->Editor()->DropDownForm(), "+3");
    EXPECT_EQ(grid->Editor()->Text().toDouble(), 3.0) << "the operand last typed";
    QTest::keyClick(grid->Editor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(DropDownGrid::Calc, 1).toDouble(), 15.0);
}

TEST_F(DropDownEditorsTest, RefusedValueKeepsTheEditorOpenWithTheCorrectedText) {
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        if (Value == "Beta") {
            Value = "Gamma";
            Valid = false;
        }
    };
    grid->SetCells(DropDownGrid::Detail, 1, "Alpha");
    grid->Open(DropDownGrid::Detail, 1);
    grid->DetailPickerDropDown()->SetItemIndex(1);
    Key(Qt::Key_Return);
    EXPECT_TRUE(grid->EditMode());
    EXPECT_TRUE(grid->Editor()->isVisible());
    EXPECT_EQ(grid->Editor()->Text(), "Gamma");
    EXPECT_EQ(grid->Editor()->SelText(), "Gamma");
    EXPECT_EQ(grid->Row(), 1);
    Key(Qt::Key_Return);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(DropDownGrid::Detail, 1), "Gamma");
}

TEST_F(DropDownEditorsTest, MemoKeepsAllLinesAndTheirBreaks) {
    for (const QString text : {QString("one\ntwo\nthree"), QString("one\r\ntwo")}) {
        grid->SetCells(DropDownGrid::Memo, 1, text);
        grid->Open(DropDownGrid::Memo, 1);
        EXPECT_EQ(grid->MemoDropDown()->MemoText(), MemoLines(text));
        EXPECT_EQ(grid->Editor()->SelLength(), 0);
        Key(Qt::Key_Return);
        EXPECT_EQ(grid->Cells(DropDownGrid::Memo, 1), text);
    }
}

TEST_F(DropDownEditorsTest, PopUpsTakeTheGridsHeaderAndFooterAndTheirButtonsReachTheGrid) {
    grid->ControlLook()->DropDownHeader.SetVisible(true);
    grid->ControlLook()->DropDownHeader.SetCaption("Pick a value");
    grid->ControlLook()->DropDownFooter.Buttons().Add()->SetCaption("Clear");
    std::vector<std::tuple<char, int, int, int>> clicks;
    grid->OnDropDownHeaderButtonClick = [&](TObject* Sender, int ACol, int ARow, int Index) {
        EXPECT_EQ(Sender, grid);
        clicks.emplace_back('h', ACol, ARow, Index);
    };
    grid->OnDropDownFooterButtonClick = [&](TObject*, int ACol, int ARow, int Index) {
        clicks.emplace_back('f', ACol, ARow, Index);
    };
    for (const KindCase& c : TextKinds()) {
        SCOPED_TRACE(c.EditorClass);
        clicks.clear();
        grid->Open(c.Col, 3);
        TExCustomDropDown* editor = grid->Editor();
        EXPECT_EQ(editor->DropDownHeader()->Caption(), "Pick a value");
        EXPECT_TRUE(editor->DropDownHeader()->Visible());
        ASSERT_EQ(editor->DropDownFooter()->Buttons().Count(), 1);
        editor->DropDownFooterButtonClick(0);
        editor->DropDownHeaderButtonClick(2);
        const std::vector<std::tuple<char, int, int, int>> expected = {{'f', c.Col, 3, 0}, {'h', c.Col, 3, 2}};
        EXPECT_EQ(clicks, expected);
        Key(Qt::Key_Escape);
    }
}

TEST_F(DropDownEditorsTest, AClickThatOpensTheMemoPutsTheCaretUnderTheMouse) {
    grid->MouseActions()->SetDirectEdit(true);
    grid->MouseActions()->SetCaretPositioning(true);
    grid->SetCells(DropDownGrid::Memo, 2, "abcdefghijkl");
    const TRect cell = grid->CellRect(DropDownGrid::Memo, 2);
    const QPoint at(cell.Left + 40, (cell.Top + cell.Bottom) / 2);
    QWidget* surface = grid->viewport();
    QCursor::setPos(surface->mapToGlobal(at));
    QTest::mouseClick(surface, Qt::LeftButton, {}, at);
    QApplication::processEvents();
    ASSERT_TRUE(grid->EditMode());
    TExCustomDropDown* memo = grid->MemoDropDown();
    ASSERT_EQ(grid->Editor(), memo);
    EXPECT_EQ(memo->SelLength(), 0) << "nothing selected";
    EXPECT_EQ(memo->SelStart(), memo->CharFromPos(memo->mapFromGlobal(surface->mapToGlobal(at)).x()));
    EXPECT_GT(memo->SelStart(), 0);
    EXPECT_FALSE(grid->LButFlg);
}

TEST_F(DropDownEditorsTest, ColorPickerHomeEndsOnlyWhileClosedAndOnColorSelectedDecides) {
    int selected = 0;
    grid->OnColorSelected = [&](TObject*, int ACol, int ARow, TColor& Color, QString& Value) {
        ++selected;
        EXPECT_EQ(ACol, DropDownGrid::Color);
        EXPECT_EQ(ARow, 1);
        Color = clBlue;
        Value = "chosen blue";
    };
    grid->SetColors(DropDownGrid::Color, 1, clRed);
    grid->Open(DropDownGrid::Color, 1);
    EXPECT_EQ(grid->ColorPickerDropDown()->SelectedColor(), clRed);
    QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
    QApplication::processEvents();
    ASSERT_TRUE(grid->Editor()->DroppedDown());
    QTest::keyClick(grid->Editor(), Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_TRUE(grid->EditMode()) << "Home in the open picker is the picker's";
    grid->Editor()->HideDropDown(true);
    QTest::keyClick(grid->Editor(), Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(grid->Cells(DropDownGrid::Color, 1), "chosen blue");
    EXPECT_EQ(grid->Colors(DropDownGrid::Color, 1), clBlue);
}

TEST_F(DropDownEditorsTest, ImagePickerTakesTheCellIndexAndOnImageSelectedDecides) {
    TCustomImageList images(nullptr);
    for (int i = 0; i < 4; ++i) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(QColor::fromHsv(i * 60, 200, 200));
        images.Add(picture);
    }
    grid->SetGridImages(&images);
    grid->AddImageIdx(DropDownGrid::Image, 1, 2, haCenter, vaCenter);
    std::vector<int> seen;
    grid->OnImageSelected = [&](TObject*, int, int, int& Index) {
        seen.push_back(Index);
        Index = 3;
    };
    grid->Open(DropDownGrid::Image, 1);
    EXPECT_EQ(grid->ImagePickerDropDown()->ImageIndex(), 2);
    Key(Qt::Key_Return);
    EXPECT_EQ(seen, std::vector<int>{2});
    int index = -1;
    ASSERT_TRUE(grid->GetImageIdx(DropDownGrid::Image, 1, index));
    EXPECT_EQ(index, 3);
    grid->SetGridImages(nullptr);
}

TEST_F(DropDownEditorsTest, StartCharacterArrivesInThePicker) {
    grid->SetColors(DropDownGrid::Color, 1, clWhite);
    // The picker's list is filled at its first opening.
    grid->Open(DropDownGrid::Color, 1);
    QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
    Key(Qt::Key_Escape);
    ASSERT_FALSE(grid->EditMode());
    EXPECT_FALSE(grid->ColorPickerDropDown()->DroppedDown());
    // The offscreen platform does not give the activation back when a pop-up closes.
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(window->focusWidget(), grid);
    QTest::keyClicks(grid, "G");
    QApplication::processEvents();
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->ColorPickerDropDown()->SelectedColorText(), "Green");
    EXPECT_EQ(QApplication::focusWidget(), grid->Editor());
    QTest::keyClick(grid->Editor(), Qt::Key_Return);
    EXPECT_EQ(grid->Colors(DropDownGrid::Color, 1), clGreen);
}

}  // namespace
