// Colour styles of the multi-column drop-down: its header, lines and selection text.

#include "dropdowns/multi_column_drop_down.h"

namespace {

constexpr TColor kUnchanged = clNone;

struct TMultiColumnStyle {
    TZRTStyle Style;
    TColor HeaderColor;
    TColor HeaderColorTo;
    TColor HeaderFontColor;  // kUnchanged keeps the font's colour
    TSelectionColorStyle SelectionStyle;
    TColor LineColor;
    TColor FixedLineColor;
    TColor SelectionTextColor;
    TColor SelectionColors;  // kUnchanged keeps the selection colours of the selection style
};

constexpr TColor kButtonFace = clBtnFace;
constexpr TColor kHighlight = clHighlight;
constexpr TColor kHighlightText = clHighlightText;

constexpr TMultiColumnStyle kStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0x000000, kUnchanged},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, kUnchanged, scOffice2007, 0x947C7C, 0x947C7C, 0x000000, kUnchanged},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, kUnchanged, scOffice2007, 0x588060, 0x588060, 0x000000, kUnchanged},
    {tsOffice2003Classic, 0x808080, 0x808080, kUnchanged, scOffice2007, 0x808080, 0x808080, 0x000000, kUnchanged},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF, 0x000000, kUnchanged},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C, 0x000000, kUnchanged},
    {tsWindowsXP, kButtonFace, kButtonFace, 0x000000, scCustom, 0xC0C0C0, 0x000000, kHighlightText, kHighlight},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0x000000, kUnchanged},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F, 0x000000, kUnchanged},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0x000000, scWindowsVista, 0xFCF2DA, 0xFCF2DA, 0x000000, kUnchanged},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0x000000, scWindows7, 0xFBD6B8, 0xFBD6B8, 0x000000, kUnchanged},
    {tsTerminal, kButtonFace, kButtonFace, 0x000000, scCustom, 0x808080, 0x808080, kHighlightText, kHighlight},
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0x000000, 0x6CD0FF},
    {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0x000000, 0x6CD0FF},
    {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, scCustom, 0xEEDDCF, 0xEEDDCF, 0x000000, 0x6CD0FF},
};

}  // namespace

void TExMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    if (Value == scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == scWindowsVista || Value == scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TExCustomDropDown::SetSelectionColorStyle(Value);
}

void TExMultiColumnDropDown::SetComponentStyle(TZRTStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    for (const TMultiColumnStyle& style : kStyles) {
        if (style.Style != AStyle) continue;
        FHeaderColor = style.HeaderColor;
        FHeaderColorTo = style.HeaderColorTo;
        if (style.HeaderFontColor != kUnchanged) FHeaderFont.Color = style.HeaderFontColor;
        SetSelectionColorStyle(style.SelectionStyle);
        FLineColor = style.LineColor;
        FFixedLineColor = style.FixedLineColor;
        FSelectionTextColor = style.SelectionTextColor;
        if (style.SelectionColors != kUnchanged) {
            SetSelectionColor(style.SelectionColors);
            SetSelectionColorTo(style.SelectionColors);
        }
        return;
    }
}
