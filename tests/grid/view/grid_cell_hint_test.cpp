// The hint of the cell under the mouse and the anchors of mini-HTML cells: which text, where
// it shows, and the anchor events of the mouse moves, which count only a real hit.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <QToolTip>

namespace {

class CellHintTest : public HoverGridTest {
protected:
    // The hint prepared for the point, with its position back in grid client coordinates.
    QString HintAt(QPoint p, QPoint* position = nullptr, THintInfo* out = nullptr) {
        THintInfo info;
        info.CursorPos = {p.x(), p.y()};
        QString hint;
        Grid->PrepareCellHint(hint, info);
        if (position) *position = View()->mapFromGlobal(QPoint(info.HintPos.X, info.HintPos.Y));
        if (out) *out = info;
        return hint;
    }
};

TEST_F(CellHintTest, CellTextsShowOnNormalCellsOnlyAndOnGridHintHasTheLastWord) {
    Grid->SetHintShowCells(true);
    QPoint position;
    EXPECT_EQ(HintAt(Centre(3, 4), &position), "4,4");  // displayed 3 is real 4
    EXPECT_EQ(position, QPoint(Centre(3, 4).x(), Grid->CellRect(3, 4).Top));
    EXPECT_EQ(HintAt(Centre(3, 0)), "");
    EXPECT_EQ(HintAt(Centre(0, 4)), "");
    std::vector<std::pair<int, int>> asked;
    Grid->OnGridHint = [&](TObject*, int row, int col, QString& hint) {
        asked.push_back({row, col});
        hint += "!";
    };
    EXPECT_EQ(HintAt(Centre(3, 4)), "4,4!");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(4, 4));  // row first, real column
}

TEST_F(CellHintTest, MarkupIsStrippedUnlessHtmlHintAndThenUsesTheHtmlWindow) {
    Grid->SetHintShowCells(true);
    Grid->SetCells(4, 5, "<b>bold</b> text");
    THintInfo info;
    EXPECT_EQ(HintAt(Centre(3, 5), nullptr, &info), "bold text");
    EXPECT_TRUE(info.HintWindowClass.isEmpty());
    Grid->SetHTMLHint(true);
    EXPECT_EQ(HintAt(Centre(3, 5), nullptr, &info), "<b>bold</b> text");
    EXPECT_EQ(info.HintWindowClass, "THTMLHintWindow");
}

TEST_F(CellHintTest, LargeTextShowsWholeOnTheCellOrAtTheCursor) {
    const QString longText = "a text far longer than the sixty pixels of its cell";
    Grid->SetCells(4, 6, longText);
    Grid->SetHintShowLargeText(true);
    const QPoint cursor = Centre(3, 6) + QPoint(5, 0);
    const TRect cell = Grid->CellRect(3, 6);
    QPoint position;
    EXPECT_EQ(HintAt(cursor, &position), longText);
    EXPECT_EQ(position, QPoint(cell.Left, cell.Top));  // hpCell
    Grid->SetHintShowLargeTextPos(true);               // hpCursor
    EXPECT_EQ(HintAt(cursor, &position), longText);
    EXPECT_EQ(position, QPoint(cursor.x(), cell.Bottom + 6));
    EXPECT_EQ(HintAt(Centre(3, 7)), "");  // fits its cell
}

TEST_F(CellHintTest, AnchorHintIsItsTitleOrHrefOnlyOnAHit) {
    Grid->SetAnchorHint(true);
    Grid->SetRowHeights(3, 60);
    Grid->SetCells(4, 3, R"(<a href="https://example.com" title="Example">link</a>)");
    Grid->SetCells(5, 3, R"(<a href="https://example.com/2">two</a>)");
    const TRect cell = Grid->CellRect(3, 3);
    const QPoint onLink(cell.Left + 8, cell.Top + 9);
    QPoint position;
    EXPECT_EQ(HintAt(onLink, &position), "Example");
    EXPECT_EQ(position, onLink + QPoint(8, -16));
    const TRect second = Grid->CellRect(4, 3);
    QString anchorSeen;
    Grid->OnAnchorHint = [&](TObject*, int, int, QString& anchor) { anchorSeen = anchor; };
    EXPECT_EQ(HintAt(QPoint(second.Left + 8, second.Top + 9)), "https://example.com/2");
    EXPECT_EQ(anchorSeen, "https://example.com/2");
    // Below the link's line nothing is hit, so no anchor hint.
    EXPECT_EQ(HintAt(QPoint(cell.Left + 8, cell.Top + 45)), "");
}

TEST_F(HoverGridTest, AnchorEnterAndExitFollowTheMouseWithTheRowFirst) {
    Grid->SetRowHeights(3, 60);
    Grid->SetCells(4, 3, R"(<a href="https://example.com">link</a>)");
    std::vector<QString> events;
    Grid->OnAnchorEnter = [&](TObject*, int row, int col, const QString& anchor) {
        events.push_back(QString("enter %1 %2 %3").arg(row).arg(col).arg(anchor));
    };
    Grid->OnAnchorExit = [&](TObject*, int row, int col, const QString& anchor) {
        events.push_back(QString("exit %1 %2 %3").arg(row).arg(col).arg(anchor));
    };
    std::vector<std::pair<int, int>> hinted;
    Grid->OnAnchorHint = [&](TObject*, int row, int col, QString&) { hinted.push_back({row, col}); };
    const TRect cell = Grid->CellRect(3, 3);
    MoveTo(QPoint(cell.Left + 8, cell.Top + 9));
    EXPECT_EQ(View()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(hinted, (std::vector<std::pair<int, int>>{{3, 3}}));  // no title: the application may give one
    MoveTo(QPoint(cell.Left + 10, cell.Top + 9));  // still on it: no second enter
    MoveTo(QPoint(cell.Left + 8, cell.Top + 45));  // below the line: not hit
    EXPECT_NE(View()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(events, (std::vector<QString>{"enter 3 3 https://example.com", "exit 3 3 https://example.com"}));
    EXPECT_TRUE(Grid->FAnchor.isEmpty());
}

TEST_F(HoverGridTest, ToolTipRequestShowsThePreparedHint) {
    Grid->SetHintShowCells(true);
    QHelpEvent request(QEvent::ToolTip, Centre(3, 4), View()->mapToGlobal(Centre(3, 4)));
    QApplication::sendEvent(View(), &request);
    EXPECT_TRUE(QToolTip::text().contains("4,4"));
    QToolTip::hideText();
}

}  // namespace
