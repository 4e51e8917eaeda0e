// The grid's painting around its cells, its update lock, its text measuring, its
// balloon text and its timer, on a real grid on a form.

#include "grid/core/string_grid.h"
#include "fake_timer.h"
#include "grid/view/grid_focus_windows.h"
#include "platform/interval_timer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class GridPainting : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(420, 300);
        Grid = new TExStringGrid(nullptr, Form.get());
        Grid->setGeometry(10, 10, 400, 280);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 6; ++r) Grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        Grid->OnPainted = [this](TObject*) { ++Paints; };
    }
    void TearDown() override { Form.reset(); }
    void ShowAndSettle() {
        Form->show();
        Settle();
    }
    void Settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    QImage Render() { return Grid->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage RenderViewport() { return Grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    FakeTimersScope FakeTimers;  // the grid timer ticks only when a test fires it
    std::vector<FakeTimer*>& Timers = FakeTimers.Timers;
    std::unique_ptr<QWidget> Form;
    TExStringGrid* Grid = nullptr;
    int Paints = 0;
};

// ---- update lock ---------------------------------------------------------------------------

TEST_F(GridPainting, UpdateLockSequencesWithTheGridHiddenBetweenThem) {
    enum Step { Begin, End, Hide, Show };
    const struct {
        const char* name;
        std::vector<Step> steps;
        int count;
    } cases[] = {
        {"two begins, one end", {Begin, Begin, End}, 1},
        {"two begins, two ends", {Begin, Begin, End, End}, 0},
        {"end without begin", {End}, 0},
        {"begin while hidden changes nothing", {Hide, Begin}, 0},
        {"end while hidden without a lock changes nothing", {Hide, End, Show}, 0},
        {"a lock taken visible is lowered while hidden", {Begin, Hide, End}, 0},
        {"a begin while hidden adds nothing to the lock", {Begin, Hide, Begin, End}, 0},
        {"hidden between begin and end", {Begin, Hide, Show, End}, 0},
        {"two locks, one lowered while hidden", {Begin, Begin, Hide, End, Show}, 1},
    };
    for (const auto& c : cases) {
        Grid->ResetUpdate();
        Grid->viewport()->setUpdatesEnabled(true);
        Grid->show();
        for (Step step : c.steps) {
            if (step == Begin) Grid->BeginUpdate();
            if (step == End) Grid->EndUpdate();
            if (step == Hide) Grid->hide();
            if (step == Show) Grid->show();
        }
        EXPECT_EQ(Grid->UpdateCount(), c.count) << c.name;
        EXPECT_EQ(Grid->LockUpdate(), c.count != 0) << c.name;
        EXPECT_EQ(Grid->viewport()->updatesEnabled(), c.count == 0) << c.name;
    }
}

TEST_F(GridPainting, TheLockCountsOnAGridOfAFormNotShownYet) {
    // Visible() is the grid's own flag: a grid on a hidden form locks.
    Grid->BeginUpdate();
    EXPECT_EQ(Grid->UpdateCount(), 1);
    Grid->EndUpdate();
    EXPECT_EQ(Grid->UpdateCount(), 0);
}

TEST_F(GridPainting, ALockedGridPaintsNothingAndPaintsOnceUnlocked) {
    ShowAndSettle();
    Grid->BeginUpdate();
    Grid->SetLockUpdate(true);
    Paints = 0;
    Grid->SetCells(1, 1, "changed");
    Grid->InvalidateGrid();
    Settle();
    EXPECT_EQ(Paints, 0);
    Grid->SetLockUpdate(false);
    Settle();
    EXPECT_EQ(Paints, 0);
    Grid->EndUpdate();
    Settle();
    EXPECT_GT(Paints, 0);
    // StartUpdate and ResetUpdate touch the counter only.
    Grid->StartUpdate();
    EXPECT_TRUE(Grid->LockUpdate());
    EXPECT_TRUE(Grid->viewport()->updatesEnabled());
    Grid->ResetUpdate();
    EXPECT_FALSE(Grid->LockUpdate());
}

// ---- border and background -----------------------------------------------------------------

TEST_F(GridPainting, ColouredBorderOnlyUnderTheLooksThatHaveIt) {
    // A look brings its own border colour: ours is set after it.
    const TColor border = TColor(0x3366CC);
    const struct {
        TGridLook look;
        bool flat;
        bool shown;
    } cases[] = {
        {glXP, false, true},          {glOffice2007, false, true}, {glSoft, false, true},
        {glStandard, false, false},   {glClassic, false, false},   {glCustom, false, false},
        {glXP, true, false},
    };
    ShowAndSettle();
    for (const auto& c : cases) {
        Grid->SetLook(c.look);
        Grid->SetFlat(c.flat);
        Grid->SetBorderColor(border);
        const QImage image = Render();
        const QColor expected = ToQColor(border);
        for (QPoint p : {QPoint(0, 100), QPoint(200, 0), QPoint(image.width() - 1, 50), QPoint(60, image.height() - 1)})
            EXPECT_EQ(image.pixelColor(p) == expected, c.shown) << c.look << " flat " << c.flat << " at " << p.x() << "," << p.y();
    }
    // Without a border style there is no margin and no border.
    Grid->SetLook(glXP);
    Grid->SetFlat(false);
    Grid->SetBorderColor(border);
    Grid->SetBorderStyle(bsNone);
    EXPECT_EQ(Grid->viewport()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_NE(Render().pixelColor(0, 100), ToQColor(border));
}

TEST_F(GridPainting, FitCellsInGridDrawsTheBorderOnePixelIn) {
    Grid->SetBorderColor(TColor(0x3366CC));
    Grid->SetFitCellsInGrid(true);
    ShowAndSettle();
    const QImage image = Render();
    EXPECT_EQ(image.pixelColor(1, 100), ToQColor(TColor(0x3366CC)));
    EXPECT_NE(image.pixelColor(0, 100), ToQColor(TColor(0x3366CC)));
}

TEST_F(GridPainting, NothingOutsideTheCellsWhenTheyFillTheView) {
    // The cells draw the gradient under the cells it admits: admitting only fixed cells on
    // a grid without any keeps every gradient pixel to the area outside the cells.
    Grid->SetFixedCols(0);
    Grid->SetFixedRows(0);
    Grid->BackGround()->Cells = bcFixed;
    Grid->BackGround()->Display = bdGradientHorz;
    Grid->BackGround()->Color = TColor(0x0000FF);
    Grid->BackGround()->ColorTo = TColor(0x00FF00);
    ShowAndSettle();
    // Cells wide and high enough to fill the viewport: no gradient pixel anywhere.
    Grid->SetDefaultColWidth(120);
    Grid->SetDefaultRowHeight(60);
    QImage image = RenderViewport();
    auto gradientPixels = [](const QImage& img) {
        int found = 0;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3) {
                const QColor c = img.pixelColor(x, y);
                if (c.blue() < 40 && (c.red() > 100 || c.green() > 100) && c.red() + c.green() > 200) ++found;
            }
        return found;
    };
    EXPECT_EQ(gradientPixels(image), 0);
    // With room below and right of the cells the gradient shows there and only there.
    Grid->SetDefaultColWidth(30);
    Grid->SetDefaultRowHeight(20);
    image = RenderViewport();
    EXPECT_GT(gradientPixels(image), 0);
    const TRect last = Grid->CellRect(4, 5);
    for (int y = 0; y < last.Bottom - 1; y += 4)
        for (int x = 0; x < last.Right - 1; x += 4) {
            const QColor c = image.pixelColor(x, y);
            ASSERT_FALSE(c.blue() < 40 && c.red() + c.green() > 200 && c.red() != c.green()) << x << "," << y;
        }
    // A gradient without its second colour paints nothing.
    Grid->BackGround()->ColorTo = clNone;
    EXPECT_EQ(gradientPixels(RenderViewport()), 0);
}

// ---- sizing lines -----------------------------------------------------------------------------

TEST_F(GridPainting, ASizingLineDrawnTwiceLeavesTheImageUnchanged) {
    ShowAndSettle();
    const QImage before = RenderViewport();
    Grid->DrawColSizingLine(57);
    const QImage withLine = RenderViewport();
    EXPECT_NE(withLine, before);
    int changedOnTheLine = 0;
    for (int y = 0; y < before.height(); ++y) {
        if (withLine.pixel(57, y) != before.pixel(57, y)) ++changedOnTheLine;
        ASSERT_EQ(withLine.pixel(70, y), before.pixel(70, y)) << y;
    }
    EXPECT_GT(changedOnTheLine, before.height() / 3);
    Grid->DrawColSizingLine(57);
    EXPECT_EQ(RenderViewport(), before);
    Grid->DrawRowSizingLine(33);
    EXPECT_NE(RenderViewport(), before);
    Grid->DrawRowSizingLine(33);
    EXPECT_EQ(RenderViewport(), before);
}

// ---- focus frame ----------------------------------------------------------------------------------

TEST_F(GridPainting, TheFocusFrameSurroundsTheCellFromTheTopLevelWindow) {
    ShowAndSettle();
    Grid->SetCol(2);
    Grid->SetRow(3);
    auto* frame = static_cast<TGridFocusWindow*>(Grid->FocusWindow());
    ASSERT_NE(frame, nullptr);
    Grid->ShowFocusWindow(Grid->CellRect(2, 3));
    const TRect cell = Grid->CellRect(2, 3);
    EXPECT_EQ(frame->parentWidget(), Form.get());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->size(), QSize(cell.Width() + 9, cell.Height() + 9));
    const QPoint cellInForm = Grid->viewport()->mapTo(Form.get(), QPoint(cell.Left, cell.Top));
    EXPECT_EQ(frame->pos(), cellInForm - QPoint(4, 4));
    EXPECT_EQ(frame->Mask().Opacity(), 230);
    // Only a 4-pixel ring is the window.
    EXPECT_TRUE(frame->mask().contains(QPoint(1, 1)));
    EXPECT_FALSE(frame->mask().contains(QPoint(cell.Width() / 2, cell.Height() / 2)));
    EXPECT_FALSE(frame->hasFocus());
    // The glow is light blue on the form, strongest in the ring 2 to 3 pixels out.
    const QImage onForm = Form->grab().toImage();
    const QColor glow = onForm.pixelColor(cellInForm + QPoint(-2, cell.Height() / 2));
    EXPECT_GT(glow.blue(), glow.red() + 20) << glow.name().toStdString();

    // Scrolling keeps it on the cell.
    Grid->SetLeftCol(2);
    Grid->MoveFocusWindow();
    const TRect moved = Grid->CellRect(2, 3);
    EXPECT_EQ(frame->pos(), Grid->viewport()->mapTo(Form.get(), QPoint(moved.Left, moved.Top)) - QPoint(4, 4));

    Grid->HideFocusWindow();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(frame->parentWidget(), Grid);
}

