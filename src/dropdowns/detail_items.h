#pragma once
// The items of the detail drop-down: a caption, a picture or an image-list image, and
// notes in mini-HTML drawn under the caption.

#include "platform/collection.h"
#include "platform/picture.h"

class TDetailItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TPicture& Image() { return FImage; }
    const TPicture& Image() const { return FImage; }
    void SetImage(const TPicture& Value) { FImage.Assign(Value); }
    const QString& Notes() const { return FNotes; }
    void SetNotes(const QString& Value) { FNotes = Value; }
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* Value) { FItemObject = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // Copies all but the notes.
    void Assign(const TPersistent* Source) override;

private:
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TPicture FImage;
    QString FNotes;
    TObject* FItemObject = nullptr;
    int FTag = 0;
};

class TDetailItems : public TCollectionOf<TDetailItem> {
public:
    using TCollectionOf<TDetailItem>::TCollectionOf;
    // The first item whose caption equals AValue exactly, case included; -1 when none.
    int IndexOf(const QString& AValue) const;
};
