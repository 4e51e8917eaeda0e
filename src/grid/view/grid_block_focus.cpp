// The notices a drop-down embedding the grid hears while a drag image or move button is
// up, so that its pop-up does not close under the drag.

#include "grid/core/string_grid.h"

void TExStringGrid::DoStartBlockFocus() {
    if (FOnStartBlockFocus) FOnStartBlockFocus(this);
}

void TExStringGrid::DoEndBlockFocus() {
    if (FOnEndBlockFocus) FOnEndBlockFocus(this);
}
