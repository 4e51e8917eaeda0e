#pragma once
// Reading dates written as month/day/year or day/month/year, and stepping a date by
// years, months or days. Impossible dates raise EConvertError (from EncodeDate).

#include "platform/date_time.h"

#include <QString>

// True when the first date separator stands at position 2 or later and another,
// not directly after it, follows.
bool IsDateLikeText(const QString& text);
// The separator is the first of "/", "." and "-" in the text. A year below 26 is
// 20xx, one of 26 to 99 is 19xx, a year written with more digits is taken as it is.
// 0 when the text is not three integers.
TDateTime ParseDateMDY(const QString& text);
TDateTime ParseDateDMY(const QString& text);
// Only days: date + days; only years or only months: the same day (clamped to the
// target month's length) in the stepped month; anything else: date + offset.
TDateTime IncDateParts(int years, int months, int days, TDateTime date, int offset);
