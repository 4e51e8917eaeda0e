// TControlLook and TBackGround: the look objects of the grid and what their setters do
// to the grid (a repaint, or the matching ZRTGradient colour).

#include "grid/core/grid_feature_settings.h"
#include "grid/core/string_grid.h"

TControlLook::TControlLook(TExStringGrid* AOwner) : FOwner(AOwner) {
    // The drop-down editors' pop-ups show no empty caption strip unless a header is set up.
    DropDownHeader.SetVisible(false);
    Init();
}

void TControlLook::Init() {
    Color = clBlack;
    CommentColor = clRed;
    ProgressBorderColor = clGray;
    FixedGradientTo = clNone;
    FixedGradientFrom = clNone;
    FixedGradientMirrorTo = clNone;
    FixedGradientMirrorFrom = clNone;
    FixedGradientHoverTo = clWhite;
    FixedGradientHoverFrom = clGray;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    FixedGradientHoverBorder = clSilver;
    FixedGradientDownTo = clSilver;
    FixedGradientDownFrom = clGray;
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    FixedGradientDownBorder = clGray;
}

void TControlLook::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TControlLook*>(Source);
    if (!source || source == this) return;
    CheckSize = source->CheckSize;
    DropDownHeader.Assign(&source->DropDownHeader);
    DropDownFooter.Assign(&source->DropDownFooter);
    RadioSize = source->RadioSize;
    ControlStyle = source->ControlStyle;
    CheckedGlyph = source->CheckedGlyph;
    UnCheckedGlyph = source->UnCheckedGlyph;
    RadioOnGlyph = source->RadioOnGlyph;
    RadioOffGlyph = source->RadioOffGlyph;
    ProgressMarginX = source->ProgressMarginX;
    ProgressMarginY = source->ProgressMarginY;
    CommentColor = source->CommentColor;
    Color = source->Color;
    ProgressBorderColor = source->ProgressBorderColor;
    CheckAlwaysActive = source->CheckAlwaysActive;
    RadioAlwaysActive = source->RadioAlwaysActive;
    FixedGradientFrom = source->FixedGradientFrom;
    FixedGradientTo = source->FixedGradientTo;
    FixedGradientMirrorFrom = source->FixedGradientMirrorFrom;
    FixedGradientMirrorTo = source->FixedGradientMirrorTo;
    FixedGradientHoverFrom = source->FixedGradientHoverFrom;
    FixedGradientHoverTo = source->FixedGradientHoverTo;
    FixedGradientHoverMirrorFrom = source->FixedGradientHoverMirrorFrom;
    FixedGradientHoverMirrorTo = source->FixedGradientHoverMirrorTo;
    FixedGradientHoverBorder = source->FixedGradientHoverBorder;
    FixedGradientDownFrom = source->FixedGradientDownFrom;
    FixedGradientDownTo = source->FixedGradientDownTo;
    FixedGradientDownMirrorFrom = source->FixedGradientDownMirrorFrom;
    FixedGradientDownMirrorTo = source->FixedGradientDownMirrorTo;
    FixedGradientDownBorder = source->FixedGradientDownBorder;
    DropDownAlwaysVisible = source->DropDownAlwaysVisible;
    SpinButtonsAlwaysVisible = source->SpinButtonsAlwaysVisible;
    DropDownCount = source->DropDownCount;
    HintMaxWidth = source->HintMaxWidth;
}

void TControlLook::Changed() {
    if (FOwner) FOwner->InvalidateGrid();
}

#define CONTROL_LOOK_REPAINTING_SETTER(Type, Name)    \
    void TControlLook::Set##Name(Type Value) {        \
        Name = Value;                           \
        Changed();                                    \
    }
