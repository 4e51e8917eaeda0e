// What the grid paints around and beyond its cells: the paint cycle, the background
// outside the cells, the coloured border, the focus frame and the sizing lines.
//
// Qt has no non-client area: the grid keeps a one-pixel margin (two with
// FitCellsInGrid) around its viewport while it has a border style, and the coloured
// border is painted in that margin by the scroll area's own paint. Everything else is
// painted in paint events of the viewport; the sizing lines are an overlay that the
// paint draws inverted over the cells, so toggling one twice restores the picture.

#include "grid/core/string_grid.h"

#include "controls/gradient_drawing.h"
#include "grid/core/grid_pack_startup.h"
#include "grid/view/grid_focus_windows.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>

namespace {

constexpr TColor kFocusFrameColor = TColor(0xFDD397);
constexpr int kFocusFrameOpacity = 230;

void ToggleLine(std::vector<int>& Lines, int Position) {
    auto it = std::find(Lines.begin(), Lines.end(), Position);
    if (it != Lines.end()) Lines.erase(it);
    else Lines.push_back(Position);
}

// The default background has a ColorTo but draws nothing: only a picture or a gradient
// with both colours covers the area outside the cells.
bool PaintsOutsideCells(const TBackGround& Back) {
    return !Back.Bitmap.Empty() || (Back.IsGradient() && Back.ColorTo != clNone);
}

}  // namespace

// ---- paint cycle ----------------------------------------------------------------------------

void TExStringGrid::Paint() {
    // Counted without telling the window (StartUpdate): the paint is held back.
    if (FUpdateCount >= 1) return;
    TCanvas* canvas = Canvas();
    canvas->Pen.Style = psSolid;
    canvas->Brush.Style = bsSolid;
    TBaseGrid::Paint();
    ++FPaintCount;
    if (EditorMode()) {
        const bool noLines = GridLineWidth() < 1 || (!Options().Contains(goVertLine) && !Options().Contains(goHorzLine));
        canvas->Pen.Color = noLines ? Color() : GridLineColor();
        canvas->Brush.Style = bsClear;
        canvas->Rectangle(CellRect(Col(), Row()));
        canvas->Brush.Style = bsSolid;
    }
    canvas->Pen.Color = clBlack;
    if (PaintsOutsideCells(*FBackGround)) PaintBackgroundOutsideCells();
    PaintDesignHelper();
    PaintSizingLines();
    if (OnPainted) OnPainted(this);
}

bool TExStringGrid::CanScrollPicture() const {
    const bool designPanel = InDesignMode() && FShowDesignHelper;
    return FUpdateCount == 0 && MergeCount() == 0 && !PaintsOutsideCells(*FBackGround) && !FFloatingFooter->Visible &&
           !FSearchFooter->Visible() && FFixedRightCols == 0 && FSizingLinesX.empty() && FSizingLinesY.empty() &&
           !designPanel;
}

void TExStringGrid::PaintBackgroundOutsideCells() {
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const bool lastRowVisible = TopRow() + VisibleRowCount() >= RowCount();
    const bool lastColVisible = LeftCol() + VisibleColCount() >= ColCount();
    if (!lastRowVisible && !lastColVisible) return;
    if (FBackGround->IsGradient() && FBackGround->ColorTo == clNone) return;
    const TRect client{0, 0, viewport()->width(), viewport()->height()};
    QRegion region;
    if (lastColVisible && lastCol >= 0) {
        const TRect cell = CellRect(lastCol, TopRow());
        const int right = cell.Right + GridLineWidth() - 1;
        if (cell.Width() > 0 && right < client.Right) region += QRect(right, 0, client.Right - right, client.Bottom);
    }
    if (lastRowVisible && lastRow >= 0) {
        const TRect cell = CellRect(LeftCol(), lastRow);
        const int bottom = cell.Bottom + GridLineWidth() - 1;
        if (cell.Height() > 0 && bottom < client.Bottom) region += QRect(0, bottom, client.Right, client.Bottom - bottom);
    }
    if (region.isEmpty()) return;
    QPainter* painter = Canvas()->Painter();
    painter->save();
    painter->setClipRegion(region, Qt::IntersectClip);
    // The search footer has room of its own below the cells; the floating footer lies over them.
    TRect area = client;
    if (FFloatingFooter->Visible) area.Bottom -= FFloatingFooter->Height;
    if (FBackGround->Bitmap.Empty()) {
        if (FBackGround->IsGradient())
            DrawGradient(*Canvas(), FBackGround->Color, FBackGround->ColorTo, 128, client,
                         FBackGround->Display == bdGradientHorz);
    } else if (FBackGround->Display != bdTile) {
        DrawBackgroundFixed(area);
    } else if (FBackGround->Cells != bcFixed) {
        DrawBackgroundTiled(area);
    }
    painter->restore();
}

