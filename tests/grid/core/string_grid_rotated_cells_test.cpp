// Rotated-text cells: the angle kept in 0..360, added, changed, asked and removed.

#include "grid/core/column_grid.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(StringGridRotatedCells, AnglesAreKeptBetweenZeroAndThreeHundredSixty) {
    const std::pair<int, int> angles[] = {{-90, 270}, {450, 90}, {360, 360}, {0, 0}, {720, 360},
                                          {-360, 0},  {45, 45},  {INT_MIN, 232}, {INT_MAX, 127}};
    for (const auto& [given, kept] : angles) {
        TExStringGrid grid(nullptr);
        grid.SetRotated(2, 3, given);
        int angle = -1;
        ASSERT_TRUE(grid.IsRotated(2, 3, angle)) << given;
        EXPECT_EQ(angle, kept) << given;
    }
}

TEST(StringGridRotatedCells, AddSetAskAndRemove) {
    StringGridFixture grid;
    int angle = -1;
    EXPECT_FALSE(grid.IsRotated(1, 1, angle));
    grid.AddRotated(1, 1, 90, "up");
    EXPECT_EQ(grid.Cells(1, 1), "up");
    ASSERT_TRUE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 90);
    grid.SetRotated(1, 1, -45);
    ASSERT_TRUE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 315);
    grid.AddCheckBox(3, 5, true, false);
    grid.RemoveRotated(3, 5);  // another kind stays
    EXPECT_TRUE(grid.HasCheckBox(3, 5));
    grid.RemoveRotated(1, 1);
    EXPECT_FALSE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(grid.Cells(1, 1), "up");
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST(StringGridRotatedCells, ASharedCheckBoxIsNeverTurned) {
    ColumnGridFixture grid;  // column 1: Y/N answered by one shared graphic
    grid.SetRotated(1, 2, 90);
    int angle = -1;
    EXPECT_TRUE(grid.IsRotated(1, 2, angle));
    EXPECT_EQ(grid.GetCellType(1, 3), ctDataCheckBox);
    EXPECT_FALSE(grid.IsRotated(1, 3, angle));
}

}  // namespace
