// Check-box and radio-button cells: adding with its range rule, where each kind keeps its
// state, toggling (events, editability, undo, group propagation), radio buttons and radio
// groups, the row check box, held-out rows, and the glyph hit test.

#include "grid/core/grid_undo_redo.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CheckEvent {
    int Col;
    int Row;
    bool State;
    friend bool operator==(const CheckEvent&, const CheckEvent&) = default;
};

// Records every OnCheckBoxChange of a grid into events.
void RecordCheckEvents(TExStringGrid& grid, std::vector<CheckEvent>& events) {
    grid.OnCheckBoxChange = [&events](TObject*, int c, int r, bool s) { events.push_back({c, r, s}); };
}

// The DALI editor's plain grid: one fixed row, column 1 of plain unchecked boxes.
TEST(StringGridCheckBoxes, APlainCheckBoxColumnKeepsItsStateApartFromTheText) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCells(1, 2, QStringLiteral("Lamp"));
    grid.AddCheckBoxColumn(1, false, false);
    EXPECT_FALSE(grid.HasCheckBox(1, 0));  // the header row stays a header
    for (int r = 1; r < 4; ++r) {
        EXPECT_EQ(grid.GetCellType(1, r), ctCheckBox) << r;
        EXPECT_FALSE(grid.IsChecked(1, r)) << r;
    }
    bool state = true;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 2, state));
    EXPECT_FALSE(state);
    EXPECT_TRUE(grid.SetCheckBoxState(1, 2, true));
    EXPECT_TRUE(grid.GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("Lamp"));
    // A cell without a box: false, the state untouched.
    state = true;
    EXPECT_FALSE(grid.GetCheckBoxState(2, 2, state));
    EXPECT_TRUE(state);
    EXPECT_FALSE(grid.SetCheckBoxState(2, 2, true));
    grid.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(grid.HasCheckBox(1, 2));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("Lamp"));

    grid.MouseActions()->SetCheckAllCheck(true);
    grid.AddCheckBoxColumn(2, true, false);
    EXPECT_TRUE(grid.HasCheckBox(2, 0));
    EXPECT_TRUE(grid.IsChecked(2, 0));
}

TEST(StringGridCheckBoxes, ADataCheckBoxKeepsACheckTextAndOtherwiseTakesItsState) {
    const struct {
        const char* text;
        bool state;
        const char* expected;
    } cases[] = {
        {"N", true, "N"}, {"Y", false, "Y"}, {"abc", true, "Y"}, {"abc", false, "N"}, {"", true, "Y"}, {"y", false, "N"},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetCells(1, 1, QString::fromLatin1(c.text));
        grid.AddCheckBox(1, 1, c.state, true);
        EXPECT_EQ(grid.GetCellType(1, 1), ctDataCheckBox);
        EXPECT_EQ(grid.Cells(1, 1), QString::fromLatin1(c.expected)) << c.text << " " << c.state;
        EXPECT_EQ(grid.IsChecked(1, 1), QString::fromLatin1(c.expected) == QStringLiteral("Y"));
    }
}

TEST(StringGridCheckBoxes, AddingOutsideTheRealExtentRaisesInvalidCell) {
    StringGridFixture grid;  // real columns 0..5, real rows 0..7
    const TPoint outside[] = {{-1, 1}, {1, -1}, {6, 1}, {1, 8}, {-5, -5}};
    for (const TPoint p : outside) {
        auto expectInvalid = [&](auto&& add) {
            try {
                add();
                ADD_FAILURE() << "no error for " << p.X << "," << p.Y;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), QStringLiteral("Invalid cell"));
            }
        };
        expectInvalid([&] { grid.AddCheckBox(p.X, p.Y, true, false); });
        expectInvalid([&] { grid.AddCheckBox(p.X, p.Y, cbGrayed); });
        expectInvalid([&] { grid.AddRadioButton(p.X, p.Y, true); });
    }
    // The hidden column is inside the real extent.
    grid.AddCheckBox(StringGridFixture::HiddenCol, 1, true, false);
    EXPECT_TRUE(grid.HasCheckBox(StringGridFixture::HiddenCol, 1));
}

