#include "controls/button_look.h"

#include <QImage>

namespace {

// The glyph followed by its disabled look, grey and faint, as a strip of two images;
// the disabled face shows the second one. Transparent pixels stay transparent, so the
// lower-left key pixel keys out both images.
TBitmap WithDisabledImage(const TBitmap& glyph) {
    const QImage normal = glyph.Image().convertToFormat(QImage::Format_ARGB32);
    const int w = normal.width(), h = normal.height();
    QImage strip(2 * w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = normal.pixel(x, y);
            strip.setPixel(x, y, pixel);
            const int grey = 96 + qGray(pixel) / 2;
            strip.setPixel(w + x, y, qRgba(grey, grey, grey, qAlpha(pixel) / 2));
        }
    }
    TBitmap result;
    result.LoadFromImage(strip);
    return result;
}

}  // namespace

void SetStandardButtonLook(TLbButton* button, const QString& glyphName, TColor hotTrackColor) {
    button->SetStyle(bsEncarta);
    button->SetColor(kButtonFaceColor);
    button->SetColorWhenDown(kButtonDownColor);
    button->SetHotTrackColor(hotTrackColor);
    button->SetLightColor(clGray);
    button->SetUseHotTrackFont(false);
    if (glyphName.isEmpty()) return;
    const TBitmap glyph = WithDisabledImage(GlyphResource(glyphName));
    button->SetGlyph(&glyph);
}

void SetBoxToggleLook(TLbButton* button, bool expand) {
    button->SetStyle(bsEncarta);
    button->SetColor(kButtonFaceColor);
    button->SetColorWhenDown(kButtonDownColor);
    button->SetHotTrackColor(clYellow);
    button->SetLightColor(clGray);
    TBitmap sign(7, 7);
    TCanvas& canvas = sign.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect(Rect(0, 0, 7, 7));
    canvas.Brush.Color = clBlack;
    canvas.FillRect(Rect(1, 3, 6, 4));
    if (expand) canvas.FillRect(Rect(3, 1, 4, 6));
    sign.SetTransparent(true);
    button->SetGlyph(&sign);
}
