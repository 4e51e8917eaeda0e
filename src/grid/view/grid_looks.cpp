// Recolouring the grid as a whole: Look, the style presets, the XP colour schemes, the
// colour tones and following the user's Office theme. The colours of the presets are
// data (grid_look_presets.cpp); this file applies them in their order.

#include "controls/color_utilities.h"
#include "controls/office_theme.h"
#include "grid/core/string_grid.h"
#include "grid/view/grid_look_presets.h"

namespace {

TColor ReadLookColor(const TExStringGrid& grid, TLookColorTarget target) {
    const TControlLook& look = *grid.ControlLook();
    switch (target) {
    case lcZRTGradientFrom: return grid.ZRTGradientFrom();
    case lcZRTGradientTo: return grid.ZRTGradientTo();
    case lcZRTGradientMirrorFrom: return grid.ZRTGradientMirrorFrom();
    case lcZRTGradientMirrorTo: return grid.ZRTGradientMirrorTo();
    case lcZRTGradientHoverFrom: return grid.ZRTGradientHoverFrom();
    case lcZRTGradientHoverTo: return grid.ZRTGradientHoverTo();
    case lcZRTGradientHoverMirrorFrom: return grid.ZRTGradientHoverMirrorFrom();
    case lcZRTGradientHoverMirrorTo: return grid.ZRTGradientHoverMirrorTo();
    case lcZRTGradientHoverBorder: return grid.ZRTGradientHoverBorder();
    case lcCLFixedFrom: return look.FixedGradientFrom;
    case lcCLFixedTo: return look.FixedGradientTo;
    case lcCLFixedMirrorFrom: return look.FixedGradientMirrorFrom;
    case lcCLFixedMirrorTo: return look.FixedGradientMirrorTo;
    case lcCLHoverFrom: return look.FixedGradientHoverFrom;
    case lcCLHoverTo: return look.FixedGradientHoverTo;
    case lcCLHoverMirrorFrom: return look.FixedGradientHoverMirrorFrom;
    case lcCLHoverMirrorTo: return look.FixedGradientHoverMirrorTo;
    case lcCLHoverBorder: return look.FixedGradientHoverBorder;
    case lcCLDownFrom: return look.FixedGradientDownFrom;
    case lcCLDownTo: return look.FixedGradientDownTo;
    case lcCLDownMirrorFrom: return look.FixedGradientDownMirrorFrom;
    case lcCLDownMirrorTo: return look.FixedGradientDownMirrorTo;
    case lcCLDownBorder: return look.FixedGradientDownBorder;
    case lcActiveCellColor: return grid.ActiveCellColor();
    case lcActiveCellColorTo: return grid.ActiveCellColorTo();
    case lcSelectionColor: return grid.SelectionColor();
    case lcSelectionColorTo: return grid.SelectionColorTo();
    case lcSelectionTextColor: return grid.SelectionTextColor();
    case lcGridLineColor: return grid.GridLineColor();
    case lcGridFixedLineColor: return grid.GridFixedLineColor();
    case lcSearchFooterColor: return grid.SearchFooter()->Color();
    case lcSearchFooterColorTo: return grid.SearchFooter()->ColorTo();
    case lcHeaderColor: return grid.SortSettings()->HeaderColor;
    case lcHeaderColorTo: return grid.SortSettings()->HeaderColorTo;
    case lcHeaderMirrorColor: return grid.SortSettings()->HeaderMirrorColor;
    case lcHeaderMirrorColorTo: return grid.SortSettings()->HeaderMirrorColorTo;
    }
    return clNone;
}

void WriteLookColor(TExStringGrid& grid, TLookColorTarget target, TColor c) {
    TControlLook& look = *grid.ControlLook();
    switch (target) {
    case lcZRTGradientFrom: grid.SetZRTGradientFrom(c); break;
    case lcZRTGradientTo: grid.SetZRTGradientTo(c); break;
    case lcZRTGradientMirrorFrom: grid.SetZRTGradientMirrorFrom(c); break;
    case lcZRTGradientMirrorTo: grid.SetZRTGradientMirrorTo(c); break;
    case lcZRTGradientHoverFrom: grid.SetZRTGradientHoverFrom(c); break;
    case lcZRTGradientHoverTo: grid.SetZRTGradientHoverTo(c); break;
    case lcZRTGradientHoverMirrorFrom: grid.SetZRTGradientHoverMirrorFrom(c); break;
    case lcZRTGradientHoverMirrorTo: grid.SetZRTGradientHoverMirrorTo(c); break;
    case lcZRTGradientHoverBorder: grid.SetZRTGradientHoverBorder(c); break;
    case lcCLFixedFrom: look.SetFixedGradientFrom(c); break;
    case lcCLFixedTo: look.SetFixedGradientTo(c); break;
    case lcCLFixedMirrorFrom: look.SetFixedGradientMirrorFrom(c); break;
    case lcCLFixedMirrorTo: look.SetFixedGradientMirrorTo(c); break;
    case lcCLHoverFrom: look.SetFixedGradientHoverFrom(c); break;
    case lcCLHoverTo: look.SetFixedGradientHoverTo(c); break;
    case lcCLHoverMirrorFrom: look.SetFixedGradientHoverMirrorFrom(c); break;
    case lcCLHoverMirrorTo: look.SetFixedGradientHoverMirrorTo(c); break;
    case lcCLHoverBorder: look.SetFixedGradientHoverBorder(c); break;
    case lcCLDownFrom: look.SetFixedGradientDownFrom(c); break;
    case lcCLDownTo: look.SetFixedGradientDownTo(c); break;
    case lcCLDownMirrorFrom: look.SetFixedGradientDownMirrorFrom(c); break;
    case lcCLDownMirrorTo: look.SetFixedGradientDownMirrorTo(c); break;
    case lcCLDownBorder: look.SetFixedGradientDownBorder(c); break;
    case lcActiveCellColor: grid.SetActiveCellColor(c); break;
    case lcActiveCellColorTo: grid.SetActiveCellColorTo(c); break;
    case lcSelectionColor: grid.SetSelectionColor(c); break;
    case lcSelectionColorTo: grid.SetSelectionColorTo(c); break;
    case lcSelectionTextColor: grid.SetSelectionTextColor(c); break;
    case lcGridLineColor: grid.SetGridLineColor(c); break;
    case lcGridFixedLineColor: grid.SetGridFixedLineColor(c); break;
    case lcSearchFooterColor: grid.SearchFooter()->SetColor(c); break;
    case lcSearchFooterColorTo: grid.SearchFooter()->SetColorTo(c); break;
    case lcHeaderColor: grid.SortSettings()->HeaderColor = c; break;
    case lcHeaderColorTo: grid.SortSettings()->HeaderColorTo = c; break;
    case lcHeaderMirrorColor: grid.SortSettings()->HeaderMirrorColor = c; break;
    case lcHeaderMirrorColorTo: grid.SortSettings()->HeaderMirrorColorTo = c; break;
    }
}

void ApplyAssignments(TExStringGrid& grid, const std::vector<TLookAssignment>& assignments) {
    for (const TLookAssignment& a : assignments)
        WriteLookColor(grid, a.Target, a.CopyOf ? ReadLookColor(grid, *a.CopyOf) : a.Color);
}

}  // namespace

