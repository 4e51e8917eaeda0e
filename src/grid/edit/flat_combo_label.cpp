// The flat combo's caption label: created with the first caption, placed beside the
// control at one of thirteen positions whenever the control or a label property changes.
#include "grid/edit/flat_combo.h"

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
    PlaceCaptionLabel(FLabel, this, FLabelPosition, FLabelMargin, FLabelTransparent,
                      FParentFont ? FLabel->font() : FLabelFont.ToQFont());
}
