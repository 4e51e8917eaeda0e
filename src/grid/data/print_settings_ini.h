#pragma once
// Print settings as keys of one ini section: Y/N switches, decimal integers (colours as
// signed numbers), enumerations by their ordinal numbers, a font as four keys (name, size,
// style bits 1 bold, 2 italic, 4 underline, 8 strike-out, colour), and the title lines
// joined with the two characters backslash and "n" between them.

#include <QString>

class TIniFile;
class TPrintSettings;

void WritePrintSettings(TIniFile& Ini, const QString& Section, const TPrintSettings& Settings);
// Every key is read with its default when missing. A number outside an enumeration leaves
// Borders, BorderStyle, FitToPage and Orientation as they were and gives ppNone for a
// place; a font's style becomes exactly the stored bits.
void ReadPrintSettings(const TIniFile& Ini, const QString& Section, TPrintSettings& Settings);
