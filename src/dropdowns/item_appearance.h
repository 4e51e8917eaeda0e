#pragma once
// The look of the items of a list-like drop-down (the item selector): hot and selected
// gradients with mirror halves, borders, inner corner colour, texts and font. A colour
// style fills twelve of the colours from a preset.

#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/persistent.h"

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
// Where an item's caption stands beside its image or colour box.
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

class TItemAppearance : public TPersistent {
public:
    explicit TItemAppearance(TObject* AOwner);
    TObject* GetOwner() const override { return FOwner; }

    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { FColorHot = Value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor Value) { FColorMirrorHot = Value; }
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor Value) { FColorMirrorHotTo = Value; }
    TColor ColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value) { FColorSelected = Value; }
    TColor ColorSelectedTo() const { return FColorSelectedTo; }
    void SetColorSelectedTo(TColor Value) { FColorSelectedTo = Value; }
    TColor ColorMirrorSelected() const { return FColorMirrorSelected; }
    void SetColorMirrorSelected(TColor Value) { FColorMirrorSelected = Value; }
    TColor ColorMirrorSelectedTo() const { return FColorMirrorSelectedTo; }
    void SetColorMirrorSelectedTo(TColor Value) { FColorMirrorSelectedTo = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TColor BorderColorTop() const { return FBorderColorTop; }
    void SetBorderColorTop(TColor Value) { FBorderColorTop = Value; }
    TColor BorderColorBottom() const { return FBorderColorBottom; }
    void SetBorderColorBottom(TColor Value) { FBorderColorBottom = Value; }
    TColor EdgeColor() const { return FEdgeColor; }
    void SetEdgeColor(TColor Value) { FEdgeColor = Value; }
    TColor ColorSelectedText() const { return FColorSelectedText; }
    void SetColorSelectedText(TColor Value) { FColorSelectedText = Value; }
    TColor ColorHotText() const { return FColorHotText; }
    void SetColorHotText(TColor Value) { FColorHotText = Value; }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { FBorderColorHot = Value; }
    TColor BorderColorSelected() const { return FBorderColorSelected; }
    void SetBorderColorSelected(TColor Value) { FBorderColorSelected = Value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // A new style stores itself and, unless scCustom, overwrites the twelve preset
    // colours; the same style again changes nothing.
    void SetColorStyle(TSelectionColorStyle Value);

    // The preset colours, the font, the style (whose preset then wins), the two text
    // colours and the hot and selected borders; from another item appearance only.
    void Assign(const TPersistent* Source) override;

private:
    void ApplyPreset(TSelectionColorStyle Style);

    TObject* FOwner;
    TColor FColorMirrorHotTo = clNone;
    TColor FBorderColor = clNone;
    TColor FColorMirrorHot = clNone;
    TColor FColorSelectedTo = clNone;
    TColor FColorSelected = clNone;
    TColor FEdgeColor = clNone;
    TColor FColorHotTo = clNone;
    TColor FBorderColorBottom = clNone;
    TColor FColorHot = clNone;
    TColor FBorderColorTop = clNone;
    TColor FColorMirrorSelectedTo = clNone;
    TColor FColorMirrorSelected = clNone;
    TColor FColorSelectedText = 0x000000;
    TColor FColorHotText = 0x000000;
    TSelectionColorStyle FColorStyle = scOffice2007;
    TFont FFont;
    TColor FBorderColorHot = clNone;
    TColor FBorderColorSelected = clNone;
};
