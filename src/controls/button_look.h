#pragma once
// The look the windows give their command buttons: the encarta style on the window
// colour with grey edges, an orange face while pressed, a hot-track colour, and a
// 24 by 24 glyph of the compiled-in window glyphs (GlyphResource), with a grey, faint
// image beside it that a disabled button shows.

#include "controls/lb_button.h"

constexpr TColor kButtonFaceColor = RGBColor(248, 247, 237);
constexpr TColor kButtonDownColor = RGBColor(255, 128, 0);

// Applies the common look with the named glyph (none when empty).
void SetStandardButtonLook(TLbButton* button, const QString& glyphName, TColor hotTrackColor = clYellow);

// The small caption-less button that folds (expand off) or unfolds (expand on) a box:
// a flat face with a minus or a plus.
void SetBoxToggleLook(TLbButton* button, bool expand);
