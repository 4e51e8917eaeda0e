#pragma once
// TGridUnitEditBtn: the grid's unit editor of edUnitEditBtn, edNumericUnitEditBtn and
// edFloatUnitEditBtn cells. Text and unit are stored and validated together (a refusal
// shows the cell's text again); Enter with AdvanceOnEnter advances, Tab walks only with
// goTabs, Esc shows the cell's text again. Characters are filtered by the cell's kind;
// the button passes the text through OnEllipsClick before the unit menu opens, and a
// changed unit reaches the grid's OnUnitChanged.

#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/unit_edit_button.h"

class TExStringGrid;

class TGridUnitEditBtn : public TAsgUnitEditBtn {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridUnitEditBtn(TComponent* AOwner);

    // Starts afresh for the next edit: empty text, no unit.
    void ReCreate();

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WMChar(TWMKey& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
};
