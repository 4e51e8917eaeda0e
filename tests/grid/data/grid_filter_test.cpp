// Filtering: conditions joined by their operations, layered random filter sequences
// against a model, the narrow-down finding typed texts as typed, and the automatic
// filter entries filtering on exactly their cell text.

#include "grid/core/string_grid.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

QStringList Shown(TExStringGrid& grid, int col) {
    QStringList texts;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) texts << grid.Cells(col, r);
    return texts;
}

class GridFilter : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TExStringGrid>(nullptr, nullptr);
        Grid->SetColCount(3);
        Grid->SetFixedRowAlways(true);
    }
    void Fill(const QStringList& texts) {
        Grid->SetRowCount(int(texts.size()) + 1);
        for (int i = 0; i < texts.size(); ++i) {
            Grid->SetCells(1, i + 1, texts[i]);
            Grid->SetCells(2, i + 1, QString::number(i));
        }
    }
    std::unique_ptr<TExStringGrid> Grid;
};

TEST_F(GridFilter, AChangedConditionIsParsedAgain) {
    // A condition is parsed once for many rows; changing its text or its case between
    // tests must not leave the old parse in use.
    Fill({"apple", "Banana", "cherry"});
    TFilterData& item = Grid->Filter()->Add();
    item.Column = 1;
    struct Step {
        const char* Condition;
        bool CaseSensitive;
        QStringList Kept;
    };
    const Step steps[] = {
        {"a*", true, {"apple"}},
        {"b*", true, {}},
        {"b*", false, {"Banana"}},
        {">b", true, {"cherry"}},
        {">b", false, {"Banana", "cherry"}},  // upper-cased, "BANANA" follows "B"
        {"*a*", true, {"apple", "Banana"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Condition);
        item.Condition = QString::fromLatin1(step.Condition);
        item.CaseSensitive = step.CaseSensitive;
        QStringList kept;
        for (int r = 1; r < Grid->RowCount(); ++r)
            if (Grid->MatchFilter(r)) kept << Grid->Cells(1, r);
        EXPECT_EQ(kept, step.Kept);
        Grid->SetFilterActive(true);
        EXPECT_EQ(Shown(*Grid, 1), step.Kept);
        Grid->SetFilterActive(false);
    }
}

TEST_F(GridFilter, ConditionsJoinByTheirOperations) {
    const QStringList texts{"10", "25", "AT&T", "Hello!", "a b", "x"};
    struct Case {
        const char* Name;
        std::vector<std::tuple<QString, TFilterOperation, TFilterMethod>> Conditions;
        QStringList Kept;
    };
    const Case cases[] = {
        {"comparison", {{"<20", foNONE, fmExpression}}, {"10"}},
        {"and", {{">5", foNONE, fmExpression}, {"<20", foAND, fmExpression}}, {"10"}},
        {"or", {{"x", foNONE, fmExpression}, {"10", foOR, fmExpression}}, {"10", "x"}},
        {"literal with operator characters", {{"AT&T", foNONE, fmLiteral}}, {"AT&T"}},
        {"contains as typed", {{"!", foNONE, fmContains}}, {"Hello!"}},
        {"short stops at a failure", {{"x", foSHORT, fmExpression}, {"10", foOR, fmExpression}}, {"x"}},
        {"empty condition keeps all", {{"", foNONE, fmExpression}}, texts},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Fill(texts);
        Grid->Filter()->Clear();
        for (const auto& [condition, operation, method] : c.Conditions) {
            TFilterData& item = Grid->Filter()->Add();
            item.Column = 1;
            item.Condition = condition;
            item.Operation = operation;
            item.Method = method;
        }
        Grid->SetFilterActive(true);
        EXPECT_EQ(Shown(*Grid, 1), c.Kept);
        Grid->SetFilterActive(false);
        EXPECT_EQ(Shown(*Grid, 1), texts);
    }
}

TEST_F(GridFilter, LayeredRandomSequencesAgreeWithAModel) {
    std::mt19937 random(21);
    QStringList texts;
    for (int i = 0; i < 40; ++i) texts << QStringLiteral("w%1").arg(random() % 10);
    Fill(texts);
    // The model: a stack of levels, each the set of row identities held out.
    std::vector<std::set<QString>> levels;
    auto visible = [&] {
        QStringList rows;
        for (int i = 0; i < texts.size(); ++i) {
            bool out = false;
            for (const auto& level : levels) out = out || level.count(QString::number(i));
            if (!out) rows << QString::number(i);
        }
        return rows;
    };
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE(step);
        const int action = int(random() % 4);
        if (action == 0) {
            const QString want = QStringLiteral("w%1").arg(random() % 10);
            Grid->Filter()->Clear();
            TFilterData& item = Grid->Filter()->Add();
            item.Column = 1;
            item.Condition = QStringLiteral("!") + want;
            std::set<QString> out;
            for (int r = 1; r < Grid->RowCount(); ++r)
                if (Grid->Cells(1, r) == want) out.insert(Grid->Cells(2, r));
            Grid->ApplyFilter();
            levels.push_back(out);
        } else if (action == 1) {
            const QString typed = QStringLiteral("w%1").arg(random() % 10).left(1 + int(random() % 2));
            Grid->NarrowDown(typed, 1);
            // Checked below only through the rows shown: narrowing is its own model.
            levels.clear();
            std::set<QString> out;
            for (int i = 0; i < texts.size(); ++i)
                if (!texts[i].contains(typed, Qt::CaseInsensitive)) out.insert(QString::number(i));
            if (!typed.isEmpty()) levels.push_back(out);
            Grid->NarrowDown(QString(), 1);
            levels.clear();
        } else if (action == 2) {
            Grid->RemoveLastFilter();
            if (!levels.empty()) levels.pop_back();
        } else {
            Grid->RemoveAllFilters();
            levels.clear();
        }
        EXPECT_EQ(Shown(*Grid, 2), visible());
    }
}

