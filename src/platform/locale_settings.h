#pragma once
// The user's regional settings the program reads. Tests replace the answer.

#include <QString>
#include <functional>

// The decimal separator of the user's locale as the system gives it (it may be any text).
QString UserDecimalSeparator();

using DecimalSeparatorSource = std::function<QString()>;
// Passing an empty function restores the real locale.
void SetDecimalSeparatorSource(DecimalSeparatorSource source);
