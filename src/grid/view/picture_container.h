#pragma once
// Named pictures for mini-HTML text: a component holding pictures by name (IMG SRC="logo")
// and the cache of pictures loaded by URL (IMG SRC="file://...") that a grid owns.

#include "grid/view/html_picture.h"

#include <memory>
#include <vector>

class TPictureItem {
public:
    THTMLPicture* Picture() const { return FPicture.get(); }
    // Copies the given picture's bytes.
    void SetPicture(const THTMLPicture* value) { FPicture->Assign(value); }
    QString Name;
    int Tag = 0;
    void Assign(const TPictureItem& Source);

private:
    std::unique_ptr<THTMLPicture> FPicture = std::make_unique<THTMLPicture>();
};

class TPictureCollection {
public:
    int Count() const { return int(FItems.size()); }
    TPictureItem* Items(int i) const { return FItems.at(std::size_t(i)).get(); }
    TPictureItem* Add();
    TPictureItem* Insert(int index);
    void Clear() { FItems.clear(); }
    // Steps every picture's animation; true when any changed frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer : public TComponent {
public:
    using TComponent::TComponent;
    TPictureCollection* Items() { return &FItems; }
    // Copies the given collection's items.
    void SetItems(const TPictureCollection& value);
    // The first item whose name equals s in any case.
    virtual THTMLPicture* FindPicture(const QString& s) const;

private:
    TPictureCollection FItems;
};

class THTMLPictureCache {
public:
    int Count() const { return int(FPictures.size()); }
    THTMLPicture* Items(int i) const { return FPictures.at(std::size_t(i)).get(); }
    THTMLPicture* AddPicture();
    // Compares IDs exactly.
    THTMLPicture* FindPicture(const QString& ID) const;
    void ClearPictures() { FPictures.clear(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};
