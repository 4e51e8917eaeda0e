#pragma once
// A button that takes no focus and draws itself: pressed while the left button is held
// over it (it keeps the mouse while held and shows up again once the pointer leaves),
// clicked on a release over it. Its face is a push-button frame (a thin one when Flat)
// with a glyph strip of NumGlyphs pictures (up, disabled, down) and a caption.

#include "platform/bitmap.h"
#include "platform/custom_control.h"

class TSpeedButton : public TCustomControl {
public:
    explicit TSpeedButton(TComponent* AOwner, QWidget* AParent = nullptr);

    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& Value) override;
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& Value);
    // Pictures side by side in the glyph: 1 to 4.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    // Held down by the left button with the pointer over the button.
    bool Pressed() const { return FPressed; }
    // The button holds the mouse from a left press until its release.
    bool MouseCapture() const { return FMouseCapture; }
    bool MouseInControl() const { return FMouseInControl; }

    // Fires OnClick, as a release over the button does.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Mouse enter and leave; the default repaints.
    virtual void MouseEnter();
    virtual void MouseLeave();
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // The picture of the glyph strip for the button's state; empty without a glyph.
    TBitmap CurrentGlyph() const;
    // The glyph centred in the client area (at the left or top when it is larger), one
    // pixel further right and down while pressed.
    void PaintGlyph(TCanvas& Canvas) const;

private:
    QString FCaption;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    bool FFlat = false;
    bool FTransparent = false;
    bool FPressed = false;
    bool FMouseCapture = false;
    bool FMouseInControl = false;
};
