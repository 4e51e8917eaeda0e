// The column filter lists under real input: Enter picks an entry of the plain list, Esc
// and a press outside close a list unchanged, and ticks in the check list keep the rows
// matching any ticked entry.

#include <gtest/gtest.h>

#include "../view/hover_grid_fixture.h"

#include <QListWidget>

namespace {

class FilterDropDownInput : public HoverGridTest {
protected:
    void SetUp() override {
        HoverGridTest::SetUp();
        Grid->SetFilterDropDownAuto(true);
        Grid->SetCells(4, 2, "a&b");  // displayed column 3; an entry with an operator character
    }
    QListWidget* Open() {
        const TRect cell = Grid->CellRect(3, 0);
        QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(cell.Right - 8, cell.Top + 5));
        return Grid->OpenFilterList();
    }
    QStringList ColumnShown() const {
        QStringList texts;
        for (int r = Grid->FixedRows(); r < Grid->RowCount(); ++r) texts << Grid->Cells(4, r);
        return texts;
    }
};

TEST_F(FilterDropDownInput, EnterPicksEscAndAPressOutsideCloseUnchanged) {
    const QStringList all = ColumnShown();
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        QListWidget* list = Open();
        ASSERT_NE(list, nullptr);
        if (way == 0) QTest::keyClick(list, Qt::Key_Escape);
        else QTest::mouseClick(Window.get(), Qt::LeftButton, {}, QPoint(Window->width() - 2, Window->height() - 2));
        EXPECT_EQ(Grid->OpenFilterList(), nullptr);
        EXPECT_EQ(Grid->FilterCol(), -1);
        EXPECT_EQ(ColumnShown(), all);
    }
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> found = list->findItems("a&b", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setCurrentItem(found.first());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Grid->OpenFilterList(), nullptr);
    EXPECT_EQ(ColumnShown(), QStringList({"a&b"}));
}

TEST_F(FilterDropDownInput, CheckListKeepsRowsMatchingAnyTick) {
    Grid->SetFilterDropDownCheck(true);
    const QStringList all = ColumnShown();
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    QStringList ticked;
    for (int i = 0; i < list->count() && ticked.size() < 2; ++i) {
        const QString text = list->item(i)->text();
        if (text == "(All)" || text.isEmpty()) continue;
        list->setCurrentRow(i);
        QTest::keyClick(list, Qt::Key_Space);
        ticked << text;
    }
    ASSERT_EQ(ticked.size(), 2);
    EXPECT_NE(Grid->OpenFilterList(), nullptr);  // stays open for more ticks
    const QStringList kept = ColumnShown();
    EXPECT_FALSE(kept.isEmpty());
    for (const QString& text : kept) EXPECT_TRUE(ticked.contains(text)) << text.toStdString();
    int expected = 0;
    for (const QString& text : all) expected += ticked.contains(text);
    EXPECT_EQ(kept.size(), expected);
}

TEST(FilterDropDownSettings, DefaultsAndAssignKeepAutoSize) {
    TExStringGrid grid(nullptr);
    TFilterDropDown* settings = grid.FilterDropDown();
    EXPECT_EQ(settings->Width, 150);
    EXPECT_EQ(settings->Height, 150);
    EXPECT_FALSE(settings->ColumnWidth);
    EXPECT_FALSE(settings->AutoSize);
    EXPECT_EQ(settings->Color, clWindow);

    TFilterDropDown source;
    source.Width = 90;
    source.Height = 60;
    source.ColumnWidth = true;
    source.AutoSize = true;
    source.Color = clYellow;
    source.Glyph.SetSize(4, 4);
    int changes = 0;
    auto bound = settings->OnChange;
    settings->OnChange = [&](TObject* sender) {
        ++changes;
        bound(sender);
    };
    settings->Assign(&source);
    EXPECT_EQ(settings->Width, 90);
    EXPECT_EQ(settings->Height, 60);
    EXPECT_TRUE(settings->ColumnWidth);
    EXPECT_FALSE(settings->AutoSize);  // not copied
    EXPECT_EQ(settings->Color, clYellow);
    EXPECT_EQ(settings->Glyph.Width(), 4);
    EXPECT_GT(changes, 0);  // a new picture repaints the grid
}

}  // namespace
