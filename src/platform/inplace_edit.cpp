// The grid's in-place editor as a text control: its text, selection and limits, the
// password face, and the key phases that end in typing.

#include "platform/string_grid.h"

#include "platform/dialog_keys.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

TInplaceEdit::TInplaceEdit(TStringGrid* AGrid) : TControlOf<QTextEdit>(AGrid, AGrid->viewport()), FGrid(AGrid) {
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    document()->setDocumentMargin(0);
    SetWrapping(false);
    hide();
}

QString TInplaceEdit::Text() const {
    if (!FPasswordChar.isNull()) return FSecret;
    return FMaskEngine ? FMaskEngine->Text() : toPlainText();
}

int TInplaceEdit::ShownLength() const { return qMax(0, document()->characterCount() - 1); }

void TInplaceEdit::SetText(const QString& value) {
    if (FMaskEngine && FPasswordChar.isNull()) {
        FMaskEngine->SetText(value);
        setPlainText(FMaskEngine->displayText());
    } else if (FPasswordChar.isNull()) {
        setPlainText(value);
    } else {
        FSecret = value;
        FSecret.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        setPlainText(QString(FSecret.size(), FPasswordChar));
    }
    moveCursor(QTextCursor::End);
    SetModified(false);
}

int TInplaceEdit::SelStart() const { return textCursor().selectionStart(); }

int TInplaceEdit::SelLength() const { return textCursor().selectionEnd() - textCursor().selectionStart(); }

QString TInplaceEdit::SelText() const { return Text().mid(SelStart(), SelLength()); }

void TInplaceEdit::SetSelStart(int value) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, value, ShownLength()));
    setTextCursor(cursor);
}

