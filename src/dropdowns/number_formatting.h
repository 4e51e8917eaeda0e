#pragma once
// Number texts of the typed drop-down edits, with the separators of the program's
// format settings at the time of the call.

#include <QString>

// "%.Nf": fixed with Precision decimals; with ThousandSeparators "%.Nn" (grouped).
QString FormatFixed(long double Value, int Precision, bool ThousandSeparators);
// "%g": the shortest of fixed and exponent form with 15 significant digits ("1E20",
// "1.5E-7", "0.25").
QString FormatGeneral(long double Value);
// A number in the format settings' notation (sign, digits, decimal separator, an
// exponent; blanks around it); false for anything else.
bool TryTextToFloat(const QString& Text, long double& Value);
// A number with "." as decimal point whatever the settings say; 0 for anything else.
long double PlainNumberScan(const QString& Text);
