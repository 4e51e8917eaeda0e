#pragma once
// The items an item selector shows: a caption (mini-HTML), an image (a picture of
// its own or an entry of the selector's image list) or a colour box, a hint, and the
// rectangle the layout gave it. Changing a caption, image index or colour tells the
// collection's OnChange; nothing else does.

#include "platform/collection.h"
#include "platform/color.h"
#include "platform/picture.h"
#include "platform/types.h"

#include <QString>

class TSelectorItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // A disabled item can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPicture& Image() { return FImage; }
    const TPicture& Image() const { return FImage; }
    void SetImage(const TPicture& Value) { FImage.Assign(Value); }
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    // The item's place in the selector's panel, as the last layout left it.
    const TRect& ItemRect() const { return FRect; }
    void SetItemRect(const TRect& Value) { FRect = Value; }

    // From another selector item only.
    void Assign(const TPersistent* Source) override;

private:
    void Changed();

    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TColor FColor = clNone;
    TPicture FImage;
    TRect FRect;
    QString FHint;
};

using TSelectorItems = TCollectionOf<TSelectorItem>;
