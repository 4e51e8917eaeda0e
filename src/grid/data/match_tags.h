#pragma once
// Occurrences of a text wrapped in a tag pair (<hi>...</hi>, <e>...</e>) inside a cell's
// plain text, written so that taking them out again gives back the text exactly.

#include <QString>

// The text with "&", "<", ">" and the double quote written as entities and every
// occurrence of search (non-overlapping, from the left) wrapped in <tag>...</tag>. An
// empty search, or one that does not occur, gives the text unchanged.
QString WrapPlainMatches(const QString& text, const QString& search, const QString& tag, bool caseSensitive);
// Whether the text holds <tag> or </tag>, in any letter case.
bool HasMatchTag(const QString& text, const QString& tag);
// The inverse of WrapPlainMatches: a text holding the tag loses every <tag> and </tag>
// (any case) and has its four entities turned back; any other text is returned as it is.
QString PlainTextOfMatchTags(const QString& text, const QString& tag);
