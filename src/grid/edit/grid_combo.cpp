// The grid's combo editor: creation, its key phases (key-down, key-press, key-up), the
// open list's keys, the wheel, change, focus arrival and exit.
#include "grid/edit/grid_combo.h"

#include <QApplication>

#include "grid/core/string_grid.h"
#include "platform/custom_control.h"
#include "platform/mask_edit.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QCursor>
#include <utility>

namespace {

bool IsArrow(WORD Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

bool IsListKey(int QtKey) {
    switch (QtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

WORD KeyOf(const QKeyEvent* e) { return e->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(e->key()); }

TShiftState ShiftOf(const QKeyEvent* e) {
    TShiftState shift = ShiftStateOf(e->modifiers());
    if (e->key() == Qt::Key_Backtab) shift.Include(ssShift);
    return shift;
}

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner)
    : TAsgComboBox(AOwner, EditorGridOwner(AOwner)),
      FGrid(EditorGridOwner(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridCombo")) {
    SetButtonWidth(16);
    // The grid completes typed text itself (DoChange), with its own case rule.
    SetAutoComplete(false);
    view()->installEventFilter(this);
    OnChange = [this](TObject*) {
        if (!FCodeChange) Change();
    };
}

// ---- Qt events ---------------------------------------------------------------------------

bool TGridCombo::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (WantsSpecialKey(KeyOf(key))) {
            if (e->type() == QEvent::ShortcutOverride) {
                key->accept();
                return true;
            }
            // Past QWidget::event, which would hand Tab to the focus chain first.
            keyPressEvent(key);
            return true;
        }
    }
    return TAsgComboBox::event(e);
}

bool TGridCombo::eventFilter(QObject* watched, QEvent* e) {
    if (watched == view() && DroppedDown() && e->type() == QEvent::ShortcutOverride &&
        IsListKey(static_cast<QKeyEvent*>(e)->key())) {
        // Qt's list would close on Enter and Esc here already; the key press must reach us.
        e->accept();
        return true;
    }
    if (watched == view() && e->type() == QEvent::KeyPress && DroppedDown()) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (IsListKey(key->key())) {
            if (key->key() != Qt::Key_Escape) TakeListHighlight();
            // A change handler may have ended the edit (rows removed): the key is spent.
            if (isVisible()) HandleKeyEvent(key);
            return true;
        }
    }
    return TAsgComboBox::eventFilter(watched, e);
}

void TGridCombo::keyPressEvent(QKeyEvent* e) { HandleKeyEvent(e); }

void TGridCombo::HandleKeyEvent(QKeyEvent* e) {
    const TKeyboardStateScope keyboard(e->modifiers());
    WORD key = KeyOf(e);
    if (key != 0) {
        KeyDown(key, ShiftOf(e));
        if (key == 0) {
            e->accept();
            return;
        }
    }
    QChar ch = KeyCharacterOf(e);
    if (!ch.isNull()) {
        KeyPress(ch);
        if (ch.isNull()) {
            e->accept();
            return;
        }
        if (!EditableStyle() && !DroppedDown() && ch.isPrint() &&
            !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            SearchList(ch);
            e->accept();
            return;
        }
    }
    TAsgComboBox::keyPressEvent(e);
}

void TGridCombo::SearchList(QChar Key) {
    if (!FSearchTime.isValid() || FSearchTime.restart() > QApplication::keyboardInputInterval()) FSearch.clear();
    if (!FSearchTime.isValid()) FSearchTime.start();
    FSearch += Key;
    const int items = count();
    if (items == 0) return;
    const auto find = [this, items](const QString& prefix, int from) {
        for (int i = 0; i < items; ++i) {
            const int at = (from + i) % items;
            if (itemText(at).startsWith(prefix, Qt::CaseInsensitive)) return at;
        }
        return -1;
    };
    const int current = qMax(currentIndex(), 0);
    int found = find(FSearch, FSearch.size() == 1 ? current + 1 : current);
    if (found < 0 && FSearch.size() > 1) {
        FSearch = Key;
        found = find(FSearch, current + 1);
    }
    if (found < 0 || found == currentIndex()) return;
    setCurrentIndex(found);
    Q_EMIT activated(found);
}

void TGridCombo::keyReleaseEvent(QKeyEvent* e) {
    const TKeyboardStateScope keyboard(e->modifiers());
    WORD key = KeyOf(e);
    if (key != 0) KeyUp(key, ShiftOf(e));
    if (key != 0 && key != VK_RETURN) TAsgComboBox::keyReleaseEvent(e);
    DoChange();
}

bool TGridCombo::WantsSpecialKey(WORD Key) const {
    if (Key == VK_RETURN || Key == VK_ESCAPE) return true;
    return Key == VK_TAB && FProtocol.TabCondition();
}

// ---- key-down ----------------------------------------------------------------------------

bool TGridCombo::InHandledSet(WORD Key, TShiftState Shift) const {
    if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
    if (!EditableStyle() || DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
    return FProtocol.InHandledSet(Key);
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
    const bool handled = InHandledSet(Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    TNavigation* navigation = FGrid->Navigation();

    if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt) && !navigation->ComboGetUpDown() &&
        !DroppedDown()) {
        FGrid->HideInplaceEdit();
        const bool alwaysEdit = navigation->AlwaysEdit();
        navigation->SetAlwaysEdit(false);
        FGrid->setFocus(Qt::OtherFocusReason);
        FGrid->EditorKeyToGrid(Key, Shift);
        navigation->SetAlwaysEdit(alwaysEdit);
        // The grid has had the key: going on would write this text into the cell it moved to.
        Key = 0;
        return;
    }
    if (!handled) return;

    if (Key == VK_ESCAPE) {
        const QString cellText = FGrid->CurrentCell();
        const int index = findText(cellText, Qt::MatchFixedString);
        if (index >= 0) SetItemIndexByCode(index);
        SetTextByCode(cellText);
        FProtocol.CloseAndFocusGrid();
        Key = 0;
        return;
    }

    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        QString shown;
        if (!FProtocol.StoreAndValidate(Text(), shown)) {
            SetTextByCode(shown);
            if (EditableStyle()) lineEdit()->selectAll();
            repaint();
            Key = 0;
            return;
        }
        if (!EditableStyle()) {
            const int index = findText(shown, Qt::MatchFixedString);
            if (index >= 0) SetItemIndexByCode(index);
        } else {
            SetTextByCode(shown);
        }
    }

