#include "dropdowns/multi_column_items.h"

namespace multi_column {

void TDropDownColumn::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDropDownColumn*>(Source);
    if (!source) return TPersistent::Assign(Source);
    FWordwrap = source->FWordwrap;
    FWidth = source->FWidth;
    FAutoSize = source->FAutoSize;
    FHeader = source->FHeader;
    FAlignment = source->FAlignment;
    FColor = source->FColor;
    FColumnType = source->FColumnType;
    FFont.Assign(source->FFont);
    FEllipsis = source->FEllipsis;
}

void TDropDownItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDropDownItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    FImageIndex = source->FImageIndex;
    FText = source->FText;
}

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const {
    if (Column < 0) return -1;
    for (int i = 0; i < Count(); ++i) {
        const QStringList& text = Items(i)->Text();
        if (Column < text.size() && text[Column] == Value) return i;
    }
    return -1;
}

}  // namespace multi_column
