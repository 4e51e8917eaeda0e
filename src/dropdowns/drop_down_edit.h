#pragma once
// The drop-down edit: a single-line typed edit with a drop button on its right that
// shows a pop-up (TDropDownForm) holding one content control of the subclass, and
// optionally a header and a footer strip.
//
// Subclasses take part through the ordered virtual operations below (LabelClick ...
// SetColorTones). C++ constructors do not reach overrides, so a drop-down is made with
// CreateDropDown<T>(owner, parent), which runs Initialize() after the most-derived
// constructor:
//   constructor  settings, colours, sizes, the edit type, the button (CreateDropDownButton
//                and UpdateDropDownButton, which no subclass overrides), SetText("") and
//                the header, footer and button appearances;
//   Initialize   CreateDropDownForm (the pop-up and the subclass's content control),
//                SetSelectionColorStyle(scOffice2007), SetComponentStyle(tsOffice2007Luna).
// A subclass overrides Initialize, calls the base first, and then sets what its
// constructor set after the base construction (so the base style does not overwrite it).
//
// Keys. Key-down: Alt+Up/Down toggles the pop-up; with typing off only Enter and Esc
// reach KeyDown (Enter closes, Esc closes cancelling, F4 toggles); with typing on the
// caret rules of the typed edit apply and Enter, Esc and F4 act after the edit's own
// handling. Keys and characters typed in the pop-up or its content are sent to the edit
// as messages, so they take the same road.
//
// Focus moving into the edit's own pop-up runs the focus-loss formatting of the typed
// edit but fires no OnExit; coming back is no entry (no DoEnter, no OnEnter).

#include "controls/control_styles.h"
#include "dropdowns/drop_down_types.h"
#include "dropdowns/button_appearance.h"
#include "dropdowns/dropdown_drawing.h"
#include "dropdowns/item_appearance.h"
#include "dropdowns/popup_strip.h"
#include "dropdowns/strip_appearance.h"
#include "dropdowns/strip_drop_down.h"
#include "platform/mask_edit.h"

#include <QEnterEvent>
#include <QPointer>
#include <cstdint>
#include <memory>

class TCustomImageList;
class TDropDownEditButton;
class TDropDownForm;
class TLabel;
class TBitmap;

class TExCustomDropDown : public TCustomMaskEdit, public IZRTStyle, public IZRTTones, public IStripDropDown {
    friend class TDropDownForm;

public:
    explicit TExCustomDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExCustomDropDown() override;

    // Runs the construction steps that call virtual operations; CreateDropDown calls it.
    virtual void Initialize();

    void Assign(const TExCustomDropDown* Source);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // The strips' button clicks; a footer button with a modal result has closed the
    // pop-up already.
    void DropDownHeaderButtonClick(int ButtonIndex) override;
    void DropDownFooterButtonClick(int ButtonIndex) override;

    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    TRect GetEditRect() const { return FEditRect; }

    // The content control of the pop-up (not owned).
    QWidget* Control() const { return FControl; }
    void SetControl(QWidget* Value);
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* Value) { FFocusControl = Value; }

    // Look of the edit.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool Flat() const { return FFlat; }
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value) { FFocusDraw = Value; }

    // The pop-up.
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    TColor DropDownBorderColor() const override { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const override { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool Value) { FForceShadow = Value; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    bool DropDownSizeable() const override { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    // The size the pop-up had when it was last hidden; -1 for none.
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }

    // The drop button.
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    QString DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const QString& Value);
    const TBitmap& DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const TBitmap& Value);
    QString DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const QString& Value);

    TCustomImageList* Images() const override { return FImages; }
    void SetImages(TCustomImageList* Value) { FImages = Value; }
    QString Version() const;

    THeaderAppearance* DropDownHeader() const override { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(&Value); }
    TFooterAppearance* DropDownFooter() const override { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(&Value); }
    TExButtonAppearance* ButtonAppearance() const override { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TExButtonAppearance& Value) { FButtonAppearance->Assign(&Value); }

    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }

    // The label (drop_down_decorations.cpp).
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    dropdowns::TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(dropdowns::TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
    const TFont& LabelFont() const { return FLabelFont; }
    void SetLabelFont(const TFont& Value);
    TLabel* Label() const { return FLabel; }
    bool ParentFont() const { return FParentFnt; }
    void SetParentFont(bool Value);

    // Typed edit (typed_edit.cpp).
    QString Text() const { return GetText(); }
    virtual void SetText(const QString& Value);
    QString GetText() const;
    void SetTextDirect(const QString& Value);
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(std::int16_t Value);
    QString Prefix() const { return FPrefix; }
    void SetPrefix(const QString& Value);
    QString Suffix() const { return FSuffix; }
    void SetSuffix(const QString& Value);
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(std::int16_t Value) { FLengthLimit = Value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    QString ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& Value) { FValidChars = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    long double GetFloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int Value);
    static long double TextToFloat(const QString& S);
    void ApplyThousandSeparators();
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();
    bool GetIsModified() const { return FIsModified; }
    void SetIsModified(bool Value);
    bool IsModified() const { return FIsModified; }

    // Colour styles (drop_down_styles.cpp).
    TZRTStyle GetComponentStyle() const { return FZRTStyle; }
    void SetComponentStyle(TZRTStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
    virtual void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int ButtonType, TColor CornerColor);
    virtual void DrawGradientRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                  TGradientDirection Direction);
    // Reading a stored style stores the number without applying the colours.
    void ReadStoredStyles(int SelectionColorStyle, int ZRTStyle);

    TNotifyEvent OnBeforeDropDown;
    TDropDown OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUp OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;

