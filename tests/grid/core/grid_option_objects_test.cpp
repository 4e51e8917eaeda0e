#include "grid/core/grid_option_objects.h"

#include <gtest/gtest.h>

namespace {

// Counts the notices an option object fires.
struct Counter {
    int count = 0;
    TNotifyEvent Handler() {
        return [this](TObject*) { ++count; };
    }
};

TEST(SearchFooter, TextsOnlyWhenCreatedForDesign) {
    TSearchFooter bare(false), designed(true);
    const struct {
        QString (*read)(const TSearchFooter&);
        const char* text;
    } texts[] = {
        {[](const TSearchFooter& f) { return f.FindNextCaption(); }, "Find &next"},
        {[](const TSearchFooter& f) { return f.FindPrevCaption(); }, "Find &previous"},
        {[](const TSearchFooter& f) { return f.MatchCaseCaption(); }, "Match case"},
        {[](const TSearchFooter& f) { return f.HighLightCaption(); }, "Highlight"},
        {[](const TSearchFooter& f) { return f.HintClose(); }, "Close"},
        {[](const TSearchFooter& f) { return f.HintFindNext(); }, "Find next occurrence"},
        {[](const TSearchFooter& f) { return f.HintFindPrev(); }, "Find previous occurrence"},
        {[](const TSearchFooter& f) { return f.HintHighlight(); }, "Highlight occurrences"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(t.read(designed), QString::fromUtf8(t.text));
        EXPECT_EQ(t.read(bare), QString());
    }
    EXPECT_EQ(bare.ColorTo(), clBtnFace);
    EXPECT_EQ(bare.SearchColumn(), -1);
}

TEST(SearchFooter, SomeSettersFireOnlyOnAChange) {
    TSearchFooter footer(true);
    Counter changes;
    footer.OnChange = changes.Handler();
    footer.SetShowFindNext(true);  // unchanged: silent
    footer.SetVisible(false);
    EXPECT_EQ(changes.count, 0);
    footer.SetColor(footer.Color());  // fires even unchanged
    footer.SetShowClose(true);
    EXPECT_EQ(changes.count, 2);
    footer.SetAutoSearch(false);  // a plain field
    EXPECT_EQ(changes.count, 2);
}

TEST(SearchFooter, AssignCopiesTheLookButNotTheSearchState) {
    TSearchFooter source(true), target(false);
    Counter changes;
    target.OnChange = changes.Handler();
    source.SetVisible(true);
    source.SetColor(clRed);
    source.SetSearchColumn(4);
    source.SetAutoSearch(false);
    source.SetSearchFixedCells(true);
    source.SetLastSearch(QStringLiteral("abc"));
    TFont font;
    font.Size = 14;
    source.SetFont(font);
    target.Assign(&source);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.SearchColumn(), 4);
    EXPECT_EQ(target.FindNextCaption(), QStringLiteral("Find &next"));
    EXPECT_EQ(target.Font().Size, 14);
    EXPECT_TRUE(target.AutoSearch());
    EXPECT_FALSE(target.SearchFixedCells());
    EXPECT_EQ(target.LastSearch(), QString());
    EXPECT_EQ(changes.count, 0);
    TBands other;
    target.Assign(&other);  // another class: ignored
    EXPECT_TRUE(target.Visible());
}

TEST(Navigation, AdvanceAutoAlsoTurnsOnAdvanceOnEnter) {
    TNavigation navigation;
    navigation.SetAdvanceAuto(false);
    EXPECT_FALSE(navigation.AdvanceOnEnter());
    navigation.SetAdvanceAuto(true);
    EXPECT_TRUE(navigation.AdvanceOnEnter());
    navigation.SetAdvanceAuto(false);
    EXPECT_TRUE(navigation.AdvanceOnEnter());  // left as it was

    Counter changes;
    navigation.OnChange = changes.Handler();
    navigation.SetAdvanceDirection(adLeftRight);
    navigation.SetAdvanceInsert(true);
    navigation.SetAdvanceInsert(true);
    navigation.SetAdvanceDirection(adTopBottom);
    EXPECT_EQ(changes.count, 2);
}

TEST(Navigation, AssignKeepsKeepScrollOnSort) {
    TNavigation source, target;
    source.SetKeepScrollOnSort(true);
    source.SetTabAdvanceDirection(adTopBottomInCol);
    source.SetAllowClipboardColGrow(false);
    source.SetHomeEndKey(heFirstLastCell);
    target.Assign(&source);
    EXPECT_FALSE(target.KeepScrollOnSort());
    EXPECT_EQ(target.TabAdvanceDirection(), adTopBottomInCol);
    EXPECT_FALSE(target.AllowClipboardColGrow());
    EXPECT_EQ(target.HomeEndKey(), heFirstLastCell);
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyWhileDesigning) {
    TMouseActions actions;
    actions.SetDisjunctRowSelect(true);
    actions.SetDisjunctColSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect());  // at run time they are independent

