// The edit with a button and the unit edit driven by real keys and mouse: F4 and the
// button, the EditorEnabled gate, the unit menu and TextAndUnit, and the button's painting.

#include "edit_control_fixture.h"
#include "grid/edit/unit_edit_button.h"

#include <QClipboard>

namespace {

using EditButtonTest = EditControlFixture<TAsgEditBtn>;

TEST_F(EditButtonTest, F4AndAReleaseOnTheButtonFireOnClickBtnWithTheirSender) {
    std::vector<TObject*> senders;
    Edit->OnClickBtn = [&](TObject* Sender) { senders.push_back(Sender); };
    EXPECT_EQ(Edit->Text(), "0");
    QTest::keyClick(Edit, Qt::Key_F4);
    QTest::keyClick(Edit, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(Edit, Qt::Key_F4, Qt::AltModifier);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], static_cast<TObject*>(Edit));

    // The button fires on the release wherever the pointer is then, with the container
    // as Sender, and gives the focus back to the edit.
    TExSpeedButton* button = Edit->Button()->Button();
    After->setFocus(Qt::OtherFocusReason);
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(senders.size(), 1u);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-40, 50));
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[1], static_cast<TObject*>(Edit->Button()));
    EXPECT_TRUE(Edit->hasFocus());
    // The right button does nothing.
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(senders.size(), 2u);
}

