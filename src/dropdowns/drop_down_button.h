#pragma once
// The drop button at the right edge of a drop-down edit: a container that keeps its
// width at FBWidth and the button inside it, which paints the drop arrow (custom
// colours, a glyph, or the style's combo-box arrow) or a push-button face. The drop-down
// opens on the release of the left button after a press on it.

#include "platform/bitmap.h"
#include "platform/custom_control.h"

class TExCustomDropDown;

enum TButtonStyle { bsButton, bsDropDown };

class TExDropDownSpeedButton : public TCustomControl {
public:
    explicit TExDropDownSpeedButton(TComponent* AOwner, QWidget* AParent);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    // Set by the edit to its hot state; setting repaints, the painting does not read it.
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    void SetUp() { FUp = true; }
    bool Hot() const { return FHot; }
    // Pressed: held down by the mouse and not latched up by SetUp.
    bool Pressed() const { return FDown && !FUp; }

    TBitmap& Glyph() { return FGlyph; }
    QString ButtonCaption() const { return FCaption; }
    void SetButtonCaption(const QString& Value);
    // The drop-down that owns the container; its colours and state decide the look.
    void SetDropDown(TExCustomDropDown* Value) { FDropDown = Value; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintDropArrow(QPainter& painter);
    void PaintPushButton(QPainter& painter);
    bool DrawsEnabled() const;

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FDown = false;
    bool FIsWinXP = true;
    TButtonStyle FButtonStyle = bsDropDown;
    TBitmap FGlyph;
    QString FCaption;
    TExCustomDropDown* FDropDown = nullptr;
};

class TDropDownEditButton : public TControlOf<QWidget> {
public:
    explicit TDropDownEditButton(TComponent* AOwner, QWidget* AParent);

    // The width is always FBWidth; the inner button fills the height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    int BWidth() const { return FBWidth; }
    void SetBWidth(int Value) { FBWidth = Value; }
    TExDropDownSpeedButton* InnerButton() const { return FButton; }
    TBitmap& Glyph() { return FButton->Glyph(); }
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* Value) { FFocusControl = Value; }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value) { FButtonColor = Value; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplySizeRule();

    TExDropDownSpeedButton* FButton = nullptr;
    QWidget* FFocusControl = nullptr;
    int FBWidth = 16;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FApplyingSizeRule = false;
};
