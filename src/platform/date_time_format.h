#pragma once
// Date and time texts from format specifiers: "yyyy" "yy" year, "mm" "m" month (minutes
// right after an hour), "dd" "d" day, "hh" "h" hour, "nn" "n" minutes, "ss" "s" seconds,
// "/" and ":" the settings' date and time separators, text in quotes as it stands.

#include <QDateTime>
#include <QString>

QString FormatDateTime(const QString& format, const QDateTime& value);
