#pragma once
// Reading attribute values and numbers out of the grid's mini-HTML tags. A keyword is
// found as a plain substring in any case; its value is the text between the next two
// double quotes (to the end of the tag when the second quote is missing).

#include <QString>

// Empty when the keyword or its opening quote is missing.
QString MarkupAttributeValue(const QString& tag, const QString& keyword);
bool MarkupHasKeyword(const QString& tag, const QString& keyword);

// The number at the start of a value: leading blanks, an optional sign, then decimal
// digits, or hexadecimal ones after "$", "x" or "0x". Reading stops at the first other
// character; no digits read as 0. Values beyond the int range saturate.
int MarkupIntegerPrefix(const QString& value);
// True only when the whole value is such a number.
bool MarkupIntegerValue(const QString& value, int& result);

// Replaces every occurrence of pattern, including occurrences that a replacement forms
// with the text before it, until none is left; one pass over the text. The replacement
// must not end with the pattern's last character.
QString ReplaceUntilNone(const QString& text, const QString& pattern, const QString& replacement,
                         Qt::CaseSensitivity sensitivity = Qt::CaseSensitive);
