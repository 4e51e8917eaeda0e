#pragma once
// The key protocol every editor control of the grid follows in its key-down handling:
// Esc puts a text back and closes; Enter, Up and Down store the text in the cell and
// validate it (a refusal keeps the editor open showing the grid's text); Tab stores and
// validates when the grid takes Tab into the editor, then walks (goTabs) or is posted to
// the grid; last the edit ends and the key goes to the grid. What each editor does
// differently is data: one row of EditorKeyRules per editor class.

#include "platform/control.h"
#include "platform/virtual_keys.h"

#include <QString>
#include <initializer_list>
#include <vector>

class TComponent;
class TExStringGrid;

// The grid an editor control is created for: its owner, which must be a TExStringGrid
// (anything else fails the construction with "Invalid class typecast").
TExStringGrid* EditorGridOwner(TComponent* AOwner);

// The text Esc puts back into the editor.
enum class TEscRestores { CurrentCell, OriginalCellValue, CellParsedAsDate, NotedDateTime, GridRestoresCell, Nothing };
// The text a refused value leaves in the editor.
enum class TRefusalShows { NewCellText, CurrentCell, Nothing };
// What Tab does.
enum class TTabRule { Shared, StoredLikeEnterWalkOnlyWithGoTabs, WalkWithoutValidation, Nothing };

struct TEditorKeyRules {
    const char* EditorClass;
    // The keys the editor handles itself whatever its state (others go to its base control).
    std::vector<WORD> Handled;
    TEscRestores EscRestores;
    TRefusalShows AfterRefusal;
    TTabRule Tab;
};

// The row of an editor class ("TGridCombo", "TGridSpin", ...); the combo's row for an
// unknown name, which never happens for the grid's own editors.
const TEditorKeyRules& EditorKeyRules(const char* EditorClass);

class TEditorKeyProtocol {
public:
    TEditorKeyProtocol(TExStringGrid* Grid, const TEditorKeyRules& Rules) : FGrid(Grid), FRules(Rules) {}

    bool InHandledSet(WORD Key) const;
    // The grid takes Tab into the editor: goTabs, or a validation handler assigned.
    bool TabCondition() const;
    // Stores Text as the current cell and validates it. False when refused; Shown is then
    // the text the editor shows (by the rules' AfterRefusal), else the cell's text now.
    bool StoreAndValidate(const QString& Text, QString& Shown);
    // With goTabs: the editor closes, the grid takes the focus and walks (true); without
    // it a Tab is posted to the grid (false) and the edit ends as for any key.
    bool WalkOrPostTab(TShiftState Shift);
    // Ends the edit after Key (DoneInplaceEdit), reopens the editor on the new current cell
    // with AdvanceOnEnter and AdvanceAutoEdit, and consumes the key.
    void EndEdit(WORD& Key, TShiftState Shift);
    // Closes the editor and gives the grid the focus.
    void CloseAndFocusGrid();
    // The cursor walks out of the editor's cell to the next or previous one (Right at the
    // end, Left at the start of its text, with Navigation.CursorWalkEditor): a check-box
    // cell is entered without an editor once Text validates; any other cell is advanced
    // to, and edited again with CursorWalkAlwaysEdit.
    void WalkOutOfCell(bool Forward, const QString& Text);

private:
    TExStringGrid* FGrid;
    const TEditorKeyRules& FRules;
};
