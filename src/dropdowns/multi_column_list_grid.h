#pragma once
// The table in the multi-column drop-down's pop-up: a header row with the columns'
// captions, then one row per item. It is refilled from its drop-down before every
// drop-down, draws every cell itself from the drop-down's columns, items, images,
// selection colours and events, and reports a picked row through OnSelect.
//
// A row reached by a key or a click is a confirmed selection; a row reached by the
// mouse wheel is not, and the drop-down does not take it.

#include "dropdowns/multi_column_items.h"
#include "platform/string_grid.h"

class TCustomImageList;
class TExMultiColumnDropDown;

namespace multi_column {

class TExColGrid : public TStringGrid {
public:
    explicit TExColGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExColGrid() override;

    TExMultiColumnDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TExMultiColumnDropDown* Value) { FExDropDown = Value; }
    TDropDownColumns& Columns() { return FColumns; }
    void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(&Value); }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont& HeaderFont() { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont.Assign(Value); }
    // The width of the lines this grid draws itself; the toolkit grid draws none.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    // Takes the drop-down's columns, items and looks (before every drop-down).
    void FillFrom(TExMultiColumnDropDown* DropDown);
    // The width that shows every column: their sum, plus a vertical scroll bar when
    // not all rows fit.
    int ColumnsWidth() const;
    bool AllDataRowsVisible() const;
    static int ScrollBarWidth();

    bool ConfirmSelection() const { return FConfirmSelection; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }
    // Raises OnSelect.
    virtual void Select();

    TNotifyEvent OnSelect;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool event(QEvent* event) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void AutoSizeColumn(int Column);
    void SizeWrappedRows();
    bool MeasuresInPopUp() const;
    bool WheelMove(const std::function<bool()>& Move);

    TExMultiColumnDropDown* FExDropDown = nullptr;
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
};

}  // namespace multi_column
