// One step up or down: the number by its increment, the date part and the time part
// under the caret.
#include "controls/date_utilities.h"
#include "grid/edit/spin_edit.h"
#include "grid/edit/spin_edit_texts.h"
#include "platform/format_settings.h"
#include "platform/message_beep.h"

void TAsgSpinEdit::IncrementValue(bool Page) { Step(+1, Page); }

void TAsgSpinEdit::DecrementValue(bool Page) { Step(-1, Page); }

void TAsgSpinEdit::Step(int Sign, bool Page) {
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(Sign); break;
    case sptTime: StepTime(Sign); break;
    }
}

void TAsgSpinEdit::StepDate(int Sign) {
    const QString text = Text();
    const QChar separator = FormatSettings().DateSeparator;
    // 1-based positions of the two separators, 0 when missing; the caret counts from 0.
    const int first = int(text.indexOf(separator)) + 1;
    const int second = first > 0 ? int(text.indexOf(separator, first)) + 1 : 0;
    const int caret = SelStart();
    FUsDates = MonthBeforeDay();
    enum { Days, Months, Years } part = Years;
    if (caret < first) part = FUsDates ? Months : Days;
    else if (caret < second) part = FUsDates ? Days : Months;
    try {
        const TDateTime date = DateValue();
        SetDateValue(IncDateParts(part == Years ? Sign : 0, part == Months ? Sign : 0, part == Days ? Sign : 0, date, 0));
    } catch (const EConvertError&) {
        // A step past the years a date can have changes nothing.
        MessageBeep();
    }
}

void TAsgSpinEdit::StepTime(int Sign) {
    const QString text = Text();
    const QChar separator = FormatSettings().TimeSeparator;
    const int first = int(text.indexOf(separator)) + 1;
    const int second = first > 0 ? int(text.indexOf(separator, first)) + 1 : 0;
    const int caret = SelStart();
    int amount = 0, limit = 0;
    double unit = 0;
    if (caret < first) {
        amount = FIncrementHours, limit = 24, unit = 1.0 / 24;
    } else if (FShowSeconds && caret >= second) {
        amount = FIncrementSeconds, limit = 60, unit = 1.0 / 86400;
    } else {
        amount = FIncrementMinutes, limit = 60, unit = 1.0 / 1440;
    }
    // An increment that is no part of a time of day steps nothing.
    if (amount < 0 || amount >= limit) {
        MessageBeep();
        return;
    }
    const double step = amount * unit;
    if (Sign > 0) {
        SetTimeValue(TimeValue() + step);
        return;
    }
    // Below midnight the time wraps to the evening.
    double value = TimeValue() + 1 - step;
    if (value > 1) value -= 1;
    SetTimeValue(value);
}
