#pragma once
// While a drop-down's pop-up is open, Qt sends every mouse event of the application to
// it and keeps the keyboard for it (popup mode). A dialog that a handler opens under
// BlockActivate must take its input all the same, so while activation is blocked this
// filter hands the input the pop-up catches on: a mouse event outside the pop-up to the
// widget under the pointer (a press keeps its widget for the moves and the release that
// follow), a key to the focused widget of the application's modal dialog. Windows that
// the modal dialog blocks get nothing, as they would without the pop-up.

#include <QObject>
#include <QPointer>

class QWidget;

class TPopupInputRelay : public QObject {
public:
    // Relays the input caught by Popup for as long as the relay lives.
    explicit TPopupInputRelay(QWidget* Popup);
    ~TPopupInputRelay() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsInPopup(QObject* object) const;
    bool TakesInput(const QWidget* target) const;
    bool RelayMouse(QEvent* event);
    bool RelayKey(QEvent* event);

    QWidget* FPopup;
    QPointer<QWidget> FPressTarget;
};
