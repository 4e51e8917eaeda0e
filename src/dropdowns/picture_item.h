#pragma once
// What the image picker's and the detail drop-down's items share: a caption and a
// picture or an image-list image, each change of caption or index noticed by the list.

#include "platform/collection.h"
#include "platform/picture.h"

class TPictureListItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TPicture& Image() { return FImage; }
    const TPicture& Image() const { return FImage; }
    void SetImage(const TPicture& Value) { FImage.Assign(Value); }

protected:
    // Caption, image index and picture of another item.
    void AssignPicture(const TPictureListItem& Source);

private:
    QString FCaption;
    int FImageIndex = -1;
    TPicture FImage;
};
