#include "drop_down_fixture.h"

#include "dropdowns/grid_drop_down.h"

#include <QRandomGenerator>

namespace {

using grid_drop_down::TExColGrid;

// Opens the protected steps the tests measure.
class ProbedGridDropDown : public TCustomExGridDropDown {
public:
    using TCustomExGridDropDown::TCustomExGridDropDown;
    using TCustomExGridDropDown::AdjustDropDownHeight;
    using TCustomExGridDropDown::DropDownSizing;
};

class GridDropDownTest : public DropDownWindowTest {
protected:
    void SetUp() override {
        DropDownWindowTest::SetUp();
        Drop = Make<ProbedGridDropDown>();
        Drop->DropDownHeader()->SetVisible(false);
        Drop->DropDownFooter()->SetVisible(false);
        for (const char* header : {"Name", "Note"}) Drop->Columns().Add()->SetHeader(QString::fromLatin1(header));
        Drop->OnSelect = [this](TObject*) { ++Selects; };
    }
    void Fill(std::initializer_list<const char*> names) {
        for (const char* name : names)
            Drop->Items().Add()->SetText({QString::fromLatin1(name), QStringLiteral("note ") + QString::fromLatin1(name)});
        Drop->EndUpdate();
    }
    void Type(QWidget* target, const char* keys) {
        for (const char* k = keys; *k; ++k) QTest::keyClick(target, *k);
    }
    TExColGrid* List() const { return Drop->ExColGrid(); }
    void Open() {
        QTest::keyClick(Drop, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(Drop->DroppedDown());
        ASSERT_EQ(PopUpKeyTarget(Drop), List());
    }
    QPoint CellCentre(int col, int row) const {
        const TRect r = List()->CellRect(col, row);
        return List()->viewport()->mapFrom(List(), QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // The list's rows below the header, by their lookup text.
    QStringList ShownNames() const {
        QStringList names;
        for (int row = List()->FixedRows(); row < List()->RowCount(); ++row) names << List()->Cells(0, row);
        return names;
    }

    ProbedGridDropDown* Drop = nullptr;
    int Selects = 0;
};

TEST_F(GridDropDownTest, TypingCompletesKeyByKeyAndTheReleaseTakesTheStoredCase) {
    Fill({"Alpha", "Beta", "Bravo"});
    Type(Drop, "b");
    EXPECT_EQ(Drop->Text(), "Beta");
    EXPECT_EQ(Drop->SelText(), "eta");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    Type(Drop, "r");
    EXPECT_EQ(Drop->Text(), "Bravo");
    EXPECT_EQ(Drop->SelText(), "avo");
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->LookupEntry(), "br");

    // Backspace removes the completion, the next one restores completing.
    QTest::keyClick(Drop, Qt::Key_Backspace);
    EXPECT_EQ(Drop->Text(), "Br");
    Type(Drop, "a");
    EXPECT_EQ(Drop->Text(), "Bravo");
    QTest::keyClick(Drop, Qt::Key_Return);
    EXPECT_EQ(Drop->Text(), "Bravo");
    EXPECT_EQ(Drop->ItemIndex(), 2);
}

TEST_F(GridDropDownTest, LookupMethodsAndStylesInTheClosedEdit) {
    struct Case {
        TLookupMethod method;
        TDropDownStyle style;
        const char* keys;
        const char* text;
        int itemIndex;
        const char* entry;
    };
    const Case cases[] = {
        // Without the list lookup only the completion works; the release takes the stored case.
        {lmNone, dsDropDown, "alpha", "Alpha", 0, ""},
        // A list-only edit restarts the lookup at a key that continues no item.
        {lmLookup, dsDropDownList, "az", "Zulu", 3, "z"},
        {lmLookup, dsDropDownList, "aq", "Alpha", 0, ""},
        {lmLookup, dsDropDown, "zu", "Zulu", 3, "zu"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Drop->Items().Clear();
        Fill({"Alpha", "Beta", "Bravo", "Zulu"});
        Drop->SetLookupMethod(c.method);
        Drop->SetStyle(c.style);
        Drop->SetItemIndex(-1);
        Other->setFocus();
        Drop->setFocus();
        QApplication::processEvents();
        Type(Drop, c.keys);
        EXPECT_EQ(Drop->Text(), c.text);
        EXPECT_EQ(Drop->ItemIndex(), c.itemIndex);
        EXPECT_EQ(Drop->LookupEntry(), c.entry);
    }
}

TEST_F(GridDropDownTest, EscapeOnATextNotListedClearsTheChoice) {
    Fill({"Alpha", "Beta"});
    Drop->SetItemIndex(1);
    Drop->SetText(QStringLiteral("xyz"));
    QTest::keyClick(Drop, Qt::Key_Escape);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_EQ(Drop->Text(), "");
}

TEST_F(GridDropDownTest, EnterWithReturnIsTabTakesTheTextAndMovesOn) {
    Fill({"Alpha", "Beta"});
    Drop->SetReturnIsTab(true);
    Drop->SetText(QStringLiteral("beta"));
    QTest::keyClick(Drop, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Drop->Text(), "Beta");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), Other);
}

TEST_F(GridDropDownTest, ItemIndexKeepsItsLimits) {
    Fill({"Alpha", "Beta"});
    Drop->SetItemIndex(1);
    Drop->SetItemIndex(2);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Beta");
    Drop->SetItemIndex(-1);
    EXPECT_EQ(Drop->Text(), "");
    Drop->SetLookupColumn(5);
    Drop->SetItemIndex(0);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "");
}

TEST_F(GridDropDownTest, EnterRightAfterOpeningTakesTheCurrentRow) {
    Fill({"One", "Two", "Three", "Four", "Five"});
    Drop->SetItemIndex(3);
    Open();
    EXPECT_EQ(List()->Row(), 4);
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 3);
    EXPECT_EQ(Drop->Text(), "Four");
    EXPECT_EQ(Selects, 1);
}

