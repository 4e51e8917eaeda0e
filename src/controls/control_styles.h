#pragma once
// The vocabulary with which the grid and the drop-down controls take on a colour
// scheme: the style and Office theme enumerations, colour tones, and the two
// interfaces a control implements to be restyled.

#include "platform/color.h"

enum TZRTStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

enum TOfficeTheme {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
    ot2010Silver, ot2010Black, otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
    friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

class IZRTStyle {
public:
    static constexpr const char* IID = "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}";
    virtual ~IZRTStyle() = default;
    virtual void SetComponentStyle(TZRTStyle AStyle) = 0;
};

class IZRTTones {
public:
    static constexpr const char* IID = "{1F492643-6699-4F25-8B34-3233FA735036}";
    virtual ~IZRTTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};