// How each kind toggles: the state after each toggle and what OnCheckBoxChange hears.
TEST(StringGridCheckBoxes, TogglingFlipsEachKindWhereItKeepsItsState) {
    const struct {
        const char* name;
        std::function<void(TExStringGrid&)> make;
        std::vector<bool> reported;  // per toggle
        std::vector<QString> texts;  // the cell text after each toggle
    } cases[] = {
        {"plain", [](TExStringGrid& g) { g.AddCheckBox(1, 1, false, false); }, {true, false}, {"t", "t"}},
        {"data", [](TExStringGrid& g) { g.AddCheckBox(1, 1, true, true); }, {false, true}, {"N", "Y"}},
        // A text that is neither check text counts as unchecked: the toggle checks it.
        {"data with other text", [](TExStringGrid& g) {
             g.AddCheckBox(1, 1, true, true);
             g.SetCells(1, 1, QStringLiteral("maybe"));
         }, {true, false}, {"Y", "N"}},
        // Outside a node row a tri-state box never reports checked.
        {"tri-state", [](TExStringGrid& g) { g.AddCheckBox(1, 1, cbUnchecked); }, {false, false, false},
         {"t", "t", "t"}},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetCells(1, 1, QStringLiteral("t"));
        c.make(grid);
        std::vector<CheckEvent> events;
        RecordCheckEvents(grid, events);
        for (std::size_t i = 0; i < c.reported.size(); ++i) {
            EXPECT_TRUE(grid.ToggleCheckBox(1, 1)) << c.name;
            ASSERT_EQ(events.size(), i + 1) << c.name;
            EXPECT_EQ(events.back(), (CheckEvent{1, 1, c.reported[i]})) << c.name << " toggle " << i;
            EXPECT_EQ(grid.Cells(1, 1), c.texts[i]) << c.name << " toggle " << i;
        }
    }
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, cbUnchecked);
    const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState expected : cycle) {
        grid.ToggleCheckBox(1, 1);
        TCheckBoxState state = cbUnchecked;
        EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, expected);
        EXPECT_EQ(grid.IsChecked(1, 1), expected == cbChecked);
    }
    // A plain text cell: nothing toggles, nothing fires.
    std::vector<CheckEvent> events;
        RecordCheckEvents(grid, events);
    grid.SetCells(2, 2, QStringLiteral("text"));
    EXPECT_FALSE(grid.ToggleCheckBox(2, 2));
    EXPECT_TRUE(events.empty());
}

TEST(StringGridCheckBoxes, AUserToggleAsksEditabilityUnlessTheBoxIsAlwaysActive) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, false, false);
    grid.AddRadioButton(2, 1, false);
    grid.AddRadioButton(2, 2, false);
    grid.SetReadOnly(1, 1, true);
    grid.SetReadOnly(2, 1, true);
    grid.SetReadOnly(2, 2, true);
    EXPECT_FALSE(grid.ToggleCheck(1, 1, true));
    EXPECT_TRUE(grid.ToggleCheck(1, 1, false));  // the program itself may always toggle
    EXPECT_FALSE(grid.ToggleRadioButton(2, 1, true));
    // Check boxes and radio buttons each have their own switch.
    grid.ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(grid.ToggleCheck(1, 1, true));
    EXPECT_FALSE(grid.ToggleRadioButton(2, 1, true));
    grid.ControlLook()->CheckAlwaysActive = false;
    grid.ControlLook()->RadioAlwaysActive = true;
    EXPECT_FALSE(grid.ToggleCheck(1, 1, true));
    EXPECT_TRUE(grid.ToggleRadioButton(2, 1, true));
    EXPECT_TRUE(grid.IsRadioButtonChecked(2, 1));
    // OnCanEditCell has the last word.
    grid.ControlLook()->RadioAlwaysActive = false;
    grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = true; };
    EXPECT_TRUE(grid.ToggleRadioButton(2, 2, true));
}

