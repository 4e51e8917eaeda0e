// The item selector panel's measuring and painting: the common item size, the
// background of hot and selected items, and the caption placed left of, right of,
// above or below the item's image or colour box.

#include "controls/gradient_drawing.h"
#include "dropdowns/dropdown_drawing.h"
#include "dropdowns/item_selector.h"
#include "platform/image_list.h"
#include "platform/messages.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

// What an item shows beside its caption.
enum class TItemPicture { None, ColorBox, Picture, ListImage };

}  // namespace

TColor TCustomItemSelector::PanelColor() const {
    const TColor color = FExItemSelector->Color();
    return color == clDefault || color == clNone ? clWindow : color;
}

TSize TCustomItemSelector::DrawCaption(TCanvas& Canvas, const QString& Caption, const TRect& R, bool Paint) {
    TSize size;
    DrawHTMLText(Canvas, Caption, R, size, WindowHandle(this), Paint, Images());
    return size;
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
    if (FExItemSelector->OnItemSize) {
        FExItemSelector->OnItemSize(this, ASize);
        return;
    }
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    TCanvas canvas(&painter);
    canvas.Font = FExItemSelector->ItemAppearance().Font();
    const bool colorBoxes = SelectorType() == stColor;
    int w = colorBoxes ? ColorBoxWidth() : 0;
    int h = colorBoxes ? ColorBoxHeight() : 0;
    int captionWidth = 0, captionHeight = 0;
    const TSelectorItems& items = Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TSelectorItem* item = items.Items(i);
        if (!colorBoxes) {
            if (!item->Image().Empty()) {
                h = std::max(h, item->Image().Height());
                w = std::max(w, item->Image().Width());
            } else if (Images() && item->ImageIndex() >= 0) {
                h = std::max(h, Images()->Height());
                w = std::max(w, Images()->Width());
            }
        }
        const TSize caption = DrawCaption(canvas, item->Caption(), Rect(0, 0, 1000, 500), false);
        captionWidth = std::max(captionWidth, caption.cx);
        captionHeight = std::max(captionHeight, caption.cy);
    }
    if (captionWidth > 0) captionWidth += 4;
    if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
        ASize.cx = 2 * FItemOffSetX + w + (w > 0 && captionWidth > 0 ? FCaptionGap : 0) + captionWidth;
        ASize.cy = std::max(captionHeight, h) + 2 * FItemOffSetY;
    } else {
        ASize.cx = std::max(captionWidth, w) + 2 * FItemOffSetX;
        ASize.cy = 2 * FItemOffSetY + h + (h > 0 && captionHeight >= 1 ? FCaptionGap : 0) + captionHeight;
    }
}

