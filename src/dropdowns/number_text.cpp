#include "dropdowns/number_text.h"

#include "platform/format_settings.h"

#include <QLocale>
#include <cstdint>

QChar ThousandSeparatorChar() { return FormatSettings().ThousandSeparator; }

QChar DecimalSeparatorChar() { return FormatSettings().DecimalSeparator; }

bool IsRangeSeparator(QChar Ch) { return Ch == QLatin1Char(',') || Ch == QLatin1Char('-') || Ch == QLatin1Char(';'); }

int ClassifyNumber(const QString& Text) {
    const bool empty = Text.isEmpty();
    bool isInteger = !empty, isFloat = !empty, isHex = !empty;
    const QChar thousand = ThousandSeparatorChar();
    const QChar decimal = DecimalSeparatorChar();
    int lastThousand = -1;
    int decimals = 0, minuses = 0;
    for (int i = 1; i <= Text.size(); ++i) {
        const QChar ch = Text.at(i - 1);
        const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        const bool minus = ch == QLatin1Char('-');
        if (!minus && !digit) isInteger = false;
        if (!minus && !digit && ch != QLatin1Char(',') && ch != QLatin1Char('.')) isFloat = false;
        const bool hexLetter = (ch >= QLatin1Char('A') && ch <= QLatin1Char('F')) ||
                               (ch >= QLatin1Char('a') && ch <= QLatin1Char('f'));
        if (!minus && !digit && !hexLetter) isHex = false;
        if (ch == thousand) {
            // Groups of fewer than three digits (or a leading separator) are no number.
            if (i - lastThousand < 3) isFloat = false;
            lastThousand = i;
        }
        if (ch == decimal) ++decimals;
        if (minus) ++minuses;
    }
    int result = ncOther;
    if (isHex && !isInteger) result = ncHexadecimal;
    if (isInteger) result = ncInteger;
    else if (isFloat) result = ncFloat;
    if (minuses > 1 || decimals > 1) result = ncOther;
    return result;
}

QString StripThousandSeparators(const QString& Text) {
    QString result = Text;
    result.remove(ThousandSeparatorChar());
    return result;
}

int HexDigitValue(QChar Ch) {
    const ushort c = Ch.unicode();
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

int HexToInt(const QString& Text) {
    std::uint32_t value = 0;
    for (QChar ch : Text) value = value * 16u + static_cast<std::uint32_t>(HexDigitValue(ch));
    return static_cast<int>(value);
}

QString FoldCase(const QString& Text, bool CaseSensitive) { return CaseSensitive ? Text : QLocale().toUpper(Text); }
