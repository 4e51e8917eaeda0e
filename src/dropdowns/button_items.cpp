#include "dropdowns/button_items.h"

void TButtonItem::SetKeyRect(int ALeft, int ATop, int AWidth, int AHeight) {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
}

void TButtonItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TButtonItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    FCaption = source->FCaption;
    FCaptionColor = source->FCaptionColor;
    FTag = source->FTag;
    FImageIndex = source->FImageIndex;
    FImage.Assign(source->FImage);
    FEnabled = source->FEnabled;
    FName = source->FName;
}
