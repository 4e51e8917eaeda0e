#include "grid/edit/spin_edit_texts.h"

#include "platform/format_settings.h"
#include "platform/wall_clock.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86400000.0;

std::optional<int> ReadWholeNumber(const QString& Text) {
    if (Text.isEmpty()) return std::nullopt;
    for (QChar ch : Text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int value = Text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ReadSpinFloat(const QString& Text) {
    const QChar separator = FormatSettings().DecimalSeparator;
    QString text = Text.trimmed();
    if (separator != QLatin1Char('.')) {
        if (text.contains(QLatin1Char('.'))) return std::nullopt;
        text.replace(separator, QLatin1Char('.'));
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString SpinFloatText(double Value, int Precision) {
    const QString text = Precision != 0 ? QString::number(Value, 'f', std::clamp(Precision, 0, 15))
                                        : QString::number(Value, 'g', 15);
    return QString(text).replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
}

bool MonthBeforeDay() {
    const QString format = FormatSettings().ShortDateFormat.toUpper();
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype day = format.indexOf(QLatin1Char('D'));
    return month >= 0 && (day < 0 || month < day);
}

std::optional<TDateTime> ReadSpinDate(const QString& Text) {
    const QStringList parts = Text.trimmed().split(FormatSettings().DateSeparator);
    if (parts.size() != 3) return std::nullopt;
    // The fields stand in the order their letters have in the short date format.
    const QString format = FormatSettings().ShortDateFormat.toUpper();
    struct Field {
        qsizetype position;
        char letter;
    };
    Field fields[] = {{format.indexOf(QLatin1Char('D')), 'D'},
                      {format.indexOf(QLatin1Char('M')), 'M'},
                      {format.indexOf(QLatin1Char('Y')), 'Y'}};
    std::sort(std::begin(fields), std::end(fields), [](const Field& a, const Field& b) { return a.position < b.position; });
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> value = ReadWholeNumber(parts.at(i).trimmed());
        if (!value) return std::nullopt;
        if (fields[i].letter == 'D') day = *value;
        else if (fields[i].letter == 'M') month = *value;
        else year = parts.at(i).trimmed().size() <= 2 ? (*value < 50 ? 2000 + *value : 1900 + *value) : *value;
    }
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return EncodeDate(year, month, day);
}

QString SpinDateText(TDateTime Value) {
    return kDayZero.addDays(qint64(std::floor(Value))).toString(FormatSettings().ShortDateFormat);
}

std::optional<TDateTime> ReadSpinTime(const QString& Text) {
    const QStringList parts = Text.trimmed().split(FormatSettings().TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    int fields[3] = {0, 0, 0};
    for (int i = 0; i < int(parts.size()); ++i) {
        const std::optional<int> value = ReadWholeNumber(parts.at(i).trimmed());
        if (!value) return std::nullopt;
        fields[i] = *value;
    }
    if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return std::nullopt;
    return (fields[0] * 3600.0 + fields[1] * 60.0 + fields[2]) / 86400.0;
}

QString SpinTimeText(TDateTime Value, bool Seconds) {
    const double fraction = Value - std::floor(Value);
    const qint64 milliseconds = std::llround(fraction * kMillisecondsPerDay) % qint64(kMillisecondsPerDay);
    const QTime time = QTime(0, 0).addMSecs(int(milliseconds));
    const QString separator = FormatSettings().TimeSeparator;
    QString text = QString::number(time.hour()) + separator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
    if (Seconds) text += separator + QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    return text;
}

TDateTime SpinNow() {
    const QDateTime now = Now();
    return kDayZero.daysTo(now.date()) + now.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}
