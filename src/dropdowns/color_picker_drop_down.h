#pragma once
// A drop-down edit whose edit part shows a swatch of the selected colour and its text
// (SelectedColorText), and whose pop-up lists the named colours of Colors in an item
// selector (ColorSelectionStyle csList). While the list is open, keys move the
// selection live (OnSelect fires for each move); a cancelling close puts back the index
// held when it opened. Keys and type-ahead: list_picker_keys.h.
// The other styles show the palette of 60 theme colours (csDiscrete), the honeycomb
// (csColorCube) or the spectrum (csSpectrum) of color_selector_panels.h.

#include "dropdowns/color_selector_panels.h"
#include "dropdowns/color_value_text.h"
#include "dropdowns/drop_down_edit.h"
#include "dropdowns/item_selector.h"
#include "dropdowns/list_picker_keys.h"
#include "platform/collection.h"

#include <memory>

class TColorItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    void Assign(const TPersistent* Source) override;

private:
    QString FCaption;
    TColor FColor = clNone;
    QString FHint;
};

using TColorItems = TCollectionOf<TColorItem>;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R)>;

class TExColorPickerDropDown : public TExCustomDropDown {
public:
    explicit TExColorPickerDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExColorPickerDropDown() override;

    // Appends the 16 standard colours (it does not clear the list).
    void AddDefaultColors();

    TColorItems& Colors() { return FColors; }
    void SetColors(const TColorItems& Value) { FColors.Assign(&Value); }
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    int ItemIndex() const { return FItemIndex; }
    // Nothing for an index at or past the end; else selects (its colour when >= 0) and
    // fires OnSelect, also for the same index and for -1.
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first item of that colour, if any.
    void SetSelectedColor(TColor Value);
    virtual QString GetSelectedColorText() const;
    QString SelectedColorText() const { return GetSelectedColorText(); }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
    // The type-ahead text of the open list.
    const QString& CurrentSearch() const { return FListKeys.CurrentSearch(); }

    void SetComponentStyle(TZRTStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize() override;
    void PlaceDropDownControl() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownDestroyed() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void DrawFocusText(QPainter& Painter) override;
    void WMKeyDown(TWMKey& Message) override;

private:
    void PrepareSelector();
    // Creates the control of the current style if needed, hides the others and makes
    // it the pop-up's control, ready to show.
    void PrepareStyleControl();
    QWidget* StyleControl() const;
    void PanelSelected(TColor Color, bool Hide);
    void FillSelector();
    void ListSelected();
    void DrawSelectedColor(QPainter& Painter);
    // Runs a selector move that keeps the pop-up open.
    void InternalMove(const std::function<void()>& move);

    TExCustomItemSelector* FItemSelector = nullptr;
    TExColorCubePanel* FColorCubePanel = nullptr;
    TExColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    TColorItems FColors{this};
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    TItemAppearance FItemAppearance{this};
    bool FInternalCall = false;
    TListPickerKeys FListKeys;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
