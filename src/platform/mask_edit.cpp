#include "platform/mask_edit.h"

#include "platform/form.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyle>

namespace {

int QtKeyOf(WORD key) {
    switch (key) {
        case VK_LEFT: return Qt::Key_Left;
        case VK_RIGHT: return Qt::Key_Right;
        case VK_HOME: return Qt::Key_Home;
        case VK_END: return Qt::Key_End;
        default: return 0;
    }
}

Qt::KeyboardModifiers ModifiersOf(TShiftState shift) {
    Qt::KeyboardModifiers m;
    if (shift.Contains(ssShift)) m |= Qt::ShiftModifier;
    if (shift.Contains(ssCtrl)) m |= Qt::ControlModifier;
    if (shift.Contains(ssAlt)) m |= Qt::AltModifier;
    return m;
}

LPARAM ShiftBits(TShiftState shift);

}  // namespace

bool IsSpecialKey(WORD key) {
    return key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB || key == VK_LEFT || key == VK_RIGHT ||
           key == VK_UP || key == VK_DOWN;
}

bool WindowTakesDialogKey(QWidget* control, WORD key, TShiftState shift) {
    return (key == VK_RETURN || key == VK_ESCAPE) &&
           Broadcast(control->window(), CM_DIALOGKEY, key, ShiftBits(shift)) != 0;
}

QChar KeyCharacterOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return QChar(m & Qt::ControlModifier ? 10 : 13);
    if (key == Qt::Key_Escape) return QChar(27);
    if (key == Qt::Key_Backspace) return QChar(8);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return QChar(9);
    if (m & Qt::AltModifier) return {};
    if ((m & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(key - Qt::Key_A + 1);
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return {};
    return text.at(0);
}

namespace {

LPARAM ShiftBits(TShiftState shift) {
    LPARAM bits = 0;
    if (shift.Contains(ssShift)) bits |= ssShiftBit;
    if (shift.Contains(ssAlt)) bits |= ssAltBit;
    if (shift.Contains(ssCtrl)) bits |= ssCtrlBit;
    return bits;
}

}  // namespace

namespace {
Qt::KeyboardModifiers gEventModifiers;
bool gEventModifiersSet = false;
}  // namespace

TShiftState KeyboardShiftState() {
    return ShiftStateOf(gEventModifiersSet ? gEventModifiers : QGuiApplication::queryKeyboardModifiers());
}

TKeyboardStateScope::TKeyboardStateScope(Qt::KeyboardModifiers modifiers)
    : FOuter(gEventModifiers), FOuterSet(gEventModifiersSet) {
    gEventModifiers = modifiers;
    gEventModifiersSet = true;
}

TKeyboardStateScope::~TKeyboardStateScope() {
    gEventModifiers = FOuter;
    gEventModifiersSet = FOuterSet;
}

TForm* ParentFormOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* form = dynamic_cast<TForm*>(w)) return form;
    return nullptr;
}

QString QtInputMaskOf(const QString& editMask) {
    if (editMask.isEmpty()) return {};
    const QStringList fields = editMask.split(QLatin1Char(';'));
    const QString mask = fields.at(0);
    QString result;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        switch (c.unicode()) {
            case '\\':
                if (i + 1 < mask.size()) result += QLatin1Char('\\') + mask.at(++i);
                break;
            case '!': break;
            case '<':
                if (i + 1 < mask.size() && mask.at(i + 1) == QLatin1Char('>')) {
                    result += QLatin1Char('!');
                    ++i;
                } else {
                    result += c;
                }
                break;
            case '>': result += c; break;
            case 'L': result += QLatin1Char('A'); break;
            case 'l': result += QLatin1Char('a'); break;
            case 'A': result += QLatin1Char('N'); break;
            case 'a': result += QLatin1Char('n'); break;
            case 'C': result += QLatin1Char('X'); break;
            case 'c': result += QLatin1Char('x'); break;
            case '0': result += QLatin1Char('9'); break;
            case '9': result += QLatin1Char('0'); break;
            case '#': result += c; break;
            case '_': result += QLatin1Char(' '); break;
            default:
                // Qt reads more letters as mask characters than the original does.
                if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]").contains(c)) result += QLatin1Char('\\');
                result += c;
        }
    }
    if (fields.size() > 2 && !fields.at(2).isEmpty()) result += QLatin1Char(';') + fields.at(2).at(0);
    return result;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner, QWidget* AParent) : TControlOf<QLineEdit>(AOwner, AParent) {
    setMaxLength(32767);
    QObject::connect(this, &QLineEdit::textChanged, [this] {
        // A written text reports its change with the caret already at the start, as the
        // write leaves it: a change handler that completes the text relies on it.
        if (FWritingText) setCursorPosition(0);
        EditChanged();
    });
}

