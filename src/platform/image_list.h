#pragma once
// A row of equally sized pictures addressed by index, drawn by controls that show an
// image beside a caption. Controls only refer to a list; they ask to hear of its
// removal (FreeNotification) and forget it then.

#include "platform/canvas.h"
#include "platform/component.h"

#include <QImage>
#include <vector>

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner, int AWidth = 16, int AHeight = 16)
        : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {}

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    // Adds the picture scaled to the list's size; returns its index.
    int Add(const QImage& Image);
    void Clear() { FImages.clear(); }
    // Draws image Index with its top-left corner at (X, Y); a disabled image is drawn
    // greyed. An index outside the list draws nothing.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
};
