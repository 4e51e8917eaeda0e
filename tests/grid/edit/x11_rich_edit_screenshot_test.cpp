// A screenshot of the rich edit open over its cell in a real window under X (xcb
// platform), its text holding a superscript, beside RTF cells painted formatted. Runs
// only on the xcb platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the
// folder the PNG is written to.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_rich_edit.h"
#include "grid/edit/rtf_codec.h"
#include "rtf_notation.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString Rtf(const char* Notation) { return WriteRtf(ParseRunNotation(QString::fromUtf8(Notation))); }

TEST(X11RichEditScreenshot, RichEditWithASuperscriptOverItsCell) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("Rich text cells"));
    window.resize(520, 200);
    auto* grid = new TExStringGrid(nullptr, &window);
    grid->setGeometry(10, 10, 500, 180);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->SetDefaultRowHeight(24);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 220);
    grid->SetColWidths(2, 220);
    grid->SetOptions(grid->Options().Include(goEditing));
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edRichEdit; };
    grid->SetCells(1, 0, QStringLiteral("Formula"));
    grid->SetCells(2, 0, QStringLiteral("Note"));
    grid->SetCells(1, 1, Rtf("|Area: 12 m\nsuper|2\n"));
    grid->SetCells(2, 1, Rtf("b|Warning: \ncolor=#c00000|hot surface\n"));
    grid->SetCells(1, 2, Rtf("|H\nsub|2\n|O at 4 \ni|°C\n"));
    grid->SetCells(2, 2, Rtf("u|Łódź office\n| € 12\n"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::qWait(200);
    grid->setFocus();
    grid->FocusCell(1, 3);
    grid->SetCells(1, 3, Rtf("|E = mc\nsuper|2\n"));
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::qWait(200);
    TExRichEdit* edit = grid->InplaceRichEdit();
    ASSERT_TRUE(edit->isVisible());
    edit->moveCursor(QTextCursor::End);
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(0).toImage().copy(window.frameGeometry());
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath("grid-rich-edit-superscript.png")));
    }
}

}  // namespace
