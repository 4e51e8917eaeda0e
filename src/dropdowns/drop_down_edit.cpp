#include "dropdowns/drop_down_edit.h"

#include "dropdowns/drop_down_button.h"
#include "dropdowns/drop_down_form.h"
#include "platform/image_list.h"
#include "platform/standard_controls.h"

#include <QFontMetrics>
#include <QGuiApplication>

TExCustomDropDown::TExCustomDropDown(TComponent* AOwner, QWidget* AParent) : TCustomMaskEdit(AOwner, AParent) {
    // The text rectangle keeps the text clear of the button; the edit selects its own
    // text on entry (the bare text, without prefix and suffix).
    FSelectAllOnEnter = false;
    resize(200, 21);
    FButtonWidth = 17;
    CreateDropDownButton();
    setReadOnly(false);
    FDropPosition = dpAuto;
    TExCustomDropDown::SetText(QString());
    FOldText.clear();
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
    FDropDownEnabled = false;
    FDropDownHeader = std::make_unique<THeaderAppearance>(this);
    FDropDownFooter = std::make_unique<TFooterAppearance>(this);
    FDropDownHeader->OnChange = [this](TObject*) { RefreshStrips(); };
    FDropDownHeader->OnButtonsChanged = [this](TObject*) { RefreshStrips(); };
    FDropDownFooter->OnChange = [this](TObject*) { RefreshStrips(); };
    FDropDownFooter->OnButtonsChanged = [this](TObject*) { RefreshStrips(); };
    FButtonAppearance = std::make_unique<TExButtonAppearance>();
    FWantAllKeys = true;
    // Qt's style draws the themed looks on every system.
    FIsWinXP = true;
    FIsThemed = true;
    FLabelFont.Assign(TFont());
}

void TExCustomDropDown::Initialize() {
    if (!Designing()) CreateDropDownForm();
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    ResizeControl();
}

TExCustomDropDown::~TExCustomDropDown() {
    // The pop-up goes first, while the edit is whole: its hiding calls back into it.
    if (FDropDownForm) {
        FDropDownForm->SetExDropDown(nullptr);
        FDropDownForm->OnHide = nullptr;
        FDropDownForm->OnDestroy = nullptr;
        FDropDownForm->OnSizing = nullptr;
        TDropDownForm* form = FDropDownForm;
        FDropDownForm = nullptr;
        delete form;
    }
}

void TExCustomDropDown::RefreshStrips() {
    if (FDropDownForm && FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExCustomDropDown::CreateDropDownForm() {
    if (FDropDownForm) return;
    FDropDownForm = new TDropDownForm(this, 0);
    FDropDownForm->SetExDropDown(this);
    FDropDownForm->setVisible(false);
    FDropDownForm->resize(std::max(0, FDropDownWidth), std::max(0, FDropDownHeight));
    FDropDownForm->OnHide = [this](TObject*) { DropDownHidden(); };
    FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint, bool& Handled) {
        DropDownMouseWheelDown(Shift, Handled);
    };
    FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint, bool& Handled) {
        DropDownMouseWheelUp(Shift, Handled);
    };
    FDropDownForm->OnDestroy = [this](TObject*) { DropDownDestroyed(); };
    FDropDownForm->OnSizing = [this](TObject*) { DropDownSizing(); };
}

void TExCustomDropDown::CreateDropDownButton() {
    if (!FButton) {
        FButton = new TDropDownEditButton(this, this);
        FButton->InnerButton()->SetDropDown(this);
        FButton->OnClick = [this](TObject*) { DropDownClick(); };
    }
    UpdateDropDownButton();
}

void TExCustomDropDown::UpdateDropDownButton() {
    FButton->SetBWidth(FButtonWidth);
    FButton->SetBounds(FButton->Left(), FButton->Top(), FButtonWidth, 17);
    FButton->show();
    FButton->SetFocusControl(this);
}

bool TExCustomDropDown::PopUpVisible() const { return FDropDownForm && FDropDownForm->isVisible(); }

