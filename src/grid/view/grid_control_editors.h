#pragma once
// The two editors the grid lays over a form control of a cell's markup: a masked edit
// box for EDIT, PASSWORD and MASK controls and a combo box for COMBO controls. Each
// reports leaving it through OnExit; opening the combo's own list is no exit.

#include "platform/mask_edit.h"
#include "platform/standard_controls.h"

class TControlEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};

class TControlCombo : public TComboBox {
public:
    using TComboBox::TComboBox;
    TNotifyEvent OnExit;

    void showPopup() override;
    void hidePopup() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The focus goes to the list while it is open; that is no exit.
    bool FListOpen = false;
};
