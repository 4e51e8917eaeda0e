// Screenshots of a rule table in a real window under X (xcb platform): the search footer
// with its matches highlighted, the footer's edit turned red when nothing matches, an
// open filter check list and the print preview window. Runs only on the xcb platform
// (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder the PNGs are written
// to. Pixel probes check that the highlight and the red edit are on the screen, not only
// in the widgets' state.

#include "grid/data/search_panel.h"

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class X11DataScreenshot : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        Window.setWindowTitle(QStringLiteral("KNX rules"));
        Window.resize(640, 330);
        Grid = new TExStringGrid(nullptr, &Window);
        Grid->setGeometry(10, 10, 620, 310);
        Grid->SetColCount(5);
        Grid->SetRowCount(11);
        Grid->SetDefaultRowHeight(22);
        const int widths[] = {30, 110, 90, 150, 200};
        const char* headers[] = {"N", "Group address", "Direction", "Data type", "Description"};
        for (int c = 0; c < 5; ++c) {
            Grid->SetColWidths(c, widths[c]);
            Grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
        }
        const char* descriptions[] = {"Hall light",    "Office dimmer", "Blind up/down", "Heating valve", "Scene",
                                      "Alarm",         "Outdoor light", "Stair light",   "Fan",           "Garden light"};
        for (int r = 1; r <= 10; ++r) {
            Grid->SetCells(0, r, QString::number(r));
            Grid->SetCells(1, r, QString("1/%1/%2").arg(r / 4).arg(r));
            Grid->SetCells(2, r, r % 2 ? "Write" : "Read");
            Grid->SetCells(3, r, r % 3 ? "1 bit switch" : "1 byte value");
            Grid->SetCells(4, r, QString::fromLatin1(descriptions[r - 1]));
        }
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Window.activateWindow();
        QTest::qWait(200);
    }
    QImage Shot(const char* name) {
        QTest::qWait(300);
        const QImage shot = Window.screen()->grabWindow(0).toImage().copy(Window.frameGeometry());
        const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(name))));
        }
        return shot;
    }
    // A point of a widget in the screenshot's coordinates.
    QPoint InShot(QWidget* widget, QPoint at) const {
        return widget->mapToGlobal(at) - Window.frameGeometry().topLeft();
    }
    QWidget Window;
    TExStringGrid* Grid = nullptr;
};

TEST_F(X11DataScreenshot, SearchFooterHighlightsThenTurnsRed) {
    Grid->SetHighlightColor(clYellow);
    Grid->SetHighlightTextColor(clBlack);
    // The captions and hints a designed form gives the footer.
    TSearchFooter* footer = Grid->SearchFooter();
    footer->SetFindNextCaption(QStringLiteral("Find &next"));
    footer->SetFindPrevCaption(QStringLiteral("Find &previous"));
    footer->SetMatchCaseCaption(QStringLiteral("Match case"));
    footer->SetHighLightCaption(QStringLiteral("Highlight"));
    footer->SetVisible(true);
    TSearchPanel* panel = Grid->SearchPanel();
    ASSERT_NE(panel, nullptr);
    QTest::qWait(100);
    panel->EditControl()->setFocus();
    QTest::keyClicks(panel->EditControl(), "light");
    QTest::mouseClick(panel->HiliteButton(), Qt::LeftButton);
    const QImage found = Shot("search-footer-highlight.png");
    // Some pixel of the "Hall light" cell carries the highlight colour.
    const TRect cell = Grid->CellRect(4, 1);
    bool highlighted = false;
    for (int x = cell.Left; x < cell.Right && !highlighted; ++x)
        for (int y = cell.Top; y < cell.Bottom && !highlighted; ++y)
            highlighted = found.pixelColor(InShot(Grid->viewport(), QPoint(x, y))) == QColor(255, 255, 0);
    EXPECT_TRUE(highlighted);

    QTest::keyClicks(panel->EditControl(), "xyz");
    const QImage red = Shot("search-footer-no-match.png");
    EXPECT_EQ(red.pixelColor(InShot(panel->EditControl(), QPoint(panel->EditControl()->width() - 6, 6))),
              QColor(255, 0, 0));
}

TEST_F(X11DataScreenshot, FilterCheckListOpen) {
    Grid->SetFilterDropDownAuto(true);
    Grid->SetFilterDropDownCheck(true);
    Grid->InvalidateGrid();
    QTest::qWait(100);
    const TRect header = Grid->CellRect(3, 0);
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, QPoint(header.Right - 8, header.Top + 5));
    QListWidget* list = Grid->OpenFilterList();
    ASSERT_NE(list, nullptr);
    list->item(1)->setCheckState(Qt::Checked);
    Shot("filter-check-list-open.png");
    EXPECT_TRUE(list->isVisible());
}

TEST_F(X11DataScreenshot, PrintPreviewWindowShowsThePrintedPages) {
    QTemporaryDir dir;
    Grid->Printer().SetOutputFileName(dir.filePath(QStringLiteral("preview.pdf")));
    TPrintSettings& s = *Grid->PrintSettings();
    s.PageNr = ppBottomCenter;
    s.Title = ppTopCenter;
    s.TitleText = QStringLiteral("KNX rules");
    s.HeaderSize = 100;
    s.LeftSize = 100;
    std::unique_ptr<QPrintPreviewDialog> preview = Grid->CreatePrintPreviewWindow(&Window);
    preview->resize(900, 700);
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    QTest::qWait(500);
    const QImage shot = preview->screen()->grabWindow(0).toImage().copy(preview->frameGeometry());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("print-preview-window.png"))));
    }
    // The page was drawn by the grid's print: it counted its pages.
    EXPECT_EQ(Grid->PrintNrOfPages(), 1);
    preview->close();
}

}  // namespace
