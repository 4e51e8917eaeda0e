#pragma once
// The colours the CAN frame tables give their columns, by meaning.

#include "platform/color.h"

constexpr TColor CAN_Enable_Color = TColor(0xB0D8FF);
constexpr TColor CAN_Frame_Color = TColor(0xFEFAE0);
constexpr TColor CAN_Timing_Color = TColor(0xA8FFA8);
constexpr TColor CAN_Byte_Color = TColor(0xF4D6FC);
