#pragma once
// A pop-up window that shows something beside the grid (the picture of a dragged column
// or row) without ever becoming the active window: shown without activation, taking no
// focus, also when clicked, so typing goes on where it was.

#include "platform/form.h"

class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* AOwner);

protected:
    // A click is the grid's business, not the window manager's: it activates nothing.
    void mousePressEvent(QMouseEvent* event) override;
};
