// The floating footer on a real grid: the panel's height and the grid's footer row as
// the settings change, the template, the column under a click, and the top line.

#include "grid/core/string_grid.h"
#include "grid/view/footer_panel.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class FooterGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TBaseGrid::FHideLastRow;
};

class FloatingFooter : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(620, 320);
        Grid = new FooterGrid(nullptr, Form.get());
        Grid->setGeometry(10, 10, 600, 300);
        Grid->SetColCount(12);
        Grid->SetRowCount(8);
        Grid->SetDefaultColWidth(40);
        for (int c = 0; c < 12; ++c)
            for (int r = 0; r < 8; ++r) Grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        Footer = Grid->FloatingFooter();
        Panel = Grid->FooterPanel();
        Form->show();
        Settle();
    }
    void TearDown() override { Form.reset(); }
    void Settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    std::unique_ptr<QWidget> Form;
    FooterGrid* Grid = nullptr;
    TFloatingFooter* Footer = nullptr;
    TFooterPanel* Panel = nullptr;
};

TEST_F(FloatingFooter, PanelHeightFollowsHeightVisibleAndWindowCreation) {
    Footer->SetHeight(25);
    EXPECT_EQ(Panel->height(), 24);  // the panel exists, so it takes the new height at once
    Footer->SetVisible(true);
    EXPECT_EQ(Panel->height(), 24);
    EXPECT_TRUE(Panel->isVisible());
    Panel->CreateWnd();
    EXPECT_EQ(Panel->height(), 25);
    Footer->SetHeight(0);
    Footer->SetHeight(-3);
    EXPECT_EQ(Panel->height(), 25);
    // Along the bottom of the cells, as wide as they are.
    EXPECT_EQ(Panel->geometry().bottom(), Grid->viewport()->geometry().bottom());
    EXPECT_EQ(Panel->width(), Grid->viewport()->width());
    Footer->SetVisible(false);
    EXPECT_EQ(Panel->height(), 0);
    EXPECT_FALSE(Panel->isVisible());
}

TEST_F(FloatingFooter, FixedLastRowStyleMakesTheFooterRowAndHidesTheLastRow) {
    Footer->SetVisible(true);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_TRUE(Grid->FHideLastRow);
    Footer->SetFooterStyle(fsColumnPreview);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_FALSE(Grid->FHideLastRow);
    Footer->SetVisible(false);
    EXPECT_EQ(Grid->FixedFooters(), 0);
}

TEST_F(FloatingFooter, TemplatePlaceholdersTakeTheCurrentRowsCells) {
    Grid->FocusCell(1, 3);
    ASSERT_EQ(Grid->Row(), 3);
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {"Total <#2>", "Total 2,3"},
        {"<#0>-<#11>", "0,3-11,3"},
        {"a<#x>b", "ab"},
        {"a<#>b", "ab"},
        {"a<#-1>b", "ab"},
        {"a<#1000000>b", "ab"},
        {"a<#2> and <#3", "a2,3 and <#3"},
        {"no placeholder > here", "no placeholder > here"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Panel->ExpandTemplate(c.in), c.out) << c.in.toStdString();
}

TEST_F(FloatingFooter, ClicksReportTheColumnUnderTheMouseCountedFromLeftCol) {
    Grid->SetDefaultColWidth(80);
    Footer->SetVisible(true);
    Panel->CreateWnd();
    Grid->SetLeftCol(5);
    Settle();
    ASSERT_EQ(Grid->LeftCol(), 5);
    std::vector<std::pair<int, int>> clicks;
    int plainClicks = 0;
    Grid->OnClick = [&](TObject*) { ++plainClicks; };
    Grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicks.push_back({ARow, ACol}); };
    const int fixedWidth = Grid->ColWidths(0);
    QTest::mouseClick(Panel, Qt::LeftButton, {}, QPoint(fixedWidth / 2, 5));
    QTest::mouseClick(Panel, Qt::LeftButton, {}, QPoint(fixedWidth + 3, 5));
    QTest::mouseClick(Panel, Qt::LeftButton, {}, QPoint(fixedWidth + Grid->ColWidths(5) + 3, 5));
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0], std::make_pair(7, 0));
    EXPECT_EQ(clicks[1], std::make_pair(7, 5));
    EXPECT_EQ(clicks[2], std::make_pair(7, 6));
    EXPECT_EQ(plainClicks, 3);
    EXPECT_EQ(Panel->ColumnAt(Panel->VisibleColumnsWidth()), -1);
}

TEST_F(FloatingFooter, HintsAskTheProgramForTheColumnUnderTheMouse) {
    Footer->SetVisible(true);
    Panel->CreateWnd();
    Settle();
    std::vector<std::pair<int, int>> asked;
    Grid->OnGridHint = [&](TObject*, int ARow, int ACol, QString& hint) {
        asked.push_back({ARow, ACol});
        hint = QString("sum of %1").arg(ACol);
    };
    const int second = Grid->ColWidths(0) + Grid->ColWidths(1) + 3;
    auto requestHint = [&](int x) {
        QHelpEvent help(QEvent::ToolTip, QPoint(x, 5), Panel->mapToGlobal(QPoint(x, 5)));
        QCoreApplication::sendEvent(Panel, &help);
    };
    requestHint(second);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{7, 2}}));
    EXPECT_EQ(Panel->LastHintX(), -1);  // ShowHint is off: no hint shows

    Footer->SetShowHint(true);
    requestHint(second);
    EXPECT_EQ(Panel->LastHintX(), 2);
    QTest::mouseMove(Panel, QPoint(3, 5));
    EXPECT_EQ(Panel->LastHintX(), 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Panel, &leave);
    EXPECT_EQ(Panel->LastHintX(), -1);
    requestHint(Panel->VisibleColumnsWidth() + 2);
    EXPECT_EQ(asked.size(), 2u);  // beyond the columns the program is not asked
    EXPECT_EQ(Panel->LastHintX(), -1);
    QToolTip::hideText();
}

