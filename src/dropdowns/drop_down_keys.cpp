// Keys, characters, focus and mouse of the drop-down edit.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/drop_down_form.h"

#include <QMetaObject>

namespace {

bool AltHeld() { return KeyboardShiftState().Contains(ssAlt); }
bool CtrlHeld() { return KeyboardShiftState().Contains(ssCtrl); }

void PostKeyToParent(QWidget* edit, WORD key, bool keyUpToo) {
    QWidget* parent = edit->parentWidget();
    if (!parent) return;
    PostMessage(WindowHandle(parent), WM_KEYDOWN, key, 0);
    if (keyUpToo) PostMessage(WindowHandle(parent), WM_KEYUP, key, 0);
}

}  // namespace

void TExCustomDropDown::WMKeyDown(TWMKey& Message) {
    if (Designing()) {
        TCustomMaskEdit::WMKeyDown(Message);
        return;
    }
    const WORD key = Message.CharCode;
    if (AltHeld() && (key == VK_UP || key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
    }
    if (!FEditorEnabled && isEnabled()) {
        if (!ReadOnly()) {
            if (key == VK_RETURN) DoHideDropDown(false);
            else if (key == VK_ESCAPE) DoHideDropDown(true);
            else if (key == VK_F4) {
                if (PopUpVisible()) DoHideDropDown(false);
                else DoShowDropDown();
            }
        }
        if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::WMKeyDown(Message);
        return;
    }
    if (Message.Shift.Contains(ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
        TCustomMaskEdit::WMKeyDown(Message);
        return;
    }
    if (key == VK_RETURN && FReturnIsTab) {
        Message.CharCode = VK_TAB;
        // The focus moves on as with Tab, once this key is done.
        if (isVisible()) QMetaObject::invokeMethod(this, [this] { focusNextPrevChild(true); }, Qt::QueuedConnection);
    }
    if (TypedKeyDownBefore(Message)) return;
    const WORD typed = Message.CharCode;
    TCustomMaskEdit::WMKeyDown(Message);
    TypedKeyDownAfter(typed);
    switch (Message.CharCode) {
        case VK_RETURN: DoHideDropDown(false); break;
        case VK_ESCAPE: DoHideDropDown(true); break;
        case VK_F4:
            if (PopUpVisible()) DoHideDropDown(false);
            else DoShowDropDown();
            break;
        default: break;
    }
}

void TExCustomDropDown::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
    }
}

void TExCustomDropDown::KeyPress(QChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
    if (Key == QChar(13)) Key = QChar();
}

void TExCustomDropDown::WMChar(TWMKey& Message) {
    if (!FEditorEnabled) return;
    const QString bare = GetText();
    if (!bare.isEmpty() && SelLength() == bare.size() && SelStart() == FPrefix.size()) FBlockChange = true;
    const ushort ch = Message.CharCode;
    if (ch == 10 && CtrlHeld()) {
        Message.Result = 1;
        return;
    }
    TForm* form = ParentFormOf(parentWidget());
    const bool preview = form && form->KeyPreview();
    if (ch == 13) {
        QChar copy(13);
        if (OnKeyPress) OnKeyPress(this, copy);
        if (!FDefaultHandling && parentWidget()) {
            if (preview) {
                PostKeyToParent(this, VK_RETURN, false);
                Message.CharCode = 0;
                TCustomMaskEdit::WMChar(Message);
            } else {
                PostKeyToParent(this, VK_RETURN, true);
            }
        }
        return;
    }
    if (ch == 27) {
        if (!FDefaultHandling && parentWidget()) {
            if (preview) {
                TCustomMaskEdit::WMChar(Message);
                return;
            }
            PostKeyToParent(this, VK_ESCAPE, true);
        }
        if (!FCanUndo) {
            TCustomMaskEdit::WMChar(Message);
            return;
        }
    }
    if ((ch == 3 || ch == 22 || ch == 24) && CtrlHeld()) {
        TCustomMaskEdit::WMChar(Message);
        return;
    }
    TypedChar(Message);
}

void TExCustomDropDown::CMWantSpecialKey(TMessage& Message) {
    TForm* form = ParentFormOf(parentWidget());
    if (!form) return;
    const bool preview = form->KeyPreview();
    QWidget* parent = parentWidget();
    if (Message.WParam == VK_ESCAPE && FCanUndo && !preview) {
        SelectAll();
        SetModified(false);
        Message.WParam = 0;
        Message.Result = 0;
        if (FDefaultHandling && parent) PostKeyToParent(this, VK_ESCAPE, true);
    }
    if (Message.WParam == VK_RETURN && FDefaultHandling && !preview && parent && parent->hasFocus())
        PostKeyToParent(this, VK_RETURN, true);
    TCustomMaskEdit::CMWantSpecialKey(Message);
    if (Message.WParam == VK_ESCAPE && FDroppedDown) Message.Result = 1;
}

void TExCustomDropDown::WMSetFocus() {
    if (Loading()) return;
    TCustomMaskEdit::WMSetFocus();
    if (FEditorEnabled) {
        if (AutoSelect()) SelectAll();
        else if (FEditType == etFloat || FEditType == etMoney) SelectBeforeDecimal();
    } else {
        update();
    }
}

void TExCustomDropDown::WMKillFocus() {
    if (!Loading()) FormatOnFocusLoss();
    TCustomMaskEdit::WMKillFocus();
    if (!FEditorEnabled) update();
}

void TExCustomDropDown::DoEnter() {
    if (AutoSelect() && !FocusCameWithMouse()) SelectAll();
    TCustomMaskEdit::DoEnter();
    SetEditRect();
    update();
}

void TExCustomDropDown::DoExit() {
    TCustomMaskEdit::DoExit();
    update();
}

void TExCustomDropDown::mousePressEvent(QMouseEvent* event) {
    if (!FEditorEnabled) {
        TCustomMaskEdit::mousePressEvent(event);
        if (event->button() == Qt::LeftButton) DropDownClick();
        return;
    }
    bool handled = false;
    TypedMousePress(event, handled);
    if (!handled) TCustomMaskEdit::mousePressEvent(event);
}

void TExCustomDropDown::mouseReleaseEvent(QMouseEvent* event) {
    if (!FEditorEnabled || ReadOnly()) update();
    TypedMouseRelease(event);
}

void TExCustomDropDown::mouseDoubleClickEvent(QMouseEvent* event) {
    // Without typing a double click is a second click.
    if (!FEditorEnabled) mousePressEvent(event);
    else TCustomMaskEdit::mouseDoubleClickEvent(event);
}

void TExCustomDropDown::wheelEvent(QWheelEvent* event) {
    TCustomMaskEdit::wheelEvent(event);
    if (event->angleDelta().y() < 0) HandleWheelDown();
    else if (event->angleDelta().y() > 0) HandleWheelUp();
}

void TExCustomDropDown::enterEvent(QEnterEvent* event) {
    TCustomMaskEdit::enterEvent(event);
    if (!FMouseInControl && isEnabled()) {
        FMouseInControl = true;
        update();
    }
}

void TExCustomDropDown::leaveEvent(QEvent* event) {
    TCustomMaskEdit::leaveEvent(event);
    if (FMouseInControl && isEnabled()) {
        FMouseInControl = false;
        update();
    }
}
