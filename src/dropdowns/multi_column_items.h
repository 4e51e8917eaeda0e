#pragma once
// The columns and items of the multi-column drop-down and its list grid. The grid
// drop-down has list classes of the same names in another namespace.

#include "platform/alignment.h"
#include "platform/canvas.h"
#include "platform/collection.h"

#include <QStringList>

namespace multi_column {

enum TColumnType { ctText, ctImage };

class TDropDownColumn : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    const QString& Header() const { return FHeader; }
    void SetHeader(const QString& Value) { FHeader = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }

    void Assign(const TPersistent* Source) override;

private:
    bool FWordwrap = false;
    int FWidth = 80;
    bool FAutoSize = false;
    QString FHeader;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = 0xFFFFFF;
    TColumnType FColumnType = ctText;
    TFont FFont;
    bool FEllipsis = false;
};

class TDropDownColumns : public TCollectionOf<TDropDownColumn> {
public:
    using TCollectionOf<TDropDownColumn>::TCollectionOf;
};

// One row of the list: line n of Text is the text of column n.
class TDropDownItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    QStringList& Text() { return FText; }
    const QStringList& Text() const { return FText; }
    void SetText(const QStringList& Value) { FText = Value; }
    // The text of a column; empty for a line the item does not have.
    QString ColumnText(int Column) const { return Column >= 0 && Column < FText.size() ? FText[Column] : QString(); }

    // Copies the image index and the texts: an assigned list keeps its rows' texts.
    void Assign(const TPersistent* Source) override;

private:
    int FImageIndex = -1;
    QStringList FText;
};

class TDropDownItems : public TCollectionOf<TDropDownItem> {
public:
    using TCollectionOf<TDropDownItem>::TCollectionOf;
    // The first item that has a line Column equal to Value (case included); -1 for none.
    int IndexInColumn(int Column, const QString& Value) const;
};

}  // namespace multi_column
