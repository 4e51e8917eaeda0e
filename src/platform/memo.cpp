#include "platform/memo.h"

#include "platform/popup_menu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

TMemo::TMemo(TComponent* AOwner, QWidget* AParent) : TControlOf<QPlainTextEdit>(AOwner, AParent) {
    resize(185, 89);
    SetScrollBars(ssNone);
    QObject::connect(this, &QPlainTextEdit::textChanged, [this] {
        CutToMaxLength();
        if (!FCutting && OnChange) OnChange(this);
    });
}

QString TMemo::Text() const {
    const QStringList lines = Lines();
    QString text;
    for (const QString& line : lines) text += line + QLatin1Char('\n');
    return text;
}

void TMemo::SetText(const QString& value) {
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    setPlainText(text);
}

QStringList TMemo::Lines() const {
    const QString plain = toPlainText();
    if (plain.isEmpty()) return {};
    return plain.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& lines) { setPlainText(lines.join(QLatin1Char('\n'))); }

void TMemo::SetMaxLength(int value) {
    FMaxLength = value > 0 ? value : 0;
    CutToMaxLength();
}

void TMemo::CutToMaxLength() {
    if (FMaxLength <= 0 || FCutting) return;
    const QString plain = toPlainText();
    if (plain.size() <= FMaxLength) return;
    FCutting = true;
    QTextCursor cursor = textCursor();
    const int position = std::min(cursor.position(), FMaxLength);
    setPlainText(plain.left(FMaxLength));
    cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    FCutting = false;
}

void TMemo::SetScrollBars(TScrollStyle value) {
    FScrollBars = value;
    const bool horizontal = value == ssHorizontal || value == ssBoth;
    const bool vertical = value == ssVertical || value == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Without a horizontal scroll bar long lines wrap, as they do in the original memo.
    setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void TMemo::SetBorderless(bool value) { setFrameShape(value ? QFrame::NoFrame : QFrame::StyledPanel); }

void TMemo::keyPressEvent(QKeyEvent* event) {
    WORD key = VirtualKeyOf(event->key());
    const TShiftState shift = ShiftStateOf(event->modifiers());
    if (key != 0 && OnKeyDown) {
        OnKeyDown(this, key, shift);
        if (key == 0) return;
    }
    if (OnKeyPress) {
        QChar ch;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) ch = QChar(13);
        else if (event->key() == Qt::Key_Escape) ch = QChar(27);
        else if (event->text().size() == 1) ch = event->text().at(0);
        if (!ch.isNull()) {
            OnKeyPress(this, ch);
            if (ch.isNull()) return;
        }
    }
    TControlOf<QPlainTextEdit>::keyPressEvent(event);
    // A key the memo has no use for (Esc) reached its handlers already; it does not
    // travel on to the window that holds the memo.
    event->accept();
}

void TMemo::keyReleaseEvent(QKeyEvent* event) {
    WORD key = VirtualKeyOf(event->key());
    if (key != 0 && OnKeyUp) {
        OnKeyUp(this, key, ShiftStateOf(event->modifiers()));
        if (key == 0) return;
    }
    TControlOf<QPlainTextEdit>::keyReleaseEvent(event);
}

void TMemo::contextMenuEvent(QContextMenuEvent* event) {
    if (FPopupMenu) {
        FPopupMenu->Popup(event->globalPos().x(), event->globalPos().y());
        return;
    }
    TControlOf<QPlainTextEdit>::contextMenuEvent(event);
}
