#pragma once
// The event filter the custom editor link puts on its editor control, so that the grid's
// EditLinkControlWndProc sees the control's events before the control does. It lives as a
// child of the control and does nothing once the grid is gone.

#include "grid/core/string_grid.h"

#include <QObject>
#include <QPointer>

class TEditLinkControlHook : public QObject {
public:
    // Installs itself on Control; removing it is deleting it (or deleting the control).
    TEditLinkControlHook(TExStringGrid* Grid, QWidget* Control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TExStringGrid> FGrid;
};
