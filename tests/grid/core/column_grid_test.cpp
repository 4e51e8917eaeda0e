// The column grid: items kept in step with the columns, headers, and the per-cell
// answers that come from the items (on the DALI-like fixture with a hidden column).

#include "controls/english_format_settings.h"
#include "grid/core/column_grid.h"
#include "grid/core/grid_fixture.h"
#include "grid/edit/grid_spin.h"

#include "platform/format_settings.h"

#include <QComboBox>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList HeaderList(const TExColumnGrid& grid) {
    QStringList headers;
    for (int i = 0; i < grid.ColumnHeaders()->Count(); ++i) headers << grid.ColumnHeaders()->Strings(i);
    return headers;
}

TEST(ColumnGridItems, FollowTheColumnCountWithTheLookOfTheLastItem) {
    TExColumnGrid grid(nullptr);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount());
    grid.Columns()->Items(4)->SetAlignment(taRightJustify);
    grid.Columns()->Items(4)->SetEditor(edComboList);
    grid.Columns()->Items(4)->SetHeader("Last");
    grid.SetColCount(8);
    ASSERT_EQ(grid.Columns()->Count(), 8);
    for (int i = 5; i < 8; ++i) {
        EXPECT_EQ(grid.Columns()->Items(i)->Alignment(), taRightJustify);
        EXPECT_EQ(grid.Columns()->Items(i)->Editor(), edComboList);
        EXPECT_TRUE(grid.Columns()->Items(i)->Header().isEmpty());
    }
    grid.SetColCount(3);
    EXPECT_EQ(grid.Columns()->Count(), 3);
}

TEST(ColumnGridItems, AddingAndDeletingItemsSizeTheGridButNeverToItsFixedColumns) {
    TExColumnGrid grid(nullptr);
    grid.Columns()->Add();
    EXPECT_EQ(grid.ColCount(), 6);
    while (grid.Columns()->Count() > 0) grid.Columns()->Delete(grid.Columns()->Count() - 1);
    EXPECT_GT(grid.ColCount(), grid.FixedCols());
}

TEST(ColumnGridItems, HidingKeepsEveryItemAndAWidthSetWhileHiddenComesBack) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(6);
    grid.HideColumn(3);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Columns()->Count(), 6);
    grid.Columns()->Items(3)->SetWidth(77);
    EXPECT_EQ(grid.Columns()->Items(3)->Width(), 77);
    EXPECT_EQ(grid.Columns()->Count(), 6);
    grid.UnHideColumn(3);
    EXPECT_EQ(grid.ColWidths(3), 77);
    EXPECT_EQ(grid.Columns()->Count(), 6);
}

TEST(ColumnGridItems, HeadersGoToRowZeroOnlyWithFixedRows) {
    TExColumnGrid grid(nullptr);
    grid.Columns()->Items(2)->SetHeader("Mode");
    EXPECT_EQ(grid.Cells(2, 0), "Mode");
    EXPECT_EQ(HeaderList(grid), (QStringList{"", "", "Mode", "", ""}));

    TExColumnGrid plain(nullptr);
    plain.SetFixedRows(0);
    plain.SetCells(2, 0, "data");
    plain.Columns()->Items(2)->SetHeader("Mode");
    EXPECT_EQ(plain.Cells(2, 0), "data");
    EXPECT_EQ(HeaderList(plain), (QStringList{"", "", "Mode", "", ""}));
}

TEST(ColumnGridItems, SyncColumnHeadersTakesRowZeroForEmptyHeaders) {
    TExColumnGrid grid(nullptr);
    grid.SetCells(1, 0, "From cell");
    grid.Columns()->Items(3)->SetHeader("Own");
    grid.SyncColumnHeaders();
    EXPECT_EQ(grid.Columns()->Items(1)->Header(), "From cell");
    EXPECT_EQ(HeaderList(grid), (QStringList{"", "From cell", "", "Own", ""}));
}

TEST(ColumnGridItems, NamesAreFoundCaseSensitively) {
    TExColumnGrid grid(nullptr);
    grid.Columns()->Items(1)->SetName("enable");
    grid.Columns()->Items(3)->SetName("Enable");
    EXPECT_EQ(grid.GetColumnByName("Enable"), grid.Columns()->Items(3));
    EXPECT_EQ(grid.GetColumnByName("ENABLE"), nullptr);
    EXPECT_EQ(grid.Columns()->Items(3)->GetDisplayName(), "Col 3: Enable");
    EXPECT_EQ(grid.Columns()->Items(0)->GetDisplayName(), "Column 0");
}

