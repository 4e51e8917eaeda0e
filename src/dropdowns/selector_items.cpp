#include "dropdowns/selector_items.h"

void TSelectorItem::Changed() {
    if (Collection()) Collection()->ItemChanged();
}

void TSelectorItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed();
}

void TSelectorItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Changed();
}

void TSelectorItem::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TSelectorItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TSelectorItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetCaption(source->FCaption);
    SetColor(source->FColor);
    SetImageIndex(source->FImageIndex);
    FImage.Assign(source->FImage);
    FEnabled = source->FEnabled;
    FHint = source->FHint;
}
