#include "dropdowns/lookup_list.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What the index must answer: the first text in list order, found by a plain scan.
int ScanPrefix(const QStringList& texts, const QString& prefix, bool caseSensitive) {
    if (prefix.isEmpty()) return -1;
    const QString key = caseSensitive ? prefix : prefix.toUpper();
    for (int i = 0; i < texts.size(); ++i)
        if ((caseSensitive ? texts[i] : texts[i].toUpper()).startsWith(key)) return i;
    return -1;
}

int ScanEqual(const QStringList& texts, const QString& value, bool caseSensitive) {
    for (int i = 0; i < texts.size(); ++i)
        if (texts[i].compare(value, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0) return i;
    return -1;
}

TEST(LookupListTest, FindsTheFirstMatchInListOrderNotInSortedOrder) {
    TLookupList list;
    list.Assign({"banana", "Apricot", "apple", "", "APPLE", "Ap"});
    struct Case {
        const char* prefix;
        bool caseSensitive;
        int expected;
    };
    const Case cases[] = {
        {"ap", false, 1}, {"APP", false, 2}, {"ap", true, 2}, {"AP", true, 4},
        {"Ap", true, 1},  {"", false, -1},  {"x", false, -1}, {"bananas", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        EXPECT_EQ(list.FindPrefix(QString::fromLatin1(c.prefix), c.caseSensitive), c.expected);
    }
    EXPECT_EQ(list.FindText(QStringLiteral("apple"), false), 2);
    EXPECT_EQ(list.FindText(QStringLiteral("APPLE"), true), 4);
    EXPECT_EQ(list.FindText(QStringLiteral("appl"), false), -1);
    EXPECT_EQ(list.FindText(QString(), false), 3);
    list.Clear();
    EXPECT_EQ(list.FindPrefix(QStringLiteral("a"), false), -1);
    EXPECT_EQ(list.FindText(QStringLiteral("apple"), true), -1);
}

TEST(LookupListTest, AgreesWithAPlainScanOnRandomLists) {
    std::mt19937 random(24);
    const QString letters = QStringLiteral("aAbBcÄä");
    const auto word = [&](int maxLength) {
        QString s;
        const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
        for (int i = 0; i < length; ++i) s += letters[std::uniform_int_distribution<int>(0, letters.size() - 1)(random)];
        return s;
    };
    for (int round = 0; round < 20; ++round) {
        QStringList texts;
        const int count = std::uniform_int_distribution<int>(0, 300)(random);
        for (int i = 0; i < count; ++i) texts.append(word(5));
        TLookupList list;
        list.Assign(texts);
        for (int probe = 0; probe < 200; ++probe) {
            const QString key = word(3);
            for (bool caseSensitive : {false, true}) {
                ASSERT_EQ(list.FindPrefix(key, caseSensitive), ScanPrefix(texts, key, caseSensitive)) << key.toStdString();
                ASSERT_EQ(list.FindText(key, caseSensitive), ScanEqual(texts, key, caseSensitive)) << key.toStdString();
            }
        }
    }
}

}  // namespace
