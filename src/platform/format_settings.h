#pragma once
// The run-time format settings that number and date texts are read with. They start
// from the user's locale; tests replace them to get stable separators.

#include <QChar>
#include <QString>

struct TFormatSettings {
    QChar TimeSeparator = QLatin1Char(':');
    QChar DateSeparator = QLatin1Char('/');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DecimalSeparator = QLatin1Char('.');
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");

    // The settings of the system's locale.
    static TFormatSettings FromSystemLocale();
};

// The program's settings, read and changed in place (tests assign a known set).
TFormatSettings& FormatSettings();

// A number written by Qt's "C" locale ('.' decimal point, ',' group separator) with the
// program's separators in their place.
QString WithSettingsSeparators(const QString& CLocaleNumber);