void TCustomMaskEdit::SetText(const QString& value) {
    if (value == text()) return;
    const bool outer = FWritingText;
    FWritingText = true;
    setText(value);
    FWritingText = outer;
    setCursorPosition(0);
}

int TCustomMaskEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TCustomMaskEdit::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }

void TCustomMaskEdit::SetSelStart(int value) {
    deselect();
    setCursorPosition(value);
}

void TCustomMaskEdit::SetSelLength(int value) { setSelection(SelStart(), value); }

void TCustomMaskEdit::SetSel(int anchor, int caret) {
    if (anchor == caret) SetSelStart(caret);
    else setSelection(anchor, caret - anchor);
}

int TCustomMaskEdit::CharFromPos(int x) const {
    return const_cast<TCustomMaskEdit*>(this)->cursorPositionAt(QPoint(x, height() / 2));
}

void TCustomMaskEdit::SetReadOnly(bool value) { setReadOnly(value); }

void TCustomMaskEdit::SetMaxLength(int value) {
    FMaxLength = value > 0 ? value : 0;
    setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TCustomMaskEdit::SetPasswordChar(QChar value) {
    FPasswordChar = value;
    setEchoMode(value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TCustomMaskEdit::SetEditMask(const QString& value) {
    FEditMask = value;
    setInputMask(QtInputMaskOf(value));
}

TRect TCustomMaskEdit::TextRect() const {
    if (FTextRectSet) return FTextRect;
    return ClientRect();
}

void TCustomMaskEdit::SetTextRect(const TRect& rect) {
    FTextRect = rect;
    FTextRectSet = true;
    ApplyTextRect();
}

void TCustomMaskEdit::ApplyTextRect() {
    if (!FTextRectSet) return;
    // The rectangle is in the coordinates inside the frame; the frame already keeps the
    // text off the left, top and bottom, the margin keeps it clear of what stands at
    // the right of the rectangle.
    setTextMargins(0, 0, std::max(0, width() - 2 * FrameWidth() - FTextRect.Right), 0);
}

int TCustomMaskEdit::FrameWidth() const {
    return hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
}

void TCustomMaskEdit::resizeEvent(QResizeEvent* event) {
    TControlOf<QLineEdit>::resizeEvent(event);
    ApplyTextRect();
}

TWMKey TCustomMaskEdit::KeyMessage(unsigned msg, WORD code, LPARAM data, TShiftState shift) const {
    TWMKey m;
    m.Msg = msg;
    m.CharCode = code;
    m.KeyData = data;
    m.Shift = shift;
    return m;
}

void TCustomMaskEdit::WndProc(TMessage& Message) {
    TShiftState shift = KeyboardShiftState();
    shift.Exclude(ssAlt);
    if (Message.LParam & KeyDataAlt) shift.Include(ssAlt);
    switch (Message.Msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR: {
            TWMKey key = KeyMessage(Message.Msg, WORD(Message.WParam), Message.LParam, shift);
            if (Message.Msg == WM_KEYDOWN) WMKeyDown(key);
            else if (Message.Msg == WM_KEYUP) WMKeyUp(key);
            else WMChar(key);
            Message.Result = key.Result;
            break;
        }
        case WM_CUT: WMCut(Message); break;
        case WM_COPY: WMCopy(Message); break;
        case WM_PASTE: WMPaste(Message); break;
        case CM_WANTSPECIALKEY: CMWantSpecialKey(Message); break;
        default: break;
    }
}

bool TCustomMaskEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            TMessage want{CM_WANTSPECIALKEY, VK_TAB, 0, 0};
            CMWantSpecialKey(want);
            if (want.Result != 0) {
                RunKey(key);
                return true;
            }
        }
    }
    return TControlOf<QLineEdit>::event(event);
}

