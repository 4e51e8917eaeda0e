#pragma once
// A panel of push-button keys described by a collection of TButtonItem. As a
// calculator keypad it creates the 28 keys of a pocket calculator and arranges them
// in six columns: the memory column, the digit block and the operator block, with a
// top row of Back, CE and C. The panel tracks the hot and the pressed key, draws each
// key as a push button of the platform style with the appearance's font and text
// colours, and reports a click (press and release on the same key) with the key's
// index.

#include "dropdowns/button_items.h"
#include "dropdowns/item_appearance.h"
#include "dropdowns/keypad_appearance.h"
#include "platform/custom_control.h"

class TCustomImageList;

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TCustomButtonPanel() override;

    TButtonItems& Buttons() { return FButtons; }
    void SetButtons(const TButtonItems& Value) { FButtons.Assign(&Value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The edit the keypad serves; forgotten when that edit goes.
    TControl* Edit() const { return FEdit; }
    void SetEdit(TControl* Value);
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    TButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    void SetButtonAppearance(const TButtonAppearance& Value) { FButtonAppearance.Assign(&Value); }
    // The drop-down the keypad sits in: the panel then draws no frame of its own and
    // leaves repainting after appearance changes to it.
    void SetExDropDown(TObject* ADropDown) { FExDropDown = ADropDown; }
    TObject* ExDropDown() const { return FExDropDown; }

    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    // The first key containing the point; -1 for none.
    int ButtonAtPos(int X, int Y) const;
    // An index outside the keys, or of a disabled key, changes nothing.
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);

    virtual void DrawButtonItem(int Index, TCanvas& Canvas);
    virtual void GetButtonArea(TRect& R) const;
    virtual void ClearButtonItems();
    virtual void ResetButtonItems();
    // Adds the calculator keys when there are none and the type is plCalculator, then
    // arranges the keys.
    virtual void CreateDefaultButtons();
    virtual void ArrangeButtonItems();
    virtual void InvalidateButtonItem(int Index);
    virtual void ButtonItemClick(int Index);

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool ValidIndex(int Index) const { return Index >= 0 && Index < FButtons.Count(); }
    bool AcceptsState(int Index) const;
    TColor PanelColor() const;
    void ArrangeCalculator();

    TButtonItems FButtons;
    TItemLayout FButtonLayout = ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = scCustom;
    int FButtonHot = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    TCustomImageList* FImages = nullptr;
    int FCaptionGap = 0;
    TControl* FEdit = nullptr;
    TButtonPanelType FButtonPanelType = plCalculator;
    TButtonAppearance FButtonAppearance;
    int FButtonDown = -1;
    TObject* FExDropDown = nullptr;
};
