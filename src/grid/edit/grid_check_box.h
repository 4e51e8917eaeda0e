#pragma once
// TGridCheckBox: the grid's check box editor of edCheckBox cells. It opens unchecked
// with the cell's text as caption and stores nothing. A press of Space or of the left
// mouse button toggles it once (the toolkit's own toggle on release is kept out); Enter,
// the page keys, End and the arrows close it, Enter then advances and Up and Down move
// the grid; leaving it closes it.

#include "platform/standard_controls.h"

class TExStringGrid;

class TGridCheckBox : public TCheckBox {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridCheckBox(TComponent* AOwner);

    // Starts afresh for the next edit: unchecked, not pressed.
    void ReCreate();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TExStringGrid* FGrid;
};
