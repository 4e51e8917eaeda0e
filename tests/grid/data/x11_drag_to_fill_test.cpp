// Drag-to-fill under real X input (xdotool): two seed cells selected, their handle
// dragged down, and the cells below continue the series. Runs only on the xcb platform
// (scripts/test-x11); elsewhere, or without xdotool, it is skipped with the reason.

#include "grid/core/string_grid.h"
#include "platform/format_settings.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void XDoTool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
    QTest::qWait(60);
}

void MoveTo(QPoint at) { XDoTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())}); }

TEST(X11DragToFill, DraggingTheHandleContinuesTheSeries) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings kept = settings;
    settings.ShortDateFormat = QStringLiteral("M/d/yyyy");
    settings.DateSeparator = QLatin1Char('/');
    const struct {
        const char* Name;
        QStringList Seed;
        QStringList Filled;
    } cases[] = {
        {"odd numbers", {"1", "3"}, {"1", "3", "5", "7", "9"}},
        {"months", {"1/15/2024", "2/15/2024"}, {"1/15/2024", "2/15/2024", "3/15/2024", "4/15/2024", "5/15/2024"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QWidget window;
        window.resize(360, 240);
        auto* grid = new TExStringGrid(nullptr, &window);
        grid->setGeometry(0, 0, 360, 240);
        grid->SetColCount(3);
        grid->SetRowCount(8);
        grid->SetColWidths(1, 110);
        // Read-only cells, as in a grid that fills but is not typed into: the fill is a
        // paste, which AllowClipboardAlways lets in.
        grid->Navigation()->SetAllowClipboardAlways(true);
        grid->SetSelectionResizer(true);
        grid->SetSelectionRectangle(true);
        grid->Navigation()->SetAllowSmartClipboard(true);
        grid->SetCells(1, 1, c.Seed[0]);
        grid->SetCells(1, 2, c.Seed[1]);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTest::qWait(200);
        grid->SetSelection({1, 1, 1, 2});
        QTest::qWait(50);

        QWidget* surface = grid->viewport();
        const TRect seedEnd = grid->CellRect(1, 2);
        const TRect target = grid->CellRect(1, 5);
        MoveTo(surface->mapToGlobal(QPoint(seedEnd.Right - 2, seedEnd.Bottom - 2)));
        XDoTool({QStringLiteral("mousedown"), QStringLiteral("1")});
        for (int row = 3; row <= 5; ++row) {
            const TRect cell = grid->CellRect(1, row);
            MoveTo(surface->mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2)));
        }
        MoveTo(surface->mapToGlobal(QPoint((target.Left + target.Right) / 2, (target.Top + target.Bottom) / 2)));
        XDoTool({QStringLiteral("mouseup"), QStringLiteral("1")});
        QTest::qWait(150);

        QStringList filled;
        for (int r = 1; r <= 5; ++r) filled << grid->Cells(1, r);
        EXPECT_EQ(filled, c.Filled);
        EXPECT_EQ(grid->Cells(1, 6), QString());
    }
    settings = kept;
}

}  // namespace
