// Real mouse input on a grid shown offscreen: check glyph clicks, refused clicks,
// direct editing, header sorting, double clicks on header borders, right clicks,
// links, radio groups and the fixed-cell editors.

#include "grid/edit/grid_trans_editors.h"
#include "grid/view/grid_mouse_fixture.h"
#include "platform/url_opener.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// A point of the cell on the check glyph (Inside) or in the cell beside it.
QPoint CheckPoint(TExStringGrid& grid, int shownCol, int row, bool inside) {
    const TRect r = grid.CellRect(shownCol, row);
    const int real = grid.RealColIndex(shownCol);
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (grid.IsInCheckBox(real, row, x, y) == inside && (inside || x > r.Right - 6)) return {x, y};
    return {-1, -1};
}

QStringList ColumnTexts(TExStringGrid& grid, int col) {
    QStringList texts;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) texts << grid.Cells(col, r);
    return texts;
}

struct CheckClickCase {
    const char* Name;
    bool Editing;
    bool ReadOnly;
    bool CheckAlwaysActive;
    bool OnGlyph;
    bool Toggles;
};

class GridMouseCheckTest : public ::testing::TestWithParam<CheckClickCase> {};

TEST_P(GridMouseCheckTest, ClickOnTheYNColumn) {
    const CheckClickCase& c = GetParam();
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.MouseActions()->SetPreciseCheckBoxCheck(true);
    if (c.Editing) g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.ControlLook()->CheckAlwaysActive = c.CheckAlwaysActive;
    if (c.ReadOnly) g.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    std::vector<std::tuple<int, int, bool>> clicks;
    g.OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool State) { clicks.emplace_back(ACol, ARow, State); };
    int onClick = 0;
    g.OnClick = [&](TObject*) { ++onClick; };

    const QPoint at = CheckPoint(g, MouseGridFixture::EnableShown, 1, c.OnGlyph);
    ASSERT_GE(at.x(), 0);
    f.Click(at);
    EXPECT_EQ(g.Cells(MouseGridFixture::EnableReal, 1), c.Toggles ? "N" : "Y") << c.Name;
    if (c.Toggles) {
        // The real column, as the Space key reports it: the hidden column lies left of it.
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0], std::make_tuple(MouseGridFixture::EnableReal, 1, false));
        EXPECT_EQ(onClick, 1);
    } else {
        EXPECT_TRUE(clicks.empty());
    }
    // Either way the cell becomes current.
    EXPECT_EQ(g.Col(), MouseGridFixture::EnableShown);
    EXPECT_EQ(g.Row(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridMouseCheckTest,
                         ::testing::Values(CheckClickCase{"glyph", true, false, false, true, true},
                                           CheckClickCase{"beside", true, false, false, false, false},
                                           CheckClickCase{"not editing", false, false, false, true, false},
                                           CheckClickCase{"read-only", true, true, false, true, false},
                                           CheckClickCase{"read-only, always active", true, true, true, true, true}),
                         [](const auto& info) {
                             std::string name = info.param.Name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(GridMouse, RefusedClickDoesNothing) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    int cellClicks = 0;
    g.OnClickCell = [&](TObject*, int, int) { ++cellClicks; };
    g.OnCanClickCell = [](TObject*, int ARow, int, bool& Allow) { Allow = ARow != 3; };
    f.Click(f.Centre(3, 3));
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(cellClicks, 0);
    f.Click(f.Centre(3, 2));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(cellClicks, 1);
}

TEST(GridMouse, ClickCellReportsRowThenDisplayedColumn) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    std::vector<std::pair<int, int>> cells;
    g.OnClickCell = [&](TObject*, int ARow, int ACol) { cells.emplace_back(ARow, ACol); };
    f.Click(f.Centre(3, 2));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], std::make_pair(2, 3));
}

