#pragma once
// Texts of a colour value as the colour picker shows them (SelectedColorText).
//
// The web names are the CSS named colours, compiled in; where two names share a value
// (aqua and cyan, fuchsia and magenta, the grey and gray spellings) the first in the
// table wins.

#include "platform/color.h"

#include <QString>

enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// System colours are resolved to their RGB value first (not for cvtHex, which shows the
// value itself).
QString ColorValueText(TColor Color, TColorValueText Kind);
// The CSS name of an RGB value, empty when it has none.
QString WebColorName(TColor RGB);
