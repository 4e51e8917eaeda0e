#include "dropdowns/trackbar_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "platform/number_conversion.h"
#include "platform/track_bar.h"

#include <QMouseEvent>

TExTrackBarDropDown::TExTrackBarDropDown(TComponent* AOwner, QWidget* AParent) : TExCustomDropDown(AOwner, AParent) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    FDropDownHeader->SetVisible(false);
    FDropDownFooter->SetVisible(false);
    SetForceShadow(true);
}

void TExTrackBarDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!FTrackBar) {
        FTrackBar = new TTrackBar(this, DropDownForm());
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
        FTrackBar->SetMin(FMin);
        FTrackBar->SetMax(FMax);
        FTrackBar->SetPosition(FPosition);
        FTrackBar->SetPageSize(FPageSize);
        FTrackBar->SetFrequency(FFrequency);
    }
    FTrackBar->OnChange = [this](TObject*) { TrackChanged(); };
}

void TExTrackBarDropDown::ReadBack() {
    if (!FTrackBar) return;
    FMin = FTrackBar->Min();
    FMax = FTrackBar->Max();
    FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetMin(int Value) {
    FMin = Value;
    if (FTrackBar) FTrackBar->SetMin(Value);
    ReadBack();
}

void TExTrackBarDropDown::SetMax(int Value) {
    FMax = Value;
    if (FTrackBar) FTrackBar->SetMax(Value);
    ReadBack();
}

void TExTrackBarDropDown::SetPosition(int Value) {
    FPosition = Value;
    if (FTrackBar) FTrackBar->SetPosition(Value);
    ReadBack();
}

void TExTrackBarDropDown::SetFrequency(int Value) {
    FFrequency = Value;
    if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExTrackBarDropDown::SetPageSize(int Value) {
    FPageSize = Value;
    if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExTrackBarDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    if (FTrackBar) {
        FTrackBar->SetMin(FMin);
        FTrackBar->SetMax(FMax);
        FTrackBar->SetPosition(FPosition);
        FTrackBar->SetPageSize(FPageSize);
        FTrackBar->SetFrequency(FFrequency);
        FTrackBar->SetWidth(Width());
        ReadBack();
    }
    SetControl(FTrackBar);
}

void TExTrackBarDropDown::TrackChanged() {
    if (!FTrackBar) return;
    FPosition = FTrackBar->Position();
    SetTextDirect(QString::number(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TExTrackBarDropDown::Change() {
    TExCustomDropDown::Change();
    // Text that is no whole number (an emptied edit) leaves the position as it was.
    std::int64_t value = 0;
    if (TryStrToInt64(GetText(), value) && value >= INT32_MIN && value <= INT32_MAX)
        SetPosition(static_cast<int>(value));
}

void TExTrackBarDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    TExCustomDropDown::WMKeyDown(Message);
    // Typing off drops these keys before the key handlers, so they are taken here. While
    // the pop-up shows, the track bar steps itself.
    if (FEditorEnabled || KeyboardShiftState().Contains(ssAlt) || DroppedDown()) return;
    if (key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    else if (key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExTrackBarDropDown::mousePressEvent(QMouseEvent* event) {
    if (FDropDownEnabled && !FEditorEnabled) {
        FMouseX = event->position().toPoint().x();
        FMouseDraging = true;
    }
    TExCustomDropDown::mousePressEvent(event);
}

void TExTrackBarDropDown::mouseMoveEvent(QMouseEvent* event) {
    TExCustomDropDown::mouseMoveEvent(event);
    if (!FMouseDraging) return;
    const int x = event->position().toPoint().x();
    // A page size below 1 counts as 1.
    const int divisor = std::max(1, FPageSize);
    const int step = (x - FMouseX) / divisor;
    FMouseX = x;
    if (step != 0) SetPosition(FPosition + step);
}

void TExTrackBarDropDown::mouseReleaseEvent(QMouseEvent* event) {
    FMouseDraging = false;
    TExCustomDropDown::mouseReleaseEvent(event);
}
