// String grid life cycle: the initial values and the event table, copying from another
// grid, the owner form's resize chain, integral height, and the process-wide start-up.

#include "grid/core/grid_pack_startup.h"
#include "grid/core/string_grid.h"
#include "platform/form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMoveEvent>
#include <set>

namespace {

TEST(StringGridLifeCycle, CreateGivesEveryInitialValueOfTheTable) {
    TExStringGrid grid(nullptr);
    for (const TGridInitialValue& entry : TExStringGrid::InitialValues())
        EXPECT_EQ(entry.Read(grid), entry.Expected) << entry.Property;
}

TEST(StringGridLifeCycle, EveryPublishedEventHasADeclaredTypeWithItsArgumentOrder) {
    const auto& events = ExStringGridEventTable();
    const auto& types = ExStringGridEventTypeTable();
    EXPECT_EQ(events.size(), 163u);
    std::set<QString> names;
    std::map<QString, QString> orders;
    for (const auto& type : types) orders[QString::fromLatin1(type.Type)] = QString::fromLatin1(type.ArgumentOrder);
    for (const auto& event : events) {
        EXPECT_TRUE(names.insert(QString::fromLatin1(event.Event)).second) << event.Event;
        EXPECT_TRUE(orders.count(QString::fromLatin1(event.Type))) << event.Event;
    }
    // Row and column come in the order each type gives them.
    EXPECT_EQ(orders["TCanEditCellEvent"], "ARow, ACol, CanEdit&");
    EXPECT_EQ(orders["TGetEditorTypeEvent"], "ACol, ARow, AEditor&");
    EXPECT_EQ(orders["TGridColorEvent"], "ARow, ACol, AState, ABrush, AFont");
    EXPECT_EQ(orders["TGridHintEvent"], "ARow, ACol, hintstr&");
}

TEST(StringGridLifeCycle, VersionTexts) {
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.GetVersionNr(), 0x06020103);
    EXPECT_EQ(grid.GetVersionString(), "6.2.1.3 Sep, 2012");
}

TEST(StringGridLifeCycle, LoadedRemembersTheFixedCountsAndTheSmallestSizes) {
    TExStringGrid grid(nullptr);
    grid.BeginLoading();
    grid.TStringGrid::SetFixedRows(2);
    grid.EndLoading();
    EXPECT_TRUE(grid.IsLoaded());
    EXPECT_EQ(grid.MinRowHeight(), 22);
    EXPECT_EQ(grid.MinColWidth(), 10);
}

TEST(StringGridLifeCycle, AssignCopiesSettingsCountsWidthsAndCellsWithTheirProperties) {
    TExStringGrid source(nullptr);
    source.TStringGrid::SetColCount(7);
    source.TStringGrid::SetRowCount(6);
    source.SetColWidths(3, 91);
    source.SetCells(2, 3, "copied");
    source.SetColors(2, 3, clRed);
    source.CreateCellGraphic(4, 4)->SetCellType(ctProgressPie);
    source.SetFloatFormat("%.3f");
    source.SortSettings()->Column = 5;
    source.FixedFont()->Size = 14;

    TExStringGrid target(nullptr);
    target.Assign(&source);
    EXPECT_EQ(target.ColCount(), 7);
    EXPECT_EQ(target.RowCount(), 6);
    EXPECT_EQ(target.ColWidths(3), 91);
    EXPECT_EQ(target.Cells(2, 3), "copied");
    EXPECT_EQ(target.Colors(2, 3), clRed);
    EXPECT_EQ(target.GetCellType(4, 4), ctProgressPie);
    // The copy's object is its own.
    EXPECT_NE(target.GetCellGraphic(4, 4), source.GetCellGraphic(4, 4));
    EXPECT_EQ(target.FloatFormat(), "%.3f");
    EXPECT_EQ(target.SortSettings()->Column, 5);
    EXPECT_EQ(target.FixedFont()->Size, 14);
}

TEST(StringGridLifeCycle, AssignFromAnotherClassChangesNothing) {
    TExStringGrid target(nullptr);
    target.SetCells(1, 1, "kept");
    TBaseGrid other(nullptr);
    other.SetCells(1, 1, "other");
    target.Assign(&other);
    EXPECT_EQ(target.Cells(1, 1), "kept");
    EXPECT_EQ(target.RowCount(), 10);
}

TEST(StringGridLifeCycle, OwnerFormResizeReachesTheGridAndTheFormsHandlerAndIsGivenBack) {
    TForm form(nullptr);
    form.resize(500, 400);
    int formHandlerCalls = 0;
    form.OnResize = [&](TObject*) { ++formHandlerCalls; };
    auto* grid = new TExStringGrid(&form);
    grid->SetSizeWithForm(true);
    const int gridWidth = grid->width();
    form.show();
    QCoreApplication::processEvents();
    const int callsBefore = formHandlerCalls;
    form.resize(560, 400);
    QCoreApplication::processEvents();
    EXPECT_GT(formHandlerCalls, callsBefore);
    EXPECT_EQ(grid->width(), gridWidth + 60);

    delete grid;
    const int callsAfterDestroy = formHandlerCalls;
    form.resize(600, 420);
    QCoreApplication::processEvents();
    EXPECT_GT(formHandlerCalls, callsAfterDestroy);
}

TEST(StringGridLifeCycle, IntegralHeightCutsTheHeightToWholeRows) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(2);  // all columns fit: no horizontal scroll bar counts
    grid.resize(400, 250);
    grid.SetIntegralHeight(true);
    grid.SetBounds(0, 0, 300, 100);
    const int border = grid.frameWidth() > 0 ? 2 : 0;
    EXPECT_EQ(grid.height(), 100 - ((100 - border) % 22) + border);
}

TEST(StringGridLifeCycle, WindowCreationStartsTheGridTimer) {
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.GridTimerID(), 0);
    grid.show();
    QCoreApplication::processEvents();
    EXPECT_NE(grid.GridTimerID(), 0);
}

TEST(GridPackStartup, RunsOnceAndShutsTheFocusHookDown) {
    GridPackShutdown();
    GridPackStartup();
    const TGridPackState first = GridPackState();
    GridPackStartup();
    EXPECT_TRUE(first.Started);
    EXPECT_TRUE(first.HookInstalled);
    EXPECT_TRUE(first.ComCtlFlag);
    EXPECT_EQ(GridPackState().GridEditDoneMessage, first.GridEditDoneMessage);
    EXPECT_EQ(GridPackState().CellsClipboardFormat, first.CellsClipboardFormat);
    EXPECT_NE(first.GridEditDoneMessage, first.DTPShiftFocusMessage);

    // While the hook is installed, moving a window places the focus frame on the cell.
    TExStringGrid grid(nullptr);
    grid.resize(300, 200);
    grid.show();
    SetFocusFrameGrid(&grid);
    QMoveEvent move(QPoint(5, 5), QPoint(0, 0));
    QCoreApplication::sendEvent(&grid, &move);
    const TRect cell = grid.CellRect(grid.Col(), grid.Row());
    EXPECT_EQ(grid.FocusWindow()->width(), cell.Width() + 9);

    GridPackShutdown();
    EXPECT_FALSE(GridPackState().HookInstalled);
    EXPECT_EQ(FocusFrameGrid(), nullptr);
    grid.FocusWindow()->resize(1, 1);
    SetFocusFrameGrid(&grid);
    QCoreApplication::sendEvent(&grid, &move);
    EXPECT_EQ(grid.FocusWindow()->width(), 1);
    SetFocusFrameGrid(nullptr);
    GridPackStartup();
}

}  // namespace
