// The grid's balloon window: created and destroyed with Balloon.Enable, its delays,
// opacity, title and icon, and the texts it asks the grid for.

#include "grid/core/string_grid.h"
#include "grid/view/balloon_window.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class GridBalloon : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(420, 300);
        Grid = new TExStringGrid(nullptr, Form.get());
        Grid->setGeometry(10, 10, 400, 280);
        Form->show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    void TearDown() override { Form.reset(); }

    std::unique_ptr<QWidget> Form;
    TExStringGrid* Grid = nullptr;
};

TEST_F(GridBalloon, EnableCreatesTheWindowAndDisableDestroysIt) {
    EXPECT_EQ(Grid->BalloonWindow(), nullptr);
    Grid->Balloon()->SetEnable(true);
    TBalloonWindow* first = Grid->BalloonWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Title(), "ToolTipText");
    EXPECT_EQ(first->Icon(), TBalloonWindow::biErrorIcon);
    EXPECT_EQ(first->InitialDelay(), -1);
    EXPECT_EQ(first->Opacity(), 255);

    Grid->Balloon()->SetEnable(false);
    EXPECT_EQ(Grid->BalloonWindow(), nullptr);
    EXPECT_FALSE(Grid->Balloon()->FInit);

    // Switched on again, a new window takes the current delays.
    Grid->Balloon()->InitialDelay = 150;
    Grid->Balloon()->ReshowDelay = 40;
    Grid->Balloon()->AutoHideDelay = 3000;
    Grid->Balloon()->SetEnable(true);
    ASSERT_NE(Grid->BalloonWindow(), nullptr);
    EXPECT_EQ(Grid->BalloonWindow()->InitialDelay(), 150);
    EXPECT_EQ(Grid->BalloonWindow()->ReshowDelay(), 40);
    EXPECT_EQ(Grid->BalloonWindow()->AutoPopDelay(), 3000);
    // A second init while the window exists changes nothing.
    TBalloonWindow* second = Grid->BalloonWindow();
    Grid->BalloonInit();
    EXPECT_EQ(Grid->BalloonWindow(), second);
}

TEST_F(GridBalloon, TransparencySetsTheOpacity) {
    Grid->Balloon()->Transparency = 55;
    Grid->Balloon()->SetEnable(true);
    ASSERT_NE(Grid->BalloonWindow(), nullptr);
    EXPECT_EQ(Grid->BalloonWindow()->Opacity(), 200);
    EXPECT_NEAR(Grid->BalloonWindow()->windowOpacity(), 200 / 255.0, 0.01);
}

TEST_F(GridBalloon, AnIconOutsideZeroToThreeGivesATitleWithoutIcon) {
    Grid->Balloon()->SetEnable(true);
    const struct {
        int icon;
        int shown;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {7, 0}, {-1, 0}};
    for (const auto& c : cases) {
        Grid->AddBalloonTool(c.icon, "title");
        EXPECT_EQ(Grid->BalloonWindow()->Icon(), c.shown) << c.icon;
        EXPECT_EQ(Grid->BalloonWindow()->Title(), "title");
    }
}

TEST_F(GridBalloon, ShowsTheCellsTextInTheBalloonsColoursAndHidesOnPop) {
    Grid->SetCells(2, 3, "<b>balloon</b> text");
    Grid->Balloon()->BackgroundColor = clYellow;
    Grid->Balloon()->SetEnable(true);
    TBalloonWindow* balloon = Grid->BalloonWindow();
    const TRect cell = Grid->CellRect(2, 3);
    balloon->Popup({cell.Left + 3, cell.Top + 3});
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->Text(), "balloon text");
    EXPECT_LE(balloon->width(), TBalloonWindow::kMaxWidth);
    const QImage image = balloon->grab().toImage();
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF, 0xFFFF00u);
    balloon->Pop();
    EXPECT_FALSE(balloon->isVisible());
}

TEST(BalloonSettings, AssignCopiesAllButTransparencyWithoutTellingTheGrid) {
    TBalloonSettings source;
    source.Enable = true;
    source.InitialDelay = 1;
    source.ReshowDelay = 2;
    source.AutoHideDelay = 3;
    source.Transparency = 4;
    source.TextColor = clRed;
    source.BackgroundColor = clLime;
    TBalloonSettings target;
    int told = 0;
    target.OnEnableChange = [&](TObject*) { ++told; };
    target.Assign(&source);
    EXPECT_TRUE(target.Enable);
    EXPECT_EQ(target.InitialDelay, 1);
    EXPECT_EQ(target.ReshowDelay, 2);
    EXPECT_EQ(target.AutoHideDelay, 3);
    EXPECT_EQ(target.Transparency, 0);
    EXPECT_EQ(target.TextColor, clRed);
    EXPECT_EQ(target.BackgroundColor, clLime);
    EXPECT_EQ(told, 0);
    target.SetEnable(false);
    EXPECT_EQ(told, 1);
}

}  // namespace
