#pragma once
// The screen a point lies on, as the windows that place themselves see it. Tests
// replace the answer to place pop-ups on screens of their own making.

#include "platform/types.h"

#include <functional>
#include <optional>

// The available geometry (without panels and docks) of the screen that holds the
// point, or of the nearest screen; nothing when there is no screen.
std::optional<TRect> ScreenWorkAreaAt(TPoint point);

using ScreenWorkAreaSource = std::function<std::optional<TRect>(TPoint point)>;
// Passing an empty function restores the real screens.
void SetScreenWorkAreaSource(ScreenWorkAreaSource source);
