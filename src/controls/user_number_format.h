#pragma once
// Formats one number with a format text a user typed (a column's float format, a
// progress text). Such a text never reaches a printf-style call: it is parsed here and
// accepted only when it holds exactly one numeric conversion, in the style
//   %[-][width][.precision]type
// with type d, u, x (the value truncated to an integer) or e, f, g, n, m (the value as a
// real); "%%" is a literal percent sign and any other text is kept as it stands. The
// conversion character alone decides integer or real, so "%.2f day" is a real format.
// The decimal and thousands separators come from the program's format settings.
//
// Anything else (no conversion, two conversions, "%s", an argument index, "*" widths,
// a width or precision above kMaxUserFormatWidth, a truncated "%") gives nullopt, and
// the caller shows its plain text. An integer conversion of a value that is not finite
// or does not fit 64 bits gives nullopt as well.
//
// Details of the conversions:
//   d  decimal; the precision is the least number of digits (zero padded).
//   u  as d; a negative value is written as its 64-bit two's complement.
//   x  upper-case hexadecimal of the 64-bit two's complement; precision as d.
//   e  scientific, "-d.dddE+ddd": the precision counts all digits (default 15) and
//      the exponent has at least three digits.
//   f  fixed, precision digits after the separator (default 2).
//   g  the shortest of fixed and scientific with precision significant digits
//      (default 15), trailing zeros removed.
//   n  as f with thousands separators.
//   m  as n; the format settings hold no currency symbol, so none is written.
// A real that is not finite is written "NAN", "INF" or "-INF".

#include <QString>
#include <optional>

inline constexpr int kMaxUserFormatWidth = 1024;

std::optional<QString> FormatUserNumber(const QString& Format, double Value);
