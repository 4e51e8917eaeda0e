#include "dropdowns/item_selector.h"
#include "dropdowns/dropdown_drawing.h"
#include "platform/image_list.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <memory>

namespace {

class ItemSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Selector = std::make_unique<TExCustomItemSelector>(nullptr);
        Selector->resize(300, 200);
        Selector->OnItemSelect = [this](TObject* sender) {
            EXPECT_EQ(sender, Selector.get());
            ++Selections;
        };
    }
    // Items of a fixed size, so the layout does not depend on fonts.
    void Fill(int count, int width = 50, int height = 20, int columns = 1) {
        Selector->OnItemSize = [width, height](TObject*, TSize& size) { size = {width, height}; };
        Selector->SetColumns(columns);
        for (int i = 0; i < count; ++i) Selector->Items().Add()->SetCaption(QStringLiteral("Item %1").arg(i));
        Selector->UpdateSelectorPanel();
    }
    TCustomItemSelector& Panel() { return *Selector->ItemSelectorPanel(); }
    TRect ItemRect(int i) {
        TRect r;
        Panel().GetItemRect(i, r);
        return r;
    }
    QImage Shot() { return Panel().grab().toImage(); }

    std::unique_ptr<TExCustomItemSelector> Selector;
    int Selections = 0;
};

TEST_F(ItemSelectorTest, ItemsFillColumnsRowByRowAndThePanelFitsThem) {
    TSize size;
    Selector->GetSelectorSize(size);
    EXPECT_EQ(size, (TSize{100, 50}));  // no items

    Fill(10, 50, 20, 3);
    Selector->GetSelectorSize(size);
    EXPECT_EQ(size, (TSize{3 * 50 + 4, 4 * 20 + 4}));
    EXPECT_EQ(ItemRect(0), Rect(2, 2, 52, 22));
    EXPECT_EQ(ItemRect(5), Rect(102, 22, 152, 42));
    EXPECT_EQ(ItemRect(9), Rect(2, 62, 52, 82));  // alone at the left of the last row
    EXPECT_EQ(ItemRect(10), Rect(-1, -1, -1, -1));
    EXPECT_EQ(ItemRect(-1), Rect(-1, -1, -1, -1));

    const struct {
        int x, y, expected;
    } points[] = {{2, 2, 0}, {51, 21, 0}, {52, 2, 1}, {151, 41, 5}, {60, 70, -1}, {0, 0, -1}, {153, 2, -1}};
    for (const auto& p : points) EXPECT_EQ(Panel().ItemAtPos(p.x, p.y), p.expected) << p.x << "," << p.y;

    Selector->SetColumns(0);  // ignored
    EXPECT_EQ(Selector->Columns(), 3);
}

TEST_F(ItemSelectorTest, MeasuredItemSizesFollowTheLayout) {
    TCustomImageList images(nullptr, 16, 16);
    images.Add(QImage());
    Selector->SetImages(&images);
    auto* item = Selector->Items().Add();
    item->SetCaption(QStringLiteral("Red"));
    item->SetImageIndex(0);
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    TCanvas canvas(&painter);
    canvas.Font = Selector->ItemAppearance().Font();
    TSize caption;
    DrawHTMLText(canvas, QStringLiteral("Red"), Rect(0, 0, 1000, 500), caption, 0, false, nullptr);
    const int cw = caption.cx + 4;

    const struct {
        TSelectorType type;
        TItemLayout layout;
        TSize expected;
    } cases[] = {
        {stImage, ilCaptionRight, {2 * 4 + 16 + 4 + cw, std::max(caption.cy, 16) + 8}},
        {stImage, ilCaptionLeft, {2 * 4 + 16 + 4 + cw, std::max(caption.cy, 16) + 8}},
        {stImage, ilCaptionTop, {std::max(cw, 16) + 8, 8 + 16 + 4 + caption.cy}},
        {stColor, ilCaptionBottom, {std::max(cw, 14) + 8, 8 + 14 + 4 + caption.cy}},
        {stColor, ilCaptionRight, {8 + 14 + 4 + cw, std::max(caption.cy, 14) + 8}},
    };
    for (const auto& c : cases) {
        Selector->SetSelectorType(c.type);
        Selector->SetItemLayout(c.layout);
        Selector->UpdateSelectorPanel();
        EXPECT_EQ(ItemRect(0), Rect(2, 2, 2 + c.expected.cx, 2 + c.expected.cy)) << c.type << " " << c.layout;
    }
    Selector->SetImages(nullptr);
}

