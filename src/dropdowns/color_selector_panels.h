#pragma once
// The colour picker's panels for its non-list styles: the palette of colour boxes
// (TCustomColorSelector, csDiscrete), the honeycomb of 127 cells (TExColorCubePanel,
// csColorCube) and the hue-lightness spectrum (TExColorSpectrumPanel, csSpectrum).
// They know nothing of the picker: it sets their SelectedColor before showing them and
// listens to their selection events.
//
// Files: color_palette.cpp, color_cube_panel.cpp, color_spectrum_panel.cpp.
//
// The spectrum picture and the eyedropper cursor are drawn by this program's own
// generator (color_spectrum_panel.cpp); sampling reads the spectrum picture, not the
// screen.

#include "dropdowns/item_appearance.h"
#include "platform/collection.h"
#include "platform/custom_control.h"

#include <QImage>
#include <array>

class TExCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    // Fired by the cube and the spectrum after every mouse release over them.
    TNotifyEvent OnShouldHide;
};

// ---- Honeycomb ----

struct TCubeCell {
    TPoint Center;
    TColor Color = clNone;
};

class TExColorCubePanel : public TExCustomColorSelectorPanel {
public:
    explicit TExColorCubePanel(TComponent* AOwner, QWidget* AParent = nullptr);

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of exactly that colour, or none.
    void SetSelectedColor(TColor Value);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    void InitCells();
    void ResetHotCell();
    // Cell number 1..127 whose centre lies within the half-width of the point; -1 for none.
    int CellAtPos(int X, int Y) const;
    const TCubeCell& Cell(int Number) const { return FCubeCells.at(Number - 1); }

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(TCanvas& Canvas, int Number);

    std::array<TCubeCell, 127> FCubeCells;
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

// ---- Spectrum ----

// The 128 x 128 spectrum picture: hue across, white to the full hue to black down.
const QImage& SpectrumBitmap();
// The eyedropper pointer over the spectrum, hot spot (1, 30).
QCursor EyedropperCursor();

class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
public:
    explicit TExColorSpectrumPanel(TComponent* AOwner, QWidget* AParent = nullptr);

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor HotColor() const { return FHotColor; }
    void UpdateLayout();
    // The picture's place in the panel and the two swatches.
    TRect PictureRect() const { return FPictureRect; }
    TRect SelectedRect() const { return FSelectedRect; }
    TRect HotRect() const { return FHotRect; }

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool OverPicture(int X, int Y) const { return FPictureRect.Contains({X, Y}); }

    TColor FHotColor = clNone;
    TColor FSelectedColor = 0xFFFFFF;
    TRect FPictureRect;
    TRect FHotRect;
    TRect FSelectedRect;
};

// ---- Palette ----

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
    const TRect& BoxRect() const { return FRect; }
    void SetBoxRect(const TRect& Value) { FRect = Value; }
    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clNone;
    TRect FRect;
    TItemPos FColorBoxPos = ipStandAlone;
};

using TColorBoxItems = TCollectionOf<TColorBoxItem>;

struct TColorBoxAppearance {
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
};

class TCustomColorSelector : public TExCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner, QWidget* AParent = nullptr);

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
    TColorBoxItems& Items() { return FItems; }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);

    // Clears the boxes and adds the 60 theme colours.
    void AddDiscreteColors();
    virtual void UpdateSize();
    void SelectByKey(WORD Key, bool EditorEnabled, bool DroppedDown);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    int ItemAtPos(int X, int Y) const;

    TNotifyEvent OnItemSelect;

protected:
    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R) const;
    virtual void GetItemSize(TSize& Size) const;
    virtual void InvalidateItem(int Index);

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void leaveEvent(QEvent* event) override;

private:
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    TColorBoxAppearance FColorBoxAppearance;
    TColorBoxItems FItems{this};
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
