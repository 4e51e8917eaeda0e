#include "grid/edit/edit_button_placement.h"

#include <algorithm>

QRect InnerButtonRect(const TCustomMaskEdit& Edit, int ButtonWidth) {
    const int frame = Edit.FrameWidth();
    return QRect(Edit.width() - frame - 1 - ButtonWidth, frame, ButtonWidth,
                 std::max(0, Edit.height() - 2 * frame - 1));
}