TEST_F(GridPainting, TheGridCreatesItsArrowsNamedForTheirPlace) {
    const struct {
        const char* name;
        TArrowDirection dir;
    } arrows[] = {{"ArwU", arrUp}, {"ArwD", arrDown}, {"ArwL", arrLeft}, {"ArwR", arrRight}};
    for (int i = 0; i < 4; ++i) {
        auto* arrow = dynamic_cast<TArrowWindow*>(Grid->ArrowWindow(i));
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->objectName(), arrows[i].name);
        EXPECT_EQ(arrow->Dir(), arrows[i].dir);
    }
}

// ---- text size ------------------------------------------------------------------------------------

TEST_F(GridPainting, RotatedCellSizeIsTheRotatedTextsBoundingBox) {
    Grid->SetColWidths(1, 200);
    Grid->SetCells(1, 1, "Rotated text");
    Grid->SetCells(1, 2, "Rotated text");
    const TSize plain = Grid->GetCellTextSize(1, 2, false, false);
    ASSERT_GT(plain.cx, plain.cy);
    for (int angle : {0, 45, 90}) {
        Grid->CreateCellGraphic(1, 1)->SetAngle(angle);
        const double a = angle * M_PI / 180.0;
        const double w = plain.cx;
        const double h = plain.cy;
        const TSize expected{int(std::lround(std::abs(h * std::sin(a)) + std::abs(w * std::cos(a)))) + 12,
                             int(std::lround(std::abs(h * std::cos(a)) + std::abs(w * std::sin(a)))) + 12};
        EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false), expected) << angle;
    }
    // A square text at 45 degrees is far more than 12 pixels.
    Grid->CreateCellGraphic(1, 1)->SetAngle(45);
    EXPECT_GT(Grid->GetCellTextSize(1, 1, false, false).cy, plain.cy + 12);
}

