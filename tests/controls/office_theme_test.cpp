// Which Office theme the user runs, decided from a fake settings store and a fake
// visual-style probe.

#include "controls/office_theme.h"
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class OfficeThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        SetUserRegistryFile(FDir.filePath(QStringLiteral("registry.ini")));
    }
    void TearDown() override {
        SetUserRegistryFile(QString());
        SetVisualStyleProbe({});
    }
    void Store(const QString& text) { ASSERT_TRUE(WriteFileAtomically(UserRegistryFile(), text.toUtf8())); }

private:
    QTemporaryDir FDir;
};

QString Theme(const char* version, const char* value) {
    return QStringLiteral("[Software\\Microsoft\\Office\\%1\\Common]\nTheme=%2\n")
        .arg(QLatin1String(version), QLatin1String(value));
}

TEST_F(OfficeThemeTest, DecisionTable) {
    struct Row {
        const char* name;
        QString store;
        TVisualStyleState style;
        TOfficeTheme expected;
    };
    const TVisualStyleState normal;
    const Row rows[] = {
        {"2010 blue", Theme("14.0", "1"), normal, ot2010Blue},
        {"2010 silver wins over 2007", Theme("14.0", "2") + Theme("12.0", "1"), normal, ot2010Silver},
        {"2010 black", Theme("14.0", "3"), normal, ot2010Black},
        {"2010 other value, no fall-through", Theme("14.0", "0") + Theme("12.0", "3"), normal, ot2003Blue},
        {"2007 blue", Theme("12.0", "1"), normal, ot2007Blue},
        {"2007 black", Theme("12.0", "3"), normal, ot2007Black},
        {"2007 other value", Theme("12.0", "9"), normal, ot2003Blue},
        {"2010 key without value falls through",
         QStringLiteral("[Software\\Microsoft\\Office\\14.0\\Common]\nOther=1\n") + Theme("12.0", "2"), normal,
         ot2007Silver},
        {"text value counts as missing", Theme("14.0", "blue") + Theme("12.0", "2"), normal, ot2007Silver},
        {"no Office, classic look", QString(), {false, QString()}, ot2003Classic},
        {"no Office, blue scheme", QString(), {true, QStringLiteral("NormalColor")}, ot2003Blue},
        {"no Office, olive scheme", QString(), {true, QStringLiteral("HomeStead")}, ot2003Olive},
        {"no Office, silver scheme", QString(), {true, QStringLiteral("Metallic")}, ot2003Silver},
        {"no Office, unknown scheme", QString(), {true, QStringLiteral("Aero")}, ot2003Classic},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Store(row.store);
        SetVisualStyleProbe([style = row.style] { return style; });
        EXPECT_EQ(CurrentOfficeTheme(), row.expected);
    }
}

TEST_F(OfficeThemeTest, OfficeVersionComesFromTheGeneralKeys) {
    struct Row {
        const char* store;
        int version;
    };
    const Row rows[] = {
        {"", 0},
        {"[Software\\Microsoft\\Office\\11.0\\Common\\General]\n", 0},
        {"[Software\\Microsoft\\Office\\12.0\\Common\\General]\n", 1},
        {"[Software\\Microsoft\\Office\\12.0\\Common]\nTheme=1\n", 0},
        {"[Software\\Microsoft\\Office\\12.0\\Common\\General]\n[Software\\Microsoft\\Office\\14.0\\Common\\General]\n", 2},
    };
    for (const Row& row : rows) {
        Store(QString::fromLatin1(row.store));
        EXPECT_EQ(DetectOfficeVersion(), row.version) << row.store;
    }
}

TEST_F(OfficeThemeTest, ProbesAnswerAsAThemedDesktop) {
    EXPECT_TRUE(IsComCtl6OrLater());
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(DefaultUIFontName(), QStringLiteral("Segoe UI"));
    EXPECT_EQ(CurrentXPColorScheme(), 1);
}

}  // namespace
