#pragma once
// Settings of the header and footer strips of a drop-down's pop-up: background
// (a gradient, or a plain fill when ColorTo is clNone), border, image, mini-HTML
// caption, font and a row of buttons. The drop-down and the grid's control look each
// own one header and one footer appearance; a strip keeps a private copy.

#include "dropdowns/dropdown_drawing.h"
#include "dropdowns/strip_button_items.h"
#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/persistent.h"

enum TButtonAlignment { baLeft, baRight };

class TStripAppearance : public TPersistent {
public:
    explicit TStripAppearance(TObject* AOwner) : FOwner(AOwner) {}
    TObject* GetOwner() const override { return FOwner; }

    bool Visible() const { return FVisible; }
    // Tells OnChange when the value changes.
    void SetVisible(bool Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { FColorTo = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

    // The strip's button items (header or footer buttons).
    virtual TCollection& ButtonItems() = 0;
    // Only the background, border, font and gradient direction, from either kind.
    void AssignColors(const TPersistent* Source);

    // The owner's notifications: a change of Visible, and a change of a button item.
    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    // Every setting the two kinds share, Visible through its setter.
    void AssignStrip(const TStripAppearance& Source);
    void ForwardButtonChanges(TCollection& Buttons);
    TFont FFont;

private:
    TObject* FOwner;
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    QString FCaption;
    TColor FColorTo = 0xFFFFFF;
    TColor FColor = 0xC0C0C0;
    TColor FBorderColor = 0x000000;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TStripAppearance {
public:
    explicit THeaderAppearance(TObject* AOwner);
    // From another header appearance only; anything else changes nothing.
    void Assign(const TPersistent* Source) override;
    THeaderButtons& Buttons() { return FButtons; }
    void SetButtons(const THeaderButtons& Value) { FButtons.Assign(&Value); }
    TCollection& ButtonItems() override { return FButtons; }

private:
    THeaderButtons FButtons;
};

class TFooterAppearance : public TStripAppearance {
public:
    explicit TFooterAppearance(TObject* AOwner);
    // From another footer appearance only; anything else changes nothing.
    void Assign(const TPersistent* Source) override;
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }
    TFooterButtons& Buttons() { return FButtons; }
    void SetButtons(const TFooterButtons& Value) { FButtons.Assign(&Value); }
    TCollection& ButtonItems() override { return FButtons; }

private:
    bool FSizeGrip = true;
    TFooterButtons FButtons;
};