TEST_F(GridDropDownTest, ArrowsInTheListFollowTheEditAndCancelRestores) {
    Fill({"One", "Two", "Three"});
    Drop->SetItemIndex(0);
    Open();
    QTest::keyClick(List(), Qt::Key_Down);
    EXPECT_EQ(Drop->Text(), "Two");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    QTest::keyClick(List(), Qt::Key_Down);
    EXPECT_EQ(Drop->Text(), "Three");
    QTest::keyClick(List(), Qt::Key_Escape);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "One");
    EXPECT_EQ(Selects, 0);
}

TEST_F(GridDropDownTest, RowsMapToItemsAfterAHeaderSort) {
    Fill({"Delta", "alpha", "Charlie", "Bravo", "Echo"});
    Drop->SetSorting(gsSingleColumn);
    Drop->SetItemIndex(3);
    // Sorting shows the indicator: the list opens sorted, on the row that shows item 3.
    Open();
    ASSERT_EQ(ShownNames(), (QStringList{"alpha", "Bravo", "Charlie", "Delta", "Echo"}));
    EXPECT_EQ(List()->Row(), 2);
    // A click on the name header sorts the other way; the row showing item 3 is current again.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
    ASSERT_EQ(ShownNames(), (QStringList{"Echo", "Delta", "Charlie", "Bravo", "alpha"}));
    EXPECT_EQ(List()->Row(), 4);
    EXPECT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 3);
    // Typing in the sorted list makes current the row that shows the found item.
    Type(List(), "d");
    EXPECT_EQ(List()->Row(), 2);
    EXPECT_EQ(Drop->Text(), "Delta");
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Delta");
    // A click on a data row chooses the item it shows.
    Open();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 4);
    EXPECT_EQ(Drop->Text(), "Echo");
    EXPECT_EQ(Selects, 2);
}