void TCustomMaskEdit::keyPressEvent(QKeyEvent* event) { RunKey(event); }

void TCustomMaskEdit::RunKey(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const WORD key = event->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(event->key());
    LPARAM data = event->modifiers() & Qt::KeypadModifier ? KeyDataKeypad : 0;
    if (shift.Contains(ssAlt)) {
        if (key == 0) return;
        TWMKey system = KeyMessage(WM_KEYDOWN, key, data | KeyDataAlt, shift);
        DoKeyDown(system);
        return;
    }
    if (IsSpecialKey(key) && key != VK_TAB) {
        TMessage want{CM_WANTSPECIALKEY, key, data, 0};
        CMWantSpecialKey(want);
        if (want.Result == 0 && !FWantAllKeys && WindowTakesDialogKey(this, key, shift)) return;
    }
    if (key != 0) {
        TWMKey down = KeyMessage(WM_KEYDOWN, key, data, shift);
        WMKeyDown(down);
    }
    const QChar ch = KeyCharacterOf(event);
    if (!ch.isNull()) {
        TWMKey character = KeyMessage(WM_CHAR, ch.unicode(), data, shift);
        WMChar(character);
    }
}

void TCustomMaskEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const WORD key = VirtualKeyOf(event->key());
    if (key == 0) return;
    TWMKey up = KeyMessage(WM_KEYUP, key, 0, ShiftStateOf(event->modifiers()));
    WMKeyUp(up);
}

void TCustomMaskEdit::WMKeyDown(TWMKey& Message) {
    if (DoKeyDown(Message)) return;
    DefaultKeyDown(Message);
}

void TCustomMaskEdit::WMChar(TWMKey& Message) {
    if (DoKeyPress(Message)) return;
    DefaultChar(Message);
}

void TCustomMaskEdit::WMKeyUp(TWMKey& Message) {
    TForm* form = ParentFormOf(this);
    if (form && form->KeyPreview() && form->OnKeyUp) {
        form->OnKeyUp(form, Message.CharCode, Message.Shift);
        if (Message.CharCode == 0) return;
    }
    KeyUp(Message.CharCode, Message.Shift);
}

bool TCustomMaskEdit::DoKeyDown(TWMKey& Message) {
    TForm* form = ParentFormOf(this);
    if (form && form->KeyPreview() && form->OnKeyDown) {
        form->OnKeyDown(form, Message.CharCode, Message.Shift);
        if (Message.CharCode == 0) return true;
    }
    KeyDown(Message.CharCode, Message.Shift);
    return Message.CharCode == 0;
}

bool TCustomMaskEdit::DoKeyPress(TWMKey& Message) {
    QChar ch(Message.CharCode);
    TForm* form = ParentFormOf(this);
    if (form && form->KeyPreview() && form->OnKeyPress) {
        form->OnKeyPress(form, ch);
        Message.CharCode = ch.unicode();
        if (ch.isNull()) return true;
    }
    KeyPress(ch);
    Message.CharCode = ch.unicode();
    return ch.isNull();
}

