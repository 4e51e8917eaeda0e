#include "grid/view/cell_scroll_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {
// A scroll bar's own maximum is the last position; a cell's range is the whole length.
int LastPosition(int PageSize, int Range) { return std::max(0, Range - std::max(PageSize, 0)); }
}  // namespace

TCellScrollBar::TCellScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setObjectName(QStringLiteral("FScrollBar"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TCellScrollBar::SetCellValues(int Position, int PageSize, int Range) {
    setRange(0, LastPosition(PageSize, Range));
    setPageStep(std::max(PageSize, 1));
    setValue(Position);
}

void TCellScrollBar::PaintCellBar(QPainter& Painter, const QRect& Rect, int Position, int PageSize,
                                  int Range) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The style lays the arrows and the handle out from the option's rectangle as if it
    // stood at the origin, as a widget's own rectangle does: paint there, moved into place.
    option.rect = QRect(QPoint(0, 0), Rect.size());
    option.minimum = 0;
    option.maximum = LastPosition(PageSize, Range);
    option.pageStep = std::max(PageSize, 1);
    option.sliderPosition = std::clamp(Position, 0, option.maximum);
    option.sliderValue = option.sliderPosition;
    // A painted bar is at rest: not hovered, not pressed, whatever the live one is doing.
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_HasFocus);
    option.state |= QStyle::State_Enabled;
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    Painter.save();
    Painter.translate(Rect.topLeft());
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &Painter, this);
    Painter.restore();
}