TEST_F(GridDropDownTest, NarrowingKeepsTheHeaderAndEnteringAgainRemovesIt) {
    Fill({"Alpha", "Beta", "Bravo", "Zulu"});
    Drop->SetLookupMethod(lmNarrowDown);
    Open();
    Type(List(), "ra");
    EXPECT_EQ(ShownNames(), (QStringList{"Bravo"}));
    EXPECT_EQ(Drop->Text(), "Bravo");
    QTest::keyClick(List(), Qt::Key_Escape);
    Drop->SetText(QString());
    Open();
    // The filter stays between drop-downs until the control is entered again.
    Type(List(), "xy");
    EXPECT_EQ(List()->RowCount(), 1);
    EXPECT_EQ(List()->Cells(0, 0), "Name");
    QTest::keyClick(List(), Qt::Key_Escape);
    Other->setFocus();
    Drop->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(ShownNames(), (QStringList{"Alpha", "Beta", "Bravo", "Zulu"}));
}

TEST_F(GridDropDownTest, WithoutItemsTheListRowsAreTheChoices) {
    Drop->SetUseItems(false);
    Drop->DropDownForm();
    Open();
    QTest::keyClick(List(), Qt::Key_Escape);
    List()->SetColCount(2);
    List()->SetRowCount(4);
    const char* names[] = {"Oak", "Pine", "Yew"};
    for (int i = 0; i < 3; ++i) List()->SetCells(0, i + 1, QString::fromLatin1(names[i]));
    Drop->SetText(QStringLiteral("Maple"));
    Open();
    // No lookup cell starts with the text: the first data row.
    EXPECT_EQ(List()->Row(), 1);
    QTest::keyClick(List(), Qt::Key_Escape);
    Drop->SetItemIndex(2);
    EXPECT_EQ(Drop->Text(), "Yew");
    Drop->SetItemIndex(3);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Yew");
    Drop->SetText(QStringLiteral("Pi"));
    Open();
    EXPECT_EQ(List()->Row(), 2);
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Pine");
}

TEST_F(GridDropDownTest, HeightShowsWholeRowsAndColumnsScaleWithThePopUp) {
    Drop->DropDownHeader()->SetVisible(true);
    Drop->DropDownHeader()->SetHeight(20);
    int height = 200;
    Drop->AdjustDropDownHeight(height);
    EXPECT_EQ(height, 183);
    Drop->SetDropDownRowHeight(0);
    height = 200;
    Drop->AdjustDropDownHeight(height);
    EXPECT_EQ(height, 20 + 25 + 2 + 153 + 4);

    Drop->Columns().Clear();
    for (int i = 0; i < 3; ++i) Drop->Columns().Add()->SetWidth(50);
    Drop->SetDropDownAutoWidth(false);
    Drop->SetDropDownRowHeight(22);
    Fill({"a"});
    Open();
    Drop->DropDownForm()->resize(300, Drop->DropDownForm()->height());
    Drop->DropDownSizing();
    EXPECT_EQ(List()->ColWidths(0), 99);
    EXPECT_EQ(List()->ColWidths(1), 99);
    EXPECT_EQ(List()->ColWidths(2), 100);
}

TEST_F(GridDropDownTest, IndexedLookupAgreesWithAPlainScanAndNoticesChangedItems) {
    QRandomGenerator random(24);
    const auto word = [&] {
        QString text;
        const int length = 1 + int(random.bounded(4));
        for (int i = 0; i < length; ++i) text += QChar(QLatin1Char("abAB"[random.bounded(4)]));
        return text;
    };
    for (int i = 0; i < 300; ++i) Drop->Items().Add()->SetText({word()});
    Drop->Items().Add()->SetText({});
    Drop->EndUpdate();
    const auto scan = [&](const QString& s, bool caseSensitive) {
        for (int i = 0; i < Drop->Items().Count(); ++i)
            if (!Drop->Items().Items(i)->Text().isEmpty() &&
                Drop->Items().Items(i)->Text()[0].startsWith(s, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive))
                return i;
        return -1;
    };
    for (int round = 0; round < 400; ++round) {
        if (round == 200) {
            // Changed behind the lookup list's back: the answer must follow the items.
            Drop->Items().Items(0)->EditText()[0] = QStringLiteral("bbbb");
            Drop->Items().Delete(1);
        }
        const bool caseSensitive = round % 2;
        Drop->SetCaseSensitive(caseSensitive);
        const QString s = word();
        QString text;
        int index = -2;
        const bool found = Drop->FindLookupMatch(s, text, index);
        ASSERT_EQ(index, scan(s, caseSensitive)) << s.toStdString();
        ASSERT_EQ(found, index >= 0);
        if (found) {
            ASSERT_EQ(text, Drop->Items().Items(index)->Text()[0]);
        }
    }
}