void TInplaceEdit::SetSelLength(int value) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(0, start + value, ShownLength()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TInplaceEdit::SelectAll() { selectAll(); }

bool TInplaceEdit::Modified() const { return document()->isModified(); }

void TInplaceEdit::SetModified(bool value) { document()->setModified(value); }

void TInplaceEdit::SetPasswordChar(QChar value) {
    if (value == FPasswordChar) return;
    const QString text = Text();
    FPasswordChar = value;
    // The password face keeps its text apart from what it shows: the document's own
    // undo would bring back only the shown characters.
    setUndoRedoEnabled(value.isNull());
    if (!value.isNull()) SetWrapping(false);
    SetText(text);
}

void TInplaceEdit::SetEditMask(const QString& value) {
    if (value == FEditMask) return;
    const QString text = Text();
    FEditMask = value;
    if (value.isEmpty()) {
        FMaskEngine.reset();
    } else {
        if (!FMaskEngine) FMaskEngine = std::make_unique<TCustomMaskEdit>(nullptr);
        FMaskEngine->SetEditMask(value);
        SetWrapping(false);
    }
    setUndoRedoEnabled(!FMaskEngine && FPasswordChar.isNull());
    SetText(text);
}

bool TInplaceEdit::EditMaskFilled() const {
    // The masked edit's text leaves out the blanks still to fill.
    return FMaskEngine && FMaskEngine->Text().size() == FMaskEngine->displayText().size();
}

void TInplaceEdit::ShowMaskedText() {
    const int caret = FMaskEngine->cursorPosition();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(FMaskEngine->displayText());
    cursor.endEditBlock();
    SetSelStart(caret);
}

void TInplaceEdit::SetWrapping(bool value) {
    const bool wrap = value && FPasswordChar.isNull() && !FMaskEngine;
    setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    setWordWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
}

void TInplaceEdit::SetRightAligned(bool value) {
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(value ? Qt::AlignRight : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void TInplaceEdit::SetTextMargins(int left, int top, int right, int bottom) {
    setViewportMargins(left, top, right, bottom);
}

int TInplaceEdit::LineOfPosition(int position) const {
    const QTextBlock target = document()->findBlock(qBound(0, position, ShownLength()));
    int line = 0;
    for (QTextBlock block = document()->begin(); block.isValid() && block != target; block = block.next())
        line += qMax(1, block.layout()->lineCount());
    if (const QTextLayout* layout = target.layout(); layout && layout->lineCount() > 0)
        line += qMax(0, layout->lineForTextPosition(position - target.position()).lineNumber());
    return line;
}

int TInplaceEdit::CharFromPos(QPoint point) const {
    const QPoint inViewport = viewport()->mapFrom(this, point);
    if (!viewport()->rect().contains(inViewport)) return -1;
    return cursorForPosition(inViewport).position();
}

void TInplaceEdit::UpdateContents() { SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row())); }

void TInplaceEdit::BoundsChanged() {
    const TRect r = FGrid->CellRect(FGrid->Col(), FGrid->Row());
    if (r.IsEmpty()) {
        setGeometry(0, 0, 0, 0);
        return;
    }
    const int line = FGrid->GridLineWidth();
    setGeometry(r.Left, r.Top, r.Width() - line, r.Height() - line);
}

// ---- keys ------------------------------------------------------------------------------

void TInplaceEdit::CMWantSpecialKey(TMessage& Message) {
    switch (Message.WParam) {
    case VK_TAB: Message.Result = FGrid->Options().Contains(goTabs); break;
    case VK_RETURN:
    case VK_ESCAPE: Message.Result = FPasswordChar.isNull(); break;
    default: Message.Result = IsSpecialKey(WORD(Message.WParam)); break;
    }
}

bool TInplaceEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            TMessage want{CM_WANTSPECIALKEY, VK_TAB, 0, 0};
            CMWantSpecialKey(want);
            if (want.Result != 0) {
                keyPressEvent(key);
                return true;
            }
            // QTextEdit would keep the Tab for itself: the window's next control takes the focus.
            const bool backward = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            FocusNextControl(FGrid, backward);
            return true;
        }
    }
    return TControlOf<QTextEdit>::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const WORD key = event->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(event->key());
    const LPARAM data = event->modifiers() & Qt::KeypadModifier ? KeyDataKeypad : 0;
    if (key != VK_TAB && IsSpecialKey(key) && !shift.Contains(ssAlt)) {
        TMessage want{CM_WANTSPECIALKEY, key, data, 0};
        CMWantSpecialKey(want);
        if (want.Result == 0 && WindowTakesDialogKey(this, key, shift)) return;
    }
    QKeyEvent* outer = std::exchange(FKeyEvent, event);
    bool consumed = false;
    if (key != 0) {
        TWMKey down{WM_KEYDOWN, key, data, shift, 0};
        WMKeyDown(down);
        // A key typed with Alt held is a system key: it types nothing.
        consumed = down.Result != 0 || shift.Contains(ssAlt);
    }
    const QChar ch = KeyCharacterOf(event);
    if (!consumed && !ch.isNull()) {
        TWMKey character{WM_CHAR, ch.unicode(), data, shift, 0};
        WMChar(character);
    }
    FKeyEvent = outer;
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const WORD key = event->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(event->key());
    if (key == 0) return;
    TWMKey up{WM_KEYUP, key, 0, ShiftStateOf(event->modifiers()), 0};
    WMKeyUp(up);
}

void TInplaceEdit::WMKeyDown(TWMKey& Message) {
    KeyDown(Message.CharCode, Message.Shift);
    if (Message.CharCode == 0) {
        Message.Result = 1;
        return;
    }
    DefaultKeyDown();
}

void TInplaceEdit::WMChar(TWMKey& Message) {
    QChar ch(Message.CharCode);
    KeyPress(ch);
    Message.CharCode = ch.unicode();
    if (!ch.isNull()) DefaultChar(ch);
}

void TInplaceEdit::WMKeyUp(TWMKey& Message) { KeyUp(Message.CharCode, Message.Shift); }

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    const bool nothingSelected = SelLength() == 0;
    const bool atStart = nothingSelected && SelStart() == 0;
    const bool atEnd = nothingSelected && SelStart() == ShownLength();
    const bool plainKey = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
    case VK_RETURN:
        PassKeyToGrid();
        Key = 0;
        break;
    case VK_LEFT:
        if (atStart && plainKey) { PassKeyToGrid(); Key = 0; }
        break;
    case VK_RIGHT:
        if (atEnd && plainKey) { PassKeyToGrid(); Key = 0; }
        break;
    case VK_ESCAPE:
        SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
        FGrid->HideEditor();
        Key = 0;
        break;
    default: break;
    }
}

void TInplaceEdit::KeyPress(QChar& /*Key*/) {}

