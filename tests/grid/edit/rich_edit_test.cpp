#include "grid/edit/ex_rich_edit.h"
#include "grid/edit/rtf_codec.h"
#include "inplace_edit_fixture.h"
#include "rtf_notation.h"

#include <QTest>
#include <QTextCursor>

namespace {

class RichEditTest : public InplaceEditFixture {
protected:
    void SetUp() override {
        InplaceEditFixture::SetUp();
        UseKind(edRichEdit);
    }
    TExRichEdit* Rich() { return Grid().InplaceRichEdit(); }
    // The current cell gets Text and F2 opens the rich edit on it.
    void OpenRich(const QString& Text) {
        Grid().SetCells(Grid().Col(), Grid().Row(), Text);
        Form->Key(Qt::Key_F2);
        ASSERT_TRUE(Rich()->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), Rich());
    }
    void OpenOnRuns(const char* Notation) { OpenRich(WriteRtf(ParseRunNotation(QString::fromUtf8(Notation)))); }
    void Select(int From, int To) {
        QTextCursor cursor = Rich()->textCursor();
        cursor.setPosition(From);
        cursor.setPosition(To, QTextCursor::KeepAnchor);
        Rich()->setTextCursor(cursor);
    }
    // The focus going back to the grid ends the edit.
    void CloseByFocus() {
        Grid().setFocus(Qt::OtherFocusReason);
        ASSERT_FALSE(Rich()->isVisible());
    }
    QString CellRuns(int ACol, int ARow) { return RunNotation(ReadRtf(Grid().Cells(ACol, ARow))); }
    void TypeIntoRich(const char* Text) {
        for (const char* c = Text; *c; ++c) {
            if (*c == '\n') QTest::keyClick(Rich(), Qt::Key_Return);
            else QTest::keyClick(Rich(), *c);
        }
    }
};

TEST_F(RichEditTest, SubAndSuperscriptGoThroughTheCellAndBack) {
    OpenOnRuns("|H2O and x\nsuper|2\n");
    EXPECT_EQ(Rich()->toPlainText(), QStringLiteral("H2O and x2"));
    Select(9, 10);
    EXPECT_TRUE(Rich()->IsSelSuperscript());
    EXPECT_FALSE(Rich()->IsSelNormal());
    Select(1, 2);
    EXPECT_TRUE(Rich()->IsSelNormal());
    Rich()->SelSubscript();
    EXPECT_TRUE(Rich()->IsSelSubscript());
    EXPECT_FALSE(Rich()->IsSelSuperscript());
    CloseByFocus();
    EXPECT_EQ(CellRuns(2, 2), QStringLiteral("|H\nsub|2\n|O and x\nsuper|2\n"));

    // Opened again, the offsets are where they were left; a selection that mixes them is
    // none of the three.
    Form->Key(Qt::Key_F2);
    Select(1, 2);
    EXPECT_TRUE(Rich()->IsSelSubscript());
    Select(0, 10);
    EXPECT_FALSE(Rich()->IsSelNormal() || Rich()->IsSelSubscript() || Rich()->IsSelSuperscript());
    Rich()->SelNormal();
    EXPECT_TRUE(Rich()->IsSelNormal());
    CloseByFocus();
    EXPECT_EQ(CellRuns(2, 2), QStringLiteral("|H2O and x2\n"));
}

// The mend: characters outside any 8-bit code page survive the cell.
TEST_F(RichEditTest, NoCharacterIsLostThroughTheCell) {
    OpenOnRuns("b|€ ł Ω 漢 😀\n");
    EXPECT_EQ(Rich()->toPlainText(), QString::fromUtf8("€ ł Ω 漢 😀"));
    CloseByFocus();
    const QString stored = Grid().Cells(2, 2);
    EXPECT_TRUE(stored.contains(QLatin1String("\\u8364?")) && stored.contains(QLatin1String("\\u322?")));
    EXPECT_EQ(CellRuns(2, 2), QString::fromUtf8("b|€ ł Ω 漢 😀\n"));
}

TEST_F(RichEditTest, AnEmptyCellOpensEmptyAndClosesAsRtf) {
    OpenRich(QString());
    EXPECT_TRUE(Rich()->toPlainText().isEmpty());
    CloseByFocus();
    EXPECT_TRUE(IsRtfText(Grid().Cells(2, 2)));
    EXPECT_EQ(CellRuns(2, 2), QString());
    // A cell of plain text opens as that text.
    Grid().SetCells(2, 3, QStringLiteral("plain\ntwo lines"));
    Grid().FocusCell(2, 3);
    Form->Key(Qt::Key_F2);
    EXPECT_EQ(Rich()->toPlainText(), QStringLiteral("plain\ntwo lines"));
}

