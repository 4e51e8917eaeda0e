#include "controls/ex_check_box.h"

#include <QStyle>
#include <QStyleOptionButton>

TExCheckBox::TExCheckBox(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    resize(98, 20);
}

void TExCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    update();
}

void TExCheckBox::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TExCheckBox::Toggle() {
    if (!ReadOnly) SetChecked(!Checked());
}

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseDown = true;
    if (!hasFocus()) setFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FDown = true;
    update();
}

void TExCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FMouseDown) FDown = Inside(X, Y);
}

// Pressed and released outside: no toggle and no click.
void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDown = false;
    if (Inside(X, Y) && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    update();
}

void TExCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseUp(event->button() == Qt::LeftButton ? mbLeft : mbRight, ShiftStateOf(event->modifiers(), event->buttons()),
            p.x(), p.y());
}

void TExCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) FDown = true;
}

void TExCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE) return;
    FDown = false;
    Toggle();
    Click();
}

void TExCheckBox::Paint() {
    TCanvas& canvas = *Canvas();
    if (!Transparent) {
        canvas.Brush.Color = clWindow;
        canvas.FillRect(Rect(0, 0, width(), height()));
    }
    QStyleOptionButton option;
    option.initFrom(this);
    const int left = BoxRight ? width() - 15 : 0;
    option.rect = QRect(left, 4, 14, 14);
    option.state |= FState == cbChecked ? QStyle::State_On : FState == cbGrayed ? QStyle::State_NoChange : QStyle::State_Off;
    if (FDown) option.state |= QStyle::State_Sunken;
    if (QPainter* painter = canvas.Painter()) style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = isEnabled() ? clWindowText : TColor(0x808080);
    canvas.TextOut(BoxRight ? 6 : 15 + 2, 4, FCaption);
}
