#include "dropdowns/markup_text.h"
#include "strip_fixture.h"

#include <QImage>
#include <QTest>

namespace {

// Font-independent button sizes: the items give width and height.
void AddButtons(TStripAppearance& strip, std::initializer_list<std::pair<int, int>> sizes) {
    for (auto [width, height] : sizes) {
        auto* item = static_cast<TStripButtonItem*>(strip.ButtonItems().Add());
        item->SetCaption(QStringLiteral("B"));
        item->SetWidth(width);
        item->SetHeight(height);
    }
}

QImage StripAlone(QWidget* strip) {
    QImage image(strip->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    strip->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// Columns of the image where the caption painted: the strips under test are white.
std::vector<int> CaptionColumns(const QImage& image) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST_F(StripTest, ButtonsStandRightToLeftOrLeftToRightWithoutGaps) {
    AddButtons(DropDown.Header, {{30, 14}, {40, 14}, {50, 40}});
    Prepare();
    ASSERT_EQ(Header->ButtonList().Count(), 3);
    const int right = Header->Width() - 2;
    EXPECT_EQ(HeaderButton(0)->geometry(), QRect(right - 30, 2, 30, 14));
    EXPECT_EQ(HeaderButton(1)->geometry(), QRect(right - 70, 2, 40, 14));
    // Taller than the button area (rows 2 to 18): cut to its 17 pixels.
    EXPECT_EQ(HeaderButton(2)->geometry(), QRect(right - 120, 2, 50, 17));

    DropDown.Header.SetButtonAlignment(baLeft);
    Prepare();
    EXPECT_EQ(HeaderButton(0)->x(), 2);
    EXPECT_EQ(HeaderButton(1)->x(), 32);
    EXPECT_EQ(HeaderButton(2)->x(), 72);
}

TEST_F(StripTest, AButtonTakesItsContentSizeWhereTheItemGivesNone) {
    auto* item = DropDown.Footer.Buttons().Add();
    item->SetCaption(QStringLiteral("Apply"));
    item->SetWidth(50);
    DropDown.Footer.Buttons().Add()->SetCaption(QStringLiteral("Apply"));
    Prepare();
    const TSize text = GetTextSize(DropDown.Buttons.Font(), QStringLiteral("Apply"));
    EXPECT_EQ(FooterButton(0)->Width(), 50);
    EXPECT_EQ(FooterButton(0)->Height(), text.cy + 4);
    EXPECT_EQ(FooterButton(1)->Width(), text.cx + 8);
    EXPECT_EQ(FooterButton(1)->Caption(), QStringLiteral("Apply"));
    // Centred in the footer's button area (rows 2 to 21) as (bottom - height) / 2.
    EXPECT_EQ(FooterButton(0)->y(), std::max(2, (22 - (text.cy + 4)) / 2));
}

TEST_F(StripTest, TheCaptionKeepsTwoPixelsClearOfTheButtonsOnEitherSide) {
    AddButtons(DropDown.Header, {{30, 14}, {40, 14}});
    DropDown.Header.SetCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    DropDown.Header.SetColor(clWhite);
    DropDown.Header.SetColorTo(clNone);
    DropDown.Header.SetBorderColor(clNone);
    DropDown.Header.Font().Color = clRed;
    Prepare();
    const int leftmost = HeaderButton(1)->x();
    std::vector<int> text = CaptionColumns(StripAlone(Header));
    ASSERT_FALSE(text.empty());
    EXPECT_LT(text.back(), leftmost - 2);
    EXPECT_GE(text.back(), leftmost - 5);

    DropDown.Header.SetButtonAlignment(baLeft);
    Prepare();
    const int rightEdge = HeaderButton(1)->x() + HeaderButton(1)->width();
    text = CaptionColumns(StripAlone(Header));
    ASSERT_FALSE(text.empty());
    EXPECT_GE(text.front(), rightEdge + 2);
    EXPECT_LE(text.front(), rightEdge + 5);
}

TEST_F(StripTest, EveryModalResultClosesOrNotAndTheEventFollowsOnce) {
    for (TModalResult result = 0; result <= 14; ++result) {
        SCOPED_TRACE(result);
        DropDown.Footer.Buttons().Clear();
        DropDown.Footer.Buttons().Add()->SetCaption(QStringLiteral("First"));
        auto* item = DropDown.Footer.Buttons().Add();
        item->SetCaption(QStringLiteral("Second"));
        item->SetModalResult(result);
        DropDown.Events.clear();
        DropDown.Hides.clear();
        Prepare();
        QTest::mouseClick(FooterButton(1), Qt::LeftButton, {}, QPoint(3, 3));
        const bool closes = result == 1 || result == 2 || result == 3 || (result >= 5 && result <= 7) || result >= 12;
        const bool cancels = result == 2 || result == 3 || result == 5 || result == 7 || result == 13;
        EXPECT_EQ(Window.ModalResult(), result);
        if (closes) {
            ASSERT_EQ(DropDown.Hides.size(), 1u);
            EXPECT_EQ(DropDown.Hides[0], cancels);
            EXPECT_EQ(DropDown.Events, (std::vector<QString>{"hide", "footer 1"}));
        } else {
            EXPECT_EQ(DropDown.Events, (std::vector<QString>{"footer 1"}));
        }
    }
}

TEST_F(StripTest, EnterOrSpaceOnAFocusedButtonActsOnceAsAClickDoes) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        DropDown.Footer.Buttons().Clear();
        DropDown.Footer.Buttons().Add()->SetModalResult(mrCancel);
        DropDown.Header.Buttons().Clear();
        DropDown.Header.Buttons().Add()->SetCaption(QStringLiteral("H"));
        DropDown.Events.clear();
        Prepare();
        Window.activateWindow();
        FooterButton(0)->setFocus();
        QTest::keyClick(FooterButton(0), key);
        EXPECT_EQ(DropDown.Events, (std::vector<QString>{"hide", "footer 0"}));

        Window.show();
        DropDown.Events.clear();
        HeaderButton(0)->setFocus();
        QTest::keyClick(HeaderButton(0), key);
        EXPECT_EQ(DropDown.Events, (std::vector<QString>{"header 0"}));
    }
}

TEST_F(StripTest, TheCaptionsAcceleratorClicksOnceAndIsTaken) {
    auto* item = DropDown.Footer.Buttons().Add();
    item->SetCaption(QStringLiteral("&Keep"));
    item->SetModalResult(mrOk);
    Prepare();
    EXPECT_EQ(Perform(FooterButton(0), CM_DIALOGCHAR, 'x'), 0);
    EXPECT_TRUE(DropDown.Events.empty());
    EXPECT_EQ(Perform(FooterButton(0), CM_DIALOGCHAR, 'k'), 1);
    EXPECT_EQ(DropDown.Events, (std::vector<QString>{"hide", "footer 0"}));
    EXPECT_EQ(DropDown.Hides, (std::vector<bool>{false}));
}

TEST_F(StripTest, APressReleasedOutsideTheButtonClicksNothingAndADisabledOneNothingAtAll) {
    AddButtons(DropDown.Header, {{30, 14}, {30, 14}});
    DropDown.Header.Buttons().Items(1)->SetEnabled(false);
    Prepare();
    QTest::mousePress(HeaderButton(0), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(HeaderButton(0), Qt::LeftButton, {}, QPoint(60, 3));
    QTest::mouseClick(HeaderButton(1), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(DropDown.Events.empty());
}

TEST_F(StripTest, TheSizeGripDragsThePopupsSizeDownToItsMinimum) {
    Window.setMinimumSize(80, 50);
    Prepare();
    ASSERT_TRUE(Footer->SizeGripApplies());
    const QPoint corner(Footer->Width() - 5, Footer->Height() - 5);
    QTest::mouseMove(Footer, corner);
    EXPECT_EQ(Footer->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mousePress(Footer, Qt::LeftButton, {}, corner);
    QTest::mouseMove(Footer, corner + QPoint(30, 20));
    EXPECT_EQ(Window.size(), QSize(270, 180));
    EXPECT_GE(Window.Sizings, 1);
    QTest::mouseMove(Footer, corner - QPoint(500, 500));
    EXPECT_EQ(Window.size(), QSize(80, 50));
    QTest::mouseRelease(Footer, Qt::LeftButton, {}, corner - QPoint(500, 500));
    EXPECT_NE(Footer->cursor().shape(), Qt::SizeFDiagCursor);

    // A press outside the corner sizes nothing.
    Window.resize(240, 160);
    QTest::mousePress(Footer, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(Footer, QPoint(60, 40));
    QTest::mouseRelease(Footer, Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(Window.size(), QSize(240, 160));
}

TEST_F(StripTest, NoGripWithoutASizeableDropDownAndTheButtonsReachTheEdge) {
    DropDown.Footer.Buttons().Add()->SetWidth(20);
    DropDown.Footer.SetColor(clWhite);
    DropDown.Footer.SetColorTo(clNone);
    DropDown.Footer.SetBorderColor(clBlue);
    Prepare();
    EXPECT_EQ(FooterButton(0)->x() + FooterButton(0)->width(), Footer->Width() - 14);
    QImage grip = StripAlone(Footer);
    EXPECT_EQ(grip.pixelColor(Footer->Width() - 1 - 16 + 13 - 1, Footer->Height() - 4), QColor(Qt::blue));

    DropDown.Sizeable = false;
    Prepare();
    EXPECT_FALSE(Footer->SizeGripApplies());
    EXPECT_EQ(FooterButton(0)->x() + FooterButton(0)->width(), Footer->Width() - 2);
    grip = StripAlone(Footer);
    EXPECT_EQ(grip.pixelColor(Footer->Width() - 1 - 16 + 13 - 1, Footer->Height() - 4), QColor(Qt::white));
}

TEST_F(StripTest, BordersFaceTheContentAndCloseTheOuterEdgesOnlyWithoutAPopupFrame) {
    for (TStripAppearance* strip : {static_cast<TStripAppearance*>(&DropDown.Header),
                                    static_cast<TStripAppearance*>(&DropDown.Footer)}) {
        strip->SetColor(clWhite);
        strip->SetColorTo(clNone);
        strip->SetBorderColor(clBlue);
        strip->SetBorderWidth(2);
    }
    DropDown.Footer.SetSizeGrip(false);
    const QColor blue(Qt::blue);
    const QColor light = ToQColor(BlendColor(clBlue, clWhite, 20));
    Prepare();
    QImage header = StripAlone(Header), footer = StripAlone(Footer);
    EXPECT_EQ(header.pixelColor(50, 21), blue);
    EXPECT_EQ(header.pixelColor(50, 20), blue);
    EXPECT_EQ(header.pixelColor(50, 19), light);  // the inner frame above the edge
    EXPECT_EQ(header.pixelColor(0, 10), light);
    EXPECT_EQ(header.pixelColor(1, 10), QColor(Qt::white));
    EXPECT_EQ(footer.pixelColor(50, 0), blue);
    EXPECT_EQ(footer.pixelColor(50, 2), light);
    EXPECT_EQ(footer.pixelColor(50, 22), QColor(Qt::white));

    DropDown.BorderColor = clNone;  // the pop-up paints no frame
    Prepare();
    header = StripAlone(Header);
    footer = StripAlone(Footer);
    EXPECT_EQ(header.pixelColor(1, 10), blue);
    EXPECT_EQ(header.pixelColor(50, 1), blue);
    EXPECT_EQ(footer.pixelColor(Footer->Width() - 2, 10), blue);
    EXPECT_EQ(footer.pixelColor(50, 22), blue);
}

TEST_F(StripTest, BackgroundGradientOrEventAndCaptionText) {
    DropDown.Header.SetColor(RGBColor(0, 0, 0));
    DropDown.Header.SetColorTo(RGBColor(0, 0, 240));
    DropDown.Header.SetBorderColor(clNone);
    Prepare();
    QImage image = StripAlone(Header);
    // 80 bands over 22 rows: dark at the top, nearly the end colour at the bottom.
    EXPECT_LT(image.pixelColor(5, 0).blue(), 10);
    EXPECT_EQ(image.pixelColor(5, 21), QColor(0, 0, 237));

    int drawn = 0;
    Header->OnDrawBackGround = [&](TObject* sender, TCanvas& canvas, const TRect& r) {
        EXPECT_EQ(sender, Header);
        EXPECT_EQ(r, Header->ClientRect());
        canvas.Brush.Color = clLime;
        canvas.FillRect(r);
        ++drawn;
    };
    image = StripAlone(Header);
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(image.pixelColor(5, 21), QColor(Qt::green));

    Header->OnDrawBackGround = nullptr;
    DropDown.Header.SetColorTo(clNone);
    DropDown.Header.SetColor(clWhite);
    DropDown.Header.Font().Color = clRed;
    Prepare();
    EXPECT_TRUE(CaptionColumns(StripAlone(Header)).empty());
    Header->OnGetText = [](TObject*, QString& text) { text = QStringLiteral("<b>Now</b>"); };
    EXPECT_FALSE(CaptionColumns(StripAlone(Header)).empty());
}

TEST_F(StripTest, TheCopyOfTheSettingsDecidesVisibilityAndARemovedImageListIsForgotten) {
    auto* images = new TCustomImageList(nullptr);
    images->Add(QImage());
    DropDown.ImageList = images;
    DropDown.Footer.Buttons().Add()->SetImageIndex(0);
    DropDown.Footer.SetHeight(30);
    Prepare();
    EXPECT_EQ(Footer->Images(), images);
    EXPECT_EQ(FooterButton(0)->Images(), images);
    ASSERT_NE(Footer->Buttons(), nullptr);
    EXPECT_EQ(Footer->Buttons()->Count(), 1);

    Footer->Appearance().SetVisible(false);
    EXPECT_FALSE(Footer->isVisibleTo(&Window));
    Footer->Appearance().SetVisible(true);
    EXPECT_TRUE(Footer->isVisibleTo(&Window));
    EXPECT_EQ(Footer->Height(), 30);

    delete images;
    DropDown.ImageList = nullptr;
    EXPECT_EQ(Footer->Images(), nullptr);
    EXPECT_EQ(FooterButton(0)->Images(), nullptr);
    Footer->repaint();  // paints without the list

    Footer->AttachDropDown(nullptr);
    EXPECT_EQ(Footer->Buttons(), nullptr);
}

TEST(DbgList, ReportsWhichAccessWentPastTheEnd) {
    int a = 0, b = 0;
    TDbgList<int> list;
    list.Add(&a);
    EXPECT_EQ(list.Items(0), &a);
    const struct {
        const char* what;
        std::function<void()> access;
        const char* message;
    } cases[] = {
        {"read at the end", [&] { list.Items(1); }, "Index out of bounds in list read access"},
        {"write past the end", [&] { list.SetItems(5, &b); }, "Index out of bounds in list write access"},
    };
    for (const auto& c : cases) {
        try {
            c.access();
            ADD_FAILURE() << c.what;
        } catch (const EListError&) {
            ADD_FAILURE() << c.what << " raised the list's own error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message)) << c.what;
        }
    }
    EXPECT_THROW(list.Items(-1), EListError);

    TList<int> other;
    other.Add(&b);
    other.Add(&a);
    list.AssignList(other);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), &b);
}

}  // namespace
