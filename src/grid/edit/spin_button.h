#pragma once
// The up/down button pair of the spin edit (TAsgSpinButton) and its arrow buttons
// (TExTimerSpeedButton), which click again while held: after 400 ms, then every 100 ms,
// on the platform's replaceable interval timer. The arrows paint in the pair's colours
// when ButtonColor is set, as themed spin parts when the pair is IsWinXP and a visual
// style is active, else in the classic way.

#include "platform/bitmap.h"
#include "platform/custom_control.h"
#include "platform/interval_timer.h"
#include "platform/speed_button.h"

#include <QPointer>
#include <memory>

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem>;

class TAsgSpinButton;

class TExTimerSpeedButton : public TSpeedButton {
public:
    // The owner is always a button pair, whose colours the painting reads.
    explicit TExTimerSpeedButton(TAsgSpinButton* AOwner);

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState Value);
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection Value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    bool HasMouse() const { return FHasMouse; }
    // The repeat timer, created on the first press; nullptr before.
    TIntervalTimer* RepeatTimer() const { return FRepeatTimer.get(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void TimerExpired();
    TAsgSpinButton* Pair() const { return FPair; }
    void PaintColored(TCanvas& Canvas);
    void PaintThemed(TCanvas& Canvas);
    void PaintClassic(TCanvas& Canvas);

    std::unique_ptr<TIntervalTimer> FRepeatTimer;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    TAsgSpinButton* FPair;
};

class TAsgSpinButton : public TCustomControl {
public:
    explicit TAsgSpinButton(TComponent* AOwner, QWidget* AParent = nullptr);

    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    const TBitmap& UpGlyph() const { return FUpButton->Glyph(); }
    // An empty bitmap brings back the built-in arrow as a single glyph.
    void SetUpGlyph(const TBitmap& Value);
    const TBitmap& DownGlyph() const { return FDownButton->Glyph(); }
    void SetDownGlyph(const TBitmap& Value);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }
    // The control that takes the focus when an arrow is pressed; forgotten when it goes.
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* Value) { FFocusControl = Value; }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool Value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);

    TExTimerSpeedButton* UpButton() const { return FUpButton; }
    TExTimerSpeedButton* DownButton() const { return FDownButton; }
    TExTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

    // Colours of the coloured look; clNone (the default) leaves the look to the theme.
    // ButtonBorderColor and the three text colours are kept for the owner only.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }

    // Fired with the pair as Sender when the up or the down arrow is clicked.
    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Loaded() override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExTimerSpeedButton* CreateButton(TButtonDirection Direction);
    void ArrowPressed(TExTimerSpeedButton* Button);
    void ArrowClicked(TExTimerSpeedButton* Button);
    void SetFocusedButton(TExTimerSpeedButton* Button);
    void AdjustButtons();

    TExTimerSpeedButton* FUpButton = nullptr;
    TExTimerSpeedButton* FDownButton = nullptr;
    TExTimerSpeedButton* FFocusedButton = nullptr;
    QPointer<QWidget> FFocusControl;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

// The built-in arrow glyph "AsgSpinUp" or "AsgSpinDown".
TBitmap SpinArrowGlyph(bool Up);
