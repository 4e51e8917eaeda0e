#pragma once
// How the list-style pickers size their pop-up around the item selector: the selector
// takes its panel's size where the picker gives no drop-down width or height, and the
// pop-up leaves room for its frame and for a vertical scroll bar that shows.

class QWidget;
class TExCustomItemSelector;

// Before the base sizes the pop-up from the selector.
void SizeListSelector(TExCustomItemSelector* Selector, int DropDownWidth, int DropDownHeight);
// After it.
void FitPopUpToListSelector(QWidget* PopUp, TExCustomItemSelector* Selector, int DropDownWidth, int BorderWidth);