    if (Key == VK_TAB && FProtocol.TabCondition()) {
        QString shown;
        if (!FProtocol.StoreAndValidate(Text(), shown)) {
            SetTextByCode(shown);
            if (EditableStyle()) lineEdit()->end(false);
            repaint();
            Key = 0;
            return;
        }
        if (!EditableStyle()) SetItemIndexByCode(findText(shown, Qt::MatchFixedString));
        else SetTextByCode(shown);
        if (FProtocol.WalkOrPostTab(Shift)) {
            Key = 0;
            return;
        }
    }

    if (!EditableStyle() || DroppedDown()) {
        TMouseActions* mouse = FGrid->MouseActions();
        const bool directClose = mouse->DirectComboClose();
        mouse->SetDirectComboClose(false);
        FGrid->HideInplaceEdit();
        mouse->SetDirectComboClose(directClose);
        if (Key == VK_LEFT || Key == VK_RIGHT) FGrid->EditorKeyToGrid(Key, Shift);
        if (IsArrow(Key) || Key == VK_PRIOR || Key == VK_NEXT) Key = 0;
    } else if (Key == VK_END) {
        return;  // End only moves the caret
    }
    FProtocol.EndEdit(Key, Shift);
}

// ---- key-press and key-up ----------------------------------------------------------------

void TGridCombo::KeyPress(QChar& Key) {
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == QChar(VK_ESCAPE)) Key = QChar();
    if (Key == QChar(VK_RETURN)) {
        if (OnReturnKey) OnReturnKey(this);
        Key = QChar();
    }
    if (Key == QChar(VK_TAB)) Key = QChar();
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
    if (!EditableStyle() || !isVisible() || !FGrid->Navigation()->CursorWalkEditor()) return;
    if (Shift.Contains(ssShift) || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return;
    QLineEdit* edit = lineEdit();
    if (edit->hasSelectedText()) return;
    if (Key == VK_LEFT && edit->cursorPosition() == 0) {
        Key = 0;
        FProtocol.WalkOutOfCell(false, Text());
    } else if (Key == VK_RIGHT && edit->cursorPosition() == edit->text().length()) {
        Key = 0;
        FProtocol.WalkOutOfCell(true, Text());
    }
}

