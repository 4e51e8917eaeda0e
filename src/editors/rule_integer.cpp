#include "editors/rule_integer.h"

#include <limits>

namespace {

int DigitValue(char16_t c, int base) {
    int value = -1;
    if (c >= u'0' && c <= u'9') value = c - u'0';
    else if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int64_t> Rule_Integer_Value(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n) return std::nullopt;
    // Accumulated as a negative number so that the lowest value fits too.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t result = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i].unicode(), base);
        if (digit < 0) return std::nullopt;
        if (result < (lowest + digit) / base) return std::nullopt;
        result = result * base - digit;
    }
    if (!negative) {
        if (result == lowest) return std::nullopt;
        result = -result;
    }
    return result;
}

int Rule_Integer(QStringView text) {
    const std::optional<std::int64_t> value = Rule_Integer_Value(text);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) return -1;
    return int(*value);
}

std::int64_t Rule_Integer64(QStringView text) { return Rule_Integer_Value(text).value_or(-1); }
