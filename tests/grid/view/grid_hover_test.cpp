// Hover looks, select modes and their cursors, and the fixed borders, driven by real mouse
// moves over a shown grid.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <QCursor>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>

namespace {

// Records the areas the viewport is asked to paint: the hover looks are the painter's, the
// state and the repaint of the cells whose look changes are the mouse handling's.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion Painted;
};

class HoverRepaintTest : public HoverGridTest {
protected:
    void SetUp() override {
        HoverGridTest::SetUp();
        View()->installEventFilter(&Recorder);
    }
    // Paints what is pending and tells whether the cell was among it.
    bool Repainted(int col, int row) {
        QCoreApplication::processEvents();
        const bool hit = Recorder.Painted.intersects(Grid->CellRect(col, row).ToQRect());
        Recorder.Painted = QRegion();
        return hit;
    }
    PaintRecorder Recorder;
};

TEST_F(HoverRepaintTest, HoverRowFollowsTheMouseAndGoesWhenItLeaves) {
    Grid->SetHoverRow(true);
    MoveTo(Centre(1, 3));
    EXPECT_EQ(Grid->FHoverRowIdx, 3);
    EXPECT_TRUE(Repainted(5, 3));
    MoveTo(Centre(4, 3));  // the same row: nothing to repaint for the hover
    EXPECT_FALSE(Repainted(1, 3));
    MoveTo(Centre(1, 4));
    EXPECT_EQ(Grid->FHoverRowIdx, 4);
    const bool oldRow = Repainted(5, 3);
    EXPECT_TRUE(oldRow);
    Leave();
    EXPECT_EQ(Grid->FHoverRowIdx, -1);
    EXPECT_TRUE(Repainted(5, 4));
}

TEST_F(HoverGridTest, HoverRowIsPaintedInItsColourAndGoesWithTheMouse) {
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clLime);
    Grid->SetHoverRowColorTo(clNone);
    Grid->SetRow(8);
    // Probes a few pixels inside the top-left corner, clear of the text.
    const auto probe = [&](int col, int row) {
        const TRect r = Grid->CellRect(col, row);
        return FromQColor(View()->grab().toImage().pixelColor(r.Left + 2, r.Top + 2));
    };
    MoveTo(Centre(1, 3));
    EXPECT_EQ(probe(4, 3), clLime);
    EXPECT_NE(probe(4, 4), clLime);
    MoveTo(Centre(1, 4));
    EXPECT_NE(probe(4, 3), clLime);
    EXPECT_EQ(probe(4, 4), clLime);
    Leave();
    EXPECT_NE(probe(4, 4), clLime);
}

TEST_F(HoverRepaintTest, HoveredHeaderIsRepaintedOnEnteringAndLeaving) {
    Grid->SetHoverFixedCellsKind(hfFixedRows);
    MoveTo(Centre(3, 0));
    EXPECT_TRUE(Repainted(3, 0));
    MoveTo(Centre(4, 0));
    EXPECT_TRUE(Repainted(3, 0));
    Leave();
    EXPECT_TRUE(Repainted(4, 0));
}

// The hover look of a fixed cell, probed on the pixels: the hovered header cell takes the
// hover gradient where HoverFixedCells allows it, its neighbour does not, and it goes when
// the mouse leaves.
TEST_F(HoverGridTest, HoveredFixedCellIsPaintedInTheHoverGradientWhereAllowed) {
    const struct {
        THoverFixedCells kind;
        int col, row;
        bool painted;
    } cases[] = {
        {hfFixedRows, 3, 0, true},     {hfFixedRows, 0, 3, false}, {hfFixedColumns, 3, 0, false},
        {hfFixedColumns, 0, 3, true},  {hfAll, 3, 0, true},        {hfAll, 0, 3, true},
    };
    Grid->SetLook(glXP);
    TControlLook& look = *Grid->ControlLook();
    look.SetFixedGradientHoverFrom(clLime);
    look.SetFixedGradientHoverTo(clLime);
    look.SetFixedGradientHoverMirrorFrom(clLime);
    look.SetFixedGradientHoverMirrorTo(clLime);
    look.SetFixedGradientHoverBorder(clLime);
    // Probes a few pixels inside the top-left corner, clear of the caption.
    const auto lime = [&](int col, int row) {
        const TRect r = Grid->CellRect(col, row);
        return FromQColor(View()->grab().toImage().pixelColor(r.Left + 3, r.Top + 3)) == clLime;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " cell " << c.col << "," << c.row);
        Grid->SetHoverFixedCellsKind(c.kind);
        MoveTo(Centre(c.col, c.row));
        EXPECT_EQ(lime(c.col, c.row), c.painted);
        const int otherCol = c.row == 0 ? c.col + 1 : c.col;
        const int otherRow = c.row == 0 ? c.row : c.row + 1;
        EXPECT_FALSE(lime(otherCol, otherRow));
        Leave();
        EXPECT_FALSE(lime(c.col, c.row));
    }
}

TEST_F(HoverGridTest, HoveredFixedCellIsTrackedUntilTheMouseLeaves) {
    Grid->SetHoverFixedCellsKind(hfAll);
    MoveTo(Centre(3, 0));
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{3, 0}));
    MoveTo(Centre(3, 5));
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{3, 5}));  // any cell is taken; the painter decides
    MoveTo(Centre(0, 2));
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{0, 2}));
    Leave();
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{-1, -1}));
}

