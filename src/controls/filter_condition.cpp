#include "controls/filter_condition.h"

#include "platform/number_conversion.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kBlank = QLatin1Char(' ');

// Texts longer than this are compared on their first characters only.
constexpr int kTextCompareLength = 255;

enum class Join { None, And, Or, AfterGroup };

Join JoinOf(QChar ch) {
    switch (ch.unicode()) {
    case '&': return Join::And;
    case '|':
    case ';':
    case '^': return Join::Or;
    default: return Join::AfterGroup;
    }
}

bool Combine(Join pending, bool result, bool value) {
    switch (pending) {
    case Join::None: return value;
    case Join::And: return result && value;
    case Join::Or: return result || value;
    case Join::AfterGroup: return result;
    }
    return result;
}

// The operand after the first occurrence of op: an "=" right after it makes the
// comparison inclusive. Blanks inside quotes are kept; an unquoted blank, "&" or "|"
// ends the operand; a leading quote is skipped and a trailing one dropped.
struct Operand {
    bool present = false;
    bool inclusive = false;
    QString text;
};

Operand ReadOperand(const QString& condition, QChar op) {
    Operand operand;
    qsizetype i = condition.indexOf(op);
    if (i < 0) return operand;
    operand.present = true;
    ++i;
    if (i < condition.size() && condition[i] == QLatin1Char('=')) {
        operand.inclusive = true;
        ++i;
    }
    while (i < condition.size() && condition[i] == kBlank) ++i;
    bool inQuotes = false;
    QString text;
    for (; i < condition.size(); ++i) {
        const QChar ch = condition[i];
        if (ch == kQuote) inQuotes = !inQuotes;
        if (!inQuotes && (ch == kBlank || ch == QLatin1Char('&') || ch == QLatin1Char('|'))) break;
        text += ch;
    }
    if (text.startsWith(kQuote)) text.remove(0, 1);
    if (text.endsWith(kQuote)) text.chop(1);
    operand.text = text;
    return operand;
}

std::optional<double> ReadNumber(const QString& text, const TFormatSettings& settings) {
    TDateTime date = 0;
    if (ParseDateTimeText(text, date, settings)) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(NormalizeDecimalText(text, settings).trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<TDateTime> ReadDate(const QString& text, const TFormatSettings& settings) {
    TDateTime date = 0;
    if (!ParseDateTimeText(text, date, settings)) return std::nullopt;
    return date;
}

// Sign of text against operand: numbers first, then dates, then the ordinal order of
// the first characters.
int CompareWithOperand(const QString& text, const QString& operand, const TFormatSettings& settings) {
    const auto textNumber = ReadNumber(text, settings);
    const auto operandNumber = ReadNumber(operand, settings);
    if (textNumber && operandNumber) return (*textNumber > *operandNumber) - (*textNumber < *operandNumber);
    const auto textDate = ReadDate(text, settings);
    const auto operandDate = ReadDate(operand, settings);
    if (textDate && operandDate) return (*textDate > *operandDate) - (*textDate < *operandDate);
    const int order = QStringView(text).left(kTextCompareLength).compare(QStringView(operand).left(kTextCompareLength));
    return (order > 0) - (order < 0);
}

// "*" and "?" against the whole text. Backtracking only to the last star keeps this
// linear in practice and never exponential, with the same answer as trying every ending.
bool WildcardMatch(const QString& pattern, const QString& text) {
    qsizetype p = 0, t = 0, starPattern = -1, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*')) ++p;
    return p == pattern.size();
}

bool ReadPart(const QString& text, int& value) {
    std::int64_t number = 0;
    if (!TryStrToInt64(text, number) || number < 0 || number > 100000) return false;
    value = static_cast<int>(number);
    return true;
}

// Positions of day, month and year (0, 1, 2) in the order of the short date format.
std::array<char, 3> DateOrder(const QString& shortDateFormat) {
    const QString upper = shortDateFormat.toUpper();
    std::array<char, 3> order{'D', 'M', 'Y'};
    auto position = [&](char letter) {
        const qsizetype at = upper.indexOf(QLatin1Char(letter));
        return at < 0 ? upper.size() : at;
    };
    std::stable_sort(order.begin(), order.end(), [&](char a, char b) { return position(a) < position(b); });
    return order;
}

}  // namespace

QString RemoveBlanksOutsideQuotes(const QString& text) {
    QString result;
    result.reserve(text.size());
    int quotes = 0;
    for (QChar ch : text) {
        if (ch == kQuote) ++quotes;
        if (ch == kBlank && quotes % 2 == 0) continue;
        result += ch;
    }
    return result;
}

int ClosingParenPos(const QString& text) {
    int open = 0, close = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('(')) ++open;
        if (text[i] == QLatin1Char(')')) {
            ++close;
            if (close == open) return static_cast<int>(i + 1);
        }
    }
    return 0;
}

bool FindOperatorOutsideQuotes(const QString& characters, const QString& text, int& position) {
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kQuote) inQuotes = !inQuotes;
        else if (!inQuotes && characters.contains(text[i])) {
            position = static_cast<int>(i + 1);
            return true;
        }
    }
    position = 0;
    return false;
}

QString NormalizeDecimalText(const QString& text, const TFormatSettings& settings) {
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        if (ch == settings.ThousandSeparator) continue;
        result += ch == settings.DecimalSeparator ? QLatin1Char('.') : ch;
    }
    return result;
}

