#pragma once
// Dates as the program computes with them: a TDateTime counts days since 30 December
// 1899, the fraction being the time of day.

#include "platform/types.h"

using TDateTime = double;

bool IsLeapYear(int year);
// Days of the month (28 to 31); 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// Raises EConvertError for a date that does not exist (year outside 1 to 9999 included).
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
