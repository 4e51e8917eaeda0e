#pragma once
// Reading the rule files of the configuration without windows. A rule file is a root
// element, in most files followed by a version comment, holding one list element per
// table and one element per table row with one attribute per column. The root is the
// first element of the document, whatever declaration or comment precedes it; a list's
// element children fill rows 1, 2, ... in order, whatever their name.
//
// Two reading policies meet here: an attribute with a default gives it when missing,
// a required one (no default) stops the reading at the first row that lacks it, the
// rows before staying read. Every problem comes back as a message naming the file and
// what is wrong; the caller decides whether to show it, go on or stop.

#include "platform/xml_document.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class TRuleFileState { Missing, Loaded, TooLarge, Unreadable, NotWellFormed };

struct TRuleFile {
    TRuleFileState State = TRuleFileState::Missing;
    QString Message;  // empty when loaded or missing
    TXMLNode Root;    // the first element, when loaded

    bool Loaded() const { return State == TRuleFileState::Loaded; }
};

// Loads the file into the document. A missing file is no error: the tables keep their
// reset values.
TRuleFile Open_Rule_File(TXMLDocument& document, const QString& fileName);

// The root's child element of that name; null when there is none.
TXMLNode Find_Rule_List(const TXMLNode& root, const QString& listName);

struct TRuleAttribute {
    QString Name;
    std::optional<QString> Default;  // none: the attribute is required
    // The default is given only when the row's attribute of this index (an earlier one)
    // reads exactly "Y", the empty text otherwise; -1: always.
    int Default_When_On = -1;
};

struct TRuleRows {
    std::vector<QStringList> Rows;  // one text per attribute, in attribute order
    QString Message;                // empty when the list was read whole
    int Rows_Left_Out = 0;          // rows beyond the table's size, not read
};

// Reads the rows of a list element, at most maxRows of them. A null list reads as
// empty with a message naming it.
TRuleRows Read_Rule_List(const TXMLNode& list, const std::vector<TRuleAttribute>& attributes, int maxRows,
                         const QString& fileName, const QString& listName);
