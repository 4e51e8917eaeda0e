// A screenshot of the plain in-place edit while typing into a KNX-like rule table, in a
// real window under X (xcb platform; scripts/test-x11 starts Xvfb). GRID_SCREENSHOTS
// names the folder the PNG is written to.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_inplace_edit.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(X11InplaceEditScreenshot, ThePlainEditWhileTypingSitsFlushOnItsCell) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("KNX rules"));
    window.resize(560, 250);
    auto* grid = new TExStringGrid(nullptr, &window);
    grid->setGeometry(10, 10, 540, 230);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultRowHeight(22);
    const int widths[] = {40, 180, 100, 110, 90};
    const char* headers[] = {"Nr", "Name", "KNX Address", "Data Type", "Priority"};
    for (int c = 0; c < 5; ++c) {
        grid->SetColWidths(c, widths[c]);
        grid->SetCells(c, 0, headers[c]);
    }
    const char* names[] = {"Hall light", "Kitchen dimmer", "Blind south", "Scene evening"};
    const char* addresses[] = {"1/1/1", "1/1/2", "2/0/5", "3/2/1"};
    for (int r = 1; r <= 4; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, names[r - 1]);
        grid->SetCells(2, r, addresses[r - 1]);
        grid->SetCells(3, r, "1.001 Switch");
        grid->SetCells(4, r, "Low");
    }
    grid->SetOptions(grid->Options().Include(goEditing));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    grid->setFocus(Qt::OtherFocusReason);
    grid->SetCol(1);
    grid->SetRow(5);
    QTest::keyClick(grid, 'L');  // the first key opens the edit, which takes the others
    ASSERT_TRUE(grid->EditorMode());
    TExInplaceEdit* edit = grid->NormalEdit();
    QTest::keyClicks(edit, "iving room ceil");
    EXPECT_EQ(edit->Text(), "Living room ceil");
    // Flush with the cell: up to the grid lines that the next column and row begin with.
    const TRect cell = grid->CellRect(1, 5);
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(cell.Left, cell.Top));
    EXPECT_EQ(edit->geometry().right() + 1, grid->CellRect(2, 5).Left);
    EXPECT_EQ(edit->geometry().bottom() + 1, grid->CellRect(1, 6).Top);
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath("plain-edit-typing.png")));
    }
}

}  // namespace
