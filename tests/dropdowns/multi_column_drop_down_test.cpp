#include "drop_down_fixture.h"

#include "dropdowns/multi_column_drop_down.h"
#include "platform/image_list.h"

#include <QWheelEvent>

namespace {

using multi_column::TDropDownColumn;
using multi_column::TDropDownItem;
using multi_column::TExColGrid;

class MultiColumnDropDownTest : public DropDownWindowTest {
protected:
    void SetUp() override {
        DropDownWindowTest::SetUp();
        Multi = Make<TExMultiColumnDropDown>();
        Multi->DropDownHeader()->SetVisible(false);
        Multi->DropDownFooter()->SetVisible(false);
        for (const char* header : {"Fruit", "Colour"}) Multi->Columns().Add()->SetHeader(QString::fromLatin1(header));
        for (const auto& [fruit, colour] : {std::pair{"Apple", "red"}, {"Apricot", "orange"}, {"banana", "yellow"},
                                            {"Cherry", "red"}, {"Xenon", "none"}})
            AddItem({QString::fromLatin1(fruit), QString::fromLatin1(colour)});
        Multi->EndUpdate();
        Multi->OnSelect = [this](TObject*) { ++Selects; };
        Multi->OnChange = [this](TObject*) { ++Changes; };
    }
    void AddItem(const QStringList& texts) { Multi->Items().Add()->SetText(texts); }
    void Type(QWidget* target, const char* keys) {
        for (const char* k = keys; *k; ++k) QTest::keyClick(target, *k);
    }
    void Type(const char* keys) { Type(Multi, keys); }
    TExColGrid* List() const { return Multi->ExColGrid(); }
    QWidget* ListTarget() const { return PopUpKeyTarget(Multi); }
    void Open() {
        QTest::keyClick(Multi, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(Multi->DroppedDown());
        ASSERT_EQ(ListTarget(), List());
    }
    QPoint CellCentre(int col, int row) const {
        const TRect r = List()->CellRect(col, row);
        return List()->viewport()->mapFrom(List(), QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }

    TExMultiColumnDropDown* Multi = nullptr;
    int Selects = 0;
    int Changes = 0;
};

TEST_F(MultiColumnDropDownTest, TypingCompletesFromTheLookupColumnAndEnterTakesTheTextAsListed) {
    Type("a");
    // The typed key and the written completion are two changes: writing the completion
    // runs the handling again at once, which finds the caret at the start and leaves it.
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(Multi->Text(), "apple");
    Type("p");
    EXPECT_EQ(Multi->Text(), "apple");
    EXPECT_EQ(Multi->SelText(), "ple");
    EXPECT_EQ(Multi->SelStart(), 2);
    EXPECT_EQ(Multi->ItemIndex(), 0);
    EXPECT_TRUE(Multi->IsModified());
    Type("r");
    EXPECT_EQ(Multi->Text(), "apricot");
    EXPECT_EQ(Multi->ItemIndex(), 1);
    QTest::keyClick(Multi, Qt::Key_Return);
    EXPECT_EQ(Multi->Text(), "Apricot");
    EXPECT_EQ(Multi->ItemIndex(), 1);
    EXPECT_EQ(Selects, 0);
}

TEST_F(MultiColumnDropDownTest, CaseRulesEscBackspaceAndDelete) {
    struct Case {
        bool matchCase;
        const char* keys;
        Qt::Key last;
        const char* text;
        int itemIndex;
    };
    const Case cases[] = {
        {false, "ch", Qt::Key_unknown, "cherry", 3},
        {true, "ch", Qt::Key_unknown, "ch", -1},
        {true, "Ch", Qt::Key_unknown, "Cherry", 3},
        {false, "ap", Qt::Key_Backspace, "ap", 0},  // the completed rest goes, nothing completes again
        {false, "ap", Qt::Key_Delete, "ap", 0},
        {false, "qq", Qt::Key_Escape, "", -1},      // a text in no item empties the edit
        {false, "b", Qt::Key_Escape, "banana", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Multi->SetItemIndex(-1);
        Multi->SetMatchCase(c.matchCase);
        Type(c.keys);
        if (c.last != Qt::Key_unknown) QTest::keyClick(Multi, c.last);
        EXPECT_EQ(Multi->Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(Multi->ItemIndex(), c.itemIndex);
    }
    // After Backspace the next letter turns the lookup back on.
    Multi->SetItemIndex(-1);
    Type("ap");
    QTest::keyClick(Multi, Qt::Key_Backspace);
    Type("r");
    EXPECT_EQ(Multi->Text(), "apricot");
}

TEST_F(MultiColumnDropDownTest, TheLookupListFollowsTheItemsOnlyAtEndUpdate) {
    AddItem({QStringLiteral("Quince"), QStringLiteral("yellow")});
    Type("qu");
    EXPECT_EQ(Multi->Text(), "qu");
    Multi->EndUpdate();
    Multi->SetItemIndex(-1);
    Type("qu");
    EXPECT_EQ(Multi->Text(), "quince");
    EXPECT_EQ(Multi->ItemIndex(), 5);

    // With no items left the list empties too: nothing completes to a gone item.
    Multi->Items().Clear();
    Multi->EndUpdate();
    Multi->SetItemIndex(-1);
    Type("ap");
    EXPECT_EQ(Multi->Text(), "ap");
    EXPECT_EQ(Multi->ItemIndex(), -1);
    // Without EndUpdate the old list still completes, but keeps no index of a gone item.
    Multi->Items().Add()->SetText({QStringLiteral("Apple")});
    Multi->EndUpdate();
    Multi->Items().Clear();
    Multi->SetText(QString());
    Type("a");
    EXPECT_EQ(Multi->Text(), "apple");
    EXPECT_EQ(Multi->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDownTest, ItemIndexAndLookupTextChecks) {
    AddItem({});  // no line for the lookup column
    Multi->SetItemIndex(3);
    EXPECT_EQ(Multi->Text(), "Cherry");
    Multi->SetItemIndex(6);
    EXPECT_EQ(Multi->ItemIndex(), 3);
    Multi->SetItemIndex(5);
    EXPECT_EQ(Multi->ItemIndex(), 5);
    EXPECT_EQ(Multi->Text(), "");
    Multi->SetItemIndex(-3);
    EXPECT_EQ(Multi->ItemIndex(), -3);
    EXPECT_EQ(Multi->Text(), "");
    EXPECT_EQ(Multi->GetItemIndex(QStringLiteral("Cherry")), 3);
    EXPECT_EQ(Multi->GetItemIndex(QStringLiteral("cherry")), -1);
    EXPECT_EQ(Multi->GetItemIndex(QString()), 5);
    EXPECT_EQ(Multi->Items().IndexInColumn(1, QStringLiteral("red")), 0);
    EXPECT_EQ(Multi->Items().IndexInColumn(2, QString()), -1);
    EXPECT_EQ(Multi->RowCount(), 6);
    EXPECT_EQ(Selects, 0);
}

TEST_F(MultiColumnDropDownTest, AssignCopiesColumnsAndItemsWithTheirTexts) {
    Multi->Columns().Items(1)->SetWidth(33);
    Multi->Columns().Items(1)->SetColumnType(multi_column::ctImage);
    Multi->Items().Items(2)->SetImageIndex(4);
    Multi->SetLookupColumn(1);
    Multi->SetItemIndex(2);
    auto* copy = CreateDropDown<TExMultiColumnDropDown>(Form.get(), Form.get());
    copy->Assign(Multi);
    ASSERT_EQ(copy->Items().Count(), 5);
    EXPECT_EQ(copy->Items().Items(2)->Text(), QStringList({"banana", "yellow"}));
    EXPECT_EQ(copy->Items().Items(2)->ImageIndex(), 4);
    EXPECT_EQ(copy->Columns().Items(1)->Width(), 33);
    EXPECT_EQ(copy->Columns().Items(1)->ColumnType(), multi_column::ctImage);
    EXPECT_EQ(copy->Columns().Items(0)->Header(), "Fruit");
    EXPECT_EQ(copy->LookupColumn(), 1);
    EXPECT_EQ(copy->ItemIndex(), 2);
    // The copy's lookup list is its own, built at its EndUpdate.
    copy->EndUpdate();
    EXPECT_EQ(copy->LookupItems().Text(2), "yellow");
    EXPECT_EQ(Multi->LookupItems().Text(2), "banana");
}

TEST_F(MultiColumnDropDownTest, AnOwnDrawingHandlerPaintsEveryCellInstead) {
    int cells = 0;
    Multi->OnDropDownDrawItem = [&](TObject* Sender, int, int, TCanvas& Canvas, TRect R) {
        EXPECT_EQ(Sender, Multi);
        ++cells;
        Canvas.Brush.Color = 0x00FF00;
        Canvas.FillRect(R);
    };
    Open();
    const QImage shot = List()->viewport()->grab().toImage();
    EXPECT_GE(cells, 2 * 6);
    for (const auto& [col, row] : {std::pair{0, 0}, {1, 1}, {1, 3}}) {
        const TRect r = List()->CellRect(col, row);
        EXPECT_EQ(shot.pixelColor(r.Left + 3, r.Top + 3), QColor(Qt::green)) << col << "," << row;
    }
}

TEST_F(MultiColumnDropDownTest, AnIndexLeftPastItemsDeletedMeanwhileIsHarmless) {
    Multi->SetItemIndex(4);
    Multi->Items().Delete(4);
    Multi->Items().Delete(3);
    Open();
    EXPECT_EQ(List()->RowCount(), 4);
    // Esc looks the text up: its item is gone, so the edit empties.
    QTest::keyClick(ListTarget(), Qt::Key_Escape);
    EXPECT_FALSE(Multi->DroppedDown());
    EXPECT_EQ(Multi->ItemIndex(), -1);
    EXPECT_EQ(Multi->Text(), "");
    QTest::keyClick(Multi, Qt::Key_Up);
    EXPECT_EQ(Multi->ItemIndex(), 0);
    EXPECT_EQ(Multi->Text(), "Apple");
}

TEST_F(MultiColumnDropDownTest, ClosedKeysStepTheItem) {
    struct Step {
        Qt::Key key;
        int itemIndex;
    };
    const Step steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0}, {Qt::Key_Up, 0},
                          {Qt::Key_PageDown, 4}, {Qt::Key_PageUp, 0}, {Qt::Key_End, 0}};
    for (const Step& step : steps) {
        QTest::keyClick(Multi, step.key);
        EXPECT_EQ(Multi->ItemIndex(), step.itemIndex) << step.key;
    }
    Multi->SetEditorEnabled(false);
    QTest::keyClick(Multi, Qt::Key_End);
    EXPECT_EQ(Multi->ItemIndex(), 4);
    EXPECT_EQ(Multi->Text(), "Xenon");
}

TEST_F(MultiColumnDropDownTest, ReturnIsTabMovesTheFocusOn) {
    Multi->SetReturnIsTab(true);
    Type("ch");
    QTest::keyClick(Multi, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Multi->Text(), "Cherry");
    EXPECT_TRUE(Other->hasFocus());
}

TEST_F(MultiColumnDropDownTest, TheOpenListMirrorsTheItemsMovesLiveAndEnterSelects) {
    Multi->SetItemIndex(1);
    Open();
    EXPECT_EQ(List()->RowCount(), 6);
    EXPECT_EQ(List()->FixedRows(), 1);
    EXPECT_EQ(List()->ColCount(), 2);
    EXPECT_EQ(List()->Row(), 2);
    QTest::keyClick(ListTarget(), Qt::Key_Down);
    EXPECT_EQ(Multi->ItemIndex(), 2);
    EXPECT_EQ(Multi->Text(), "banana");
    EXPECT_TRUE(Multi->DroppedDown());
    QTest::keyClick(ListTarget(), Qt::Key_Return);
    EXPECT_FALSE(Multi->DroppedDown());
    EXPECT_EQ(Multi->ItemIndex(), 2);
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnDropDownTest, EscInTheListPutsTheOpeningItemBack) {
    Multi->SetItemIndex(0);
    Open();
    QTest::keyClick(ListTarget(), Qt::Key_Down);
    QTest::keyClick(ListTarget(), Qt::Key_Down);
    ASSERT_EQ(Multi->ItemIndex(), 2);
    QTest::keyClick(ListTarget(), Qt::Key_Escape);
    EXPECT_FALSE(Multi->DroppedDown());
    EXPECT_EQ(Multi->ItemIndex(), 0);
    EXPECT_EQ(Multi->Text(), "Apple");
    EXPECT_EQ(Selects, 0);
}

TEST_F(MultiColumnDropDownTest, AClickOnADataRowSelectsAndOnTheHeaderDoesNot) {
    Open();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_TRUE(Multi->DroppedDown());
    EXPECT_EQ(Selects, 0);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, CellCentre(0, 4));
    EXPECT_FALSE(Multi->DroppedDown());
    EXPECT_EQ(Multi->ItemIndex(), 3);
    EXPECT_EQ(Multi->Text(), "Cherry");
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnDropDownTest, TheWheelMovesTheListButNotTheItem) {
    Multi->SetItemIndex(0);
    Open();
    QWheelEvent down(QPointF(5, 40), List()->mapToGlobal(QPointF(5, 40)), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(List()->viewport(), &down);
    EXPECT_EQ(List()->Row(), 2);
    EXPECT_EQ(Multi->ItemIndex(), 0);
    // Closing without cancel, as a click elsewhere does, keeps the item: the row was not confirmed.
    Multi->HideDropDown(false);
    EXPECT_EQ(Multi->ItemIndex(), 0);
    EXPECT_EQ(Multi->Text(), "Apple");

    // A row confirmed by a key in one opening is not taken by the next one's plain close:
    // with no item the list stands on its first row, which nobody picked.
    Open();
    QTest::keyClick(ListTarget(), Qt::Key_Down);
    Multi->HideDropDown(false);
    ASSERT_EQ(Multi->ItemIndex(), 1);
    Multi->SetItemIndex(-1);
    Open();
    Multi->HideDropDown(false);
    EXPECT_EQ(Multi->ItemIndex(), -1);
    EXPECT_EQ(Multi->Text(), "");
}

TEST_F(MultiColumnDropDownTest, ThePopUpSearchNarrowsAndRestartsWithTheLastCharacter) {
    Multi->SetItemIndex(-1);
    Open();
    Type(ListTarget(), "a");
    EXPECT_EQ(Multi->ItemIndex(), 0);
    Type(ListTarget(), "p");
    EXPECT_EQ(Multi->ItemIndex(), 0);
    EXPECT_EQ(Multi->LookupEntry(), "ap");
    EXPECT_EQ(Multi->Text(), "Apple");
    EXPECT_EQ(Multi->SelText(), "ple");
    Type(ListTarget(), "r");
    EXPECT_EQ(Multi->ItemIndex(), 1);
    EXPECT_EQ(List()->Row(), 2);
    // No item starts with "aprx": the search restarts with "x" alone.
    Type(ListTarget(), "x");
    EXPECT_EQ(Multi->ItemIndex(), 4);
    EXPECT_EQ(Multi->LookupEntry(), "x");
    EXPECT_EQ(List()->Row(), 5);
    // A character that finds nothing at all empties the search.
    Type(ListTarget(), "z");
    EXPECT_EQ(Multi->LookupEntry(), "");
    EXPECT_EQ(Multi->ItemIndex(), 4);
    // Backspace takes the selected rest off the edit and ends the search.
    Type(ListTarget(), "ba");
    ASSERT_EQ(Multi->SelText(), "nana");
    QTest::keyClick(ListTarget(), Qt::Key_Backspace);
    EXPECT_EQ(Multi->Text(), "ba");
    EXPECT_EQ(Multi->LookupEntry(), "");
    // Case-sensitive search: "c" finds nothing, "C" finds Cherry.
    Multi->SetCaseSensitive(true);
    Type(ListTarget(), "c");
    EXPECT_EQ(Multi->ItemIndex(), 2);
    Type(ListTarget(), "C");
    EXPECT_EQ(Multi->ItemIndex(), 3);
    EXPECT_TRUE(Multi->DroppedDown());
    QTest::keyClick(ListTarget(), Qt::Key_Return);
    EXPECT_EQ(Multi->ItemIndex(), 3);
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnDropDownTest, ThePopUpHeightIsAWholeNumberOfRowsAndColumnsScaleToItsWidth) {
    Multi->SetDropDownAutoWidth(false);
    Multi->SetDropDownWidth(200);
    Multi->Columns().Add()->SetHeader(QStringLiteral("Origin"));
    Open();
    EXPECT_EQ(Multi->DropDownForm()->height(), 25 + 7 * 22 + 2);
    EXPECT_EQ(List()->ColWidths(0), 66);
    EXPECT_EQ(List()->ColWidths(1), 66);
    EXPECT_EQ(List()->ColWidths(2), 67);
    // Sizing the pop-up by its corner scales them again.
    Multi->DropDownForm()->SizeTo(300, Multi->DropDownForm()->height());
    EXPECT_EQ(List()->ColWidths(0), 100);
    EXPECT_EQ(List()->ColWidths(2), 100);
    Multi->HideDropDown(true);

    // The strips are kept out of the rows' area.
    Multi->DropDownHeader()->SetVisible(true);
    Multi->SetDropDownHeight(200);
    Open();
    const int strip = Multi->DropDownHeader()->Height();
    EXPECT_EQ(Multi->DropDownForm()->height(), strip + 25 + (200 - strip - 25 - 2) / 22 * 22 + 2);
    Multi->HideDropDown(true);
    Multi->DropDownHeader()->SetVisible(false);

    // A row height below 1 divides as 1.
    Multi->SetDropDownRowHeight(0);
    Multi->SetDropDownAutoWidth(true);
    Open();
    EXPECT_EQ(Multi->DropDownForm()->height(), Multi->UserDropDownHeight());
}

TEST_F(MultiColumnDropDownTest, AutoSizeWrapAndAListWithoutItems) {
    TDropDownColumn* empty = Multi->Columns().Add();
    empty->SetAutoSize(true);
    Multi->Columns().Items(0)->SetAutoSize(true);
    Multi->Columns().Items(1)->SetWordwrap(true);
    Multi->Columns().Items(1)->SetWidth(30);
    Multi->Items().Items(0)->SetText({QStringLiteral("Apple"), QStringLiteral("red and green and yellow")});
    Multi->SetDropDownRowHeight(18);
    Multi->SetColumnSizeWithDropDown(false);
    Open();
    EXPECT_EQ(List()->ColWidths(2), 0);
    EXPECT_GT(List()->ColWidths(0), 20);
    EXPECT_EQ(Multi->Columns().Items(0)->Width(), 80);  // the drop-down's own column keeps its width
    EXPECT_GT(List()->RowHeights(1), 24);                // wrapped over lines
    EXPECT_EQ(List()->RowHeights(4), 24);                // never below 24 with a wrapped column
    EXPECT_EQ(List()->RowHeights(0), 25);
    Multi->HideDropDown(true);

    Multi->Items().Clear();
    Open();
    EXPECT_EQ(List()->RowCount(), 1);
    EXPECT_EQ(List()->FixedRows(), 0);
    QTest::keyClick(ListTarget(), Qt::Key_Down);
    EXPECT_EQ(Multi->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDownTest, StylesSetHeaderLinesAndSelection) {
    EXPECT_EQ(Multi->HeaderColor(), 0xFFFFFF);
    EXPECT_EQ(Multi->HeaderColorTo(), 0x808080);
    EXPECT_EQ(Multi->LineColor(), 0xF1EDEB);
    EXPECT_EQ(Multi->FixedLineColor(), 0xD1BBA4);
    struct Case {
        TZRTStyle style;
        TColor headerColorTo;
        TColor lineColor;
        TColor fixedLineColor;
        TColor selectionColor;
    };
    const Case cases[] = {
        {tsOffice2003Blue, 0x933803, 0x962D00, 0x962D00, clNone},
        {tsWindowsXP, clBtnFace, 0xC0C0C0, 0x000000, clHighlight},
        {tsWindows7, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, clNone},
        {tsOffice2010Black, clNone, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Multi->SetComponentStyle(c.style);
        EXPECT_EQ(Multi->HeaderColorTo(), c.headerColorTo);
        EXPECT_EQ(Multi->LineColor(), c.lineColor);
        EXPECT_EQ(Multi->FixedLineColor(), c.fixedLineColor);
        if (c.selectionColor != clNone) EXPECT_EQ(Multi->SelectionColor(), c.selectionColor);
    }
    Multi->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Multi->HeaderFont().Color, 0xFFFFFF);
    // A style without a header font colour keeps it.
    Multi->SetComponentStyle(tsOffice2003Silver);
    EXPECT_EQ(Multi->HeaderFont().Color, 0xFFFFFF);
}

TEST_F(MultiColumnDropDownTest, PaintsTheHeaderGradientTheSelectedRowImagesAndCustomText) {
    TCustomImageList images(nullptr, 8, 8);
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    images.Add(blue);
    Multi->SetImages(&images);
    Multi->Columns().Items(0)->SetColumnType(multi_column::ctImage);
    Multi->Items().Items(2)->SetImageIndex(0);
    Multi->SetHeaderColor(0x0000FF);
    Multi->SetHeaderColorTo(0xFF0000);
    int asked = 0;
    Multi->OnDropDownGetItemText = [&](TObject* Sender, int, int, QString&) {
        EXPECT_EQ(Sender, Multi);
        ++asked;
    };
    Multi->SetItemIndex(0);
    Open();
    QApplication::processEvents();
    const QImage shot = List()->viewport()->grab().toImage();
    const TRect header = List()->CellRect(0, 0);
    // Red at the top of the header, blue at its bottom.
    const QColor top = shot.pixelColor(header.Left + 10, header.Top + 2);
    const QColor bottom = shot.pixelColor(header.Left + 10, header.Bottom - 3);
    EXPECT_GT(top.red(), top.blue());
    EXPECT_GT(bottom.blue(), bottom.red());
    // The selected row is painted in the selection colours, the others in the column's white.
    const TRect selected = List()->CellRect(1, 1);
    const TRect plain = List()->CellRect(1, 2);
    EXPECT_NE(shot.pixelColor(selected.Right - 4, selected.Top + 4), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(plain.Right - 4, plain.Top + 4), QColor(Qt::white));
    // The image of item 2 stands at the left of its first cell, centred.
    const TRect imageCell = List()->CellRect(0, 3);
    EXPECT_EQ(shot.pixelColor(imageCell.Left + 5, (imageCell.Top + imageCell.Bottom) / 2), QColor(Qt::blue));
    EXPECT_GT(asked, 0);
    Multi->HideDropDown(true);
    Multi->SetImages(nullptr);
}

}  // namespace
