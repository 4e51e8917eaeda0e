#include "controls/filter_condition.h"

#include "platform/number_conversion.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace filter_condition_internal {

const QChar kQuote = QLatin1Char('"');
const QChar kBlank = QLatin1Char(' ');

// Named rather than anonymous: the parsed condition that the header's class holds is
// made of these types.

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

// What a text reads as, worked out once however many comparisons ask: a text that reads
// as a date is no number.
struct TValueReading {
    std::optional<TDateTime> date;
    std::optional<double> number;
};

TValueReading ReadValue(const QString& text, const TFormatSettings& settings) {
    TValueReading reading;
    TDateTime date = 0;
    if (ParseDateTimeText(text, date, settings)) {
        reading.date = date;
        return reading;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(NormalizeDecimalText(text, settings).trimmed(), &ok);
    if (ok && std::isfinite(value)) reading.number = value;
    return reading;
}

// A text being matched: its reading is taken on the first comparison that needs it.
class TMatchedText {
public:
    TMatchedText(const QString& text, const TFormatSettings& settings) : FText(text), FSettings(settings) {}
    const QString& Text() const { return FText; }
    const TValueReading& Reading() const {
        if (!FReading) FReading = ReadValue(FText, FSettings);
        return *FReading;
    }

private:
    const QString& FText;
    const TFormatSettings& FSettings;
    mutable std::optional<TValueReading> FReading;
};

// A comparison operand with its reading, taken when the condition is parsed.
struct TComparison {
    Operand operand;
    TValueReading reading;
};

// Sign of text against operand: numbers first, then dates, then the ordinal order of
// the first characters.
int CompareWithOperand(const TMatchedText& text, const TComparison& comparison) {
    const TValueReading& ours = text.Reading();
    const TValueReading& theirs = comparison.reading;
    if (ours.number && theirs.number) return (*ours.number > *theirs.number) - (*ours.number < *theirs.number);
    if (ours.date && theirs.date) return (*ours.date > *theirs.date) - (*ours.date < *theirs.date);
    const int order = QStringView(text.Text()).left(kTextCompareLength).compare(
        QStringView(comparison.operand.text).left(kTextCompareLength));
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

}  // namespace filter_condition_internal
using namespace filter_condition_internal;

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

namespace filter_condition_internal {

// One sub-condition, parsed: its comparisons, which operator characters it holds, and its
// wildcard pattern.
class TSingleCondition {
public:
    TSingleCondition(const QString& condition, const TFormatSettings& settings)
        : FGreater{ReadOperand(condition, QLatin1Char('>')), {}}, FLess{ReadOperand(condition, QLatin1Char('<')), {}} {
        if (FGreater.operand.present) FGreater.reading = ReadValue(FGreater.operand.text, settings);
        if (FLess.operand.present) FLess.reading = ReadValue(FLess.operand.text, settings);
        FHasCaret = condition.contains(QLatin1Char('^'));
        FHasAmpersand = condition.contains(QLatin1Char('&'));
        FNegate = condition.contains(QLatin1Char('!'));
        FPattern.reserve(condition.size());
        for (QChar ch : condition) {
            if (ch == QLatin1Char('!') || ch == kQuote) continue;
            if (ch == QLatin1Char('*') && FPattern.endsWith(QLatin1Char('*'))) continue;
            FPattern += ch;
        }
    }

    bool Matches(const TMatchedText& text) const {
        bool greater = true, less = true;
        if (FGreater.operand.present) {
            const int order = CompareWithOperand(text, FGreater);
            greater = FGreater.operand.inclusive ? order >= 0 : order > 0;
        }
        if (FLess.operand.present) {
            const int order = CompareWithOperand(text, FLess);
            less = FLess.operand.inclusive ? order <= 0 : order < 0;
        }
        const bool greaterPresent = FGreater.operand.present || FNegate;
        const bool lessPresent = FLess.operand.present || FNegate;

        if (FHasCaret && (greaterPresent || lessPresent)) return greater || less;
        if (FHasAmpersand && greaterPresent && lessPresent) return greater && less;
        if (FGreater.operand.present && greater) return true;
        if (FLess.operand.present && less) return true;
        return WildcardMatch(FPattern, text.Text()) != FNegate;
    }

private:
    TComparison FGreater;
    TComparison FLess;
    bool FHasCaret = false;
    bool FHasAmpersand = false;
    bool FNegate = false;
    QString FPattern;
};

QString UpperCased(const QString& text) { return QLocale().toUpper(text); }

}  // namespace filter_condition_internal
using namespace filter_condition_internal;

// Operands joined strictly from left to right; each is a sub-condition or a group.
struct TFilterExpressionMatcher::TExpression {
    struct Step {
        Join join = Join::None;
        std::unique_ptr<TExpression> group;
        std::optional<TSingleCondition> condition;
    };
    std::vector<Step> steps;

    TExpression(QString condition, bool caseSensitive, const TFormatSettings& settings) {
        condition = RemoveBlanksOutsideQuotes(condition.trimmed());
        if (condition.startsWith(QLatin1Char('='))) condition.remove(0, 1);
        auto single = [&](const QString& text) {
            return TSingleCondition(caseSensitive ? text : UpperCased(text), settings);
        };
        Join pending = Join::None;
        int position = 0;
        static const QString operators = QStringLiteral("(;^&|");
        while (FindOperatorOutsideQuotes(operators, condition, position)) {
            const QChar found = condition[position - 1];
            Step& step = steps.emplace_back();
            step.join = pending;
            if (condition.startsWith(QLatin1Char('('))) {
                // An unbalanced "(" takes the rest of the condition as its group.
                int closing = ClosingParenPos(condition);
                const bool balanced = closing > 0;
                if (!balanced) closing = static_cast<int>(condition.size());
                step.group = std::make_unique<TExpression>(condition.mid(1, closing - (balanced ? 2 : 1)), caseSensitive,
                                                           settings);
                condition.remove(0, closing);
            } else {
                step.condition.emplace(single(condition.left(position - 1)));
                condition.remove(0, position);
            }
            pending = JoinOf(found);
        }
        Step& last = steps.emplace_back();
        last.join = pending;
        last.condition.emplace(single(condition));
    }

    bool Matches(const TMatchedText& text) const {
        bool result = true;
        for (const Step& step : steps) {
            // Operands have no side effects: one whose value cannot change the result is
            // not evaluated.
            if (step.join == Join::AfterGroup || (step.join == Join::And && !result) ||
                (step.join == Join::Or && result))
                continue;
            result = Combine(step.join, result, step.group ? step.group->Matches(text) : step.condition->Matches(text));
        }
        return result;
    }
};

TFilterExpressionMatcher::TFilterExpressionMatcher(const QString& condition, bool caseSensitive,
                                                   const TFormatSettings& settings)
    : FExpression(std::make_unique<TExpression>(condition, caseSensitive, settings)),
      FCaseSensitive(caseSensitive),
      FSettings(settings) {}

TFilterExpressionMatcher::~TFilterExpressionMatcher() = default;
TFilterExpressionMatcher::TFilterExpressionMatcher(TFilterExpressionMatcher&&) noexcept = default;
TFilterExpressionMatcher& TFilterExpressionMatcher::operator=(TFilterExpressionMatcher&&) noexcept = default;

bool TFilterExpressionMatcher::Matches(const QString& text) const {
    if (FCaseSensitive) return FExpression->Matches(TMatchedText(text, FSettings));
    const QString upper = UpperCased(text);
    return FExpression->Matches(TMatchedText(upper, FSettings));
}

bool MatchSingleCondition(const QString& condition, const QString& text, const TFormatSettings& settings) {
    return TSingleCondition(condition, settings).Matches(TMatchedText(text, settings));
}

bool MatchFilterCondition(const QString& condition, const QString& text, bool caseSensitive,
                          const TFormatSettings& settings) {
    if (caseSensitive) return MatchSingleCondition(condition, text, settings);
    return MatchSingleCondition(UpperCased(condition), UpperCased(text), settings);
}

bool MatchFilterExpression(QString condition, const QString& text, bool caseSensitive,
                           const TFormatSettings& settings) {
    return TFilterExpressionMatcher(condition, caseSensitive, settings).Matches(text);
}
