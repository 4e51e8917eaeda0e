#pragma once
// TGridCombo: the grid's combo editor for edComboEdit (editable, csDropDown) and
// edComboList (csDropDownList) cells. It follows the editors' shared key protocol
// (editor_key_protocol.h) with the combo's own handled keys, stores and validates its
// text in the grid's current cell, completes typed text from its items or the grid's
// LookupItems, remembers new texts with LookupHistory, steps its item with the wheel and
// commits when the focus leaves it.
//
// Qt's open list takes the keyboard while it is shown; an event filter on it hands Tab,
// Enter, Esc, Left and Right to the combo's key-down, as the original list left them to
// the combo. The item highlighted in the open list counts as chosen when such a key ends
// the edit (the original list selected while the arrows moved).
//
// A user's choice in the list (mouse or keys) and a user's typing are reported to the
// grid once, as OnComboChange and OnComboObjectChange with the real column, by the
// grid's combo notices; the key-press handler therefore reports nothing itself, and texts
// and items set by code report nothing at all.
//
// Member definitions:
//   grid_combo.cpp          creation, Qt key events, key-down, key-press, key-up, wheel,
//                           change, focus arrival and exit
//   grid_combo_lookup.cpp   type-ahead completion, lookup history, list width
//   grid_combo_cell_editor.cpp  the grid's opening and closing of the combo

#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/flat_combo.h"

#include <QElapsedTimer>

class TExStringGrid;
class TStringList;

class TGridCombo : public TAsgComboBox {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridCombo(TComponent* AOwner);

    // False while the last key pressed was Backspace or Delete: no completion then.
    bool WorkMode = true;
    // Fired from the key press when Enter is typed.
    TNotifyEvent OnReturnKey;

    // The type-ahead completion, after every key release.
    void DoChange();
    // Widens the list to its widest item, measured in the grid's font.
    void SizeDropDownWidth();

    // Changes made by the grid that report nothing.
    void FillItems(const TStringList& Items);
    void SetTextByCode(const QString& Value);
    void SetItemIndexByCode(int Value);
    bool EditableStyle() const { return isEditable(); }

    // The list drops below the cell, as the original list did, rather than over it.
    void showPopup() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    void KeyDown(WORD& Key, TShiftState Shift);
    void KeyPress(QChar& Key);
    void KeyUp(WORD& Key, TShiftState Shift);
    void Change();
    void Exit();

private:
    bool InHandledSet(WORD Key, TShiftState Shift) const;
    // Whether the combo asks for the key before the window's focus chain and dialog keys.
    bool WantsSpecialKey(WORD Key) const;
    // Makes the item highlighted in the open list the chosen one, reported as a pick.
    void TakeListHighlight();
    void WheelStep(bool Down);
    // The key-down, key-press and base handling of one Qt key event.
    void HandleKeyEvent(QKeyEvent* e);
    // A closed list finds the item starting with the keys typed in quick succession, from
    // the one after the current for a first key, wrapping round.
    void SearchList(QChar Key);

    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
    bool FCodeChange = false;
    QString FSearch;
    QElapsedTimer FSearchTime;
};
