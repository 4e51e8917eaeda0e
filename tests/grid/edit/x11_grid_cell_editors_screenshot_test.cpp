// Screenshots of the grid's spin (up arrow held), edit-with-button and unit (menu open)
// editors open over their cells, in a real window under X. Runs only on the xcb platform
// (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder the PNGs go to.

#include "fake_timer.h"
#include "grid/core/string_grid.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_unit_edit_btn.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(X11GridCellEditorsScreenshot, EditorsOverTheirCellsLookFinished) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    FakeTimersScope timers;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Grid cell editors"));
    window.resize(420, 200);
    TExStringGrid grid(nullptr);
    grid.setParent(&window);
    grid.setGeometry(10, 10, 400, 180);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.SetDefaultColWidth(95);
    grid.SetDefaultRowHeight(24);
    grid.SetOptions(grid.Options().Include(goEditing));
    const char* headers[] = {"", "Spin", "Path", "Length"};
    for (int c = 0; c < 4; ++c) grid.SetCells(c, 0, headers[c]);
    for (int r = 1; r < 5; ++r) {
        grid.SetCells(1, r, QString::number(10 * r));
        grid.SetCells(2, r, QString("C:/Hall %1").arg(r));
        grid.SetCells(3, r, QString("%1mm").arg(250 * r));
    }
    grid.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 1) AEditor = edSpinEdit;
        if (ACol == 2) AEditor = edEditBtn;
        if (ACol == 3) AEditor = edUnitEditBtn;
    };
    TStringList units;
    for (const char* u : {"mm", "cm", "m"}) units.Add(QString::fromLatin1(u));
    grid.BtnUnitEdit()->SetUnits(&units);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    auto shoot = [&](const char* name) {
        QTest::qWait(250);
        const QImage shot = window.screen()->grabWindow(0).toImage().copy(
            QRect(window.frameGeometry().topLeft(), QSize(window.frameGeometry().width(), 260)));
        ASSERT_FALSE(shot.isNull());
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(name)));
    };

    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_F2);
    TExTimerSpeedButton* up = grid.GetSpinEdit()->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    shoot("grid-spin-editor.png");
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    grid.FocusCell(2, 3);
    QTest::keyClick(&grid, Qt::Key_F2);
    ASSERT_TRUE(grid.BtnEdit()->isVisible());
    shoot("grid-edit-button-editor.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    grid.FocusCell(3, 1);
    QTest::keyClick(&grid, Qt::Key_F2);
    TGridUnitEditBtn* unit = grid.BtnUnitEdit();
    ASSERT_TRUE(unit->isVisible());
    unit->ClickBtn(unit);
    ASSERT_NE(unit->UnitMenu(), nullptr);
    shoot("grid-unit-editor.png");
    unit->UnitMenu()->close();
}

}  // namespace
