// The filter glyph of a header cell opens the column's filter list; its bounds, the second
// click that closes it, the check list's entries and the choice of a plain entry.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <QListWidget>

namespace {

class FilterListTest : public HoverGridTest {
protected:
    void SetUp() override {
        HoverGridTest::SetUp();
        Grid->SetFilterDropDownAuto(true);
        Grid->SetFilterDropDownClear(QString());
        Grid->SetCells(4, 2, "a b");  // displayed column 3
    }
    void ClickAt(QPoint p) { QTest::mouseClick(View(), Qt::LeftButton, {}, p); }
    QPoint InGlyph(int col, int fromRight, int fromTop) const {
        const TRect cell = Grid->CellRect(col, 0);
        return QPoint(cell.Right - fromRight, cell.Top + fromTop);
    }
};

TEST_F(FilterListTest, GlyphAreaIsRightMinus15ToRightMinus4AndBelowTop19) {
    struct Case {
        int FromRight, FromTop;
        bool Opens;
    } cases[] = {{16, 2, false}, {15, 2, true}, {4, 2, true}, {3, 2, false}, {10, 18, true}, {10, 19, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Right - " << c.FromRight << ", Top + " << c.FromTop);
        ClickAt(Centre(4, 6));  // closes any list
        ASSERT_EQ(Grid->OpenFilterList(), nullptr);
        ClickAt(InGlyph(3, c.FromRight, c.FromTop));
        EXPECT_EQ(Grid->OpenFilterList() != nullptr, c.Opens);
        if (c.Opens) EXPECT_EQ(Grid->FilterCol(), 4);  // the real column
    }
}

TEST_F(FilterListTest, PlainListShowsTheColumnEntriesAndASecondClickClosesIt) {
    Grid->FilterDropDown()->Width = 100;
    ClickAt(InGlyph(3, 8, 5));
    QListWidget* list = Grid->OpenFilterList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->objectName(), "FDropList");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    // Sorted entries of real column 4; the one with a blank shows its name before "=".
    EXPECT_EQ(shown.first(), "4,1");
    EXPECT_TRUE(shown.contains("a b"));
    EXPECT_EQ(list->currentRow(), 0);
    const TRect header = Grid->CellRect(3, 0);
    EXPECT_EQ(list->geometry().topLeft(), QPoint(header.Right - 16, header.Top + 16));
    ClickAt(InGlyph(3, 8, 5));
    EXPECT_EQ(Grid->OpenFilterList(), nullptr);
    EXPECT_EQ(Grid->FilterCol(), -1);
}

TEST_F(FilterListTest, CheckListQuotesOnlyToCompareWithTheFilter) {
    Grid->SetFilterDropDownCheck(true);
    TFilterData& condition = Grid->Filter()->Add();
    condition.Column = 4;
    condition.Condition = "\"a b\"";
    TFilterData& otherColumn = Grid->Filter()->Add();
    otherColumn.Column = 5;
    otherColumn.Condition = "4,3";
    ClickAt(InGlyph(3, 8, 5));
    QListWidget* list = Grid->OpenFilterList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->objectName(), "FDropCheckList");
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        SCOPED_TRACE(item->text().toStdString());
        EXPECT_EQ(item->checkState(), item->text() == "a b" ? Qt::Checked : Qt::Unchecked);
    }
}

TEST_F(FilterListTest, ListNearTheRightEdgeEndsAtTheColumnAndNeverLeftOfTheGrid) {
    Grid->SetColWidths(4, 100);
    const int columnRight = Grid->CellRect(4, 0).Right;
    Grid->FilterDropDown()->Width = 150;
    ASSERT_GT(columnRight - 16 + 150, View()->width());
    ClickAt(InGlyph(4, 8, 5));
    ASSERT_NE(Grid->OpenFilterList(), nullptr);
    EXPECT_EQ(Grid->OpenFilterList()->geometry().left(), columnRight - 150);
    Grid->FilterDropDown()->Width = 1000;
    ClickAt(Centre(4, 6));
    ClickAt(InGlyph(4, 8, 5));
    ASSERT_NE(Grid->OpenFilterList(), nullptr);
    EXPECT_EQ(Grid->OpenFilterList()->geometry().left(), 0);
}

TEST_F(FilterListTest, ChoosingAPlainEntryHandsItToFilterSelectAndCloses) {
    ClickAt(InGlyph(3, 8, 5));
    QListWidget* list = Grid->OpenFilterList();
    ASSERT_NE(list, nullptr);
    QListWidgetItem* entry = list->item(2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
    EXPECT_EQ(Grid->OpenFilterList(), nullptr);
    EXPECT_EQ(Grid->FilterCol(), -1);
}

}  // namespace
