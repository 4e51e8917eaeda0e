// Screenshots of a KNX-rule-like table in a real window under X (xcb platform), once in
// the glXP look and once in glOffice2007, with a selected row, a hovered header cell and
// row, and the focus frame around a cell being edited. Runs only on the xcb platform
// (scripts/test-x11 starts Xvfb and runs it); GRID_SCREENSHOTS names the folder the
// PNGs are written to.

#include "grid/core/string_grid.h"
#include "knx_rule_table_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class X11GridScreenshot : public ::testing::TestWithParam<TGridLook> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    }
};

TEST_P(X11GridScreenshot, KnxRuleTableLooksFinished) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("KNX Set Access"));
    window.resize(1205, 337);
    auto* grid = new TKnxRuleGrid(nullptr, &window);
    grid->setGeometry(0, 0, 1205, 337);
    BuildKnxRuleTable(*grid, 1024, 1024);
    ApplyKnxLook(*grid, GetParam());
    // Tahoma is not installed here; its fallback is wider and would wrap "Source Add"
    // and "Bit Mode" out of their headers. A narrow face keeps them on one line.
    grid->FixedFont()->Name = QStringLiteral("Nimbus Sans Narrow");
    grid->FocusHelper()->SetEnabled(true);
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    // The row of the edited cell shows selected; the hovered header cell and row as the
    // mouse handling sets them.
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->HoverFixedCellAt(5, 0);
    grid->HoverRowAt(9);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The cell being edited, with its focus frame.
    grid->SetRow(6);
    grid->SetCol(3);
    grid->SetEditorMode(true);
    grid->ShowFocusWindow(grid->CellRect(3, 6));
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(grid->FocusWindow()->isVisible());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        const QString name = GetParam() == glXP ? QStringLiteral("knx-rules-glXP.png") : QStringLiteral("knx-rules-glOffice2007.png");
        EXPECT_TRUE(shot.save(QDir(folder).filePath(name)));
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, X11GridScreenshot, ::testing::Values(glXP, glOffice2007));

}  // namespace
