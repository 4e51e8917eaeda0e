// Arrow and focus frame windows.

#include "grid/view/grid_focus_windows.h"

#include <QPainter>
#include <QRegion>

namespace {

void MakeIndicator(QWidget* w) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setFocusPolicy(Qt::NoFocus);
    w->hide();
}

}  // namespace

QPolygon TArrowWindow::Outline(TArrowDirection Direction) {
    switch (Direction) {
    case arrUp: return QPolygon({{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}});
    case arrDown: return QPolygon({{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}});
    case arrLeft: return QPolygon({{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}});
    case arrRight: break;
    }
    return QPolygon({{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}});
}

TArrowWindow::TArrowWindow(QWidget* AOwner, TArrowDirection Direction) : QWidget(AOwner), FDir(Direction) {
    MakeIndicator(this);
    FArrow = Outline(FDir);
    const QRect bounds = FArrow.boundingRect();
    resize(bounds.right() + 1, bounds.bottom() + 1);
    setMask(QRegion(FArrow, Qt::WindingFill));
}

void TArrowWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(FColor));
}

TGridFocusWindow::TGridFocusWindow(QWidget* AOwner) : QWidget(AOwner) {
    MakeIndicator(this);
    resize(0, 0);
}

void TGridFocusWindow::paintEvent(QPaintEvent*) {
    if (FMask.Empty()) return;
    QPainter painter(this);
    painter.setOpacity(FMask.Opacity() / 255.0);
    painter.drawImage(0, 0, FMask.Image());
}

void ApplyLayeredAlphaMask(TGridFocusWindow* Window, const TGridAlphaMask& Mask) {
    if (!Window || Mask.Empty()) return;
    Window->SetMask(Mask);
    Window->resize(Mask.Width(), Mask.Height());
    Window->update();
}

void AttachToTopLevel(QWidget* Indicator, QWidget* Anchor) {
    QWidget* top = Anchor->window();
    if (Indicator->parentWidget() != top) {
        const bool shown = Indicator->isVisible();
        Indicator->setParent(top);
        Indicator->setVisible(shown);
    }
    Indicator->raise();
}
