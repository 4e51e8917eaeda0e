#include "grid/edit/label_position.h"

namespace {

// Centred on a span: a longer label sticks out equally on both sides.
int Centred(int start, int span, int length) {
    return length > span ? start - (length - span) / 2 : start + (span - length) / 2;
}

}  // namespace

QPoint LabelTopLeft(TLabelPosition Position, const QRect& Control, int TextWidth, QSize LabelSize, int Margin) {
    const int tw = TextWidth, lh = LabelSize.height(), lw = LabelSize.width(), m = Margin;
    const int left = Control.x(), top = Control.y(), w = Control.width(), h = Control.height();
    switch (Position) {
    case lpLeftTop: return {left - tw - m, top};
    case lpLeftCenter: return {left - tw - m, Centred(top, h, lh)};
    case lpLeftBottom: return {left - tw - m, top + h - lh};
    case lpTopLeft: return {left, top - lh - m};
    case lpBottomLeft: return {left, top + h + m};
    case lpLeftTopLeft: return {left - m, top};
    case lpLeftCenterLeft: return {left - m, Centred(top, h, lh)};
    case lpLeftBottomLeft: return {left - m, top + h - lh};
    case lpTopCenter: return {Centred(left, w, lw), top - lh - m};
    case lpBottomCenter: return {Centred(left, w, lw), top + h + m};
    case lpRightTop: return {left + w + m, top};
    case lpRightCenter: return {left + w + m, Centred(top, h, lh)};
    case lpRighBottom: return {left + w + m, top + h - lh};
    }
    return {left, top};
}
