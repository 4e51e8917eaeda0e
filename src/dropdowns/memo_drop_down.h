#pragma once
// A multi-line text edited through a single-line edit: MemoText holds the lines, the
// pop-up's memo edits a working copy, and the edit shows a one-line digest (the first
// line, with "..." when there is more or when it is cut to fit). Closing keeps the
// memo's lines; cancelling (Esc) keeps MemoText as it was.

#include "dropdowns/drop_down_edit.h"
#include "platform/memo.h"

#include <QStringList>

class TPopupMenu;

class TExMemoDropDown : public TExCustomDropDown {
public:
    explicit TExMemoDropDown(TComponent* AOwner, QWidget* AParent = nullptr);

    QStringList MemoText() const { return FMemoText; }
    // Takes the lines, into the memo too when it exists, and shows their digest.
    void SetMemoText(const QStringList& Value);
    TMemo* Memo() const { return FMemo; }
    TPopupMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownHidden() override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DoEnter() override;
    void Change() override;

private:
    // Shows the digest of MemoText in the edit.
    void UpdateEdit();

    TPopupMenu* FMemoPopup = nullptr;
    QStringList FMemoText;
    TMemo* FMemo = nullptr;
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    bool FInternalUpdate = false;
    bool FAutoDrop = false;
};
