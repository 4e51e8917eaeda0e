#pragma once
// The control model the windows are written against. A control is a component (it has
// an owner and a name) and a Qt widget (it has a parent and a place on the screen).
// TControlOf<QtWidget> joins the two for every concrete control; TControl is the part
// every control shares, reachable from any QWidget by dynamic_cast.

#include "platform/color.h"
#include "platform/component.h"
#include "platform/types.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class TControlActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TCursor { crDefault, crArrow, crHandPoint, crIBeam, crHSplit, crVSplit, crSizeWE, crSizeNS, crDrag, crNo };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    virtual QWidget* Widget() = 0;
    const QWidget* Widget() const { return const_cast<TControl*>(this)->Widget(); }

    void SetName(const QString& name) override;

    int Left() const { return Widget()->x(); }
    int Top() const { return Widget()->y(); }
    int Width() const { return Widget()->width(); }
    int Height() const { return Widget()->height(); }
    void SetLeft(int value) { Widget()->move(value, Top()); }
    void SetTop(int value) { Widget()->move(Left(), value); }
    void SetWidth(int value);
    void SetHeight(int value);
    void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return {Left(), Top(), Left() + Width(), Top() + Height()}; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    int ClientWidth() const { return Widget()->width(); }
    int ClientHeight() const { return Widget()->height(); }
    void SetClientWidth(int value) { SetWidth(value); }
    void SetClientHeight(int value) { SetHeight(value); }

    // Visible is the control's own flag: a control on a hidden window stays "visible".
    bool Visible() const { return !Widget()->isHidden(); }
    void SetVisible(bool value) { Widget()->setVisible(value); }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Showing() const { return Widget()->isVisible(); }
    bool Enabled() const { return Widget()->isEnabled(); }
    void SetEnabled(bool value) { Widget()->setEnabled(value); }

    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);

    virtual QString Caption() const { return Widget()->windowTitle(); }
    virtual void SetCaption(const QString& value) { Widget()->setWindowTitle(value); }

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    void SetCursor(TCursor value);

    // Font helpers, applied to the widget's font.
    void SetFontName(const QString& family);
    void SetFontSize(int points);
    void SetFontBold(bool bold);
    void SetFontColor(TColor color);

    bool CanFocus() const;
    bool Focused() const { return Widget()->hasFocus(); }
    void SetFocus() { Widget()->setFocus(Qt::OtherFocusReason); }
    void Invalidate() { Widget()->update(); }
    void Repaint() { Widget()->repaint(); }
    void BringToFront() { Widget()->raise(); }

    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    TNotifyEvent OnClick;
    // The action the control shows and triggers; nullptr for none.
    QAction* Action() const;
    void SetAction(QAction* Value);
    // The control's click: OnClick when set, else the linked action.
    void ClickOrExecute();
    // Offered every wheel turn of a child control before the child handles it itself;
    // setting Handled keeps the child from scrolling.
    TMouseWheelEvent OnMouseWheel;

    // The wheel notice a child sends its parent: true when this control's OnMouseWheel,
    // or a parent further up, took the turn (MousePos in screen coordinates).
    bool CMMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);

    // Places the children that have an Align of their own, in the order they were created.
    static void AlignChildren(QWidget* container);

protected:
    // The link a control of this class keeps to its action.
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();

private:
    void ApplyToolTip();

    std::unique_ptr<TControlActionLink> FActionLink;

    QString FHint;
    bool FShowHint = true;
    TColor FColor = clDefault;
    TAlign FAlign = alNone;
    int FTag = 0;
};

// The owner's widget is the default parent, so controls created by a form land on it.
QWidget* DefaultParentWidget(TComponent* AOwner, QWidget* AParent);
// The control a widget is, or nullptr.
TControl* ControlOf(QObject* object);

template <class QtWidget>
class TControlOf : public QtWidget, public TControl {
public:
    explicit TControlOf(TComponent* AOwner, QWidget* AParent = nullptr)
        : QtWidget(DefaultParentWidget(AOwner, AParent)), TControl(AOwner) {}
    QWidget* Widget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QtWidget::resizeEvent(event);
        TControl::AlignChildren(this);
    }
};
