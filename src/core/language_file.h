#pragma once
// Language files: lines "STR<number> = <text>" that replace texts of the table.

#include <QByteArray>
#include <QString>

// The largest language file read: the built-in table (about 42 KB) many times over, room
// for every text in UTF-16 with comments. A larger file is refused unread.
constexpr qint64 Longest_Language_File = qint64(1) << 20;

// Applies every line of the file to SL_Lang_Texts; an unreadable file changes nothing.
void Load_Language_File(const QString& fileName);
// Applies one line; malformed lines (and texts of more than 4096 characters) change nothing.
void Apply_Language_Line(const QString& line);
