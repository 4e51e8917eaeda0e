// Column and row statistics, the floating footer's calculated cells and auto-numbering,
// under English format settings.

#include "controls/english_format_settings.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

class StringGridCalculations : public EnglishFormatSettingsTest {};

// A grid with one fixed row whose column 1 holds the given texts from row 1 on.
void FillColumn(TExStringGrid& grid, int col, const std::vector<const char*>& texts) {
    grid.SetRowCount(int(texts.size()) + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) grid.SetCells(col, int(i) + 1, QString::fromLatin1(texts[i]));
}

TEST_F(StringGridCalculations, ColumnStatisticsSkipOrRaiseForTextsThatAreNoNumbers) {
    TExStringGrid grid(nullptr);
    FillColumn(grid, 1, {"1", "2", "", "x"});
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, 4), 3.0);
    EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, 1, 4), 0.75);  // divided by all four rows
    EXPECT_DOUBLE_EQ(grid.ColumnDistinct(1, 1, 4), 4.0);
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, 1, 4), 0.0);  // the empty cell reads 0
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, 1, 4), 2.0);
    EXPECT_THROW(grid.ColumnStdDev(1, 1, 4), EExGridError);
    // -1 takes the data rows.
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 3.0);
    // A first cell that is no number raises for the minimum and maximum.
    EXPECT_THROW(grid.ColumnMin(1, 4, 4), EExGridError);
    EXPECT_THROW(grid.ColumnMax(1, 4, 4), EExGridError);
    // An empty range.
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 3, 2), 0.0);
    EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, 3, 2), 0.0);
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, 2, 1), 2.0);

    TExStringGrid pair(nullptr);
    FillColumn(pair, 1, {"2", "4"});
    EXPECT_DOUBLE_EQ(pair.ColumnStdDev(1, 1, 2), 1.0);  // population, not sample

    TExStringGrid cased(nullptr);
    FillColumn(cased, 1, {"Yes", "yes", "No", ""});
    EXPECT_DOUBLE_EQ(cased.ColumnDistinct(1, -1, -1), 3.0);

    double seen[3] = {};
    grid.OnColumnCalc = [&](TObject*, int c, int f, int t, double& res) {
        seen[0] = c, seen[1] = f, seen[2] = t;
        res = 42;
    };
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(1, -1, 3), 42.0);
    EXPECT_EQ(seen[1], -1);  // passed unchanged
}

TEST_F(StringGridCalculations, CoveredCellsOfAMergedAreaAndFooterRowsAreLeftOut) {
    StringGridFixture grid;  // merged area over real columns 3..4, displayed rows 2..3
    for (int r : {1, 2, 4, 5}) grid.SetCells(3, r, QString::number(r * 10));
    // Displayed rows 1..5: 10, 20 (base), covered (reads the base's 20), 40, 50.
    EXPECT_DOUBLE_EQ(grid.ColumnSum(3, 1, 5), 120.0);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(3, 1, 5), 50.0);
    EXPECT_DOUBLE_EQ(grid.RowSum(2, 3, 4), 20.0);
    grid.SetFixedFooters(1);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(3, -1, -1), 70.0);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST_F(StringGridCalculations, RowStatistics) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(6);
    const char* texts[] = {"", "3", "x", "-1", "8", "2"};
    for (int c = 0; c < 6; ++c) grid.SetCells(c, 1, QString::fromLatin1(texts[c]));
    EXPECT_DOUBLE_EQ(grid.RowSum(1, 1, 5), 12.0);
    EXPECT_DOUBLE_EQ(grid.RowAvg(1, 1, 5), 2.4);
    EXPECT_DOUBLE_EQ(grid.RowMin(1, 1, 5), -1.0);
    EXPECT_DOUBLE_EQ(grid.RowMax(1, 1, 5), 8.0);
    EXPECT_THROW(grid.RowMin(1, 2, 5), EExGridError);
    EXPECT_DOUBLE_EQ(grid.RowSum(1, 5, 1), 0.0);
    EXPECT_DOUBLE_EQ(grid.RowAvg(1, 5, 1), 0.0);
}

class ProgressGrid : public TExStringGrid {
public:
    ProgressGrid() : TExStringGrid(nullptr) {}
    void ExportNotification(TGridExportState State, int Row) override { Calls.push_back({State, Row}); }
    std::vector<std::pair<TGridExportState, int>> Calls;
};

TEST_F(StringGridCalculations, ColumnStatisticsReportTheirProgress) {
    ProgressGrid grid;
    FillColumn(grid, 1, {"1", "2", "3"});
    grid.ColumnSum(1, 1, 3);
    const std::vector<std::pair<TGridExportState, int>> expected{
        {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportNextRow, 3}, {esExportDone, -1}};
    EXPECT_EQ(grid.Calls, expected);
    grid.Calls.clear();
    grid.ColumnStdDev(1, 1, 3);  // reports through its average only
    EXPECT_EQ(grid.Calls, expected);
}