void TExCustomDropDown::SetControl(QWidget* Value) {
    if (Value == FControl) return;
    FControl = Value;
    if (!Designing()) PlaceDropDownControl();
}

void TExCustomDropDown::SetBorderColor(TColor Value) {
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    update();
    if (FButton) FButton->InnerButton()->update();
}

void TExCustomDropDown::SetDisabledBorder(bool Value) {
    if (FDisabledBorder == Value) return;
    FDisabledBorder = Value;
    update();
}

void TExCustomDropDown::SetDropDownWidth(int Value) {
    if (FDropDownWidth == Value) return;
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExCustomDropDown::SetDropDownHeight(int Value) {
    if (FDropDownHeight == Value) return;
    FDropDownHeight = Value;
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExCustomDropDown::SetDropDownButtonWidth(int Value) {
    if (FButtonWidth == Value || !FButton) return;
    FButtonWidth = Value;
    FButton->SetBWidth(Value);
    ResizeControl();
}

void TExCustomDropDown::SetDropDownButtonHint(const QString& Value) {
    if (FButtonHint == Value) return;
    FButtonHint = Value;
    if (!FButton) return;
    FButton->SetHint(Value);
    FButton->SetShowHint(!Value.isEmpty());
}

const TBitmap& TExCustomDropDown::DropDownButtonGlyph() const { return FButton->Glyph(); }

void TExCustomDropDown::SetDropDownButtonGlyph(const TBitmap& Value) {
    FButton->Glyph().Assign(Value);
    FButton->InnerButton()->update();
}

QString TExCustomDropDown::DropDownButtonCaption() const { return FButton->ButtonCaption(); }

void TExCustomDropDown::SetDropDownButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }

QString TExCustomDropDown::Version() const {
    const auto v = static_cast<std::uint32_t>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TExCustomDropDown::SetEditorEnabled(bool Value) {
    FEditorEnabled = Value;
    // Without typing there is no caret: the focus box stands in its place.
    setCursor(Value ? Qt::IBeamCursor : Qt::ArrowCursor);
    update();
}

void TExCustomDropDown::DropDownHeaderButtonClick(int ButtonIndex) {
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, ButtonIndex);
}

void TExCustomDropDown::DropDownFooterButtonClick(int ButtonIndex) {
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, ButtonIndex);
}

void TExCustomDropDown::LabelClick() {
    if (OnLabelClick) OnLabelClick(this);
}

void TExCustomDropDown::LabelDblClick() {
    if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        update();
    }
    auto* control = dynamic_cast<TControl*>(AComponent);
    if (control && control->Widget() == FControl) SetControl(nullptr);
    if (control && control->Widget() == FFocusControl) FFocusControl = nullptr;
    if (AComponent == FDropDownForm) FDropDownForm = nullptr;
    if (AComponent == FButton) FButton = nullptr;
    if (AComponent == FLabel) FLabel = nullptr;
}

void TExCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->parentWidget()) UpdateLabel();
}

