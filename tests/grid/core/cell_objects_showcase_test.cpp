// One grid holding a grouped table with summaries (contracted and expanded groups), pictures, buttons, shapes, ratings,
// progress bars, a pie, a comment, a marker, a balloon and the thin scroll bars. Offscreen
// the rendered grid is probed at a comment corner, a progress fill and a thumb; under a
// real X server (scripts/test-x11) a screenshot is written to GRID_SCREENSHOTS.

#include "grid/core/scroll_control.h"
#include "grid/core/string_grid.h"
#include "grid/data/search_panel.h"
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
    grid.SetColCount(7);
    grid.SetRowCount(26);
    grid.SetDefaultColWidth(110);
    grid.SetDefaultRowHeight(24);
    grid.SetColor(clWhite);
    const char* headers[] = {"Tree", "Group", "Item", "Progress", "Object", "Rating", "Note"};
    for (int c = 0; c < 7; ++c) grid.SetCells(c, 0, QString::fromUtf8(headers[c]));
    // Four groups: 5 actuators, 4 gateways, 6 sensors and 10 spares.
    const struct {
        const char* name;
        int count;
    } groups[] = {{"Sensors", 6}, {"Actuators", 5}, {"Gateways", 4}, {"Spare", 10}};
    int row = 1;
    for (const auto& g : groups)
        for (int i = 1; i <= g.count; ++i, ++row) {
            grid.SetCells(1, row, QString::fromUtf8(g.name));
            grid.SetCells(2, row, QString("%1 %2").arg(QString::fromUtf8(g.name)).arg(i));
            grid.SetCells(3, row, QString::number(10 * i));
        }
    grid.Grouping()->Summary = true;
    grid.Grouping()->SummaryColor = 0xF0E0D0;
    grid.Group(1);
    grid.GroupSum(2);
    // Displayed rows now: 1 "Actuators" with 2..6 and its summary 7, 8 "Gateways" ...
    grid.ContractNode(8);
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
    // The grouped table: expanded first group with its summary, the second contracted.
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_TRUE(grid.IsSummary(7));
    EXPECT_TRUE(grid.IsNode(8));
    EXPECT_TRUE(grid.GetNodeState(8));
    EXPECT_EQ(grid.Cells(1, 2), "Actuators 1");
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
    window.resize(700, 360);
    auto* grid = new TExStringGrid(nullptr, &window);
    grid->setGeometry(0, 0, 700, 360);
    BuildShowcase(*grid);
    // The search footer's strip under the cells.
    TSearchPanel* panel = grid->SearchPanel();
    panel->SetFindNextCaption(QStringLiteral("Find &next"));
    panel->SetFindPrevCaption(QStringLiteral("Find &previous"));
    panel->SetHighLightCaption(QStringLiteral("&Highlight"));
    panel->SetMatchCaseCaption(QStringLiteral("Match case"));
    panel->SetColorTo(0xE0C8B0);
    for (TExGridButton* button : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        button->SetLook(1);
    grid->SearchFooter()->SetVisible(true);
    panel->SetVisible(true);
    panel->SetHeight(kSearchPanelHeight);
    panel->EditControl()->SetText(QStringLiteral("Item"));
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
