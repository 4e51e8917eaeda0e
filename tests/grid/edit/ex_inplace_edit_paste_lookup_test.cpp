// The plain edit's paste rules per kind with the clipboard events, type-ahead from the
// lookup list and the lookup history, and the password face.

#include "grid/edit/inplace_edit_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class InplacePasteFixture : public InplaceEditFixture {
protected:
    void OpenOn(const QString& Text, TEditorType Kind = edNormal) {
        UseKind(Kind);
        InplaceEditFixture::OpenOn(Text);
    }
};

TEST_F(InplacePasteFixture, PasteFollowsTheKindAndTheLimit) {
    struct Case {
        const char* Name;
        TEditorType Kind;
        int Limit;
        QString Cell;
        QString Clipboard;
        QString Expected;
    };
    const Case cases[] = {
        {"normal inserts at the caret", edNormal, 0, "ab", "XY", "abXY"},
        {"a final line end is dropped", edNormal, 0, "", "Room 1\r\n", "Room 1"},
        {"numeric takes a whole number", edNumeric, 0, "1", "23", "123"},
        {"numeric refuses a letter", edNumeric, 0, "1", "2a", "1"},
        {"positive numeric refuses a minus", edPositiveNumeric, 0, "", "-5", ""},
        {"float takes a decimal number", edFloat, 0, "", "1.5", "1.5"},
        {"positive float refuses a minus", edPositiveFloat, 0, "", "-1.5", ""},
        {"upper case", edUpperCase, 0, "A", "bc", "ABC"},
        {"mixed case", edMixedCase, 0, "", "big room", "Big Room"},
        {"longer than the limit: nothing", edNormal, 3, "a", "bcd", "a"},
        {"within the limit", edNormal, 3, "a", "bc", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().SetMaxEditLength(c.Limit);
        QGuiApplication::clipboard()->setText(c.Clipboard);
        OpenOn(c.Cell, c.Kind);
        QTest::keyClick(Edit(), Qt::Key_End);
        QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Edit()->Text(), c.Expected);
        QTest::keyClick(Edit(), Qt::Key_Escape);
    }
}

TEST_F(InplacePasteFixture, PasteEventsCanRefuseAndChangeTheTextAndTheAfterEventFires) {
    QGuiApplication::clipboard()->setText("pasted");
    std::vector<QString> after;
    Grid().OnClipboardAfterPasteCell = [&](TObject* Sender, int, int, const QString& Value) {
        EXPECT_EQ(Sender, Edit());
        after.push_back(Value);
    };
    Grid().OnClipboardBeforePasteCell = [](TObject*, int, int, QString& Value, bool&) { Value = Value.toUpper(); };
    OpenOn("");
    QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit()->Text(), "PASTED");
    EXPECT_EQ(after, std::vector<QString>{"PASTED"});

    Grid().OnClipboardPaste = [](TObject*, const QString&, bool& Allow) { Allow = false; };
    QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit()->Text(), "PASTED");
    EXPECT_EQ(after.size(), 1u);
}

TEST_F(InplacePasteFixture, CopyAndCutAskTheirEvents) {
    QGuiApplication::clipboard()->setText("before");
    bool allowCut = false;
    Grid().OnClipboardCut = [&](TObject*, const QString&, bool& Allow) { Allow = allowCut; };
    OpenOn("text");
    QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Edit()->Text(), "text");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    allowCut = true;
    QTest::keyClick(Edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Edit()->Text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "text");
}

TEST_F(InplacePasteFixture, TypeAheadCompletesFromTheLookupListUntilBackspace) {
    Grid().SetLookup(true);
    Grid().LookupItems()->Add("Banana");
    Grid().LookupItems()->Add("Apple");
    OpenOn("");
    QTest::keyClicks(Edit(), "ap");
    EXPECT_EQ(Edit()->Text(), "apple");
    EXPECT_EQ(Edit()->SelText(), "ple");
    QTest::keyClick(Edit(), Qt::Key_Backspace);  // takes the completion away
    EXPECT_EQ(Edit()->Text(), "ap");
    QTest::keyClick(Edit(), Qt::Key_Backspace);
    EXPECT_EQ(Edit()->Text(), "a");
    QTest::keyClick(Edit(), 'p');  // an ordinary key completes again
    EXPECT_EQ(Edit()->Text(), "apple");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, 2), "apple");
}

TEST_F(InplacePasteFixture, LookupHistoryKeepsWhatWasEnteredOnce) {
    Grid().SetLookupHistory(true);
    OpenOn("");
    QTest::keyClicks(Edit(), "Kitchen");
    QTest::keyClick(Edit(), Qt::Key_Return);
    Grid().FocusCell(2, 3);
    OpenOn("");
    QTest::keyClicks(Edit(), "Kitchen");
    QTest::keyClick(Edit(), Qt::Key_Return);
    ASSERT_EQ(Grid().LookupItems()->Count(), 1);
    EXPECT_EQ(Grid().LookupItems()->Strings(0), "Kitchen");
}

TEST_F(InplacePasteFixture, ThePasswordFaceShowsItsCharacterAndStoresTheText) {
    Grid().SetPasswordChar("#");
    OpenOn("", edPassword);
    QTest::keyClicks(Edit(), "se1");
    QTest::keyClick(Edit(), Qt::Key_Backspace);
    QTest::keyClicks(Edit(), "cret");
    EXPECT_EQ(Edit()->toPlainText(), "######");
    EXPECT_EQ(Edit()->Text(), "secret");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, 2), "secret");
}

}  // namespace
