#include "drop_down_fixture.h"

#include "dropdowns/detail_drop_down.h"
#include "dropdowns/item_selector.h"
#include "platform/image_list.h"

namespace {

QImage Solid(QColor color, int size = 8) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class DetailDropDownTest : public DropDownWindowTest {
protected:
    void SetUp() override {
        DropDownWindowTest::SetUp();
        Detail = Make<TExDetailDropDown>();
        for (const char* caption : {"Apple", "Apricot", "banana", "Cherry"})
            Detail->Items().Add()->SetCaption(QString::fromLatin1(caption));
        Detail->OnSelect = [this](TObject*) { ++Selects; };
        Detail->OnChange = [this](TObject*) { ++Changes; };
    }
    void Type(const char* keys) {
        for (const char* k = keys; *k; ++k) QTest::keyClick(Detail, *k);
    }
    QString Selected() const { return Detail->SelText(); }

    TExDetailDropDown* Detail = nullptr;
    int Selects = 0;
    int Changes = 0;
};

TEST_F(DetailDropDownTest, TypingCompletesFromTheFirstMatchingCaption) {
    Type("a");
    // The typed key and the written completion are two changes: the completion runs the
    // handling again at once, which leaves it as it is.
    EXPECT_EQ(Changes, 2);
    Type("p");
    EXPECT_EQ(Detail->Text(), "apple");
    EXPECT_EQ(Selected(), "ple");
    EXPECT_EQ(Detail->SelStart(), 2);
    EXPECT_EQ(Detail->ItemIndex(), 0);
    Type("r");
    EXPECT_EQ(Detail->Text(), "apricot");
    EXPECT_EQ(Selected(), "icot");
    EXPECT_EQ(Detail->ItemIndex(), 1);
    EXPECT_EQ(Selects, 0);
    EXPECT_TRUE(Detail->IsModified());
}

TEST_F(DetailDropDownTest, CaseRulesAndUnmatchedText) {
    struct Case {
        bool matchCase;
        const char* keys;
        const char* text;
        const char* selected;
        int itemIndex;
    };
    const Case cases[] = {
        {false, "ch", "cherry", "erry", 3},
        {false, "B", "Banana", "anana", 2},
        {true, "ap", "ap", "", -1},
        {true, "Ap", "Apple", "ple", 0},
        {false, "apx", "apx", "", 0},  // no caption matches: the text is what was typed
        {false, "x", "x", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Detail->SetItemIndex(-1);
        Detail->SetText(QString());
        Detail->SetMatchCase(c.matchCase);
        Type(c.keys);
        EXPECT_EQ(Detail->Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(Selected(), QString::fromLatin1(c.selected));
        EXPECT_EQ(Detail->ItemIndex(), c.itemIndex);
    }
}

TEST_F(DetailDropDownTest, AKeyInTheMiddleCutsTheRestWhenNothingMatches) {
    Detail->SetText(QStringLiteral("Cherry"));
    Detail->SetSelStart(2);
    Type("x");
    EXPECT_EQ(Detail->Text(), "Chx");
    EXPECT_EQ(Detail->SelStart(), 3);
}

TEST_F(DetailDropDownTest, BackspaceAndDeleteDoNotCompleteAgain) {
    Type("ap");
    ASSERT_EQ(Detail->Text(), "apple");
    QTest::keyClick(Detail, Qt::Key_Backspace);
    EXPECT_EQ(Detail->Text(), "ap");
    QTest::keyClick(Detail, Qt::Key_Backspace);
    EXPECT_EQ(Detail->Text(), "a");
    // The next letter turns the lookup back on.
    Type("p");
    EXPECT_EQ(Detail->Text(), "apple");
}

TEST_F(DetailDropDownTest, EnterAndEscSelectOnlyAnExactCaption) {
    struct Case {
        const char* text;
        Qt::Key key;
        int itemIndex;
        int selects;
    };
    const Case cases[] = {
        {"Apricot", Qt::Key_Return, 1, 0},  // Enter sets the index directly
        {"apricot", Qt::Key_Return, -1, 0},
        {"banana", Qt::Key_Escape, 2, 1},
        {"Banana", Qt::Key_Escape, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Detail->SetItemIndex(-1);
        Selects = 0;
        Detail->SetText(QString::fromLatin1(c.text));
        ASSERT_EQ(Detail->ItemIndex(), -1);
        QTest::keyClick(Detail, c.key);
        EXPECT_EQ(Detail->ItemIndex(), c.itemIndex);
        EXPECT_EQ(Selects, c.selects);
        EXPECT_EQ(Detail->Text(), QString::fromLatin1(c.text));
    }
}

TEST_F(DetailDropDownTest, ItemIndexChecksItsValue) {
    Detail->SetItemIndex(3);
    EXPECT_EQ(Detail->Text(), "Cherry");
    EXPECT_EQ(Selected(), "Cherry");
    EXPECT_EQ(Selects, 1);
    Detail->SetItemIndex(3);
    Detail->SetItemIndex(4);
    Detail->SetItemIndex(-2);
    EXPECT_EQ(Detail->ItemIndex(), 3);
    EXPECT_EQ(Selects, 1);
    Detail->SetItemIndex(-1);
    EXPECT_EQ(Detail->Text(), "");
    EXPECT_EQ(Selects, 1);
    // Stepping stops at the ends.
    Detail->SelectPrevious();
    EXPECT_EQ(Detail->ItemIndex(), 0);
    Detail->SelectPrevious();
    Detail->SelectLast();
    Detail->SelectNext();
    EXPECT_EQ(Detail->ItemIndex(), 3);
    EXPECT_EQ(Selects, 3);
}

TEST_F(DetailDropDownTest, TheOpenListMovesLiveAndCancelPutsTheItemBack) {
    Detail->SetItemIndex(0);
    QTest::keyClick(Detail, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Detail->DroppedDown());
    TExCustomItemSelector* selector = Detail->ItemSelector();
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->Items().Count(), 4);
    EXPECT_EQ(selector->ItemIndex(), 0);
    Selects = 0;
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_Down);
    EXPECT_EQ(Detail->ItemIndex(), 1);
    EXPECT_EQ(Detail->Text(), "Apricot");
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_C);
    EXPECT_EQ(Detail->ItemIndex(), 3);
    EXPECT_EQ(Detail->CurrentSearch(), "C");
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_Up);
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_TRUE(Detail->DroppedDown());
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_Escape);
    EXPECT_FALSE(Detail->DroppedDown());
    EXPECT_EQ(Detail->ItemIndex(), 0);
    EXPECT_EQ(Detail->Text(), "Apple");
    EXPECT_EQ(Selects, 4);

    Detail->ShowDropDown();
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_Down);
    QTest::keyClick(PopUpKeyTarget(Detail), Qt::Key_Return);
    EXPECT_FALSE(Detail->DroppedDown());
    EXPECT_EQ(Detail->ItemIndex(), 1);
}

