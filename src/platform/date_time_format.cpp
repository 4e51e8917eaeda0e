#include "platform/date_time_format.h"

#include "platform/format_settings.h"

namespace {
QString Padded(int value, int digits) { return QString::number(value).rightJustified(digits, QLatin1Char('0')); }
}  // namespace

QString FormatDateTime(const QString& format, const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i].toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toLower() == c) ++run;
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = format.indexOf(format[i], i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == QLatin1Char('y')) out += run >= 3 ? Padded(date.year(), 4) : Padded(date.year() % 100, 2);
        else if (c == QLatin1Char('m')) out += afterHour ? Padded(time.minute(), qMin<int>(run, 2)) : Padded(date.month(), qMin<int>(run, 2));
        else if (c == QLatin1Char('d')) out += Padded(date.day(), qMin<int>(run, 2));
        else if (c == QLatin1Char('h')) out += Padded(time.hour(), qMin<int>(run, 2));
        else if (c == QLatin1Char('n')) out += Padded(time.minute(), qMin<int>(run, 2));
        else if (c == QLatin1Char('s')) out += Padded(time.second(), qMin<int>(run, 2));
        else if (c == QLatin1Char('/')) out += QString(run, FormatSettings().DateSeparator);
        else if (c == QLatin1Char(':')) out += QString(run, FormatSettings().TimeSeparator);
        else out += format.mid(i, run);
        if (c == QLatin1Char('h')) afterHour = true;
        else if (c.isLetter()) afterHour = false;
        i += run;
    }
    return out;
}
