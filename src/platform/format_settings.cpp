#include "platform/format_settings.h"

#include <QLocale>

TFormatSettings TFormatSettings::FromSystemLocale() {
    const QLocale locale = QLocale::system();
    TFormatSettings settings;
    settings.DecimalSeparator = locale.decimalPoint().at(0);
    settings.ThousandSeparator = locale.groupSeparator().isEmpty() ? QChar(QChar::Space) : locale.groupSeparator().at(0);
    settings.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    // The first character of the short date format that is not part of a field.
    for (QChar ch : settings.ShortDateFormat)
        if (!ch.isLetter()) {
            settings.DateSeparator = ch;
            break;
        }
    for (QChar ch : locale.timeFormat(QLocale::ShortFormat))
        if (!ch.isLetter()) {
            settings.TimeSeparator = ch;
            break;
        }
    return settings;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings settings = TFormatSettings::FromSystemLocale();
    return settings;
}

QString WithSettingsSeparators(const QString& CLocaleNumber) {
    const TFormatSettings& settings = FormatSettings();
    QString result;
    result.reserve(CLocaleNumber.size());
    for (QChar c : CLocaleNumber) {
        if (c == QLatin1Char('.')) result += settings.DecimalSeparator;
        else if (c == QLatin1Char(',')) result += settings.ThousandSeparator;
        else result += c;
    }
    return result;
}
