#pragma once
// The cell-drawing interface a ctInterface cell object implements: the grid asks it for
// its size and lets it draw itself. An object that does not implement it draws nothing.

#include "platform/canvas.h"

#include <QtGlobal>

class TExStringGrid;

class ICellGraphic {
public:
    static constexpr const char* IID = "{0712BE3F-5C9A-4771-BF71-4C987CDC39B3}";
    virtual ~ICellGraphic() = default;
    virtual void Draw(TCanvas& Canvas, const TRect& R, int ACol, int ARow, bool Selected, TExStringGrid* Grid) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    // Drawn under the text rather than over it.
    virtual bool IsBackground() const = 0;
};

// A percentage limited to 0..100.
inline double ClampPercent(double Value) { return qBound(0.0, Value, 100.0); }
