#include "platform/collection.h"
#include "platform/pointer_list.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    ~TNamedItem() override { ++Destroyed; }
    void Assign(const TPersistent* Source) override {
        const auto* source = dynamic_cast<const TNamedItem*>(Source);
        if (!source) return TPersistent::Assign(Source);
        Name = source->Name;
    }
    QString Name;
    static inline int Destroyed = 0;
};

using TNamedItems = TCollectionOf<TNamedItem>;

QStringList Names(const TNamedItems& items) {
    QStringList names;
    for (int i = 0; i < items.Count(); ++i) names << items.Items(i)->Name;
    return names;
}

TEST(Collection, ItemsKnowTheirCollectionAndIndexThroughAddsInsertsMovesAndDeletes) {
    TObject owner;
    TNamedItems items(&owner);
    EXPECT_EQ(items.GetOwner(), &owner);
    for (const char* name : {"a", "b", "c"}) items.Add()->Name = QString::fromLatin1(name);
    items.Insert(1)->Name = QStringLiteral("x");
    EXPECT_EQ(Names(items), QStringList({"a", "x", "b", "c"}));
    EXPECT_EQ(items.Items(2)->Index(), 2);
    EXPECT_EQ(items.Items(2)->Collection(), &items);

    items.Items(0)->SetIndex(99);  // clamped to the last place
    EXPECT_EQ(Names(items), QStringList({"x", "b", "c", "a"}));
    items.Items(3)->SetIndex(1);
    EXPECT_EQ(Names(items), QStringList({"x", "a", "b", "c"}));

    TNamedItem::Destroyed = 0;
    items.Delete(0);
    EXPECT_EQ(TNamedItem::Destroyed, 1);
    EXPECT_EQ(Names(items), QStringList({"a", "b", "c"}));
    items.Clear();
    EXPECT_EQ(TNamedItem::Destroyed, 4);
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, StructuralChangesTellNobodyAndBadIndexesRaise) {
    TNamedItems items(nullptr);
    int changes = 0;
    items.OnChange = [&](TObject*) { ++changes; };
    items.Add();
    items.Add();
    items.Move(0, 1);
    items.Delete(0);
    EXPECT_EQ(changes, 0);
    items.ItemChanged();
    EXPECT_EQ(changes, 1);

    EXPECT_THROW(items.Items(1), EListError);
    EXPECT_THROW(items.Items(-1), EListError);
    EXPECT_THROW(items.Insert(3), EListError);
    EXPECT_THROW(items.Delete(5), EListError);
    EXPECT_NO_THROW(items.Insert(1));  // the end is a place to insert at
}

TEST(Collection, AssignCopiesEveryItemThroughItsOwnAssign) {
    TNamedItems source(nullptr), target(nullptr);
    for (const char* name : {"one", "two"}) source.Add()->Name = QString::fromLatin1(name);
    target.Add()->Name = QStringLiteral("old");
    target.Assign(&source);
    EXPECT_EQ(Names(target), QStringList({"one", "two"}));
    EXPECT_NE(target.Items(0), source.Items(0));

    TPersistent stranger;
    EXPECT_THROW(target.Assign(&stranger), EConvertError);
    EXPECT_THROW(target.Items(0)->Assign(&stranger), EConvertError);
}

TEST(PointerList, ChecksEveryIndex) {
    int a = 1, b = 2;
    TList<int> list;
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list.Items(1), &b);
    EXPECT_EQ(list.Last(), &b);
    list.SetItems(0, &b);
    EXPECT_EQ(list.Items(0), &b);
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.SetItems(-1, &a), EListError);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_THROW(list.Last(), EListError);
}

}  // namespace
