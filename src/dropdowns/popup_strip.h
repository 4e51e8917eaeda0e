#pragma once
// The header and footer strips of a drop-down's pop-up. A strip keeps a private copy
// of the drop-down's header or footer appearance, paints its background, border,
// image and mini-HTML caption, and builds one TExButton per button item, arranged
// from the right or the left of its button area. A footer can show a size grip with
// which the user resizes the pop-up.
//
// The pop-up attaches the drop-down (AttachDropDown) and rebuilds the buttons
// (RebuildButtons) every time it is prepared; a button click reaches the drop-down's
// header or footer button event with the item's index.

#include "dropdowns/dbg_list.h"
#include "dropdowns/strip_appearance.h"
#include "dropdowns/strip_button.h"
#include "platform/custom_control.h"

class IStripDropDown;
class TCustomImageList;

using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, QString& Text)>;

class TPopupStrip : public TCustomControl {
public:
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    IStripDropDown* ExDropDown() const { return FExDropDown; }
    // Takes the drop-down's image list and a copy of its strip settings; with none
    // only the image list is cleared.
    void AttachDropDown(IStripDropDown* ADropDown);
    // Recreates the buttons from the attached drop-down's button items.
    void RebuildButtons();
    // The attached drop-down's button items; nullptr when none is attached.
    TCollection* Buttons() const;
    const TDbgList<TExButton>& ButtonList() const { return FButtonList; }
    virtual TStripAppearance& StripAppearance() = 0;

    // Replaces the whole painting of the strip when assigned.
    TDrawBackGroundEvent OnDrawBackGround;
    // May change the caption before it is drawn.
    TGetTextEvent OnGetText;

protected:
    explicit TPopupStrip(TComponent* AOwner, QWidget* AParent);

    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    // The rectangle the buttons stand in.
    virtual TRect ButtonArea() const = 0;
    // The footer's border faces the content at its top, the header's at its bottom.
    virtual bool InnerEdgeAtTop() const = 0;
    virtual void DrawExtras(TCanvas& Canvas, const TRect& R);
    virtual TStripAppearance* DropDownAppearance() const = 0;
    virtual void ButtonClicked(int ButtonIndex) = 0;
    virtual void PrepareButton(TExButton& Button, const TStripButtonItem& Item);

    void Paint() override;
    void DrawBorder(TCanvas& Canvas, const TRect& R);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void resizeEvent(QResizeEvent* event) override;
    // The appearance copy changed its Visible: the strip follows it and its Height.
    void AppearanceChanged();

private:
    void ButtonClick(TObject* Sender);

    TCustomImageList* FImages = nullptr;
    IStripDropDown* FExDropDown = nullptr;
    TDbgList<TExButton> FButtonList;
};

class TExHeader : public TPopupStrip {
public:
    explicit TExHeader(TComponent* AOwner, QWidget* AParent = nullptr);
    THeaderAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const THeaderAppearance& Value) { FAppearance.Assign(&Value); }
    TStripAppearance& StripAppearance() override { return FAppearance; }

protected:
    TRect ButtonArea() const override;
    bool InnerEdgeAtTop() const override { return false; }
    TStripAppearance* DropDownAppearance() const override;
    void ButtonClicked(int ButtonIndex) override;

private:
    THeaderAppearance FAppearance;
};

class TExFooter : public TPopupStrip {
public:
    explicit TExFooter(TComponent* AOwner, QWidget* AParent = nullptr);
    TFooterAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TFooterAppearance& Value) { FAppearance.Assign(&Value); }
    TStripAppearance& StripAppearance() override { return FAppearance; }
    // The grip shows when the settings ask for it and the drop-down is sizeable.
    bool SizeGripApplies() const;

protected:
    TRect ButtonArea() const override;
    bool InnerEdgeAtTop() const override { return true; }
    void DrawExtras(TCanvas& Canvas, const TRect& R) override;
    TStripAppearance* DropDownAppearance() const override;
    void ButtonClicked(int ButtonIndex) override;
    void PrepareButton(TExButton& Button, const TStripButtonItem& Item) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void leaveEvent(QEvent* event) override;

private:
    bool InGripCorner(int X, int Y) const;

    TFooterAppearance FAppearance;
    // While the grip is dragged: where the press was and the pop-up's size then.
    bool FSizing = false;
    QPoint FSizingStart;
    QSize FSizingStartSize;
};
