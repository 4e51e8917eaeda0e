#include "dropdowns/memo_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/dropdown_drawing.h"
#include "platform/popup_menu.h"

#include <QImage>
#include <QPainter>

TExMemoDropDown::TExMemoDropDown(TComponent* AOwner, QWidget* AParent) : TExCustomDropDown(AOwner, AParent) {}

void TExMemoDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (FMemo) return;
    FMemo = new TMemo(this, DropDownForm());
    FMemo->SetHeight(100);
    FMemo->SetBorderless(true);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange) OnMemoChange(this);
    };
    SetControl(FMemo);
}

void TExMemoDropDown::SetMemoText(const QStringList& Value) {
    FMemoText = Value;
    if (FMemo) FMemo->SetLines(Value);
    UpdateEdit();
}

void TExMemoDropDown::SetMemoReadOnly(bool Value) {
    FMemoReadOnly = Value;
    if (FMemo && DroppedDown()) FMemo->SetReadOnly(Value);
}

void TExMemoDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    if (!FMemo) return;
    FMemo->SetLines(FMemoText);
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TExMemoDropDown::DoHideDropDown(bool Cancel) {
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancel && FMemo) FMemo->SetLines(FMemoText);
    // The edit's text put back by a cancelling close is the digest of the lines kept:
    // it does not replace them.
    const bool internal = FInternalUpdate;
    if (Cancel) FInternalUpdate = true;
    TExCustomDropDown::DoHideDropDown(Cancel);
    FInternalUpdate = internal;
    FAutoDrop = autoDrop;
}

void TExMemoDropDown::DropDownHidden() {
    TExCustomDropDown::DropDownHidden();
    if (FMemo) FMemoText = FMemo->Lines();
    UpdateEdit();
    SetSelStart(0);
}

void TExMemoDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (Shift.Contains(ssCtrl) && Key == 'A' && FMemo) FMemo->SelectAll();
    if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExMemoDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMemoDropDown::ControlKeyPress(QChar& Key) {
    if (KeyboardShiftState().Contains(ssAlt) || Key == QChar(27)) TExCustomDropDown::ControlKeyPress(Key);
}

void TExMemoDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    if (FAutoDrop) DoShowDropDown();
}

void TExMemoDropDown::Change() {
    if (!FInternalUpdate) {
        // The edit's text becomes the lines: typing replaces them by the one line typed.
        QStringList lines = GetText().split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        FMemoText = lines;
    }
    TExCustomDropDown::Change();
}

void TExMemoDropDown::UpdateEdit() {
    QString digest;
    if (FEditorEnabled || FMemoText.isEmpty()) {
        for (const QString& line : FMemoText) digest += line + QLatin1Char('\n');
    } else {
        digest = FMemoText.first();
        QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&surface);
        painter.setFont(font());
        TCanvas canvas(&painter);
        canvas.Font.Name = font().family();
        canvas.Font.Size = font().pointSize() > 0 ? font().pointSize() : canvas.Font.Size;
        const int available = GetEditRect().Width();
        if (GetTextSize(canvas, digest).cx < available) {
            if (FMemoText.size() > 1) digest += QStringLiteral("...");
        } else {
            digest = TruncateText(canvas, digest, available, true);
        }
    }
    FInternalUpdate = true;
    SetTextDirect(digest);
    FInternalUpdate = false;
}