// ---- list, wheel, change -----------------------------------------------------------------

void TGridCombo::showPopup() {
    TAsgComboBox::showPopup();
    QWidget* list = view()->window();
    if (!DroppedDown() || list == window()) return;
    const QPoint below = mapToGlobal(QPoint(0, height()));
    if (list->y() < below.y()) list->move(list->x(), below.y());
}

void TGridCombo::TakeListHighlight() {
    const int highlighted = view()->currentIndex().row();
    if (highlighted < 0 || highlighted == currentIndex()) return;
    SetItemIndexByCode(highlighted);
    Q_EMIT activated(highlighted);
}

void TGridCombo::wheelEvent(QWheelEvent* e) {
    e->accept();
    const int delta = e->angleDelta().y();
    if (delta == 0) return;
    WheelStep(delta < 0);
}

void TGridCombo::WheelStep(bool Down) {
    const int index = currentIndex();
    if (Down && index < count() - 1) SetItemIndexByCode(index + 1);
    if (!Down && index > 0) SetItemIndexByCode(index - 1);
    const int realCol = FGrid->RealColIndex(FGrid->Col());
    const int row = FGrid->Row();
    const int selected = currentIndex();
    // With no item selected (an empty list) the events name no item: empty text, no object.
    const QString text = selected >= 0 ? itemText(selected) : QString();
    TObject* object = selected >= 0 ? static_cast<TObject*>(itemData(selected).value<void*>()) : nullptr;
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, realCol, row, text);
    if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, realCol, row, selected, text);
    if (FGrid->OnComboObjectChange) FGrid->OnComboObjectChange(FGrid, realCol, row, selected, text, object);
}

void TGridCombo::Change() {
    if (FGrid->OnEditChange && isVisible()) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::SetTextByCode(const QString& Value) {
    const bool was = std::exchange(FCodeChange, true);
    SetText(Value);
    if (isEditable() && lineEdit()->text() != Value) setEditText(Value);
    FCodeChange = was;
}

void TGridCombo::SetItemIndexByCode(int Value) {
    const bool was = std::exchange(FCodeChange, true);
    setCurrentIndex(Value);
    FCodeChange = was;
}

// ---- focus -------------------------------------------------------------------------------

void TGridCombo::focusInEvent(QFocusEvent* e) {
    TAsgComboBox::focusInEvent(e);
    // The one combo serves every cell: what was typed into the last cell must not lead
    // the search in this one (a "1" after "H" found nothing and kept the first item).
    if (e->reason() != Qt::PopupFocusReason) FSearch.clear();
    if (e->reason() == Qt::PopupFocusReason || !EditableStyle()) return;
    QLineEdit* edit = lineEdit();
    if (FGrid->Navigation()->EditSelectAll()) edit->selectAll();
    else edit->setCursorPosition(edit->text().length());
    if (!FGrid->LButFlg) return;
    const QPoint mouse = mapFromGlobal(QCursor::pos());
    if (!rect().contains(mouse)) return;
    edit->deselect();
    edit->setCursorPosition(edit->cursorPositionAt(edit->mapFrom(this, mouse)));
    FGrid->LButFlg = false;
}

void TGridCombo::focusOutEvent(QFocusEvent* e) {
    TAsgComboBox::focusOutEvent(e);
    // Opening the list or another window taking the activation leaves the focus with the
    // combo within its window: no exit.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason || DroppedDown()) return;
    Exit();
}

void TGridCombo::Exit() {
    const QString text = Text();
    if (FGrid->LookupHistory() && !text.isEmpty() && findText(text, Qt::MatchFixedString) < 0) {
        const bool was = std::exchange(FCodeChange, true);
        addItem(text);
        FCodeChange = was;
        FGrid->AddComboString(text);
    }
    FGrid->HideInplaceEdit();
}