TEST_F(GridPainting, TextSizeLinesWrappingAndTheButtonsRoom) {
    Grid->SetMultilinecells(true);
    Grid->SetCells(2, 1, "one\ntwo\nthree");
    const TSize three = Grid->GetCellTextSize(2, 1, false, false);
    Grid->SetCells(2, 1, "one");
    const TSize one = Grid->GetCellTextSize(2, 1, false, false);
    EXPECT_EQ(three.cy, 3 * one.cy);

    Grid->SetColWidths(2, 80);
    Grid->SetCells(2, 1, "a few words that wrap in a narrow cell");
    const TSize wrapped = Grid->GetCellTextSize(2, 1, true, false);
    const TSize narrower = Grid->GetCellTextSize(2, 1, true, true);
    EXPECT_GT(wrapped.cy, one.cy);
    EXPECT_EQ(wrapped.cx - narrower.cx, 17);
    EXPECT_GE(narrower.cy, wrapped.cy);
}

// ---- notices ----------------------------------------------------------------------------------------

TEST_F(GridPainting, BalloonTextOfTheCellUnderTheMouse) {
    Grid->Balloon()->Enable = true;
    ShowAndSettle();
    const TRect cell = Grid->CellRect(2, 3);
    const int x = cell.Left + 3;
    const int y = cell.Top + 3;
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {"plain", "plain"},
        {"\r\n\r\nafter breaks", "after breaks"},
        {"a\tb\t", "a b\t"},
        {"<b>bold</b> text", "bold text"},
        {QString(3000, 'x'), QString(2045, 'x') + "..."},
        {QString(2048, 'y'), QString(2048, 'y')},
    };
    for (const auto& c : cases) {
        Grid->SetCells(2, 3, c.text);
        const auto balloon = Grid->BalloonText(x, y);
        EXPECT_EQ(balloon.Text, c.shown) << c.text.left(20).toStdString();
        EXPECT_EQ(balloon.Title, " ");
        EXPECT_EQ(balloon.Icon, 1);
        EXPECT_EQ(balloon.Col, 2);
        EXPECT_EQ(balloon.Row, 3);
    }
    // The event may change the title and text; a long title is cut.
    std::vector<std::pair<int, int>> seen;
    Grid->OnCellBalloon = [&](TObject*, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) {
        seen.push_back({ACol, ARow});
        ATitle = QString(120, 't');
        AText = "from event";
        AIcon = 2;
    };
    const auto balloon = Grid->BalloonText(x, y);
    EXPECT_EQ(balloon.Title, QString(97, 't') + "...");
    EXPECT_EQ(balloon.Text, "from event");
    EXPECT_EQ(balloon.Icon, 2);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_EQ(Grid->LastBalloon().Text, "from event");
    // Outside the cells: empty text, title " ", no event.
    const auto outside = Grid->BalloonText(Grid->viewport()->width() - 2, Grid->viewport()->height() - 2);
    EXPECT_EQ(outside.Text, "");
    EXPECT_EQ(outside.Title, " ");
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(GridPainting, DateTimeChangeReportsTheCurrentCellAndZeroForNoDate) {
    std::vector<std::tuple<int, int, double>> seen;
    Grid->OnDateTimeChange = [&](TObject*, int ACol, int ARow, TDateTime ADateTime) {
        seen.push_back({ACol, ARow, ADateTime});
    };
    Grid->SetCol(2);
    Grid->SetRow(4);
    Grid->WMNotifyDateTimeChange(QDateTime(QDate(1900, 1, 1), QTime(12, 0)));
    Grid->WMNotifyDateTimeChange(QDateTime());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(std::get<0>(seen[0]), 2);
    EXPECT_EQ(std::get<1>(seen[0]), 4);
    EXPECT_DOUBLE_EQ(std::get<2>(seen[0]), 2.5);
    EXPECT_DOUBLE_EQ(std::get<2>(seen[1]), 0.0);
}

