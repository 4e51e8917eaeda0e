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
#include "dropdowns/list_picker_drop_down.h"
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

class TExColorPickerDropDown : public TListPickerDropDown {
public:
    explicit TExColorPickerDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExColorPickerDropDown() override;

    // Appends the 16 standard colours (it does not clear the list).
    void AddDefaultColors();

    TColorItems& Colors() { return FColors; }
    void SetColors(const TColorItems& Value) { FColors.Assign(&Value); }
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
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

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

    int ListCount() const override { return FColors.Count(); }
    int ListItemIndex() const override { return FItemIndex; }
    void SetListItemIndex(int Value) override { SetItemIndex(Value); }
    void FillSelector() override;

private:
    void PrepareSelector();
    // Creates the control of the current style if needed, hides the others and makes
    // it the pop-up's control, ready to show.
    void PrepareStyleControl();
    QWidget* StyleControl() const;
    void PanelSelected(TColor Color, bool Hide);
    void DrawSelectedColor(QPainter& Painter);

    TExColorCubePanel* FColorCubePanel = nullptr;
    TExColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    TColorItems FColors{this};
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
