#pragma once
// A pop-up window that shows something beside the grid (the picture of a dragged column
// or row) without ever becoming the active window: shown without activation, taking no
// focus, also when clicked, so typing goes on where it was. Where the window system
// activates it all the same, the window that was active before gets activation back.

#include "platform/form.h"

#include <QPointer>

class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* AOwner);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    // A click is the grid's business, not the window manager's: it activates nothing.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointer<QWidget> FActiveBefore;
};
