#include "dropdowns/detail_items.h"

void TDetailItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDetailItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignPicture(*source);
    FEnabled = source->FEnabled;
    FTag = source->FTag;
    FItemObject = source->FItemObject;
}

int TDetailItems::IndexOf(const QString& AValue) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == AValue) return i;
    return -1;
}
