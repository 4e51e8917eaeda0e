// Hidden column flags, kept widths and both column mappings.

#include "grid/core/column_display_map.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TEST(ColumnDisplayMapTest, TwoHiddenColumnsOfSeven) {
    TColumnDisplayMap map;
    EXPECT_TRUE(map.Hide(RealCol(2), 64));
    EXPECT_TRUE(map.Hide(RealCol(4), 80));
    EXPECT_FALSE(map.Hide(RealCol(4), 10));  // already hidden: keeps its width
    EXPECT_EQ(map.NumHidden(), 2);
    EXPECT_EQ(map.KeptWidth(RealCol(4)), 80);

    struct Case {
        int displayed;
        int real;
    };
    for (const Case& c : std::vector<Case>{{0, 0}, {1, 1}, {2, 3}, {3, 5}, {4, 6}})
        EXPECT_EQ(map.RealIndex(DisplCol(c.displayed)).v, c.real) << c.displayed;
    for (const Case& c : std::vector<Case>{{0, 0}, {2, 2}, {2, 3}, {3, 4}, {3, 5}, {4, 6}})
        EXPECT_EQ(map.DisplIndex(RealCol(c.real)).v, c.displayed) << c.real;
    EXPECT_TRUE(map.IsHidden(RealCol(4)));
    EXPECT_FALSE(map.IsHidden(RealCol(3)));

    EXPECT_TRUE(map.Show(RealCol(2)));
    EXPECT_FALSE(map.Show(RealCol(2)));
    EXPECT_EQ(map.RealIndex(DisplCol(2)).v, 2);
    EXPECT_EQ(map.RealIndex(DisplCol(4)).v, 5);
}

TEST(ColumnDisplayMapTest, ColumnsFrom512AndStrayIndexesAreNeverHiddenAndMapToThemselves) {
    TColumnDisplayMap map;
    EXPECT_FALSE(map.Hide(RealCol(512), 50));
    EXPECT_FALSE(map.Hide(RealCol(-1), 50));
    EXPECT_FALSE(map.IsHidden(RealCol(100000)));
    EXPECT_TRUE(map.Hide(RealCol(511), 50));
    EXPECT_EQ(map.DisplIndex(RealCol(600)).v, 600);
    EXPECT_EQ(map.RealIndex(DisplCol(600)).v, 600);
    EXPECT_EQ(map.DisplIndex(RealCol(-5)).v, -5);
    EXPECT_EQ(map.RealIndex(DisplCol(-5)).v, 0);
    EXPECT_EQ(map.RealIndex(DisplCol(511)).v, 0);  // no hideable column is shown there
    EXPECT_EQ(map.KeptWidth(RealCol(9999)), 0);
    map.SetKeptWidth(RealCol(9999), 10);  // outside the store: ignored
    map.SetKeptWidth(RealCol(3), 100000);
    EXPECT_EQ(map.KeptWidth(RealCol(3)), 32767);
}

TEST(ColumnDisplayMapTest, InsertedAndRemovedColumnsCarryFlagsAndWidths) {
    TColumnDisplayMap map;
    map.Hide(RealCol(3), 70);
    EXPECT_EQ(map.InsertColumns(RealCol(1), 1), 0);
    EXPECT_FALSE(map.IsHidden(RealCol(3)));
    EXPECT_TRUE(map.IsHidden(RealCol(4)));
    EXPECT_EQ(map.KeptWidth(RealCol(4)), 70);

    // A hidden column pushed past the hideable columns is shown.
    map.Hide(RealCol(510), 30);
    EXPECT_EQ(map.InsertColumns(RealCol(0), 5), 1);
    EXPECT_EQ(map.NumHidden(), 1);
    EXPECT_TRUE(map.IsHidden(RealCol(9)));
    EXPECT_EQ(map.InsertColumns(RealCol(0), 2000000000), 1);  // every flag moves out
    EXPECT_EQ(map.NumHidden(), 0);

    map.Hide(RealCol(5), 40);
    map.Hide(RealCol(8), 41);
    EXPECT_EQ(map.RemoveColumns(RealCol(4), 2), 1);
    EXPECT_TRUE(map.IsHidden(RealCol(6)));
    EXPECT_EQ(map.KeptWidth(RealCol(6)), 41);
    EXPECT_EQ(map.RemoveColumns(RealCol(0), 2000000000), 1);
    EXPECT_EQ(map.NumHidden(), 0);
}

TEST(ColumnDisplayMapTest, RandomHidingAgreesWithCounting) {
    std::mt19937 random(3);
    TColumnDisplayMap map;
    std::vector<bool> hidden(512, false);
    for (int step = 0; step < 2000; ++step) {
        const int c = int(random() % 512);
        if (random() % 2) {
            EXPECT_EQ(map.Hide(RealCol(c), c), !hidden[std::size_t(c)]);
            hidden[std::size_t(c)] = true;
        } else {
            EXPECT_EQ(map.Show(RealCol(c)), bool(hidden[std::size_t(c)]));
            hidden[std::size_t(c)] = false;
        }
        if (step % 97 != 0) continue;
        int below = 0;
        int displayed = 0;
        for (int r = 0; r < 512; ++r) {
            ASSERT_EQ(map.DisplIndex(RealCol(r)).v, r - below);
            if (hidden[std::size_t(r)]) {
                ++below;
                continue;
            }
            ASSERT_EQ(map.RealIndex(DisplCol(displayed++)).v, r);
        }
        ASSERT_EQ(map.NumHidden(), below);
    }
}

}  // namespace
