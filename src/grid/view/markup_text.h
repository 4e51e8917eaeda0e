#pragma once
// Plain text out of mini-HTML and marking of found text inside it.

#include <QString>

// BR and HR tags (any case) become CR LF, every other tag is dropped; entities stay.
// Tag removal stops where a "<" has no ">" after it or a ">" comes first: the rest is
// kept as it stands.
QString MarkupToPlainText(const QString& text);
// Wraps every occurrence of the search text in the visible text in <tag>...</tag>; an
// occurrence spanning tags is opened before its first and closed after its last visible
// character. When the visible text holds "<" or ">", the result is the escaped visible
// text without its tags. An empty search text leaves the text unchanged.
QString WrapMatchesInTag(const QString& text, const QString& search, const QString& tag, bool caseSensitive);
// Removes the <tag> and </tag> marks (any case) and decodes "&lt;" and "&gt;".
QString RemoveMatchTags(const QString& text, const QString& tag);
