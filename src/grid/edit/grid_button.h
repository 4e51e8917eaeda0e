#pragma once
// TGridButton: the grid's push button editor of edButton cells, laid one pixel outside
// the cell with the cell's text as caption. A click (left button or Space released)
// passes the caption through the grid's OnEllipsClick and puts the result into caption
// and cell. An arrow key closes it and moves the grid; Esc closes it and puts the cell's
// text from before the edit back; leaving it closes it.

#include "platform/control.h"

#include <QPushButton>

class TExStringGrid;

class TGridButton : public TControlOf<QPushButton> {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridButton(TComponent* AOwner);

    QString Text() const { return text(); }
    void SetText(const QString& Value) { setText(Value); }
    // Starts afresh for the next edit: not pressed.
    void ReCreate();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Clicked();
    // Hides and disables the button and gives the grid the focus, leaving edit mode.
    void CloseToGrid();

    TExStringGrid* FGrid;
};
