#pragma once
// The window the rule editors share: the title band with the software code and the
// window's description, the tables between, and a row of command buttons 110 x 28
// from the left of the button panel, 8 pixels apart, in the order each window gives.

#include "controls/small_dialog.h"
#include "editors/dali_knx/rule_table_file.h"
#include "platform/xml_document.h"

#include <functional>
#include <initializer_list>
#include <utility>

class TExColumnGrid;
class TPageControl;
struct TRuleTable;

class TRuleEditorWindow : public TSmallDialog {
public:
    TRuleEditorWindow(TComponent* AOwner, const QString& name);

protected:
    // A command button on the button panel; its caption comes with the window's texts.
    TLbButton* Add_Button(const char* name, const QString& glyphName, std::function<void()> click);
    // Sets the inside size and places the buttons left to right in this order.
    void Lay_Out(int clientWidth, int clientHeight, std::initializer_list<TLbButton*> buttons);
    // The row buttons on a table's current data row (nothing on the header row). Delete
    // asks first with the window's text followed by the row number; Insert refuses while
    // the last row holds a rule (its key cell, a real column, is not blank) instead of
    // pushing it out (the new row starts enabled unless told otherwise); Copy fills the
    // program's row clipboard and sets the table's copy flag; Paste refuses until the
    // table's own flag is set.
    static void Delete_Current_Row(TExColumnGrid& grid, int confirmText);
    static void Insert_Current_Row(TExColumnGrid& grid, int keyColumn, bool enableNew = true);
    static void Copy_Current_Row(TExColumnGrid& grid, bool& copied);
    static void Paste_Current_Row(TExColumnGrid& grid, bool copied);
    // A failed check: its table's page and cell become current, then the error box shows.
    static void Show_Check_Error(const TRuleCheckError& error, std::initializer_list<TExColumnGrid*> tables,
                                 TPageControl* pages = nullptr);
    // The error box every failed check and failed save shows.
    static void Show_Error(const QString& text);
    // Before a save over the file: asks, only Yes going on, when the file could not be
    // shown whole and when rules lie below a table's first blank key cell.
    static bool Confirm_Save(const TRuleFileProblem& problem,
                             std::initializer_list<std::pair<const TExColumnGrid*, const TRuleTable*>> tables);
    // Saves the rebuilt document over the file, never leaving half a file; false, after
    // telling the user, when the file could not be written.
    static bool Save_Rule_Document(const TXMLDocument& document, const QString& fileName);
};
