#pragma once
// The edit box and the combo box with which the user edits a fixed cell (a header of
// the grid) in place. Each remembers the fixed cell (Col, Row: real column, row) and
// ends through StopEdit when the focus leaves it: the text goes through the grid's
// OnCellValidate, then OnEditingDone fires and the cell takes the text. A refused text
// keeps the editor open and focused on the same cell. Enter types nothing and does not
// end the edit; Tab goes on to the control after the grid.

#include "platform/standard_controls.h"

class TGridTransEdit : public TEdit {
public:
    // AOwner is the grid whose fixed cells are edited (any other owner edits no cell).
    TGridTransEdit(TComponent* AOwner, QWidget* AParent);

    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    // Ends the edit; false when the grid refused the text (the editor then stays).
    bool StopEdit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TComponent* FGrid;
    int FCol = 0;
    int FRow = 0;
};

class TGridTransCombo : public TComboBox {
public:
    TGridTransCombo(TComponent* AOwner, QWidget* AParent);

    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    bool StopEdit();

    void showPopup() override;
    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TComponent* FGrid;
    int FCol = 0;
    int FRow = 0;
    // The focus goes to the list while it is open; that is no exit.
    bool FListOpen = false;
};