void TCustomMaskEdit::DefaultKeyDown(const TWMKey& Message) {
    switch (Message.CharCode) {
        case VK_DELETE: {
            if (Message.Shift.Contains(ssShift)) {
                TMessage cut{WM_CUT, 0, 0, 0};
                WMCut(cut);
            } else if (!isReadOnly()) {
                del();
            }
            return;
        }
        case VK_INSERT: {
            TMessage m{Message.Shift.Contains(ssShift) ? WM_PASTE : WM_COPY, 0, 0, 0};
            if (m.Msg == WM_PASTE) WMPaste(m);
            else if (Message.Shift.Contains(ssCtrl)) WMCopy(m);
            return;
        }
        default: break;
    }
    const int qtKey = QtKeyOf(Message.CharCode);
    if (qtKey == 0) return;
    QKeyEvent navigation(QEvent::KeyPress, qtKey, ModifiersOf(Message.Shift));
    QLineEdit::keyPressEvent(&navigation);
}

void TCustomMaskEdit::DefaultChar(const TWMKey& Message) {
    const ushort ch = Message.CharCode;
    TMessage clipboard{0, 0, 0, 0};
    switch (ch) {
        case 1: selectAll(); return;
        case 3: clipboard.Msg = WM_COPY; WMCopy(clipboard); return;
        case 22: clipboard.Msg = WM_PASTE; WMPaste(clipboard); return;
        case 24: clipboard.Msg = WM_CUT; WMCut(clipboard); return;
        case 26: if (!isReadOnly()) undo(); return;
        case 8: if (!isReadOnly()) backspace(); return;
        default: break;
    }
    if (ch < 32 || ch == 127 || isReadOnly()) return;
    insert(QString(QChar(ch)));
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomMaskEdit::KeyPress(QChar& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TCustomMaskEdit::KeyUp(WORD& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TCustomMaskEdit::CMWantSpecialKey(TMessage& Message) { Message.Result = 0; }

void TCustomMaskEdit::WMCut(TMessage&) {
    if (!isReadOnly()) cut();
}

void TCustomMaskEdit::WMCopy(TMessage&) { copy(); }

void TCustomMaskEdit::WMPaste(TMessage&) {
    if (!isReadOnly()) paste();
}

void TCustomMaskEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomMaskEdit::WMSetFocus() {
    if (!FFocusIsEntry) return;
    if (FSelectAllOnEnter && FAutoSelect && !FFocusByMouse) selectAll();
    DoEnter();
}

void TCustomMaskEdit::WMKillFocus() {}

void TCustomMaskEdit::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TCustomMaskEdit::DoExit() {
    if (OnExit) OnExit(this);
}

void TCustomMaskEdit::focusInEvent(QFocusEvent* event) {
    // Qt would select the text on a Tab arrival itself; the entry rule decides instead.
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    if (FContextMenuOpen) return;
    const Qt::FocusReason reason = event->reason();
    FFocusByMouse = reason == Qt::MouseFocusReason;
    FFocusIsEntry = reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
    WMSetFocus();
    FFocusByMouse = false;
    FFocusIsEntry = true;
}

void TCustomMaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (FContextMenuOpen) return;
    WMKillFocus();
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) DoExit();
}

void TCustomMaskEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool writable = !isReadOnly();
    const bool selection = hasSelectedText();
    auto send = [this](unsigned msg) {
        TMessage m{msg, 0, 0, 0};
        if (msg == WM_CUT) WMCut(m);
        else if (msg == WM_COPY) WMCopy(m);
        else WMPaste(m);
    };
    menu.addAction(tr("&Undo"), this, [this] { undo(); })->setEnabled(writable && isUndoAvailable());
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), this, [send] { send(WM_CUT); })->setEnabled(writable && selection);
    menu.addAction(tr("&Copy"), this, [send] { send(WM_COPY); })->setEnabled(selection);
    menu.addAction(tr("&Paste"), this, [send] { send(WM_PASTE); })->setEnabled(writable);
    menu.addAction(tr("&Delete"), this, [this] { del(); })->setEnabled(writable && selection);
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, [this] { selectAll(); })->setEnabled(!text().isEmpty());
    FContextMenuOpen = true;
    menu.exec(event->globalPos());
    FContextMenuOpen = false;
}
