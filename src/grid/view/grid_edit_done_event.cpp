#include "grid/view/grid_edit_done_event.h"

#include "platform/registered_names.h"

#include <QCoreApplication>

TGridEditDoneEvent::TGridEditDoneEvent(int ACol, int ARow) : QEvent(EventType()), FCol(ACol), FRow(ARow) {}

QEvent::Type TGridEditDoneEvent::EventType() {
    static const auto type = QEvent::Type(RegisterWindowMessage(QStringLiteral("GridEditDone")));
    return type;
}

void PostGridEditDone(QObject* Grid, int ACol, int ARow) {
    QCoreApplication::postEvent(Grid, new TGridEditDoneEvent(ACol, ARow));
}
