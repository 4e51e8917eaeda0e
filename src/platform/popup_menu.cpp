#include "platform/popup_menu.h"

TPopupMenu::TPopupMenu(TComponent* AOwner, QWidget* AParent) : TControlOf<QMenu>(AOwner, AParent) {}

QAction* TPopupMenu::AddItem(const QString& caption, TNotifyEvent onClick) {
    if (caption == QLatin1String("-")) return addSeparator();
    QAction* action = addAction(caption);
    QObject::connect(action, &QAction::triggered, [this, onClick] {
        if (onClick) onClick(this);
    });
    return action;
}

void TPopupMenu::Popup(int x, int y) { exec(QPoint(x, y)); }