TEST(GridMouse, DirectEditOpensTheEditorOnlyFourPixelsInside) {
    const struct {
        int Inset;
        bool Opens;
    } cases[] = {{4, true}, {3, false}, {20, true}};
    for (const auto& c : cases) {
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        g.SetOptions(g.Options() + TGridOptions{goEditing});
        g.MouseActions()->SetDirectEdit(true);
        const TRect r = g.CellRect(1, 3);
        f.Click({r.Left + c.Inset, (r.Top + r.Bottom) / 2});
        EXPECT_EQ(g.Row(), 3) << c.Inset;
        EXPECT_EQ(g.EditorMode(), c.Opens) << c.Inset;
    }
}

TEST(GridMouse, HeaderClicksSortAscendingDescendingThenUndo) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    for (int r = 1; r <= 4; ++r) g.SetCells(4, r, QString::fromLatin1(std::array{"b", "d", "a", "c"}[r - 1]));
    g.SortSettings()->Show = true;
    g.SortSettings()->UndoSort = true;
    std::vector<int> sorted;
    g.OnClickSort = [&](TObject*, int ACol) { sorted.push_back(ACol); };
    const QStringList original = ColumnTexts(g, 4);

    f.Click(f.Centre(3, 0));
    EXPECT_EQ(ColumnTexts(g, 4), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(g.SortSettings()->Column, 4);
    // Rows move whole: the hidden column's texts and the check boxes go with them.
    EXPECT_EQ(g.Cells(2, 1), "addr3");
    EXPECT_EQ(g.Cells(3, 1), "Y");
    EXPECT_EQ(g.GetCellType(3, 1), ctDataCheckBox);

    f.Click(f.Centre(3, 0));
    EXPECT_EQ(ColumnTexts(g, 4), QStringList({"d", "c", "b", "a"}));
    EXPECT_EQ(g.SortSettings()->Direction, sdDescending);

    f.Click(f.Centre(3, 0));
    EXPECT_EQ(ColumnTexts(g, 4), original);
    EXPECT_EQ(g.SortSettings()->Column, -1);
    EXPECT_EQ(sorted, (std::vector<int>{4, 4, -1}));
}

TEST(GridMouse, HeaderClickSortsNumbersByValue) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    for (int r = 1; r <= 4; ++r) g.SetCells(1, r, QString::fromLatin1(std::array{"10", "9", "100", "x"}[r - 1]));
    g.SortSettings()->Show = true;
    f.Click(f.Centre(1, 0));
    EXPECT_EQ(ColumnTexts(g, 1), QStringList({"9", "10", "100", "x"}));
}

TEST(GridMouse, HeaderClickNeverSortsATwoRowGridNorARefusedColumn) {
    {
        MouseGridFixture f(1);
        f.Grid->SortSettings()->Show = true;
        f.Click(f.Centre(1, 0));
        EXPECT_EQ(f.Grid->SortSettings()->Column, -1);
    }
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SortSettings()->Show = true;
    g.OnCanSort = [](TObject*, int ACol, bool& DoSort) { DoSort = ACol != 4; };
    g.SetCells(4, 1, "z");
    f.Click(f.Centre(3, 0));
    EXPECT_EQ(g.Cells(4, 1), "z");
    EXPECT_EQ(g.SortSettings()->Column, -1);
}

TEST(GridMouse, DoubleClickOnHeaderBorderAutoSizesWithoutSorting) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptions{goColSizing});
    g.SortSettings()->Show = true;
    g.SetCells(1, 2, QStringLiteral("a much longer name than the column shows"));
    std::vector<int> ended;
    g.OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    const int before = g.ColWidths(1);
    const TRect r = g.CellRect(1, 0);
    QTest::mouseDClick(f.Surface(), Qt::LeftButton, {}, QPoint(r.Right - 1, (r.Top + r.Bottom) / 2));
    EXPECT_GT(g.ColWidths(1), before);
    EXPECT_EQ(ended, std::vector<int>{1});
    EXPECT_EQ(g.SortSettings()->Column, -1);
    EXPECT_EQ(g.Cells(1, 1), "name1");
}

