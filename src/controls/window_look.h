#pragma once
// The background colour the program's windows and title panels share.

#include "platform/color.h"

constexpr TColor Window_Color = 0xEDF7F8;