void TExStringGrid::DrawBackgroundFixed(TRect ARect) {
    const QImage& image = FBackGround->Bitmap.Image();
    const QRect target = QRect(FBackGround->Left, FBackGround->Top, image.width(), image.height()) & ARect.ToQRect();
    if (target.isEmpty()) return;
    Canvas()->Painter()->drawImage(target, image, target.translated(-FBackGround->Left, -FBackGround->Top));
}

void TExStringGrid::DrawBackgroundTiled(TRect ARect) {
    const QImage& image = FBackGround->Bitmap.Image();
    if (image.isNull()) return;
    QPoint start(ARect.Left, ARect.Top);
    if (FBackGround->Cells == bcNormal) {
        const TRect first = CellRect(TStringGrid::FixedCols(), TStringGrid::FixedRows());
        start = QPoint(first.Left, first.Top);
    }
    start += QPoint(FXYOffset.X, FXYOffset.Y) - QPoint(1, 1);
    QPainter* painter = Canvas()->Painter();
    painter->save();
    painter->setClipRect(ARect.ToQRect(), Qt::IntersectClip);
    for (int y = start.y(); y < ARect.Bottom; y += image.height())
        for (int x = start.x(); x < ARect.Right; x += image.width()) painter->drawImage(x, y, image);
    painter->restore();
}

// ---- coloured border ------------------------------------------------------------------------

bool TExStringGrid::HasColoredBorder() const {
    const bool look = FLook == glSoft || (FLook >= glZRT && FLook <= glOffice2007);
    return look && FBorderStyle != bsNone && FBorderColor != clNone && !FFlat;
}

void TExStringGrid::ApplyBorderMargins() {
    const int margin = FBorderStyle == bsNone ? 0 : FFitCellsInGrid ? 2 : 1;
    // The shown search panel sits below the cells, so it never covers a row.
    setViewportMargins(margin, margin, margin, margin + SearchPanelHeight());
}

void TExStringGrid::SetBorderStyle(TFormBorderStyle Value) {
    FBorderStyle = Value;
    ApplyBorderMargins();
    update();
}

void TExStringGrid::SetFitCellsInGrid(bool Value) {
    FFitCellsInGrid = Value;
    ApplyBorderMargins();
    update();
}

// Repaints the margin; the scroll area's paint draws the border (see event()).
void TExStringGrid::PaintBorderColor() {
    if (FUpdateCount == 0) update();
}

bool TExStringGrid::event(QEvent* event) {
    const bool handled = TBaseGrid::event(event);
    if (event->type() == QEvent::Paint && FBorderStyle != bsNone && FUpdateCount == 0) {
        QPainter painter(this);
        const int w = width();
        const int h = height();
        // The margin is the grid's own: without a coloured border it takes the grid's
        // background colour so no parent colour shows through.
        painter.fillRect(rect(), ToQColor(HasColoredBorder() ? FBorderColor : Color() == clDefault ? clWindow : Color()));
        if (HasColoredBorder() && FFitCellsInGrid && parentWidget())
            painter.fillRect(rect(), parentWidget()->palette().color(parentWidget()->backgroundRole()));
        if (HasColoredBorder() && FFitCellsInGrid) {
            painter.setPen(ToQColor(FBorderColor));
            painter.drawRect(1, 1, w - 3, h - 3);
        }
    }
    return handled;
}