TEST(StringGridCheckBoxes, OnlyBoxesWhoseStateIsTheirTextAreRegisteredForUndo) {
    TExStringGrid grid(nullptr);
    TExGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    grid.SetCells(1, 1, QStringLiteral("keep"));
    grid.SetCells(2, 1, QStringLiteral("keep"));
    grid.AddCheckBox(1, 1, false, false);
    grid.AddCheckBox(2, 1, cbUnchecked);
    grid.AddCheckBox(3, 1, false, true);
    grid.ToggleCheckBox(1, 1);
    grid.ToggleCheckBox(2, 1);
    EXPECT_EQ(undo.Items().Count(), 0);
    grid.ToggleCheckBox(3, 1);
    ASSERT_EQ(undo.Items().Count(), 1);
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("Y"));
    undo.Undo();
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("N"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("keep"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("keep"));
    grid.SetUndoRedo(nullptr);
}

TEST(StringGridCheckBoxes, ChangeCheckBoxStateFiresOnlyOnARealChange) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(1, 2, false, true);
    grid.AddCheckBox(1, 3, true, true);
    std::vector<CheckEvent> events;
        RecordCheckEvents(grid, events);
    grid.CheckAll(1);
    EXPECT_EQ(events, (std::vector<CheckEvent>{{1, 2, true}}));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("Y"));
    events.clear();
    grid.UnCheckAll(1);
    EXPECT_EQ(events, (std::vector<CheckEvent>{{1, 1, false}, {1, 2, false}, {1, 3, false}}));
    EXPECT_FALSE(grid.ChangeCheckBoxState(2, 2, true));
}

TEST(StringGridCheckBoxes, ARadioButtonColumnHasOneCheckedRowAtMost) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(5);
    grid.AddRadioButtonColumn(2);
    EXPECT_FALSE(grid.HasRadioButton(2, 0));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), -1);
    grid.SetRadioButtonColumnIndex(2, 3);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), 3);
    EXPECT_TRUE(grid.ToggleRadioButton(2, 1, false));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), 1);
    EXPECT_FALSE(grid.IsRadioButtonChecked(2, 3));
    // A checked button stays checked.
    EXPECT_TRUE(grid.ToggleRadioButton(2, 1, false));
    EXPECT_TRUE(grid.IsRadioButtonChecked(2, 1));
    grid.SetRadioButtonColumnIndex(2, -1);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), -1);
    EXPECT_FALSE(grid.SetRadioButtonState(3, 1, true));
    grid.RemoveRadioButtonColumn(2);
    EXPECT_FALSE(grid.HasRadioButton(2, 2));
}

TEST(StringGridCheckBoxes, ARadioGroupAdvancesThroughItsItemsAndOnlyItTakesAnIndex) {
    TExStringGrid grid(nullptr);
    TStrings* items = grid.CreateRadio(1, 1, 0, -1);
    ASSERT_NE(items, nullptr);
    items->Add(QStringLiteral("Off"));
    items->Add(QStringLiteral("On"));
    items->Add(QStringLiteral("Auto"));
    EXPECT_TRUE(grid.IsRadio(1, 1));
    EXPECT_EQ(grid.GetRadioStrings(1, 1), items);
    grid.SetCells(1, 1, QStringLiteral("On"));
    grid.AdvanceRadioSelection(1, 1, false);  // from the text: the item after "On"
    int index = -5;
    EXPECT_TRUE(grid.GetRadioIdx(1, 1, index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("Auto"));
    grid.AdvanceRadioSelection(1, 1, false);  // wraps
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("Off"));
    EXPECT_TRUE(grid.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(grid.Cells(1, 1), QString());

    // Any other object keeps its index field and its text.
    grid.SetCells(2, 1, QStringLiteral("text"));
    grid.AddCheckBox(2, 1, true, false);
    const int before = grid.GetCellGraphic(2, 1)->CellIndex();
    EXPECT_FALSE(grid.SetRadioIdx(2, 1, -1));
    EXPECT_EQ(grid.GetCellGraphic(2, 1)->CellIndex(), before);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("text"));
    EXPECT_FALSE(grid.SetRadioIdx(3, 3, 1));

    // The caller's list outlives the group.
    TStringList own;
    own.Add(QStringLiteral("A"));
    grid.AddRadio(3, 1, 1, 0, &own);
    EXPECT_EQ(grid.GetCellGraphic(3, 1)->CellAngle(), 1);
    EXPECT_TRUE(grid.GetCellGraphic(3, 1)->CellBoolean());
    grid.RemoveRadio(3, 1);
    EXPECT_FALSE(grid.IsRadio(3, 1));
    EXPECT_EQ(own.Strings(0), QStringLiteral("A"));
    grid.RemoveRadio(1, 1);  // frees the grid's own list
    EXPECT_EQ(grid.GetRadioStrings(1, 1), nullptr);
}

