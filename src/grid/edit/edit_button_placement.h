#pragma once
// Where a button inside an edit's right edge stands: at the right, one pixel clear of
// the frame at the right and at the bottom, the height of the area inside the frame.

#include "platform/mask_edit.h"

#include <QRect>

QRect InnerButtonRect(const TCustomMaskEdit& Edit, int ButtonWidth);