TEST_F(GridFilter, NarrowDownFindsTheTypedTextAsTyped) {
    Fill({"AT&T", "ATX", "Hello!", "Hello", "a b", "ab"});
    struct Step {
        const char* Typed;
        int Column;
        QStringList Kept;
    };
    const Step steps[] = {
        {"AT&", 1, {"AT&T"}},
        {"AT&T", 1, {"AT&T"}},
        {"AT", 1, {"AT&T", "ATX"}},
        {"!", 1, {"Hello!"}},
        {"a b", 1, {"a b"}},
        {"A B", -1, {"a b"}},
        {"", 1, {"AT&T", "ATX", "Hello!", "Hello", "a b", "ab"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Typed);
        Grid->NarrowDown(QString::fromLatin1(step.Typed), step.Column);
        EXPECT_EQ(Shown(*Grid, 1), step.Kept);
    }
}

TEST_F(GridFilter, AutomaticEntriesFilterOnExactlyTheirText) {
    Fill({"A&B", "A", "B", "x*y", "xzy", "A&B"});
    Grid->SetFilterDropDownAuto(true);
    ASSERT_TRUE(Grid->GetColumnFilter(RealCol(1)));
    const TStringList& list = *Grid->FilterList();
    ASSERT_EQ(list.Count(), 6);  // "(All)" and five distinct texts
    for (const QString& pick : {QStringLiteral("A&B"), QStringLiteral("x*y")}) {
        SCOPED_TRACE(pick.toStdString());
        const int index = list.IndexOf(pick);
        ASSERT_GE(index, 1);
        Grid->SetFilterCol(1);
        Grid->FilterSelect(index);
        const QStringList kept = Shown(*Grid, 1);
        EXPECT_TRUE(std::all_of(kept.begin(), kept.end(), [&](const QString& t) { return t == pick; }));
        EXPECT_FALSE(kept.isEmpty());
        Grid->SetFilterCol(1);
        Grid->FilterSelect(0);  // "(All)"
        EXPECT_EQ(Shown(*Grid, 1).size(), 6);
    }
    // Unchanged cells are not read again, also when the lists of several columns are
    // asked in turn, as painting the headers does; a changed cell is.
    Grid->GetColumnFilter(RealCol(1));
    Grid->GetColumnFilter(RealCol(2));
    int reads = 0;
    Grid->OnGetDisplText = [&](TObject*, int, int, QString&) { ++reads; };
    for (int round = 0; round < 2; ++round)
        for (int col : {1, 2}) Grid->GetColumnFilter(RealCol(col));
    EXPECT_EQ(reads, 0);
    EXPECT_GE(Grid->FilterList()->IndexOf(QStringLiteral("5")), 0);  // column 2's list, whole
    Grid->SetCells(1, 1, QStringLiteral("new"));
    Grid->GetColumnFilter(RealCol(1));
    EXPECT_GT(reads, 0);
    EXPECT_GE(Grid->FilterList()->IndexOf(QStringLiteral("new")), 0);
}

}  // namespace
