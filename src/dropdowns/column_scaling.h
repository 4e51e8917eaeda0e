#pragma once
// Column widths scaled to the width of a drop-down's pop-up: each declared width times
// available / (sum of the widths + 1), with the rounding losses carried along so that
// the columns fill the room. The two drop-down families round halves differently.

#include <vector>

enum class THalfRounding { AwayFromZero, ToEven };

std::vector<int> Scaled_Column_Widths(const std::vector<int>& widths, int available, THalfRounding rounding);
