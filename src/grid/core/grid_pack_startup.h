#pragma once
// Process-wide state of the grid pack, prepared once before the first grid and released
// at exit in the reverse order: the registered event types "GridEditDone" and
// "DTPShiftFocus", the clipboard MIME type of "TExStringGrid Cells", the common-controls
// flag, and the focus-frame hook (one application event filter that keeps the focus
// frame window of FocusFrameGrid on its cell while top-level windows move).
// The visual-styles bindings stay unbound, and OLE, class registration and the old wheel
// window have nothing to do on this platform.

#include <QString>

class TExStringGrid;

struct TGridPackState {
    bool Started = false;
    bool HookInstalled = false;
    bool ComCtlFlag = false;
    int GridEditDoneMessage = 0;
    int DTPShiftFocusMessage = 0;
    QString CellsClipboardFormat;
};

// Runs the start-up once per process, however often called (every grid calls it).
void GridPackStartup();
// Undoes the start-up (also run at exit); a later start-up runs it again.
void GridPackShutdown();
const TGridPackState& GridPackState();

// The grid whose focus frame window follows its current cell, or nullptr.
TExStringGrid* FocusFrameGrid();
void SetFocusFrameGrid(TExStringGrid* Grid);
// Moves the focus frame window onto the current cell of FocusFrameGrid.
void PlaceFocusFrame();
