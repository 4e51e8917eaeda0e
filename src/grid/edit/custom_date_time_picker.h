#pragma once
// TCustomDateTimePicker: the flat picker that can move on from field to field by itself
// while digits are typed (AutoTab): a digit typed into a time picker posts the
// registered "DTPShiftFocus" to the picker; when it arrives, the platform has taken the
// digit, and a changed hour, minute or second posts a Right-arrow, which moves to the
// next field. The metro look and the borders stay off in this class (NativePaintOnly);
// TExDateTimePicker switches them on.

#include "grid/edit/flat_date_time_picker.h"

// The number of the registered window message "DTPShiftFocus" (registered once).
unsigned DTPShiftFocus();

class TCustomDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner, QWidget* AParent = nullptr);

    bool AutoTab() const { return FAutoTab; }
    virtual void AutoTabStep();
    virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
    virtual bool NativePaintOnly() const { return true; }
    void SetBorderStyle(TBorderStyle Value) override { TFlatDateTimePicker::SetBorderStyle(Value); }

    bool MetroActive() const override { return FMetroStyle && !NativePaintOnly(); }

protected:
    int MetroFillInset() const override { return 4; }
    bool ClientOutline() const override { return true; }
    void KeyPress(QChar& Key) override;
    void DefaultHandler(TMessage& Message) override;
    // Posts a Right-arrow to the picker itself.
    void PostRightArrow();

    bool FAutoTab = false;
    WORD Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};
