#pragma once
// The fonts printing draws cells with; the print features complete the settings.

#include "platform/canvas.h"
#include "platform/component.h"

class TPrintSettings : public TObject {
public:
    // Off: normal cells print in Font and fixed cells in FixedFont instead of the
    // grid's screen fonts.
    bool UseDisplayFont = true;
    TFont Font;
    TFont FixedFont;
};
