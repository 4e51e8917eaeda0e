#pragma once
// A control that scrolls one content control: scroll bars appear by themselves when
// the content is larger than the control, and dragging a bar's thumb moves the
// content while the thumb moves (tracking).

#include "platform/control.h"

#include <QScrollArea>
#include <QScrollBar>

// One scroll bar of a scrolling control.
class TControlScrollBar {
public:
    explicit TControlScrollBar(QScrollBar* bar) : FBar(bar) {}
    int Position() const { return FBar->value(); }
    // Clamped to the bar's range.
    void SetPosition(int Value) { FBar->setValue(Value); }
    int Range() const { return FBar->maximum(); }
    bool IsScrollBarVisible() const { return FBar->isVisible(); }
    // Pixels kept free around a control scrolled into view.
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    bool Tracking() const { return FBar->hasTracking(); }
    void SetTracking(bool Value) { FBar->setTracking(Value); }
    QScrollBar* Bar() const { return FBar; }

private:
    QScrollBar* FBar;
    int FMargin = 0;
};

class TScrollingWinControl : public TControlOf<QScrollArea> {
public:
    explicit TScrollingWinControl(TComponent* AOwner, QWidget* AParent = nullptr);

    TControlScrollBar* VertScrollBar() { return &FVertScrollBar; }
    TControlScrollBar* HorzScrollBar() { return &FHorzScrollBar; }
    // The scrolled control; it keeps the size it gives itself.
    void SetContent(QWidget* content);
    // The visible part of the control, without its scroll bars.
    int ViewportWidth() const { return viewport()->width(); }
    int ViewportHeight() const { return viewport()->height(); }

private:
    TControlScrollBar FVertScrollBar;
    TControlScrollBar FHorzScrollBar;
};