// ---- timer ------------------------------------------------------------------------------------------

TEST_F(GridPainting, TimerExpiresTheSearchTextAndSelectsTheHoveredCell) {
    ShowAndSettle();
    ASSERT_FALSE(Timers.empty());
    EXPECT_EQ(Timers.back()->interval, 500);
    EXPECT_EQ(Grid->GridTimerID(), 111);
    Grid->Navigation()->SetAutoGotoIncremental(true);
    Grid->SearchInc = "ab";
    for (int tick = 1; tick <= 3; ++tick) {
        Grid->WMTimer();
        EXPECT_EQ(Grid->SearchInc, "ab") << tick;
    }
    Grid->WMTimer();
    EXPECT_EQ(Grid->SearchInc, "");
    EXPECT_EQ(Grid->TimerTicks(), 4);

    Grid->SetHovering(true);
    const TRect data = Grid->CellRect(3, 2);
    Grid->CursorPosition = [&] { return QPoint(data.Left + 2, data.Top + 2); };
    Grid->WMTimer();
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
    const TRect fixed = Grid->CellRect(0, 4);
    Grid->CursorPosition = [&] { return QPoint(fixed.Left + 2, fixed.Top + 2); };
    Grid->WMTimer();
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridPainting, HoverFixedCellByKind) {
    const struct {
        THoverFixedCells kind;
        bool fixedRowCell;
        bool fixedColCell;
        bool dataCell;
    } cases[] = {
        {hfNone, false, false, false},
        {hfAll, true, true, false},
        {hfFixedRows, true, false, false},
        {hfFixedColumns, false, true, false},
    };
    for (const auto& c : cases) {
        Grid->SetHoverFixedCellsKind(c.kind);
        EXPECT_EQ(Grid->IsHoverFixedCell(2, 0), c.fixedRowCell) << c.kind;
        EXPECT_EQ(Grid->IsHoverFixedCell(0, 2), c.fixedColCell) << c.kind;
        EXPECT_EQ(Grid->IsHoverFixedCell(2, 2), c.dataCell) << c.kind;
    }
    Grid->SetHoverFixedCellsKind(hfAll);
    Grid->SetHoverFixedCell(2, 0);
    Grid->ResetFixedCellHighlight();
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{-1, -1}));
}

}  // namespace