TEST(GridMouse, ClickNearAHeaderBorderDoesNotSort) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptions{goColSizing});
    g.SortSettings()->Show = true;
    const TRect r = g.CellRect(3, 0);
    f.Click({r.Left + 2, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(g.SortSettings()->Column, -1);
    f.Click({r.Left + 5, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(g.SortSettings()->Column, 4);
}

TEST(GridMouse, RightClickSelectsBeforeItReports) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.MouseActions()->SetSelectOnRightClick(true);
    std::vector<std::tuple<int, int, int, int>> seen;  // row, col, then the current cell
    g.OnRightClickCell = [&](TObject*, int ARow, int ACol) { seen.emplace_back(ARow, ACol, g.Row(), g.Col()); };
    f.Click(f.Centre(3, 3), Qt::RightButton);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_tuple(3, 3, 3, 3));

    g.MouseActions()->SetSelectOnRightClick(false);
    f.Click(f.Centre(1, 2), Qt::RightButton);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], std::make_tuple(2, 1, 3, 3));
}

class GridMouseLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUrlOpener([this](const QString& url) { Opened << url; });
    }
    void TearDown() override { SetUrlOpener({}); }
    QStringList Opened;
};

TEST_F(GridMouseLinkTest, OnlyWebAndMailLinksOpen) {
    const struct {
        const char* Text;
        bool Opens;
    } cases[] = {{"https://example.com/rules", true},
                 {"http://example.com", true},
                 {"mailto:support@example.com", true},
                 {"file:///etc/passwd", false},
                 {"smb://server/share/tool.exe", false}};
    for (const auto& c : cases) {
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        g.SetURLShow(true);
        g.SetCells(4, 2, QString::fromLatin1(c.Text));
        QStringList anchors;
        g.OnAnchorClick = [&](TObject*, int ARow, int ACol, const QString& Anchor, bool&) {
            EXPECT_EQ(ARow, 2);
            EXPECT_EQ(ACol, 3);
            anchors << Anchor;
        };
        Opened.clear();
        f.Click(f.Centre(3, 2));
        EXPECT_EQ(anchors, QStringList{QString::fromLatin1(c.Text)}) << c.Text;
        EXPECT_EQ(Opened, c.Opens ? QStringList{QString::fromLatin1(c.Text)} : QStringList()) << c.Text;
    }
}

TEST_F(GridMouseLinkTest, AnchorClickCanTakeTheLinkOver) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetURLShow(true);
    g.SetCells(4, 2, "https://example.com");
    g.OnAnchorClick = [](TObject*, int, int, const QString&, bool& AutoHandle) { AutoHandle = false; };
    f.Click(f.Centre(3, 2));
    EXPECT_TRUE(Opened.isEmpty());
}

TEST_F(GridMouseLinkTest, CellReferenceMovesTheCurrentCell) {
    const struct {
        const char* Text;
        int Row, Col;
    } cases[] = {{"CELL://R3C2", 3, 2}, {"cell://r4c1", 4, 1}, {"CELL://R99C2", 1, 1}, {"CELL://RxC2", 1, 1}};
    for (const auto& c : cases) {
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        g.SetURLShow(true);
        g.SetCells(4, 1, QString::fromLatin1(c.Text));
        // A click elsewhere first makes (1, 1) current again.
        f.Click(f.Centre(1, 1));
        f.Click(f.Centre(3, 1));
        EXPECT_EQ(g.Row(), c.Row) << c.Text;
        EXPECT_EQ(g.Col(), c.Col) << c.Text;
        EXPECT_TRUE(Opened.isEmpty());
    }
}

TEST_F(GridMouseLinkTest, MarkupLinkOpensOnlyOnItsText) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetDefaultRowHeight(60);
    g.SetCells(4, 1, R"(<a href="https://example.com">go</a>)");
    const TRect r = g.CellRect(3, 1);
    // Well below the one line of text: nothing is hit.
    f.Click({r.Left + 8, r.Bottom - 4});
    EXPECT_TRUE(Opened.isEmpty());
    f.Click({r.Left + 8, r.Top + 10});
    EXPECT_EQ(Opened, QStringList{"https://example.com"});
}

