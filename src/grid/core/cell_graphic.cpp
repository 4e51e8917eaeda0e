#include "grid/core/cell_graphic.h"

#include "platform/picture.h"

#include <cmath>

TCellGraphic::~TCellGraphic() { FreeOwnedObjects(); }

void TCellGraphic::FreeOwnedObjects() {
    auto freeBitmap = [this] {
        delete FCellBitmap;
        FCellBitmap = nullptr;
    };
    switch (FCellType) {
    case ctImages:
    // A radio group holds its items in a TRadioItems, which frees the list only when
    // the grid made it.
    case ctRadio:
        freeBitmap();
        break;
    case ctBitmap:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (FCellCreated) freeBitmap();
        break;
    case ctIcon:
        if (FCellCreated) {
            delete FCellIcon;
            FCellIcon = nullptr;
        }
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (FCellAngle == 1) freeBitmap();
        break;
    default:
        break;
    }
}

void TCellGraphic::BecomeKind(TCellType kind, TCellHAlign hal, TCellVAlign val, const TObject* incoming) {
    // Setting again the object the record already holds keeps it and its ownership:
    // freeing it would leave the record pointing at freed memory.
    const bool holdsIncoming = incoming && (incoming == FCellBitmap || incoming == FCellIcon);
    if (!holdsIncoming) {
        FreeOwnedObjects();
        FCellCreated = false;
    }
    FCellType = kind;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctBitmap, hal, val, ABmp);
    FCellBitmap = ABmp;
    FCellTransparent = Transparent;
}

void TCellGraphic::SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctIcon, hal, val, aicon);
    FCellIcon = aicon;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctImageList, hal, val);
    FCellIndex = idx;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctDataImage, hal, val);
    FCellIndex = idx;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 const TImageChangeEvent& Notifier) {
    BecomeKind(ctImages, hal, val);
    FCellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = Notifier;
    FCellBitmap = list;
    FCellCreated = true;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(Data ? ctDataCheckBox : ctCheckBox, hal, val);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctTriStateCheckBox, hal, val);
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctRadioButton, hal, val);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
}

void TCellGraphic::SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctPicture, hal, val, APicture);
    FCellBitmap = APicture;
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = padding;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val) {
    SetPicture(APicture, Transparent, StretchMode, padding, hal, val);
    FCellType = ctFilePicture;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val) {
    BecomeKind(ctButton, hal, val);
    SetButtonFields(bw, bh, caption);
}

void TCellGraphic::SetButtonFields(int bw, int bh, const QString& caption) {
    FCellIndex = static_cast<int>((static_cast<unsigned>(bw) & 0xFFFFu) | (static_cast<unsigned>(bh) << 16));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, TObject* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
    BecomeKind(ctBitButton, hal, val, Glyph);
    SetButtonFields(bw, bh, caption);
    FCellBitmap = Glyph;
}

void TCellGraphic::SetAngle(qint16 AAngle) {
    BecomeKind(ctRotated, FCellHAlign, FCellVAlign);
    int angle = AAngle;
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    FCellAngle = angle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject) {
    BecomeKind(ctInterface, FCellHAlign, FCellVAlign, AObject);
    FCellBitmap = AObject;
}

TPoint TCellGraphic::PictureSize() const {
    if (FCellType == ctFilePicture)
        if (const auto* file = dynamic_cast<const TFilePicture*>(FCellBitmap)) return {file->Width(), file->Height()};
    if (const auto* picture = dynamic_cast<const TPicture*>(FCellBitmap)) return {picture->Width(), picture->Height()};
    return {};
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool /*hastext*/) const {
    const TPoint own = PictureSize();
    const int w = own.X, h = own.Y;
    const int bw = cw - FCellIndex, bh = rh - FCellIndex;
    const bool fits = w <= bw && h <= bh;
    auto aspect = [&](bool limitToOne) -> TPoint {
        double rx = w <= 0 ? 1.0 : double(bw) / w;
        double ry = h <= 0 ? 1.0 : double(bh) / h;
        if (limitToOne) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx >= ry) return {static_cast<int>(std::nearbyint(w * ry)), bh};
        return {bw, static_cast<int>(std::nearbyint(h * rx))};
    };
    switch (FCellAngle) {
    case Stretch:
        return {bw, bh};
    case StretchWithAspectRatio:
        return aspect(false);
    case Shrink:
        return fits ? own : TPoint{bw, bh};
    case ShrinkWithAspectRatio:
        return fits ? own : aspect(true);
    default:
        return own;
    }
}

void TCellGraphic::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TCellGraphic*>(Source);
    if (!s || s == this) return;
    FreeOwnedObjects();
    FCellBitmap = nullptr;
    FCellIcon = nullptr;
    FCellType = s->FCellType;
    FCellVAlign = s->FCellVAlign;
    FCellHAlign = s->FCellHAlign;
    FCellIndex = s->FCellIndex;
    FCellTransparent = s->FCellTransparent;
    FCellValue = s->FCellValue;
    FCellAngle = s->FCellAngle;
    FCellBoolean = s->FCellBoolean;
    FCellErrFrom = s->FCellErrFrom;
    FCellErrLen = s->FCellErrLen;
    FCellText = s->FCellText;
    FCellColor = s->FCellColor;
    FCellColorTo = s->FCellColorTo;
    FCellTextColor = s->FCellTextColor;
    FCellTextColorTo = s->FCellTextColorTo;
    FCellMarkerPos = s->FCellMarkerPos;
    FCellMarkerLen = s->FCellMarkerLen;
    FCellHasBalloon = s->FCellHasBalloon;
    FCellBalloonTitle = s->FCellBalloonTitle;
    FCellBalloonText = s->FCellBalloonText;
    FCellBalloonIcon = s->FCellBalloonIcon;
    FCellCreated = s->FCellCreated;
}
