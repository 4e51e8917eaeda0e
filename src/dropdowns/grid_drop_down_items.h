#pragma once
// The columns and items of the grid drop-down. The columns are those of the multi-column
// drop-down; the items are a family of their own that counts its changes, so the lookup
// index built over their texts knows when it is out of date.

#include "dropdowns/multi_column_items.h"

#include <QStringList>

namespace grid_drop_down {

using multi_column::TColumnType;
using multi_column::ctImage;
using multi_column::ctText;
using TDropDownColumn = multi_column::TDropDownColumn;
using TDropDownColumns = multi_column::TDropDownColumns;

class TDropDownItems;

// One row of the list: entry k of Text is the text of column k.
class TDropDownItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const QStringList& Text() const { return FText; }
    // Writable texts: taking them counts as a change of the collection.
    QStringList& EditText();
    void SetText(const QStringList& Value);
    // The text of a column; empty for an entry the item does not have.
    QString ColumnText(int Column) const { return Column >= 0 && Column < FText.size() ? FText[Column] : QString(); }
    bool HasColumnText(int Column) const { return Column >= 0 && Column < FText.size(); }

    // Copies the image index and the texts: an assigned list keeps its rows' texts.
    void Assign(const TPersistent* Source) override;

private:
    void Changed();

    int FImageIndex = -1;
    QStringList FText;
};

class TDropDownItems : public TCollectionOf<TDropDownItem> {
public:
    using TCollectionOf<TDropDownItem>::TCollectionOf;

    // Raised by every change of the items or their texts.
    unsigned ChangeCount() const { return FChangeCount; }
    void CountChange() { ++FChangeCount; }

    TDropDownItem* Add();
    TDropDownItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    void Move(int FromIndex, int ToIndex);
    void Assign(const TPersistent* Source) override;

private:
    unsigned FChangeCount = 0;
};

}  // namespace grid_drop_down
