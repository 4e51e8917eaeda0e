#pragma once
// Small text routines for the typed drop-down edits: separators, number
// classification, hexadecimal digits and case folding. Separators are those of the
// format settings at the moment of the call.

#include <QChar>
#include <QString>

QChar ThousandSeparatorChar();
QChar DecimalSeparatorChar();
// ",", "-" and ";" separate the parts of a range.
bool IsRangeSeparator(QChar Ch);

enum TNumberClass { ncInteger = 0, ncFloat = 1, ncOther = 2, ncHexadecimal = 5 };
// ncInteger for digits and minus signs, ncFloat for a number with separators,
// ncHexadecimal for hexadecimal digits that are no integer, ncOther for anything
// else, the empty text and texts with two minus signs or decimal separators.
int ClassifyNumber(const QString& Text);
QString StripThousandSeparators(const QString& Text);
// 0-9, A-F and a-f give their value; any other character 0.
int HexDigitValue(QChar Ch);
// The digits' value in 32-bit arithmetic that wraps; other characters count as 0.
int HexToInt(const QString& Text);
// Text upper-cased by the locale's rules unless CaseSensitive.
QString FoldCase(const QString& Text, bool CaseSensitive);