TEST(StringGridCheckBoxes, RowCheckBoxesShowTheRowSelectionEvenOverAPicture) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.CreateCellGraphic(0, 2)->SetCellType(ctPicture);
    grid.MouseActions()->SetHotmailRowSelect(true);
    EXPECT_EQ(grid.GetCellType(0, 2), ctRowCheckBox);
    EXPECT_TRUE(grid.HasDataCheckBox(0, 2));
    EXPECT_FALSE(grid.IsChecked(0, 2));
    EXPECT_TRUE(grid.SetCheckBoxState(0, 2, true));
    EXPECT_TRUE(grid.GetRowSelect(2));
    EXPECT_TRUE(grid.IsChecked(0, 2));
    EXPECT_TRUE(grid.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(grid.GetCellGraphic(0, 1)->CellBoolean());
    // The header's box: partly (CellAngle 1) while some data rows are selected.
    const struct {
        std::vector<int> selected;
        bool checked;
        int partial;
    } header[] = {{{}, false, 0}, {{2}, false, 1}, {{1, 2, 3}, true, 0}};
    for (const auto& h : header) {
        grid.ClearRowSelect();
        for (int r : h.selected) grid.SetRowSelect(r, true);
        EXPECT_EQ(grid.GetCellGraphic(0, 0)->CellBoolean(), h.checked) << h.selected.size();
        EXPECT_EQ(grid.GetCellGraphic(0, 0)->CellAngle(), h.partial) << h.selected.size();
    }
    // A row the grid does not have holds no row check box.
    bool state = true;
    EXPECT_FALSE(grid.GetCheckBoxState(0, 100, state));
    EXPECT_FALSE(grid.SetCheckBoxState(0, 100, true));
    EXPECT_FALSE(grid.ChangeCheckBoxState(0, 100, true));
    // A toggle writes the check texts into column 0.
    EXPECT_TRUE(grid.ToggleCheckBox(0, 3));
    EXPECT_EQ(grid.Cells(0, 3), QStringLiteral("Y"));
}

// Column 1 of the fixture gets plain boxes; row 3 is checked, then held out too.
TEST(StringGridCheckBoxes, WhileRowsAreHeldOutTheStateIsAddressedByRealRow) {
    StringGridFixture grid;  // displayed rows 0..5 are real rows 0,1,2,3,5,7
    for (int r = 1; r < grid.RowCount(); ++r) grid.AddCheckBox(1, r, false, false);
    grid.AddCheckBox(4, 4, true, true);  // displayed row 4 is real row 5
    grid.SetCheckBoxState(1, 3, true);
    grid.HideRow(3);
    bool state = false;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 3, state));  // the held-out row's own box
    EXPECT_TRUE(state);
    EXPECT_TRUE(grid.SetCheckBoxState(1, 3, false));
    EXPECT_TRUE(grid.GetCheckBoxState(4, 5, state));
    EXPECT_TRUE(state);
    EXPECT_TRUE(grid.SetCheckBoxState(4, 5, false));
    EXPECT_EQ(grid.AllCells(4, 5), QStringLiteral("N"));
    grid.UnHideRowsAll();
    EXPECT_FALSE(grid.IsChecked(1, 3));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

