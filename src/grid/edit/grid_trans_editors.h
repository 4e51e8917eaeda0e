#pragma once
// The edit box and the combo box with which the user edits a fixed cell (a header of
// the grid) in place. Each remembers the fixed cell (Col, Row: real column, row) and
// ends through StopEdit when the focus leaves it: the text goes through the grid's
// OnCellValidate, then OnEditingDone fires and the cell takes the text. A refused text
// keeps the editor open and focused on the same cell. Enter types nothing and does not
// end the edit; Tab goes on to the control after the grid.

#include "platform/standard_controls.h"

// What both editors share, on their platform control Base.
template <class Base>
class TGridTransEditorOf : public Base {
public:
    // AOwner is the grid whose fixed cells are edited (any other owner edits no cell).
    TGridTransEditorOf(TComponent* AOwner, QWidget* AParent) : Base(AOwner, AParent), FGrid(AOwner) {}

    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    // Ends the edit; false when the grid refused the text (the editor then stays).
    bool StopEdit();

protected:
    // The text the edit ends with.
    virtual QString EditedText() const = 0;
    // The end of the edit when the focus leaves for another control of the window.
    void ExitUnlessReturning(const QFocusEvent* event);
    bool focusNextPrevChild(bool next) override;

private:
    TComponent* FGrid;
    int FCol = 0;
    int FRow = 0;
};

class TGridTransEdit : public TGridTransEditorOf<TEdit> {
public:
    TGridTransEdit(TComponent* AOwner, QWidget* AParent);

protected:
    QString EditedText() const override { return Text(); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class TGridTransCombo : public TGridTransEditorOf<TComboBox> {
public:
    TGridTransCombo(TComponent* AOwner, QWidget* AParent);

    void showPopup() override;
    void hidePopup() override;

protected:
    // A list left without a choice keeps the cell's text, shown as its placeholder.
    QString EditedText() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The focus goes to the list while it is open; that is no exit.
    bool FListOpen = false;
};
