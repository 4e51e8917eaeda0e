#pragma once
// The grid's drop-down cell editors (kinds edTrackbarDropDown to edExGridDropDown): each
// a drop-down control tied into the grid's editing by TGridDropDownEditor. It follows
// the editors' shared key protocol (editor_key_protocol.h), stores and validates its
// text in the current cell, reports changes and typed characters to the grid's events
// and commits when the focus leaves it for another control. Focus moving into its own
// pop-up is no exit, so that commits nothing.
//
// The protocol's keys are taken in the raw key-down, ahead of the drop-down's own
// handling: with typing off the drop-down passes only Enter and Esc on, and the grid
// needs Tab, the arrows, the page keys and End (Home for the colour picker) as well.
// Enter, Tab and the arrows close an open pop-up accepting its choice before the text is
// stored, so what the pop-up shows is what the cell gets.
//
// A press outside the open pop-up closes it and then acts where it was made: a click on
// another cell moves there and so commits the edit, as a click does while the pop-up is
// closed.
//
// The editors claim Enter and Esc before a window's dialog keys, and Tab when the grid
// takes Tab into its editors, so a default or cancel button of the window never takes a
// key away from an open edit.
//
// Member definitions: grid_drop_down_editors.cpp (the wrappers),
// grid_drop_down_editors_cells.cpp (the grid opening and closing them on a cell).

#include "dropdowns/calculator_drop_down.h"
#include "dropdowns/color_picker_drop_down.h"
#include "dropdowns/detail_drop_down.h"
#include "dropdowns/grid_drop_down.h"
#include "dropdowns/image_picker_drop_down.h"
#include "dropdowns/memo_drop_down.h"
#include "dropdowns/multi_column_drop_down.h"
#include "dropdowns/time_picker_drop_down.h"
#include "dropdowns/trackbar_drop_down.h"
#include "grid/edit/editor_key_protocol.h"

#include <type_traits>

class TExStringGrid;

// The lines of a memo cell's text, whichever line breaks it holds.
QStringList MemoLines(const QString& Text);

template <class Base>
class TGridDropDownEditor : public Base {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridDropDownEditor(TComponent* AOwner, QWidget* AParent = nullptr);

protected:
    void WMKeyDown(TWMKey& Message) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMSetFocus() override;
    void DoExit() override;
    void DoHideDropDown(bool Cancel) override;

    TExStringGrid* FGrid;

private:
    bool InHandledSet(WORD Key) const;
    // The protocol's key-down: false when the key goes on to the drop-down's own handling.
    bool GridKeyDown(WORD& Key, TShiftState Shift);
    // Shows a text put back or corrected by the grid (the track bar formats it).
    void ShowGridText(const QString& Value);
    // The text the cell gets: the edit's, or all lines of the memo.
    QString CellText() const;
    // Hands the press that closed the pop-up to the control under the mouse.
    void ReplayClosingPress();
    // The editors whose caret goes under the mouse when a click opened them.
    static constexpr bool CaretUnderMouse = std::is_base_of_v<TExTrackBarDropDown, Base> ||
                                            std::is_base_of_v<TExMemoDropDown, Base> ||
                                            std::is_base_of_v<TExCalculatorDropdown, Base>;
    static constexpr bool IsColorPicker = std::is_base_of_v<TExColorPickerDropDown, Base>;

    TEditorKeyProtocol FProtocol;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TExTrackBarDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    void DoChange() {}
};

class TGridMemoDropDown : public TGridDropDownEditor<TExMemoDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExCalculatorDropdown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExTimePickerDropDown> {
public:
    TGridTimepickerDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExDetailDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridGridDropDown : public TGridDropDownEditor<TExMultiColumnDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridExGridDropDown : public TGridDropDownEditor<TCustomExGridDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    // The list grid of the pop-up, which the grid fills for an edit.
    TExStringGrid* Grid() const;
};

class TGridColorDropDown : public TGridDropDownEditor<TExColorPickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridImageDropDown : public TGridDropDownEditor<TExImagePickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};
