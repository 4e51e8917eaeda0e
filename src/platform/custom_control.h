#pragma once
// A control that paints itself and handles its own input through virtual methods named
// as the windows' code expects (Paint, MouseDown, MouseMove, MouseUp, DblClick, KeyDown,
// KeyPress, KeyUp). The Qt event handlers translate Qt's events into these calls:
// key codes become virtual-key codes (VK_...), modifiers and buttons become a
// TShiftState, and a key press runs KeyDown first and then, unless KeyDown cleared the
// key, KeyPress for the typed character. TCustomControlOf<QAbstractScrollArea> paints
// and reads the mouse on the scroll area's viewport.

#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/virtual_keys.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

enum TMouseButton { mbLeft, mbRight, mbMiddle };


// The virtual-key code of a Qt key; letters and digits keep their upper-case code, keys
// without a code give 0.
WORD VirtualKeyOf(int qtKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TCustomKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

template <class QtWidget = QWidget>
class TCustomControlOf : public TControlOf<QtWidget> {
public:
    explicit TCustomControlOf(TComponent* AOwner, QWidget* AParent = nullptr)
        : TControlOf<QtWidget>(AOwner, AParent) {
        this->setFocusPolicy(Qt::StrongFocus);
        Surface()->setMouseTracking(true);
    }

    // The canvas of the paint under way; nullptr outside Paint.
    TCanvas* Canvas() const { return FCanvas; }
    // The part of the surface the paint under way must cover, in surface coordinates.
    QRect PaintArea() const { return FPaintArea; }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCustomKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnDblClick;

protected:
    // The widget painted on and whose coordinates the mouse methods receive.
    QWidget* Surface() {
        if constexpr (std::is_base_of_v<QAbstractScrollArea, QtWidget>) return this->viewport();
        else return this;
    }

    virtual void Paint() {}
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
    }
    virtual void MouseMove(TShiftState Shift, int X, int Y) {
        if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
    }
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
    }
    virtual void Click() { this->ClickOrExecute(); }
    virtual void DblClick() {
        if (OnDblClick) OnDblClick(this);
    }
    virtual void KeyDown(WORD& Key, TShiftState Shift) {
        if (OnKeyDown) OnKeyDown(this, Key, Shift);
    }
    virtual void KeyPress(QChar& Key) {
        if (OnKeyPress) OnKeyPress(this, Key);
    }
    virtual void KeyUp(WORD& Key, TShiftState Shift) {
        if (OnKeyUp) OnKeyUp(this, Key, Shift);
    }

    void paintEvent(QPaintEvent* event) override {
        FPaintArea = event->rect();
        QPainter painter(Surface());
        TCanvas canvas(&painter);
        canvas.Font = FontOf(this->font());
        FCanvas = &canvas;
        Paint();
        FCanvas = nullptr;
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        FClickPending = event->button() == Qt::LeftButton;
        MouseDown(ButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        const bool click = FClickPending && event->button() == Qt::LeftButton && Surface()->rect().contains(p);
        FClickPending = false;
        if (click) Click();
        MouseUp(ButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
        shift.Include(ssDouble);
        MouseDown(ButtonOf(event->button()), shift, p.x(), p.y());
        if (event->button() == Qt::LeftButton) DblClick();
    }
    void keyPressEvent(QKeyEvent* event) override {
        WORD key = VirtualKeyOf(event->key());
        const TShiftState shift = ShiftStateOf(event->modifiers());
        if (key != 0) KeyDown(key, shift);
        if (key == 0 && VirtualKeyOf(event->key()) != 0) return;  // KeyDown consumed it
        QChar ch = CharacterOf(event);
        if (!ch.isNull()) KeyPress(ch);
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        WORD key = VirtualKeyOf(event->key());
        if (key != 0) KeyUp(key, ShiftStateOf(event->modifiers()));
    }
    // Tab and Shift+Tab reach KeyDown instead of moving the focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    static TMouseButton ButtonOf(Qt::MouseButton button) {
        if (button == Qt::RightButton) return mbRight;
        if (button == Qt::MiddleButton) return mbMiddle;
        return mbLeft;
    }
    static QChar CharacterOf(const QKeyEvent* event) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return QChar(13);
        if (event->key() == Qt::Key_Escape) return QChar(27);
        if (event->key() == Qt::Key_Backspace) return QChar(8);
        if (event->key() == Qt::Key_Tab) return QChar(9);
        const QString text = event->text();
        return text.size() == 1 ? text.at(0) : QChar();
    }
    static TFont FontOf(const QFont& font) {
        TFont f;
        f.Name = font.family();
        f.Size = font.pointSize() > 0 ? font.pointSize() : 8;
        return f;
    }

    TCanvas* FCanvas = nullptr;
    QRect FPaintArea;
    bool FClickPending = false;
};

using TCustomControl = TCustomControlOf<QWidget>;
