// The per-user settings store: keys and values read from its INI file, and change
// notification limited to the watched key and change kinds.

#include "platform/registry.h"
#include "registry_file_test.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtTest/QTest>

namespace {

using RegistryTest = RegistryFileTest;

TEST_F(RegistryTest, KeysExistThroughTheirOwnOrASubKeysSection) {
    Store("[Software\\Maker\\Tool\\General]\n"
          "[Software\\Maker\\Values]\nTheme=2\nName=text\n");
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\Maker\\Tool\\General")));
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\Maker\\Tool")));
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("software\\MAKER")));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software\\Mak")));
    EXPECT_FALSE(reg.OpenKeyReadOnly(QStringLiteral("Software\\Other")));

    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Software\\Maker\\Values")));
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("theme")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Theme")), 2);
    EXPECT_THROW(reg.ReadInteger(QStringLiteral("Name")), ERegistryException);
    EXPECT_THROW(reg.ReadInteger(QStringLiteral("Missing")), ERegistryException);

    reg.SetRootKey(0x80000002u);  // only the current user has a store
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software\\Maker")));
}

TEST_F(RegistryTest, IntegersReadAsDecimalOrHexadecimal) {
    Store("[Numbers]\nzero=0\nleading=010\nnine=09\nhex=0x1F\nnegative=-5\ndword=4294967295\n"
          "hexdword=0xFFFFFFFE\ntoolarge=4294967296\nminus_hex=-0x1\nblank=\nspaced=1 2\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Numbers")));
    const std::pair<const char*, int> values[] = {{"zero", 0},  {"leading", 10}, {"nine", 9},   {"hex", 31},
                                                  {"negative", -5}, {"dword", -1}, {"hexdword", -2}};
    for (const auto& [name, value] : values) EXPECT_EQ(reg.ReadInteger(QString::fromLatin1(name)), value) << name;
    for (const char* name : {"toolarge", "minus_hex", "blank", "spaced"})
        EXPECT_THROW(reg.ReadInteger(QString::fromLatin1(name)), ERegistryException) << name;
}

TEST_F(RegistryTest, WrittenValuesGoIntoTheirKeyAndKeepTheRest) {
    Store("; kept\n[Software\\Maker\\Values]\nTheme=2\n\n[Other]\nx=1\n");
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Software\\Maker\\New"), false));
    EXPECT_THROW(reg.WriteInteger(QStringLiteral("Pos0"), 1), ERegistryException);  // no key open
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software/Maker/Values/"), false));
    reg.WriteInteger(QStringLiteral("theme"), 3);
    reg.WriteInteger(QStringLiteral("Count"), -7);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Maker\\New"), true));
    reg.WriteInteger(QStringLiteral("Pos0"), 4);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("software\\maker\\values")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Theme")), 3);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Count")), -7);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Software\\Maker\\New")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Pos0")), 4);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Other")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("x")), 1);
    QFile file(UserRegistryFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("; kept\n"));
}

TEST_F(RegistryTest, StringsAndIntegersKeepTheirKind) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Maker\\Kinds"), true));
    const QString texts[] = {"12", "", "  blanks  ", "a\"quote\"", "back\\slash\\n", "two\r\nlines\n", "[Section]", "=x", "Grüße"};
    for (int i = 0; i < int(std::size(texts)); ++i) reg.WriteString(QStringLiteral("Text%1").arg(i), texts[i]);
    reg.WriteInteger(QStringLiteral("Number"), 12);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("software\\maker\\kinds")));
    for (int i = 0; i < int(std::size(texts)); ++i) {
        EXPECT_EQ(reg.GetDataType(QStringLiteral("TEXT%1").arg(i)), rdString) << i;
        EXPECT_EQ(reg.ReadString(QStringLiteral("text%1").arg(i)), texts[i]) << i;
    }
    EXPECT_THROW(reg.ReadInteger(QStringLiteral("Text0")), ERegistryException);  // "12" is a string
    EXPECT_EQ(reg.GetDataType(QStringLiteral("number")), rdInteger);
    EXPECT_THROW(reg.ReadString(QStringLiteral("Number")), ERegistryException);
    EXPECT_EQ(reg.GetDataType(QStringLiteral("Missing")), rdUnknown);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("NUMBER")), 12);
}

TEST_F(RegistryTest, MissingStoreHasNoKeys) {
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software")));
}

TEST_F(RegistryTest, WatchReportsOnlyChangesOfItsKeyAndFilter) {
    Store("[Watched]\nTheme=1\n[Elsewhere]\nA=1\n");
    int values = 0, names = 0;
    TRegistryWatch valueWatch(HKEY_CURRENT_USER, QStringLiteral("Watched"), true, REG_NOTIFY_CHANGE_LAST_SET);
    valueWatch.OnChange = [&] { ++values; };
    TRegistryWatch nameWatch(HKEY_CURRENT_USER, QStringLiteral("Watched"), false, REG_NOTIFY_CHANGE_NAME);
    nameWatch.OnChange = [&] { ++names; };
    auto check = [&] {
        valueWatch.CheckNow();
        nameWatch.CheckNow();
    };

    Store("[Watched]\nTheme=1\n[Elsewhere]\nA=2\n");
    check();
    EXPECT_EQ(values, 0);
    Store("[Watched]\nTheme=3\n[Elsewhere]\nA=2\n");
    check();
    EXPECT_EQ(values, 1);
    EXPECT_EQ(names, 0);
    Store("[Watched]\nTheme=3\n[Watched\\Sub]\n");
    check();
    EXPECT_EQ(values, 1);
    EXPECT_EQ(names, 1);
    Store("[Watched]\nTheme=3\n[Watched\\Sub]\nX=1\n");
    check();
    EXPECT_EQ(values, 2);  // the subtree's values count with WatchSub
    EXPECT_EQ(names, 1);
}

TEST_F(RegistryTest, WatchHearsAChangeWrittenByAnotherProgram) {
    Store("[Watched]\nTheme=1\n");
    int changes = 0;
    TRegistryWatch watch(HKEY_CURRENT_USER, QStringLiteral("Watched"), true, REG_NOTIFY_CHANGE_LAST_SET);
    watch.OnChange = [&] { ++changes; };
    Store("[Watched]\nTheme=2\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes == 1; }));
    Store("[Watched]\nTheme=3\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes == 2; }));
}

}  // namespace
