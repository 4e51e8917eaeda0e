#pragma once
// Formats one number with a format text a user typed (a column's float format, a
// progress text) without ever handing that text to a printf-style call. Gives nullopt
// for a format that does not hold exactly one numeric conversion; the caller then shows
// its plain text.

#include <QString>
#include <optional>

std::optional<QString> FormatUserNumber(const QString& Format, double Value);
