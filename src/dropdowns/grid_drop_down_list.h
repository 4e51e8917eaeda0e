#pragma once
// The list in the grid drop-down's pop-up: a full advanced string grid. Filled from the
// drop-down's items, row 0 is the header and row r shows item r - 1; column 0's object
// slot of every data row names its item, so a sorted or narrowed list still knows which
// item a row shows. A row reached by a key or a click is a confirmed choice; one reached
// by the mouse wheel is not.

#include "dropdowns/grid_drop_down_items.h"
#include "grid/core/string_grid.h"

#include <memory>
#include <vector>

class TCustomImageList;
class TCustomExGridDropDown;

namespace grid_drop_down {

class TExColGrid : public TExStringGrid {
public:
    explicit TExColGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExColGrid() override;

    TCustomExGridDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TCustomExGridDropDown* Value) { FExDropDown = Value; }
    TDropDownColumns& Columns() { return FColumns; }
    void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(&Value); }
    TColor HeaderColor() const { return FHeaderColor; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    TColor LineColor() const { return FLineColor; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    int HeaderHeight() const { return FHeaderHeight; }
    TFont& HeaderFont() { return FHeaderFont; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value) { FImages = Value; }
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    void ApplyDropDownSettings(TCustomExGridDropDown* DropDown);
    void FillFromItems();
    void AutoSizeColumn(int Index);
    void AutoSizeItemColumns();
    void AutoSizeRows();
    // The width that shows every column, with a vertical scroll bar when not every row fits.
    int ListWidth() const;
    bool AllRowsVisible() const { return VisibleRowCount() + FixedRows() >= RowCount(); }
    static int ScrollBarWidth();

    // The item a row shows (column 0's object slot); a row without one maps to itself.
    int ItemOfRow(int ARow) const;
    // The row that shows Item; -1 when no row shown does.
    int RowOfItem(int Item) const;

    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }
    virtual void DoSelect();

    TNotifyEvent OnSelect;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool event(QEvent* event) override;

private:
    // An item number kept in a cell's object slot; the list owns them, the grid only
    // points at them.
    struct TItemNumber : TObject {
        explicit TItemNumber(int AIndex) : Index(AIndex) {}
        int Index;
    };
    TObject* ItemNumber(int Index);
    bool MeasuresInPopUp() const;
    bool WheelMove(const std::function<bool()>& Move);

    TCustomExGridDropDown* FExDropDown = nullptr;
    TDropDownColumns FColumns{this};
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    TColor FLineColor = 0x808080;
    TCustomImageList* FImages = nullptr;
    int FHeaderHeight = 25;
    TFont FHeaderFont;
    TColor FFixedLineColor = 0x000000;
    int FGridLineWidth = 1;
    int FOldRow = 0;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
    TItemNumber FHeaderNumber{-1};
    std::vector<std::unique_ptr<TItemNumber>> FItemNumbers;
};

}  // namespace grid_drop_down
