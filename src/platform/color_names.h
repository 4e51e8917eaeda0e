#pragma once
// Colours as settings files write them: a colour constant's name ("clRed", "clWindow")
// where one exists, else "$" and eight hexadecimal digits of the 0x00BBGGRR value.

#include "platform/color.h"

#include <QString>
#include <optional>

// The constant's name, or "$" and eight upper-case hexadecimal digits.
QString ColorToString(TColor Color);
// The colour a constant's name gives (letter case ignored), or none.
std::optional<TColor> IdentToColor(const QString& Ident);
// A constant's name, "$" and hexadecimal digits, or a decimal number; anything else
// raises EConvertError.
TColor StringToColor(const QString& Text);