CONTROL_LOOK_REPAINTING_SETTER(int, CheckSize)
CONTROL_LOOK_REPAINTING_SETTER(const TBitmap&, CheckedGlyph)
CONTROL_LOOK_REPAINTING_SETTER(const TBitmap&, UnCheckedGlyph)
CONTROL_LOOK_REPAINTING_SETTER(int, RadioSize)
CONTROL_LOOK_REPAINTING_SETTER(const TBitmap&, RadioOnGlyph)
CONTROL_LOOK_REPAINTING_SETTER(const TBitmap&, RadioOffGlyph)
CONTROL_LOOK_REPAINTING_SETTER(TColor, Color)
CONTROL_LOOK_REPAINTING_SETTER(TControlStyle, ControlStyle)
CONTROL_LOOK_REPAINTING_SETTER(TColor, CommentColor)
CONTROL_LOOK_REPAINTING_SETTER(bool, FlatButton)
CONTROL_LOOK_REPAINTING_SETTER(bool, NoDisabledCheckRadioLook)
CONTROL_LOOK_REPAINTING_SETTER(bool, NoDisabledButtonLook)
CONTROL_LOOK_REPAINTING_SETTER(int, ProgressMarginX)
CONTROL_LOOK_REPAINTING_SETTER(int, ProgressMarginY)
CONTROL_LOOK_REPAINTING_SETTER(bool, ProgressXP)
CONTROL_LOOK_REPAINTING_SETTER(bool, DropDownAlwaysVisible)
CONTROL_LOOK_REPAINTING_SETTER(bool, SpinButtonsAlwaysVisible)
#undef CONTROL_LOOK_REPAINTING_SETTER

// The fixed and hover/pressed colours reach the grid only with a colour; the mirror
// colours always do, so clNone clears the grid's mirror.
void TControlLook::SetFixedGradientFrom(TColor Value) {
    FixedGradientFrom = Value;
    if (FOwner && Value != clNone) FOwner->SetZRTGradientFrom(Value);
}
void TControlLook::SetFixedGradientTo(TColor Value) {
    FixedGradientTo = Value;
    if (FOwner && Value != clNone) FOwner->SetZRTGradientTo(Value);
}
void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
    FixedGradientMirrorFrom = Value;
    if (FOwner) FOwner->SetZRTGradientMirrorFrom(Value);
}
void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
    FixedGradientMirrorTo = Value;
    if (FOwner) FOwner->SetZRTGradientMirrorTo(Value);
}

// The grid's setters repaint only on a change, which costs nothing here.
#define CONTROL_LOOK_GRID_COLOR_SETTER(Name, GridName, OnlyAColor)            \
    void TControlLook::Set##Name(TColor Value) {                              \
        Name = Value;                                                         \
        if (FOwner && (!(OnlyAColor) || Value != clNone))                     \
            FOwner->SetZRTGradient##GridName(Value);                          \
    }
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientHoverFrom, HoverFrom, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientHoverTo, HoverTo, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientHoverBorder, HoverBorder, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientHoverMirrorFrom, HoverMirrorFrom, false)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientHoverMirrorTo, HoverMirrorTo, false)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientDownFrom, DownFrom, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientDownTo, DownTo, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientDownBorder, DownBorder, true)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientDownMirrorFrom, DownMirrorFrom, false)
CONTROL_LOOK_GRID_COLOR_SETTER(FixedGradientDownMirrorTo, DownMirrorTo, false)
#undef CONTROL_LOOK_GRID_COLOR_SETTER

void TBackGround::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TBackGround*>(Source);
    if (!source || source == this) return;
    Top = source->Top;
    Left = source->Left;
    Display = source->Display;
    Cells = source->Cells;
    ColorTo = source->ColorTo;
    Color = source->Color;
    Bitmap = source->Bitmap;
}

void TBackGround::Changed() {
    if (FGrid) FGrid->InvalidateGrid();
}

#define BACKGROUND_SETTER(Type, Name) \
    void TBackGround::Set##Name(Type Value) { \
        Name = Value;                         \
        Changed();                            \
    }
BACKGROUND_SETTER(int, Top)
BACKGROUND_SETTER(int, Left)
BACKGROUND_SETTER(TBackgroundDisplay, Display)
BACKGROUND_SETTER(TBackgroundCells, Cells)
BACKGROUND_SETTER(TColor, Color)
BACKGROUND_SETTER(TColor, ColorTo)
BACKGROUND_SETTER(const TBitmap&, Bitmap)
#undef BACKGROUND_SETTER
