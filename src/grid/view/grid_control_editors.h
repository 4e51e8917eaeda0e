#pragma once
// The two editors the grid lays over a form control of a cell's markup: a masked edit
// box for EDIT, PASSWORD and MASK controls and a combo box for COMBO controls. Each
// reports leaving it through OnExit; opening the combo's own list is no exit. Enter ends
// the control's edit and gives the grid the focus (the edit box lets a window's default
// button have Enter first); Tab ends it and goes on to the next control of the cell, or
// to the next cell with the grid's AdvanceAuto.

#include "grid/edit/flat_combo.h"
#include "platform/mask_edit.h"

class TControlEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
};

class TControlCombo : public TAsgComboBox {
public:
    using TAsgComboBox::TAsgComboBox;
    TNotifyEvent OnExit;

    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The focus goes to the list while it is open; that is no exit.
    bool FListOpen = false;
};
