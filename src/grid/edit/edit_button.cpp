#include "grid/edit/edit_button.h"

TExSpeedButton::TExSpeedButton(TAsgEditButton* AOwner) : TSpeedButton(AOwner, AOwner), FContainer(AOwner) {}

void TExSpeedButton::SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    update();
}

void TExSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    update();
}

void TExSpeedButton::MouseEnter() {
    FHot = true;
    TSpeedButton::MouseEnter();
}

void TExSpeedButton::MouseLeave() {
    FHot = false;
    TSpeedButton::MouseLeave();
}

TAsgEditButton::TAsgEditButton(TComponent* AOwner, QWidget* AParent) : TControlOf<QWidget>(AOwner, AParent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FButton = new TExSpeedButton(this);
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) { ButtonReleased(Button); };
    FButton->show();
    resize(20, 25);
}

void TAsgEditButton::SetFlat(bool Value) {
    FFlat = Value;
    FButton->SetFlat(Value);
}

void TAsgEditButton::SetButtonColor(TColor Value) {
    FButtonColor = Value;
    FButton->update();
}

void TAsgEditButton::ButtonReleased(TMouseButton Button) {
    if (Button != mbLeft) return;
    // The handler may free the edit and this container with it.
    const QPointer<TAsgEditButton> alive(this);
    if (OnClick) OnClick(this);
    if (!alive) return;
    auto takesFocus = [](const QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled() && w->isVisible() && !w->hasFocus();
    };
    if (FFocusControl && takesFocus(FFocusControl)) FFocusControl->setFocus(Qt::MouseFocusReason);
    else if (takesFocus(this)) setFocus(Qt::MouseFocusReason);
}

void TAsgEditButton::resizeEvent(QResizeEvent* event) {
    TControlOf<QWidget>::resizeEvent(event);
    if (!ComponentState().Contains(csLoading)) FButton->setGeometry(rect());
}

void TAsgEditButton::Loaded() {
    TControlOf<QWidget>::Loaded();
    FButton->setGeometry(rect());
}
