#include "grid/core/grid_pack_startup.h"

#include "controls/office_theme.h"
#include "grid/core/string_grid.h"
#include "platform/registered_names.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

TGridPackState& State() {
    static TGridPackState state;
    return state;
}

QPointer<TExStringGrid>& FocusGrid() {
    static QPointer<TExStringGrid> grid;
    return grid;
}

// Keeps the focus frame on its cell when a window moves, as the original thread hook
// did for the window-position messages; it never consumes an event.
class TFocusFrameHook : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && FocusGrid())
            PlaceFocusFrame();
        return false;
    }
};

TFocusFrameHook*& Hook() {
    static TFocusFrameHook* hook = nullptr;
    return hook;
}

void ShutdownAtExit() { GridPackShutdown(); }

}  // namespace

void GridPackStartup() {
    TGridPackState& state = State();
    if (state.Started) return;
    state.Started = true;
    FocusGrid() = nullptr;
    if (!Hook() && QCoreApplication::instance()) {
        Hook() = new TFocusFrameHook();
        QCoreApplication::instance()->installEventFilter(Hook());
        state.HookInstalled = true;
        qAddPostRoutine(ShutdownAtExit);
    }
    const int comctl = GetFileVersion(QStringLiteral("comctl32.dll"));
    state.ComCtlFlag = comctl >= ((4 << 16) | 70);
    state.CellsClipboardFormat = RegisterClipboardFormat(QStringLiteral("TExStringGrid Cells"));
    state.GridEditDoneMessage = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    state.DTPShiftFocusMessage = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
}

void GridPackShutdown() {
    TGridPackState& state = State();
    if (Hook()) {
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(Hook());
        delete Hook();
        Hook() = nullptr;
    }
    FocusGrid() = nullptr;
    state = TGridPackState();
}

const TGridPackState& GridPackState() { return State(); }

TExStringGrid* FocusFrameGrid() { return FocusGrid(); }
void SetFocusFrameGrid(TExStringGrid* Grid) { FocusGrid() = Grid; }

void PlaceFocusFrame() {
    TExStringGrid* grid = FocusGrid();
    if (!grid || !grid->FocusWindow()) return;
    const TRect cell = grid->CellRect(grid->Col(), grid->Row());
    QWidget* frame = grid->FocusWindow();
    const QPoint topLeft = frame->parentWidget()
                               ? QPoint(cell.Left - 4, cell.Top - 4)
                               : grid->mapToGlobal(QPoint(cell.Left - 4, cell.Top - 4));
    frame->setGeometry(topLeft.x(), topLeft.y(), cell.Width() + 9, cell.Height() + 9);
}
