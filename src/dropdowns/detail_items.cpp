#include "dropdowns/detail_items.h"

void TDetailItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TDetailItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TDetailItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDetailItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetCaption(source->FCaption);
    SetImageIndex(source->FImageIndex);
    FImage.Assign(source->FImage);
    FEnabled = source->FEnabled;
    FTag = source->FTag;
    FItemObject = source->FItemObject;
}

int TDetailItems::IndexOf(const QString& AValue) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == AValue) return i;
    return -1;
}
