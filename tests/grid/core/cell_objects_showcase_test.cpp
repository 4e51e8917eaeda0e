// One grid holding contracted and expanded nodes, pictures, buttons, shapes, ratings,
// progress bars, a pie, a comment, a marker, a balloon and the thin scroll bars. Offscreen
// the rendered grid is probed at a comment corner, a progress fill and a thumb; under a
// real X server (scripts/test-x11) a screenshot is written to GRID_SCREENSHOTS.

#include "grid/core/scroll_control.h"
#include "grid/core/string_grid.h"
#include "platform/picture.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr TColor CommentColor = clFuchsia;
constexpr TColor ProgressFill = clBlue;

void BuildShowcase(TExStringGrid& grid) {
    grid.SetColCount(6);
    grid.SetRowCount(40);
    grid.SetDefaultColWidth(110);
    grid.SetDefaultRowHeight(24);
    grid.SetColor(clWhite);
    const char* headers[] = {"Tree", "Item", "Progress", "Object", "Rating", "Note"};
    for (int c = 0; c < 6; ++c) grid.SetCells(c, 0, QString::fromUtf8(headers[c]));
    for (int r = 1; r < 40; ++r) grid.SetCells(1, r, QString("Item %1").arg(r));
    grid.AddNode(1, 6);
    grid.AddNode(3, 3);
    grid.AddNode(7, 5);
    grid.AddNode(12, 4);
    grid.ContractNode(7);
    // Displayed rows now: 1..6 (node 1 with 3 inside), 7 (contracted), 8.. (real 12..).
    grid.AddProgress(2, 2, ProgressFill, clWhite);
    grid.SetCells(2, 2, QStringLiteral("50"));
    grid.AddProgressEx(2, 3, clGreen, clWhite, clSilver, clBlack);
    grid.SetCells(2, 3, QStringLiteral("80"));
    grid.AddProgressPie(2, 4, clRed, 65);
    grid.AddButton(3, 2, 80, 20, QStringLiteral("Press"), haCenter, vaCenter);
    grid.AddShape(3, 3, csDiamond, clYellow, clBlack, haCenter, vaCenter);
    grid.AddShape(3, 4, csCircle, clLime, clGreen, haLeft, vaCenter);
    TPicture* picture = grid.CreatePicture(3, 5, false, StretchWithAspectRatio, 2, haCenter, vaCenter);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 255));
    picture->SetImage(image);
    grid.AddRating(4, 2, 5, clYellow, clSilver);
    grid.SetCells(4, 2, QStringLiteral("3.5"));
    grid.ControlLook()->CommentColor = CommentColor;
    grid.SetCells(5, 2, QStringLiteral("see note"));
    grid.AddComment(5, 2, QStringLiteral("A comment"));
    grid.SetCells(5, 3, QStringLiteral("wrong value"));
    grid.AddMarker(5, 3, 1, 5);
    grid.SetCells(5, 4, QStringLiteral("balloon"));
    grid.AddBalloon(5, 4, QStringLiteral("Title"), QStringLiteral("Text"), biInfo);
    grid.SetScrollType(ssMetro);
    grid.VertScrollControl()->SetColor(clRed);
    grid.HorzScrollControl()->SetColor(clRed);
}

TEST(CellObjectsShowcase, CommentCornerProgressFillAndThumbAreDrawn) {
    TExStringGrid grid(nullptr);
    grid.resize(700, 300);
    BuildShowcase(grid);
    grid.show();
    QApplication::processEvents();
    const QImage shot = grid.grab().toImage();
    const QPoint origin = grid.viewport()->geometry().topLeft();
    const TRect note = grid.CellRect(5, 2);
    EXPECT_EQ(shot.pixelColor(origin + QPoint(note.Right - 4, note.Top + 1)), QColor(255, 0, 255));
    const TRect progress = grid.CellRect(2, 2);
    EXPECT_EQ(shot.pixelColor(origin + QPoint(progress.Left + 4, progress.Top + progress.Height() / 2)),
              QColor(0, 0, 255));
    EXPECT_NE(shot.pixelColor(origin + QPoint(progress.Right - 8, progress.Top + progress.Height() / 2)),
              QColor(0, 0, 255));
    const auto thumb = grid.VertScrollControl()->Thumb();
    ASSERT_TRUE(thumb.has_value());
    const QPoint bar = grid.VertScrollControl()->pos();
    EXPECT_EQ(shot.pixelColor(bar + QPoint(1, thumb->Start + 1)), QColor(255, 0, 0));
}

TEST(CellObjectsShowcase, ScreenshotUnderX) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("Grid cell objects"));
    window.resize(700, 320);
    auto* grid = new TExStringGrid(nullptr, &window);
    grid->setGeometry(0, 0, 700, 320);
    BuildShowcase(*grid);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/grid-cell-objects.png")));
    }
}

}  // namespace
