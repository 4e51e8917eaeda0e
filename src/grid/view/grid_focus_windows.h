#pragma once
// Small windows the grid shows above itself: the four arrows that point at the drop
// place of a column or row being moved, and the soft focus frame around the cell being
// edited. Both are child widgets of the grid's top-level window (pop-ups at absolute
// positions are not placed reliably by every display server, and a child moves with its
// window); they are raised, take no mouse input and never take the focus.

#include "grid/view/grid_alpha_mask.h"
#include "platform/color.h"

#include <QPolygon>
#include <QWidget>

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// A lime arrow whose window shape is its seven-point outline; the tip points at the drop
// place: arrUp up, arrDown down, arrLeft to the right (it stands left of the place),
// arrRight to the left.
class TArrowWindow : public QWidget {
public:
    TArrowWindow(QWidget* AOwner, TArrowDirection Direction);
    TArrowDirection Dir() const { return FDir; }
    const QPolygon& Arrow() const { return FArrow; }
    TColor Color() const { return FColor; }
    static QPolygon Outline(TArrowDirection Direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TArrowDirection FDir;
    QPolygon FArrow;
    TColor FColor = TColor(0x00FF00);
};

// An empty window that shows the alpha mask the grid gives it.
class TGridFocusWindow : public QWidget {
public:
    explicit TGridFocusWindow(QWidget* AOwner);
    TColor Color() const { return FColor; }
    const TGridAlphaMask& Mask() const { return FMask; }
    void SetMask(const TGridAlphaMask& Mask) { FMask.Assign(Mask); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGridAlphaMask FMask;
    TColor FColor = TColor(0x0000FF);
};

// Makes a window show Mask with its per-pixel alpha and the mask's opacity, resized to
// the mask without moving; an empty mask leaves the window unchanged.
void ApplyLayeredAlphaMask(TGridFocusWindow* Window, const TGridAlphaMask& Mask);
// Moves an indicator onto the top-level window of Anchor (it stays there until the
// grid takes it back), raised above its siblings.
void AttachToTopLevel(QWidget* Indicator, QWidget* Anchor);
