#pragma once
// Conversion of typed texts to integers: an optional sign followed by decimal digits,
// nothing else (no blanks, no hexadecimal), within the range of the result type.

#include <QString>
#include <QStringView>
#include <cstdint>

bool TryStrToInt64(QStringView text, std::int64_t& value);
// The text's value, or the default when it is not a decimal integer that fits an int.
int StrToIntDef(QStringView text, int Default);
// The text's value as StrToIntDef reads it; anything else raises EConvertError.
int StrToInt(const QString& text);
