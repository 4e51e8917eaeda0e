#pragma once
// The grids of the drag-and-drop tests: a header row "H0".."H4", a number column and
// cells "c<col>r<row>" in six data rows; each grid starts drags, takes drops and pastes
// without goEditing.

#include "grid/core/string_grid.h"

#include <QPoint>
#include <QWidget>

inline TExStringGrid* MakeDragDropGrid(QWidget* Parent, int Left) {
    auto* grid = new TExStringGrid(nullptr, Parent);
    grid->setGeometry(Left, 0, 440, 300);
    grid->SetColCount(5);
    grid->SetRowCount(7);
    grid->SetDefaultColWidth(80);
    grid->SortSettings()->Column = -1;
    for (int c = 0; c < 5; ++c) grid->SetCells(c, 0, QStringLiteral("H%1").arg(c));
    for (int r = 1; r < 7; ++r) {
        grid->SetCells(0, r, QString::number(r));
        for (int c = 1; c < 5; ++c) grid->SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    }
    grid->Navigation()->SetAllowClipboardAlways(true);
    grid->DragDropSettings()->OleDropSource = true;
    grid->DragDropSettings()->SetOleDropTarget(true);
    return grid;
}

// The centre of a cell on the grid's viewport.
inline QPoint CellCentre(TExStringGrid& Grid, int Col, int Row) {
    const TRect r = Grid.CellRect(Col, Row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}
