#pragma once
// The shared small grid that exposes most index mistakes: one fixed row and column,
// 3 x 3 normal cells, a hidden column (real column 4, kept beyond ColCount) and one
// merged area of 2 x 2 cells with its base at (2, 2). Every cell holds "c,r".

#include "grid/core/base_grid.h"
#include "grid/core/column_grid.h"
#include "grid/core/string_grid.h"
#include "platform/popup_menu.h"

#include <QString>
#include <vector>

// True when the merged areas of a grid are whole and agree with its merge count: every
// cell of an area points at a base cell whose spans cover it, and every base cell's
// area consists of cells that point back at it. Call it after every merge, split,
// insert, remove and move.
inline bool MergeIndexIsConsistent(TBaseGrid& grid) {
    int areas = 0;
    for (int c = 0; c < grid.TotalColCount(); ++c) {
        for (int r = 0; r < grid.RowCount(); ++r) {
            if (!grid.CellPropsAssigned(c, r)) continue;
            TCellProperties* props = grid.CellProperties(c, r);
            if (props->CellSpanX() == -1 && props->CellSpanY() == -1) {
                if (!props->IsBaseCell()) return false;
                continue;
            }
            const TPoint base = grid.BaseCell(c, r);
            if (!grid.CellPropsAssigned(base.X, base.Y)) return false;
            TCellProperties* baseProps = grid.CellProperties(base.X, base.Y);
            if (!baseProps->IsBaseCell()) return false;
            if (c > base.X + baseProps->CellSpanX() || r > base.Y + baseProps->CellSpanY()) return false;
            if (props->IsBaseCell()) {
                ++areas;
                for (int i = c; i <= c + props->CellSpanX(); ++i)
                    for (int j = r; j <= r + props->CellSpanY(); ++j)
                        if (!(grid.BaseCell(i, j) == TPoint{c, r})) return false;
            }
        }
    }
    return areas == grid.MergeCount();
}

class FixtureGrid : public TBaseGrid {
public:
    static constexpr int HiddenCol = 4;

    FixtureGrid() : TBaseGrid(nullptr) {
        SetColCount(4);
        SetRowCount(4);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        for (int c = 0; c <= HiddenCol; ++c)
            for (int r = 0; r < 4; ++r) SetGridCell(c, r, QString("%1,%2").arg(c).arg(r));
        MergeCells(2, 2, 2, 2);
        Changed.clear();
    }

    int TotalColCount() const override { return ColCount() + 1; }
    void CellChanged(int ACol, int ARow) override { Changed.push_back({ACol, ARow}); }

    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FNormalRowCount;

    std::vector<TPoint> Changed;
};

// The string grid form of the fixture: one fixed row and column, real columns 0..5 with
// real column 2 hidden between displayed ones, real rows 0..7 with rows 4 and 6 held out,
// and a merged area of 2 x 2 cells with its base at real column 3 (displayed 2), row 2.
// Every cell holds "c,r" of its real column and real row. Displayed: 5 x 6 cells.
class StringGridFixture : public TExStringGrid {
public:
    static constexpr int HiddenCol = 2;
    static constexpr int HeldOutRows[2] = {4, 6};

    StringGridFixture() : TExStringGrid(nullptr) {
        SetColCount(6);
        SetRowCount(8);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        MergeCells(3, 2, 2, 2);
        HideColumn(HiddenCol);
        HideRow(6);
        HideRow(4);
    }
};

// One column of a column-grid fixture: its header (also its item's Name), width, editor,
// read-only flag and combo items.
struct FixtureColumn {
    const char* header;
    int width;
    TEditorType editor;
    bool readOnly;
    QStringList combo;
};

inline void ApplyFixtureColumns(TExColumnGrid& grid, const std::vector<FixtureColumn>& columns) {
    for (int i = 0; i < int(columns.size()); ++i) {
        TGridColumnItem* item = grid.Columns()->Items(i);
        item->SetName(columns[i].header);
        item->SetHeader(columns[i].header);
        item->SetWidth(columns[i].width);
        item->SetEditor(columns[i].editor);
        item->SetReadOnly(columns[i].readOnly);
        for (const QString& entry : columns[i].combo) item->ComboItems()->Add(entry);
    }
}

// The column grid form, laid out like the DALI device grid: one header row, 8 data rows,
// no fixed column; real columns 0 "Device" (read-only), 1 "Enable" (Y/N), 2 "Address"
// (read-only, hidden between displayed ones), 3 "Dimming" (combo list, MinSize 30,
// MaxSize 200), 4 "MinMax" (Y/N), 5 "Recall" (combo list). The three column menus are
// attached by displayed position, as the DALI editor does: items 2, 3 and 4 hold the
// menus of the columns shown at positions 2, 3 and 4 (real 3, 4 and 5). Each item's
// Name is its header text.
class ColumnGridFixture : public TExColumnGrid {
public:
    static constexpr int AddressCol = 2;
    static constexpr int DataRows = 8;

