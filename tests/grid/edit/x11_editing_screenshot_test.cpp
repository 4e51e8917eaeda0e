// Screenshots of the editing road in a real window under X (xcb platform): the plain edit
// of a rule table while typing, and a refused value with its balloon. Runs only on the xcb
// platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder the PNGs are
// written to.

#include "grid/core/grid_fixture.h"
#include "grid/edit/edit_balloon.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void Save(QWidget& window, const char* name) {
    QTest::qWait(200);
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(QDir(folder).filePath(name)));
}

TEST(X11EditingScreenshot, ThePlainEditWhileTypingAndARefusedValueWithItsBalloon) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("Rule table editing"));
    window.resize(640, 220);
    auto* grid = new RuleTableFixture(&window);
    grid->setGeometry(10, 10, 620, 200);
    grid->SetLook(glXP);
    grid->SetInvalidEntryTitle("Invalid address");
    grid->SetInvalidEntryText("A KNX address is written as area.line.device, for example 1.1.20");
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        Valid = Value.count('.') == 2;
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    grid->FocusCell(1, 2);
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_TRUE(grid->EditMode());
    QTest::keyClicks(grid->InplaceEditor(), ".1.");
    Save(window, "editing-plain-typing.png");
    QTest::keyClicks(grid->InplaceEditor(), "20x");
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Backspace);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Home);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Delete);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Delete);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    ASSERT_TRUE(grid->InvalidEntryBalloon() && grid->InvalidEntryBalloon()->isVisible());
    Save(window, "editing-refused-balloon.png");
}

}  // namespace
