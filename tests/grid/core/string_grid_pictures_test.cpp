// Cell pictures, images, buttons, shapes, ratings and interfaced cells: each kind's Add,
// Get and Remove, who owns the objects, and the mended button operations.

#include "grid/core/string_grid.h"
#include "grid/view/cell_graphic_interface.h"
#include "grid_fixture.h"
#include "platform/image_list.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A picture that reports its destruction, to tell who frees it.
class WatchedPicture : public TPicture {
public:
    explicit WatchedPicture(bool& destroyed) : FDestroyed(destroyed) {}
    ~WatchedPicture() override { FDestroyed = true; }

private:
    bool& FDestroyed;
};

class DrawnItself : public TObject, public ICellGraphic {
public:
    void Draw(TCanvas&, const TRect&, int, int, bool, TExStringGrid*) override {}
    int GetWidth() const override { return 10; }
    int GetHeight() const override { return 12; }
    bool IsBackground() const override { return false; }
};

TEST(StringGridPictures, EachKindAddGetRemove) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    TCustomImageList images(nullptr);
    grid.SetGridImages(&images);
    TPicture bitmap, picture, icon, glyph;
    TFilePicture filePicture;
    DrawnItself drawn;
    const struct {
        const char* name;
        TCellType kind;
        std::function<void()> add;
        std::function<bool()> present;
        std::function<void()> remove;
    } kinds[] = {
        {"bitmap", ctBitmap, [&] { grid.AddBitmap(1, 1, &bitmap, true, haLeft, vaTop); },
         [&] { return grid.GetBitmap(1, 1) == &bitmap && grid.HasBitmap(1, 1); }, [&] { grid.RemoveBitmap(1, 1); }},
        {"picture", ctPicture, [&] { grid.AddPicture(1, 1, &picture, false, Stretch, 3, haCenter, vaCenter); },
         [&] { return grid.GetPicture(1, 1) == &picture && grid.CellGraphics(1, 1)->CellIndex() == 3; },
         [&] { grid.RemovePicture(1, 1); }},
        {"file picture", ctFilePicture,
         [&] { grid.AddFilePicture(1, 1, &filePicture, false, noStretch, 0, haLeft, vaTop); },
         [&] { return grid.GetFilePicture(1, 1) == &filePicture; }, [&] { grid.RemoveFilePicture(1, 1); }},
        {"icon", ctIcon, [&] { grid.AddIcon(1, 1, &icon, haLeft, vaTop); },
         [&] { return grid.GetCellType(1, 1) == ctIcon && grid.CellGraphics(1, 1)->CellIcon() == &icon; }, [&] { grid.RemoveIcon(1, 1); }},
        {"image index", ctImageList, [&] { grid.AddImageIdx(1, 1, 2, haLeft, vaTop); },
         [&] {
             int idx = -1;
             return grid.GetImageIdx(1, 1, idx) && idx == 2;
         },
         [&] { grid.RemoveImageIdx(1, 1); }},
        {"multi image", ctImages, [&] { grid.AddMultiImage(1, 1, 0, haLeft, vaTop); },
         [&] { return grid.CellImages(1, 1) != nullptr && grid.CellGraphics(1, 1)->CellBoolean(); },
         [&] { grid.RemoveMultiImage(1, 1); }},
        {"button", ctButton, [&] { grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), haLeft, vaTop); },
         [&] { return grid.HasButton(1, 1) && grid.GetButtonText(1, 1) == QStringLiteral("Go"); },
         [&] { grid.RemoveButton(1, 1); }},
        {"bit button", ctBitButton,
         [&] { grid.AddBitButton(1, 1, 60, 20, QStringLiteral("Go"), &glyph, haLeft, vaTop); },
         [&] { return grid.HasButton(1, 1) && grid.CellGraphics(1, 1)->CellBitmap() == &glyph; },
         [&] { grid.RemoveBitButton(1, 1); }},
        {"shape", ctShape, [&] { grid.AddShape(1, 1, csDiamond, clRed, clBlue, haCenter, vaCenter); },
         [&] { return grid.GetShapeColor(1, 1) == clRed && grid.CellGraphics(1, 1)->CellTextColor() == clBlue; },
         [&] { grid.RemoveShape(1, 1); }},
        {"rating", ctRating, [&] { grid.AddRating(1, 1, 5, clYellow, clSilver); },
         [&] {
             const TCellGraphic* g = grid.CellGraphics(1, 1);
             return grid.HasRating(1, 1) && g->CellAngle() == 5 && g->CellTextColor() == clYellow &&
                    g->CellColor() == clSilver && g->CellHAlign() == haFull;
         },
         [&] { grid.RemoveRating(1, 1); }},
        {"interfaced", ctInterface, [&] { grid.AddInterfacedCell(1, 1, &drawn); },
         [&] { return grid.GetInterfacedCell(1, 1) == &drawn; }, [&] { grid.RemoveInterfacedCell(1, 1); }},
    };
    for (const auto& k : kinds) {
        k.add();
        EXPECT_EQ(grid.GetCellType(1, 1), k.kind) << k.name;
        EXPECT_TRUE(k.present()) << k.name;
        // Every other kind's remove leaves it alone (RemoveButton takes bit buttons too).
        for (const auto& other : kinds)
            if (other.kind != k.kind && !(k.kind == ctBitButton && other.kind == ctButton)) other.remove();
        EXPECT_EQ(grid.GetCellType(1, 1), k.kind) << k.name;
        k.remove();
        EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty) << k.name;
        EXPECT_FALSE(k.present()) << k.name;
    }
    // The caller's objects outlive their cells.
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(glyph.Width(), 0);
}