TEST_F(FloatingFooter, BorderColorDrawsATopLineOverTheColumnsOnly) {
    Grid->SetColCount(4);
    Footer->SetVisible(true);
    Panel->CreateWnd();
    Settle();
    const int columnsWidth = Panel->VisibleColumnsWidth();
    ASSERT_LT(columnsWidth + 10, Panel->width());
    for (TColor border : {clNone, clRed}) {
        Footer->SetBorderColor(border);
        const QImage image = Panel->grab().toImage();
        const bool redStart = (image.pixel(1, 0) & 0xFFFFFF) == 0xFF0000u;
        const bool redEnd = (image.pixel(columnsWidth - 1, 0) & 0xFFFFFF) == 0xFF0000u;
        EXPECT_EQ(redStart, border == clRed);
        EXPECT_EQ(redEnd, border == clRed);
        EXPECT_NE(image.pixel(columnsWidth + 5, 0) & 0xFFFFFF, 0xFF0000u);
        EXPECT_NE(image.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    }
}

TEST_F(FloatingFooter, PreviewStylesDrawTheCurrentRowAndTheProgramsPaint) {
    Footer->SetVisible(true);
    Panel->CreateWnd();
    Grid->FocusCell(1, 2);
    std::vector<int> painted;
    Grid->OnFooterPaint = [&](TObject* Sender, int AColumn, TCanvas* Canvas, TRect ARect) {
        EXPECT_EQ(Sender, Panel);
        Canvas->Brush.Color = clLime;
        Canvas->FillRect(ARect);
        painted.push_back(AColumn);
    };
    Footer->SetColumn(3);
    Footer->SetFooterStyle(fsCustomPaint);
    QImage image = Panel->grab().toImage();
    EXPECT_EQ(image.pixel(Panel->width() - 2, 5) & 0xFFFFFF, 0x00FF00u);  // the whole client width
    EXPECT_EQ(painted.back(), 3);
    Footer->SetFooterStyle(fsColumnPreview);
    image = Panel->grab().toImage();
    EXPECT_EQ(painted.back(), 3);
    Grid->OnFooterPaint = nullptr;
    // The template's text is drawn in black on the footer's colour.
    Footer->SetColor(clWhite);
    Footer->SetCustomTemplate("<#1> <#1> <#1>");
    Footer->SetFooterStyle(fsCustomPreview);
    image = Panel->grab().toImage();
    bool dark = false;
    for (int x = 2; x < 100 && !dark; ++x)
        for (int y = 3; y < image.height() - 1 && !dark; ++y) dark = qGray(image.pixel(x, y)) < 80;
    EXPECT_TRUE(dark);
}

TEST_F(FloatingFooter, AssignCopiesTheLookAndVisibilityButNotHeightOrBorder) {
    TFloatingFooter source;
    source.SetColor(clRed);
    source.SetColumn(4);
    source.SetCustomTemplate("<#4>");
    source.SetBorderColor(clBlue);
    source.SetShowHint(true);
    source.SetHeight(40);
    source.CalculateHiddenRows = false;
    source.Visible = true;
    Footer->Assign(&source);
    EXPECT_EQ(Footer->Color(), clRed);
    EXPECT_EQ(Footer->Column(), 4);
    EXPECT_EQ(Footer->CustomTemplate(), "<#4>");
    EXPECT_TRUE(Footer->ShowHint());
    EXPECT_FALSE(Footer->CalculateHiddenRows);
    EXPECT_TRUE(Footer->Visible);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_EQ(Footer->BorderColor(), clNone);
    EXPECT_NE(Footer->Height, 40);
}

TEST_F(FloatingFooter, ColumnCalcLivesInTheLastRowAndRecalculates) {
    Footer->SetVisible(true);
    for (int r = 1; r < 7; ++r) Grid->SetCells(2, r, QString::number(r));
    EXPECT_EQ(Footer->ColumnCalc(2), acNONE);
    Footer->SetColumnCalc(2, acSUM);
    EXPECT_EQ(Footer->ColumnCalc(2), acSUM);
    EXPECT_EQ(Grid->Cells(2, 7).toDouble(), 21.0);
}

TEST_F(FloatingFooter, TheFooterRowRepaintsWhenTheLastRowChanges) {
    Footer->SetHeight(25);
    Footer->SetVisible(true);
    struct PaintCounter : QObject {
        int Paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            Paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    Panel->installEventFilter(&counter);
    Settle();
    counter.Paints = 0;
    Grid->SetCells(1, 2, "not the footer");
    Settle();
    EXPECT_EQ(counter.Paints, 0);
    Grid->SetCells(1, Grid->RowCount() - 1, "total");
    Settle();
    EXPECT_GT(counter.Paints, 0);
}

}  // namespace
