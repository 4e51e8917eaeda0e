#pragma once
// The grid's column layout as one text, without the grid: four parts joined by "#", the
// column count (hidden columns included), the widths (those of the shown columns, then
// the kept widths of the hidden ones in storage order), the column order list, and "1"
// or "0" for the visibility of each storage column. Reading checks the whole text, so a
// grid is changed only by a text that can be applied whole.

#include <QString>
#include <optional>
#include <vector>

struct TColumnStates {
    int Count = 0;
    std::vector<int> Widths;
    // Empty when the text has no order part; else an order of 0 .. Count-1.
    std::vector<int> Order;
    // One entry per storage column; columns the text leaves out are visible.
    std::vector<bool> Visible;
};

QString ColumnStatesText(const TColumnStates& States);
// None for a text without "#". A non-numeric entry raises EConvertError; a count outside
// 1 .. MaxColumns, an order part whose first Count entries other than -1 are no order of
// the columns, a visibility other than 0 or 1, a column hidden at or beyond
// HideableColumns, every column hidden, or a width outside 0 .. 32767 raises EExGridError.
std::optional<TColumnStates> ParseColumnStates(const QString& Text, int MaxColumns, int HideableColumns);
