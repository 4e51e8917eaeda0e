// The grid's drop-down cell editors: the key protocol, typed characters, changes, the
// special-key claims, focus arrival and exit.
#include "grid/edit/grid_drop_down_editors.h"

#include "grid/core/string_grid.h"

#include "dropdowns/drop_down_form.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>

namespace {

TExStringGrid* GridOwner(TComponent* AOwner) {
    auto* grid = dynamic_cast<TExStringGrid*>(AOwner);
    if (!grid) throw Exception(QStringLiteral("Invalid class typecast"));
    return grid;
}

bool IsArrowOrPage(WORD Key) {
    return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT;
}

}  // namespace

template <class Base>
TGridDropDownEditor<Base>::TGridDropDownEditor(TComponent* AOwner, QWidget* AParent)
    : Base(AOwner, AParent ? AParent : GridOwner(AOwner)),
      FGrid(GridOwner(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridDropDown")) {}

template <class Base>
void TGridDropDownEditor<Base>::DoHideDropDown(bool Cancel) {
    Base::DoHideDropDown(Cancel);
    ReplayClosingPress();
}

template <class Base>
void TGridDropDownEditor<Base>::ReplayClosingPress() {
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    if (buttons == Qt::NoButton) return;
    const QPoint global = QCursor::pos();
    QPointer<QWidget> target = QApplication::widgetAt(global);
    if (!target || target == this || this->isAncestorOf(target) || target->window() != this->window()) return;
    const Qt::MouseButton button = buttons & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    // Once the pop-up has gone: the focus follows the click, then the press arrives
    // where a scroll area takes its mouse input.
    QMetaObject::invokeMethod(
        this,
        [target, global, button, buttons, modifiers] {
            if (!target) return;
            // As a real press does: the first widget from there up that takes focus by clicks.
            for (QWidget* w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
                if (!(w->focusPolicy() & Qt::ClickFocus)) continue;
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
            QWidget* receiver = target;
            if (auto* area = qobject_cast<QAbstractScrollArea*>(target.data()); area && area->viewport())
                receiver = area->viewport();
            QMouseEvent press(QEvent::MouseButtonPress, receiver->mapFromGlobal(global), global, button, buttons,
                              modifiers);
            QCoreApplication::sendEvent(receiver, &press);
        },
        Qt::QueuedConnection);
}

template <class Base>
bool TGridDropDownEditor<Base>::InHandledSet(WORD Key) const {
    if constexpr (IsColorPicker) {
        if (this->DroppedDown()) return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
        if (Key == VK_HOME) return true;
    }
    return FProtocol.InHandledSet(Key);
}

template <class Base>
void TGridDropDownEditor<Base>::WMKeyDown(TWMKey& Message) {
    WORD key = Message.CharCode;
    if (!Message.Shift.Contains(ssAlt) && InHandledSet(key) && GridKeyDown(key, Message.Shift)) {
        Message.CharCode = key;
        if (key == 0) return;
    }
    Base::WMKeyDown(Message);
}

template <class Base>
bool TGridDropDownEditor<Base>::GridKeyDown(WORD& Key, TShiftState Shift) {
    const bool open = this->DroppedDown();
    if (Key == VK_ESCAPE) {
        if (open) this->HideDropDown(true);
        ShowGridText(FGrid->CurrentCell());
        FProtocol.CloseAndFocusGrid();
        Key = 0;
        return true;
    }
    // What the pop-up shows is what the cell gets.
    if (open) this->HideDropDown(false);

    const bool stores = IsColorPicker ? Key == VK_RETURN : (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN);
    if (stores) {
        if constexpr (std::is_base_of_v<TExCalculatorDropdown, Base>) {
            if (Key == VK_RETURN) this->CalcResult();
        }
        QString shown;
        if (!FProtocol.StoreAndValidate(CellText(), shown)) {
            ShowGridText(shown);
            this->selectAll();
            this->repaint();
            Key = 0;
            return true;
        }
        ShowGridText(shown);
    }
    if (Key == VK_TAB && FProtocol.TabCondition()) {
        QString shown;
        if (!FProtocol.StoreAndValidate(CellText(), shown)) {
            ShowGridText(shown);
            this->end(false);
            this->repaint();
            Key = 0;
            return true;
        }
        if (FProtocol.WalkOrPostTab(Shift)) {
            Key = 0;
            return true;
        }
    }
    if (open) {
        FGrid->HideInplaceEdit();
        if (IsArrowOrPage(Key)) Key = 0;
    } else if (Key == VK_END) {
        return false;  // End only moves the caret
    }
    FProtocol.EndEdit(Key, Shift);
    return true;
}

template <class Base>
void TGridDropDownEditor<Base>::ShowGridText(const QString& Value) {
    if constexpr (std::is_base_of_v<TExTrackBarDropDown, Base>) this->SetText(Value);
    else if constexpr (std::is_base_of_v<TExMemoDropDown, Base>) this->SetMemoText(MemoLines(Value));
    else this->SetTextDirect(Value);
}

template <class Base>
QString TGridDropDownEditor<Base>::CellText() const {
    if constexpr (std::is_base_of_v<TExMemoDropDown, Base>) return this->MemoText().join(FGrid->FMemoLineBreak);
    else return this->Text();
}

template <class Base>
void TGridDropDownEditor<Base>::KeyPress(QChar& Key) {
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_RETURN) || Key == QChar(VK_TAB)) Key = QChar();
    Base::KeyPress(Key);
}

template <class Base>
void TGridDropDownEditor<Base>::Change() {
    Base::Change();
    // Texts the grid sets while it opens the editor are no change of the user's.
    if (FGrid->OnEditChange && this->isVisible() && FGrid->EditMode())
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), CellText());
}

template <class Base>
void TGridDropDownEditor<Base>::CMWantSpecialKey(TMessage& Message) {
    const WPARAM key = Message.WParam;
    Base::CMWantSpecialKey(Message);
    if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
    if (key == VK_TAB && FProtocol.TabCondition()) Message.Result = 1;
}

template <class Base>
void TGridDropDownEditor<Base>::WMSetFocus() {
    Base::WMSetFocus();
    if constexpr (CaretUnderMouse) {
        if (!FGrid->LButFlg) return;
        const QPoint mouse = this->mapFromGlobal(QCursor::pos());
        if (!this->rect().contains(mouse)) return;
        this->SetSelStart(this->CharFromPos(mouse.x()));
        FGrid->LButFlg = false;
    }
}

template <class Base>
void TGridDropDownEditor<Base>::DoExit() {
    FGrid->HideInplaceEdit();
    Base::DoExit();
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner, QWidget* AParent)
    : TGridDropDownEditor(AOwner, AParent) {
    SetFocusDraw(false);
}

TExStringGrid* TGridExGridDropDown::Grid() const { return ExColGrid(); }

template class TGridDropDownEditor<TExTrackBarDropDown>;
template class TGridDropDownEditor<TExMemoDropDown>;
template class TGridDropDownEditor<TExCalculatorDropdown>;
template class TGridDropDownEditor<TExTimePickerDropDown>;
template class TGridDropDownEditor<TExDetailDropDown>;
template class TGridDropDownEditor<TExMultiColumnDropDown>;
template class TGridDropDownEditor<TCustomExGridDropDown>;
template class TGridDropDownEditor<TExColorPickerDropDown>;
template class TGridDropDownEditor<TExImagePickerDropDown>;
