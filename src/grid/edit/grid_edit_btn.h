#pragma once
// TGridEditBtn: the grid's edit-with-button editor of edEditBtn, edNumericEditBtn,
// edFloatEditBtn and edMaskEditBtn cells. It follows the editors' shared key protocol
// with its own row (Esc puts back the text the cell had when the edit began; a refusal
// always shows the grid's text and keeps the cell's editor kind); characters are
// filtered by the cell's kind; the button (or F4) passes the text through the grid's
// OnEllipsClick. Keys it does not handle reach the grid's OnKeyDown and OnKeyUp first.
// Left at the start and Right at the end of the text walk out of the cell with the
// grid's CursorWalkEditor; typed text is completed from the grid's LookupItems.

#include "grid/edit/edit_button.h"
#include "grid/edit/editor_key_protocol.h"

class TExStringGrid;

class TGridEditBtn : public TAsgEditBtn {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridEditBtn(TComponent* AOwner);

    // False while the last key pressed was Backspace or Delete.
    bool WorkMode = true;
    // The editor closes after a button click.
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
    // Starts afresh for the next edit: empty text, no mask.
    void ReCreate();

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void WMChar(TWMKey& Message) override;
    // Instead of the edit's own paste: through the grid's clipboard events, the text
    // then also the grid's edit text.
    void WMPaste(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void Change() override;
    void DoExit() override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void ButtonClicked();
    // Completes the text before the caret from the grid's LookupItems, the added tail
    // selected; after every key release.
    void CompleteFromLookup();

    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
    int FSelKeyDown = 0;
    bool FStopEditAfterClick = false;
};