// A grid whose column 2 shows virtual check boxes through the shared graphic, as a
// column grid's Y/N column does.
class VirtualCheckBoxGrid : public TExStringGrid {
public:
    VirtualCheckBoxGrid() : TExStringGrid(nullptr) {}
    TCellType GetCellType(int ACol, int ARow) const override {
        const TCellType own = TExStringGrid::GetCellType(ACol, ARow);
        return own == ctEmpty && IsYesNoCell(ACol, ARow) ? ctDataCheckBox : own;
    }
    TCellGraphic* GetCellGraphic(int ACol, int ARow) const override {
        TCellGraphic* own = TExStringGrid::GetCellGraphic(ACol, ARow);
        if (own || !IsYesNoCell(ACol, ARow)) return own;
        SharedCellGraphic()->SetCellType(ctVirtCheckBox);
        return SharedCellGraphic();
    }

private:
    // Body cells only, as a column grid answers.
    bool IsYesNoCell(int ACol, int ARow) const { return ACol == 2 && ARow >= FixedRows() && ARow < RowCount(); }
};

TEST(StringGridCheckBoxes, AYesNoColumnIsReadAndToggledWithoutPerCellObjects) {
    VirtualCheckBoxGrid grid;
    grid.SetRowCount(4);
    grid.SetCells(2, 1, QStringLiteral("Y"));
    grid.SetCells(2, 2, QStringLiteral("N"));
    for (int r = 1; r < 4; ++r) {
        EXPECT_TRUE(grid.HasCheckBox(2, r));
        EXPECT_TRUE(grid.HasDataCheckBox(2, r));
        EXPECT_TRUE(IsDataBoundCell(&grid, 2, r));
        EXPECT_TRUE(grid.HasClickableObject(2, r));
        EXPECT_EQ(grid.IsChecked(2, r), r == 1);
        EXPECT_TRUE(grid.IsInCheckBox(2, r, 0, 0));
    }
    EXPECT_TRUE(grid.ToggleCheckBox(2, 2));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("Y"));
    EXPECT_TRUE(grid.SetCheckBoxState(2, 1, false));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("N"));
    grid.CheckAll(2);
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("Y"));
    // With rows held out the state is read by real row, also for the rows behind them.
    grid.SetRowCount(6);
    grid.SetCells(2, 5, QStringLiteral("Y"));
    grid.SetCells(2, 4, QStringLiteral("N"));
    grid.HideRow(3);
    EXPECT_TRUE(grid.IsChecked(2, 5));
    EXPECT_FALSE(grid.IsChecked(2, 4));
    EXPECT_TRUE(grid.IsChecked(2, 3));  // the held-out row itself
    EXPECT_TRUE(grid.SetCheckBoxState(2, 5, false));
    EXPECT_EQ(grid.AllCells(2, 5), QStringLiteral("N"));
    EXPECT_TRUE(grid.SetCheckBoxState(2, 3, false));
    EXPECT_EQ(grid.AllCells(2, 3), QStringLiteral("N"));
    grid.UnHideRowsAll();
    // Removing only the plain kinds leaves the shared graphic alone.
    grid.RemoveCheckBoxColumn(2);
    for (int r = 0; r < grid.RowCount(); ++r) EXPECT_FALSE(grid.CellPropsAssigned(2, r)) << r;
    EXPECT_NE(grid.SharedCellGraphic(), nullptr);
}

// Node row 1 covers rows 1..3; column 1 holds its tri-state box and the children's boxes.
TEST(StringGridCheckBoxes, WithAutoCheckGroupANodeChecksItsChildrenAndChildrenSetTheNode) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(6);
    grid.Grouping()->AutoCheckGroup = true;
    grid.AddNode(1, 3);
    grid.AddCheckBoxColumn(1, false, false);
    EXPECT_EQ(grid.GetCellType(1, 1), ctTriStateCheckBox);
    std::vector<CheckEvent> events;
        RecordCheckEvents(grid, events);

    grid.ToggleCheckBox(1, 1);  // unchecked node becomes checked
    EXPECT_EQ(events.back(), (CheckEvent{1, 1, true}));
    EXPECT_TRUE(grid.IsChecked(1, 2));
    EXPECT_TRUE(grid.IsChecked(1, 3));
    EXPECT_FALSE(grid.IsChecked(1, 4));  // outside the node

    const struct {
        int row;
        TCheckBoxState node;
    } steps[] = {{2, cbGrayed}, {3, cbUnchecked}, {2, cbGrayed}, {3, cbChecked}};
    for (const auto& step : steps) {
        grid.ToggleCheckBox(1, step.row);
        TCheckBoxState state = cbUnchecked;
        grid.GetCheckBoxState(1, 1, state);
        EXPECT_EQ(state, step.node) << "after toggling row " << step.row;
    }
}