TEST_F(HoverGridTest, WithoutHoverFixedCellsNothingIsTracked) {
    MoveTo(Centre(3, 0));
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{-1, -1}));
}

struct SelectModeCase {
    const char* Name;
    int Col, Row;
    QPoint Offset;  // from the cell's centre
    TMouseSelectMode Mode;
    int Cursor;  // 0: none of the grid's own
};

TEST_F(HoverGridTest, SelectModesFollowTheCellAndShowTheirCursors) {
    Grid->MouseActions()->SetColSelect(true);
    Grid->MouseActions()->SetRowSelect(true);
    Grid->MouseActions()->SetAllSelect(true);
    Grid->SetOptions(Grid->Options().Include(goColSizing));
    const int halfWidth = 30;
    const SelectModeCase cases[] = {
        {"column header", 3, 0, {}, msColumn, 8011},
        {"row header", 0, 4, {}, msRow, 8010},
        {"corner", 0, 0, {}, msAll, 8012},
        {"normal cell", 3, 4, {}, msNormal, 0},
        {"sizing border of a header", 3, 0, {halfWidth - 1, 0}, msNormal, 0},
    };
    for (const SelectModeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MoveTo(Centre(4, 6));  // a neutral place first
        MoveTo(Centre(c.Col, c.Row) + c.Offset);
        EXPECT_EQ(Grid->MouseSelectMode(), c.Mode);
        const QCursor shown = View()->cursor();
        if (c.Cursor == 0) {
            EXPECT_NE(shown.shape(), Qt::BitmapCursor);
        } else {
            ASSERT_EQ(shown.shape(), Qt::BitmapCursor);
            EXPECT_EQ(shown.pixmap().toImage(), TExStringGrid::ResourceCursor(c.Cursor).pixmap().toImage());
        }
    }
    Leave();
    EXPECT_EQ(Grid->MouseSelectMode(), msNormal);
}

TEST_F(HoverGridTest, ResourceCursorsAreDrawnAndDistinct) {
    const int ids[] = {8010, 8011, 8012, TExStringGrid::SplitColumnCursor, TExStringGrid::SplitRowCursor};
    std::vector<QImage> pictures;
    for (int id : ids) {
        const QImage picture = TExStringGrid::ResourceCursor(id).pixmap().toImage();
        ASSERT_FALSE(picture.isNull()) << id;
        int opaque = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) opaque += qAlpha(picture.pixel(x, y)) == 255;
        EXPECT_GT(opaque, 40) << id;
        for (const QImage& other : pictures) EXPECT_NE(picture, other) << id;
        pictures.push_back(picture);
    }
}

TEST_F(HoverGridTest, FixedColumnBorderCanBeSizedWithinTwoPixels) {
    const int border = Grid->ColWidths(0);  // right edge of fixed column 0, its grid line
    struct Case {
        int Offset;
        bool SizeFixedCol;
        bool Expected;
    } cases[] = {{-3, true, false}, {-2, true, true}, {0, true, true}, {2, true, true}, {3, true, false},
                 {0, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.Offset << " SizeFixedCol " << c.SizeFixedCol);
        Grid->MouseActions()->SetSizeFixedCol(c.SizeFixedCol);
        MoveTo(QPoint(border + c.Offset, Centre(0, 5).y()));
        EXPECT_EQ(Grid->FSizeFixed, c.Expected);
        if (c.Expected) {
            EXPECT_EQ(View()->cursor().pixmap().toImage(),
                      TExStringGrid::ResourceCursor(TExStringGrid::SplitColumnCursor).pixmap().toImage());
        }
    }
    Grid->MouseActions()->SetSizeFixedRow(true);
    MoveTo(QPoint(Centre(3, 0).x(), Grid->RowHeights(0) + 1));
    EXPECT_TRUE(Grid->FSizeFixedR);
    Leave();
    EXPECT_FALSE(Grid->FSizeFixedR);
}

TEST_F(HoverGridTest, DraggingOverRowHeadersSelectsWholeRows) {
    Grid->MouseActions()->SetRowSelect(true);
    MoveTo(Centre(0, 3));
    ASSERT_EQ(Grid->MouseSelectMode(), msRow);
    Grid->FMouseSelectStart = {-1, 3};  // what the press on the row header records
    std::vector<TGridRect> reported;
    Grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { reported.push_back({l, t, r, b}); };
    MoveTo(Centre(0, 6));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 5, 6}));
    MoveTo(Centre(0, 1));  // upwards from the anchor
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 5, 3}));
    EXPECT_EQ(reported, (std::vector<TGridRect>{{1, 3, 5, 6}, {1, 1, 5, 3}}));
}

TEST_F(HoverRepaintTest, ListViewLookKeepsTheHotFixedCell) {
    Grid->SetLook(glListView);
    MoveTo(Centre(3, 0));
    EXPECT_EQ(Grid->FHotFixedCell, (TPoint{3, 0}));
    EXPECT_TRUE(Repainted(3, 0));
    MoveTo(Centre(3, 4));
    EXPECT_EQ(Grid->FHotFixedCell, (TPoint{3, 4}));
    EXPECT_TRUE(Repainted(3, 0));   // the header it left
    EXPECT_FALSE(Repainted(3, 4));  // a normal cell has no hot look
}

}  // namespace
