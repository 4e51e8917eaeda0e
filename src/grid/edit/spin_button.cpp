#include "grid/edit/spin_button.h"

#include <QFocusEvent>
#include <QKeyEvent>

TBitmap SpinArrowGlyph(bool Up) {
    TBitmap glyph;
    glyph.LoadFromFile(Up ? QStringLiteral(":/glyphs/AsgSpinUp.png") : QStringLiteral(":/glyphs/AsgSpinDown.png"));
    return glyph;
}

// ---- arrow button ----------------------------------------------------------------------

TExTimerSpeedButton::TExTimerSpeedButton(TAsgSpinButton* AOwner) : TSpeedButton(AOwner, AOwner), FPair(AOwner) {}

void TExTimerSpeedButton::SetTimeBtnState(TTimeBtnState Value) {
    FTimeBtnState = Value;
    update();
}

void TExTimerSpeedButton::SetButtonDirection(TButtonDirection Value) {
    FButtonDirection = Value;
    update();
}

void TExTimerSpeedButton::SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    update();
}

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !isEnabled()) return;
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = CreateIntervalTimer();
            FRepeatTimer->OnTick = [this] { TimerExpired(); };
        }
        FRepeatTimer->Start(400);
    }
    if (parentWidget()) parentWidget()->update();
}

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer) FRepeatTimer->Stop();
    if (parentWidget()) parentWidget()->update();
}

void TExTimerSpeedButton::TimerExpired() {
    FRepeatTimer->Start(100);
    if (!Pressed() || !MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        // A failing step must not keep repeating.
        FRepeatTimer->Stop();
        throw;
    }
}

void TExTimerSpeedButton::MouseEnter() {
    FHasMouse = true;
    TSpeedButton::MouseEnter();
}

void TExTimerSpeedButton::MouseLeave() {
    FHasMouse = false;
    TSpeedButton::MouseLeave();
}

// ---- button pair -----------------------------------------------------------------------

TAsgSpinButton::TAsgSpinButton(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
    FUpButton = CreateButton(bdUp);
    FDownButton = CreateButton(bdDown);
    FUpButton->SetGlyph(SpinArrowGlyph(true));
    FDownButton->SetGlyph(SpinArrowGlyph(false));
    FFocusedButton = FUpButton;
    resize(15, 25);
}

TExTimerSpeedButton* TAsgSpinButton::CreateButton(TButtonDirection Direction) {
    auto* button = new TExTimerSpeedButton(this);
    button->SetButtonDirection(Direction);
    TTimeBtnState state;
    state.Include(tbAllowTimer);
    button->SetTimeBtnState(state);
    button->OnClick = [this, button](TObject*) { ArrowClicked(button); };
    button->OnMouseDown = [this, button](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft) ArrowPressed(button);
    };
    button->show();
    return button;
}

void TAsgSpinButton::ArrowClicked(TExTimerSpeedButton* Button) {
    if (Button == FUpButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

namespace {

bool IsTabStop(const QWidget* widget) { return (widget->focusPolicy() & Qt::TabFocus) != 0; }
bool CanTakeFocus(const QWidget* widget) { return widget->isEnabled() && widget->isVisible(); }

}  // namespace

void TAsgSpinButton::ArrowPressed(TExTimerSpeedButton* Button) {
    if (TabStop() && CanTakeFocus(this)) SetFocusedButton(Button);
    if (FFocusControl && IsTabStop(FFocusControl) && CanTakeFocus(FFocusControl) && !FFocusControl->hasFocus())
        FFocusControl->setFocus(Qt::MouseFocusReason);
    else if (TabStop() && CanTakeFocus(this) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TAsgSpinButton::SetFocusedButton(TExTimerSpeedButton* Button) {
    if (Button == FFocusedButton) return;
    if (hasFocus()) {
        TTimeBtnState old = FFocusedButton->TimeBtnState();
        old.Exclude(tbFocusRect);
        FFocusedButton->SetTimeBtnState(old);
        TTimeBtnState now = Button->TimeBtnState();
        now.Include(tbFocusRect);
        Button->SetTimeBtnState(now);
    }
    FFocusedButton = Button;
}

void TAsgSpinButton::SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

void TAsgSpinButton::SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    FUpButton->SetIsWinXP(Value);
    FDownButton->SetIsWinXP(Value);
}

void TAsgSpinButton::SetButtonColor(TColor Value) {
    FButtonColor = Value;
    FUpButton->update();
    FDownButton->update();
}

void TAsgSpinButton::SetUpGlyph(const TBitmap& Value) {
    if (Value.Empty()) {
        FUpButton->SetGlyph(SpinArrowGlyph(true));
        FUpButton->SetNumGlyphs(1);
    } else {
        FUpButton->SetGlyph(Value);
    }
}

void TAsgSpinButton::SetDownGlyph(const TBitmap& Value) {
    if (Value.Empty()) {
        FDownButton->SetGlyph(SpinArrowGlyph(false));
        FDownButton->SetNumGlyphs(1);
    } else {
        FDownButton->SetGlyph(Value);
    }
}

void TAsgSpinButton::SetDirection(TSpinDirection Value) {
    if (Value == FDirection) return;
    FDirection = Value;
    if (FDirection == spVertical) {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        resize(15, height());
    } else {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        resize(20, height());
    }
    AdjustButtons();
}

void TAsgSpinButton::AdjustButtons() {
    if (ComponentState().Contains(csLoading)) return;
    const int w = width(), h = height();
    if (FDirection == spVertical) {
        const int upHeight = h / 2;
        FUpButton->setGeometry(0, 0, w, upHeight);
        // The two arrows share one pixel row.
        FDownButton->setGeometry(0, upHeight - 1, w, h - upHeight + 1);
    } else {
        FDownButton->setGeometry(0, 0, w / 2, h);
        FUpButton->setGeometry(w / 2 + 1, 0, w / 2, h);
    }
}

void TAsgSpinButton::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    // The pair keeps its least width for its direction.
    const int least = FDirection == spVertical ? 15 : 20;
    if (width() < least) {
        resize(least, height());
        return;
    }
    AdjustButtons();
}

void TAsgSpinButton::Loaded() {
    TCustomControl::Loaded();
    AdjustButtons();
}

void TAsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
        SetFocusedButton(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusedButton(FDownButton);
        FDownButton->Click();
        break;
    default: break;
    }
}

void TAsgSpinButton::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    TTimeBtnState state = FFocusedButton->TimeBtnState();
    state.Include(tbFocusRect);
    FFocusedButton->SetTimeBtnState(state);
}

void TAsgSpinButton::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    TTimeBtnState state = FFocusedButton->TimeBtnState();
    state.Exclude(tbFocusRect);
    FFocusedButton->SetTimeBtnState(state);
}
