#pragma once
// The options of the grid's find, replace and search footer: one bit each, member k at bit k.

#include "platform/types.h"

enum TFindParameters {
    fnMatchCase,             // compare with letter case; otherwise both sides upper-cased
    fnMatchFull,             // the whole cell text equals the search text
    fnMatchRegular,          // the search text is a filter condition the cell text satisfies
    fnDirectionLeftRight,    // row by row; otherwise column by column
    fnMatchStart,            // the cell text begins with the search text
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,
    fnAutoGoto,              // the current cell moves to the match
    fnIgnoreHTMLTags,        // compare the cell text without its mini-HTML tags
    fnBackward,
    fnIncludeHiddenColumns,  // columns are then real ones
    fnFindInPresetCol,       // only column FindCol
    fnFindInPresetRow,       // only row FindRow
    fnSelectedCells,
    fnIncludeHiddenRows      // rows are then real ones
};
using TFindParams = TSet<TFindParameters>;