    explicit ColumnGridFixture(QWidget* AParent = nullptr) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();  // built as a window definition is read: Loaded() organises the columns
        SetColCount(6);
        SetRowCount(DataRows + 1);
        SetFixedCols(0);
        SetLeftCol(0);  // the grid keeps its first scrolled column when the fixed one goes
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        SetOptions(Options().Include(goColSizing).Include(goColMoving).Include(goEditing));
        ApplyFixtureColumns(*this, {
                                       {"Device", 70, edNormal, true, {}},
                                       {"Enable", 50, edDataCheckBox, false, {}},
                                       {"Address", 60, edNormal, true, {}},
                                       {"Dimming", 80, edComboList, false, {"Normal", "Start Break"}},
                                       {"MinMax", 50, edDataCheckBox, false, {}},
                                       {"Recall", 90, edComboList, false, {"None", "Recall Min-Max", "Recall Old Value"}},
                                   });
        Columns()->Items(3)->SetMinSize(30);
        Columns()->Items(3)->SetMaxSize(200);
        for (int r = 1; r <= DataRows; ++r) {
            SetCells(0, r, QString("Device %1").arg(r - 1));
            SetCells(1, r, r % 2 ? "Y" : "N");
            SetCells(3, r, "Normal");
            SetCells(4, r, "N");
            SetCells(5, r, "None");
        }
        HideColumn(AddressCol);
        DimmingMenu = MakeMenu("PM_Dimming_Mode", {"Select All Normal", "Select All Start Break"});
        MinMaxMenu = MakeMenu("PM_MinMax_Value", {"Select All", "Clear All"});
        RecallMenu = MakeMenu("PM_Recall_Level", {"Select All None"});
        Columns()->Items(2)->SetColumnPopup(DimmingMenu);
        Columns()->Items(3)->SetColumnPopup(MinMaxMenu);
        Columns()->Items(4)->SetColumnPopup(RecallMenu);
        EndLoading();
    }

    TPopupMenu* DimmingMenu = nullptr;
    TPopupMenu* MinMaxMenu = nullptr;
    TPopupMenu* RecallMenu = nullptr;

    // Every item sits at the real column whose header it names.
    bool ItemsMatchColumns() {
        if (Columns()->Count() != ColCount() + NumHiddenColumns()) return false;
        for (int i = 0; i < Columns()->Count(); ++i)
            if (Columns()->Items(i)->Name() != Cells(i, 0)) return false;
        return true;
    }

private:
    TPopupMenu* MakeMenu(const char* name, const QStringList& captions) {
        auto* menu = new TPopupMenu(this);
        menu->SetName(name);
        for (const QString& caption : captions) menu->AddItem(caption);
        return menu;
    }
};

// A rule table as the rule editors build it: a fixed row-number column, then real columns
// 1 "Source" (plain), 2 "Note" (plain, hidden between displayed ones), 3 "Length" (plain,
// EditLength 4), 4 "Device" (read-only), 5 "Format" (combo list of fixed items), 6 "Unit"
// (editable combo), 7 "Enable" (Y/N check box), 8 "Name" (plain). DataRows rows, every
// plain cell "c,r" of its real column and row; goEditing and goTabs on.
class RuleTableFixture : public TExColumnGrid {
public:
    static constexpr int NoteCol = 2;
    static constexpr int DataRows = 4;

    explicit RuleTableFixture(QWidget* AParent = nullptr) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();
        SetColCount(9);
        SetRowCount(DataRows + 1);
        SetDefaultRowHeight(22);
        SetColor(clWhite);
        SetOptions(Options().Include(goEditing).Include(goTabs));
        ApplyFixtureColumns(*this, {
                                       {"N", 30, edNormal, true, {}},
                                       {"Source", 70, edNormal, false, {}},
                                       {"Note", 60, edNormal, false, {}},
                                       {"Length", 60, edNormal, false, {}},
                                       {"Device", 70, edNormal, true, {}},
                                       {"Format", 90, edComboList, false, {"None", "Swap16", "Swap32"}},
                                       {"Unit", 70, edComboEdit, false, {"ms", "s"}},
                                       {"Enable", 50, edDataCheckBox, false, {}},
                                       {"Name", 80, edNormal, false, {}},
                                   });
        Columns()->Items(3)->SetEditLength(4);
        for (int r = 1; r <= DataRows; ++r) {
            SetCells(0, r, QString::number(r));
            for (int c : {1, 2, 3, 4, 8}) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
            SetCells(5, r, "None");
            SetCells(6, r, "ms");
            SetCells(7, r, r % 2 ? "Y" : "N");
        }
        HideColumn(NoteCol);
        EndLoading();
    }
};
