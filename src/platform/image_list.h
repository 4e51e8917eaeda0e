#pragma once
// A list of pictures of one size, addressed by index (glyphs for cells, menus, texts).

#include "platform/canvas.h"
#include "platform/component.h"

#include <QImage>
#include <vector>

class TCustomImageList : public TComponent {
public:
    TCustomImageList(int width, int height, TComponent* AOwner = nullptr)
        : TComponent(AOwner), FWidth(width), FHeight(height) {}

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return int(FImages.size()); }
    // The picture is scaled to the list's size; returns its index.
    int Add(const QImage& image);
    const QImage& Image(int index) const { return FImages.at(std::size_t(index)); }
    // Nothing for an index outside the list.
    void Draw(TCanvas& Canvas, int x, int y, int index) const;

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
};
