#pragma once
// The grid's plain in-place edit, shown over the current cell for the plain editor kinds:
// the characters each kind takes, validation before Enter, Tab, the arrows and cursor
// walking leave the cell, Esc, type-ahead from the grid's lookup list, the clipboard
// events and paste rules, the caret under the click that opened it, word wrap and right
// alignment, rows growing while typing, and the editing-done notice on focus loss.
//
// Files: ex_inplace_edit.cpp (look, loading, focus, change, type-ahead),
// ex_inplace_edit_keys.cpp (key-down, key-up, key press), ex_inplace_edit_chars.cpp
// (the character rules of each kind), ex_inplace_edit_clipboard.cpp (copy, cut, paste).
//
// A key reaches WMKeyDown first (Esc, Ctrl+A, Ctrl+Enter, the steps that validate before
// the cell is left), then KeyDown (what the grid gets), then unless consumed WMChar (the
// kind's rule, the length limit, auto advance) and KeyPress (validation on Enter); the
// release runs KeyUp (cursor walking out of the edit, type-ahead, sizing while typing).

#include "platform/string_grid.h"

class TExStringGrid;

class TExInplaceEdit : public TInplaceEdit {
public:
    explicit TExInplaceEdit(TExStringGrid* AGrid);

    // Right-aligned text; the grid sets it from the cell's alignment at every load.
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // 0 or less: no limit.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value);
    // Type-ahead completion from the grid's LookupItems; runs after each key-up.
    void DoChange();

    TNotifyEvent OnChange;

protected:
    void UpdateContents() override;
    // Over the whole merged area of the current cell.
    void BoundsChanged() override;
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void WMCut() override;
    void WMCopy() override;
    void WMPaste() override;
    // Tab stays in the edit also while the grid validates what leaves a cell.
    void CMWantSpecialKey(TMessage& Message) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The window's look from VAlign, WordWrap, the kind and the size: cheap to repeat.
    void ApplyWindowStyle();
    void Change();
    // Text back to what validation left, with the caret or selection the grid asks for.
    void ShowRefusal(const QString& OldCellText, bool Repaint);
    bool CaretOnFirstLine() const;
    bool CaretOnLastLine() const;
    void GrowRowForLineBreak();
    void SizeWhileTypingAfterKey();
    // One cell along the row as the arrow walks; CursorWalkAlwaysEdit turns Key into Enter.
    void WalkOneCell(bool Forward, WORD& Key);
    void WalkOutLeft(WORD& Key);
    void WalkOutRight(WORD& Key);
    bool CharAllowedByKind(QChar& Ch, TShiftState Shift);
    bool FloatCharAllowed(QChar Ch, TShiftState Shift, bool Positive);
    QString PastedTextByKind(const QString& Text) const;
    // The grid's key press, as if the key were typed into the grid.
    void GridKeyPress(QChar Key);

    TExStringGrid* FGrid;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    bool GotKey = false;
    bool Workmode = true;
    bool FGotFocus = false;
    int FColE = 0;
    int FRowE = 0;
    bool FAltBack = false;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
};
