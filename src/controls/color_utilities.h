#pragma once
// Colour arithmetic shared by the drawing code. System colours are resolved to RGB
// first; the arithmetic works per channel.

#include "platform/color.h"

#include <QString>

// numerator / denominator rounded to the nearest integer, a tie going to the even one.
int RoundHalfEvenDiv(long long numerator, long long denominator);

TColor HalfColor(TColor color);
// Each channel c becomes c + round(c * percent / 100), kept within 0 to 255.
TColor ScaleColorPercent(TColor color, int percent);
// "RRGGBB" in upper case, from the value as it is (system colours are not resolved).
QString ColorToHtmlHex(TColor color);
// The colour at position between low and high on the way from 'from' to 'to';
// 'from' when 'to' is clNone or low equals high.
TColor BlendColorAt(TColor from, TColor to, int low, int high, int position);
