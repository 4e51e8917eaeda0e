#pragma once
// The time picker's edit text: a time of day as two-digit hours, minutes and optionally
// seconds joined by the time separator, and the reading of a typed text back.

#include "dropdowns/watch.h"

#include <QChar>
#include <QString>
#include <optional>

// "07:05:09", or "07:05" without seconds, for the separator Separator.
QString TimeText(const TTimeOfDay& Time, bool Seconds, QChar Separator);
// The mask of the edit: "!90:00:00;1; " or "!90:00;1; " with Separator for ":".
QString TimeEditMask(bool Seconds, QChar Separator);

// The time a complete typed text stands for. Nothing when its trimmed length is not
// that of a complete time (5, or 8 with seconds), when its separators do not match,
// when a field does not start with two digits, or when an hour is above 23 or a minute
// or second above 59. Blanks count as "0"; an empty field counts as 0.
std::optional<TTimeOfDay> ParseTimeText(const QString& Text, bool Seconds, QChar Separator);
