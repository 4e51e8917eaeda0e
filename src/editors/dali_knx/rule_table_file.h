#pragma once
// What the DALI and KNX rule files have in common for their editors: tables of cell
// texts, rows read from a list in one walk each, and the report of what a file held
// that the tables cannot show or that saving them would drop. No widgets: the windows,
// the tests and the benchmarks call these directly.

#include "editors/rule_file_reader.h"
#include "platform/xml_document.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

// Rows of cell texts; each row holds one text per column, in the grid's column order
// from column 1 (column 0 is the row number or title).
using TCellTable = std::vector<QStringList>;

// What a reader could not show whole. Empty when the file was read whole or is missing.
struct TRuleFileProblem {
    QString Message;          // English; names the file, the row and what is wrong
    int Rows_Lost = 0;        // rows of the file that saving the shown tables would drop
    bool Whole_File = false;  // the file could not be read at all: saving replaces all of it

    bool Ok() const { return Message.isEmpty(); }
    void Add(const QString& message);
};

// A failed check: the message and the cell it is about.
struct TRuleCheckError {
    int Row = 0;     // table row, 1-based (the grid's row); 0 for a check over the whole table
    int Column = 0;  // grid column (real) of the cell the message is about
    QString Message;
    int Table = 0;   // which of a window's tables, in their order
};

// The question OK asks before it saves over a file the tables could not show whole.
QString Lost_Rows_Question(const TRuleFileProblem& problem);
// The refusal of Insert Row when the table's last row holds a rule.
QString Full_Table_Message(int rows);

// Loads a rule file. On return the document holds it when it could be read; the problem
// says why not (not well-formed, too large, unreadable).
TRuleFileProblem Load_Table_File(TXMLDocument& document, const QString& fileName);
// The document's first top-level node when it is an element (the compiler takes that
// node as the root); null, with the problem added, otherwise.
TXMLNode First_Node_Root(const TXMLDocument& document, const QString& fileName, const QString& rootName,
                         TRuleFileProblem& problem);

// How a list's rows become table rows.
struct TTableLayout {
    QString List_Name;
    std::span<const char* const> Attributes;              // one per column, in column order
    std::span<const std::optional<QString>> Defaults;     // nothing: required (a row lacking it ends the reading)
    int Key_Column;                                       // the rows saved end before the first row whose key is blank
    QString Key_Caption;                                  // the key column's caption, for messages
    int Max_Rows;                                         // the grid's data rows
    int Check_Box_Column = -1;                            // written "Y" when ticked (the text "Y"), else "N"
};

// Reads the "row" children of the list (other elements are not rows) into at most
// Max_Rows table rows; reports rows beyond the grid, a required attribute missing (the
// rows before stay) and rows after a blank key, which saving would drop.
TCellTable Read_Table_Rows(const TXMLNode& list, const TTableLayout& layout, const QString& fileName,
                           TRuleFileProblem& problem);
// The number of rows saved: those before the first one whose key cell is blank.
int Used_Rows(const TCellTable& table, int keyColumn);
// Appends one "row" per used row with the layout's attributes, each the cell text.
void Append_Table_Rows(TXMLNode list, const TCellTable& table, const TTableLayout& layout);