// Rows 1..4 hold 1, 2, 3, 4 in column 1 (real row 2 is then hidden); row 5 is the footer.
TEST_F(StringGridCalculations, TheFooterCalculatesOverTheDataRowsAndTheHiddenOnes) {
    const struct {
        TColumnCalcType type;
        bool hiddenRows;
        const char* expected;
    } cases[] = {
        {acSUM, true, "10.00"},  {acSUM, false, "8.00"},   {acAVG, true, "2.50"},   {acMIN, true, "1.00"},
        {acMAX, false, "4.00"},  {acCOUNT, true, "4"},     {acCOUNT, false, "3"},   {acDISTINCT, true, "4.00"},
        {acSTDDEV, true, "1.12"}, {acSPREAD, true, "keep"}, {acNONE, true, "keep"},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        FillColumn(grid, 1, {"1", "2", "3", "4", "keep"});
        grid.FloatingFooter()->Visible = true;
        grid.FloatingFooter()->CalculateHiddenRows = c.hiddenRows;
        grid.CellProperties(1, 5)->SetCalcType(c.type);
        grid.HideRow(2);  // recalculates the footer
        EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), QString::fromLatin1(c.expected))
            << c.type << " hidden rows " << c.hiddenRows;
        grid.CalcFooter(1);  // the footer's own text never counts
        EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), QString::fromLatin1(c.expected));
    }
}

// A footer minimum over a column starting with text: hiding a row still works, the
// footer cell keeps its text and the other footer cells are calculated.
TEST_F(StringGridCalculations, AFooterCellThatMeetsTextNeverFailsTheChangeThatRecalculatesIt) {
    TExStringGrid grid(nullptr);
    FillColumn(grid, 1, {"x", "2", "3", "keep"});
    for (int r = 1; r <= 3; ++r) grid.SetCells(2, r, QString::number(r));
    grid.FloatingFooter()->Visible = true;
    grid.CellProperties(1, 4)->SetCalcType(acMIN);
    grid.CellProperties(2, 4)->SetCalcType(acSUM);
    EXPECT_NO_THROW(grid.HideRow(3));
    EXPECT_EQ(grid.NumHiddenRows(), 1);
    EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), QStringLiteral("keep"));
    EXPECT_EQ(grid.Cells(2, grid.RowCount() - 1), QStringLiteral("6.00"));
}

TEST_F(StringGridCalculations, TheFooterCalculatesOnlyWhenShownAsTheLastRowAndEnabled) {
    TExStringGrid grid(nullptr);
    FillColumn(grid, 1, {"1", "2", "keep"});
    grid.CellProperties(1, 3)->SetCalcType(acSUM);
    grid.UpdateFooterAll();
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("keep"));
    grid.FloatingFooter()->Visible = true;
    grid.FloatingFooter()->EnableCalculation = false;
    grid.UpdateFooterColumn(1);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("keep"));
    grid.FloatingFooter()->FooterStyle = fsColumnPreview;
    grid.FloatingFooter()->EnableCalculation = true;
    grid.UpdateFooterColumn(1);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("keep"));
    grid.FloatingFooter()->FooterStyle = fsFixedLastRow;
    grid.UpdateFooterColumn(1);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("3.00"));

    // A custom footer cell: the grid's event first, else the footer's own.
    grid.CellProperties(2, 3)->SetCalcType(acCUSTOM);
    int askedRow = -1;
    grid.FloatingFooter()->OnCalcFooter = [](TObject*, int, int, QString& v) { v = QStringLiteral("footer"); };
    grid.UpdateFooterAll();
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("footer"));
    grid.OnFooterCalc = [&](TObject*, int, int r, QString& v) {
        askedRow = r;
        v = QStringLiteral("grid");
    };
    grid.UpdateFooterAll();
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("grid"));
    EXPECT_EQ(askedRow, 3);

    // In a comma-decimal locale the footer writes commas.
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    grid.SetCells(1, 1, QStringLiteral("1,5"));
    grid.UpdateFooterColumn(1);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("3,50"));
}

TEST_F(StringGridCalculations, AutoNumberingCountsFromEitherEnd) {
    const struct {
        TSortDirection direction;
        int start;
        int offset;
        int footers;
        std::vector<const char*> column;  // rows 1..4 afterwards
    } cases[] = {
        {sdAscending, 0, 0, 0, {"1", "2", "3", "4"}},
        {sdDescending, 0, 0, 0, {"4", "3", "2", "1"}},
        {sdAscending, 1, 10, 0, {"", "12", "13", "14"}},
        {sdDescending, 1, 0, 0, {"4", "3", "2", ""}},
        {sdAscending, 0, 0, 1, {"1", "2", "3", ""}},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetRowCount(5);
        grid.SetFixedFooters(c.footers);
        grid.AutoNumberDirection = c.direction;
        grid.AutoNumberStart = c.start;
        grid.AutoNumberOffset = c.offset;
        grid.AutoNumberCol(0);
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(grid.Cells(0, r), QString::fromLatin1(c.column[std::size_t(r - 1)]))
                << c.direction << " start " << c.start << " row " << r;
    }
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.AutoNumberDirection = sdDescending;
    grid.AutoNumberRow(0);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(grid.Ints(c, 0), 5 - c);
}

}  // namespace
