// The flat combo's caption label: created with the first caption, placed beside the
// control at one of thirteen positions whenever the control or a label property changes.
#include "grid/edit/flat_combo.h"

#include <QFontMetrics>

namespace {

// Centred on a span: a longer label sticks out equally on both sides.
int Centred(int start, int span, int length) {
    return length > span ? start - (length - span) / 2 : start + (span - length) / 2;
}

}  // namespace

QString TAsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TAsgCustomCombo::SetLabelCaption(const QString& value) {
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(value);
    PlaceLabel();
}

void TAsgCustomCombo::CreateLabel() {
    FLabel = new TLabel(this, parentWidget() ? parentWidget() : static_cast<QWidget*>(this));
    FLabel->setBuddy(this);
    FLabel->setFont(FParentFont ? font() : FLabelFont.ToQFont());
}

void TAsgCustomCombo::SetLabelPosition(TLabelPosition value) {
    FLabelPosition = value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelMargin(int value) {
    FLabelMargin = value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelTransparent(bool value) {
    FLabelTransparent = value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelAlwaysEnabled(bool value) {
    FLabelAlwaysEnabled = value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelFont(const TFont& value) {
    if (!FParentFont) FLabelFont = value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelBold(bool bold) {
    if (!FLabel) return;
    QFont labelFont = FLabel->font();
    if (labelFont.bold() == bold) return;
    labelFont.setBold(bold);
    FLabel->setFont(labelFont);
    FLabel->adjustSize();
}

void TAsgCustomCombo::PlaceLabel() {
    if (!FLabel || ComponentState().Contains(csDestroying)) return;
    // A label made while the control had no parent joins the control's parent later.
    if (parentWidget() && FLabel->parentWidget() != parentWidget()) FLabel->setParent(parentWidget());
    FLabel->setAutoFillBackground(!FLabelTransparent);
    if (!FParentFont) {
        QFont labelFont = FLabelFont.ToQFont();
        labelFont.setBold(FLabel->font().bold());
        FLabel->setFont(labelFont);
    }
    FLabel->adjustSize();
    const int tw = QFontMetrics(FLabel->font()).horizontalAdvance(FLabel->Caption());
    const int lh = FLabel->height(), lw = FLabel->width(), m = FLabelMargin;
    const int left = Left(), top = Top(), w = Width(), h = Height();
    int labelTop = top, labelLeft = left;
    switch (FLabelPosition) {
    case lpLeftTop: labelTop = top; labelLeft = left - tw - m; break;
    case lpLeftCenter: labelTop = Centred(top, h, lh); labelLeft = left - tw - m; break;
    case lpLeftBottom: labelTop = top + h - lh; labelLeft = left - tw - m; break;
    case lpTopLeft: labelTop = top - lh - m; labelLeft = left; break;
    case lpBottomLeft: labelTop = top + h + m; labelLeft = left; break;
    case lpLeftTopLeft: labelTop = top; labelLeft = left - m; break;
    case lpLeftCenterLeft: labelTop = Centred(top, h, lh); labelLeft = left - m; break;
    case lpLeftBottomLeft: labelTop = top + h - lh; labelLeft = left - m; break;
    case lpTopCenter: labelTop = top - lh - m; labelLeft = Centred(left, w, lw); break;
    case lpBottomCenter: labelTop = top + h + m; labelLeft = Centred(left, w, lw); break;
    case lpRightTop: labelTop = top; labelLeft = left + w + m; break;
    case lpRightCenter: labelTop = Centred(top, h, lh); labelLeft = left + w + m; break;
    case lpRighBottom: labelTop = top + h - lh; labelLeft = left + w + m; break;
    }
    FLabel->move(labelLeft, labelTop);
    FLabel->setVisible(!isHidden() && FLabel->parentWidget() != this);
}
