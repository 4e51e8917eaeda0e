#include "platform/string_list.h"
#include "platform/types.h"

#include <gtest/gtest.h>

TEST(StringList, CommaTextRoundTripsQuotedItems) {
    const struct {
        QStringList items;
        QString commaText;
    } cases[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"with blank", "x"}, "\"with blank\",x"},
        {{"say \"hi\"", "y"}, "\"say \"\"hi\"\"\",y"},
        {{"a,b"}, "\"a,b\""},
        {{"", "z"}, "\"\",z"},
        {{""}, "\"\""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        TStringList list;
        for (const QString& item : c.items) list.Add(item);
        EXPECT_EQ(list.CommaText(), c.commaText);
        TStringList back;
        back.SetCommaText(c.commaText);
        EXPECT_EQ(back.ToQStringList(), c.items) << c.commaText.toStdString();
    }
}

TEST(StringList, SortedListKeepsOrderAndFindsCaseInsensitively) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"}) list.Add(QString::fromLatin1(s));
    EXPECT_EQ(list.ToQStringList(), QStringList({"Alpha", "bravo", "charlie", "delta"}));
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("echo"), -1);
    list.SetDuplicates(dupIgnore);
    list.Add("BRAVO");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_THROW(list.Insert(0, "x"), Exception);
    // Nothing may put a text out of order, and a new comparison sorts again.
    EXPECT_THROW(list.SetStrings(0, "zulu"), Exception);
    EXPECT_THROW(list.Move(0, 3), Exception);
    list.SetDuplicates(dupAccept);
    list.Add("Charlie");
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Alpha", "Charlie", "bravo", "charlie", "delta"}));
    EXPECT_EQ(list.IndexOf("charlie"), 3);
    EXPECT_EQ(list.IndexOf("CHARLIE"), -1);
}

TEST(StringList, MoveExchangeAndBoundsErrors) {
    TStringList list;
    list.SetText("one\r\ntwo\nthree\n");
    ASSERT_EQ(list.Count(), 3);
    list.Move(0, 2);
    EXPECT_EQ(list.ToQStringList(), QStringList({"two", "three", "one"}));
    list.Exchange(0, 1);
    EXPECT_EQ(list.ToQStringList(), QStringList({"three", "two", "one"}));
    EXPECT_THROW(list.Strings(3), Exception);
    EXPECT_THROW(list.Delete(-1), Exception);
    EXPECT_EQ(list.Text(), "three\ntwo\none\n");
}

TEST(StringList, NameValuePairs) {
    TStringList list;
    list.Add("Key=Value=with equals");
    list.Add("Other=1");
    EXPECT_EQ(list.Values("key"), "Value=with equals");
    EXPECT_EQ(list.Names(1), "Other");
    EXPECT_EQ(list.Values("missing"), "");
}
