#pragma once
// A text edit with an up/down button pair at its right that steps an integer, a float,
// a date (the part under the caret) or a time (hours, minutes or seconds by the caret).
// Values are limited when written (equal limits mean no limit), typed text is corrected
// to the limits when the focus leaves, and IsValidChar keeps out characters the type
// cannot hold. The grid's spin editor derives from it.
//
// Files: spin_edit.cpp (creation, properties, layout, focus), spin_edit_values.cpp
// (Value, FloatValue, DateValue, TimeValue), spin_edit_keys.cpp (keys, IsValidChar),
// spin_edit_steps.cpp (IncrementValue, DecrementValue).

#include "grid/edit/spin_button.h"
#include "platform/date_time.h"
#include "platform/form.h"
#include "platform/mask_edit.h"

enum TAsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

class TAsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TAsgSpinEdit(TComponent* AOwner, QWidget* AParent = nullptr);

    // ---- values (spin_edit_values.cpp) ----
    // Text that is no integer reads as MinValue; empty reads 0.
    int Value() const;
    void SetValue(int Value);
    // Text that is no number reads as MinValue (the integer limit).
    double FloatValue() const;
    void SetFloatValue(double Value);
    // "0" or empty reads as now; text that is no date as MinDateValue.
    TDateTime DateValue() const;
    void SetDateValue(TDateTime Value);
    // Text that is no time reads 0. Limited by the date limits.
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime Value);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { FMinValue = Value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { FMaxValue = Value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime Value) { FMinDateValue = Value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime Value) { FMaxDateValue = Value; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int Value) { FIncrementHours = Value; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int Value) { FIncrementMinutes = Value; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int Value) { FIncrementSeconds = Value; }

    // ---- properties (spin_edit.cpp) ----
    TAsgSpinButton* Button() const { return FButton; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    TAsgSpinType SpinType() const { return FSpinType; }
    // Writes the current value again through the new type's writer.
    void SetSpinType(TAsgSpinType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value) { FShowSeconds = Value; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool Value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool Value);
    // Kept for the owner: the grid stores an empty cell for an empty text.
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }
    // bsSingle (the default) draws the edit's frame, bsNone none.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    // The least height for the font; a lower height is raised to it.
    int MinHeight() const;

    // ---- steps (spin_edit_steps.cpp) ----
    virtual void IncrementValue(bool Page);
    virtual void DecrementValue(bool Page);
    // ---- keys (spin_edit_keys.cpp) ----
    virtual bool IsValidChar(QChar& Key);
    virtual void UpButtonClick(TObject* Sender);
    virtual void DownButtonClick(TObject* Sender);

protected:
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMPaste(TMessage& Message) override;
    void WMCut(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int Sign, bool Page);
    void StepDate(int Sign);
    void StepTime(int Sign);
    // Writes the value read from the text again when the limits change it.
    void CorrectToLimits();
    // The text again through the writer of the current type.
    void RewriteValue();
    void PlaceButton();
    void SetEditRect();
    // The client area's width inside the frame.
    int InnerWidth() const;
    int InnerHeight() const;

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0;
    double FMaxFloatValue = 100;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TAsgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TAsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
    TFormBorderStyle FBorderStyle = bsSingle;
};
