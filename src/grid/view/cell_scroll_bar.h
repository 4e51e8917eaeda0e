#pragma once
// The scroll bar of cells whose text is taller than the cell. The grid owns one: it paints
// every such cell's bar with it and lays it, live, over the cell under the mouse. A cell
// keeps its own page, range and position; the bar only shows them.

#include <QScrollBar>

class QPainter;

class TCellScrollBar : public QScrollBar {
public:
    static constexpr int BarWidth = 17;

    explicit TCellScrollBar(QWidget* parent);

    // Takes a cell's values. Range is the height of the whole text, PageSize the part the
    // cell shows; the position runs from 0 to Range - PageSize.
    void SetCellValues(int Position, int PageSize, int Range);
    // Paints a bar holding these values into Rect, as the live bar would look there.
    void PaintCellBar(QPainter& Painter, const QRect& Rect, int Position, int PageSize, int Range) const;
};
