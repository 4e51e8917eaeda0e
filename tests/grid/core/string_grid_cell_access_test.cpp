// String grid cell access: per-cell attributes read without creating properties, row
// colours that clear only themselves, fonts as copies, the combo list, cells in other
// orders, and negative indexes that never reach the store.

#include "grid/core/string_grid.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

namespace {

TEST(StringGridCellAccess, ReadingAttributesCreatesNoPropertiesButWordWrapDoes) {
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.Colors(2, 2), clNone);
    EXPECT_EQ(grid.ColorsTo(2, 2), clNone);
    EXPECT_EQ(grid.FontColors(2, 2), clNone);
    EXPECT_EQ(grid.FontSizes(2, 2), 0);
    EXPECT_EQ(grid.FontNames(2, 2), QString());
    EXPECT_EQ(grid.Alignments(2, 2), taLeftJustify);
    EXPECT_EQ(grid.Gradients(2, 2), GradientVertical);
    EXPECT_FALSE(grid.ReadOnly(2, 2));
    EXPECT_TRUE(grid.FontStyles(2, 2).Empty());
    EXPECT_FALSE(grid.CellPropsAssigned(2, 2));
    EXPECT_TRUE(grid.WordWraps(2, 2));
    EXPECT_TRUE(grid.CellPropsAssigned(2, 2));
}

TEST(StringGridCellAccess, WrittenAttributesAreReadBack) {
    TExStringGrid grid(nullptr);
    grid.SetColors(1, 2, clRed);
    grid.SetColorsTo(1, 2, clBlue);
    grid.SetGradients(1, 2, GradientHorizontal);
    grid.SetFontStyles(1, 2, TFontStyles{fsItalic});
    grid.SetFontNames(1, 2, "Courier");
    grid.SetAlignments(1, 2, taRightJustify);
    grid.SetReadOnly(1, 2, true);
    grid.SetWordWraps(1, 2, false);
    EXPECT_EQ(grid.Colors(1, 2), clRed);
    EXPECT_EQ(grid.ColorsTo(1, 2), clBlue);
    EXPECT_EQ(grid.Gradients(1, 2), GradientHorizontal);
    EXPECT_TRUE(grid.FontStyles(1, 2).Contains(fsItalic));
    EXPECT_EQ(grid.FontNames(1, 2), "Courier");
    EXPECT_EQ(grid.Alignments(1, 2), taRightJustify);
    EXPECT_TRUE(grid.ReadOnly(1, 2));
    EXPECT_FALSE(grid.WordWraps(1, 2));
    // The empty cell's text stays empty.
    EXPECT_EQ(grid.Cells(1, 2), QString());
}

TEST(StringGridCellAccess, FontsGivesACopy) {
    TExStringGrid grid(nullptr);
    TFont font;
    font.Name = "Arial";
    font.Size = 11;
    font.Color = clMaroon;
    grid.SetFonts(1, 1, font);
    TFont read = grid.Fonts(1, 1);
    EXPECT_EQ(read.Name, "Arial");
    EXPECT_EQ(read.Size, 11);
    EXPECT_EQ(read.Color, clMaroon);
    read.Size = 30;
    EXPECT_EQ(grid.Fonts(1, 1).Size, 11);
    EXPECT_EQ(grid.FontSizes(1, 1), 11);
}

