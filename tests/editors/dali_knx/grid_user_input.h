#pragma once
// A user's hands on a rule grid: typing into a cell, choosing a list item by keys,
// clicking a cell or a menu item, and the hint shown with the pointer over a cell.

#include "grid/core/string_grid.h"
#include "platform/popup_menu.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdlib>

inline QPoint Cell_Centre(TExStringGrid& grid, int col, int row) {
    const TRect r = grid.CellRect(col, row);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// Types into the current cell: the first key opens the editor, the rest go to whatever has
// the focus in the grid's window then (a modal window need not be the active one offscreen),
// and Enter ends it.
inline void Type_Cell(TExStringGrid& grid, const QString& text) {
    grid.setFocus();
    QTest::keyClick(&grid, text.at(0).toLatin1());
    QTest::keyClicks(grid.window()->focusWidget(), text.mid(1));
    QTest::keyClick(grid.window()->focusWidget(), Qt::Key_Return);
}

// Opens the list of the current cell with F2, moves the highlight `steps` items down (up
// when negative) and takes it with Enter.
inline void Choose_Combo_Item(TExStringGrid& grid, int steps) {
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_F2);
    // An open list is a pop-up window of its own, with the focus in it.
    QWidget* list = QApplication::activePopupWidget() ? QApplication::focusWidget() : grid.window()->focusWidget();
    for (int i = 0; i < std::abs(steps); ++i) QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
}

// The text the grid's hint shows over a cell.
inline QString Hint_Over(TExStringGrid& grid, int col, int row) {
    THintInfo info;
    const QPoint p = Cell_Centre(grid, col, row);
    info.CursorPos = {p.x(), p.y()};
    QString hint;
    grid.PrepareCellHint(hint, info);
    return hint;
}

inline void Click_Cell(TExStringGrid& grid, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid.viewport(), button, {}, Cell_Centre(grid, col, row));
}

inline void Click_Menu_Item(TPopupMenu* menu, int index) {
    QAction* action = menu->actions().at(index);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}