TEST(StringGridPictures, CreatedObjectsAreTheCellsAndHandedInOnesStayTheCallers) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    bool callerFreed = false;
    auto* callers = new WatchedPicture(callerFreed);
    grid.AddBitmap(1, 1, callers, false, haLeft, vaTop);
    grid.RemoveBitmap(1, 1);
    EXPECT_FALSE(callerFreed);
    grid.AddPicture(1, 1, callers, false, noStretch, 0, haLeft, vaTop);
    grid.AddButton(1, 1, 10, 10, QString(), haLeft, vaTop);  // replacing frees nothing of the caller's
    EXPECT_FALSE(callerFreed);
    delete callers;

    // Created ones go with their record; a copied record shares none of them.
    EXPECT_NE(grid.CreateBitmap(1, 2, false, haLeft, vaTop), nullptr);
    EXPECT_NE(grid.CreatePicture(2, 2, false, Stretch, 0, haLeft, vaTop), nullptr);
    EXPECT_NE(grid.CreateFilePicture(3, 2, false, Stretch, 0, haLeft, vaTop), nullptr);
    EXPECT_NE(grid.CreateIcon(1, 3, haLeft, vaTop), nullptr);
    TPicture* glyph = grid.CreateBitButton(2, 3, 40, 16, QStringLiteral("B"), haLeft, vaTop);
    EXPECT_EQ(grid.CellGraphics(2, 3)->CellBitmap(), glyph);
    EXPECT_TRUE(grid.CellGraphics(2, 3)->CellCreated());
    TCellGraphic copy;
    copy.Assign(grid.CellGraphics(2, 3));
    EXPECT_EQ(copy.CellBitmap(), nullptr);
    grid.RemoveBitButton(2, 3);
    grid.RemoveBitmap(1, 2);
    // The rest is freed with the grid (clean under AddressSanitizer).
}

TEST(StringGridPictures, ImageKindsNeedTheImageList) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, QStringLiteral("x"));
    grid.AddImageIdx(1, 1, 2, haLeft, vaTop);
    grid.AddDataImage(1, 2, 4, haLeft, vaTop);
    grid.AddMultiImage(1, 3, 0, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, 2), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, 3), ctEmpty);
    EXPECT_EQ(grid.Cells(1, 2), QString());

    TCustomImageList images(nullptr);
    grid.SetGridImages(&images);
    grid.SetCells(1, 2, QStringLiteral("3"));
    grid.AddDataImage(1, 2, 4, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("3"));  // kept
    grid.AddDataImage(2, 2, 4, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("4"));  // written into the empty cell
    EXPECT_TRUE(grid.HasDataImage(2, 2));
    grid.RemoveDataImage(2, 2);
    EXPECT_FALSE(grid.HasDataImage(2, 2));
    EXPECT_EQ(grid.Cells(2, 2), QString());
    // No data image, no change of the text.
    grid.RemoveDataImage(1, 1);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x"));

    grid.AddImageIdx(1, 1, 2, haLeft, vaTop);
    grid.SetImageIdx(1, 1, 5);
    int idx = 0;
    EXPECT_TRUE(grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 5);
    grid.SetGridImages(nullptr);
    EXPECT_FALSE(grid.GetImageIdx(1, 1, idx));
}

