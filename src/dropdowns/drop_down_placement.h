#pragma once
// Where a drop-down's pop-up goes on the screen, once its final size is known.

#include "dropdowns/drop_down_types.h"
#include "platform/types.h"

#include <optional>

// The pop-up's top-left corner for an edit whose top-left screen corner is EditTopLeft.
// Below, it overlaps the edit's last pixel row; above, its bottom meets the edit's top.
// dpAuto puts it below when it fits between the edit's bottom and the work area's
// bottom, else above. A pop-up that sticks out at the right of the work area while its
// left edge lies inside is moved left until its right edge meets the work area's.
// Without a work area it goes below (dpAuto) and is not moved.
TPoint DropDownPosition(TPoint EditTopLeft, int EditHeight, TSize PopupSize, TDropPosition Position,
                        const std::optional<TRect>& WorkArea);
