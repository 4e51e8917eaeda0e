#pragma once
// Cell references of workbook sheets ("B2", "XFD1048576"): column letters for every
// column a sheet holds, not only the first 702, and the sheet's size.

#include <QString>
#include <QStringView>

inline constexpr int kSheetColumns = 16'384;     // "A" to "XFD"
inline constexpr int kSheetRows = 1'048'576;

// The letters of column Number (from 1): "A" .. "Z", "AA" .. "ZZ", "AAA" ...
QString ColumnLetters(int Number);

// A reference split into column and row, both from 1. False for anything else, a column
// past "XFD" or a row past the sheet's last.
bool ParseCellReference(QStringView Reference, int& Column, int& Row);
