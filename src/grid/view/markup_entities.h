#pragma once
// Character entities of mini-HTML texts. The table holds the accented letters and signs
// that control values and exports write as entities; its characters are Unicode
// ("&euro;" is U+20AC).

#include <QString>

// "&lt;", "&gt;", "&amp;" and "&quot;", with the table also its entities, each decoded
// once from left to right ("&amp;lt;" gives "&lt;", "&amp;quot;" gives "&quot;").
QString EntitiesToChars(const QString& text, bool withTable);
// "&", double quote, "<" and ">" as entities (a text "*amp;" also becomes "&amp;"),
// then, with the table, its characters.
QString CharsToEntities(const QString& text, bool withTable);
QString SpacesToNbsp(const QString& text);