TEST_F(ItemSelectorTest, MovesSelectAndHotItemsSkippingNothingAndStoppingAtDisabledOnes) {
    // Nothing happens without items.
    Selector->SelectNext();
    Selector->HotNext();
    EXPECT_EQ(Selector->ItemIndex(), -1);
    EXPECT_EQ(Selector->ItemHot(), -1);
    EXPECT_EQ(Selector->GetVisibleItemCount(), 0);

    Fill(5);
    Selector->Items().Items(3)->SetEnabled(false);
    const struct {
        const char* move;
        void (TExCustomItemSelector::*operation)();
        int index;
    } moves[] = {
        {"next from none", &TExCustomItemSelector::SelectNext, 0},
        {"previous at the start", &TExCustomItemSelector::SelectPrevious, 0},
        {"next", &TExCustomItemSelector::SelectNext, 1},
        {"next", &TExCustomItemSelector::SelectNext, 2},
        {"next onto a disabled item", &TExCustomItemSelector::SelectNext, 2},
        {"last", &TExCustomItemSelector::SelectLast, 4},
        {"next at the end", &TExCustomItemSelector::SelectNext, 4},
        {"previous onto a disabled item", &TExCustomItemSelector::SelectPrevious, 4},
        {"first", &TExCustomItemSelector::SelectFirst, 0},
    };
    for (const auto& m : moves) {
        (Selector.get()->*m.operation)();
        EXPECT_EQ(Selector->ItemIndex(), m.index) << m.move;
    }
    Selector->HotNext();
    Selector->HotNext();
    Selector->HotNext();
    EXPECT_EQ(Selector->ItemHot(), 2);
    Selector->HotNext();  // onto the disabled item
    EXPECT_EQ(Selector->ItemHot(), 2);
    Selector->HotPrevious();
    EXPECT_EQ(Selector->ItemHot(), 1);

    Selections = 0;
    Selector->SetItemIndex(1);
    Selector->SetItemIndex(1);  // again: reported again
    EXPECT_EQ(Selections, 2);
    Selector->SetItemIndex(3);  // disabled
    Selector->SetItemIndex(7);  // no such item
    EXPECT_EQ(Selector->ItemIndex(), 1);
    EXPECT_EQ(Selections, 2);
    Selector->SetItemIndex(-1);
    EXPECT_EQ(Selector->ItemIndex(), -1);
    EXPECT_EQ(Selections, 2);
}

TEST_F(ItemSelectorTest, LookupMatchesThePlainUpperCaseCaptionStart) {
    for (const char* caption : {"  <b>Blue</b>", "<b>Red</b>", "Green"})
        Selector->Items().Add()->SetCaption(QString::fromLatin1(caption));
    Selector->UpdateSelectorPanel();
    EXPECT_FALSE(Selector->LookupItem(QStringLiteral("re")));
    EXPECT_EQ(Selector->ItemIndex(), -1);
    EXPECT_TRUE(Selector->LookupItem(QStringLiteral("RE")));
    EXPECT_EQ(Selector->ItemIndex(), 1);
    EXPECT_TRUE(Selector->LookupItem(QStringLiteral("BL")));
    EXPECT_EQ(Selector->ItemIndex(), 0);
    EXPECT_FALSE(Selector->LookupItem(QStringLiteral("X")));
    EXPECT_EQ(Selector->ItemIndex(), 0);
}

