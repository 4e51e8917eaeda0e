#include "drop_down_fixture.h"

#include "dropdowns/memo_drop_down.h"

namespace {

using MemoTest = DropDownWindowTest;

TEST_F(MemoTest, TheEditShowsADigestOfTheLines) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetEditorEnabled(false);
    dropDown->SetMemoText({"abc", "def"});
    EXPECT_EQ(dropDown->Text(), "abc...");
    dropDown->SetMemoText({"abc"});
    EXPECT_EQ(dropDown->Text(), "abc");
    const QString wide(60, QLatin1Char('w'));
    dropDown->SetMemoText({wide});
    EXPECT_TRUE(dropDown->Text().endsWith("...")) << dropDown->Text().toStdString();
    EXPECT_LT(dropDown->Text().size(), wide.size());
    dropDown->SetEditorEnabled(true);
    dropDown->SetMemoText({"abc", "def"});
    EXPECT_EQ(dropDown->Text(), "abc\ndef\n");
}

TEST_F(MemoTest, EnterBreaksLinesAndAClickOutsideKeepsThem) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetMemoText({"one"});
    dropDown->ShowDropDown();
    ASSERT_TRUE(dropDown->DroppedDown());
    TMemo* memo = dropDown->Memo();
    ASSERT_TRUE(memo->hasFocus());
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "two");
    EXPECT_TRUE(dropDown->DroppedDown());
    ClickThroughWindow(Other, QPoint(5, 5));
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_EQ(dropDown->MemoText(), (QStringList{"one", "two"}));
}

TEST_F(MemoTest, EscKeepsTheLinesAndTheirDigest) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetEditorEnabled(false);
    dropDown->SetMemoText({"abc", "def"});
    dropDown->ShowDropDown();
    TMemo* memo = dropDown->Memo();
    memo->selectAll();
    QTest::keyClicks(memo, "gone");
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_EQ(dropDown->MemoText(), (QStringList{"abc", "def"}));
    EXPECT_EQ(dropDown->Text(), "abc...");
}

TEST_F(MemoTest, AutoDropOpensOnEntryButNotOnTheReturnFromThePopUp) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetAutoDrop(true);
    Other->setFocus();
    QApplication::processEvents();
    dropDown->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(dropDown->DroppedDown());
    QTest::keyClick(dropDown->Memo(), Qt::Key_F4);
    EXPECT_FALSE(dropDown->DroppedDown());
    QApplication::processEvents();
    EXPECT_FALSE(dropDown->DroppedDown());
}

TEST_F(MemoTest, TypingReplacesTheLines) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetMemoText({"abc", "def"});
    dropDown->SetText("");
    QTest::keyClicks(dropDown, "xy");
    EXPECT_EQ(dropDown->MemoText(), QStringList{"xy"});
}

}  // namespace