bool ParseDateTimeText(const QString& text, TDateTime& value, const TFormatSettings& settings) {
    const qsizetype first = text.indexOf(settings.DateSeparator);
    if (first < 0) return false;
    const qsizetype second = text.indexOf(settings.DateSeparator, first + 1);
    if (second < 0) return false;
    QString third = text.mid(second + 1).trimmed();
    QString timeText;
    if (const qsizetype blank = third.indexOf(kBlank); blank >= 0) {
        timeText = third.mid(blank + 1);
        third.truncate(blank);
    }
    const QString parts[3] = {text.left(first), text.mid(first + 1, second - first - 1), third};
    int day = 0, month = 0, year = 0;
    const auto order = DateOrder(settings.ShortDateFormat);
    for (int i = 0; i < 3; ++i) {
        int number = 0;
        if (!ReadPart(parts[i], number)) return false;
        (order[i] == 'D' ? day : order[i] == 'M' ? month : year) = number;
    }
    if (day > 31 || month > 12 || year < 1 || year > 9999 || month < 1 || day < 1 || day > DaysInMonth(year, month))
        return false;
    const TDateTime date = EncodeDate(year, month, day);
    if (timeText.isEmpty()) {
        value = date;
        return true;
    }
    const qsizetype colon = timeText.indexOf(settings.TimeSeparator);
    if (colon < 0) {
        value = date;
        return false;
    }
    const qsizetype secondColon = timeText.indexOf(settings.TimeSeparator, colon + 1);
    int hour = 0, minutes = 0, seconds = 0;
    if (!ReadPart(timeText.left(colon), hour)) return false;
    if (!ReadPart(timeText.mid(colon + 1, secondColon < 0 ? -1 : secondColon - colon - 1), minutes)) return false;
    if (secondColon >= 0 && !ReadPart(timeText.mid(secondColon + 1), seconds)) return false;
    // A leap second passes the range check but is no time of day.
    if (hour > 23 || minutes > 59 || seconds > 59) return false;
    value = date + (hour * 3600.0 + minutes * 60.0 + seconds) / 86400.0;
    return true;
}

bool MatchSingleCondition(const QString& condition, const QString& text, const TFormatSettings& settings) {
    const Operand greaterOperand = ReadOperand(condition, QLatin1Char('>'));
    const Operand lessOperand = ReadOperand(condition, QLatin1Char('<'));
    bool greater = true, less = true;
    if (greaterOperand.present) {
        const int order = CompareWithOperand(text, greaterOperand.text, settings);
        greater = greaterOperand.inclusive ? order >= 0 : order > 0;
    }
    if (lessOperand.present) {
        const int order = CompareWithOperand(text, lessOperand.text, settings);
        less = lessOperand.inclusive ? order <= 0 : order < 0;
    }
    const bool negation = condition.contains(QLatin1Char('!'));
    const bool greaterPresent = greaterOperand.present || negation;
    const bool lessPresent = lessOperand.present || negation;

    if (condition.contains(QLatin1Char('^')) && (greaterPresent || lessPresent)) return greater || less;
    if (condition.contains(QLatin1Char('&')) && greaterPresent && lessPresent) return greater && less;
    if (greaterOperand.present && greater) return true;
    if (lessOperand.present && less) return true;

    bool negate = false;
    QString pattern;
    pattern.reserve(condition.size());
    for (QChar ch : condition) {
        if (ch == QLatin1Char('!')) negate = true;
        else if (ch == kQuote) continue;
        else if (ch == QLatin1Char('*') && pattern.endsWith(QLatin1Char('*'))) continue;
        else pattern += ch;
    }
    return WildcardMatch(pattern, text) != negate;
}

bool MatchFilterCondition(const QString& condition, const QString& text, bool caseSensitive,
                          const TFormatSettings& settings) {
    if (caseSensitive) return MatchSingleCondition(condition, text, settings);
    const QLocale locale;
    return MatchSingleCondition(locale.toUpper(condition), locale.toUpper(text), settings);
}

bool MatchFilterExpression(QString condition, const QString& text, bool caseSensitive,
                           const TFormatSettings& settings) {
    condition = RemoveBlanksOutsideQuotes(condition.trimmed());
    if (condition.startsWith(QLatin1Char('='))) condition.remove(0, 1);

    bool result = true;
    Join pending = Join::None;
    int position = 0;
    static const QString operators = QStringLiteral("(;^&|");
    while (FindOperatorOutsideQuotes(operators, condition, position)) {
        const QChar found = condition[position - 1];
        bool value = false;
        if (condition.startsWith(QLatin1Char('('))) {
            // An unbalanced "(" takes the rest of the condition as its group.
            int closing = ClosingParenPos(condition);
            const bool balanced = closing > 0;
            if (!balanced) closing = static_cast<int>(condition.size());
            value = MatchFilterExpression(condition.mid(1, closing - (balanced ? 2 : 1)), text, caseSensitive, settings);
            condition.remove(0, closing);
        } else {
            value = MatchFilterCondition(condition.left(position - 1), text, caseSensitive, settings);
            condition.remove(0, position);
        }
        result = Combine(pending, result, value);
        pending = JoinOf(found);
    }
    return Combine(pending, result, MatchFilterCondition(condition, text, caseSensitive, settings));
}
