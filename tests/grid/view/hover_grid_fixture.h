#pragma once
// A shown grid for the mouse-movement tests: 6 columns of 60 pixels (real column 2 hidden)
// and 12 rows of 20 pixels, one fixed row and column, every cell "c,r" of its real column.
// The probe class opens the hover and sizing state the painter reads, and states what
// the press records (the press handler's work) where a test needs it.

#include "grid/core/string_grid.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>

class HoverProbeGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::Clickposdx;
    using TExStringGrid::Clickposx;
    using TExStringGrid::Clickposy;
    using TExStringGrid::Colclicked;
    using TExStringGrid::FAnchor;
    using TExStringGrid::FHotFixedCell;
    using TExStringGrid::FHoverRowIdx;
    using TExStringGrid::FMouseSelectStart;
    using TExStringGrid::FNoMouseLeave;
    using TExStringGrid::Movecell;
    using TExStringGrid::FScrollHintWindow;
    using TExStringGrid::FSelectionClick;
    using TExStringGrid::FSizeFixed;
    using TExStringGrid::FSizeFixedR;
    using TExStringGrid::Rowclicked;
    using TExStringGrid::Surface;
};

class HoverGridTest : public ::testing::Test {
protected:
    static constexpr int HiddenCol = 2;

    void SetUp() override {
        Window = std::make_unique<QWidget>();
        Window->resize(420, 300);
        Window->move(0, 0);
        Grid = new HoverProbeGrid(nullptr, Window.get());
        Grid->setGeometry(0, 0, 400, 280);
        Grid->SetColCount(7);
        Grid->SetRowCount(12);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColor(clWhite);
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 12; ++r) Grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        Grid->HideColumn(HiddenCol);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }

    QWidget* View() const { return Grid->viewport(); }
    QPoint Centre(int col, int row) const {
        const TRect r = Grid->CellRect(col, row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    void MoveTo(QPoint p) { QTest::mouseMove(View(), p); }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(View(), &leave);
    }

    std::unique_ptr<QWidget> Window;
    HoverProbeGrid* Grid = nullptr;  // a child of Window
};
