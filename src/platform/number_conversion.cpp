#include "platform/number_conversion.h"

#include "platform/types.h"

#include <limits>

bool TryStrToInt64(QStringView text, std::int64_t& value) {
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        i = 1;
    }
    if (i == text.size()) return false;
    // Accumulate as a negative number so that the lowest value fits too.
    std::int64_t result = 0;
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return false;
        const int digit = c - u'0';
        if (result < (lowest + digit) / 10) return false;
        result = result * 10 - digit;
    }
    if (!negative) {
        if (result == lowest) return false;
        result = -result;
    }
    value = result;
    return true;
}

int StrToIntDef(QStringView text, int Default) {
    std::int64_t value = 0;
    if (!TryStrToInt64(text, value)) return Default;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return Default;
    return int(value);
}

int StrToInt(const QString& text) {
    std::int64_t value = 0;
    if (!TryStrToInt64(text, value) || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return int(value);
}
