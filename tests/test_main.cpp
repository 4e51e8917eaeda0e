// Every test program runs on Qt's offscreen platform with a known font, so window
// tests behave the same on any machine; only scripts/test-x11 asks for xcb, for the tests
// that need a real X server.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    // An offscreen platform with options (a screen of another size) is kept, and so is xcb.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.startsWith(QLatin1String("offscreen")) && platform != QLatin1String("xcb"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    return RUN_ALL_TESTS();
}
