#pragma once
// The record of the one object a grid cell can hold (check box, picture, button, node,
// progress bar, comment, ...). Its kind decides what the general-purpose fields mean;
// the setters turn it into a kind, and destruction frees what the kind owns.

#include "controls/check_box_state.h"
#include "grid/core/grid_utility_lists.h"
#include "platform/color.h"
#include "platform/component.h"
#include "platform/types.h"

#include <QString>
#include <QVariant>

// In this order: the ordinal is compared and collected in sets.
enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode,
    ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton,
    ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress,
    ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
using TCellTypes = TSet<TCellType>;

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
// A cell scroll bar's page size and range.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    // Frees the kind's object where the record owns it: always for ctImages and the
    // item holder of a radio group (radio_items.h); with CellCreated
    // for bitmaps, pictures, bit buttons and icons; for check boxes and radio buttons
    // whose CellAngle is 1.
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    // The kind's object: bitmap, picture, TFilePicture, TIntList of image indexes,
    // interfaced object or another kind's own object. Owned only as the kind says.
    TObject* CellBitmap() const { return FCellBitmap; }
    void SetCellBitmap(TObject* Value) { FCellBitmap = Value; }
    TObject* CellIcon() const { return FCellIcon; }
    void SetCellIcon(TObject* Value) { FCellIcon = Value; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    // Image index, picture padding, or button width (low 16 bits) and height (high 16).
    int CellIndex() const { return FCellIndex; }
    void SetCellIndex(int Value) { FCellIndex = Value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    // The grid created the kind's object and owns it.
    bool CellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    // Rotation angle, a picture's TStretchMode, or 1 for a check box or radio button
    // that owns its bitmap.
    int CellAngle() const { return FCellAngle; }
    void SetCellAngle(int Value) { FCellAngle = Value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    int CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
    int CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int Value) { FCellErrLen = Value; }
    const QString& CellText() const { return FCellText; }
    void SetCellText(const QString& Value) { FCellText = Value; }
    const QVariant& CellVar() const { return FCellVar; }
    void SetCellVar(const QVariant& Value) { FCellVar = Value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
    // The colours of the kinds that draw with colours instead of an object: typed here so
    // that no number ever sits in an object pointer.
    //   CellColor:       progress fill, pie, range negative, shape brush, empty rating star
    //   CellColorTo:     progress background, range positive
    //   CellTextColor:   progress text over the fill, shape pen, full rating star, comment
    //   CellTextColorTo: progress text over the background
    TColor CellColor() const { return FCellColor; }
    void SetCellColor(TColor Value) { FCellColor = Value; }
    TColor CellColorTo() const { return FCellColorTo; }
    void SetCellColorTo(TColor Value) { FCellColorTo = Value; }
    TColor CellTextColor() const { return FCellTextColor; }
    void SetCellTextColor(TColor Value) { FCellTextColor = Value; }
    TColor CellTextColorTo() const { return FCellTextColorTo; }
    void SetCellTextColorTo(TColor Value) { FCellTextColorTo = Value; }

    // The error marker: a stretch of the cell text marked as wrong (0, 0: none). Fields of
    // its own, so a marker never changes a progress range or a node's sub-node count.
    int CellMarkerPos() const { return FCellMarkerPos; }
    int CellMarkerLen() const { return FCellMarkerLen; }
    void SetMarker(int ErrPos, int ErrLen) {
        FCellMarkerPos = ErrPos;
        FCellMarkerLen = ErrLen;
    }
    // The balloon hint a ctBalloon record shows, or that a check box or radio button
    // carries beside its box. Plain values: a copied record keeps them, nothing to free.
    bool CellHasBalloon() const { return FCellHasBalloon; }
    const QString& CellBalloonTitle() const { return FCellBalloonTitle; }
    const QString& CellBalloonText() const { return FCellBalloonText; }
    TBalloonIcon CellBalloonIcon() const { return FCellBalloonIcon; }
    void SetBalloon(const QString& Title, const QString& Text, TBalloonIcon Icon) {
        FCellHasBalloon = true;
        FCellBalloonTitle = Title;
        FCellBalloonText = Text;
        FCellBalloonIcon = Icon;
    }
    void ClearBalloon() {
        FCellHasBalloon = false;
        FCellBalloonTitle.clear();
        FCellBalloonText.clear();
        FCellBalloonIcon = biNone;
    }

    // Each setter sets the kind and the fields it names. It first frees what the record
    // owned for its previous kind and clears CellCreated, so that turning a record into
    // another kind neither leaks the old object nor frees the caller's new one later.
    void SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // Creates (and owns) the cell's list of image indexes; dir 0 runs them horizontally.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       const TImageChangeEvent& Notifier);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& caption, TObject* Glyph, TCellHAlign hal, TCellVAlign val);
    // Brings the angle into 0 to 360 (360 stays 360).
    void SetAngle(qint16 AAngle);
    void SetInterfacedCell(TObject* AObject);

    // The drawn size of a ctPicture or ctFilePicture in a cell of cw x rh after its
    // stretch mode; PictureSize gives the picture's own size (w, h).
    TPoint GetPictureSize(int cw, int rh, bool hastext) const;
    // Copies the description, never the objects, so a copy shares nothing with Source.
    // The record first frees what it owns and drops its object references: the copied
    // CellCreated must not make it free an object it was only lent.
    void Assign(const TObject* Source);

private:
    void FreeOwnedObjects();
    // incoming: the object the setter is about to store, kept when the record holds it.
    void BecomeKind(TCellType kind, TCellHAlign hal, TCellVAlign val, const TObject* incoming = nullptr);
    void SetButtonFields(int bw, int bh, const QString& caption);
    TPoint PictureSize() const;

    TCellType FCellType = ctNone;
    TObject* FCellBitmap = nullptr;
    TObject* FCellIcon = nullptr;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0.0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    QString FCellText;
    QVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
    TColor FCellColor = clNone;
    TColor FCellColorTo = clNone;
    TColor FCellTextColor = clNone;
    TColor FCellTextColorTo = clNone;
    int FCellMarkerPos = 0;
    int FCellMarkerLen = 0;
    bool FCellHasBalloon = false;
    QString FCellBalloonTitle;
    QString FCellBalloonText;
    TBalloonIcon FCellBalloonIcon = biNone;
};
