#include "editors/table_row_helpers.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "grid/core/grid_fixture.h"
#include "platform/dialogs.h"

#include <gtest/gtest.h>

namespace {

// Records every message box and answers questions with the given button.
class MessageLog {
public:
    explicit MessageLog(TModalResult answer = mrYes) {
        SetMessageDialogResponder([this, answer](const MessageDialogRequest& request) {
            texts.push_back(request.text);
            return request.type == mtConfirmation ? answer : mrOk;
        });
    }
    ~MessageLog() { SetMessageDialogResponder({}); }
    std::vector<QString> texts;
};

QStringList RowTexts(TExStringGrid& grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid.TotalColCount(); ++c) texts << grid.Cells(c, row);
    return texts;
}

class TableRowHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Load_Default_Texts();
        SL_Copy_Row.Clear();
        Copy_Row_CheckBox.clear();
        Enable_Jump_Field = false;
        Enable_Auto_Size = false;
    }
};

// Copy and paste carry every real column, the hidden Address column too.
TEST_F(TableRowHelpersTest, ColumnGridCopyAndPasteCarryTheHiddenColumn) {
    ColumnGridFixture grid;
    grid.SetCells(ColumnGridFixture::AddressCol, 1, "A1");
    grid.SetCells(3, 1, "Start Break");
    for (int c = 1; c < grid.TotalColCount(); ++c)
        if (c != 1 && c != 4) grid.SetCells(c, 3, "");
    Copy_Row_ColumnGrid(grid, 1);
    EXPECT_EQ(SL_Copy_Row.Count(), grid.ColCount() + grid.NumHiddenColumns() - 1);

    MessageLog log;
    Paste_Row_ColumnGrid(grid, 3, true);
    EXPECT_TRUE(log.texts.empty()) << "a row holding only Y/N boxes is not in use";
    EXPECT_EQ(RowTexts(grid, 3).mid(1), RowTexts(grid, 1).mid(1));
    EXPECT_EQ(grid.Cells(ColumnGridFixture::AddressCol, 3), "A1");
}

TEST_F(TableRowHelpersTest, ColumnGridPasteRefusalsAndQuestion) {
    struct Case {
        const char* name;
        bool copied;
        int extraClipboardTexts;
        TModalResult answer;
        int expectedText;  // 0: no message
        bool written;
    };
    const Case cases[] = {
        {"nothing copied from this table", false, 0, mrYes, 902, false},
        {"clipboard of another width", true, 1, mrYes, 901, false},
        {"used row, No", true, 0, mrNo, 900, false},
        {"used row, Yes", true, 0, mrYes, 900, true},
    };
    for (const Case& test : cases) {
        ColumnGridFixture grid;
        grid.SetCells(3, 2, "Start Break");
        Copy_Row_ColumnGrid(grid, 2);
        for (int i = 0; i < test.extraClipboardTexts; ++i) SL_Copy_Row.Add("x");
        grid.SetCells(3, 5, "  Normal ");
        MessageLog log(test.answer);
        Paste_Row_ColumnGrid(grid, 5, test.copied);
        ASSERT_EQ(log.texts.size(), 1u) << test.name;
        EXPECT_EQ(log.texts[0], Default_Text(test.expectedText)) << test.name;
        EXPECT_EQ(grid.Cells(3, 5), test.written ? "Start Break" : "  Normal ") << test.name;
    }
}

// A row copied in one table of the same width is never pasted into another, whatever
// that table's own copy flag says; a table whose row was copied and then freed neither.
TEST_F(TableRowHelpersTest, PasteTakesOnlyARowCopiedFromTheSameTable) {
    ColumnGridFixture source;
    ColumnGridFixture target;
    source.SetCells(3, 2, "Start Break");
    Copy_Row_ColumnGrid(source, 2);
    const QString before = target.Cells(3, 4);
    MessageLog log;
    Paste_Row_ColumnGrid(target, 4, true);
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0], Default_Text(902));
    EXPECT_EQ(target.Cells(3, 4), before);
    Paste_Row_ColumnGrid(source, 4, true);
    EXPECT_EQ(source.Cells(3, 4), "Start Break");
    {
        ColumnGridFixture gone;
        Copy_Row_ColumnGrid(gone, 1);
    }
    Paste_Row_ColumnGrid(source, 5, true);
    EXPECT_EQ(log.texts.back(), Default_Text(902));
}

TEST_F(TableRowHelpersTest, ColumnGridInsertAndDeleteMoveWholeRows) {
    ColumnGridFixture grid;
    const int last = grid.RowCount() - 1;
    for (int r = 1; r <= last; ++r) grid.SetCells(ColumnGridFixture::AddressCol, r, QString("A%1").arg(r));
    const QStringList row3 = RowTexts(grid, 3);
    const QStringList row5 = RowTexts(grid, 5);

    Insert_Row_ColumnGrid(3, grid, true);
    EXPECT_EQ(grid.Cells(1, 3), "Y");
    EXPECT_EQ(grid.Cells(ColumnGridFixture::AddressCol, 3), "");
    EXPECT_EQ(grid.Cells(5, 3), "");
    EXPECT_EQ(grid.Cells(0, 3), row3[0]) << "column 0 holds the row number and is never touched";
    EXPECT_EQ(RowTexts(grid, 4).mid(1), row3.mid(1));

    Delete_Row_ColumnGrid(3, grid);
    EXPECT_EQ(RowTexts(grid, 3).mid(1), row3.mid(1));
    EXPECT_EQ(RowTexts(grid, 5).mid(1), row5.mid(1));
    for (int c = 1; c < grid.TotalColCount(); ++c) EXPECT_EQ(grid.Cells(c, last), "") << c;

    // At the last row only that row is emptied.
    grid.SetCells(3, last, "Normal");
    const QStringList before = RowTexts(grid, last - 1);
    Insert_Row_ColumnGrid(last, grid, false);
    EXPECT_EQ(RowTexts(grid, last - 1), before);
    EXPECT_EQ(grid.Cells(3, last), "");
    EXPECT_EQ(grid.Cells(1, last), "");
}

