#include "dropdowns/strip_button_items.h"

void TStripButtonItem::Changed() {
    if (Collection()) Collection()->ItemChanged();
}

void TStripButtonItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed();
}

void TStripButtonItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Changed();
}

void TStripButtonItem::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed();
}

void TStripButtonItem::AssignButton(const TStripButtonItem& Source) {
    SetCaption(Source.Caption());
    SetImageIndex(Source.ImageIndex());
    SetEnabled(Source.Enabled());
    SetWidth(Source.Width());
    SetHeight(Source.Height());
}

void THeaderButton::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const THeaderButton*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignButton(*source);
}

void TFooterButton::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TFooterButton*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignButton(*source);
    SetModalResult(source->ModalResult());
}
