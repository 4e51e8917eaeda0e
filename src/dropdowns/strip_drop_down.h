#pragma once
// What a pop-up's header or footer strip needs of the drop-down edit it is attached
// to: its strip settings, image list and pop-up frame, a way to close the pop-up, and
// its two button events. The drop-down edit implements it.

#include "dropdowns/button_appearance.h"
#include "dropdowns/strip_appearance.h"

class TCustomImageList;

class IStripDropDown {
public:
    virtual ~IStripDropDown() = default;
    virtual THeaderAppearance* DropDownHeader() const = 0;
    virtual TFooterAppearance* DropDownFooter() const = 0;
    virtual TExButtonAppearance* ButtonAppearance() const = 0;
    virtual TCustomImageList* Images() const = 0;
    // The pop-up's own frame; a strip draws its outer edges only where there is none.
    virtual int DropDownBorderWidth() const = 0;
    virtual TColor DropDownBorderColor() const = 0;
    // Whether the footer may offer its size grip.
    virtual bool DropDownSizeable() const = 0;
    // Hides the pop-up; Cancel puts back the text the pop-up opened with.
    virtual void DoHideDropDown(bool Cancel) = 0;
    // Raise OnDropDownHeaderButtonClick / OnDropDownFooterButtonClick when assigned.
    virtual void DropDownHeaderButtonClick(int ButtonIndex) = 0;
    virtual void DropDownFooterButtonClick(int ButtonIndex) = 0;
};