TEST(StringGridPictures, ButtonsSizesTextsAndPushing) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), haLeft, vaTop);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellIndex() & 0xFFFF, 60);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellIndex() >> 16, 20);
    grid.SetButtonText(1, 1, QStringLiteral("Stop"));
    grid.PushButton(1, 1, true);
    EXPECT_EQ(grid.GetButtonText(1, 1), QStringLiteral("Stop"));
    EXPECT_TRUE(grid.CellGraphics(1, 1)->CellBoolean());

    // Only button cells: a comment keeps its text, a node its state.
    grid.AddComment(2, 2, QStringLiteral("note"));
    grid.SetButtonText(2, 2, QStringLiteral("Stop"));
    EXPECT_EQ(grid.GetComment(2, 2), QStringLiteral("note"));
    grid.AddCheckBox(3, 3, false, false);
    grid.PushButton(3, 3, true);
    EXPECT_FALSE(grid.CellGraphics(3, 3)->CellBoolean());
    grid.AddNode(4, 1);
    grid.ContractNode(4);
    grid.PushButton(0, 4, false);
    EXPECT_TRUE(grid.GetNodeState(4));

    // A merged area: the button of its base answers for every cell, the bitmap not.
    TExStringGrid merged(nullptr);
    merged.SetColCount(6);
    merged.SetRowCount(6);
    TPicture bitmap;
    merged.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
    merged.MergeCells(1, 1, 2, 1);
    merged.AddButton(3, 3, 20, 20, QString(), haLeft, vaTop);
    merged.MergeCells(3, 3, 2, 2);
    EXPECT_TRUE(merged.HasBitmap(1, 1));
    EXPECT_FALSE(merged.HasBitmap(2, 1));
    EXPECT_TRUE(merged.HasButton(4, 4));
    EXPECT_TRUE(MergeIndexIsConsistent(merged));
    merged.RemoveAllButtons();
    EXPECT_FALSE(merged.HasButton(3, 3));
    grid.RemoveAllButtons();
    EXPECT_FALSE(grid.HasButton(1, 1));
}

TEST(StringGridPictures, ShapeColourAndRatingChange) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, QStringLiteral("text"));
    EXPECT_EQ(grid.GetShapeColor(1, 1), TColor(0x1FFFFFFF));
    grid.SetShapeColor(1, 1, clRed);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    grid.AddShape(1, 1, csStar, clRed, clBlack, haLeft, vaTop);
    grid.SetShapeColor(1, 1, clGreen);
    EXPECT_EQ(grid.GetShapeColor(1, 1), clGreen);
    EXPECT_EQ(grid.CellGraphics(1, 1)->CellAngle(), csStar);

    double rate = 2.5;
    EXPECT_TRUE(grid.DoRatingChange(1, 1, rate));
    grid.OnRatingChange = [](TObject*, int, int, double& NewRate, bool& Allow) {
        Allow = NewRate <= 3;
        NewRate = 3;
    };
    rate = 4;
    EXPECT_FALSE(grid.DoRatingChange(1, 1, rate));
    EXPECT_EQ(rate, 3);
}

TEST(StringGridPictures, PickerChoicesReportTheCurrentCell) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetCol(2);
    grid.SetRow(3);
    int col = -1, row = -1, index = -1;
    TColor colour = clNone;
    QString text;
    grid.OnColorSelect = [&](TObject*, int ACol, int ARow, TColor Color, const QString& Value) {
        col = ACol;
        row = ARow;
        colour = Color;
        text = Value;
    };
    grid.OnImageSelect = [&](TObject*, int, int, int Index) { index = Index; };
    grid.DoColorSelect(clRed, QStringLiteral("Red"));
    grid.DoImageSelect(7);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(colour, clRed);
    EXPECT_EQ(text, QStringLiteral("Red"));
    EXPECT_EQ(index, 7);
}

}  // namespace
