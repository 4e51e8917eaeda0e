#include "grid/core/scroll_control.h"

#include "grid/core/string_grid.h"

#include <algorithm>
#include <cmath>

namespace {
// The nearest integer, a tie to the even one.
int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

constexpr int MinimumThumb = 20;
}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void TScrollControl::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Invalidate();
}

TExStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExStringGrid*>(parentWidget()); }

TScrollControl::TLines TScrollControl::LinesOf(const TExStringGrid& grid) const {
    TLines lines{};
    if (FDirection == sdVertical) {
        lines.Count = grid.RowCount();
        lines.Fixed = grid.FixedRows();
        lines.First = grid.TopRow();
        lines.Visible = grid.VisibleRowCount();
        for (int r = 0; r < std::min(lines.Fixed, lines.Count); ++r) lines.FixedSize += grid.RowHeights(r);
        for (int r = std::max(0, lines.Count - grid.FixedFooters()); r < lines.Count; ++r)
            lines.FooterSize += grid.RowHeights(r);
        lines.FirstLineSize = lines.Count > 0 ? grid.RowHeights(0) : 0;
        lines.Length = height();
    } else {
        lines.Count = grid.ColCount();
        lines.Fixed = grid.FixedCols();
        lines.First = grid.LeftCol();
        lines.Visible = grid.VisibleColCount();
        for (int c = 0; c < std::min(lines.Fixed, lines.Count); ++c) lines.FixedSize += grid.ColWidths(c);
        for (int c = std::max(0, lines.Count - grid.FixedRightCols()); c < lines.Count; ++c)
            lines.FooterSize += grid.ColWidths(c);
        lines.FirstLineSize = lines.Count > 0 ? grid.ColWidths(0) : 0;
        lines.Length = width();
    }
    return lines;
}

std::optional<TScrollControl::TThumb> TScrollControl::Thumb() const {
    const TExStringGrid* grid = Grid();
    if (!grid) return std::nullopt;
    const TLines lines = LinesOf(*grid);
    const int scrollable = lines.Count - lines.Fixed;
    const int track = lines.Length - lines.FixedSize - lines.FooterSize;
    if (scrollable <= 0 || lines.Visible >= scrollable || track <= 0) return std::nullopt;
    // The drag divides by the length left beside the first line.
    if (lines.Length - lines.FirstLineSize <= 0) return std::nullopt;
    const double at = double(lines.First - lines.Fixed) / scrollable;
    const double shown = double(lines.Visible) / lines.Count;
    TThumb thumb;
    thumb.Start = lines.FixedSize + Nearest(track * at);
    thumb.Size = std::max(MinimumThumb, Nearest(track * shown));
    if (thumb.Size > track) return std::nullopt;
    if (thumb.Start + thumb.Size > lines.Length) thumb.Start = lines.Length - thumb.Size;
    thumb.Start = std::max(0, thumb.Start);
    return thumb;
}

void TScrollControl::Paint() {
    const auto thumb = Thumb();
    if (!thumb) return;
    TCanvas* canvas = Canvas();
    canvas->Brush.Color = FColor;
    canvas->Pen.Color = FColor;
    if (FDirection == sdVertical)
        canvas->FillRect(Rect(0, thumb->Start, FScrollWidth, thumb->Start + thumb->Size));
    else
        canvas->FillRect(Rect(thumb->Start, 0, thumb->Start + thumb->Size, FScrollWidth));
}

void TScrollControl::ScrollTo(TExStringGrid& grid, int First) const {
    if (FDirection == sdVertical)
        grid.SetTopRow(First);
    else
        grid.SetLeftCol(First);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TExStringGrid* grid = Grid();
    const auto thumb = Thumb();
    if (!grid || !thumb) return;
    const TLines lines = LinesOf(*grid);
    const int pos = FDirection == sdVertical ? Y : X;
    if (pos < thumb->Start) {
        ScrollTo(*grid, std::max(lines.Fixed, lines.First - lines.Visible));
    } else if (pos > thumb->Start + thumb->Size) {
        ScrollTo(*grid, std::min(lines.First + lines.Visible, lines.Count - lines.Visible));
    } else {
        FDownOnScroller = true;
        FDownPos = pos;
        FDownRow = lines.First;
    }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDownOnScroller) return;
    TExStringGrid* grid = Grid();
    if (!grid || !Thumb()) return;
    const TLines lines = LinesOf(*grid);
    const int pos = FDirection == sdVertical ? Y : X;
    const int moved = Nearest(double(pos - FDownPos) / (lines.Length - lines.FirstLineSize) * lines.Count);
    ScrollTo(*grid, std::max(lines.Fixed, std::min(moved + FDownRow, lines.Count - lines.Visible)));
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
