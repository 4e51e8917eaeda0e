#pragma once
// TAsgCustomCombo: the platform's combo box that can paint its own frame and drop-down
// button (flat, framed in a colour, with a focus frame, with custom button colours or in
// the themed look), keeps an optional caption label placed beside itself at one of
// thirteen positions, colours itself while it has the focus and can widen its list.
// TAsgComboBox is the same control; the grid's combo editor derives from it.
//
// Painting: when the control paints itself (FlatComboPaintsItself) our drop-down button
// is drawn, the platform (QComboBox under the Fusion style) paints the rest around it
// without its own arrow, and our borders follow, all inside the widget, by the routines of
// flat_combo_painting.h. Otherwise the platform paints alone and the borders follow when
// asked. An editable combo's text field ends left of our button strip, and a press
// anywhere on the strip opens the list. Color colours the text field and the list face.
//
// Hover: the button keeps its hover while our own list is open under the pointer, so a
// button held down shows ButtonColorDown.
//
// Focus: opening the list moves the keyboard focus nowhere on the original platform, so
// the focus changes Qt reports for the popup are not entering or leaving.
//
// Member definitions:
//   flat_combo.cpp           creation, properties and their guards, focus, mouse, enabled
//                            change, the drop-down list and OnDropUp
//   flat_combo_label.cpp     the caption label: creation and placement
//   flat_combo_look.cpp      painting and the state the painting routines read

#include "grid/edit/flat_combo_painting.h"
#include "grid/edit/label_position.h"
#include "platform/standard_controls.h"

#include <QPointer>

class TAsgCustomCombo : public TComboBox {
public:
    explicit TAsgCustomCombo(TComponent* AOwner, QWidget* AParent = nullptr);

    // Remembers the current Color as the one to return to after focus colouring.
    void Init();
    // Selects the item equal to AString (the item list's IndexOf); otherwise nothing changes.
    void SelectItem(const QString& AString);

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { FFocusColor = value; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value);
    // Accepted from 14 to 32; other values leave the width as it is.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    // The list's width in pixels when greater than 0.
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    // On: the control takes its parent's background colour.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    // While loading, the colour is kept as the loaded colour too.
    void SetColor(TColor value) override;

    QString LabelCaption() const;
    // Creates the label on first use.
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    const TFont& LabelFont() const { return FLabelFont; }
    void SetLabelFont(const TFont& value);
    // The label, or nullptr while no caption was set.
    TLabel* ComboLabel() const { return FLabel.data(); }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { SetLookColor(FButtonColor, value); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { SetLookColor(FButtonColorHot, value); }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { SetLookColor(FButtonColorDown, value); }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { SetLookColor(FButtonTextColor, value); }
    // Stored only: no painting reads it.
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { SetLookColor(FButtonTextColorDown, value); }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { SetLookColor(FButtonBorderColor, value); }
    // Set by the owner: repaint on mouse enter and leave, no flat button area while themed.
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; }
    // Set by the owner: the platform paints alone unless ButtonColor is set, and borders
    // are painted only with a BorderColor.
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool value);

    bool DroppedDown() const { return FDroppedDown; }
    // Whether the themed drawing is used: common controls 6 and an active visual style.
    bool ThemesActive() const;

    void showPopup() override;
    void hidePopup() override;

    // Fired once each time the drop-down list closes.
    TNotifyEvent OnDropUp;
    TNotifyEvent OnDropDown;

protected:
    void Loaded() override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void SetLookColor(TColor& field, TColor value);
    // A property of the look changed: the text field and the painting follow.
    void LookChanged();
    void PlaceLabel();
    void CreateLabel();
    void SetLabelBold(bool bold);
    void KeepEditFieldLeftOfButton();
    void DoEnter();
    void DoExit();
    void ListClosed();
    bool IsOverButton(QPoint p) const;
    void EnabledChanged();
    TColor ParentBrushColor() const;
    TFlatComboLook Look() const;

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth = 0;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed = false;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    // Owned as a component; watched because the parent window may delete it first.
    QPointer<TLabel> FLabel;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    // The window colour until Init runs, so a combo never coloured by its owner goes back
    // to its own colour rather than to black.
    TColor FNormalColor = clWindow;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FIsVista = false;
    bool FAutoComplete = true;
    bool FParentFont = true;
    bool FParentColor = false;
    bool FDroppedDown = false;
    // The window of the drop-down list, known once the list was first shown.
    QPointer<QWidget> FListWindow;
};

// The published face of TAsgCustomCombo; it adds no behaviour.
class TAsgComboBox : public TAsgCustomCombo {
public:
    using TAsgCustomCombo::TAsgCustomCombo;
};
