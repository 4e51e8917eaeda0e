#include "dropdowns/dropdown_styles.h"

namespace {

constexpr TColor None = clNone;

struct TStripStyle {
    TColor DropDownColor, DropDownColorTo;
    bool SetsBorderColor;
    TColor DropDownBorderColor;
    TColor HeaderColor, HeaderColorTo, FooterColor, FooterColorTo;
    TColor CaptionColor;
    TColor HeaderBorderColor, FooterBorderColor;
};

struct TButtonStateColors {
    TColor Hot, HotTo, BorderHot, Down, DownTo, BorderDown, Disabled, DisabledTo, Checked, CheckedTo, BorderChecked;
};

struct TButtonStyle {
    TColor Color, ColorTo, BorderColor;
    TButtonStateColors States;
};

const TButtonStateColors SetA{0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                              0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
const TButtonStateColors SetB{0x8AE3FD, None, 0x58CAF1, 0x6CD0FF, None, 0x308AC2,
                              0xF2F2F2, 0xB6B6B6, 0x45E1FE, None, 0x4FA0CE};

const TStripStyle* StripStyleOf(TZRTStyle style) {
    static const TStripStyle table[] = {
        /* tsOffice2003Blue */ {0xFFFFFF, None, false, None, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0x962D00},
        /* tsOffice2003Silver */ {0xFFFFFF, None, false, None, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0x947C7C},
        /* tsOffice2003Olive */ {0xFFFFFF, None, true, None, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0x588060},
        /* tsOffice2003Classic */ {0xF2F2F2, 0xF2F2F2, true, None, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080},
        /* tsOffice2007Luna */ {0xF3E5DA, 0xF0DED0, true, None, 0xFFEFE3, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF},
        /* tsOffice2007Obsidian */ {0xFFFFFF, None, true, None, 0xF2F1F0, 0xC9C2BD, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C},
        /* tsWindowsXP */ {0xFFFFFF, None, false, None, 0xFFFFFF, clBtnFace, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0x808080},
        /* tsWhidbey */ {0xF5F9FA, 0xF5F9FA, true, None, 0xEBEEEF, 0x7E9898, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0x962D00},
        /* tsCustom */ {},
        /* tsOffice2007Silver */ {0xF8F4F1, 0xF0E8E3, true, None, 0xF8F7F6, 0xE8E0DB, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F},
        /* tsWindowsVista */ {0xFFFFFF, 0xFFFFFF, true, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA, 0xFCF2DA},
        /* tsWindows7 */ {0xFFFFFF, 0xFFFFFF, true, 0x979797, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFBD6B8},
        /* tsTerminal */ {0xFFFFFF, 0xFFFFFF, true, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x000000, None, None},
        /* tsOffice2010Blue */ {0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xC7B29F},
        /* tsOffice2010Silver */ {0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xD2CDC8},
        // Office 2010 Black: the light caption D7D7D6 could not be read on the grey strips and
        // the EDEDEC frame vanished on a light window, so the caption is black and the pop-up
        // is framed in the strips' border grey.
        /* tsOffice2010Black */ {0xFFFFFF, 0xF1EFED, true, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x919191, 0x000000, 0x6D6D6D, 0x6D6D6D},
    };
    if (style == tsCustom || style < 0 || style >= static_cast<int>(std::size(table))) return nullptr;
    return &table[style];
}

const TButtonStyle* ButtonStyleOf(TZRTStyle style) {
    static const TButtonStyle table[] = {
        /* tsOffice2003Blue */ {0xFCE1CB, 0xE0A57D, None, SetA},
        /* tsOffice2003Silver */ {0xECE2E1, 0xB39698, None, SetA},
        /* tsOffice2003Olive */ {0xCFF0EA, 0x8CC0B1, None, SetA},
        /* tsOffice2003Classic */
        {0xFFFFFF, 0xC9D1D5, None,
         {0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}},
        /* tsOffice2007Luna */ {0xFFEFE3, 0xFFDDC4, None, SetA},
        /* tsOffice2007Obsidian */ {0xF2F1F0, 0xC9C2BD, None, SetA},
        /* tsWindowsXP */
        {0xFFFFFF, clBtnFace, None,
         {0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6,
          0xB9D8DC, 0xB9D8DC, 0x000000}},
        /* tsWhidbey */ {0xFFFFFF, 0xDFEDF0, None, SetA},
        /* tsCustom */ {},
        /* tsOffice2007Silver */ {0xF9F8F8, 0xE4E2DF, None, SetA},
        /* tsWindowsVista */
        {0xFFFDF9, 0xFFFAF0, 0xFCF2DA,
         {0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
        /* tsWindows7 */
        {0xFDFBFA, 0xFDF3EB, 0xFBD6B8,
         {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
        /* tsTerminal */
        {clBtnFace, clBtnFace, None,
         {0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace,
          clHighlight}},
        /* tsOffice2010Blue */ {0xFDF6EF, 0xF0DAC7, 0xC7B29F, SetB},
        /* tsOffice2010Silver */ {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, SetB},
        /* tsOffice2010Black */ {0xBFBFBF, 0x919191, 0xD7D7D6, SetB},
    };
    if (style == tsCustom || style < 0 || style >= static_cast<int>(std::size(table))) return nullptr;
    return &table[style];
}

void ApplyStrip(TStripAppearance& strip, TColor color, TColor colorTo, TColor caption, TColor border) {
    strip.SetColor(color);
    strip.SetColorTo(colorTo);
    strip.Font().Color = caption;
    strip.SetBorderColor(border);
}

void ApplyButtons(TExButtonAppearance& buttons, const TButtonStyle& style) {
    buttons.SetColor(style.Color);
    buttons.SetColorTo(style.ColorTo);
    buttons.SetBorderColor(style.BorderColor);
    const TButtonStateColors& s = style.States;
    buttons.SetColorHot(s.Hot);
    buttons.SetColorHotTo(s.HotTo);
    buttons.SetBorderColorHot(s.BorderHot);
    buttons.SetColorDown(s.Down);
    buttons.SetColorDownTo(s.DownTo);
    buttons.SetBorderColorDown(s.BorderDown);
    buttons.SetColorDisabled(s.Disabled);
    buttons.SetColorDisabledTo(s.DisabledTo);
    buttons.SetColorChecked(s.Checked);
    buttons.SetColorCheckedTo(s.CheckedTo);
    buttons.SetBorderColorChecked(s.BorderChecked);
}

struct TItemStyle {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo;
    TColor Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
    TColor SelectedText;  // clNone: the black set for every style stays
    TColor Border, BorderTop, BorderBottom, Edge;
};

const TItemStyle* ItemStyleOf(TZRTStyle style) {
    static const TItemStyle office2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                       0x7AE1FE, None,     0x42AEFE, None,     None,     None};
    static const TItemStyle office2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                       0x7AE1FE, None,     0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
    static const TItemStyle classic{0xD2BDB6, 0xD2BDB6, None, None, 0xB59285, 0xB59285, None,
                                    None,     None,     0x808080, None, None, None};
    static const TItemStyle windowsXP{0xEFD3C6, 0xEFD3C6, None, None, clHighlight, None, None,
                                      None,     clHighlightText, clHighlight, None, None, None};
    static const TItemStyle vista{0xFFFDF9, 0xFFFAF0, None,     None,     0xFEF9F0, 0xFDF0D7, None,
                                  None,     None,     0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
    static const TItemStyle windows7{0xFDFBFA, 0xFDF3EB, None,     None,     0xFCEBDC, 0xFCDBC1, None,
                                     None,     None,     0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
    static const TItemStyle terminal{0xC0C0C0, 0xC0C0C0, None, None, clHighlight, None, None,
                                     None,     clHighlightText, 0x808080, None, None, None};
    static const TItemStyle office2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                                       0x7BEEFF, None,     0x308AC2, None,     None,     None};
    switch (style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey: return &office2003;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver: return &office2007;
    case tsOffice2003Classic: return &classic;
    case tsWindowsXP: return &windowsXP;
    case tsWindowsVista: return &vista;
    case tsWindows7: return &windows7;
    case tsTerminal: return &terminal;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black: return &office2010;
    case tsCustom: break;
    }
    return nullptr;
}

}  // namespace

bool ApplyDropDownStyle(TZRTStyle AStyle, TStripAppearance& Header, TStripAppearance& Footer,
                        TExButtonAppearance& Buttons, TPopupStyleColors& Popup) {
    const TStripStyle* strip = StripStyleOf(AStyle);
    const TButtonStyle* buttons = ButtonStyleOf(AStyle);
    if (!strip || !buttons) return false;
    Popup = {strip->DropDownColor, strip->DropDownColorTo, strip->SetsBorderColor, strip->DropDownBorderColor};
    ApplyStrip(Header, strip->HeaderColor, strip->HeaderColorTo, strip->CaptionColor, strip->HeaderBorderColor);
    ApplyStrip(Footer, strip->FooterColor, strip->FooterColorTo, strip->CaptionColor, strip->FooterBorderColor);
    ApplyButtons(Buttons, *buttons);
    return true;
}

void SetItemAppearanceStyle(TItemAppearance* Appearance, TZRTStyle AStyle) {
    const TItemStyle* style = ItemStyleOf(AStyle);
    if (!Appearance || !style) return;
    Appearance->SetBorderColorHot(clNone);
    Appearance->SetBorderColorSelected(clNone);
    Appearance->SetColorSelectedText(0x000000);
    Appearance->SetColorHotText(0x000000);
    Appearance->SetColorHot(style->Hot);
    Appearance->SetColorHotTo(style->HotTo);
    Appearance->SetColorMirrorHot(style->MirrorHot);
    Appearance->SetColorMirrorHotTo(style->MirrorHotTo);
    Appearance->SetColorSelected(style->Selected);
    Appearance->SetColorSelectedTo(style->SelectedTo);
    Appearance->SetColorMirrorSelected(style->MirrorSelected);
    Appearance->SetColorMirrorSelectedTo(style->MirrorSelectedTo);
    if (style->SelectedText != clNone) Appearance->SetColorSelectedText(style->SelectedText);
    Appearance->SetBorderColor(style->Border);
    Appearance->SetBorderColorTop(style->BorderTop);
    Appearance->SetBorderColorBottom(style->BorderBottom);
    Appearance->SetEdgeColor(style->Edge);
}
