#pragma once
// The texts the spin edit shows and reads: numbers, dates and times in the program's
// format settings (decimal and date separators, short date format, time separator), read
// again at every use so a changed setting takes effect at once.

#include "platform/date_time.h"

#include <QString>
#include <optional>

// A number with the decimal separator of the settings; no thousand separators.
std::optional<double> ReadSpinFloat(const QString& Text);
// Precision 0: the shortest text with 15 significant digits; otherwise fixed with
// Precision decimals.
QString SpinFloatText(double Value, int Precision);

// Day, month and year in the order of the short date format, joined by the date
// separator; a year of one or two digits is 20xx below 50, else 19xx.
std::optional<TDateTime> ReadSpinDate(const QString& Text);
QString SpinDateText(TDateTime Value);
// The short date format puts the month before the day.
bool MonthBeforeDay();

// Hours, minutes and optionally seconds joined by the time separator, as a fraction of
// a day; nothing for a text that is no time of day.
std::optional<TDateTime> ReadSpinTime(const QString& Text);
// "h:mm:ss" or "h:mm" with the time separator; the date part is ignored.
QString SpinTimeText(TDateTime Value, bool Seconds);

// The moment the clock shows, as a TDateTime.
TDateTime SpinNow();