TEST(ColumnGridItems, InsertedAndRemovedColumnsTakeTheirItemsOnce) {
    ColumnGridFixture grid;
    grid.UnHideColumn(ColumnGridFixture::AddressCol);
    grid.RemoveCols(1, 2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_TRUE(grid.ItemsMatchColumns());
    EXPECT_EQ(grid.Columns()->Items(1)->Name(), "Dimming");

    grid.InsertCols(1, 2);
    EXPECT_EQ(grid.ColCount(), 6);
    ASSERT_EQ(grid.Columns()->Count(), 6);
    EXPECT_EQ(grid.Columns()->Items(3)->Name(), "Dimming");
    EXPECT_TRUE(grid.Columns()->Items(1)->Name().isEmpty());
    EXPECT_EQ(grid.Columns()->Items(1)->Editor(), edNormal);

    // Removing past the end removes only the columns there are.
    grid.RemoveCols(5, 10);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount() + grid.NumHiddenColumns());
}

TEST(ColumnGridItems, ColumnMovedByCodeCarriesTheWholeItem) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(6);
    TGridColumnItem* item = grid.Columns()->Items(1);
    item->SetName("moved");
    item->SetEditor(edComboEdit);
    item->ComboItems()->Add("a");
    item->SetColumnPopupType(cpAllCellsLClick);
    item->SetPrintFontCustom(false);
    grid.SetCells(1, 3, "text");
    std::vector<std::pair<int, int>> moves;
    grid.OnAfterColumnMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };
    grid.MoveColumn(1, 4);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(1, 4));
    TGridColumnItem* moved = grid.Columns()->Items(4);
    EXPECT_EQ(moved->Name(), "moved");
    EXPECT_EQ(moved->Editor(), edComboEdit);
    EXPECT_EQ(moved->ComboItems()->Count(), 1);
    EXPECT_EQ(moved->ColumnPopupType(), cpAllCellsLClick);
    EXPECT_FALSE(moved->PrintFontCustom());
    EXPECT_EQ(moved->Rows(3), "text");
    moved->SetRows(2, "row two");
    EXPECT_EQ(grid.Cells(4, 2), "row two");
    EXPECT_EQ(grid.Columns()->Count(), 6);
}

