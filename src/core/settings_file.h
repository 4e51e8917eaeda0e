#pragma once
// The program's own settings file beside it: last configuration, device address,
// language and the four option flags.

#include <QString>
#include <QtGlobal>

class TXMLDocument;

// A settings file holds a handful of short values (well under 2 KB); one larger than this
// is not the program's and is refused unread, like a broken one.
constexpr qint64 Max_Settings_File_Size = 256 * 1024;

QString Settings_File_Path();
// Reads the settings into the program-wide state; every value that cannot be read
// takes its default, and a missing or unreadable file gives all defaults.
void Read_Settings(TXMLDocument& xml);
// Rebuilds the document and writes it over the file; false when it cannot be written.
bool Write_Settings(TXMLDocument& xml);
