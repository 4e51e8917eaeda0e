#pragma once
// The grid pack's check box: three states, the box left or right of its caption and at
// the top, middle or bottom, a read-only mode that still reports clicks, an optional end
// ellipsis, drawn through the platform's style or as a classic frame.

#include "controls/check_box_state.h"
#include "platform/alignment.h"
#include "platform/custom_control.h"
#include "platform/messages.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TExCheckBox : public TCustomControl, public IMessageHandler {
public:
    explicit TExCheckBox(TComponent* AOwner, QWidget* AParent = nullptr);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    // The box is being pressed (mouse or Space).
    bool Down() const { return FDown; }
    void SetDown(bool Value) { FDown = Value; }
    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& Value) override;
    // taRightJustify puts the box right of the caption; anything else left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    void SetColor(TColor Value) override;
    // The parent shows through instead of the control's colour.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Kept for callers that ask for it; the toolkit composes the parent's background itself.
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // Return moves the focus on as Tab does.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    // The mouse is over the control.
    bool Hot() const { return FHot; }
    // Unless ReadOnly, Checked flips.
    virtual void Toggle();

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    // The control decides itself when a release is a click.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab leaves the box as it leaves any check box.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

private:
    bool Inside(int X, int Y) const { return X >= 0 && X <= width() && Y >= 0 && Y <= height(); }
    bool HasOwnColor() const;
    bool BoxRight() const { return FAlignment == taRightJustify; }
    void PaintBox(TCanvas& canvas);
    void PaintCaption(TCanvas& canvas);

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    QString FCaption = QStringLiteral("TExCheckBox");
    bool FHot = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
