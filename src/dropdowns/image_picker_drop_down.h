#pragma once
// A drop-down edit whose edit part shows the picture of the selected item and whose
// pop-up lists Items in an item selector: each item shows its own picture or an image
// of Images. Keys and type-ahead: list_picker_keys.h. A cancelling close puts back the
// index held when the pop-up opened.
//
// AddImagesFromFolder lists the folder in name order (a directory listing has no useful
// order of its own) and appends regular files only: no items for ".", ".." and
// sub-folders. A file that does not load still gives its item, with an empty picture
// and no caption.

#include "dropdowns/list_picker_drop_down.h"
#include "dropdowns/picture_item.h"

class TImageItem : public TPictureListItem {
public:
    using TPictureListItem::TPictureListItem;

    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    void Assign(const TPersistent* Source) override;

private:
    QString FHint;
};

using TImageItems = TCollectionOf<TImageItem>;

using TOnDrawSelectedImage = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R)>;

class TExImagePickerDropDown : public TListPickerDropDown {
public:
    explicit TExImagePickerDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExImagePickerDropDown() override;

    // AFolder ends in a file name mask ("/pictures/*.png"); one item per matching file.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
    // One item per image of Images, with its image index and no caption.
    void AddImagesFromImageList();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    TImageItems& Items() { return FItems; }
    void SetItems(const TImageItems& Value) { FItems.Assign(&Value); }
    int ItemIndex() const { return FItemIndex; }
    // Nothing for the current index or one at or past the end; else fires OnChange, then OnSelect.
    void SetItemIndex(int Value);
    int ImageIndex() const;
    void SetImageIndex(int Value);

    TNotifyEvent OnSelect;
    TOnDrawSelectedImage OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void DrawFocusText(QPainter& Painter) override;
    void WMKeyDown(TWMKey& Message) override;

    int ListCount() const override { return FItems.Count(); }
    int ListItemIndex() const override { return FItemIndex; }
    void SetListItemIndex(int Value) override { SetItemIndex(Value); }
    void FillSelector() override;

private:

    TImageItems FItems{this};
    int FItemIndex = -1;
};
