#pragma once
// A multi-line text edit. Its key events run before the memo's own handling: a key
// handler that sets the key to 0 keeps the key from the memo.

#include "platform/custom_control.h"
#include "platform/scroll_style.h"

#include <QPlainTextEdit>

class TPopupMenu;

class TMemo : public TControlOf<QPlainTextEdit> {
public:
    explicit TMemo(TComponent* AOwner, QWidget* AParent = nullptr);

    // The lines, each followed by a line break.
    QString Text() const;
    void SetText(const QString& value);
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    // 0 is no limit; longer text is cut as it is typed or set.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    void SetBorderless(bool value);
    // The menu shown on a right click in place of the memo's own; nullptr for its own.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }
    void SelectAll() { selectAll(); }

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCustomKeyPressEvent OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CutToMaxLength();

    int FMaxLength = 0;
    TScrollStyle FScrollBars = ssNone;
    TPopupMenu* FPopupMenu = nullptr;
    bool FCutting = false;
};
