#include "grid/edit/label_position.h"

#include <QFontMetrics>
#include <QLabel>

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

void PlaceCaptionLabel(QLabel* Label, const QWidget* Control, TLabelPosition Position, int Margin, bool Transparent,
                       const QFont& Font) {
    // A label made while the control had no parent joins the control's parent later.
    QWidget* parent = Control->parentWidget();
    if (parent && Label->parentWidget() != parent) Label->setParent(parent);
    Label->setAutoFillBackground(!Transparent);
    QFont labelFont = Font;
    labelFont.setBold(Label->font().bold());
    Label->setFont(labelFont);
    Label->adjustSize();
    const int tw = QFontMetrics(Label->font()).horizontalAdvance(Label->text());
    Label->move(LabelTopLeft(Position, Control->geometry(), tw, Label->size(), Margin));
    Label->setVisible(!Control->isHidden() && Label->parentWidget() != Control);
}