TEST(ColumnGridItems, ItemsStayInStepThroughEveryStructureOperation) {
    ColumnGridFixture grid;
    struct Step {
        const char* name;
        std::function<void(ColumnGridFixture&)> run;
    };
    const Step steps[] = {
        {"hide MinMax", [](ColumnGridFixture& g) { g.HideColumn(4); }},
        {"move Device behind Dimming", [](ColumnGridFixture& g) { g.MoveColumn(0, 1); }},
        {"hide again", [](ColumnGridFixture& g) { g.HideColumn(4); }},
        {"show all", [](ColumnGridFixture& g) { g.UnHideColumnsAll(); }},
        {"grow", [](ColumnGridFixture& g) { g.SetColCount(8); }},
        {"shrink", [](ColumnGridFixture& g) { g.SetColCount(5); }},
        {"insert", [](ColumnGridFixture& g) { g.InsertCols(2, 1); }},
        {"remove", [](ColumnGridFixture& g) { g.RemoveCols(0, 2); }},
        {"move last to first", [](ColumnGridFixture& g) { g.MoveColumn(g.ColCount() - 1, 0); }},
        {"add an item", [](ColumnGridFixture& g) { g.Columns()->Add(); }},
        {"change an item's font", [](ColumnGridFixture& g) { g.Columns()->Items(1)->SetFont(TFont()); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run(grid);
        EXPECT_EQ(grid.Columns()->Count(), grid.ColCount() + grid.NumHiddenColumns());
        for (int i = 0; i < grid.Columns()->Count(); ++i)
            EXPECT_EQ(grid.Columns()->Items(i)->Name(), grid.Cells(i, 0)) << i;
    }
}

TEST(ColumnGridItems, ADestroyedMenuLeavesNoItemPointingAtIt) {
    ColumnGridFixture grid;
    delete grid.MinMaxMenu;
    EXPECT_EQ(grid.Columns()->Items(3)->ColumnPopup(), nullptr);
    EXPECT_EQ(grid.Columns()->Items(2)->ColumnPopup(), grid.DimmingMenu);
}

// ---- per-cell answers -------------------------------------------------------------------

TEST(ColumnGridCells, YesNoColumnsReadAsCheckBoxesWithoutCellObjects) {
    ColumnGridFixture grid;
    grid.resize(500, 260);
    for (int col : {1, 4}) {
        for (int r = 1; r <= ColumnGridFixture::DataRows; ++r) {
            SCOPED_TRACE(QString("%1,%2").arg(col).arg(r).toStdString());
            EXPECT_EQ(grid.GetCellType(col, r), ctDataCheckBox);
            TCellGraphic* graphic = grid.GetCellGraphic(col, r);
            ASSERT_NE(graphic, nullptr);
            EXPECT_EQ(graphic->CellType(), ctVirtCheckBox);
            QString yes;
            grid.GetCheckTrue(RealCol(col), DisplRow(r), yes);
            EXPECT_EQ(yes, "Y");
        }
        EXPECT_EQ(grid.GetCellType(col, 0), ctEmpty);
    }
    EXPECT_EQ(grid.GetCellType(3, 1), ctEmpty);
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    grid.viewport()->render(&image);
    for (int c = 0; c < grid.TotalColCount(); ++c)
        for (int r = 0; r < grid.RowCount(); ++r) EXPECT_FALSE(grid.CellPropsAssigned(c, r)) << c << "," << r;
}

TEST(ColumnGridCells, FooterRowsAndRightFixedColumnsStayPlain) {
    ColumnGridFixture grid;
    grid.SetFixedFooters(1);
    EXPECT_EQ(grid.GetCellType(1, grid.RowCount() - 1), ctEmpty);
    grid.SetFixedRightCols(2);  // real columns 4 and 5
    EXPECT_EQ(grid.GetCellType(4, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, 1), ctDataCheckBox);
}

TEST(ColumnGridCells, ColumnCheckTextsWinOverTheEvent) {
    ColumnGridFixture grid;
    grid.OnGetCheckTrue = [](TObject*, int, int, QString& value) { value = "1"; };
    QString text;
    grid.GetCheckTrue(RealCol(1), DisplRow(2), text);
    EXPECT_EQ(text, "Y");
    grid.GetCheckTrue(RealCol(1), DisplRow(0), text);
    EXPECT_EQ(text, "1");
}

TEST(ColumnGridCells, EditabilityComesFromTheColumnTheCellAndTheEvent) {
    struct Case {
        const char* name;
        int col;
        int row;
        bool columnReadOnly;
        bool cellReadOnly;
        int eventAnswer;  // -1 no handler, else the answer the handler gives
        bool expected;
    };
    const Case cases[] = {
        {"plain", 3, 2, false, false, -1, true},
        {"column read-only", 3, 2, true, false, -1, false},
        {"cell read-only", 3, 2, false, true, -1, false},
        {"header row", 3, 0, false, false, -1, false},
        {"event allows a read-only column", 3, 2, true, false, 1, true},
        {"event forbids", 3, 2, false, false, 0, false},
        {"hidden column read-only", 2, 2, false, false, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnGridFixture grid;
        if (c.columnReadOnly) grid.Columns()->Items(c.col)->SetReadOnly(true);
        if (c.cellReadOnly) grid.SetReadOnly(c.col, c.row, true);
        if (c.eventAnswer >= 0)
            grid.OnCanEditCell = [&](TObject*, int, int, bool& can) { can = c.eventAnswer == 1; };
        bool can = true;
        grid.CanEditBaseCell(RealCol(c.col), DisplRow(c.row), can);
        EXPECT_EQ(can, c.expected);
    }
}

TEST(ColumnGridCells, AskingTheEditorFillsTheComboAndChangesNoGridSetting) {
    ColumnGridFixture grid;
    grid.SetFloatFormat("%.1f");
    grid.Columns()->Items(3)->SetFloatFormat("%.3f");
    TEditorType editor = edNormal;
    grid.GetCellEditorTypeEx(RealCol(3), DisplRow(2), editor);
    EXPECT_EQ(editor, edComboList);
    EXPECT_EQ(grid.GetComboCount(), 2);
    EXPECT_EQ(grid.ComboItems().Strings(1), "Start Break");
    grid.GetCellEditorTypeEx(RealCol(5), DisplRow(2), editor);
    EXPECT_EQ(grid.GetComboCount(), 3);
    EXPECT_EQ(grid.ComboItems().Strings(0), "None");
    EXPECT_EQ(grid.FloatFormat(), "%.1f");
    EXPECT_EQ(grid.GetCellFloatFormat(RealCol(3), DisplRow(2)), "%.3f");
    EXPECT_EQ(grid.GetCellFloatFormat(RealCol(5), DisplRow(2)), "%.1f");
    EXPECT_TRUE(grid.CellHasComboBox(RealCol(5), DisplRow(1)));
    EXPECT_FALSE(grid.CellHasComboBox(RealCol(5), DisplRow(0)));
    EXPECT_FALSE(grid.CellHasComboBox(RealCol(1), DisplRow(1)));
}

TEST(ColumnGridCells, AskingTheEditorSetsTheSpinEditorsRangeFromTheColumn) {
    ColumnGridFixture grid;
    TGridColumnItem* item = grid.Columns()->Items(ColumnGridFixture::AddressCol);
    item->SetEditor(edSpinEdit);
    item->SetSpinMin(0);
    item->SetSpinMax(63);
    item->SetSpinStep(2);
    TEditorType editor = edNormal;
    grid.GetCellEditorTypeEx(RealCol(ColumnGridFixture::AddressCol), DisplRow(1), editor);
    EXPECT_EQ(editor, edSpinEdit);
    TGridSpin* spin = grid.GetSpinEdit();
    EXPECT_EQ(spin, grid.GetSpinEdit());  // one editor, made once
    EXPECT_EQ(spin->parentWidget(), &grid);
    EXPECT_FALSE(spin->isVisible());
    EXPECT_EQ(spin->MaxValue(), 63);
    EXPECT_EQ(spin->Increment(), 2);
    spin->SetValue(100);
    EXPECT_EQ(spin->Value(), 63);
    // Another column's range replaces it; 0 and 0 is no range at all.
    grid.GetCellEditorTypeEx(RealCol(3), DisplRow(1), editor);
    EXPECT_EQ(spin->Increment(), 1);
    spin->SetValue(-1000);
    EXPECT_EQ(spin->Value(), -1000);
}

TEST(ColumnGridCells, FloatFormatShowsNumbersAndLeavesOtherTexts) {
    TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    struct Case {
        const char* format;
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"%.2f", "3,14159", "3,14"}, {"%.2f", "42", "42,00"},       {"%.2f", "abc", "abc"},
        {"%.2f", "1e5", "1e5"},      {"%.2f", "", ""},              {"EUR %.1f %%", "2", "EUR 2,0 %"},
        {"%s", "3,5", "3,5"},        {"%.2f %.2f", "3,5", "3,5"},   {"", "3,14159", "3,14159"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format + std::string(" / ") + c.text);
        ColumnGridFixture grid;
        grid.Columns()->Items(3)->SetFloatFormat(c.format);
        grid.SetCells(3, 1, c.text);
        EXPECT_EQ(grid.GetFormattedCell(RealCol(3), DisplRow(1)), c.shown);
    }
    FormatSettings() = saved;
}

TEST(ColumnGridCells, FixedColumnsAndEditMasksMapTheDisplayedColumnOnce) {
    ColumnGridFixture grid;
    // Displayed column 2 shows real column 3 (the hidden Address column is real 2). It
    // becomes current before it turns fixed: a fixed cell cannot be moved to.
    grid.SetCol(2);
    grid.Columns()->Items(3)->SetFixed(true);
    grid.Columns()->Items(3)->SetEditMask("999");
    grid.Columns()->Items(3)->SetEditLength(4);
    EXPECT_TRUE(grid.IsFixed(2, 1));
    EXPECT_FALSE(grid.IsFixed(3, 1));
    EXPECT_EQ(grid.GetEditMask(2, 1), "999");
    EXPECT_EQ(grid.GetEditMask(3, 1), "");
    grid.SetEditMask("00");
    EXPECT_EQ(grid.GetEditMask(2, 1), "00");
    EXPECT_EQ(grid.GetEditLimit(), 4);
    bool canEdit = true;
    grid.CanEditBaseCell(RealCol(3), DisplRow(1), canEdit);
    EXPECT_FALSE(canEdit);
}

TEST(ColumnGridCells, LooksComeFromTheColumn) {
    ColumnGridFixture grid;
    TGridColumnItem* item = grid.Columns()->Items(5);
    item->SetColor(TColor(0x00FF00));
    item->SetAlignment(taRightJustify);
    item->SetHeaderAlignment(taCenter);
    item->SetBorders(TCellBorders{cbBottom});
    TFont font;
    font.Name = "Header face";
    item->SetHeaderFont(font);
    TBrush brush;
    TFont cellFont;
    grid.GetCellColor(RealCol(5), DisplRow(2), {}, &brush, &cellFont);
    EXPECT_EQ(brush.Color, TColor(0x00FF00));
    grid.GetCellColor(RealCol(5), DisplRow(0), {}, &brush, &cellFont);
    EXPECT_EQ(cellFont.Name, "Header face");
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    grid.GetCellAlignment(RealCol(5), DisplRow(2), h, v);
    EXPECT_EQ(h, taRightJustify);
    grid.GetCellAlignment(RealCol(5), DisplRow(0), h, v);
    EXPECT_EQ(h, taCenter);
    TPen pen;
    TCellBorders borders;
    grid.GetCellBorder(RealCol(5), DisplRow(2), &pen, borders);
    EXPECT_TRUE(borders.Contains(cbBottom));
    EXPECT_EQ(pen.Color, TColor(0xC0C0C0));
    // A cell's own colour wins over the column's.
    grid.SetColors(5, 3, TColor(0x0000FF));
    grid.GetCellColor(RealCol(5), DisplRow(3), {}, &brush, &cellFont);
    EXPECT_EQ(brush.Color, TColor(0x0000FF));
}

TEST(ColumnGridCells, ColumnFilterOffersTheCaptions) {
    ColumnGridFixture grid;
    grid.Columns()->Items(5)->Filter()->Add("Small=<10");
    grid.Columns()->Items(5)->Filter()->Add("Large=>=10");
    ASSERT_TRUE(grid.GetColumnFilter(RealCol(5)));
    ASSERT_EQ(grid.FilterList()->Count(), 2);
    EXPECT_EQ(grid.FilterList()->Strings(0), "Small");
    EXPECT_EQ(grid.FilterList()->Strings(1), "Large");
    EXPECT_FALSE(grid.GetColumnFilter(RealCol(3)));

    std::vector<QString> chosen;
    grid.OnFilterSelect = [&](TObject*, int col, int index, const QString& caption, QString& condition) {
        chosen = {QString::number(col), QString::number(index), caption, condition};
    };
    grid.SetAutoFilterDisplay(true);
    grid.SetFilterCol(5);
    grid.FilterSelect(1);
    EXPECT_EQ(chosen, (std::vector<QString>{"5", "1", "Large", ">=10"}));
    EXPECT_EQ(grid.Cells(5, 0), "Large");
    EXPECT_EQ(grid.ColumnHeaders()->Strings(5), "Large");
    EXPECT_EQ(grid.FilterCol(), -1);
    chosen.clear();
    grid.SetFilterCol(5);
    grid.FilterSelect(2);  // no such entry
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(grid.FilterCol(), -1);
}

TEST(ColumnGridCells, ChoosingAFilterEntrySetsTheColumnsConditionAndAppliesIt) {
    ColumnGridFixture grid;
    TGridColumnItem* item = grid.Columns()->Items(5);
    item->Filter()->Add("None only=None");
    item->Filter()->Add(">0");
    item->SetFilterCaseSensitive(true);
    int done = 0;
    grid.OnFilterDone = [&](TObject*) { ++done; };
    grid.OnFilterSelect = [](TObject*, int, int, const QString&, QString& condition) {
        if (condition == ">0") condition = ">1";  // a handler may change the condition
    };
    grid.SetRow(5);
    grid.SetFilterCol(5);
    grid.FilterSelect(0);
    TFilterData& filter = grid.Filter()->GetColFilter(5);
    EXPECT_EQ(filter.Condition, "None");
    EXPECT_TRUE(filter.CaseSensitive);
    EXPECT_TRUE(grid.FilterActive());
    EXPECT_EQ(grid.Row(), grid.FixedRows());
    EXPECT_EQ(done, 1);
    grid.SetFilterCol(5);
    grid.FilterSelect(1);
    EXPECT_EQ(grid.Filter()->GetColFilter(5).Condition, ">1");
    EXPECT_EQ(grid.Filter()->Count(), 1);  // one entry per column

    grid.SetAutoFilterUpdate(false);
    grid.SetFilterActive(false);
    grid.SetFilterCol(5);
    grid.FilterSelect(0);
    EXPECT_EQ(grid.Filter()->GetColFilter(5).Condition, "None");
    EXPECT_FALSE(grid.FilterActive());
    EXPECT_EQ(done, 2);
}

TEST(ColumnGridCells, SizingToContentUsesTheAutoLimits) {
    ColumnGridFixture grid;
    grid.Columns()->Items(3)->SetAutoMinSize(40);
    grid.Columns()->Items(3)->SetAutoMaxSize(60);
    int width = 10;
    grid.DoUpdateAutoColumnSize(DisplCol(2), width);  // real column 3
    EXPECT_EQ(width, 40);
    width = 300;
    grid.DoUpdateAutoColumnSize(DisplCol(2), width);
    EXPECT_EQ(width, 60);
    width = 10;
    grid.DoUpdateColumnSize(DisplCol(2), width);
    EXPECT_EQ(width, 30);
}


class ColumnGridTypedItems : public EnglishFormatSettingsTest {};

TEST_F(ColumnGridTypedItems, ItemsReadAndWriteTheirColumnTyped) {
    ColumnGridFixture grid;
    TGridColumnItem* address = grid.Columns()->Items(ColumnGridFixture::AddressCol);  // hidden
    address->SetInts(2, 42);
    EXPECT_EQ(grid.Cells(ColumnGridFixture::AddressCol, 2), "42");
    EXPECT_EQ(address->Ints(2), 42);
    TGridColumnItem* dimming = grid.Columns()->Items(3);
    dimming->SetFloats(3, 2.5);
    EXPECT_EQ(dimming->Floats(3), 2.5);
    EXPECT_EQ(grid.Floats(3, 3), 2.5);
    dimming->SetDates(4, EncodeDate(2024, 2, 29));
    EXPECT_EQ(dimming->Dates(4), EncodeDate(2024, 2, 29));
    EXPECT_EQ(grid.Cells(3, 4), grid.Cells(3, 4).trimmed());
    dimming->SetTimes(5, 0.75);
    EXPECT_NEAR(dimming->Times(5), 0.75, 1e-6);
    grid.SetCells(3, 6, "Normal");
    EXPECT_THROW(dimming->Ints(6), EExGridError);
    TGridColumnItem loose(nullptr);
    loose.SetInts(1, 5);
    EXPECT_EQ(loose.Ints(1), 0);
}

TEST(ColumnGridCells, PrintLooksComeFromTheColumnOrThePrintSettings) {
    ColumnGridFixture grid;
    grid.PrintSettings()->Font.Name = "Print face";
    grid.PrintSettings()->FixedFont.Name = "Fixed print face";
    TGridColumnItem* item = grid.Columns()->Items(5);
    item->SetPrintColor(TColor(0x00FFFF));
    TFont custom;
    custom.Name = "Column print face";
    item->SetPrintFont(custom);
    TBrush brush;
    TFont font;
    grid.GetCellPrintColor(RealCol(5), DisplRow(2), {}, &brush, &font);
    EXPECT_EQ(brush.Color, TColor(0x00FFFF));
    EXPECT_EQ(font.Name, "Column print face");
    item->SetPrintFontCustom(false);
    grid.GetCellPrintColor(RealCol(5), DisplRow(2), {}, &brush, &font);
    EXPECT_EQ(font.Name, "Print face");
    grid.GetCellPrintColor(RealCol(5), DisplRow(0), {}, &brush, &font);
    EXPECT_EQ(font.Name, "Fixed print face");
    // Bands printed: the column's print colour gives way to the band.
    item->SetShowBands(true);
    grid.Bands()->SetActive(true);
    grid.Bands()->SetPrint(true);
    brush.Color = TColor(0x123456);
    grid.GetCellPrintColor(RealCol(5), DisplRow(2), {}, &brush, &font);
    EXPECT_EQ(brush.Color, TColor(0x123456));
}

}  // namespace
