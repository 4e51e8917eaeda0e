#include "grid/edit/spin_edit.h"

#include "grid/edit/edit_button_placement.h"

#include <QApplication>
#include <QFontMetrics>

TAsgSpinEdit::TAsgSpinEdit(TComponent* AOwner, QWidget* AParent) : TCustomMaskEdit(AOwner, AParent) {
    // The entry rule of DoEnter decides about selecting the text.
    FSelectAllOnEnter = false;
    FButton = new TAsgSpinButton(this, this);
    FButton->resize(15, 17);
    FButton->SetFocusControl(this);
    FButton->setCursor(Qt::ArrowCursor);
    FButton->OnUpClick = [this](TObject* Sender) { UpButtonClick(Sender); };
    FButton->OnDownClick = [this](TObject* Sender) { DownButtonClick(Sender); };
    FButton->show();
    SetText(QStringLiteral("0"));
    PlaceButton();
    SetEditRect();
}

void TAsgSpinEdit::SetDirection(TSpinDirection Value) {
    if (Value == FDirection) return;
    FDirection = Value;
    FButton->SetDirection(Value);
    // The pair's width changed: place it and the text area again.
    PlaceButton();
    SetEditRect();
}

void TAsgSpinEdit::SetSpinType(TAsgSpinType Value) {
    FSpinType = Value;
    RewriteValue();
}

void TAsgSpinEdit::SetPrecision(int Value) {
    FPrecision = Value;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TAsgSpinEdit::RewriteValue() {
    switch (FSpinType) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TAsgSpinEdit::SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    FButton->SetIsWinXP(Value);
}

void TAsgSpinEdit::SetEditAlign(TEditAlign Value) {
    FEditAlign = Value;
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    setAlignment(alignments[Value] | Qt::AlignVCenter);
}

void TAsgSpinEdit::SetSpinFlat(bool Value) {
    FButton->UpButton()->SetFlat(Value);
    FButton->DownButton()->SetFlat(Value);
    FSpinFlat = Value;
}

void TAsgSpinEdit::SetSpinTransparent(bool Value) {
    FButton->UpButton()->SetTransparent(Value);
    FButton->DownButton()->SetTransparent(Value);
    FSpinTransparent = Value;
    PlaceButton();
    SetEditRect();
}

void TAsgSpinEdit::SetBorderStyle(TFormBorderStyle Value) {
    FBorderStyle = Value;
    setFrame(Value != bsNone);
    PlaceButton();
    SetEditRect();
}

int TAsgSpinEdit::MinHeight() const {
    const int fontHeight = QFontMetrics(font()).height();
    const int least = std::min(QFontMetrics(QApplication::font()).height(), fontHeight);
    // A single border adds four system border heights (one pixel each).
    return fontHeight + least / 4 + 2 + (FBorderStyle == bsSingle ? 4 : 0);
}

int TAsgSpinEdit::InnerWidth() const { return width() - 2 * FrameWidth(); }

int TAsgSpinEdit::InnerHeight() const { return height() - 2 * FrameWidth(); }

void TAsgSpinEdit::PlaceButton() { FButton->setGeometry(InnerButtonRect(*this, FButton->width())); }

void TAsgSpinEdit::SetEditRect() {
    const int margin = FBorderStyle == bsNone ? 3 : 0;
    SetTextRect(Rect(margin, margin, InnerWidth() - FButton->width() - 2 - margin, InnerHeight() + 1));
}

void TAsgSpinEdit::resizeEvent(QResizeEvent* event) {
    TCustomMaskEdit::resizeEvent(event);
    if (height() < MinHeight()) {
        resize(width(), MinHeight());
        return;
    }
    PlaceButton();
    SetEditRect();
}

void TAsgSpinEdit::Loaded() {
    TCustomMaskEdit::Loaded();
    if (FSpinType == sptDate) SetDateValue(FDateValue);
    else if (FSpinType == sptTime) SetTimeValue(FTimeValue);
    SetSpinType(FSpinType);
}

void TAsgSpinEdit::DoEnter() {
    if (AutoSelect() && (!FocusCameWithMouse() || !FEditorEnabled)) SelectAll();
    TCustomMaskEdit::DoEnter();
}

void TAsgSpinEdit::DoExit() {
    CorrectToLimits();
    TCustomMaskEdit::DoExit();
}