TEST(StringGridCellAccess, ARowColourSetToNoneClearsOnlyThatColour) {
    using RowSetter = void (TExStringGrid::*)(int, TColor);
    using CellReader = TColor (TExStringGrid::*)(int, int) const;
    const struct {
        const char* name;
        RowSetter set;
        CellReader read;
    } cases[] = {
        {"RowColor", &TExStringGrid::SetRowColor, &TExStringGrid::Colors},
        {"RowColorTo", &TExStringGrid::SetRowColorTo, &TExStringGrid::ColorsTo},
        {"RowFontColor", &TExStringGrid::SetRowFontColor, &TExStringGrid::FontColors},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid grid(nullptr);
        grid.CreateCellGraphic(1, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
        grid.SetReadOnly(2, 2, true);
        grid.MergeCells(3, 2, 2, 1);
        (grid.*c.set)(2, clYellow);
        for (int col = 1; col < grid.AllColCount(); ++col) EXPECT_EQ((grid.*c.read)(col, 2), clYellow) << col;
        (grid.*c.set)(2, clNone);
        for (int col = 1; col < grid.AllColCount(); ++col) EXPECT_EQ((grid.*c.read)(col, 2), clNone) << col;
        EXPECT_EQ(grid.GetCellType(1, 2), ctCheckBox);
        EXPECT_TRUE(grid.ReadOnly(2, 2));
        EXPECT_TRUE(grid.IsMergedCell(4, 2));
        // The fixed column is left alone.
        EXPECT_EQ((grid.*c.read)(0, 2), clNone);
    }
}

TEST(StringGridCellAccess, ComboListOperations) {
    TExStringGrid grid(nullptr);
    grid.AddComboString("Off");
    grid.AddComboString("On");
    TObject marker;
    grid.AddComboStringObject("Auto", &marker);
    EXPECT_EQ(grid.GetComboCount(), 3);
    EXPECT_EQ(grid.ComboItems().Objects(2), &marker);
    EXPECT_FALSE(grid.SetComboSelectionString("Missing"));
    EXPECT_EQ(grid.ComboSelection(), -1);
    EXPECT_TRUE(grid.SetComboSelectionString("On"));
    EXPECT_EQ(grid.ComboSelection(), 1);
    EXPECT_TRUE(grid.RemoveComboString("Off"));
    EXPECT_FALSE(grid.RemoveComboString("Off"));

    // ComboIndex lets the handler fill the list for the cell first.
    grid.OnGetEditorProp = [&](TObject*, int c, int, TEditLink*) {
        grid.ClearComboString();
        grid.AddComboString(c == 2 ? "two" : "other");
        grid.AddComboString("shared");
    };
    grid.SetCells(2, 1, "shared");
    EXPECT_EQ(grid.ComboIndex(2, 1), 1);
    grid.SetComboIndex(2, 1, 0);
    EXPECT_EQ(grid.Cells(2, 1), "two");
    grid.SetComboIndex(2, 1, 9);  // beyond the list: nothing changes
    EXPECT_EQ(grid.Cells(2, 1), "two");
    grid.ClearComboString();
    EXPECT_EQ(grid.GetComboCount(), 0);
}

TEST(StringGridCellAccess, CellsInOtherOrdersAndAsPlainText) {
    TExStringGrid grid(nullptr);
    grid.SetCells(1, 1, "a<br>b <b>bold</b> &amp; more");
    EXPECT_EQ(grid.StrippedCells(1, 1), "a\r\nb bold &amp; more");  // tags go, entities stay
    grid.SetCells(2, 1, "one\r\ntwo\r\nthree");
    EXPECT_EQ(grid.LinesInCell(2, 1), 3);
    // Without sorting or moved columns the cells are where they are.
    EXPECT_EQ(grid.UnSortedCells(2, 1), grid.Cells(2, 1));
    EXPECT_EQ(grid.OriginalCells(2, 1), grid.Cells(2, 1));
    EXPECT_EQ(grid.UnSortedRowIndex(4), 4);
    EXPECT_EQ(grid.SortedRowIndex(4), 4);
    // The row now at 1 came from 3, the row now at 3 from 1.
    for (int r : {0, 3, 2, 1}) grid.SortRowXRef()->Add(r);
    grid.SetCells(1, 3, "was one");
    EXPECT_EQ(grid.UnSortedCells(1, 1), "was one");
    EXPECT_EQ(grid.SortedRowIndex(1), 3);
    EXPECT_EQ(grid.UnSortedRowIndex(3), 1);
    EXPECT_EQ(grid.UnSortedRowIndex(7), 4);
}

TEST(StringGridCellAccess, CurrentCellReadsAndWritesTheBaseCellOfItsArea) {
    TExStringGrid grid(nullptr);
    grid.MergeCells(1, 1, 2, 2);
    grid.SetCells(1, 1, "base");
    grid.TStringGrid::SetCol(2);
    grid.TStringGrid::SetRow(2);
    EXPECT_EQ(grid.CurrentCell(), "base");
    grid.SetCurrentCell("new");
    EXPECT_EQ(grid.GridCells(1, 1), "new");
    grid.OnGetDisplText = [](TObject*, int, int, QString& v) { v = "[" + v + "]"; };
    EXPECT_EQ(grid.GetCurrentCellText(), "[new]");
    EXPECT_EQ(grid.GetCurrentCell(), "new");
}

TEST(StringGridCellAccess, NegativeIndexesReadTheQuietAnswerAndWriteNothing) {
    TExStringGrid grid(nullptr);
    grid.SetColors(-1, 2, clRed);
    grid.SetFontSizes(2, -1, 12);
    grid.SetRowColor(-1, clRed);
    grid.SetSelectedCells(-1, -1, true);
    EXPECT_EQ(grid.Colors(-1, 2), clNone);
    EXPECT_FALSE(grid.WordWraps(-3, 0));
    EXPECT_EQ(grid.SelectedCellsCount(), 1);
    EXPECT_EQ(grid.GetCellType(-1, 0), ctEmpty);
    EXPECT_EQ(grid.CreateCellGraphic(-1, 0), nullptr);
    EXPECT_FALSE(grid.HasCellObject(0, -2, {ctEmpty}));
}

TEST(StringGridCellAccess, ACellControlIsPlacedOverItsCellAndCounted) {
    TExStringGrid grid(nullptr);
    grid.resize(400, 250);
    TEdit* edit = new TEdit(nullptr);
    grid.SetCellControls(2, 3, edit);
    EXPECT_EQ(grid.CellControls(2, 3), edit);
    EXPECT_EQ(grid.ControlList()->Count(), 1);
    const TRect cell = grid.CellRect(2, 3);
    EXPECT_EQ(edit->Widget()->geometry(), QRect(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1));
    grid.SetCellControls(2, 3, nullptr);
    EXPECT_EQ(grid.CellControls(2, 3), nullptr);
    EXPECT_EQ(grid.ControlList()->Count(), 0);
    delete edit;
}

}  // namespace
