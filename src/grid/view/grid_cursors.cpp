// The select modes the mouse is in over the headers, and the cursors they show. The
// cursors of the program's resources are drawn here: a thick black arrow with a white
// rim pointing along what a press would select, and the split cursors of the fixed
// borders as a bar with an arrow head on each side.

#include "grid/core/string_grid.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

namespace {

constexpr int kCursorSize = 32;
constexpr int kSizingBorderReach = 3;

// An arrow pointing right with its tip at (TipX, 16), turned by Angle degrees about the tip.
QPainterPath ArrowPath(qreal Angle, QPointF Tip) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(-8, -7);
    path.lineTo(-8, -3);
    path.lineTo(-16, -3);
    path.lineTo(-16, 3);
    path.lineTo(-8, 3);
    path.lineTo(-8, 7);
    path.closeSubpath();
    QTransform turn;
    turn.translate(Tip.x(), Tip.y());
    turn.rotate(Angle);
    return turn.map(path);
}

QPainterPath SplitPath(bool Columns) {
    QPainterPath path;
    // Two heads apart from a bar of 4 pixels in the middle, drawn for columns and turned for rows.
    path.addRect(14, 6, 4, 20);
    path.addPath(ArrowPath(180, {3, 16}));
    path.addPath(ArrowPath(0, {29, 16}));
    if (Columns) return path;
    QTransform turn;
    turn.translate(16, 16);
    turn.rotate(90);
    turn.translate(-16, -16);
    return turn.map(path);
}

// A cross of two bars with a small cell frame round its centre: the cell selector.
QPainterPath CellSelectorPath() {
    QPainterPath path;
    path.addRect(15, 2, 2, 28);
    path.addRect(2, 15, 28, 2);
    path.addRect(11, 11, 10, 10);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QCursor DrawnCursor(const QPainterPath& Path, QPoint HotSpot) {
    QPixmap picture(kCursorSize, kCursorSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPath(Path);
    painter.end();
    return QCursor(picture, HotSpot.x(), HotSpot.y());
}

}  // namespace

QCursor TExStringGrid::ResourceCursor(int Id) {
    switch (Id) {
    case 8010: return DrawnCursor(ArrowPath(0, {24, 16}), {24, 16});      // row select: points right
    case 8011: return DrawnCursor(ArrowPath(90, {16, 24}), {16, 24});     // column select: points down
    case 8012: return DrawnCursor(ArrowPath(45, {22, 22}), {22, 22});     // select all: points down-right
    case CellSelectorCursor: return DrawnCursor(CellSelectorPath(), {16, 16});
    case SplitColumnCursor: return DrawnCursor(SplitPath(true), {16, 16});
    case SplitRowCursor: return DrawnCursor(SplitPath(false), {16, 16});
    default: break;
    }
    return QCursor(Qt::ArrowCursor);
}

bool TExStringGrid::IsOnSizingBorder(int ACol, int ARow, int X, int Y) {
    const TRect cell = CellRect(ACol, ARow);
    if (Options().Contains(goColSizing) && ARow < TStringGrid::FixedRows() &&
        (cell.Right - X <= kSizingBorderReach || (ACol > 0 && X - cell.Left <= kSizingBorderReach)))
        return true;
    return Options().Contains(goRowSizing) && ACol < TStringGrid::FixedCols() &&
           (cell.Bottom - Y <= kSizingBorderReach || (ARow > 0 && Y - cell.Top <= kSizingBorderReach));
}

void TExStringGrid::UpdateSelectMode(int ACol, int ARow, int X, int Y, bool OnResizer, bool AboveHeader) {
    FMouseSelectMode = OnResizer ? msResize : msNormal;
    if (ACol < 0 || ARow < 0) return;
    const bool fixedRow = ARow < TStringGrid::FixedRows();
    const bool fixedCol = ACol < TStringGrid::FixedCols();
    // Each test overrides the one before.
    if (fixedRow && fixedCol && FMouseActions->AllSelect()) FMouseSelectMode = msAll;
    if (fixedRow && !fixedCol && FMouseActions->ColSelect() && !IsOnSizingBorder(ACol, ARow, X, Y))
        FMouseSelectMode = msColumn;
    const int lastRowOffset = FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow ? 2 : 1;
    if (fixedCol && ARow <= RowCount() - lastRowOffset && (!fixedRow || AboveHeader) && FMouseActions->RowSelect() &&
        !IsOnSizingBorder(ACol, ARow, X, Y) && !(IsNode(ARow) && IsOnNodeGlyph(ARow, X)))
        FMouseSelectMode = msRow;
    if (FMouseSelectMode == msAll || FMouseSelectMode == msColumn || FMouseSelectMode == msRow) Invokedchange = true;
}

// The least form of the set-cursor handling: it runs after every move, once the base
// control has shown its own split cursor over a sizing border or taken its cursor away.
void TExStringGrid::WMSetCursor() {
    QWidget* view = Surface();
    const TGridState state = GridState();
    int cursor = 0;
    if (FSizeFixed || FSizingFixed) cursor = SplitColumnCursor;
    else if (FSizeFixedR || FSizingFixedR) cursor = SplitRowCursor;
    else if (state == gsColSizing || state == gsRowSizing || state == gsColMoving || state == gsRowMoving) return;
    else if (FMouseSelectMode == msColumn) cursor = 8011;
    else if (FMouseSelectMode == msRow) cursor = 8010;
    else if (FMouseSelectMode == msAll || FMouseSelectMode == msResize) cursor = 8012;
    else if (FMouseSelectMode == msNormal && FCellSelectorMode) cursor = CellSelectorCursor;
    if (cursor != 0) view->setCursor(ResourceCursor(cursor));
    else if (FLinkUnderMouse) view->setCursor(Qt::PointingHandCursor);
    else if (FSpecialCursor && state != gsNormal) view->unsetCursor();
    if (cursor == 0 && FMouseSelectMode == msNormal) CellCursorUnderMouse();
    FSpecialCursor = cursor != 0 || FLinkUnderMouse;
}