protected:
    // The ordered virtual operations.
    virtual void LabelClick();
    virtual void LabelDblClick();
    virtual int GetVersionNr() const { return 0x01020104; }
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) { (void)Height; }
    virtual void FocusDropDownControl();
    virtual void DoShowDropDown();
    virtual void PlaceDropDownControl();
    virtual void AdaptDropDownSize();
    // Widens or narrows the list to Width and the pop-up around it (its border on both sides).
    void FitPopUpToList(QWidget* List, int Width);
    void DoHideDropDown(bool Cancel) override;
    virtual void DropDownHidden();
    virtual void DropDownDestroyed() {}
    virtual void DropDownMouseWheelDown(TShiftState Shift, bool& Handled);
    virtual void DropDownMouseWheelUp(TShiftState Shift, bool& Handled);
    virtual void DropDownKeyPress(QChar& Key);
    virtual void DropDownKeyDown(WORD& Key, TShiftState Shift);
    virtual void DropDownKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyDown(WORD& Key, TShiftState Shift);
    virtual void ControlKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar& Key);
    virtual void DropDownSizing() {}
    virtual void HandleWheelDown() {}
    virtual void HandleWheelUp() {}
    virtual void DrawFocusText(QPainter& Painter);
    virtual void SetEditRect();
    virtual void ResizeControl();

    // The edit's handlers.
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMCut(TMessage& Message) override;
    void WMCopy(TMessage& Message) override;
    void WMPaste(TMessage& Message) override;
    void EditChanged() override;
    void WMSetFocus() override;
    void WMKillFocus() override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    // The drop button's click and a left click on the edit while typing is off.
    void DropDownClick();
    // The label and borders (drop_down_decorations.cpp).
    void CreateLabel();
    void UpdateLabel();
    void PaintBorders(QPainter& Painter);

    // Typed-edit steps (typed_edit.cpp).
    bool TypedKeyDownBefore(TWMKey& Message);
    void TypedKeyDownAfter(WORD Key);
    void TypedChar(TWMKey& Message);
    void ToggleSign();
    bool FractionIsFull() const;
    bool SeparatorPlacementRefuses() const;
    int IntegerPartEnd(const QString& T) const;
    int DecimalPosition() const;
    int EndOfNumber() const { return FPrefix.size() + GetText().size(); }
    void TypedMousePress(QMouseEvent* event, bool& handled);
    void TypedMouseRelease(QMouseEvent* event);
    void FormatOnFocusLoss();
    // Sets the full text as prefix + bare + suffix and puts the caret.
    void SetBareText(const QString& Bare, int Caret);
    bool IsNumberType() const { return FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney; }

    TDropDownForm* PopUp() const { return FDropDownForm; }
    bool PopUpVisible() const;
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }

    // Fields in the order the drop-down keeps them.
    TLabel* FLabel = nullptr;
    bool FParentFnt = true;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = dpAuto;
    bool FFlat = false;
    TCustomImageList* FImages = nullptr;
    bool FDropDownShadow = true;
    int FDropDownBorderWidth = 1;
    QString FButtonHint;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = clWhite;
    TColor FDropDownBorderColor = clBlack;
    int FButtonWidth = 17;
    bool FMouseInControl = false;
    QPointer<QWidget> FFocusControl;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TExButtonAppearance> FButtonAppearance;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    QPointer<QWidget> FControl;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TDropDownEditType FEditType = etString;
    std::int16_t FPrecision = 0;
    QString FPrefix;
    QString FSuffix;
    std::int16_t FLengthLimit = 0;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FAllowNumericNullValue = false;
    bool FExcelStyleDecimalSeparator = false;
    QString FValidChars;
    bool FBlockChange = false;
    bool FBlockCopy = false;
    bool FButtonDown = false;
    bool FAutoThousandSeparator = true;
    bool FIsModified = false;
    bool FIsWinXP = true;
    bool FIsThemed = true;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    TRect FEditRect;
    bool FDropDownEnabled = false;
    bool FDroppedDown = false;
    bool FFocusDraw = true;
    bool FForceShadow = false;
    TZRTStyle FZRTStyle = tsOffice2007Luna;
    int FLabelMargin = 0;
    dropdowns::TLabelPosition FLabelPosition = dropdowns::lpLeftTop;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    TFont FLabelFont;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    // Owned as a component; freed first in the destructor, while the edit is whole.
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    QString FOldText;

private:
    void RefreshStrips();
    void BindContentKeys();
};

// Makes a drop-down of type T and runs its construction steps that call virtual
// operations. With an owner the owner frees it; without one the widget parent does.
template <class T>
T* CreateDropDown(TComponent* AOwner, QWidget* AParent = nullptr) {
    auto* dropDown = new T(AOwner, AParent);
    dropDown->Initialize();
    return dropDown;
}
