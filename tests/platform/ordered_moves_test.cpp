// Taking many rows out of a sequence and putting them back in one pass each, checked
// against plain element-by-element erase and insert, and the cell store's rows moving
// as units with their texts and objects.

#include "platform/grid_cell_store.h"
#include "platform/ordered_moves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::vector<int> RandomAscending(std::mt19937& random, int limit, int count) {
    std::vector<int> all(static_cast<std::size_t>(limit));
    for (int i = 0; i < limit; ++i) all[std::size_t(i)] = i;
    std::shuffle(all.begin(), all.end(), random);
    all.resize(std::size_t(std::min(count, limit)));
    std::sort(all.begin(), all.end());
    return all;
}

TEST(OrderedMovesTest, TakeAndPutAgreeWithOneByOneEraseAndInsert) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const int size = int(random() % 40);
        std::vector<int> items(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) items[std::size_t(i)] = 100 + i;
        // Indexes may reach past the end: those take default elements.
        const std::vector<int> taken = RandomAscending(random, size + 5, int(random() % 12));

        std::vector<int> expectedRest = items;
        std::vector<int> expectedTaken;
        for (int index : taken) expectedTaken.push_back(index < size ? items[std::size_t(index)] : 0);
        for (auto it = taken.rbegin(); it != taken.rend(); ++it)
            if (*it < size) expectedRest.erase(expectedRest.begin() + *it);

        std::vector<int> rest = items;
        EXPECT_EQ(TakeAtAscending(rest, taken), expectedTaken) << "round " << round;
        EXPECT_EQ(rest, expectedRest) << "round " << round;

        // Put values back at ascending final places, some beyond the end.
        const std::vector<int> places = RandomAscending(random, int(rest.size()) + 8, int(random() % 10));
        std::vector<int> values;
        for (std::size_t i = 0; i < places.size(); ++i) values.push_back(-1 - int(i));
        std::vector<int> expectedPut = rest;
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (places[i] > int(expectedPut.size())) expectedPut.resize(std::size_t(places[i]), 0);
            expectedPut.insert(expectedPut.begin() + places[i], values[i]);
        }
        PutAtAscending(rest, places, values);
        EXPECT_EQ(rest, expectedPut) << "round " << round;
    }
}

TEST(OrderedMovesTest, CellStoreRowsLeaveAndComeBackWhole) {
    TGridCellStore store;
    TObject objectA;
    TObject objectB;
    for (int r = 0; r < 6; ++r) store.SetText(r, r, QString("r%1").arg(r));  // row r is r+1 cells wide
    store.SetObject(700, 2, &objectA);  // far beyond any count, as a hidden column's cell
    store.SetObject(0, 4, &objectB);

    std::vector<TGridCellStore::TRowHandle> rows = store.TakeRows({2, 4, 9});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]->Text(2), "r2");
    EXPECT_EQ(rows[0]->Object(700), &objectA);
    EXPECT_EQ(rows[1]->Object(0), &objectB);
    EXPECT_EQ(rows[2], nullptr);  // never stored: an empty row
    EXPECT_EQ(store.RowSlots(), 4);
    EXPECT_EQ(store.Text(3, 2), "r3");

    store.PutRows({0, 3, 5}, std::move(rows));
    EXPECT_EQ(store.Text(2, 0), "r2");
    EXPECT_EQ(store.Object(700, 0), &objectA);
    EXPECT_EQ(store.Text(0, 1), "r0");
    EXPECT_EQ(store.Object(0, 3), &objectB);
    EXPECT_EQ(store.Text(1, 2), "r1");
    EXPECT_EQ(store.Text(4, 3), "r4");
    EXPECT_EQ(store.Text(3, 4), "r3");
    EXPECT_TRUE(store.Text(0, 5).isEmpty());
    EXPECT_EQ(store.Text(5, 6), "r5");
}

}  // namespace
