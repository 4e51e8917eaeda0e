// Screenshots of a header's edit box open over the header cell, and of the edit box of
// a form control inside a cell's markup, in a real window under X. Runs only on the xcb
// platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder the PNGs go to.

#include "grid/core/string_grid.h"
#include "grid/edit/grid_trans_editors.h"
#include "grid/view/grid_control_editors.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(X11HeaderAndControlEditorsScreenshot, EditorsOverTheirCellsLookFinished) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("Header and form-control editors"));
    window.resize(440, 200);
    TExStringGrid grid(nullptr);
    grid.setParent(&window);
    grid.setGeometry(10, 10, 420, 180);
    grid.SetColCount(3);
    grid.SetRowCount(5);
    grid.SetDefaultRowHeight(24);
    grid.SetColWidths(0, 30);
    grid.SetColWidths(1, 110);
    grid.SetColWidths(2, 260);
    grid.SetRowHeights(2, 34);
    grid.SetOptions(grid.Options().Include(goEditing));
    grid.SetCells(1, 0, "Address");
    grid.SetCells(2, 0, "Settings");
    for (int r = 1; r < 5; ++r) {
        grid.SetCells(0, r, QString::number(r));
        grid.SetCells(1, r, QString("1/2/%1").arg(r));
        grid.SetCells(2, r, QString("Gateway %1").arg(r));
    }
    grid.SetCells(2, 2, "Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"Hall\" WIDTH=\"80\"> mode "
                        "<CONTROL TYPE=\"COMBO\" ID=\"mode\" VALUE=\"Read\" WIDTH=\"70\">");
    grid.MouseActions()->SetFixedRowsEdit(fceDblClick);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    auto shoot = [&](const char* name) {
        QTest::qWait(250);
        const QImage shot = window.screen()->grabWindow(0).toImage().copy(window.frameGeometry());
        ASSERT_FALSE(shot.isNull());
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(name)));
    };

    const TRect header = grid.CellRect(1, 0);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       QPoint((header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2));
    ASSERT_TRUE(grid.FixedCellEdit()->isVisible());
    QTest::keyClicks(grid.FixedCellEdit(), "Group address");
    shoot("grid-header-editor.png");
    QTest::keyClick(grid.FixedCellEdit(), Qt::Key_Tab);
    ASSERT_FALSE(grid.FixedCellEdit()->isVisible());
    EXPECT_EQ(grid.Cells(1, 0), "Group address");

    grid.ShowNextControlEditor(2, 2, QString());
    ASSERT_NE(grid.ControlEdit(), nullptr);
    ASSERT_TRUE(grid.ControlEdit()->isVisible());
    QTest::keyClick(grid.ControlEdit(), Qt::Key_End);
    QTest::keyClicks(grid.ControlEdit(), " East");
    shoot("grid-form-control-editor.png");
    QTest::keyClick(grid.ControlEdit(), Qt::Key_Return);
    EXPECT_TRUE(grid.Cells(2, 2).contains("VALUE=\"Hall East\""));
}

}  // namespace
