// The focus glow's pictures: the rounded ring, the Gaussian kernel, the blur and the
// merge into a premultiplied alpha mask; and the arrow and focus windows.

#include "grid/view/grid_alpha_mask.h"
#include "grid/view/grid_focus_windows.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

int Red(const QImage& image, int x, int y) { return qRed(image.pixel(x, y)); }

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

}  // namespace

TEST(GridRoundRectMask, FilledShapeOrRingOfThePenWidth) {
    QImage filled;
    CreateRoundRectMask(filled, 40, 30, 0, 3, 0);
    EXPECT_EQ(filled.format(), QImage::Format_RGB888);
    EXPECT_EQ(Red(filled, 0, 15), 0);
    EXPECT_EQ(Red(filled, 1, 15), 0);
    EXPECT_EQ(Red(filled, 20, 15), 255);  // filled inside
    EXPECT_EQ(Red(filled, 3, 15), 255);

    QImage ring;
    CreateRoundRectMask(ring, 40, 30, 4, 3, 0);
    // White from 2 to 5 pixels from the border on the left and the right, black inside.
    for (int x : {0, 1}) EXPECT_EQ(Red(ring, x, 15), 0) << x;
    for (int x : {2, 3, 4, 5}) EXPECT_EQ(Red(ring, x, 15), 255) << x;
    EXPECT_EQ(Red(ring, 6, 15), 0);
    EXPECT_EQ(Red(ring, 20, 15), 0);
    for (int x : {39 - 2, 39 - 5}) EXPECT_EQ(Red(ring, x, 15), 255) << x;
    for (int x : {39, 38, 39 - 6}) EXPECT_EQ(Red(ring, x, 15), 0) << x;
    for (int y : {2, 5, 29 - 2}) EXPECT_EQ(Red(ring, 20, y), 255) << y;
}

TEST(GridGaussianKernel, SizeByRadiusAndWeightsSumToOne) {
    const struct {
        double radius;
        int size;
    } cases[] = {{3, 8}, {2, 5}, {1, 2}};
    for (const auto& c : cases) {
        const TGaussianKernel kernel = BuildGaussianKernel(c.radius);
        EXPECT_EQ(kernel.Size, c.size) << c.radius;
        double sum = 0;
        for (int j = -kernel.Size; j <= kernel.Size; ++j) sum += kernel.Weight(j);
        EXPECT_NEAR(sum, 1.0, 1e-5);
    }
}

TEST(GridBlur, ClampsAndKeepsAUniformPicture) {
    EXPECT_EQ(ClampInt(0, 10, -3), 0);
    EXPECT_EQ(ClampInt(0, 10, 13), 10);
    EXPECT_EQ(ClampChannel(0, 255, -0.5), 0);
    EXPECT_EQ(ClampChannel(0, 255, 255.0), 255);
    EXPECT_EQ(ClampChannel(0, 255, 17.9), 17);

    QImage uniform = Filled(60, 50, QColor(90, 90, 90));
    BlurBitmap24(uniform, 4);
    for (int x : {0, 10, 30, 59})
        for (int y : {0, 25, 49}) EXPECT_NEAR(Red(uniform, x, y), 90, 1) << x << "," << y;
}

TEST(GridBlur, SoftensARingAndCopiesTheInsideFromRowAndColumn15) {
    QImage ring;
    CreateRoundRectMask(ring, 80, 70, 5, 3, 0);
    QImage blurred = ring.copy();
    BlurBitmap24(blurred, 4);
    // The hard edge beside the ring becomes a slope.
    EXPECT_GT(Red(blurred, 1, 35), 0);
    EXPECT_LT(Red(blurred, 4, 35), 255);
    // Rows between 21 and height-21 equal row 15; columns likewise column 15.
    // The inside columns are copies of the blurred column 15, row by row.
    for (int y : {0, 3, 15, 40, 69}) EXPECT_EQ(blurred.pixel(40, y), blurred.pixel(15, y)) << y;
}

TEST(GridBlur, OnlyTwentyFourBitPicturesAndTheyStayUnchangedOtherwise) {
    QImage argb(30, 30, QImage::Format_ARGB32);
    argb.fill(Qt::white);
    const QImage before = argb.copy();
    try {
        BlurBitmap24(argb, 3);
        FAIL() << "no error";
    } catch (const EGridBlurError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
    }
    EXPECT_EQ(argb, before);
}

