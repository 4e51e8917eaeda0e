#include "dropdowns/image_picker_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "platform/image_list.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

void TImageItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TImageItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignPicture(*source);
    FHint = source->FHint;
}

TExImagePickerDropDown::TExImagePickerDropDown(TComponent* AOwner, QWidget* AParent) : TListPickerDropDown(AOwner, AParent) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    setCursor(Qt::ArrowCursor);
}

TExImagePickerDropDown::~TExImagePickerDropDown() = default;

void TExImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption) {
    const QFileInfo pattern(AFolder);
    const QDir folder = pattern.dir();
    const QStringList names =
        folder.entryList({pattern.fileName()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        TImageItem* item = FItems.Add();
        try {
            item->Image().LoadFromFile(folder.filePath(name));
            if (SetImageCaption) item->SetCaption(name);
        } catch (const Exception&) {
            // Not a picture: the item stays, empty and without a caption.
            item->SetImage(TPicture());
        }
    }
}

void TExImagePickerDropDown::AddImagesFromImageList() {
    if (!Images()) return;
    for (int k = 0; k < Images()->Count(); ++k) FItems.Add()->SetImageIndex(k);
}

void TExImagePickerDropDown::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TExImagePickerDropDown::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExImagePickerDropDown::SelectNext() {
    if (FItemIndex < 0) SelectFirst();
    else if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TExImagePickerDropDown::SelectPrevious() {
    if (FItemIndex < 0) SelectFirst();
    else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

// Any value below 0 means no selection, kept as -1, so ItemIndex never reads back an
// index that is no item and no selection.
void TExImagePickerDropDown::SetItemIndex(int Value) {
    Value = std::max(Value, -1);
    if (Value == FItemIndex || Value >= FItems.Count()) return;
    FItemIndex = Value;
    update();
    Change();
    if (OnSelect) OnSelect(this);
}

int TExImagePickerDropDown::ImageIndex() const {
    return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems.Items(FItemIndex)->ImageIndex() : -1;
}

void TExImagePickerDropDown::SetImageIndex(int Value) {
    for (int i = 0; i < FItems.Count(); ++i) {
        if (FItems.Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    }
    SetItemIndex(-1);
}

void TExImagePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    CreateListSelector();
}

void TExImagePickerDropDown::FillSelector() {
    ResetSelector(FColumns);
    TSelectorItems& entries = FItemSelector->Items();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TImageItem* item = FItems.Items(i);
        TSelectorItem* entry = entries.Add();
        entry->SetCaption(item->Caption());
        entry->SetImage(item->Image());
        entry->SetImageIndex(item->ImageIndex());
        entry->SetHint(item->Hint());
    }
    FinishSelectorFill();
}

void TExImagePickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!FItemSelector) return;
    FillSelector();
    if (OnDrawItem)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect& R, int Index) {
            if (OnDrawItem) OnDrawItem(this, Canvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

void TExImagePickerDropDown::AdaptDropDownSize() { AdaptListDropDownSize(); }

void TExImagePickerDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel && FItemSelector) SetItemIndex(FOldItemIndex);
}

void TExImagePickerDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const bool enterHandled = SelectHotOnEnter(key);
    const TShiftState shift = Message.Shift;
    TExCustomDropDown::WMKeyDown(Message);
    if (!isEnabled() || shift.Contains(ssAlt) || KeyboardShiftState().Contains(ssAlt)) return;
    if (key == VK_RETURN && !enterHandled && OnSelect) OnSelect(this);
    RunListKey(key, shift);
}

void TExImagePickerDropDown::HandleWheelDown() { ListWheel(true); }

void TExImagePickerDropDown::HandleWheelUp() { ListWheel(false); }

void TExImagePickerDropDown::DrawFocusText(QPainter& Painter) {
    TExCustomDropDown::DrawFocusText(Painter);
    const TRect r = GetEditRect();
    TCanvas canvas(&Painter);
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, r);
        return;
    }
    if (FItemIndex < 0 || FItemIndex >= FItems.Count()) return;
    const TImageItem* item = FItems.Items(FItemIndex);
    if (!item->Image().Empty()) {
        const QImage& image = item->Image().Image();
        Painter.drawImage(r.Left + (r.Width() - image.width()) / 2, r.Top + (r.Height() - image.height()) / 2, image);
    } else if (Images() && item->ImageIndex() >= 0) {
        Images()->Draw(canvas, r.Left + (r.Width() - Images()->Width()) / 2, r.Top + (r.Height() - Images()->Height()) / 2,
                       item->ImageIndex(), true);
    }
}