TEST_F(EditButtonTest, EditorEnabledOffKeepsTypingPasteAndCutOutButNotTheButton) {
    int clicks = 0;
    Edit->OnClickBtn = [&](TObject*) { ++clicks; };
    Edit->SetText("abc");
    Edit->SetEditorEnabled(false);
    Edit->SelectAll();
    QApplication::clipboard()->setText("pasted");
    Type("x");
    QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Edit, Qt::Key_X, Qt::ControlModifier);
    TMessage paste{WM_PASTE, 0, 0, 0};
    Edit->WndProc(paste);
    TMessage cut{WM_CUT, 0, 0, 0};
    Edit->WndProc(cut);
    EXPECT_EQ(Edit->Text(), "abc");
    EXPECT_EQ(QApplication::clipboard()->text(), "pasted");
    QTest::keyClick(Edit, Qt::Key_F4);
    QTest::mouseClick(Edit->Button()->Button(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    Edit->SetEditorEnabled(true);
    Edit->SetSelStart(3);
    Type("d");
    EXPECT_EQ(Edit->Text(), "abcd");
}

TEST_F(EditButtonTest, TheButtonStandsInsideTheRightEdgeAndTheTextLeftOfIt) {
    const QRect container = Edit->Button()->geometry();
    EXPECT_EQ(container.width(), 18);
    EXPECT_EQ(container.right(), Edit->width() - Edit->FrameWidth() - 2);
    EXPECT_EQ(Edit->Button()->Button()->geometry(), Edit->Button()->rect());
    EXPECT_EQ(Edit->TextRect().Right, Edit->width() - 2 * Edit->FrameWidth() - (18 + 5));
    Edit->SetButtonWidth(30);
    EXPECT_EQ(Edit->Button()->width(), 30);
    EXPECT_EQ(Edit->TextRect().Right, Edit->width() - 2 * Edit->FrameWidth() - (30 + 5));
}

TEST_F(EditButtonTest, TheButtonPaintsColouredThemedOrClassic) {
    TAsgEditButton* container = Edit->Button();
    TExSpeedButton* button = container->Button();
    container->SetButtonCaption("...");
    // Coloured: flat in ButtonColor whatever Flat said, ButtonColorDown while pressed,
    // and the caption stays black.
    container->SetButtonColor(clNavy);
    container->SetButtonColorHot(clYellow);
    container->SetButtonColorDown(clRed);
    EXPECT_EQ(PixelOf(button, 0, 0), clNavy);
    EXPECT_TRUE(button->Flat());
    const QImage coloured = button->grab().toImage();
    bool blackCaption = false;
    for (int x = 0; x < coloured.width(); ++x)
        for (int y = 0; y < coloured.height(); ++y)
            blackCaption = blackCaption || FromQColor(coloured.pixelColor(x, y)) == clBlack;
    EXPECT_TRUE(blackCaption);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(PixelOf(button, 0, 0), clRed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(2, 2));
    container->SetButtonColor(clNone);

    // Flat without colours: a one-pixel raised edge; classic: the two-pixel frame.
    SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    Edit->SetIsWinXP(true);
    EXPECT_EQ(PixelOf(button, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(button, 1, 1), ColorToRGB(clBtnFace));
    button->SetFlat(false);
    EXPECT_EQ(PixelOf(button, button->width() - 2, button->height() - 2), ColorToRGB(clBtnShadow));
    const QImage classic = button->grab().toImage();
    // Themed: the style's push button.
    SetVisualStyleProbe(nullptr);
    EXPECT_NE(button->grab().toImage(), classic);
}

using UnitEditTest = EditControlFixture<TAsgUnitEditBtn>;

TStringList UnitList(const QStringList& Units) {
    TStringList list;
    for (const QString& unit : Units) list.Add(unit);
    return list;
}

TEST_F(UnitEditTest, StartsRightAlignedWithTwentyPixelsOfUnitSpace) {
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_TRUE(Edit->RightAlign());
    EXPECT_EQ(Edit->UnitSpace(), 20);
    TAsgEditBtn plain(nullptr, Form.get());
    plain.SetBounds(10, 10, 120, 24);
    plain.show();
    EXPECT_EQ(plain.TextRect().Right - Edit->TextRect().Right, 23);
}

TEST_F(UnitEditTest, TextAndUnitSplitsAtTheFirstUnitWhoseFirstOccurrenceEndsTheValue) {
    struct Case {
        const char* Name;
        QStringList Units;
        QString Value;
        QString Text, Unit;
    };
    const Case cases[] = {
        {"m occurs first inside, mm ends the value", {"m", "mm"}, "10mm", "10", "mm"},
        {"the first matching unit in list order wins", {"mm", "m"}, "10mm", "10", "mm"},
        {"a value that is only a unit", {"kg"}, "kg", "", "kg"},
        {"a unit occurring twice does not match", {"m"}, "5m2m", "5m2m", ""},
        {"no unit: the whole text and no unit", {"m", "mm"}, "12 kg", "12 kg", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TStringList units = UnitList(c.Units);
        Edit->SetUnits(&units);
        Edit->SetUnitID("old");
        Edit->SetTextAndUnit(c.Value);
        EXPECT_EQ(Edit->Text(), c.Text);
        EXPECT_EQ(Edit->UnitID(), c.Unit);
        EXPECT_EQ(Edit->TextAndUnit(), c.Value);
    }
    Edit->SetUnits(nullptr);
    EXPECT_EQ(Edit->Units().Count(), 2);
}

TEST_F(UnitEditTest, TheMenuOfUnitsSetsTheChosenUnitAndReportsOnlyAChange) {
    const TStringList units = UnitList({"m", "cm", "mm"});
    Edit->SetUnits(&units);
    Edit->SetUnitID("cm");
    std::vector<QString> changes;
    Edit->OnUnitChanged = [&](TObject* Sender, const QString& NewUnit) {
        EXPECT_EQ(Sender, static_cast<TObject*>(Edit));
        changes.push_back(NewUnit);
    };
    int clicks = 0;
    Edit->OnClickBtn = [&](TObject* Sender) {
        EXPECT_EQ(Sender, static_cast<TObject*>(Edit));
        ++clicks;
    };
    QTest::mouseClick(Edit->Button()->Button(), Qt::LeftButton);
    QMenu* menu = Edit->UnitMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(clicks, 1);
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[2]->text(), "mm");
    // Below the client area, 15 pixels left of its right edge.
    const int frame = Edit->FrameWidth();
    EXPECT_EQ(menu->pos(), Edit->mapToGlobal(QPoint(Edit->width() - frame - 15, Edit->height() - frame)));
    actions[1]->trigger();  // the unit already shown
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(Edit->UnitID(), "cm");
    actions[2]->trigger();
    EXPECT_EQ(Edit->UnitID(), "mm");
    EXPECT_EQ(changes, std::vector<QString>{"mm"});
    // Identifiers beyond the list and the edit's change notice are ignored.
    EXPECT_EQ(Perform(Edit, WM_COMMAND, 4), 0);
    Perform(Edit, WM_COMMAND, (WPARAM(EN_CHANGE) << 16) | 1);
    Perform(Edit, WM_COMMAND, 0);
    EXPECT_EQ(Edit->UnitID(), "mm");
    menu->close();
    QTRY_VERIFY(Edit->UnitMenu() == nullptr);
}

TEST_F(UnitEditTest, TheUnitIsDrawnInItsSpaceLeftOfTheButton) {
    After->setFocus(Qt::OtherFocusReason);  // no blinking caret between the pictures
    Edit->SetText("");
    const QImage without = Edit->grab().toImage();
    Edit->SetUnitID("mm");
    const QImage with = Edit->grab().toImage();
    const int frame = Edit->FrameWidth();
    const int right = Edit->width() - frame - (Edit->ButtonWidth() + 3);
    int changedInside = 0, changedOutside = 0;
    for (int x = 0; x < with.width(); ++x)
        for (int y = 0; y < with.height(); ++y) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            if (x >= right - 20 && x < right) ++changedInside;
            else ++changedOutside;
        }
    EXPECT_GT(changedInside, 0);
    EXPECT_EQ(changedOutside, 0);
}

}  // namespace
