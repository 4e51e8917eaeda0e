#include "dropdowns/list_picker_sizing.h"

#include "dropdowns/item_selector.h"

#include <QScrollBar>

void SizeListSelector(TExCustomItemSelector* Selector, int DropDownWidth, int DropDownHeight) {
    if (!Selector) return;
    TSize size;
    Selector->GetSelectorSize(size);
    // The selector's frame lies around its panel.
    const int frame = 2 * Selector->frameWidth();
    if (DropDownWidth < 1) Selector->resize(size.cx + frame, Selector->height());
    if (DropDownHeight < 1) Selector->resize(Selector->width(), size.cy + frame);
}

void FitPopUpToListSelector(QWidget* PopUp, TExCustomItemSelector* Selector, int DropDownWidth, int BorderWidth) {
    if (!PopUp || !Selector) return;
    // The list is as wide as its widest row: room for the pop-up's frame, no sideways scrolling.
    if (DropDownWidth < 1) PopUp->resize(PopUp->width() + 2 * std::max(0, BorderWidth), PopUp->height());
    if (Selector->verticalScrollBar()->isVisible())
        PopUp->resize(PopUp->width() + Selector->verticalScrollBar()->sizeHint().width(), PopUp->height());
}
