// Narrowing the rows of a grid to those whose cell contains a typed text, and putting
// every row back.

#include "grid/view/grid_mouse_fixture.h"

#include <gtest/gtest.h>

namespace {

QStringList Column(TExStringGrid& grid, int col) {
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r) texts << grid.Cells(col, r);
    return texts;
}

TEST(GridNarrowDown, KeepsAFixedHeaderAndGivesEveryRowBackInItsPlace) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    // The header stays fixed even while no data row is left.
    g.SetFixedRowAlways(true);
    const QStringList names{"Hall lamp", "Kitchen", "hall fan", "Cellar", "HALLWAY"};
    g.SetRowCount(int(names.size()) + 1);
    g.SetCells(1, 0, QStringLiteral("Name"));
    for (int i = 0; i < names.size(); ++i) {
        g.SetCells(1, i + 1, names[i]);
        g.SetCells(2, i + 1, QString::number(i));
    }
    struct Step {
        const char* text;
        QStringList shown;
    };
    const Step steps[] = {
        {"hall", {"Name", "Hall lamp", "hall fan", "HALLWAY"}},
        // Typing on narrows the rows still shown.
        {"hallw", {"Name", "HALLWAY"}},
        // Another text starts again from every row.
        {"ll", {"Name", "Hall lamp", "hall fan", "Cellar", "HALLWAY"}},
        {"xy", {"Name"}},
        {"", {"Name", "Hall lamp", "Kitchen", "hall fan", "Cellar", "HALLWAY"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        g.NarrowDown(QString::fromLatin1(step.text), 1);
        EXPECT_EQ(Column(g, 1), step.shown);
        EXPECT_EQ(g.FilterActive(), *step.text != 0);
    }
    g.NarrowDown(QStringLiteral("an"), 1);
    EXPECT_EQ(Column(g, 2), QStringList({"Address", "2"}));
    g.RemoveAllFilters();
    EXPECT_EQ(Column(g, 2), QStringList({"Address", "0", "1", "2", "3", "4"}));
    EXPECT_FALSE(g.FilterActive());
}

}  // namespace