TEST_F(DetailDropDownTest, AClickOnARowSelectsAndCloses) {
    Detail->ShowDropDown();
    TExCustomItemSelector* selector = Detail->ItemSelector();
    ASSERT_TRUE(Detail->DroppedDown());
    TRect r;
    selector->ItemSelectorPanel()->GetItemRect(2, r);
    EXPECT_EQ(r.Height(), Detail->ItemHeight());
    // Rows fill the list's width, which is the edit's.
    EXPECT_GT(r.Width(), Detail->width() / 2);
    QTest::mouseClick(selector->ItemSelectorPanel(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    EXPECT_FALSE(Detail->DroppedDown());
    EXPECT_EQ(Detail->ItemIndex(), 2);
    EXPECT_EQ(Detail->Text(), "banana");
    EXPECT_EQ(Selects, 1);
}

TEST_F(DetailDropDownTest, ClosedKeysAndWheelStepTheItem) {
    QTest::keyClick(Detail, Qt::Key_Down);
    EXPECT_EQ(Detail->ItemIndex(), 0);
    QTest::keyClick(Detail, Qt::Key_Down);
    EXPECT_EQ(Detail->ItemIndex(), 1);
    QTest::keyClick(Detail, Qt::Key_Up);
    EXPECT_EQ(Detail->ItemIndex(), 0);
    // With the editor on, End moves the caret, not the item.
    QTest::keyClick(Detail, Qt::Key_End);
    EXPECT_EQ(Detail->ItemIndex(), 0);
    Detail->SetEditorEnabled(false);
    QTest::keyClick(Detail, Qt::Key_End);
    EXPECT_EQ(Detail->ItemIndex(), 3);
    QWheelEvent up(QPointF(5, 5), Detail->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120), Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(Detail, &up);
    EXPECT_EQ(Detail->ItemIndex(), 2);
}

TEST_F(DetailDropDownTest, RowsShowThePictureFirstAndCentreItWithoutCaption) {
    TCustomImageList images(nullptr, 8, 8);
    images.Add(Solid(Qt::blue));
    Detail->SetImages(&images);
    Detail->Items().Clear();
    TDetailItem* both = Detail->Items().Add();
    both->SetCaption(QStringLiteral("Both"));
    both->SetImageIndex(0);
    both->SetImage(TPicture(Solid(Qt::red)));
    both->SetNotes(QStringLiteral("<b>note</b>"));
    TDetailItem* bare = Detail->Items().Add();
    bare->SetImageIndex(0);
    Detail->ShowDropDown();
    QApplication::processEvents();
    TCustomItemSelector* panel = Detail->ItemSelector()->ItemSelectorPanel();
    const QImage shot = panel->grab().toImage();
    TRect first, second;
    panel->GetItemRect(0, first);
    panel->GetItemRect(1, second);
    const auto colourAt = [&](const TRect& r, int x) { return shot.pixelColor(x, (r.Top + r.Bottom) / 2); };
    // The first row's picture stands at its left, red; the image-list image is not drawn.
    bool red = false, blueInFirst = false;
    for (int x = first.Left; x < first.Left + 20; ++x) {
        red = red || colourAt(first, x) == QColor(Qt::red);
        blueInFirst = blueInFirst || colourAt(first, x) == QColor(Qt::blue);
    }
    EXPECT_TRUE(red);
    EXPECT_FALSE(blueInFirst);
    // The captionless row centres its image.
    const int middle = (second.Left + second.Right) / 2;
    EXPECT_EQ(colourAt(second, middle), QColor(Qt::blue));
    EXPECT_NE(colourAt(second, second.Left + 4), QColor(Qt::blue));
    Detail->HideDropDown(true);
    Detail->SetImages(nullptr);
}

}  // namespace
