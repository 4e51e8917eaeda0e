#include "dropdowns/time_text.h"

namespace {

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// A field's value: its first two characters must be digits; an empty field is 0.
std::optional<int> FieldValue(const QString& field) {
    if (field.isEmpty()) return 0;
    if (field.size() < 2 || !field.at(0).isDigit() || !field.at(1).isDigit()) return std::nullopt;
    return field.left(2).toInt();
}

}  // namespace

QString TimeText(const TTimeOfDay& Time, bool Seconds, QChar Separator) {
    QString text = TwoDigits(Time.Hour) + Separator + TwoDigits(Time.Minute);
    if (Seconds) text += Separator + TwoDigits(Time.Second);
    return text;
}

QString TimeEditMask(bool Seconds, QChar Separator) {
    return QStringLiteral("!90") + Separator + QStringLiteral("00") + (Seconds ? Separator + QStringLiteral("00") : QString()) +
           QStringLiteral(";1; ");
}

std::optional<TTimeOfDay> ParseTimeText(const QString& Text, bool Seconds, QChar Separator) {
    if (Text.isEmpty() || Text.trimmed().size() != (Seconds ? 8 : 5)) return std::nullopt;
    const int first = Text.indexOf(Separator);
    if (first < 0) return std::nullopt;
    const QString rest = Text.mid(first + 1).trimmed();
    const int second = rest.indexOf(Separator);
    if (Seconds != (second >= 0)) return std::nullopt;
    if (Seconds && rest.mid(second + 1).trimmed().contains(Separator)) return std::nullopt;

    QString normalised = Text;
    normalised.replace(QLatin1Char(' '), QLatin1Char('0'));
    const int firstAt = normalised.indexOf(Separator);
    const QString afterFirst = normalised.mid(firstAt + 1);
    const int secondAt = Seconds ? afterFirst.indexOf(Separator) : -1;
    const auto hour = FieldValue(normalised.left(firstAt).trimmed());
    const auto minute = FieldValue((Seconds ? afterFirst.left(secondAt) : afterFirst).trimmed());
    const auto secondValue = Seconds ? FieldValue(afterFirst.mid(secondAt + 1).trimmed()) : std::optional<int>(0);
    if (!hour || !minute || !secondValue) return std::nullopt;
    // An hour above 23 or a minute or second above 59 is no time: it is left alone.
    if (*hour > 23 || *minute > 59 || *secondValue > 59) return std::nullopt;
    return TTimeOfDay{*hour, *minute, *secondValue, 0};
}
