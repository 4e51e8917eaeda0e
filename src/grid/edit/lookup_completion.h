#pragma once
// Type-ahead completion shared by the grid's editors: the first entry of a list that
// begins with what was typed, under the grid's case rule.

#include <QString>

// The most characters an entry adds to what was typed.
constexpr int kMaxCompletedTail = 255;

// The index of the first entry that begins with Prefix, or -1; an empty prefix matches
// nothing. Text(i) gives entry i.
template <class TextAt>
int FirstStartingWith(const QString& Prefix, int Count, bool CaseSensitive, TextAt Text) {
    if (Prefix.isEmpty()) return -1;
    const Qt::CaseSensitivity rule = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count; ++i)
        if (Text(i).startsWith(Prefix, rule)) return i;
    return -1;
}
