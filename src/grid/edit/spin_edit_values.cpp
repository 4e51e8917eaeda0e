// The four value accessors of the spin edit and the correction to the limits.
#include "grid/edit/spin_edit.h"
#include "grid/edit/spin_edit_texts.h"
#include "platform/number_conversion.h"

#include <algorithm>

namespace {

// Equal limits mean no limit.
template <class T>
T Limited(T Value, T Min, T Max) {
    if (Min == Max) return Value;
    if (Value <= Min) return Min;
    if (Value >= Max) return Max;
    return Value;
}

}  // namespace

int TAsgSpinEdit::Value() const {
    const QString text = Text().trimmed();
    if (text.isEmpty()) return 0;
    return StrToIntDef(text, FMinValue);
}

void TAsgSpinEdit::SetValue(int Value) {
    SetText(QString::number(Limited(Value, FMinValue, FMaxValue)));
    if (!FEditorEnabled) SelectAll();
}

double TAsgSpinEdit::FloatValue() const { return ReadSpinFloat(Text()).value_or(double(FMinValue)); }

void TAsgSpinEdit::SetFloatValue(double Value) {
    SetText(SpinFloatText(Limited(Value, FMinFloatValue, FMaxFloatValue), FPrecision));
}

TDateTime TAsgSpinEdit::DateValue() const {
    const QString text = Text().trimmed();
    if (text.isEmpty() || text == QLatin1String("0")) return SpinNow();
    return ReadSpinDate(text).value_or(FMinDateValue);
}

void TAsgSpinEdit::SetDateValue(TDateTime Value) {
    FDateValue = Value;
    if (ComponentState().Contains(csLoading)) return;
    FDateValue = Limited(Value, FMinDateValue, FMaxDateValue);
    const int caret = cursorPosition();
    SetText(SpinDateText(FDateValue));
    setCursorPosition(std::min<int>(caret, int(text().size())));
}

TDateTime TAsgSpinEdit::TimeValue() const { return ReadSpinTime(Text()).value_or(0.0); }

void TAsgSpinEdit::SetTimeValue(TDateTime Value) {
    FTimeValue = Value;
    if (ComponentState().Contains(csLoading)) return;
    FTimeValue = Limited(Value, FMinDateValue, FMaxDateValue);
    const int caret = cursorPosition();
    SetText(SpinTimeText(FTimeValue, FShowSeconds));
    setCursorPosition(std::min<int>(caret, int(text().size())));
}

void TAsgSpinEdit::CorrectToLimits() {
    switch (FSpinType) {
    case sptNormal: {
        const int value = Value();
        if (value != Limited(value, FMinValue, FMaxValue)) SetValue(value);
        break;
    }
    case sptFloat: {
        const double value = FloatValue();
        if (value != Limited(value, FMinFloatValue, FMaxFloatValue)) SetFloatValue(value);
        break;
    }
    case sptDate: {
        const TDateTime value = DateValue();
        if (value != Limited(value, FMinDateValue, FMaxDateValue)) SetDateValue(value);
        break;
    }
    case sptTime: {
        const TDateTime value = TimeValue();
        if (value != Limited(value, FMinDateValue, FMaxDateValue)) SetTimeValue(value);
        break;
    }
    }
}