TEST(GridMouse, RadioGroupClickChoosesTheItemUnderThePoint) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetColWidths(1, 200);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    TStrings* items = g.CreateRadio(1, 2, 1, 0);
    items->Add("Off");
    items->Add("On");
    items->Add("Auto");
    std::vector<int> chosen;
    g.OnRadioClick = [&](TObject*, int ACol, int ARow, int AIdx) {
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(ARow, 2);
        chosen.push_back(AIdx);
    };
    const TRect r = g.CellRect(1, 2);
    const QFontMetrics metrics(g.Fonts(1, 2).ToQFont());
    const int firstEnd = metrics.horizontalAdvance("Off") + 16;
    f.Click({r.Left + firstEnd + 3, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(chosen, std::vector<int>{1});
    int index = -1;
    EXPECT_TRUE(g.GetRadioIdx(1, 2, index));
    EXPECT_EQ(index, 1);
    // Past the last item nothing changes.
    f.Click({r.Right - 2, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(chosen, std::vector<int>{1});
}

TEST(GridMouse, DoubleClickOnHeaderOpensTheFixedCellEditors) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.MouseActions()->SetFixedRowsEdit(fceDblClick);
    g.MouseActions()->SetFixedRowsEditor(fceComboList);
    TStringList values;
    values.Add("Name");
    values.Add("Label");
    g.MouseActions()->SetFixedComboValues(values);
    QTest::mouseDClick(f.Surface(), Qt::LeftButton, {}, f.Centre(1, 0));
    QComboBox* combo = g.FixedCellCombo();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), "Name");
    const TRect r = g.CellRect(1, 0);
    EXPECT_EQ(combo->geometry().left(), r.Left);
    EXPECT_EQ(combo->geometry().top(), r.Top);

    // A refused edit opens nothing; the edit box takes the header text.
    combo->hide();
    g.MouseActions()->SetFixedRowsEditor(fceEdit);
    g.OnCanEditCell = [](TObject*, int, int ACol, bool& Allow) { Allow = ACol != 3; };
    QTest::mouseDClick(f.Surface(), Qt::LeftButton, {}, f.Centre(3, 0));
    EXPECT_TRUE(g.FixedCellEdit() == nullptr || !g.FixedCellEdit()->isVisible());
    QTest::mouseDClick(f.Surface(), Qt::LeftButton, {}, f.Centre(2, 0));
    ASSERT_NE(g.FixedCellEdit(), nullptr);
    EXPECT_TRUE(g.FixedCellEdit()->isVisible());
    EXPECT_EQ(g.FixedCellEdit()->text(), "Enable");
}

}  // namespace

namespace {

TEST(GridMouse, OneClickFiresOnClickOnce) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    int clicks = 0;
    g.OnClick = [&](TObject*) { ++clicks; };
    for (QPoint at : {f.Centre(3, 2), f.Centre(1, 0), f.Centre(0, 3)}) {
        clicks = 0;
        f.Click(at);
        EXPECT_EQ(clicks, 1) << at.x() << "," << at.y();
    }
}

}  // namespace

namespace {

TEST(GridMouse, CellButtonRightOfTheHiddenColumnClicksOnlyOnItsGraphic) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.SetColWidths(MouseGridFixture::EnableShown, 90);
    g.RemoveCheckBox(MouseGridFixture::EnableReal, 2);
    g.CreateCellGraphic(MouseGridFixture::EnableReal, 2)->SetButton(30, 14, "Go", haCenter, vaCenter);
    f.Surface()->repaint();
    std::vector<std::pair<int, int>> clicked;
    g.OnButtonClick = [&](TObject*, int ACol, int ARow) { clicked.emplace_back(ACol, ARow); };
    const TRect button = g.GetCellGraphicRect(MouseGridFixture::EnableShown, 2);
    ASSERT_GT(button.Right, button.Left);
    f.Click({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], std::make_pair(MouseGridFixture::EnableReal, 2));
    const TRect cell = g.CellRect(MouseGridFixture::EnableShown, 2);
    f.Click({cell.Right - 3, (cell.Top + cell.Bottom) / 2});
    EXPECT_EQ(clicked.size(), 1u);
}

}  // namespace
