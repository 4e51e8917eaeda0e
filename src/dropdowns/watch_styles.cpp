// The twelve named looks of the clock (Style) and its colours per control style
// (SetComponentStyle).

#include "dropdowns/watch.h"

#include <cmath>

namespace {

// A font of the given face; size and colour stay those of Base unless given.
TFont FontLike(const TFont& Base, const char* Name, int Size = 0, TColor Color = clNone, bool Bold = false) {
    TFont font = Base;
    font.Name = QString::fromLatin1(Name);
    if (Size > 0) font.Size = Size;
    if (Color != clNone) font.Color = Color;
    font.Style = {};
    if (Bold) font.Style.Include(fsBold);
    return font;
}

void Hands(TWatchAppearance& a, TColor Color, int Size, TColor Shadow) {
    a.SetHourPointer(Color);
    a.SetHourPointerSize(static_cast<std::uint8_t>(Size));
    a.SetHourPointerShadow(Shadow);
    a.SetMinutePointer(Color);
    a.SetMinutePointerSize(static_cast<std::uint8_t>(Size));
    a.SetMinutePointerShadow(Shadow);
}

void Background(TWatchAppearance& a, TColor From, TColor To) {
    a.SetBackgroundColor(From);
    a.SetBackgroundColorTo(To);
}

}  // namespace

