#pragma once
// Whether a cell text satisfies a filter condition such as ">10 & <20", "!abc*",
// "Smith | Jones" or ">=1/1/2020". Sub-conditions are joined by "&" (and) and by "|",
// ";" or "^" (or), strictly from left to right, with "(" ")" for groups; inside double
// quotes blanks stay and operator characters are plain text. A sub-condition is a
// comparison (">", ">=", "<", "<=", numeric, date or text) or a wildcard pattern with
// "*" and "?", negated by "!". No input raises: malformed conditions fall back to the
// text comparison or the wildcard match, an unbalanced "(" takes the rest as its group.
//
// Separators and the short date format come from the settings passed in (by default the
// program's run-time settings). Positions are 1-based, 0 means none.

#include "platform/date_time.h"
#include "platform/format_settings.h"

#include <QString>
#include <memory>

// A condition parsed once and then matched against any number of texts, with the answers
// of MatchFilterExpression: filtering tests every row against the same conditions.
class TFilterExpressionMatcher {
public:
    TFilterExpressionMatcher(const QString& condition, bool caseSensitive,
                             const TFormatSettings& settings = FormatSettings());
    ~TFilterExpressionMatcher();
    TFilterExpressionMatcher(TFilterExpressionMatcher&&) noexcept;
    TFilterExpressionMatcher& operator=(TFilterExpressionMatcher&&) noexcept;
    bool Matches(const QString& text) const;

    struct TExpression;

private:
    std::unique_ptr<TExpression> FExpression;
    bool FCaseSensitive;
    TFormatSettings FSettings;
};

bool MatchFilterExpression(QString condition, const QString& text, bool caseSensitive,
                           const TFormatSettings& settings = FormatSettings());
// Without case sensitivity both texts are upper-cased (locale-aware) before comparing.
bool MatchFilterCondition(const QString& condition, const QString& text, bool caseSensitive,
                          const TFormatSettings& settings = FormatSettings());
bool MatchSingleCondition(const QString& condition, const QString& text,
                          const TFormatSettings& settings = FormatSettings());

// Reads a date in the settings' short date order with an optional time after a blank.
// A time without a time separator gives false with the date already stored in value.
bool ParseDateTimeText(const QString& text, TDateTime& value, const TFormatSettings& settings = FormatSettings());
// The decimal separator becomes "." and every thousand separator is removed.
QString NormalizeDecimalText(const QString& text, const TFormatSettings& settings = FormatSettings());

// A blank stays only while an odd number of double quotes has been seen.
QString RemoveBlanksOutsideQuotes(const QString& text);
// The first ")" at which as many ")" as "(" have been seen; 0 when there is none.
int ClosingParenPos(const QString& text);
// The first character of the set that stands outside double quotes: true with its
// position, false (position 0) when there is none.
bool FindOperatorOutsideQuotes(const QString& characters, const QString& text, int& position);