void TInplaceEdit::KeyUp(WORD& /*Key*/, TShiftState /*Shift*/) {}

void TInplaceEdit::PassKeyToGrid() {
    if (FKeyEvent) FGrid->keyPressEvent(FKeyEvent);
}

void TInplaceEdit::DefaultKeyDown() {
    if (!FKeyEvent || !KeyCharacterOf(FKeyEvent).isNull() || isReadOnly()) {
        // Characters are typed in the character phase; a read-only edit still walks.
        if (FKeyEvent && isReadOnly() && KeyCharacterOf(FKeyEvent).isNull()) QTextEdit::keyPressEvent(FKeyEvent);
        return;
    }
    const int key = FKeyEvent->key();
    if ((!FPasswordChar.isNull() || FMaskEngine) && key == Qt::Key_Delete) {
        if (SelLength() == 0) SetSelLength(1);
        InsertText(QString());
        return;
    }
    // Qt's own bindings for cut, copy, paste and undo would bypass the clipboard steps.
    if (FKeyEvent->matches(QKeySequence::Cut)) { WMCut(); return; }
    if (FKeyEvent->matches(QKeySequence::Copy)) { WMCopy(); return; }
    if (FKeyEvent->matches(QKeySequence::Paste)) { WMPaste(); return; }
    QTextEdit::keyPressEvent(FKeyEvent);
    // Whatever the document's own keys changed goes through the mask again.
    if (FMaskEngine && FPasswordChar.isNull() && toPlainText() != FMaskEngine->displayText()) {
        const int caret = SelStart();
        FMaskEngine->SetText(toPlainText());
        FMaskEngine->setCursorPosition(caret);
        ShowMaskedText();
    }
}

void TInplaceEdit::DefaultChar(QChar Ch) {
    switch (Ch.unicode()) {
    case 1: SelectAll(); return;
    case 3: WMCopy(); return;
    case 22: WMPaste(); return;
    case 24: WMCut(); return;
    case 8:
        if (isReadOnly()) return;
        if (SelLength() == 0) {
            if (SelStart() == 0) return;
            SetSelStart(SelStart() - 1);
            SetSelLength(1);
        }
        InsertText(QString());
        return;
    case 10:
    case 13:
        if (!isReadOnly() && FPasswordChar.isNull()) InsertText(QStringLiteral("\n"));
        return;
    default:
        if (Ch.unicode() < 32 || isReadOnly()) return;
        InsertText(QString(Ch));
    }
}

void TInplaceEdit::InsertText(const QString& text) {
    if (FMaskEngine && FPasswordChar.isNull()) {
        if (SelLength() > 0) FMaskEngine->SetSel(SelStart(), SelStart() + SelLength());
        else FMaskEngine->setCursorPosition(SelStart());
        // The mask fills its positions one by one: line breaks have none.
        QString inserted = text;
        inserted.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        if (inserted.isEmpty()) FMaskEngine->del();
        else FMaskEngine->insert(inserted);
        ShowMaskedText();
        return;
    }
    QString inserted = text;
    if (FMaxLength > 0) inserted.truncate(qMax(0, FMaxLength - (Text().size() - SelLength())));
    if (inserted.isEmpty() && !text.isEmpty()) return;
    QTextCursor cursor = textCursor();
    if (!FPasswordChar.isNull()) {
        inserted.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        FSecret.replace(SelStart(), SelLength(), inserted);
        cursor.insertText(QString(inserted.size(), FPasswordChar));
    } else {
        cursor.insertText(inserted);
    }
    setTextCursor(cursor);
}

// ---- clipboard -------------------------------------------------------------------------

void TInplaceEdit::WMCut() {
    if (isReadOnly() || !FPasswordChar.isNull()) return;
    WMCopy();
    InsertText(QString());
}

void TInplaceEdit::WMCopy() {
    // A password is never copied out of its edit.
    if (SelLength() == 0 || !FPasswordChar.isNull()) return;
    QGuiApplication::clipboard()->setText(SelText());
}

void TInplaceEdit::WMPaste() {
    if (isReadOnly()) return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText()) InsertText(data->text());
}

void TInplaceEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText() && !isReadOnly()) InsertText(source->text());
}

QMimeData* TInplaceEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    if (FPasswordChar.isNull()) data->setText(SelText());
    return data;
}
