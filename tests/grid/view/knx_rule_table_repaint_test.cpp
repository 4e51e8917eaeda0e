// Painting keeps fonts and measured texts between cells and between paints: a view of
// the KNX-rule-like table must look the same whether it is painted fresh or after the
// grid has scrolled through other rows, columns and fonts.

#include "knx_rule_table_fixture.h"

#include <QImage>
#include <memory>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TExStringGrid> MakeTable() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->resize(1205, 337);
    BuildKnxRuleTable(*grid, 1000, 400);
    // A hidden widget gets its pending resize with the first render: only then does the
    // viewport have its size.
    QImage settle(1, 1, QImage::Format_ARGB32_Premultiplied);
    grid->viewport()->render(&settle);
    return grid;
}

QImage Render(TExStringGrid& grid) {
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    grid.viewport()->render(&image);
    return image;
}

}  // namespace

TEST(KnxRuleTableRepaint, ViewAfterScrollingEqualsTheFreshPaint) {
    auto grid = MakeTable();
    const QImage first = Render(*grid);

    // Rows with texts and check boxes, the empty rows past the filled ones, other columns,
    // and a bold font on the way.
    struct Step {
        int TopRow, LeftCol;
    };
    for (const Step& step : {Step{2, 1}, Step{37, 1}, Step{390, 3}, Step{600, 1}, Step{5, 6}}) {
        grid->SetTopRow(step.TopRow);
        grid->SetLeftCol(step.LeftCol);
        Render(*grid);
    }
    const QFont normal = grid->font();
    QFont bold = normal;
    bold.setBold(true);
    grid->setFont(bold);
    Render(*grid);
    grid->setFont(normal);

    // A second table scrolled straight to a place paints what the first shows there.
    grid->SetTopRow(37);
    grid->SetLeftCol(3);
    auto fresh = MakeTable();
    fresh->SetTopRow(37);
    fresh->SetLeftCol(3);
    EXPECT_EQ(Render(*grid), Render(*fresh));

    grid->SetTopRow(1);
    grid->SetLeftCol(1);
    EXPECT_EQ(Render(*grid), first);
}
