#pragma once
// TGridSpin: the grid's spin editor of edSpinEdit, edFloatSpinEdit, edTimeSpinEdit and
// edDateSpinEdit cells. It follows the editors' shared key protocol with its own row:
// Tab, Enter, Esc, Up and Down end the edit (Up and Down leave the cell rather than
// step), the page keys change an integer or float value within the limits first, Esc
// puts back the text the cell had when the edit began, a refusal shows the cell's text.
// Its button clicks are reported by spin type (OnSpinClick, OnFloatSpinClick,
// OnDateSpinClick, OnTimeSpinClick), its text changes through OnEditChange, and leaving
// it commits. MinValue and MaxValue both 0 (equal) mean no range.

#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/spin_edit.h"

class TExStringGrid;

class TGridSpin : public TAsgSpinEdit {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridSpin(TComponent* AOwner);

    // Starts afresh for the next edit: empty text, nothing selected.
    void ReCreate();

    void UpButtonClick(TObject* Sender) override;
    void DownButtonClick(TObject* Sender) override;

protected:
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyPress(QChar& Key) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void Change() override;
    void DoExit() override;

private:
    // PgUp, PgDn, Home and End of the integer and float types; true when the key was one.
    bool PageStep(WORD Key);
    void ReportButtonClick(bool Up);

    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
};
