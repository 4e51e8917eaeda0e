#pragma once
// The built-in English texts as a language file, so that English can always be chosen
// again on the language pages after another language was taken.

#include <QString>

// The line "STR<n> = <text>" that gives entry n the text when a language file is read,
// or an empty string when no line can (a blank text, one with a line break, a pilcrow
// or the comment mark "/#/", or one too long for a language file). Texts that begin or
// end with a blank are wrapped in pilcrows, which keep the blanks.
QString Language_File_Line(int number, const QString& text);

// Writes "English.lng" with every built-in text into the language folder when the
// folder holds no such file. An existing file is never replaced, also not one that
// appears while this one is written. False when the file was missing and could not be
// written.
bool Write_English_Language_File();