// The glyph square for each vertical alignment and horizontal text alignment; a point is
// inside from the square's left/top edge up to, not including, its right/bottom edge.
TEST(StringGridCheckBoxes, ThePreciseHitAreaFollowsTheAlignments) {
    const struct {
        TVAlignment vertical;
        TAlignment horizontal;
        const char* text;
        int left;  // relative to the cell, for a 60 x 30 cell and side 15
        int top;
    } cases[] = {
        {vtaTop, taLeftJustify, "", 2, 2},
        {vtaCenter, taLeftJustify, "", 2, 7},
        {vtaBottom, taLeftJustify, "", 2, 13},
        {vtaTop, taCenter, "ab", 22, 2},
        {vtaTop, taRightJustify, "", 43, 2},
    };
    for (const auto& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetDefaultColWidth(60);
        grid.SetDefaultRowHeight(30);
        grid.SetVAlignment(c.vertical);
        grid.SetCells(2, 1, QString::fromLatin1(c.text));
        grid.AddCheckBox(2, 1, false, false);
        grid.SetAlignments(2, 1, c.horizontal);
        grid.MouseActions()->SetPreciseCheckBoxCheck(true);
        const TRect cell = grid.CellRect(2, 1);
        const int x = cell.Left + c.left, y = cell.Top + c.top;
        EXPECT_TRUE(grid.IsInCheckBox(2, 1, x, y)) << c.vertical << " " << c.horizontal;
        EXPECT_TRUE(grid.IsInCheckBox(2, 1, x + 14, y + 14)) << c.vertical << " " << c.horizontal;
        EXPECT_FALSE(grid.IsInCheckBox(2, 1, x + 15, y)) << c.vertical << " " << c.horizontal;
        EXPECT_FALSE(grid.IsInCheckBox(2, 1, x, y + 15)) << c.vertical << " " << c.horizontal;
        EXPECT_FALSE(grid.IsInCheckBox(2, 1, x - 1, y)) << c.vertical << " " << c.horizontal;
        grid.MouseActions()->SetPreciseCheckBoxCheck(false);
        EXPECT_TRUE(grid.IsInCheckBox(2, 1, cell.Right - 1, cell.Bottom - 1));
    }
    // Right-justified text pushes the box left by the text's width.
    TExStringGrid grid(nullptr);
    grid.SetDefaultColWidth(80);
    grid.SetCells(2, 1, QStringLiteral("Text"));
    grid.AddCheckBox(2, 1, false, false);
    grid.SetAlignments(2, 1, taRightJustify);
    grid.MouseActions()->SetPreciseCheckBoxCheck(true);
    const TRect cell = grid.CellRect(2, 1);
    const int textWidth = grid.GetCellTextSize(2, 1, false, false).cx;
    ASSERT_GT(textWidth, 0);
    EXPECT_TRUE(grid.IsInCheckBox(2, 1, cell.Right - 17 - textWidth, cell.Top + 2));
    EXPECT_FALSE(grid.IsInCheckBox(2, 1, cell.Right - 3, cell.Top + 2));
    // A column right of a hidden one is hit at its displayed place.
    StringGridFixture fixture;  // real column 5 is displayed column 4
    fixture.AddCheckBox(5, 1, false, false);
    fixture.MouseActions()->SetPreciseCheckBoxCheck(true);
    const TRect shown = fixture.CellRect(4, 1);
    EXPECT_TRUE(fixture.IsInCheckBox(5, 1, shown.Left + 2, shown.Top + 2));
    EXPECT_FALSE(fixture.IsInCheckBox(5, 1, fixture.CellRect(3, 1).Left + 2, shown.Top + 2));
    EXPECT_TRUE(fixture.ToggleCheckBox(5, 1));
    EXPECT_TRUE(fixture.IsChecked(5, 1));
    // No glyph, no hit.
    grid.MouseActions()->SetPreciseCheckBoxCheck(false);
    EXPECT_FALSE(grid.IsInCheckBox(3, 1, cell.Left, cell.Top));
}

}  // namespace
