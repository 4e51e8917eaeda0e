#include "dropdowns/picture_item.h"

void TPictureItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TPictureItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TPictureItem::AssignPicture(const TPictureItem& Source) {
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
}
