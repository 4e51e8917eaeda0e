#pragma once
// An edit with a push button inside its right edge (TAsgEditBtn), the button's
// container (TAsgEditButton) and the painted button in it (TExSpeedButton). The button
// fires OnClickBtn when the left button is released on it (wherever the pointer then
// is), and so does F4 without Ctrl or Alt; EditorEnabled off keeps typing, paste and
// cut out but leaves the button working. The grid's edit-with-button editor derives
// from TAsgEditBtn.
//
// Files: edit_button.cpp (container and button behaviour), edit_button_painting.cpp
// (TExSpeedButton::Paint), edit_button_edit.cpp (TAsgEditBtn).

#include "platform/form.h"
#include "platform/mask_edit.h"
#include "platform/speed_button.h"

#include <QPointer>

class TAsgEditButton;

class TExSpeedButton : public TSpeedButton {
public:
    // The owner is always a button container, whose colours the painting reads.
    explicit TExSpeedButton(TAsgEditButton* AOwner);

    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    // The button's own flat flag; a coloured container paints flat whatever it says.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // The mouse is over the button.
    bool Hot() const { return FHot; }

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
    TAsgEditButton* FContainer;
};

class TAsgEditButton : public TControlOf<QWidget> {
public:
    explicit TAsgEditButton(TComponent* AOwner, QWidget* AParent = nullptr);

    TExSpeedButton* Button() const { return FButton; }
    const TBitmap& Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& Value) { FButton->SetCaption(Value); }
    // Takes the focus after a click; forgotten when it goes.
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* Value) { FFocusControl = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

    // Colours of the coloured look; clNone (the default) leaves the look to the theme.
    // ButtonBorderColor and the three text colours are kept for the owner only.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void Loaded() override;

private:
    void ButtonReleased(TMouseButton Button);

    TExSpeedButton* FButton = nullptr;
    QPointer<QWidget> FFocusControl;
    bool FFlat = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

class TAsgEditBtn : public TCustomMaskEdit {
public:
    explicit TAsgEditBtn(TComponent* AOwner, QWidget* AParent = nullptr);

    TAsgEditButton* Button() const { return FButton; }
    int ButtonWidth() const { return FButton->width(); }
    void SetButtonWidth(int Value);
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
    const TBitmap& Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool Value);
    // bsSingle (the default) draws the edit's frame, bsNone none.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    // The least height for the font; a lower height is raised to it.
    int MinHeight() const;

    // Fires OnClickBtn with Sender when assigned.
    virtual void ClickBtn(TObject* Sender);
    TNotifyEvent OnClickBtn;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WMChar(TWMKey& Message) override;
    void WMPaste(TMessage& Message) override;
    void WMCut(TMessage& Message) override;
    void resizeEvent(QResizeEvent* event) override;
    // The text stays left of the button and of the unit space.
    void SetEditRect();

    int FUnitSize = 0;

private:
    void PlaceButton();
    int InnerWidth() const { return width() - 2 * FrameWidth(); }
    int InnerHeight() const { return height() - 2 * FrameWidth(); }

    bool FRightAlign = false;
    TAsgEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    bool FIsWinXP = false;
    TFormBorderStyle FBorderStyle = bsSingle;
};
