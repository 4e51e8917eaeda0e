#pragma once
// TScrollControl: the thin scroll bar a grid with the Metro scroll type lays over its
// right (rows) or bottom (columns) edge. It draws only a thumb, fills no background so the
// grid shows through, pages on a click beside the thumb and scrolls while the thumb is
// dragged. It acts only on a TExStringGrid parent; with any other parent it draws nothing
// and ignores the mouse.
//
// Where the thumb would need a division by zero or would not fit (no scrollable rows,
// a control no longer than the fixed lines, a thumb longer than the track, everything
// visible) it is not there: nothing is drawn and clicks and drags change nothing.

#include "platform/custom_control.h"

#include <optional>

class TExStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner, QWidget* AParent = nullptr);

    // The thumb colour (the control itself has no background).
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) override;
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value) { FDirection = Value; }

    // Start and size of the thumb along the control, when there is one.
    struct TThumb {
        int Start = 0;
        int Size = 0;
    };
    std::optional<TThumb> Thumb() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The grid's lines along this control's direction.
    struct TLines {
        int Count;       // RowCount or ColCount
        int Fixed;       // FixedRows or FixedCols
        int First;       // TopRow or LeftCol
        int Visible;     // visible rows or columns
        int FixedSize;   // pixels of the fixed lines
        int FooterSize;  // pixels of the footer rows or fixed right columns
        int FirstLineSize;  // row 0's height or column 0's width
        int Length;      // the control's height or width
    };
    TExStringGrid* Grid() const;
    TLines LinesOf(const TExStringGrid& grid) const;
    void ScrollTo(TExStringGrid& grid, int First) const;

    TColor FColor = TColor(0xC0C0C0);
    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
    TScrollDirection FDirection = sdVertical;
};
