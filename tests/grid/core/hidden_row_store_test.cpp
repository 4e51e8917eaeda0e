// The store of held-out rows against a plain model (one flag per real row): after every
// step of a random sequence of adding and taking rows, every mapping and count agrees.

#include "grid/core/hidden_row_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr int RealRows = 60;

// The plain model: which real rows are held out, and at which filter level.
struct HeldOutModel {
    std::vector<int> Level = std::vector<int>(RealRows, -1);  // -1: shown

    int CountBelow(int row) const {
        return int(std::count_if(Level.begin(), Level.begin() + std::min(row, RealRows), [](int l) { return l >= 0; }));
    }
    // Walks the real rows from 0, counting the shown ones, as the grid's answer is told.
    int RealIndex(int displayed) const {
        int shown = 0;
        for (int r = 0;; ++r) {
            if (r < RealRows && Level[std::size_t(r)] >= 0) continue;
            if (shown++ == displayed) return r;
        }
    }
};

TGridItem ItemFor(int row, int level) {
    TGridItem item(RealRow(row), 20 + row, level, nullptr);
    item.SetCells(RealCol(3), QString("row %1").arg(row));
    return item;
}

// Asked many times over, so the answers come from binary searches first and from the
// store's tables later.
void ExpectAgrees(const THiddenRowStore& store, const HeldOutModel& model, int step) {
    const int held = model.CountBelow(RealRows);
    ASSERT_EQ(store.Count(), held) << "step " << step;
    for (int pass = 0; pass < 16; ++pass) {
    for (int r = 0; r < RealRows + 3; ++r) {
        const bool out = r < RealRows && model.Level[std::size_t(r)] >= 0;
        ASSERT_EQ(store.Contains(RealRow(r)), out) << "row " << r << " step " << step;
        ASSERT_EQ(store.CountBelow(RealRow(r)), model.CountBelow(r)) << "row " << r << " step " << step;
        ASSERT_EQ(store.DisplIndex(RealRow(r)).v, r - model.CountBelow(r)) << "row " << r << " step " << step;
        if (out) {
            const TGridItem* item = store.Find(RealRow(r));
            ASSERT_EQ(item->Cells(RealCol(3)), QString("row %1").arg(r));
            ASSERT_EQ(item->Height(), 20 + r);
        }
    }
    for (int d = 0; d < RealRows - held + 3; ++d)
        ASSERT_EQ(store.RealIndex(DisplRow(d)).v, model.RealIndex(d)) << "displayed " << d << " step " << step;
    }
    for (int position = 1; position < store.Count(); ++position)
        ASSERT_LT(store.Item(position - 1).Idx(), store.Item(position).Idx());
}

TEST(HiddenRowStoreTest, RandomAddsAndTakesAgreeWithModel) {
    std::mt19937 random(7);
    THiddenRowStore store;
    HeldOutModel model;
    int level = 0;
    for (int step = 0; step < 400; ++step) {
        switch (random() % 4) {
        case 0: {  // a list of rows at a new level
            std::vector<TGridItem> items;
            for (int r = 0; r < RealRows; ++r)
                if (model.Level[std::size_t(r)] < 0 && random() % 5 == 0) {
                    items.push_back(ItemFor(r, level));
                    model.Level[std::size_t(r)] = level;
                }
            store.Add(std::move(items));
            ++level;
            break;
        }
        case 1: {  // a range
            const int from = int(random() % RealRows);
            const int to = from + int(random() % 8);
            const std::vector<TGridItem> taken = store.Take(RealRow(from), RealRow(to));
            std::vector<int> expected;
            for (int r = from; r <= std::min(to, RealRows - 1); ++r)
                if (model.Level[std::size_t(r)] >= 0) {
                    expected.push_back(r);
                    model.Level[std::size_t(r)] = -1;
                }
            std::vector<int> got;
            for (const TGridItem& item : taken) got.push_back(item.Idx());
            ASSERT_EQ(got, expected) << "step " << step;
            break;
        }
        case 2: {  // the last level
            if (level == 0) break;
            --level;
            const std::vector<TGridItem> taken = store.TakeLevel(level);
            int expected = 0;
            for (int& l : model.Level)
                if (l == level) {
                    l = -1;
                    ++expected;
                }
            ASSERT_EQ(int(taken.size()), expected) << "step " << step;
            break;
        }
        default:
            if (random() % 10 == 0) {
                store.TakeAll();
                std::fill(model.Level.begin(), model.Level.end(), -1);
            }
        }
        ExpectAgrees(store, model, step);
    }
}

TEST(HiddenRowStoreTest, ShiftedIndexesFollowInsertedAndRemovedRows) {
    THiddenRowStore store;
    std::vector<TGridItem> items;
    for (int r : {3, 7, 9}) items.push_back(ItemFor(r, 0));
    store.Add(std::move(items));

    store.ShiftIndexes(RealRow(5), 2);  // two rows inserted before real row 5
    EXPECT_TRUE(store.Contains(RealRow(3)));
    EXPECT_TRUE(store.Contains(RealRow(9)));
    EXPECT_TRUE(store.Contains(RealRow(11)));
    EXPECT_FALSE(store.Contains(RealRow(7)));

    store.ShiftIndexes(RealRow(6), -2);  // two rows removed before them again
    EXPECT_EQ(store.Item(1).Idx(), 7);
    EXPECT_EQ(store.Item(2).Idx(), 9);
    EXPECT_EQ(store.Find(RealRow(7))->Cells(RealCol(3)), "row 7");
}

TEST(HiddenRowStoreTest, EmptyStoreAndOutOfRangeQuestionsAnswerQuietly) {
    THiddenRowStore store;
    EXPECT_EQ(store.RealIndex(DisplRow(5)).v, 5);
    EXPECT_EQ(store.RealIndex(DisplRow(-1)).v, -1);
    EXPECT_EQ(store.DisplIndex(RealRow(-3)).v, -3);
    EXPECT_FALSE(store.Contains(RealRow(-1)));
    EXPECT_TRUE(store.Take(RealRow(4), RealRow(2)).empty());
    EXPECT_EQ(store.CountIn(RealRow(9), RealRow(1)), 0);

    std::vector<TGridItem> items;
    items.push_back(ItemFor(4, 0));
    store.Add(std::move(items));
    const int largest = std::numeric_limits<int>::max();
    EXPECT_EQ(store.CountIn(RealRow(0), RealRow(largest)), 1);
    EXPECT_EQ(store.Take(RealRow(5), RealRow(largest)).size(), 0u);
    EXPECT_EQ(store.Take(RealRow(std::numeric_limits<int>::min()), RealRow(largest)).size(), 1u);

    TGridItem item(RealRow(2), 20, 0, nullptr);
    EXPECT_TRUE(item.Cells(RealCol(-1)).isEmpty());
    item.SetObjects(RealCol(-4), nullptr);
    EXPECT_EQ(item.Objects(RealCol(1000)), nullptr);
}

}  // namespace
