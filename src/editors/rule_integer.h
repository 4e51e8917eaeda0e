#pragma once
// The one integer conversion of every rule editor and of the exports that read rule
// files. A cell text converts as a whole: leading blanks, then an optional "+" or "-",
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"
// ("-$10" is -16). Anything else - an empty text, trailing blanks, other characters,
// or a value outside the result type - is -1, so it fails every range that starts at
// 0 or 1.

#include <QString>
#include <cstdint>
#include <optional>

// The value when the text converts within the 64-bit range, else nothing.
std::optional<std::int64_t> Rule_Integer_Value(QStringView text);
// The value within the 32-bit range, else -1.
int Rule_Integer(QStringView text);
// The value within the 64-bit range, else -1 (for numbers beyond 32 bits, such as a
// BACnet instance).
std::int64_t Rule_Integer64(QStringView text);
