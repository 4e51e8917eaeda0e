// The colour and font rules of a cell: GetVisualProperties (one step per rule, later
// steps override earlier ones), the font alone for measuring, and the selection mixer.
//
// The grid has no mouse state yet: the rules for a selection being dragged (mouse down)
// take the mouse as up until the mouse handling keeps that state.

#include "controls/color_utilities.h"
#include "grid/core/string_grid.h"

#include <algorithm>
#include <cmath>

TColor TExStringGrid::MixColors(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100) return Color1;
    if (Percent < 1 || Color1 == clNone) return Color2;
    if (Color2 == clNone) return Color1;
    const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    const double share = Percent / 100.0;
    auto channel = [&](int shift) {
        const int a = (c1 >> shift) & 0xFF, b = (c2 >> shift) & 0xFF;
        return std::min(255, static_cast<int>(std::lround(share * a + (1 - share) * b)));
    };
    return RGBColor(channel(0), channel(8), channel(16));
}

TColor TExStringGrid::MixColorsWhen(TColor Color1, TColor Color2, bool Flag, int Percent) {
    return Flag ? MixColors(Color1, Color2, Percent) : Color1;
}

int TExStringGrid::FlagRowOf(int ARow) const {
    const bool realRow = (FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent()) || FUseEnabledRows;
    return realRow ? RealRowIndex(ARow) : ARow;
}

bool TExStringGrid::IsFixedForColors(int ACol, int ARow) {
    return IsFixed(ACol, ARow) || ACol < TStringGrid::FixedCols() || ARow < TStringGrid::FixedRows();
}

namespace {
void ApplyCellFont(const TCellProperties& props, TFont& font) {
    if (props.FontColor() != clNone) font.Color = props.FontColor();
    if (!props.FontStyle().Empty()) font.Style = props.FontStyle();
    if (props.FontSize() != 0) font.Size = props.FontSize();
    if (!props.FontName().isEmpty()) font.Name = props.FontName();
}
}  // namespace

void TExStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                                      TBrush& ABrush, bool) {
    AFont = IsFixedForColors(ACol, ARow) ? *FFixedFont : GridFont();
    if (const TCellProperties* props = PropsOf(RCol, ARow)) ApplyCellFont(*props, AFont);
    GetCellColor(RealCol(RCol), DisplRow(ARow), AState, &ABrush, &AFont);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD) {
    const int fixedCols = TStringGrid::FixedCols(), fixedRows = TStringGrid::FixedRows();
    const bool normalCell = ACol >= fixedCols && ARow >= fixedRows;
    // 1. Printing without the display fonts takes the print settings' own.
    const bool printFonts = Print && !FPrintSettings->UseDisplayFont;
    if (normalCell) AFont = printFonts ? FPrintSettings->Font : GridFont();
    else AFont = printFonts ? FPrintSettings->FixedFont : *FFixedFont;
    // 2.
    const int RCol = Remap ? RealColIndex(ACol) : ACol;
    const int flagRow = FlagRowOf(ARow);
    // 3.
    ABrush.Color = clNone;
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    // 4.
    bool keptColor = false;
    if (const TCellProperties* props = PropsOf(RCol, ARow)) {
        const TCellType type = GetCellType(RCol, ARow);
        if (type == ctNone || type == ctRotated || type == ctEmpty) {
            if (props->BrushColor() != clNone) {
                ABrush.Color = props->BrushColor();
                keptColor = true;
            }
        } else {
            ABrush.Color = props->BrushColor();
        }
        ApplyCellFont(*props, AFont);
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    // 5.
    if (AState.Contains(gdSelected)) GD = GradientVertical;
    // 6.
    const TColor gridColor = GridColor();
    if (ABrush.Color == clNone) {
        ABrush.Color = gridColor;
        if (FBands->Active() && (!Print || FBands->Print())) {
            const bool bandCell = ACol >= fixedCols && ACol < ColCount() + NumHiddenColumns() - FFixedRightCols &&
                                  ARow >= fixedRows && ARow < RowCount() - FFixedFooters;
            const int period = FBands->PrimaryLength() + FBands->SecondaryLength();
            if (bandCell && period > 0)
                ABrush.Color = (ARow - fixedRows) % period < FBands->PrimaryLength() ? FBands->PrimaryColor()
                                                                                     : FBands->SecondaryColor();
        }
        if (ACol < fixedCols || ARow < fixedRows || ACol >= ColCount() - FFixedRightCols ||
            ARow >= RowCount() - FFixedFooters)
            ABrush.Color = FixedColor();
    }
    // 7. and 8.
    const bool fixed = IsFixedForColors(ACol, ARow);
    if (fixed && !keptColor && !Print) {
        ABrush.Color = FixedColor();
        AFont = *FFixedFont;
        AState.Include(gdFixed);
        if (FLook > glClassic) {
            ABrush.Color = FZRTGradientFrom;
            AColorTo = FZRTGradientTo;
            AMirrorColor = FZRTGradientMirrorFrom;
            AMirrorColorTo = FZRTGradientMirrorTo;
        }
    }
    // 9.
    if (Print) GetCellPrintColor(RealCol(RCol), DisplRow(ARow), AState, &ABrush, &AFont);
    else GetCellColor(RealCol(RCol), DisplRow(ARow), AState, &ABrush, &AFont);
    // 10.
    if (OnGetCellGradient) {
        TColor color = ABrush.Color;
        OnGetCellGradient(this, ARow, ACol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.Color = color;
    }
    // 11.
    const TColor normalBrush = ABrush.Color, normalFont = AFont.Color;
    const TColor normalColorTo = AColorTo, normalMirror = AMirrorColor, normalMirrorTo = AMirrorColorTo;

    auto selectionColors = [&] {
        ABrush.Color = FSelectionColor;
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone) AFont.Color = FSelectionTextColor;
    };
    const bool screenSelection = Select && !Print && FShowSelection && normalCell && !fixed;
    // 12.
    if (screenSelection && FMouseActions->DisjunctRowSelect()) {
        if (GetRowSelect(flagRow)) {
            AState = TGridDrawState{gdSelected};
            selectionColors();
        } else {
            AState.Exclude(gdSelected);
        }
    }
    // 13.
    if (screenSelection && FMouseActions->DisjunctColSelect() && ACol < ColCount() && GetColSelect(ACol)) {
        AState = TGridDrawState{gdSelected};
        selectionColors();
    }
    // 14.
    if (Select && !Print && FShowSelection && !fixed && IsSelected(ACol, ARow) &&
        !FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect()) {
        const TColor own = ABrush.Color;
        selectionColors();
        if (own != gridColor)
            ABrush.Color = MixColorsWhen(FSelectionColor, own, FSelectionColorMixer, FSelectionColorMixerFactor);
        AState.Include(gdSelected);
    }
    // 15.
    if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
        if (SelectedCells(ACol, ARow)) {
            selectionColors();
            AState.Include(gdSelected);
        } else if (ACol == Col() && ARow == Row()) {
            ABrush.Color = normalBrush;
            AFont.Color = normalFont;
            AColorTo = normalColorTo;
            AMirrorColor = normalMirror;
            AMirrorColorTo = normalMirrorTo;
            AState.Exclude(gdSelected);
        }
    }
    // 16.
    if (FUseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(flagRow)) || !isEnabled()))
        AFont.Color = FDisabledFontColor;
    // 17.
    if (IsSelected(ACol, ARow) && ARow != Row() && FMouseActions->DisjunctRowSelect() && FSelectionColorTo == clNone)
        ABrush.Color = ScaleColorPercent(ABrush.Color, 7);
    // 18.
    GetCellWordWrap(RealCol(RCol), DisplRow(ARow), WW);
    ResolveCellAlignment(RealCol(RCol), DisplRow(ARow), HA, VA);
}