bool TExStringGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        CMHintShow(static_cast<QHelpEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::Leave) CMMouseLeave();
    return TBaseGrid::viewportEvent(event);
}

// ---- focus frame ------------------------------------------------------------------------------

void TExStringGrid::ShowFocusWindow(TRect ARect) {
    auto* window = static_cast<TGridFocusWindow*>(FFocusWindow);
    if (!window) return;
    window->hide();
    const int w = ARect.Width() + 9;
    const int h = ARect.Height() + 9;
    QImage ring;
    CreateRoundRectMask(ring, w, h, 5, 3, 4);
    QImage colour(w, h, QImage::Format_RGB888);
    colour.fill(ToQColor(kFocusFrameColor));
    TGridAlphaMask mask;
    mask.MergeMask(ring, colour, 0xFFFF);
    mask.SetOpacity(kFocusFrameOpacity);
    AttachToTopLevel(window, this);
    ApplyLayeredAlphaMask(window, mask);
    // Only a 4-pixel ring stays: the cell itself is cut out.
    window->setMask(QRegion(0, 0, w, h).xored(QRegion(4, 4, ARect.Width(), ARect.Height())));
    SetFocusFrameGrid(this);
    MoveFocusWindow();
    window->show();
    window->raise();
}

void TExStringGrid::MoveFocusWindow() {
    if (!FFocusWindow || !FFocusWindow->parentWidget()) return;
    const TRect cell = CellRect(Col(), Row());
    const QPoint topLeft = viewport()->mapTo(FFocusWindow->parentWidget()->window(), QPoint(cell.Left - 4, cell.Top - 4));
    const QPoint inParent = FFocusWindow->parentWidget()->mapFrom(FFocusWindow->parentWidget()->window(), topLeft);
    FFocusWindow->setGeometry(inParent.x(), inParent.y(), cell.Width() + 9, cell.Height() + 9);
}

void TExStringGrid::HideFocusWindow() {
    if (FocusFrameGrid() == this) SetFocusFrameGrid(nullptr);
    if (!FFocusWindow) return;
    FFocusWindow->hide();
    // Back under the grid, so the grid's lifetime owns it again.
    if (FFocusWindow->parentWidget() != this) FFocusWindow->setParent(this);
}

// ---- sizing lines ------------------------------------------------------------------------------

void TExStringGrid::DrawColSizingLine(int X) {
    ToggleLine(FSizingLinesX, X);
    viewport()->update(X - 1, 0, 3, viewport()->height());
}

void TExStringGrid::DrawRowSizingLine(int Y) {
    ToggleLine(FSizingLinesY, Y);
    viewport()->update(0, Y - 1, viewport()->width(), 3);
}

void TExStringGrid::PaintSizingLines() {
    if (FSizingLinesX.empty() && FSizingLinesY.empty()) return;
    QPainter* painter = Canvas()->Painter();
    painter->save();
    QPen pen(Qt::white, 1, Qt::DotLine);
    painter->setPen(pen);
    // Inverting keeps the line visible on any colour, as an XOR line is.
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const int lastRowBottom = CellRect(0, RowCount() - 1).Bottom;
    const int lastColRight = CellRect(ColCount() - 1, 0).Right;
    for (int x : FSizingLinesX) painter->drawLine(x, 0, x, std::max(viewport()->height(), lastRowBottom));
    for (int y : FSizingLinesY) painter->drawLine(0, y, std::max(viewport()->width(), lastColRight), y);
    painter->restore();
}