void TCustomItemSelector::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = PanelColor();
    canvas.FillRect(ClientRect());
    for (int i = 0; i < Items().Count(); ++i) DrawItem(i, canvas);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (!ValidIndex(Index)) return;
    TSelectorItem* item = Items().Items(Index);
    TRect r = item->ItemRect();
    if (r.Left < 0 && r.Right < 0) return;
    const TItemAppearance& look = FExItemSelector->ItemAppearance();
    const bool hot = Index == FItemHot;
    const bool selected = Index == FItemIndex;

    // 1. Colours; selected wins over hot.
    TColor border = look.BorderColor(), top = look.BorderColorTop(), bottom = look.BorderColorBottom(),
           edge = look.EdgeColor();
    TColor fill = clNone, fillTo = clNone, mirror = clNone, mirrorTo = clNone;
    auto takeState = [&](TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo2, TColor stateBorder) {
        fill = from;
        fillTo = to;
        mirror = mirrorFrom;
        mirrorTo = mirrorTo2;
        if (stateBorder != clNone) {
            border = stateBorder;
            top = bottom = edge = clNone;
        }
    };
    if (selected)
        takeState(look.ColorSelected(), look.ColorSelectedTo(), look.ColorMirrorSelected(),
                  look.ColorMirrorSelectedTo(), look.BorderColorSelected());
    else if (hot)
        takeState(look.ColorHot(), look.ColorHotTo(), look.ColorMirrorHot(), look.ColorMirrorHotTo(),
                  look.BorderColorHot());

    // 2. Background.
    if (!hot && !selected) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = PanelColor();
        Canvas.FillRect(r);
    } else if (top == clNone) {
        DrawButtonBackground(Canvas, r, fill, fillTo, border, 1, gdVertical);
    } else {
        DrawRoundedGradientButton(Canvas, fill, fillTo, mirror, mirrorTo, top, bottom, border, edge, PanelColor(), r,
                                  rbWhole);
    }

    // 3. A drawing of the caller's own.
    if (FExItemSelector->OnDrawItem) {
        FExItemSelector->OnDrawItem(this, Canvas, r, Index);
        return;
    }

    // 4. What stands beside the caption, and its size.
    TItemPicture picture = TItemPicture::None;
    int w = 0, h = 0;
    if (SelectorType() == stColor) {
        picture = TItemPicture::ColorBox;
        w = ColorBoxWidth();
        h = ColorBoxHeight();
    } else if (!item->Image().Empty()) {
        picture = TItemPicture::Picture;
        w = item->Image().Width();
        h = item->Image().Height();
    } else if (Images() && item->ImageIndex() >= 0) {
        picture = TItemPicture::ListImage;
        w = Images()->Width();
        h = Images()->Height();
    }
    auto drawPicture = [&](int x, int y) {
        switch (picture) {
        case TItemPicture::ColorBox:
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = item->Color();
            Canvas.Pen.Color = clBlack;
            Canvas.Pen.Style = psSolid;
            Canvas.Pen.Width = 1;
            Canvas.Rectangle(x, y, x + w, y + h);
            break;
        case TItemPicture::Picture: Canvas.Painter()->drawImage(QPoint(x, y), item->Image().Image()); break;
        case TItemPicture::ListImage: Images()->Draw(Canvas, x, y, item->ImageIndex(), item->Enabled()); break;
        case TItemPicture::None: break;
        }
    };

    // 5. Content rectangle and caption font.
    const TRect content = Rect(r.Left + FItemOffSetX, r.Top + FItemOffSetY, r.Right - FItemOffSetX,
                               r.Bottom - FItemOffSetY);
    TRect c = content;
    TPoint p{content.Left, content.Top};
    Canvas.Font = look.Font();
    if (selected) Canvas.Font.Color = look.ColorSelectedText();
    else if (hot) Canvas.Font.Color = look.ColorHotText();
    Canvas.Brush.Style = bsClear;
    const QString& caption = item->Caption();
    const int centredTop = content.Top + (content.Height() - h) / 2;
    auto centreCaption = [&]() {
        const TSize size = DrawCaption(Canvas, caption, c, false);
        if (size.cy < c.Height()) c.Top += (c.Height() - size.cy) / 2;
        return size;
    };

    // 6. By layout.
    switch (ItemLayout()) {
    case ilCaptionLeft: {
        if (!caption.isEmpty()) {
            c.Right -= w;
            const TSize size = centreCaption();
            DrawCaption(Canvas, caption, c, true);
            p.X = c.Left + size.cx + FCaptionGap;
        }
        drawPicture(p.X, picture == TItemPicture::ColorBox ? p.Y : centredTop);
        break;
    }
    case ilCaptionRight:
        if (picture != TItemPicture::None) {
            drawPicture(p.X, picture == TItemPicture::ColorBox ? p.Y : centredTop);
            c.Left = p.X + w + FCaptionGap;
        }
        if (!caption.isEmpty()) {
            centreCaption();
            DrawCaption(Canvas, caption, c, true);
        }
        break;
    case ilCaptionTop:
        if (!caption.isEmpty()) {
            c.Bottom -= h;
            const TSize size = DrawCaption(Canvas, caption, c, true);
            p.Y = c.Top + size.cy + FCaptionGap;
        } else {
            p.Y = centredTop;
        }
        p.X = content.Left + (content.Width() - w) / 2;
        drawPicture(p.X, p.Y);
        break;
    case ilCaptionBottom:
        if (caption.isEmpty()) p.Y = centredTop;
        p.X = content.Left + (content.Width() - w) / 2;
        if (picture != TItemPicture::None) {
            drawPicture(p.X, p.Y);
            c.Top = p.Y + h + FCaptionGap;
        }
        if (!caption.isEmpty()) DrawCaption(Canvas, caption, c, true);
        break;
    }
}
