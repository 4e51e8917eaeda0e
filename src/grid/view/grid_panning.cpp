// Middle-button panning of the string grid. A middle press marks an origin (shown by
// a small picture); every 10 ms tick then moves one column or row (or scrolls by one,
// with waScroll) towards the side the mouse is on, 5 pixels round the origin being a
// dead zone, and the cursor shows the direction. The cursors and pictures are drawn
// here: only their roles and sizes are fixed.

#include "grid/core/string_grid.h"
#include "platform/interval_timer.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int PanTickMs = 10;
constexpr int PanDeadZone = 5;
constexpr int PanIndicatorSize = 26;
constexpr int PanIndicatorArea = 32;  // the square invalidated round the origin

// The pan cursor of a direction: 8000 none, 8001 down, 8002 left, 8003 right, 8004 up,
// 8005 up-right, 8006 up-left, 8007 down-right, 8008 down-left.
int PanCursorNumber(int Vertical, int Horizontal) {
    static const int table[3][3] = {
        {8006, 8004, 8005},  // up: left, none, right
        {8002, 8000, 8003},
        {8008, 8001, 8007},
    };
    return table[Vertical + 1][Horizontal + 1];
}

// A triangle pointing (dx, dy) from the centre c, at distance d.
QPolygon Arrow(QPoint c, int dx, int dy, int d) {
    const QPoint tip = c + QPoint(dx, dy) * d;
    const QPoint back = c + QPoint(dx, dy) * (d - 5);
    const QPoint side(-dy * 4, dx * 4);
    return QPolygon({tip, back + side, back - side});
}

void DrawPanMark(QPainter& painter, QPoint centre, const std::vector<QPoint>& directions, int distance) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 3, 3);
    painter.setBrush(Qt::black);
    for (const QPoint& d : directions) painter.drawPolygon(Arrow(centre, d.x(), d.y(), distance));
}

QCursor PanCursor(int Number) {
    static const std::vector<QPoint> all = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    std::vector<QPoint> directions;
    switch (Number) {
    case 8001: directions = {{0, 1}}; break;
    case 8002: directions = {{-1, 0}}; break;
    case 8003: directions = {{1, 0}}; break;
    case 8004: directions = {{0, -1}}; break;
    case 8005: directions = {{1, -1}}; break;
    case 8006: directions = {{-1, -1}}; break;
    case 8007: directions = {{1, 1}}; break;
    case 8008: directions = {{-1, 1}}; break;
    default: directions = all;
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawPanMark(painter, {16, 16}, directions, 12);
    return QCursor(pixmap, 16, 16);
}

// "INTLI3" (vertical), "INTLI2" (horizontal), "INTLI1" (both).
QPixmap PanOriginPicture(TIntelliPan Pan) {
    std::vector<QPoint> directions;
    if (Pan != ipHorizontal) directions.insert(directions.end(), {{0, -1}, {0, 1}});
    if (Pan != ipVertical) directions.insert(directions.end(), {{-1, 0}, {1, 0}});
    QPixmap pixmap(PanIndicatorSize, PanIndicatorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(0.5, 0.5, PanIndicatorSize - 1, PanIndicatorSize - 1));
    DrawPanMark(painter, {PanIndicatorSize / 2, PanIndicatorSize / 2}, directions, 11);
    return pixmap;
}

}  // namespace

void TExStringGrid::StartPanning(TPoint Origin) {
    QWidget* view = viewport();
    FPrevCursor = view->testAttribute(Qt::WA_SetCursor) ? QVariant::fromValue(view->cursor()) : QVariant();
    FPanCursorId = 8000;
    view->setCursor(PanCursor(FPanCursorId));
    FWheelPan = true;
    FWheelPanPos = Origin;
    FPanTimer = CreateIntervalTimer();
    FPanTimer->OnTick = [this] { PanStep(); };
    FPanTimer->Start(PanTickMs);
    view->grabMouse();
    SetShowHint(false);
    DrawPanIndicator();
}

