#pragma once
// A rule editor's table declared once as data: the grid, the reading of the rule file
// and the writing back are all built from it, so a column cannot be shown one way and
// saved another. Cells are addressed by real column: a hidden column keeps its index,
// its content and its place in the file.

#include "editors/dali_knx/rule_table_file.h"
#include "editors/rule_file_reader.h"
#include "platform/color.h"
#include "platform/xml_document.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <span>
#include <utility>

class TExColumnGrid;

enum class TRuleCell { Number, Edit, Check, ComboEdit, ComboList };

struct TRuleColumn {
    int Header = 0;  // text number of the header
    int Width = 64;
    TRuleCell Cell = TRuleCell::Edit;
    TColor Color = clWindow;
    const char* Attribute = nullptr;  // the file's attribute; none for the row-number column
    std::optional<QString> Default;   // what a missing attribute gives; none: the reading stops there
    int Hint = 0;                     // text number of the header hint, 0 for none
    int Edit_Length = 0;              // at most this many characters typed, 0 for no limit
    bool Hidden = false;
    // The default is given only when this column's cell (an earlier one) of the row is
    // exactly "Y", the empty text otherwise; -1: always.
    int Default_When_On = -1;
};

struct TRuleTable {
    const char* List_Name = nullptr;  // the list element under the root; none: the root is the list
    std::span<const TRuleColumn> Columns;  // from column 0
    int Key_Column = -1;     // the walk ends before the first row whose key cell is blank; -1: every row
    int Enable_Column = -1;  // a check-box column starting "Y" on reset; -1: none
    // Rows of the file beyond the table are dropped without a word (the table's size
    // follows the installation, and saving keeps only what it can use).
    bool Drop_Rows_Beyond = false;
};

// Columns, widths, colours, editors and hidden columns of the grid; the row count is
// the caller's (some tables change it on every show). Fixed column 0, header row 0.
void Build_Rule_Grid(TExColumnGrid& grid, const TRuleTable& table);
// The column's combo items become the first item (when given) and then "0" ... count - 1.
void Fill_Number_Items(TExColumnGrid& grid, int column, int count, const QString& first = QString());
// Header texts (and the hints, when given a list) from the text table, in column order
// from column 1 for the hints.
void Set_Rule_Headers(TExColumnGrid& grid, const TRuleTable& table, QStringList* hints = nullptr);
// Every data row gets its number in column 0, "Y" in the Enable column and the empty
// text elsewhere, hidden columns included.
void Reset_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table);

// Fills data rows 1 ... from the list's element children (whatever their name), a
// missing attribute giving its column's default; rows beyond the grid's data rows are
// left out. The message says what could not be read: a required attribute missing
// (the rows before it stay), or no list at all; empty otherwise.
QString Fill_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table, const TXMLNode& list, const QString& fileName);

// As Fill_Rule_Rows, for the windows that ask before they save over a file they could
// not show whole: what could not be read is added to the problem with the number of the
// list's rows the shown table leaves out (a missing list counts as the whole file).
void Load_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table, const TXMLNode& list, const QString& fileName,
                    TRuleFileProblem& problem);

// Loads the file (when there is one) into the tables, each from its list under the root
// (or the root itself for a table without a list name), and says what could not be
// shown: a file that could not be read at all, a missing list, a row stopping the reading.
TRuleFileProblem Load_Rule_File(const QString& fileName,
                                std::initializer_list<std::pair<TExColumnGrid*, const TRuleTable*>> tables);

// Every data row's cells from column 1, hidden columns included, for the checks.
TCellTable Rule_Cells(const TExColumnGrid& grid, const TRuleTable& table);

// Puts rows of cell texts (from column 1) into data rows 1 ...
void Put_Rule_Cells(TExColumnGrid& grid, const TCellTable& cells);

// The rows the check and the save visit: from row 1 up to the first blank key cell
// (trimmed), or every data row when the table has no key column.
int Visited_Rule_Rows(const TExColumnGrid& grid, const TRuleTable& table);
// Rules the save would drop: rows below the first blank key cell that hold a key.
struct TRulesBelowGap {
    int First_Row = 0;  // the first such row, 0 when there is none
    int Count = 0;
};
TRulesBelowGap Rules_Below_Gap(const TExColumnGrid& grid, const TRuleTable& table);
// The question OK asks before it saves without them.
QString Rules_Below_Gap_Question(const TRulesBelowGap& gap);

// The error box text of a failed check: prefix, row number and rule text, nothing between.
QString Rule_Row_Error(const QString& prefix, int row, const QString& text);

// One element per visited row under the parent, named rowName, one attribute per saved
// column in column order, each the cell text unchanged.
void Append_Rule_Rows(TXMLNode parent, const TExColumnGrid& grid, const TRuleTable& table, const QString& rowName);