TEST_F(GridDropDownTest, RelaysFireWithTheirSenderAsBound) {
    const auto& table = TCustomExGridDropDown::RelayTable();
    std::map<std::string, TObject*> seen;
    for (const TGridRelayEntry& entry : table)
        entry.Watch(*Drop, [&seen, name = std::string(entry.Event)](TObject* Sender) { seen[name] = Sender; });
    Fill({"One"});
    Open();
    QTest::keyClick(List(), Qt::Key_Escape);
    for (const TGridRelayEntry& entry : table) {
        SCOPED_TRACE(entry.Event);
        seen.clear();
        entry.FireGridEvent(*List());
        const auto fired = seen.find(entry.Event);
        switch (entry.Binding) {
            case rbBound:
            case rbWhenAssigned:
            case rbEditorProp:
                ASSERT_NE(fired, seen.end());
                EXPECT_EQ(fired->second, List());
                break;
            case rbDropDownSender:
                ASSERT_NE(fired, seen.end());
                EXPECT_EQ(fired->second, Drop);
                break;
            case rbSortHook:
                EXPECT_TRUE(entry.IsBound(*List()));
                EXPECT_EQ(fired, seen.end());
                break;
            case rbKeyRelay:
            case rbNotBound: EXPECT_EQ(fired, seen.end()); break;
        }
        // Every relay fires its event with the Sender it is given.
        seen.clear();
        entry.CallRelay(*Drop, Other);
        EXPECT_EQ(seen[entry.Event], Other);
    }
}

TEST_F(GridDropDownTest, RelaysGiveTheColumnsLookAndKeepThePopUpOpenForTheHandler) {
    Drop->Columns().Items(1)->SetAlignment(taRightJustify);
    Drop->Columns().Items(1)->SetColor(0x00FF00);
    Fill({"One"});
    bool blockedDuringHandler = false;
    Drop->OnGridButtonClick = [&](TObject*, int, int) { blockedDuringHandler = Drop->DropDownForm()->BlockActivate(); };
    TColor seenColor = 0;
    Drop->OnGridGetCellColor = [&](TObject*, int, int, TGridDrawState, TBrush* ABrush, TFont*) { seenColor = ABrush->Color; };
    Open();
    List()->OnButtonClick(List(), 1, 1);
    EXPECT_TRUE(blockedDuringHandler);
    EXPECT_FALSE(Drop->DropDownForm()->BlockActivate());
    EXPECT_TRUE(Drop->DroppedDown());

    TBrush brush;
    List()->OnGetCellColor(List(), 1, 1, {}, &brush, nullptr);
    EXPECT_EQ(seenColor, 0x00FF00);
    TAlignment align = taLeftJustify;
    TVAlignment valign = vtaTop;
    List()->OnGetAlignment(List(), 1, 1, align, valign);
    EXPECT_EQ(align, taRightJustify);
    align = taCenter;
    List()->OnGetAlignment(List(), 1, 7, align, valign);
    EXPECT_EQ(align, taCenter);
    bool isFloat = true;
    QString format = QStringLiteral("%.2f");
    List()->OnGetFloatFormat(List(), 1, 1, isFloat, format);
    EXPECT_EQ(format, "");
    // The block-focus notices of the list hold the pop-up open between them.
    List()->DoStartBlockFocus();
    EXPECT_TRUE(Drop->DropDownForm()->BlockActivate());
    List()->DoEndBlockFocus();
    EXPECT_FALSE(Drop->DropDownForm()->BlockActivate());
}

}  // namespace
