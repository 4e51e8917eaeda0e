#pragma once
// The single-line edit the drop-down controls and the grid's editors are built on.
//
// A key runs through three phases, each overridable:
//   key-down  WMKeyDown: the form's key preview, then KeyDown/OnKeyDown, then the
//             edit's own handling of navigation and deletion keys. A handler that sets
//             the key to 0 drops it there.
//   character WMChar: built from the key's text (Enter 13, Esc 27, Backspace 8,
//             Ctrl+letter its control code, Ctrl+Enter 10) and run even when the
//             key-down was dropped; the form's preview, KeyPress/OnKeyPress, then the
//             edit inserts it (3, 22, 24 copy, paste and cut; 1 selects all).
//   key-up    WMKeyUp: KeyUp/OnKeyUp.
// A key typed with Alt held is a system key: it runs KeyDown/OnKeyDown only, not
// WMKeyDown. A key message's shift state is the keyboard's, with Alt only when its key
// data says so.
// Before the key-down of Enter, Esc, Tab and the arrows the edit is asked whether it
// wants the key (CMWantSpecialKey); when it does not, the window's dialog keys get Enter
// and Esc first (not for an edit that takes all keys, FWantAllKeys). Tab that is not
// wanted moves the focus. The same phases run for WM_KEYDOWN, WM_CHAR and WM_KEYUP messages, so a
// key relayed from another window acts as if typed here.
// Clipboard operations from keys and from the context menu go through WMCut, WMCopy and
// WMPaste. Writing a different text reports the change (EditChanged, then Change and
// OnChange) before the write returns and leaves the caret at the start; writing the same
// text reports nothing. Focus moving to or from a pop-up window is no exit and no entry:
// WMKillFocus and WMSetFocus still run, DoExit and DoEnter do not.

#include "platform/custom_control.h"
#include "platform/messages.h"

#include <QLineEdit>

constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 56;

// Key data bit that marks a key of the numeric keypad, and the one of a key typed with
// Alt held.
constexpr LPARAM KeyDataKeypad = LPARAM(1) << 22;
constexpr LPARAM KeyDataAlt = LPARAM(1) << 29;

// The modifier keys held: those of the key event being handled, else the keyboard's.
TShiftState KeyboardShiftState();
// Makes the modifiers of a key event the keyboard state while it is handled.
class TKeyboardStateScope {
public:
    explicit TKeyboardStateScope(Qt::KeyboardModifiers modifiers);
    ~TKeyboardStateScope();
    TKeyboardStateScope(const TKeyboardStateScope&) = delete;
    TKeyboardStateScope& operator=(const TKeyboardStateScope&) = delete;

private:
    Qt::KeyboardModifiers FOuter;
    bool FOuterSet;
};

struct TWMKey {
    unsigned Msg = 0;
    WORD CharCode = 0;
    LPARAM KeyData = 0;
    TShiftState Shift;
    LRESULT Result = 0;
};

class TForm;

// The character a key types, as the original platform builds it (see above); null for
// a key that types none.
QChar KeyCharacterOf(const QKeyEvent* event);

// Enter, Esc, Tab and the four arrows: the keys an edit is asked for before their key-down.
bool IsSpecialKey(WORD key);
// Offers Enter or Esc to the dialog keys of the control's window (default and cancel
// buttons); true when one took it.
bool WindowTakesDialogKey(QWidget* control, WORD key, TShiftState shift);

// The form among the ancestors of a widget (the widget itself included), or nullptr.
TForm* ParentFormOf(QWidget* widget);

// Qt's input mask for an edit mask of the original platform: its "0" (digit required)
// and "9" (digit optional) are Qt's "9" and "0", "L"/"l" letters, "A"/"a" letters or
// digits, "C"/"c" any character, "!" (leading blanks) has no counterpart and "<>" ends
// case conversion; the optional ";1;_" fields give the blank character.
QString QtInputMaskOf(const QString& editMask);

class TCustomMaskEdit : public TControlOf<QLineEdit>, public IMessageHandler {
public:
    explicit TCustomMaskEdit(TComponent* AOwner, QWidget* AParent = nullptr);

    // The whole text of the edit window.
    QString Text() const { return text(); }
    void SetText(const QString& value);
    QString EditText() const { return text(); }

    int SelStart() const;
    int SelLength() const;
    QString SelText() const { return selectedText(); }
    // Caret at value, nothing selected.
    void SetSelStart(int value);
    // Selects value characters from SelStart.
    void SetSelLength(int value);
    // Selects from anchor to caret; the caret may stand before the anchor.
    void SetSel(int anchor, int caret);
    void SelectAll() { selectAll(); }
    // The character index under a point of the client area.
    int CharFromPos(int x) const;

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value);
    // 0 is no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool Modified() const { return isModified(); }
    void SetModified(bool value) { setModified(value); }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& value);

    // The text rectangle, in coordinates inside the frame; the rest stays free of text.
    TRect TextRect() const;
    int FrameWidth() const;
    void SetTextRect(const TRect& rect);

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCustomKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void WMKeyDown(TWMKey& Message);
    virtual void WMChar(TWMKey& Message);
    virtual void WMKeyUp(TWMKey& Message);
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    // Message.Result non-zero: the edit takes the key itself.
    virtual void CMWantSpecialKey(TMessage& Message);
    virtual void WMCut(TMessage& Message);
    virtual void WMCopy(TMessage& Message);
    virtual void WMPaste(TMessage& Message);
    // The edit window's change notification; the default reports it through Change.
    virtual void EditChanged() { Change(); }
    virtual void Change();
    virtual void WMSetFocus();
    virtual void WMKillFocus();
    virtual void DoEnter();
    virtual void DoExit();

    // The phases' own handling: the form's preview and the handler chain, true when the
    // key or character was dropped there.
    bool DoKeyDown(TWMKey& Message);
    bool DoKeyPress(TWMKey& Message);
    // The edit window's own handling of a key-down and of a character.
    void DefaultKeyDown(const TWMKey& Message);
    void DefaultChar(const TWMKey& Message);
    // True while the focus arrived with a left-button press.
    bool FocusCameWithMouse() const { return FFocusByMouse; }
    // The focus arrival under way is an entry (not the return from a pop-up).
    bool FocusArrivalIsEntry() const { return FFocusIsEntry; }
    // An edit that takes a text rectangle does not select its text on entry itself.
    bool FSelectAllOnEnter = true;
    // Such an edit also takes Enter and Esc itself: they are never dialog keys.
    bool FWantAllKeys = false;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RunKey(QKeyEvent* event);
    void ApplyTextRect();
    TWMKey KeyMessage(unsigned msg, WORD code, LPARAM data, TShiftState shift) const;

    int FMaxLength = 0;
    bool FAutoSelect = true;
    bool FWritingText = false;
    QChar FPasswordChar;
    QString FEditMask;
    TRect FTextRect;
    bool FTextRectSet = false;
    bool FFocusByMouse = false;
    bool FFocusIsEntry = true;
    bool FContextMenuOpen = false;
};
