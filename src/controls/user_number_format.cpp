#include "controls/user_number_format.h"

#include "platform/format_settings.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

namespace {

struct TConversion {
    bool LeftJustify = false;
    int Width = -1;
    int Precision = -1;
    QChar Type;
    int Start = 0;   // index of the '%'
    int Length = 0;  // characters from '%' to the type
};

bool IsIntegerType(QChar type) {
    return type == QLatin1Char('d') || type == QLatin1Char('u') || type == QLatin1Char('x');
}

bool IsRealType(QChar type) {
    return type == QLatin1Char('e') || type == QLatin1Char('f') || type == QLatin1Char('g') ||
           type == QLatin1Char('n') || type == QLatin1Char('m');
}

// Reads decimal digits at i; false when the number grows beyond the width limit.
bool ReadCount(const QString& text, int& i, int& count) {
    count = 0;
    const int start = i;
    while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        count = count * 10 + (text.at(i).unicode() - '0');
        if (count > kMaxUserFormatWidth) return false;
        ++i;
    }
    return i > start;
}

// Finds the single conversion; nullopt when there is none, more than one, or bad syntax.
std::optional<TConversion> ParseSingleConversion(const QString& format) {
    std::optional<TConversion> found;
    int i = 0;
    while (i < format.size()) {
        if (format.at(i) != QLatin1Char('%')) {
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('%')) {
            i += 2;
            continue;
        }
        if (found) return std::nullopt;
        TConversion c;
        c.Start = i++;
        if (i < format.size() && format.at(i) == QLatin1Char('-')) {
            c.LeftJustify = true;
            ++i;
        }
        int count = 0;
        if (ReadCount(format, i, count)) c.Width = count;
        else if (count > kMaxUserFormatWidth) return std::nullopt;
        if (i < format.size() && format.at(i) == QLatin1Char('.')) {
            ++i;
            if (!ReadCount(format, i, count)) return std::nullopt;
            c.Precision = count;
        }
        if (i >= format.size()) return std::nullopt;
        c.Type = format.at(i).toLower();
        if (!IsIntegerType(c.Type) && !IsRealType(c.Type)) return std::nullopt;
        c.Length = i + 1 - c.Start;
        found = c;
        ++i;
    }
    return found;
}

QString WithLeastDigits(QString digits, bool negative, int precision) {
    if (precision > digits.size()) digits = QString(precision - digits.size(), QLatin1Char('0')) + digits;
    return negative ? QLatin1Char('-') + digits : digits;
}

std::optional<QString> FormatInteger(const TConversion& c, double value) {
    const double truncated = std::trunc(value);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!std::isfinite(truncated) || truncated >= 9223372036854775808.0 || truncated < -9223372036854775808.0)
        return std::nullopt;
    const auto number = static_cast<std::int64_t>(truncated);
    const auto bits = static_cast<std::uint64_t>(number);
    if (c.Type == QLatin1Char('x')) return WithLeastDigits(QString::number(bits, 16).toUpper(), false, c.Precision);
    if (c.Type == QLatin1Char('u')) return WithLeastDigits(QString::number(bits), false, c.Precision);
    const std::uint64_t magnitude = number < 0 ? 0 - bits : bits;
    return WithLeastDigits(QString::number(magnitude), number < 0, c.Precision);
}

QString ScientificText(double value, int digits) {
    // Qt writes "1.5e+03" with at least two exponent digits; widen to three, upper case.
    const QString text = QLocale::c().toString(value, 'e', std::max(0, digits - 1));
    const int e = text.indexOf(QLatin1Char('e'));
    QString exponent = text.mid(e + 2);
    while (exponent.size() < 3) exponent.prepend(QLatin1Char('0'));
    return text.left(e) + QLatin1Char('E') + text.at(e + 1) + exponent;
}

QString GeneralText(double value, int digits) {
    if (digits <= 0 || digits > 17) digits = 15;
    if (value == 0) return QStringLiteral("0");
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const bool fixed = exponent < digits && std::fabs(value) >= 0.00001;
    QString text = QLocale::c().toString(value, fixed ? 'f' : 'e', fixed ? std::max(0, digits - 1 - exponent) : digits - 1);
    QString mantissa = text, tail;
    if (!fixed) {
        const int e = text.indexOf(QLatin1Char('e'));
        mantissa = text.left(e);
        const QString sign = text.at(e + 1) == QLatin1Char('-') ? QStringLiteral("-") : QString();
        QString power = text.mid(e + 2);
        while (power.size() > 1 && power.startsWith(QLatin1Char('0'))) power.remove(0, 1);
        tail = QLatin1Char('E') + sign + power;
    }
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0'))) mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.'))) mantissa.chop(1);
    }
    return mantissa + tail;
}

QString FormatReal(const TConversion& c, double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    QLocale locale = QLocale::c();
    const char type = static_cast<char>(c.Type.unicode());
    QString text;
    switch (type) {
    case 'e': text = ScientificText(value, c.Precision < 0 ? 15 : std::max(1, c.Precision)); break;
    case 'g': text = GeneralText(value, c.Precision < 0 ? 15 : c.Precision); break;
    case 'f': text = locale.toString(value, 'f', c.Precision < 0 ? 2 : c.Precision); break;
    default:  // n and m
        locale.setNumberOptions(QLocale::DefaultNumberOptions);
        text = locale.toString(value, 'f', c.Precision < 0 ? 2 : c.Precision);
        break;
    }
    if (type != 'n' && type != 'm') text.remove(QLatin1Char(','));
    return WithSettingsSeparators(text);
}

QString Justified(const QString& text, const TConversion& c) {
    if (c.Width <= text.size()) return text;
    const QString pad(c.Width - text.size(), QLatin1Char(' '));
    return c.LeftJustify ? text + pad : pad + text;
}

QString LiteralText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return result;
}

}  // namespace

std::optional<QString> FormatUserNumber(const QString& Format, double Value) {
    const std::optional<TConversion> conversion = ParseSingleConversion(Format);
    if (!conversion) return std::nullopt;
    std::optional<QString> number = IsIntegerType(conversion->Type) ? FormatInteger(*conversion, Value)
                                                                      : std::optional<QString>(FormatReal(*conversion, Value));
    if (!number) return std::nullopt;
    return LiteralText(Format.left(conversion->Start)) + Justified(*number, *conversion) +
           LiteralText(Format.mid(conversion->Start + conversion->Length));
}
