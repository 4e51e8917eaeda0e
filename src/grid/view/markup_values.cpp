#include "grid/view/markup_values.h"

#include <limits>

QString MarkupAttributeValue(const QString& tag, const QString& keyword) {
    const qsizetype at = tag.indexOf(keyword, 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    const qsizetype open = tag.indexOf(QLatin1Char('"'), at + keyword.size());
    if (open < 0) return {};
    const qsizetype close = tag.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? tag.mid(open + 1) : tag.mid(open + 1, close - open - 1);
}

bool MarkupHasKeyword(const QString& tag, const QString& keyword) {
    return tag.contains(keyword, Qt::CaseInsensitive);
}

namespace {

int HexDigit(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Reads a number from the start; returns how many characters it used and whether any
// digit was read.
qsizetype ReadInteger(const QString& value, int& result, bool& digits) {
    qsizetype i = 0;
    const qsizetype n = value.size();
    while (i < n && value[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (value[i] == QLatin1Char('-') || value[i] == QLatin1Char('+'))) negative = value[i++] == QLatin1Char('-');
    int base = 10;
    if (i < n && value[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (value[i] == QLatin1Char('x') || value[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && value[i] == QLatin1Char('0') && (value[i + 1] == QLatin1Char('x') || value[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    long long magnitude = 0;
    digits = false;
    for (; i < n; ++i) {
        const int d = base == 16 ? HexDigit(value[i]) : (value[i].isDigit() && value[i].unicode() < 128 ? value[i].unicode() - '0' : -1);
        if (d < 0) break;
        digits = true;
        if (magnitude <= std::numeric_limits<int>::max()) magnitude = magnitude * base + d;
    }
    if (magnitude > std::numeric_limits<int>::max()) magnitude = std::numeric_limits<int>::max();
    result = int(negative ? -magnitude : magnitude);
    return i;
}

}  // namespace

int MarkupIntegerPrefix(const QString& value) {
    int result = 0;
    bool digits = false;
    ReadInteger(value, result, digits);
    return digits ? result : 0;
}

bool MarkupIntegerValue(const QString& value, int& result) {
    bool digits = false;
    int read = 0;
    if (ReadInteger(value, read, digits) != value.size() || !digits) return false;
    result = read;
    return true;
}

QString ReplaceUntilNone(const QString& text, const QString& pattern, const QString& replacement,
                         Qt::CaseSensitivity sensitivity) {
    Q_ASSERT(!pattern.isEmpty());
    Q_ASSERT(replacement.isEmpty() || replacement.back() != pattern.back());
    if (!text.contains(pattern, sensitivity)) return text;
    QString out;
    out.reserve(text.size());
    const QChar last = pattern.back();
    for (QChar c : text) {
        out.append(c);
        // Every occurrence ends with the pattern's last character, so it is found the
        // moment that character arrives, also when it follows an earlier replacement.
        if (c.toCaseFolded() == last.toCaseFolded() && out.endsWith(pattern, sensitivity)) {
            out.chop(pattern.size());
            out.append(replacement);
        }
    }
    return out;
}
