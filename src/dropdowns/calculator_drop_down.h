#pragma once
// A number edit with a pocket calculator in its pop-up. The edit's text is the display;
// the keypad's keys and the keys typed while the pop-up shows operate on it, Enter
// completes the pending operation and closes the pop-up. While the pop-up is closed
// the float edit types refuse the operator characters, so the closed edit only types
// numbers (a grid cell calls CalcResult on Enter).

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/keypad_appearance.h"

#include <optional>

class TCustomButtonPanel;

class TExCalculatorDropdown : public TExCustomDropDown {
public:
    explicit TExCalculatorDropdown(TComponent* AOwner, QWidget* AParent = nullptr);
    void Initialize() override;

    // The display as a number; 0 when it is none. Writing shows the value.
    long double Value();
    void SetValue(long double AValue);
    // Completes the pending operation ("=").
    void CalcResult() { CalculateResult(); }
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    void SetCalcButtonAppearance(const TButtonAppearance& Value) { FCalcButtonAppearance->Assign(&Value); }
    TCustomButtonPanel* ButtonPanel() const { return FExButtonPanel; }
    void SetComponentStyle(TZRTStyle AStyle) override;

protected:
    // Runs before every keypad click and every character typed in the pop-up.
    virtual void BeforeCalcInput() {}
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DropDownKeyPress(QChar& Key) override;
    void DropDownKeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMKeyDown(TWMKey& Message) override;

private:
    void ButtonClicked(int Index);
    // The display read strictly in the locale's notation; nothing when it is no number.
    std::optional<long double> StrictValue() const;
    void Show(long double N) { SetFloatValue(static_cast<double>(N)); }
    // False when the display is no number: the step then changes nothing.
    bool ApplyPendingOperation();
    void Operation(int Op);
    void CalculateResult();
    void CalculatePercent();
    void Clear();
    bool CalculatorClosed() const;
    bool DisplayFull() const { return MaxLength() > 0 && GetText().size() == MaxLength(); }

    TCustomButtonPanel* FExButtonPanel = nullptr;
    int FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    bool FCalcClosed = true;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    long double FMVal = 0;
    bool FShowThousandSeparator = false;
};
