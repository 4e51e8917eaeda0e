#pragma once
// Colours written in mini-HTML: the names the markup knows and "#RRGGBB".

#include "platform/color.h"

#include <QString>

// The name must already be lower case ("clred"); an unknown name gives black.
TColor ColorFromName(const QString& name);
// "#" and three pairs of the digits 0-9 and A-F; a missing or unreadable pair reads 0.
TColor ColorFromHex(const QString& text);
// What colour attributes hold: "#" starts a hexadecimal colour, anything else is a name
// in any case.
TColor MarkupColorValue(const QString& value);