// The DALI editor's string grid: column 1 check boxes, column 2 a read-only text.
class CheckBoxGrid : public TExStringGrid {
public:
    CheckBoxGrid() : TExStringGrid(nullptr) {
        SetColCount(4);
        SetRowCount(5);
        for (int r = 1; r < 5; ++r) {
            AddCheckBox(1, r, r % 2 == 1, false);
            SetCells(2, r, QString("Dev %1").arg(r));
            SetCells(3, r, QString("T%1").arg(r));
            SetReadOnly(2, r, r == 2);
        }
    }
    bool Checked(int c, int r) {
        bool state = false;
        GetCheckBoxState(c, r, state);
        return state;
    }
};

TEST_F(TableRowHelpersTest, StringGridCopyAndPasteRestoreCheckBoxes) {
    CheckBoxGrid grid;
    Copy_Row_StringGrid(grid, 1);
    EXPECT_EQ(SL_Copy_Row.Strings(0), "Y");
    EXPECT_TRUE(Copy_Row_CheckBox[1]);
    EXPECT_FALSE(Copy_Row_CheckBox[2]);

    grid.SetCells(2, 4, "");
    grid.SetCells(3, 4, "");
    MessageLog log;
    Paste_Row_StringGrid(grid, 4, true);
    EXPECT_TRUE(log.texts.empty()) << "only the check box was set: the row is free";
    EXPECT_TRUE(grid.Checked(1, 4));
    EXPECT_TRUE(grid.HasCheckBox(1, 4));
    EXPECT_EQ(grid.Cells(2, 4), "Dev 1");

    Copy_Row_StringGrid(grid, 2);
    Paste_Row_StringGrid(grid, 4, true);
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0], Default_Text(900));
    EXPECT_FALSE(grid.Checked(1, 4));
    EXPECT_EQ(grid.Cells(3, 4), "T2");
}

TEST_F(TableRowHelpersTest, StringGridInsertAndDeleteCarryStatesAndReadOnly) {
    CheckBoxGrid grid;
    Insert_Row_StringGrid(1, grid, true);
    EXPECT_TRUE(grid.Checked(1, 1));
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_FALSE(grid.ReadOnly(2, 1));
    EXPECT_TRUE(grid.Checked(1, 2)) << "row 1 moved down with its state";
    EXPECT_EQ(grid.Cells(2, 2), "Dev 1");
    EXPECT_FALSE(grid.Checked(1, 3));
    EXPECT_TRUE(grid.ReadOnly(2, 3)) << "the read-only state moved with row 2";
    EXPECT_EQ(grid.Cells(2, 4), "Dev 3");

    Delete_Row_StringGrid(1, grid, false);
    EXPECT_TRUE(grid.Checked(1, 1));
    EXPECT_EQ(grid.Cells(2, 1), "Dev 1");
    EXPECT_TRUE(grid.ReadOnly(2, 2));
    EXPECT_EQ(grid.Cells(2, 4), "");
    EXPECT_FALSE(grid.Checked(1, 4));
    for (int c = 1; c < 4; ++c) EXPECT_TRUE(grid.ReadOnly(c, 4)) << "the emptied last row is read-only";
}

TEST_F(TableRowHelpersTest, EnterMovesToTheNextCell) {
    struct Case {
        bool option;
        int fromCol, fromRow;
        QChar key;
        int toCol, toRow;
        bool consumed;
    };
    const Case cases[] = {
        {false, 2, 2, QChar(13), 2, 2, false},
        {true, 2, 2, QChar('a'), 2, 2, false},
        {true, 2, 2, QChar(13), 3, 2, true},
        {true, 3, 2, QChar(13), 1, 3, true},
        {true, 3, 4, QChar(13), 1, 1, true},
        {true, 0, 2, QChar(13), 0, 2, true},
    };
    for (const Case& test : cases) {
        CheckBoxGrid grid;
        grid.SetFixedCols(0);
        grid.FocusCell(test.fromCol, test.fromRow);
        Enable_Jump_Field = test.option;
        QChar key = test.key;
        Enter_Next_Cell(grid, key);
        EXPECT_EQ(grid.Col(), test.toCol) << test.fromCol << "," << test.fromRow;
        EXPECT_EQ(grid.Row(), test.toRow) << test.fromCol << "," << test.fromRow;
        EXPECT_EQ(key == QChar(0), test.consumed) << test.fromCol << "," << test.fromRow;
    }
}

TEST_F(TableRowHelpersTest, DoubleClickSizesOnlyTheHeaderWithTheOption) {
    for (const bool option : {false, true}) {
        for (const int row : {0, 1}) {
            CheckBoxGrid grid;
            grid.SetCells(3, 0, "A rather long column header text");
            grid.SetColWidths(3, 20);
            Enable_Auto_Size = option;
            Auto_Size_Column(grid, row, 3);
            EXPECT_EQ(grid.ColWidths(3) > 20, option && row == 0) << option << " row " << row;
        }
    }
}

}  // namespace
