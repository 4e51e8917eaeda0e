// Stands in for the user number formatter until the full one lands: one %[-][w][.p]d|u|f|e|g|n conversion.
#include "controls/user_number_format.h"

#include <QRegularExpression>
#include <cmath>

std::optional<QString> FormatUserNumber(const QString& Format, double Value) {
    static const QRegularExpression conversion(QStringLiteral("%(-?)(\\d{0,3})(?:\\.(\\d{1,2}))?([dufegn])"));
    QString rest = Format;
    rest.replace(QStringLiteral("%%"), QString());
    const auto match = conversion.match(rest);
    if (!match.hasMatch() || rest.count(QLatin1Char('%')) != 1) return std::nullopt;
    const QChar type = match.captured(4).at(0);
    const int precision = match.captured(3).isEmpty() ? -1 : match.captured(3).toInt();
    QString number;
    if (type == QLatin1Char('d') || type == QLatin1Char('u')) {
        if (!std::isfinite(Value) || std::fabs(Value) > 9e18) return std::nullopt;
        number = QString::number(static_cast<long long>(Value));
    } else {
        const char f = type == QLatin1Char('e') ? 'e' : type == QLatin1Char('g') ? 'g' : 'f';
        number = QString::number(Value, f, precision < 0 ? (f == 'g' ? 15 : 2) : precision);
    }
    const int width = match.captured(2).toInt();
    number = match.captured(1).isEmpty() ? number.rightJustified(width) : number.leftJustified(width);
    QString out = Format;
    const auto inFormat = conversion.match(out);
    out.replace(inFormat.capturedStart(), inFormat.capturedLength(), number);
    return out.replace(QStringLiteral("%%"), QStringLiteral("%"));
}
