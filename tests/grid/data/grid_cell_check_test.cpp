// Range checks through the grid's cell checker: the base checker changes nothing, a
// descendant's marks are stored and taken off before the next check, the current cell
// comes back, and the grid forgets a checker that is destroyed.

#include "grid/core/grid_fixture.h"
#include "grid/data/ex_string_grid_check.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Marks every "teh" and corrects "recieve"; counts its start and stop calls.
class SpellChecker : public TExStringGridCheck {
public:
    QString MarkError(int, int, const QString& s) override { return TExStringGrid::MarkText(true, s, "teh"); }
    QString Correct(int, int, const QString& s) override { return QString(s).replace("recieve", "receive"); }
    void StartCheck() override { ++Starts; }
    void StopCheck() override { ++Stops; }
    int Starts = 0, Stops = 0;
};

class CellCheck : public ::testing::Test {
protected:
    TExStringGrid Grid{nullptr};
    void SetUp() override {
        Grid.SetColCount(3);
        Grid.SetRowCount(3);
        Grid.SetCells(1, 1, "teh cat");
        Grid.SetCells(2, 1, "a &amp; b");
        Grid.SetCells(1, 2, "recieve");
        Grid.SetCells(2, 2, "fine");
    }
};

TEST_F(CellCheck, WithoutACheckerOrWithTheBaseOneNothingChanges) {
    EXPECT_TRUE(Grid.CheckGrid(true));
    TExStringGridCheck base;
    base.SetAutoCorrect(true);
    base.SetAutoMarkError(true);
    base.SetUseCorrect(true);
    base.SetUseMarkError(true);
    base.SetGotoCell(true);
    Grid.SetCellChecker(&base);
    EXPECT_TRUE(Grid.CheckGrid(false));
    EXPECT_TRUE(Grid.CheckRow(true, 1));
    EXPECT_TRUE(Grid.CheckCol(false, 2));
    EXPECT_EQ(Grid.Cells(2, 1), "a &amp; b") << "an unmarked cell is read as it stands";
    EXPECT_EQ(Grid.Cells(1, 1), "teh cat");
}

TEST_F(CellCheck, MarksAndCorrectionsAreStoredAndMarksComeOffBeforeTheNextCheck) {
    SpellChecker checker;
    Grid.SetCellChecker(&checker);
    struct Case {
        const char* name;
        bool correct, mark;
        QString cell11, cell12;
        bool passed;
    };
    const Case cases[] = {
        {"mark", false, true, "<e>teh</e> cat", "recieve", false},
        {"mark again", false, true, "<e>teh</e> cat", "recieve", false},
        {"correct only: marks removed", true, false, "teh cat", "receive", false},
        {"both: the mark is kept, the correction dropped", true, true, "<e>teh</e> cat", "receive", false},
        {"neither", false, false, "teh cat", "receive", true},
    };
    for (const Case& c : cases) {
        checker.SetUseCorrect(c.correct);
        checker.SetUseMarkError(c.mark);
        EXPECT_EQ(Grid.CheckGrid(false), c.passed) << c.name;
        EXPECT_EQ(Grid.Cells(1, 1), c.cell11) << c.name;
        EXPECT_EQ(Grid.Cells(1, 2), c.cell12) << c.name;
        EXPECT_EQ(Grid.Cells(2, 1), "a &amp; b") << c.name;
    }
    EXPECT_TRUE(Grid.CheckCell(2, 2));
    EXPECT_EQ(checker.Starts, checker.Stops);
}

TEST_F(CellCheck, AnEmptyRangeStillStartsAndStopsAndGotoCellComesBack) {
    SpellChecker checker;
    checker.SetUseMarkError(true);
    checker.SetGotoCell(true);
    Grid.SetCellChecker(&checker);
    EXPECT_TRUE(Grid.CheckCells(1, 2, 2, 1));
    EXPECT_EQ(checker.Starts, 1);
    EXPECT_EQ(checker.Stops, 1);
    Grid.MoveCurrentCell(2, 2);
    EXPECT_FALSE(Grid.CheckGrid(false));
    EXPECT_EQ(Grid.Col(), 2);
    EXPECT_EQ(Grid.Row(), 2);
}

TEST_F(CellCheck, TheGridForgetsADestroyedChecker) {
    auto checker = std::make_unique<SpellChecker>();
    Grid.SetCellChecker(checker.get());
    checker.reset();
    EXPECT_EQ(Grid.CellChecker(), nullptr);
    EXPECT_TRUE(Grid.CheckGrid(false));
    // A checker outliving its grid is no trouble either.
    SpellChecker outliving;
    {
        TExStringGrid other(nullptr);
        other.SetCellChecker(&outliving);
    }
}

}  // namespace
