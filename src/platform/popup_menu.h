#pragma once
// A context menu of commands, shown at a screen point.

#include "platform/control.h"

#include <QMenu>

class TPopupMenu : public TControlOf<QMenu> {
public:
    explicit TPopupMenu(TComponent* AOwner, QWidget* AParent = nullptr);

    // Adds a command at the end; "-" adds a separator.
    QAction* AddItem(const QString& caption, TNotifyEvent onClick = {});
    int ItemCount() const { return static_cast<int>(actions().size()); }
    // Shows the menu at the screen point and returns once it is closed.
    void Popup(int x, int y);
};
