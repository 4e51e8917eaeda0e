#include "dropdowns/picture_item.h"

void TPictureListItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TPictureListItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TPictureListItem::AssignPicture(const TPictureListItem& Source) {
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
}
