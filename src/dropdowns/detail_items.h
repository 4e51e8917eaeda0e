#pragma once
// The items of the detail drop-down: a caption, a picture or an image-list image, and
// notes in mini-HTML drawn under the caption.

#include "dropdowns/picture_item.h"

class TDetailItem : public TPictureListItem {
public:
    using TPictureListItem::TPictureListItem;

    const QString& Notes() const { return FNotes; }
    void SetNotes(const QString& Value) { FNotes = Value; }
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* Value) { FItemObject = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // Copies all but the notes.
    void Assign(const TPersistent* Source) override;

private:
    bool FEnabled = true;
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