void TExStringGrid::SetLook(TGridLook Value) {
    if (FLook == Value) return;
    FLook = Value;
    if (Value != glCustom) {
        FControlLook->SetFixedGradientMirrorFrom(clNone);
        FControlLook->SetFixedGradientMirrorTo(clNone);
        FControlLook->SetFixedGradientFrom(clNone);
        FControlLook->SetFixedGradientTo(clNone);
        SetZRTGradientFrom(clNone);
        SetZRTGradientTo(clNone);
        SetZRTGradientMirrorFrom(clNone);
        SetZRTGradientMirrorTo(clNone);
        FSortSettings->HeaderColor = clNone;
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom: break;
    default: ApplyLookPreset(Value); break;
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    SetBorderColor(0xB99D7F);
    InvalidateGrid();
    if (!ComponentState().Contains(csLoading)) UpdateFooterAll();
}

// The colours of the looks up to glListView (not while loading: the form's colours win).
void TExStringGrid::ApplyLookPreset(TGridLook Value) {
    if (!InDesignMode()) SetEditorsComponentStyle(tsWindowsXP);
    SetSelectionStyle(ssDefault);
    if (ComponentState().Contains(csLoading)) return;
    const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
    TColor start = clWhite, end = clBtnFace;
    if (plain) {
        SetFixedColor(clBtnFace);
        start = clBtnFace;
        end = clNone;
    }
    FControlLook->SetFixedGradientFrom(start);
    FControlLook->SetFixedGradientTo(end);
    FControlLook->SetFixedGradientMirrorFrom(clNone);
    FControlLook->SetFixedGradientMirrorTo(clNone);
    SetGridFixedLineColor(0x808080);
    SetGridLineColor(0xC0C0C0);
    if (plain || Value == glListView) {
        ApplyAssignments(*this, {{lcActiveCellColor, 0x808080},
                                 {lcActiveCellColorTo, clNone},
                                 {lcSelectionColor, clHighlight},
                                 {lcSelectionTextColor, clHighlightText},
                                 {lcSearchFooterColor, clBtnFace},
                                 {lcSearchFooterColorTo, clBtnFace}});
    } else {  // glZRT, glXP
        ApplyAssignments(*this, {{lcActiveCellColor, 0xEACAB6},
                                 {lcActiveCellColorTo, clNone},
                                 {lcSelectionColor, 0xEACAB6},
                                 {lcSelectionColorTo, clNone},
                                 {lcSelectionTextColor, clBlack},
                                 {lcSearchFooterColor, clNone, lcZRTGradientFrom},
                                 {lcSearchFooterColorTo, clNone, lcZRTGradientTo},
                                 {lcCLFixedFrom, clWhite},
                                 {lcCLFixedTo, Value == glXP ? clBtnFace : TColor(0xC0C0C0)},
                                 {lcCLHoverFrom, 0xCFD0D1},
                                 {lcCLHoverTo, 0xBEC6C8},
                                 {lcCLHoverMirrorFrom, 0xBEC6C8},
                                 {lcCLHoverMirrorTo, 0xABBCBF},
                                 {lcCLDownFrom, 0x868788},
                                 {lcCLDownTo, 0x737C7E},
                                 {lcCLDownMirrorFrom, 0x737C7E},
                                 {lcCLDownMirrorTo, 0x627376}});
    }
}

void TExStringGrid::SetStyle(TExGridStyle AStyle) {
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    ApplyAssignments(*this, {{lcHeaderColor, clNone},
                             {lcHeaderColorTo, clNone},
                             {lcHeaderMirrorColor, clNone},
                             {lcHeaderMirrorColorTo, clNone}});
    FControlLook->Init();
    const TGridStylePreset& preset = GridStylePresets().at(AStyle);
    if (preset.Look) SetLook(*preset.Look);
    ApplyAssignments(*this, preset.Colors);
    if (preset.SelectionStyle) SetSelectionStyle(*preset.SelectionStyle);
    InvalidateGrid();
}

void TExStringGrid::SetComponentStyle(TZRTStyle AStyle) {
    SetStyle(static_cast<TExGridStyle>(AStyle));
    // After SetStyle: a look it switches to remembers its own style on the way.
    FStyle = AStyle;
    if (!InDesignMode()) SetEditorsComponentStyle(AStyle);
    if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

void TExStringGrid::SetEditorsComponentStyle(TZRTStyle AStyle) {
    for (QWidget* editor : FEditors)
        if (auto* styled = dynamic_cast<IZRTStyle*>(editor)) styled->SetComponentStyle(AStyle);
}

void TExStringGrid::SetTheme(TXPColorScheme Scheme) {
    ApplyAssignments(*this, XPColorSchemePresets().at(Scheme));
    InvalidateGrid();
}

void TExStringGrid::SetColorTones(const TColorTones& ATones) {
    FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->Color = ATones.Foreground.TextColor;
    FFixedFont->Name = DefaultUIFontName();
    SetFontName(DefaultUIFontName());
    SetFontColor(ATones.Background.TextColor);
    SetColor(ATones.Background.BrushColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(clNone);
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(ScaleColorPercent(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);
    FControlLook->ControlStyle = csGlyph;
    FControlLook->CheckedGlyph.LoadFromFile(QStringLiteral(":/glyphs/metrocheckon.png"));
    FControlLook->UnCheckedGlyph.LoadFromFile(QStringLiteral(":/glyphs/metrocheckoff.png"));
    FControlLook->RadioOffGlyph.LoadFromFile(QStringLiteral(":/glyphs/metroradiooff.png"));
    FControlLook->RadioOnGlyph.LoadFromFile(QStringLiteral(":/glyphs/metroradioon.png"));
    // The editors that exist take the tones through their own interface.
    if (!InDesignMode())
        for (QWidget* editor : FEditors)
            if (auto* toned = dynamic_cast<IZRTTones*>(editor)) toned->SetColorTones(FTones);
    FControlLook->SetFlatButton(true);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
    InvalidateGrid();
}

void TExStringGrid::ThemeAdapt() {
    if (InDesignMode()) return;
    const TOfficeTheme theme = CurrentOfficeTheme();
    if (theme == FOfficeTheme) return;
    static constexpr TZRTStyle kStyleOfTheme[] = {
        tsOffice2003Blue,  tsOffice2003Silver, tsOffice2003Olive,    tsOffice2003Classic, tsOffice2007Luna,
        tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue, tsOffice2010Silver,  tsOffice2010Black};
    if (theme != otUnknown) SetComponentStyle(kStyleOfTheme[theme]);
    FOfficeTheme = theme;
}

QString TExStringGrid::LookToString(TGridLook Look) {
    static const char* const names[] = {"glStandard", "glSoft",    "glClassic", "glZRT",       "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
    return Look == glCustom ? QString() : QString::fromLatin1(names[Look]);
}

QString TExStringGrid::LookToCaption(TGridLook Look) {
    static const char* const captions[] = {"Standard", "Soft",          "Classic",   "ZRT",       "Windows XP",
                                           "ListView", "Windows Vista", "Windows 7", "Office2007"};
    return Look == glCustom ? QString() : QString::fromLatin1(captions[Look]);
}
