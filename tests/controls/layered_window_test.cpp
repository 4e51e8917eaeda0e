#include "controls/layered_window.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

TEST(LayeredWindow, OpacityPositionAndContent) {
    QWidget window;
    EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clNone, 51, LWA_COLORKEY));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);  // without LWA_ALPHA the opacity stays
    EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clNone, 51, LWA_ALPHA));
    EXPECT_NEAR(window.windowOpacity(), 0.2, 0.01);

    QImage glow(6, 4, QImage::Format_ARGB32);
    glow.fill(QColor(0, 0, 255));
    const TPoint position{30, 40};
    EXPECT_TRUE(CallUpdateLayeredWindow(&window, &position, &glow, 255));
    EXPECT_EQ(window.pos(), QPoint(30, 40));
    EXPECT_EQ(window.size(), QSize(6, 4));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(window.grab().toImage().pixelColor(3, 2), QColor(0, 0, 255));

    EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, 0));
}

}  // namespace
