#pragma once
// A drop-down edit for a time of day. The edit shows the time through a mask as
// hours, minutes and optionally seconds with the locale's time separator (read at each
// use); Up and Down step the field under the caret, with typing on and off (they sit in
// the raw key-down, ahead of the base's typing-off filter). The pop-up holds an analogue
// clock on a panel and, with ShowTimePicker, a QTimeEdit under it.
//
// Closing takes the clock's time (in automatic mode the time the clock shows, now plus
// the offset). Cancelling (Esc, a cancelling button) leaves Time, the edit text and the
// clock as they were when the pop-up opened. A typed hour above 23, or a minute or
// second above 59, leaves Time as it was, silently.
//
// Keys of the QTimeEdit: Esc, Enter, F4 and Alt+Up/Down go to the edit as the pop-up's
// keys do; the rest edit the picker.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/watch.h"

class QTimeEdit;
class TPanel;

class TExTimePickerDropDown : public TExCustomDropDown {
public:
    explicit TExTimePickerDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExTimePickerDropDown() override;


    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    TWatchAppearance* WatchAppearance() { return &FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance.Assign(&Value); }
    TWatchSettings* WatchSettings() { return &FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings.Assign(&Value); }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);

    TExWatch* Watch() const { return FExWatch; }
    QTimeEdit* DateTimePicker() const { return FDateTimePicker; }

    void SetComponentStyle(TZRTStyle AStyle) override;

    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownHidden() override;
    void DropDownKeyDown(WORD& Key, TShiftState Shift) override;
    void DropDownKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void WMKeyDown(TWMKey& Message) override;
    void Change() override;

private:
    // PageUp, PageDown, Up and Down without Alt stay in the pop-up.
    static bool StaysInPopUp(WORD Key, TShiftState Shift);
    void ClockChanged();
    void PickerChanged();
    void CreatePicker();
    // Writes the time's text into the edit without reading it back.
    void WriteTimeText();
    // Up and Down on the field under the caret.
    void StepField(bool Up);
    TDateTime ClockTime() const;

    bool FShowTimePicker = false;
    TExWatch* FExWatch = nullptr;
    QTimeEdit* FDateTimePicker = nullptr;
    TPanel* FPanelCtrl = nullptr;
    TWatchAppearance FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TDateTime FTime = 0;
    TWatchSettings FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
    // What a cancelling close puts back.
    TDateTime FTimeAtOpen = 0;
    bool FCancelling = false;
};
