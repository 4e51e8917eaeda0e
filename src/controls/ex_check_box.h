#pragma once
// The grid pack's check box: three states, the box left or right of its caption, a
// read-only mode that still reports clicks, drawn through the platform's style.

#include "platform/custom_control.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TExCheckBox : public TCustomControl {
public:
    explicit TExCheckBox(TComponent* AOwner, QWidget* AParent = nullptr);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    bool Down() const { return FDown; }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool ReadOnly = false;
    bool Transparent = false;
    // taRightJustify puts the box right of the caption.
    bool BoxRight = false;
    // Unless ReadOnly, Checked flips.
    virtual void Toggle();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    // The control decides itself when a release is a click.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Inside(int X, int Y) const { return X >= 0 && X <= width() && Y >= 0 && Y <= height(); }

    TCheckBoxState FState = cbUnchecked;
    bool FDown = false;
    bool FMouseDown = false;
    QString FCaption = QStringLiteral("TExCheckBox");
};