void TExCustomDropDown::Assign(const TExCustomDropDown* Source) {
    if (!Source) return;
    FFocusDraw = Source->FFocusDraw;
    FForceShadow = Source->FForceShadow;
    FDropDownEnabled = Source->FDropDownEnabled;
    FDropDownColor = Source->FDropDownColor;
    FDropDownColorTo = Source->FDropDownColorTo;
    FDropDownGradient = Source->FDropDownGradient;
    FDropDownBorderColor = Source->FDropDownBorderColor;
    FDropDownBorderWidth = Source->FDropDownBorderWidth;
    FDropDownShadow = Source->FDropDownShadow;
    SetDropDownWidth(Source->FDropDownWidth);
    SetDropDownHeight(Source->FDropDownHeight);
    FDropDownSizeable = Source->FDropDownSizeable;
    FEditType = Source->FEditType;
    FReturnIsTab = Source->FReturnIsTab;
    FLengthLimit = Source->FLengthLimit;
    FPrecision = Source->FPrecision;
    FPrefix = Source->FPrefix;
    FSuffix = Source->FSuffix;
    FDefaultHandling = Source->FDefaultHandling;
    FCanUndo = Source->FCanUndo;
    FExcelStyleDecimalSeparator = Source->FExcelStyleDecimalSeparator;
    FValidChars = Source->FValidChars;
    FSigned = Source->FSigned;
    FAutoThousandSeparator = Source->FAutoThousandSeparator;
    FDropDownHeader->Assign(Source->FDropDownHeader.get());
    FDropDownFooter->Assign(Source->FDropDownFooter.get());
    FButtonAppearance->Assign(Source->FButtonAppearance.get());
    FDropPosition = Source->FDropPosition;
    FFlat = Source->FFlat;
    SetDropDownButtonWidth(Source->FButtonWidth);
    SetDropDownButtonHint(Source->FButtonHint);
    SetEditorEnabled(Source->FEditorEnabled);
    SetDropDownButtonGlyph(Source->DropDownButtonGlyph());
    SetDropDownButtonCaption(Source->DropDownButtonCaption());
    FImages = Source->FImages;
    FSelectionColorStyle = Source->FSelectionColorStyle;
    FSelectionColor = Source->FSelectionColor;
    FSelectionColorTo = Source->FSelectionColorTo;
}

void TExCustomDropDown::ReadStoredStyles(int SelectionColorStyle, int ZRTStyle) {
    FSelectionColorStyle = static_cast<TSelectionColorStyle>(SelectionColorStyle);
    FZRTStyle = static_cast<TZRTStyle>(ZRTStyle);
}

void TExCustomDropDown::SetEditRect() {
    // Coordinates inside the frame, as the text rectangle takes them.
    const int frame = FrameWidth();
    TRect r;
    r.Bottom = height() - 2 * frame + 1;
    r.Right = width() - 2 * frame - FButtonWidth - 3;
    r.Left = 1;
    r.Top = 1;
    FEditRect = r;
    SetTextRect(r);
}

void TExCustomDropDown::ResizeControl() {
    const QFontMetrics metrics(font());
    const QFontMetrics system(QGuiApplication::font());
    const int minimum = metrics.height() + std::min(system.height(), metrics.height()) / 4;
    if (height() < minimum) {
        resize(width(), minimum);
        update();
        return;
    }
    if (FButton) {
        // The button fills the right end of the area inside the frame.
        const int frame = FrameWidth();
        FButton->SetBounds(width() - frame - FButtonWidth, frame, FButtonWidth, height() - 2 * frame);
    }
    SetEditRect();
    update();
}

void TExCustomDropDown::resizeEvent(QResizeEvent* event) {
    TCustomMaskEdit::resizeEvent(event);
    ResizeControl();
}

void TExCustomDropDown::moveEvent(QMoveEvent* event) {
    TCustomMaskEdit::moveEvent(event);
    if (FLabel && FLabel->parentWidget()) UpdateLabel();
}

void TExCustomDropDown::changeEvent(QEvent* event) {
    TCustomMaskEdit::changeEvent(event);
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (FButton) FButton->setEnabled(isEnabled());
            break;
        case QEvent::FontChange:
            SetEditRect();
            if (FLabel && FParentFnt) UpdateLabel();
            break;
        case QEvent::ReadOnlyChange:
            if (FButton) FButton->InnerButton()->update();
            break;
        default: break;
    }
}

void TExCustomDropDown::showEvent(QShowEvent* event) {
    TCustomMaskEdit::showEvent(event);
    if (FLabel && !LabelCaption().isEmpty()) FLabel->setVisible(true);
}

void TExCustomDropDown::hideEvent(QHideEvent* event) {
    TCustomMaskEdit::hideEvent(event);
    if (!event->spontaneous() && FLabel && !LabelCaption().isEmpty()) FLabel->setVisible(false);
}
