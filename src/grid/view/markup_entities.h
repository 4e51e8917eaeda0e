#pragma once
// Character entities of mini-HTML texts. The table holds the accented letters and signs
// that control values and exports write as entities; its characters are Unicode
// ("&euro;" is U+20AC).

#include <QString>

// "&lt;", "&gt;", "&amp;" and "&quot;" in that order (so "&amp;lt;" gives "&lt;"),
// then, with the table, its entities in table order.
QString EntitiesToChars(const QString& text, bool withTable);
// "&", double quote, "<" and ">" as entities (a text "*amp;" also becomes "&amp;"),
// then, with the table, its characters.
QString CharsToEntities(const QString& text, bool withTable);
QString SpacesToNbsp(const QString& text);
