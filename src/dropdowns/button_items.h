#pragma once
// The keys of a button panel: caption, image (a picture of its own or an entry of the
// panel's image list), the key code the calculator acts on (Tag), a key name such as
// "BTN_7", whether the caption takes the special text colour, and the rectangle the
// arrangement gave it. No change of a key tells the collection anything.

#include "platform/collection.h"
#include "platform/color.h"
#include "platform/picture.h"
#include "platform/types.h"

#include <QString>

class TButtonItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TPicture& Image() { return FImage; }
    const TPicture& Image() const { return FImage; }
    void SetImage(const TPicture& Value) { FImage.Assign(Value); }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    // Stored for the owner; the painting uses the appearance's text colours.
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
    bool Special() const { return FSpecial; }
    void SetSpecial(bool Value) { FSpecial = Value; }

    // The key's rectangle, set by the arrangement.
    TRect KeyRect() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
    void SetKeyRect(int ALeft, int ATop, int AWidth, int AHeight);

    // Caption, caption colour, tag, image index, image, enabled state and name, from
    // another key only.
    void Assign(const TPersistent* Source) override;

private:
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TPicture FImage;
    int FTag = 0;
    int FHeight = 0;
    int FLeft = 0;
    int FWidth = 0;
    int FTop = 0;
    QString FName;
    TColor FCaptionColor = 0xFFFFFF;
    bool FSpecial = false;
};

using TButtonItems = TCollectionOf<TButtonItem>;