void TExWatch::SetStyle(TWatchStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    TWatchAppearance& a = FAppearance;
    a.ResetToDefaults();
    const TColor shadow = clBtnShadow;
    const int side = std::min(width(), height());
    auto hourFont = [&](const char* name, int size = 0, TColor color = clNone, bool bold = false) {
        a.SetHourFont(FontLike(a.HourFont(), name, size, color, bold));
    };
    auto ampmFont = [&](const char* name, int size = 0, TColor color = clNone) {
        a.SetAMPMFont(FontLike(a.AMPMFont(), name, size, color));
    };
    switch (Value) {
    case wsClassic:
        a.SetHourMarkLength(8);
        a.SetMinuteMarkLength(4);
        a.SetHourPointer(0x000000);
        a.SetHourPointerSize(5);
        hourFont("Comic Sans MS", 10, clNone, true);
        ampmFont("MS Sans Serif");
        SetShowAMPM(true);
        SetShowNumbers(true);
        FAnimation = true;
        FAnimationFactor = 10;
        break;
    case wsTower:
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        Background(a, 0xB1F0FE, 0x5BCCE8);
        a.SetBackgroundGradient(wgDiagonalForward);
        a.SetBorderWidth(1);
        a.SetTickMarks(tmHours);
        a.SetHourPointer(0x000000);
        a.SetHourPointerSize(5);
        a.SetSecondPointer(0x002BD5);
        a.SetCenterPointSize(6);
        a.SetCenterPointColor(0x002BD5);
        hourFont("Century", 0, clWindowText, true);
        ampmFont("MS Sans Serif");
        a.SetAMPMFrame(apRect);
        a.SetAMPMColor(0xB1F0FE);
        SetShowNumbers(false);
        break;
    case wsFluorescent:
        a.SetShape(wsRoundRect);
        Background(a, 0x000000, 0x000000);
        a.SetBorderColor(0xFF3E3E);
        a.SetHourColor(0xFF3E3E);
        a.SetMinuteColor(0xFF3E3E);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetTickMarks(tmHours);
        Hands(a, 0xFF3E3E, 2, shadow);
        a.SetCenterPointSize(20);
        a.SetCenterPointColor(0xFF3E3E);
        a.SetCenterPointBorderColor(0x000000);
        a.SetCenterPointOuterBorderColor(0x000000);
        hourFont("MS Sans Serif", 8, clWindowText);
        ampmFont("MS Sans Serif", 10, clWindowText);
        a.SetAMPMFrame(apRoundRect);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsEmerald:
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        Background(a, 0x3AE800, 0x000000);
        a.SetBackgroundGradient(wgDiagonalForward);
        a.SetBorderColor(0x3AE800);
        a.SetHourColor(0x3AE800);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetTickMarks(tmHours);
        a.SetHourPointer(0x40FF00);
        a.SetHourPointerSize(5);
        a.SetMinutePointer(0x40FF00);
        a.SetSecondPointer(0x00FFFF);
        a.SetCenterPointSize(16);
        a.SetCenterPointColor(0x38E100);
        a.SetCenterPointBorderColor(0x40FF00);
        a.SetCenterPointOuterBorderColor(0x000000);
        hourFont("MS Sans Serif", 0, 0x3AE800);
        ampmFont("MS Sans Serif", 0, 0xA00000);
        a.SetAMPMFrame(apRoundRect);
        a.SetAMPMColor(clNone);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsBlueStar:
        a.SetShape(wsRoundRect);
        a.SetPointerStyle(psPointer);
        Background(a, 0xFFD5D5, 0xA00000);
        a.SetBackgroundGradient(wgRadial);
        a.SetBorderColor(0xFFD5D5);
        a.SetHourPointer(0xA00000);
        a.SetHourPointerSize(5);
        a.SetMinutePointer(0xA00000);
        hourFont("MS Sans Serif", 8, 0xFFD5D5);
        ampmFont("MS Sans Serif", 10, 0xA00000);
        a.SetAMPMFrame(apRoundRect);
        a.SetAMPMColor(clNone);
        a.SetAMPMBorderColor(clNone);
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsFuchsia:
        a.SetShape(wsRect);
        Background(a, 0x000000, 0x000000);
        a.SetBorderColor(0xFFD0FF);
        a.SetHourColor(0xFFD0FF);
        a.SetMinuteColor(0xFFD0FF);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetTickMarks(tmQuartHours);
        Hands(a, 0xFFD0FF, 2, shadow);
        a.SetSecondPointer(0xDD68DD);
        a.SetCenterPointSize(20);
        a.SetCenterPointBorderColor(0xDD68DD);
        a.SetCenterPointOuterBorderColor(0x000000);
        hourFont("MS Sans Serif", 8, clWindowText);
        ampmFont("MS Sans Serif", 10, clWindowText);
        a.SetAMPMFrame(apRoundRect);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsBlack:
        Background(a, 0x202020, clNone);
        a.SetBorderColor(0x000000);
        a.SetHourColor(0x585858);
        a.SetMinuteColor(0x585858);
        a.SetMinuteMarkLength(4);
        a.SetHourPointer(0xFFFFFF);
        a.SetHourPointerSize(5);
        a.SetMinutePointer(0xFFFFFF);
        a.SetCenterPointColor(0xFFFFFF);
        a.SetCenterPointBorderColor(0xFFFFFF);
        a.SetCenterPointOuterBorderColor(0xFFFFFF);
        hourFont("Century Gothic", 11, 0xFFFFFF);
        ampmFont("MS Sans Serif");
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsBlackWhite:
        a.SetPointerStyle(psPointer);
        Background(a, 0xFFFFFF, clNone);
        a.SetBorderColor(0x000000);
        a.SetBorderWidth(8);
        a.SetHourColor(0x585858);
        a.SetMinuteMarkLength(4);
        a.SetTickMarks(tmQuartHours);
        a.SetHourPointer(0x000000);
        a.SetHourPointerSize(5);
        a.SetMinutePointer(0x000000);
        a.SetSecondPointer(0x000080);
        a.SetCenterPointSize(8);
        a.SetCenterPointColor(0x000000);
        a.SetCenterPointBorderColor(0x000000);
        a.SetCenterPointOuterBorderColor(0x000000);
        hourFont("Century Gothic", 14, 0x000000, true);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsGray:
        Background(a, 0xD1D1D1, 0x6C6C6C);
        a.SetBackgroundGradient(wgRadial);
        a.SetBorderColor(0x454545);
        a.SetHourColor(0x000000);
        a.SetMinuteColor(0x808080);
        Hands(a, 0x4E4E4E, 1, clNone);
        a.SetSecondPointer(0x0000FF);
        a.SetCenterPointColor(0x000000);
        a.SetCenterPointBorderColor(0x454545);
        a.SetCenterPointOuterBorderColor(clNone);
        hourFont("Comic Sans MS", 8);
        ampmFont("MS Sans Serif", 10);
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsSuperNova:
        Background(a, 0xFFFFFF, 0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetMinuteColor(0x808080);
        a.SetHourMarkLength(static_cast<std::uint8_t>(std::nearbyint(side / 4.5)));
        a.SetMinuteMarkLength(static_cast<std::uint8_t>(side / 3));
        a.SetHourPointer(0x000000);
        a.SetMinutePointer(0x000000);
        a.SetMinutePointerShadow(clNone);
        a.SetCenterPointSize(10);
        a.SetCenterPointOuterBorderColor(0x000000);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsSports:
        Background(a, 0x000000, clNone);
        a.SetBorderColor(0x000000);
        a.SetBorderWidth(1);
        a.SetHourColor(0xABB0B1);
        a.SetMinuteColor(0x808080);
        a.SetMinuteMarkLength(1);
        a.SetTickMarks(tmQuartHours);
        a.SetHourPointer(0x0000FF);
        a.SetHourPointerSize(2);
        a.SetHourPointerShadow(clNone);
        a.SetMinutePointer(0x00FFFF);
        a.SetMinutePointerSize(2);
        a.SetMinutePointerShadow(clNone);
        a.SetSecondPointer(0x188BFE);
        a.SetCenterPointSize(static_cast<std::uint8_t>(std::nearbyint(side / 3.6)));
        a.SetCenterPointColor(0x191919);
        a.SetCenterPointBorderColor(0xFF0000);
        a.SetCenterPointOuterBorderColor(0x000000);
        hourFont("Times New Roman", 9, 0x797979);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsSmooth:
        Background(a, 0xFFFFFF, 0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        a.SetHourColor(0xABB0B1);
        a.SetMinuteColor(0x808080);
        a.SetMinuteMarkLength(1);
        a.SetTickMarks(tmQuartHours);
        Hands(a, 0x4A4A4A, 2, 0xB2B2B2);
        a.SetSecondPointer(0x4A4A4A);
        a.SetCenterPointSize(6);
        a.SetCenterPointColor(0xFFFFFF);
        a.SetCenterPointBorderColor(0x000000);
        a.SetCenterPointOuterBorderColor(0x4A4A4A);
        hourFont("Times New Roman", 9, 0x797979);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    }
    update();
}

void TExWatch::SetComponentStyle(TZRTStyle AStyle) { ApplyWatchComponentStyle(FAppearance, AStyle); }

void ApplyWatchComponentStyle(TWatchAppearance& a, TZRTStyle AStyle) {
    struct Row {
        TZRTStyle Style;
        TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, Hands, Shadows, Second;
    };
    static const Row rows[] = {
        {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
        {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
        {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
        {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
        {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
        {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
        {tsWindowsXP, 0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
        {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
        {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
        {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
        {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
        {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
        {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
        {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
        {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
    };
    a.SetCenterPointOuterBorderColor(0x000000);
    const TColor fontColor = AStyle == tsOffice2007Obsidian ? TColor(0xF2F1F0) : TColor(0x000000);
    TFont hourFont = a.HourFont(), ampmFont = a.AMPMFont();
    hourFont.Color = fontColor;
    ampmFont.Color = fontColor;
    a.SetHourFont(hourFont);
    a.SetAMPMFont(ampmFont);
    for (const Row& row : rows) {
        if (row.Style != AStyle) continue;
        a.SetAMPMBorderColor(row.AMPMBorder);
        a.SetAMPMColor(row.AMPM);
        a.SetBackgroundColor(row.Background);
        a.SetBackgroundColorTo(row.BackgroundTo);
        a.SetBorderColor(row.Border);
        a.SetCenterPointBorderColor(row.CenterBorder);
        a.SetCenterPointColor(row.Center);
        a.SetHourColor(row.Hands);
        a.SetMinuteColor(row.Hands);
        a.SetHourPointer(row.Hands);
        a.SetMinutePointer(row.Hands);
        a.SetHourPointerShadow(row.Shadows);
        a.SetMinutePointerShadow(row.Shadows);
        a.SetSecondPointer(row.Second);
    }
}
