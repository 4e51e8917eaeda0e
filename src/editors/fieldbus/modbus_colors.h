#pragma once
// The colours the Modbus master tables give their columns, by meaning.

#include "platform/color.h"

constexpr TColor Modbus_Enable_Color = TColor(0xB0D8FF);
constexpr TColor Modbus_Slave_Color = TColor(0xFEFAE0);
constexpr TColor Modbus_Timing_Color = TColor(0xA8FFA8);
constexpr TColor Modbus_Position_Color = TColor(0xF4D6FC);
constexpr TColor Modbus_Swap_Color = TColor(0xA8FFFF);
