#include "grid/view/picture_container.h"

#include <algorithm>

void TPictureItem::Assign(const TPictureItem& Source) {
    Name = Source.Name;
    Tag = Source.Tag;
    SetPicture(Source.Picture());
}

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int index) {
    const auto at = FItems.begin() + std::clamp(index, 0, Count());
    return FItems.insert(at, std::make_unique<TPictureItem>())->get();
}

bool TPictureCollection::Animate() {
    bool stepped = false;
    for (const auto& item : FItems) stepped = item->Picture()->Step() || stepped;
    return stepped;
}

void TPictureContainer::SetItems(const TPictureCollection& value) {
    if (&value == &FItems) return;
    FItems.Clear();
    for (int i = 0; i < value.Count(); ++i) FItems.Add()->Assign(*value.Items(i));
}

THTMLPicture* TPictureContainer::FindPicture(const QString& s) const {
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->Name.compare(s, Qt::CaseInsensitive) == 0) return FItems.Items(i)->Picture();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::AddPicture() {
    FPictures.push_back(std::make_unique<THTMLPicture>());
    return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const {
    for (const auto& picture : FPictures)
        if (picture->ID() == ID) return picture.get();
    return nullptr;
}

bool THTMLPictureCache::Animate() {
    bool stepped = false;
    for (const auto& picture : FPictures) stepped = picture->Step() || stepped;
    return stepped;
}
