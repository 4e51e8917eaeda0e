#include "dropdowns/drop_down_placement.h"

TPoint DropDownPosition(TPoint EditTopLeft, int EditHeight, TSize PopupSize, TDropPosition Position,
                        const std::optional<TRect>& WorkArea) {
    const int below = EditTopLeft.Y + EditHeight - 1;
    const int above = EditTopLeft.Y - PopupSize.cy;
    TPoint result{EditTopLeft.X, below};
    if (Position == dpUp) result.Y = above;
    else if (Position == dpAuto && WorkArea && below + PopupSize.cy > WorkArea->Bottom) result.Y = above;
    if (WorkArea && result.X + PopupSize.cx > WorkArea->Right && result.X < WorkArea->Right)
        result.X = WorkArea->Right - PopupSize.cx;
    return result;
}