TEST_F(RichEditTest, TypingGrowsTheRowUntilTheGridsBottom) {
    Grid().SizeWhileTyping()->SetHeight(true);
    std::vector<int> sized;
    Grid().OnEndRowSize = [&](TObject*, int ARow) { sized.push_back(ARow); };
    OpenOnRuns("|one\n");
    Rich()->moveCursor(QTextCursor::End);
    TypeIntoRich("\ntwo\nthree");
    const int grown = Grid().RowHeights(2);
    EXPECT_EQ(grown, Rich()->ReqHeight() + 10);
    EXPECT_GT(grown, 3 * Rich()->fontMetrics().height());
    EXPECT_EQ(Rich()->height(), grown - 1);
    EXPECT_FALSE(sized.empty());
    EXPECT_EQ(sized.back(), 2);
    CloseByFocus();

    // In a grid that ends right below the cell the row keeps its height.
    sized.clear();
    Grid().SetRowHeights(2, 20);
    Grid().resize(Grid().width(), Grid().CellRect(2, 2).Bottom + 4);
    Form->Key(Qt::Key_F2);
    Rich()->moveCursor(QTextCursor::End);
    TypeIntoRich("\nfour\nfive");
    EXPECT_EQ(Grid().RowHeights(2), 20);
    EXPECT_TRUE(sized.empty());
}

TEST_F(RichEditTest, UpAndDownLeaveTheCellOnlyWithoutWrapping) {
    struct Case {
        bool wordWrap;
        bool multiline;
        int rowAfterDown;
    } const cases[] = {{false, false, 3}, {true, false, 2}, {false, true, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wordWrap << c.multiline);
        Grid().SetWordWrap(c.wordWrap);
        Grid().SetMultilinecells(c.multiline);
        Grid().FocusCell(2, 2);
        OpenOnRuns("|first\\psecond\n");
        Rich()->moveCursor(QTextCursor::Start);
        QTest::keyClick(Rich(), Qt::Key_Down);
        EXPECT_EQ(Grid().Row(), c.rowAfterDown);
        if (c.rowAfterDown == 2) {
            EXPECT_TRUE(Rich()->isVisible());
            EXPECT_EQ(Rich()->textCursor().blockNumber(), 1);
            CloseByFocus();
        } else {
            EXPECT_FALSE(Rich()->isVisible());
            EXPECT_EQ(RunNotation(ReadRtf(Grid().Cells(2, 2))), QStringLiteral("|first\\psecond\n"));
        }
    }
}

TEST_F(RichEditTest, TabWalksToTheNextCellOnlyWithGoTabs) {
    OpenOnRuns("b|bold\n");
    QTest::keyClick(Rich(), Qt::Key_Tab);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_TRUE(Rich()->isVisible());
    EXPECT_EQ(Rich()->toPlainText(), QStringLiteral("3,2"));
    EXPECT_EQ(CellRuns(2, 2), QStringLiteral("b|bold\n"));
    CloseByFocus();

    Grid().SetOptions(Grid().Options().Exclude(goTabs));
    Grid().FocusCell(2, 2);
    Form->Key(Qt::Key_F2);
    Rich()->moveCursor(QTextCursor::End);
    QTest::keyClick(Rich(), Qt::Key_Tab);
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Rich()->toPlainText(), QStringLiteral("bold\t"));
}

TEST_F(RichEditTest, RtfCellsArePaintedFormatted) {
    Grid().SetColWidths(2, 200);
    Grid().SetCells(2, 3, WriteRtf(ParseRunNotation(QStringLiteral("color=#ff0000,b,size=24|RED\n"))));
    const TRect cell = Grid().CellRect(2, 3);
    const QImage image = Grid().grab().toImage();
    int red = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80) ++red;
        }
    EXPECT_GT(red, 20) << "no red text in the cell";
}

TEST_F(RichEditTest, ClipboardRichTextIsTheCellsRtfWrittenAnew) {
    Grid().SetCells(1, 1, QStringLiteral("plain"));
    EXPECT_TRUE(Grid().ClipboardRichText(1, 1).isEmpty());
    Grid().SetCells(1, 1, QStringLiteral("{\\rtf1\\ansi\\ansicpg1250 {\\b \\'b3\\'80}}"));
    const QString rtf = Grid().ClipboardRichText(1, 1);
    for (QChar c : rtf) ASSERT_LT(c.unicode(), 0x80);
    EXPECT_EQ(RunNotation(ReadRtf(rtf)), QString::fromUtf8("b|ł€\n"));
}

}  // namespace
