#pragma once
// The "GridEditDone" notice the end of in-place editing posts to its grid: a registered
// event type carrying the edited cell. The grid turns it into OnEditCellDone when the
// event queue delivers it, after the editing code has returned.

#include <QEvent>

class QObject;

class TGridEditDoneEvent : public QEvent {
public:
    TGridEditDoneEvent(int ACol, int ARow);
    static QEvent::Type EventType();
    int Col() const { return FCol; }
    int Row() const { return FRow; }

private:
    int FCol;
    int FRow;
};

// Posts the notice for the cell (ACol, ARow) to the grid.
void PostGridEditDone(QObject* Grid, int ACol, int ARow);