    bool designing = true;
    actions.OnIsDesigning = [&](TObject*, bool& isDesigning) { isDesigning = designing; };
    actions.SetDisjunctCellSelect(true);
    EXPECT_FALSE(actions.DisjunctRowSelect());
    EXPECT_FALSE(actions.DisjunctColSelect());
    actions.SetDisjunctRowSelect(false);  // false excludes nothing
    EXPECT_TRUE(actions.DisjunctCellSelect());
}

TEST(MouseActions, HotmailRowSelectAndEditOnDblClickOnly) {
    TMouseActions actions;
    Counter invalidates, disables;
    actions.OnInvalidate = invalidates.Handler();
    actions.OnDisableEdit = disables.Handler();
    actions.SetHotmailRowSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect());
    EXPECT_TRUE(actions.CheckAllCheck());
    actions.SetHotmailRowSelect(false);
    EXPECT_TRUE(actions.DisjunctRowSelect());
    EXPECT_TRUE(actions.CheckAllCheck());
    EXPECT_EQ(invalidates.count, 2);
    actions.SetEditOnDblClickOnly(false);
    actions.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables.count, 1);

    TMouseActions copy;
    actions.SetSizeFixedRow(true);
    actions.SetWheelIncrement(3);
    TStringList values;
    values.Add(QStringLiteral("x"));
    actions.SetFixedComboValues(values);
    copy.Assign(&actions);
    EXPECT_EQ(copy.WheelIncrement(), 3);
    EXPECT_TRUE(copy.DisjunctRowSelect());
    EXPECT_FALSE(copy.SizeFixedRow());
    EXPECT_FALSE(copy.HotmailRowSelect());
    EXPECT_FALSE(copy.EditOnDblClickOnly());
    EXPECT_EQ(copy.FixedComboValues().Count(), 0);
}

TEST(SyncGrid, AGridCannotBeItsOwnPartner) {
    // The grids are only compared, never used.
    auto* owner = reinterpret_cast<TExStringGrid*>(0x1000);
    auto* partner = reinterpret_cast<TExStringGrid*>(0x2000);
    TSyncGrid sync(owner);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(partner);
    EXPECT_EQ(sync.Grid(), partner);

    TSyncGrid ownersPartner(partner);  // copying a partner that is the target's owner
    ownersPartner.SetMoveRow(true);
    ownersPartner.Assign(&sync);
    EXPECT_EQ(ownersPartner.Grid(), nullptr);
    EXPECT_FALSE(ownersPartner.MoveRow());
}

TEST(Bands, NoticesOnlyWhileActive) {
    TBands bands;
    Counter changes;
    bands.OnChange = changes.Handler();
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    bands.SetPrimaryColor(clRed);
    bands.SetSecondaryLength(3);
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetActive(true);
    bands.SetActive(true);
    bands.SetPrimaryColor(clRed);  // unchanged
    bands.SetPrimaryLength(2);
    EXPECT_EQ(changes.count, 2);
    EXPECT_EQ(bands.TotalLength(), 5);

    TBands copy;
    copy.Assign(&bands);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.TotalLength(), 5);
}

}  // namespace