TEST_F(ItemSelectorTest, TheMouseSelectsAndMakesHotAndTheHintFollows) {
    Fill(4);
    Selector->Items().Items(1)->SetHint(QStringLiteral("second"));
    Selector->Items().Items(2)->SetEnabled(false);
    Selector->show();
    QTest::mouseMove(&Panel(), QPoint(10, 30));
    EXPECT_EQ(Selector->ItemHot(), 1);
    EXPECT_EQ(Panel().Hint(), QStringLiteral("second"));
    QTest::mouseMove(&Panel(), QPoint(10, 50));  // the disabled item
    EXPECT_EQ(Selector->ItemHot(), -1);
    QTest::mouseMove(&Panel(), QPoint(10, 70));
    EXPECT_EQ(Selector->ItemHot(), 3);
    QTest::mouseMove(&Panel(), QPoint(80, 90));  // beside the items
    EXPECT_EQ(Selector->ItemHot(), -1);

    QTest::mouseClick(&Panel(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(Selector->ItemIndex(), 0);
    QTest::mouseClick(&Panel(), Qt::LeftButton, {}, QPoint(10, 50));
    EXPECT_EQ(Selector->ItemIndex(), 0);
    EXPECT_EQ(Selections, 1);
}

TEST_F(ItemSelectorTest, VisibleCountAndScrollingItemsIntoView) {
    Fill(20, 150, 24, 2);  // 304 wide: the horizontal bar shows in a 300 wide selector
    Selector->show();
    QApplication::processEvents();
    ASSERT_TRUE(Selector->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Selector->GetVisibleItemCount(), (200 - 20) / 24 * 2);

    Selector->SelectLast();
    TRect last = ItemRect(19);
    EXPECT_EQ(last.Bottom - Selector->VertScrollBar()->Position(), Selector->ViewportHeight());
    Selector->SelectFirst();
    EXPECT_EQ(Selector->VertScrollBar()->Position(), ItemRect(0).Top);  // its top at the top edge

    Selector->OnItemSize = [](TObject*, TSize& size) { size = {40, 0}; };
    Selector->UpdateSelectorPanel();
    EXPECT_EQ(Selector->GetVisibleItemCount(), 0);  // items without height fill no rows
}

TEST_F(ItemSelectorTest, DraggingTheThumbScrollsWhileItMoves) {
    Fill(40, 100, 24);
    Selector->show();
    QApplication::processEvents();
    QScrollBar* bar = Selector->VertScrollBar()->Bar();
    ASSERT_TRUE(bar->isVisible());
    const QRect slider = VerticalThumbRect(bar);
    const QPoint grip = slider.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(0, 40));
    const int during = Selector->VertScrollBar()->Position();
    EXPECT_GT(during, 0);
    EXPECT_EQ(-Panel().y(), during);  // the content moved with the thumb
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
}

TEST_F(ItemSelectorTest, SelectedAndHotItemsTakeTheirLook) {
    Fill(3, 60, 24);
    Selector->SetItemIndex(0);
    Selector->ItemAppearance().SetBorderColorHot(clRed);
    Panel().SetItemHot(1);
    const QImage image = Shot();
    // Selected: the rounded face with its border colour on the top row.
    EXPECT_EQ(FromQColor(image.pixelColor(30, 2)), Selector->ItemAppearance().BorderColor());
    // Hot with a border colour of its own: a plain gradient framed in that colour.
    EXPECT_EQ(FromQColor(image.pixelColor(2, 30)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(30, 26)), clRed);
    // A plain item on the panel's colour.
    EXPECT_EQ(FromQColor(image.pixelColor(60, 64)), FromQColor(ToQColor(ColorToRGB(clWindow))));
}

TEST_F(ItemSelectorTest, ThePanelBelongsToASelectorAndARemovedImageListIsForgotten) {
    TComponent stranger;
    try {
        TCustomItemSelector panel(&stranger);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid parent"));
    }

    auto* images = new TCustomImageList(nullptr, 32, 32);
    images->Add(QImage());
    Selector->Items().Add()->SetImageIndex(0);
    Selector->SetImages(images);
    Selector->UpdateSelectorPanel();
    EXPECT_EQ(ItemRect(0).Height(), 32 + 8);
    delete images;
    EXPECT_EQ(Selector->Images(), nullptr);
    EXPECT_EQ(ItemRect(0).Height(), 8);  // laid out again without the list
}

TEST_F(ItemSelectorTest, ChangingCaptionImageOrColourLaysOutAgain) {
    Selector->Items().Add()->SetCaption(QStringLiteral("a"));
    Selector->UpdateSelectorPanel();
    const int before = ItemRect(0).Width();
    Selector->Items().Items(0)->SetCaption(QStringLiteral("a much longer caption"));
    EXPECT_GT(ItemRect(0).Width(), before);
}

}  // namespace
