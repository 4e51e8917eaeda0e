#include "grid/edit/custom_date_time_picker.h"

#include "platform/registered_names.h"

#include <QTime>

unsigned DTPShiftFocus() {
    static const unsigned message = unsigned(RegisterWindowMessage(QStringLiteral("DTPShiftFocus")));
    return message;
}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner, QWidget* AParent)
    : TFlatDateTimePicker(AOwner, AParent) {
    FParentCtl3D = false;
    SetCtl3D(false);
    FBorderColor = 0;
}

void TCustomDateTimePicker::KeyPress(QChar& Key) {
    TFlatDateTimePicker::KeyPress(Key);
    if (!FAutoTab || Key < QLatin1Char('0') || Key > QLatin1Char('9')) return;
    if (TDateTimePicker::Kind() == dtkTime) {
        const QTime now = time();
        Fh = WORD(now.hour());
        Fm = WORD(now.minute());
        Fs = WORD(now.second());
        Fms = WORD(now.msec());
    }
    // Queued behind the key, so the step sees the value the digit made.
    PostMessage(WindowHandle(this), DTPShiftFocus());
}

void TCustomDateTimePicker::DefaultHandler(TMessage& Message) {
    if (Message.Msg == DTPShiftFocus()) AutoTabStep();
    TFlatDateTimePicker::DefaultHandler(Message);
}

void TCustomDateTimePicker::AutoTabStep() {
    if (TDateTimePicker::Kind() != dtkTime) return;
    const QTime now = time();
    if (now.hour() != Fh || now.minute() != Fm || now.second() != Fs) PostRightArrow();
}

void TCustomDateTimePicker::PostRightArrow() { PostMessage(WindowHandle(this), WM_KEYDOWN, VK_RIGHT); }