namespace {

TEST_F(GridPainting, DesignHelperOnlyWhileDesigningAndItsItemsAct) {
    ShowAndSettle();
    const QImage running = RenderViewport();
    Grid->SetDesigning(true);
    Grid->SetShowDesignHelper(true);
    const QImage designing = RenderViewport();
    // The panel sits at the bottom-right corner in the info colour.
    const QPoint corner(designing.width() - 40, designing.height() - 10);
    EXPECT_NE(designing.pixelColor(corner), running.pixelColor(corner));
    EXPECT_EQ(designing.pixelColor(0, 0), running.pixelColor(0, 0));

    const int h = QFontMetrics(QFont(QStringLiteral("Tahoma"), 8)).height();
    const int right = Grid->viewport()->width();
    const int bottom = Grid->viewport()->height();
    const int top = bottom - (4 * h + 18);
    const QPoint allowEdit(right - 140, top + (h + 2) + 4 + h / 2);
    const QPoint columnNumbers(right - 140, top + 2 * (h + 2) + 4 + h / 2);
    const QPoint close(right - 8, top + 8);
    EXPECT_EQ(Grid->DesignHelperHitTest(allowEdit.x(), allowEdit.y()), 1);
    EXPECT_EQ(Grid->DesignHelperHitTest(columnNumbers.x(), columnNumbers.y()), 2);
    EXPECT_EQ(Grid->DesignHelperHitTest(close.x(), close.y()), 4);
    EXPECT_EQ(Grid->DesignHelperHitTest(5, 5), -1);
    EXPECT_TRUE(Grid->CMDesignHitTest(allowEdit.x(), allowEdit.y()));
    EXPECT_FALSE(Grid->CMDesignHitTest(5, 5));

    const bool editing = Grid->Options().Contains(goEditing);
    Grid->DesignHelperClick(allowEdit.x(), allowEdit.y());
    EXPECT_NE(Grid->Options().Contains(goEditing), editing);
    // The header shows each real column's number at its bottom-right corner.
    const TRect header = Grid->CellRect(1, 0);
    const QRect numberCorner(header.Right - 12, header.Top + 4, 10, header.Height() - 6);
    const QImage withoutNumbers = RenderViewport().copy(numberCorner);
    Grid->DesignHelperClick(columnNumbers.x(), columnNumbers.y());
    EXPECT_TRUE(Grid->ShowColumnNumbers());
    EXPECT_NE(RenderViewport().copy(numberCorner), withoutNumbers);
    Grid->DesignHelperClick(columnNumbers.x(), columnNumbers.y());
    EXPECT_EQ(RenderViewport().copy(numberCorner), withoutNumbers);
    Grid->DesignHelperClick(close.x(), close.y());
    EXPECT_FALSE(Grid->ShowDesignHelper());
    EXPECT_EQ(RenderViewport(), running);
}

}  // namespace

