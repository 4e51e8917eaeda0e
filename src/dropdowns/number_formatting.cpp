#include "dropdowns/number_formatting.h"

#include "platform/format_settings.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// Reads a number with "." as decimal point; false unless the whole text is one.
bool ScanInvariant(const QString& text, long double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    int i = 0;
    const int n = trimmed.size();
    auto digits = [&] {
        const int start = i;
        while (i < n && trimmed.at(i).isDigit() && trimmed.at(i).unicode() < 128) ++i;
        return i - start;
    };
    if (trimmed.at(i) == QLatin1Char('+') || trimmed.at(i) == QLatin1Char('-')) ++i;
    int mantissa = digits();
    if (i < n && trimmed.at(i) == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < n && (trimmed.at(i) == QLatin1Char('e') || trimmed.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (trimmed.at(i) == QLatin1Char('+') || trimmed.at(i) == QLatin1Char('-'))) ++i;
        if (digits() == 0) return false;
    }
    if (i != n) return false;
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const QByteArray latin = trimmed.toLatin1();
    value = strtold_l(latin.constData(), nullptr, cLocale);
    return std::isfinite(value);
}

}  // namespace

QString FormatFixed(long double Value, int Precision, bool ThousandSeparators) {
    QLocale c = QLocale::c();
    c.setNumberOptions(ThousandSeparators ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString text = c.toString(static_cast<double>(Value), 'f', std::max(0, Precision));
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) +
                                                     text.count(QLatin1Char(',')) == text.size() - 1)
        text.remove(0, 1);  // no "-0.00"
    return WithSettingsSeparators(text);
}

QString FormatGeneral(long double Value) {
    QString text = QLocale::c().toString(static_cast<double>(Value), 'g', 15);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith(QLatin1Char('-'));
        if (exponent.startsWith(QLatin1Char('+')) || negative) exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
        text = text.left(e) + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
    }
    return WithSettingsSeparators(text);
}

bool TryTextToFloat(const QString& Text, long double& Value) {
    const QChar decimal = FormatSettings().DecimalSeparator;
    QString text = Text;
    if (decimal != QLatin1Char('.')) {
        if (text.contains(QLatin1Char('.'))) return false;
        text.replace(decimal, QLatin1Char('.'));
    }
    return ScanInvariant(text, Value);
}

long double PlainNumberScan(const QString& Text) {
    long double value = 0;
    return ScanInvariant(Text, value) ? value : 0;
}