void TExStringGrid::StopPanning() {
    QWidget* view = viewport();
    view->releaseMouse();
    if (FPanTimer) FPanTimer->Stop();
    FPanTimer.reset();
    if (FPrevCursor.isValid())
        view->setCursor(FPrevCursor.value<QCursor>());
    else
        view->unsetCursor();
    FPrevCursor = QVariant();
    SetShowHint(true);
    FWheelPan = false;
    FPanCursorId = 0;
    InvalidatePanIndicator();
}

void TExStringGrid::DrawPanIndicator() {
    if (IntelliPan() == ipNone) return;
    if (!FPanIndicator) {
        auto* label = new QLabel(viewport());
        label->setObjectName(QStringLiteral("PanIndicator"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAttribute(Qt::WA_TranslucentBackground);
        FPanIndicator = label;
    }
    auto* label = static_cast<QLabel*>(FPanIndicator);
    label->setPixmap(PanOriginPicture(IntelliPan()));
    label->setGeometry(FWheelPanPos.X, FWheelPanPos.Y, PanIndicatorSize, PanIndicatorSize);
    label->show();
    label->raise();
}

void TExStringGrid::InvalidatePanIndicator() {
    if (FPanIndicator) FPanIndicator->hide();
    viewport()->update(FWheelPanPos.X, FWheelPanPos.Y, PanIndicatorArea, PanIndicatorArea);
}

void TExStringGrid::PanStep() {
    if (!FWheelPan || IntelliPan() == ipNone) return;
    const TGridRect oldSelection = Selection();
    const QPoint p = CursorPosition ? CursorPosition() : viewport()->mapFromGlobal(QCursor::pos());
    const TPoint o = FWheelPanPos;
    int v = p.y() < o.Y - PanDeadZone ? -1 : p.y() > o.Y + PanDeadZone ? 1 : 0;
    int h = p.x() > o.X + PanDeadZone ? 1 : p.x() < o.X - PanDeadZone ? -1 : 0;
    if (IntelliPan() == ipHorizontal) v = 0;
    if (IntelliPan() == ipVertical) h = 0;
    FPanCursorId = PanCursorNumber(v, h);

    const int fixedRows = TStringGrid::FixedRows();
    const int fixedCols = TStringGrid::FixedCols();
    const int lastRow = RowCount() - FixedFooters() - 1;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    if (Row() < fixedRows || Row() > lastRow) SetRow(std::max(fixedRows, std::min(Row(), lastRow)));
    if (Col() < fixedCols || Col() > lastCol) SetCol(std::max(fixedCols, std::min(Col(), lastCol)));

    if (FMouseActions->WheelAction() == waScroll) {
        if (h < 0 && LeftCol() > fixedCols) {
            InvalidatePanIndicator();
            SetLeftCol(LeftCol() - 1);
        } else if (h > 0 && LeftCol() < ColCount() - VisibleColCount()) {
            InvalidatePanIndicator();
            SetLeftCol(LeftCol() + 1);
        }
        if (v < 0 && TopRow() > fixedRows) {
            InvalidatePanIndicator();
            SetTopRow(TopRow() - 1);
        } else if (v > 0 && TopRow() < RowCount() - VisibleRowCount()) {
            InvalidatePanIndicator();
            SetTopRow(TopRow() + 1);
        }
    } else {
        auto leavesView = [&](int c, int r) {
            return c < LeftCol() || c >= LeftCol() + VisibleColCount() || r < TopRow() ||
                   r >= TopRow() + VisibleRowCount();
        };
        int col = Col();
        int row = Row();
        if (h < 0 && col > fixedCols) col = std::max(fixedCols, col - 1);
        if (h > 0 && col < lastCol) col = std::min(ColCount() - 1, col + 1);
        if (v < 0 && row > fixedRows) row = std::max(0, row - 1);
        if (v > 0 && row < lastRow) row = std::min(RowCount() - 1, row + 1);
        if (col != Col() || row != Row()) {
            if (leavesView(col, row)) InvalidatePanIndicator();
            MoveColRow(col, row, true, true);
        }
    }
    viewport()->setCursor(PanCursor(FPanCursorId));
    DrawPanIndicator();
    if (const TGridRect now = Selection(); !(now == oldSelection))
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}
