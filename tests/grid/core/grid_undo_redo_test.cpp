// Undo/redo manager on a linked grid: single changes, sequences, limits and the history
// rules (a new change drops the undone tail, structural changes reset it).

#include "grid/core/grid_undo_redo.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class UndoRedoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.SetRowCount(6);
        Grid.SetUndoRedo(&Manager);
    }
    // Writes a cell as an editing path does: the change is registered, then made.
    void Edit(int c, int r, const QString& value) {
        Manager.RegisterChange(c, r, Grid.Cells(c, r), value);
        Grid.SetCells(c, r, value);
    }

    FixtureGrid Grid;
    TExGridUndoRedo Manager;
};

TEST_F(UndoRedoTest, SingleChangesUndoAndRedo) {
    Edit(1, 1, "b");
    Edit(1, 4, "d");
    Manager.Undo();
    EXPECT_EQ(Grid.Cells(1, 4), "");
    EXPECT_EQ(Manager.Level(), 1);
    EXPECT_TRUE(Manager.CanRedo());
    EXPECT_EQ((TPoint{Grid.Col(), Grid.Row()}), (TPoint{1, 4}));
    Manager.Redo();
    EXPECT_EQ(Grid.Cells(1, 4), "d");
    EXPECT_EQ(Manager.Level(), 2);
    Manager.Undo();
    Manager.Undo();
    Manager.Undo();  // nothing left: no change
    EXPECT_EQ(Grid.Cells(1, 1), "1,1");
    EXPECT_FALSE(Manager.CanUndo());
}

TEST_F(UndoRedoTest, EventsSeeTheCurrentAndTheRestoredText) {
    Edit(3, 1, "new");
    QString orig, restored;
    Manager.OnUndo = [&](TObject*, TBaseGrid* grid, int, int, const QString& o, const QString& n) {
        EXPECT_EQ(grid, &Grid);
        orig = o;
        restored = n;
    };
    Manager.Undo();
    EXPECT_EQ(orig, "new");
    EXPECT_EQ(restored, "3,1");
}

TEST_F(UndoRedoTest, SequencesAreOneStep) {
    Manager.StartSequence();
    Edit(1, 1, "a");
    Edit(1, 1, "b");
    Edit(3, 1, "c");
    Manager.StopSequence();
    std::vector<QString> order;
    Manager.OnUndo = [&](TObject*, TBaseGrid*, int, int, const QString&, const QString& n) { order.push_back(n); };
    Manager.Undo();
    EXPECT_EQ(Grid.Cells(1, 1), "1,1");
    EXPECT_EQ(Grid.Cells(3, 1), "3,1");
    EXPECT_EQ(order, (std::vector<QString>{"3,1", "a", "1,1"}));  // the later change first
    EXPECT_EQ(Manager.Level(), 0);
    Manager.Redo();
    EXPECT_EQ(Grid.Cells(1, 1), "b");
    EXPECT_EQ(Grid.Cells(3, 1), "c");
    EXPECT_EQ(Manager.Level(), Manager.Items().Count());
}

TEST_F(UndoRedoTest, ANewChangeDropsTheUndoneTail) {
    Edit(1, 1, "a");
    Edit(1, 4, "b");
    Manager.Undo();
    Edit(3, 1, "c");
    EXPECT_EQ(Manager.Items().Count(), 2);
    EXPECT_EQ(Manager.Level(), 2);
    EXPECT_FALSE(Manager.CanRedo());
    Manager.Undo();
    Manager.Undo();
    EXPECT_EQ(Grid.Cells(1, 4), "");  // the dropped change is never replayed
    Manager.Redo();
    Manager.Redo();
    EXPECT_EQ(Grid.Cells(1, 4), "");
    EXPECT_EQ(Grid.Cells(3, 1), "c");
}

TEST_F(UndoRedoTest, MaxLevelDropsTheOldest) {
    Manager.SetMaxLevel(2);
    Edit(1, 1, "a");
    Edit(1, 4, "b");
    Edit(3, 1, "c");
    ASSERT_EQ(Manager.Items().Count(), 2);
    EXPECT_EQ(Manager.Items().Items(0).Value(), "b");
    // A sequence whose start entry was dropped undoes to the first item and stops there;
    // changes dropped with it stay.
    Manager.Reset();
    Manager.StartSequence();
    Edit(1, 1, "x");
    Edit(1, 4, "y");  // drops the start entry
    Manager.StopSequence();
    Manager.SetMaxLevel(1);
    Edit(3, 4, "z");  // drops "x"
    Manager.Undo();
    Manager.Undo();
    EXPECT_EQ(Manager.Level(), 0);
    EXPECT_EQ(Grid.Cells(3, 4), "");
    EXPECT_EQ(Grid.Cells(1, 4), "b");
    EXPECT_EQ(Grid.Cells(1, 1), "x");
}

TEST_F(UndoRedoTest, BoundariesWriteNothingAndUnclosedSequencesRedoWhole) {
    int writes = 0;
    Manager.OnUndo = [&](TObject*, TBaseGrid*, int, int, const QString&, const QString&) { ++writes; };
    Manager.OnRedo = Manager.OnUndo;
    Manager.StartSequence();
    Edit(1, 1, "a");
    Edit(3, 1, "b");
    // No stop entry: undo goes item by item and the start entry writes nothing.
    Manager.Undo();
    Manager.Undo();
    Manager.Undo();
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(Manager.Level(), 0);
    writes = 0;
    Manager.Redo();
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(Grid.Cells(3, 1), "b");
    EXPECT_EQ(Manager.Level(), 3);
}

TEST_F(UndoRedoTest, StructuralChangesAndResetClearTheHistory) {
    Edit(1, 4, "a");
    Grid.InsertRowsAt(2, 1);  // row 4 is now row 5: the recorded cell no longer holds
    EXPECT_FALSE(Manager.CanUndo());
    Edit(1, 1, "b");
    Grid.SetRowCount(Grid.RowCount() + 1);  // appending keeps it
    EXPECT_TRUE(Manager.CanUndo());
    Grid.DeleteRow(5);
    EXPECT_FALSE(Manager.CanUndo());
    Edit(1, 1, "c");
    Manager.Reset();
    EXPECT_FALSE(Manager.CanUndo());
    EXPECT_FALSE(Manager.CanRedo());
}

TEST(UndoRedoLink, UnlinksWhenEitherSideGoes) {
    auto manager = std::make_unique<TExGridUndoRedo>();
    {
        FixtureGrid grid;
        grid.SetUndoRedo(manager.get());
        EXPECT_EQ(manager->Grid(), &grid);
    }
    EXPECT_EQ(manager->Grid(), nullptr);
    manager->Undo();  // without a grid: nothing
    FixtureGrid grid;
    grid.SetUndoRedo(manager.get());
    manager.reset();
    EXPECT_EQ(grid.UndoRedo(), nullptr);

    // Relinking on either side leaves no pointer behind to a component that goes later.
    auto first = std::make_unique<TExGridUndoRedo>();
    auto second = std::make_unique<TExGridUndoRedo>();
    grid.SetUndoRedo(first.get());
    grid.SetUndoRedo(second.get());
    EXPECT_EQ(first->Grid(), nullptr);
    auto other = std::make_unique<FixtureGrid>();
    other->SetUndoRedo(second.get());
    EXPECT_EQ(grid.UndoRedo(), nullptr);
    EXPECT_EQ(second->Grid(), other.get());
    other.reset();
    EXPECT_EQ(second->Grid(), nullptr);
    second.reset();
    grid.InsertRowsAt(1, 1);  // would reset a freed manager
}

}  // namespace