TEST(GridAlphaMask, MergePremultipliesByTheMaskRed) {
    QImage mask = Filled(3, 2, QColor(128, 0, 0));
    QImage colour = Filled(3, 2, QColor(50, 100, 200));  // red 50, green 100, blue 200
    TGridAlphaMask alpha;
    EXPECT_EQ(alpha.Opacity(), 255);
    alpha.MergeMask(mask, colour, 0xFFFF);
    ASSERT_EQ(alpha.Width(), 3);
    ASSERT_EQ(alpha.Height(), 2);
    const QRgb pixel = alpha.Image().pixel(1, 1);
    // pixel() gives the unpremultiplied value; the stored one is premultiplied.
    const QRgb stored = reinterpret_cast<const QRgb*>(alpha.Image().constScanLine(1))[1];
    EXPECT_EQ(qAlpha(stored), 128);
    EXPECT_EQ(qBlue(stored), 100);
    EXPECT_EQ(qGreen(stored), 50);
    EXPECT_EQ(qRed(stored), 25);
    EXPECT_EQ(qAlpha(pixel), 128);
}

TEST(GridAlphaMask, MergeWithAWrongFormatOrSizeChangesNothing) {
    TGridAlphaMask alpha;
    alpha.MergeMask(Filled(4, 4, Qt::red), Filled(4, 4, Qt::blue), 0);
    const QImage before = alpha.Image().copy();
    QImage argb(4, 4, QImage::Format_ARGB32);
    argb.fill(Qt::green);
    alpha.MergeMask(Filled(4, 4, Qt::red), argb, 0);
    EXPECT_EQ(alpha.Image(), before);
    alpha.MergeMask(Filled(2, 2, Qt::red), Filled(4, 4, Qt::green), 0);  // a smaller mask
    EXPECT_EQ(alpha.Image(), before);
}

TEST(GridAlphaMask, AssignTakesTheSourceSizeAndOpacity) {
    TGridAlphaMask small;
    small.MergeMask(Filled(2, 2, Qt::red), Filled(2, 2, Qt::blue), 0);
    TGridAlphaMask large;
    large.MergeMask(Filled(9, 7, Qt::red), Filled(9, 7, Qt::green), 0);
    large.SetOpacity(230);
    small.Assign(large);
    EXPECT_EQ(small.Width(), 9);
    EXPECT_EQ(small.Height(), 7);
    EXPECT_EQ(small.Opacity(), 230);
    EXPECT_EQ(small.Image(), large.Image());
    large.Assign(TGridAlphaMask());  // an empty source empties the mask
    EXPECT_TRUE(large.Empty());
}

TEST(GridArrowWindow, OutlineRegionTipAndNoInput) {
    QWidget owner;
    const struct {
        TArrowDirection dir;
        QPoint inside;
        QPoint outside;
        QPoint tip;
    } cases[] = {
        {arrUp, {5, 1}, {1, 1}, {5, 0}},
        {arrDown, {5, 7}, {1, 7}, {5, 8}},
        {arrLeft, {7, 5}, {7, 1}, {8, 5}},   // stands left of the place, points right
        {arrRight, {1, 5}, {1, 1}, {0, 5}},  // stands right of the place, points left
    };
    for (const auto& c : cases) {
        TArrowWindow arrow(&owner, c.dir);
        EXPECT_EQ(arrow.Arrow().size(), 7);
        EXPECT_TRUE(arrow.mask().contains(c.inside)) << c.dir;
        EXPECT_FALSE(arrow.mask().contains(c.outside)) << c.dir;
        EXPECT_TRUE(arrow.Arrow().contains(c.tip)) << c.dir;
        EXPECT_EQ(arrow.Color(), TColor(0x00FF00));
        EXPECT_TRUE(arrow.testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(arrow.focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(arrow.isHidden());
    }
}

TEST(GridFocusWindow, ShowsAMaskOnlyWhenItHasOne) {
    QWidget owner;
    TGridFocusWindow window(&owner);
    EXPECT_EQ(window.size(), QSize(0, 0));
    ApplyLayeredAlphaMask(&window, TGridAlphaMask());
    EXPECT_EQ(window.size(), QSize(0, 0));
    TGridAlphaMask mask;
    mask.MergeMask(Filled(12, 10, Qt::white), Filled(12, 10, Qt::blue), 0);
    ApplyLayeredAlphaMask(&window, mask);
    EXPECT_EQ(window.size(), QSize(12, 10));
    EXPECT_EQ(window.Mask().Image(), mask.Image());
}