namespace {

TEST_F(GridPainting, FilterAndRotatedTextPlacementThatPaintingReads) {
    EXPECT_FALSE(Grid->Filter()->HasFilter(2));
    TFilterData& item = Grid->Filter()->Add();
    item.Column = 2;
    item.Condition = "> 5";
    EXPECT_TRUE(Grid->Filter()->HasFilter(2));
    EXPECT_FALSE(Grid->Filter()->HasFilter(3));
    EXPECT_TRUE(Grid->FilterDropDown()->Glyph.Empty());
    EXPECT_TRUE(Grid->SortSettings()->GetUpGlyph().Empty());

    const QFontMetrics metrics(Grid->font());
    const int w = metrics.horizontalAdvance("Vertical");
    const int h = metrics.height();
    const TRect cell{10, 20, 110, 220};
    const struct {
        int angle;
        TCellHAlign ha;
        TCellVAlign va;
        TPoint start;
    } cases[] = {
        {0, haLeft, vaTop, {10, 20}},
        {0, haRight, vaBottom, {110 - w, 220 - h}},
        // At 90 degrees the text runs upwards: it starts at the bottom-left of its box.
        {90, haLeft, vaTop, {10, 20 + w}},
        {90, haCenter, vaBottom, {10 + (100 - h) / 2, 220}},
    };
    for (const auto& c : cases) {
        TRect r = cell;
        Grid->GetRotatedTextRect(r, c.angle, c.va, c.ha, "Vertical");
        EXPECT_NEAR(r.Left, c.start.X, 1) << c.angle << " " << c.ha;
        EXPECT_NEAR(r.Top, c.start.Y, 1) << c.angle << " " << c.va;
    }
}

}  // namespace
