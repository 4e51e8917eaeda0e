// The styled push button driven as a user drives it: mouse, keys, accelerators,
// default and cancel buttons in a real form, the hot-track fade on an injected timer,
// kind and colour-style presets, and the modal result reaching the form.

#include "controls/lb_button.h"
#include "fake_timer.h"
#include "platform/form.h"
#include "platform/standard_controls.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <memory>
#include <vector>

namespace {

constexpr TColor kFace = RGBColor(200, 200, 200);
constexpr TColor kHot = RGBColor(255, 255, 0);
constexpr TColor kDown = RGBColor(255, 128, 0);

class LbButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetName(QStringLiteral("ButtonForm"));
        Form->resize(320, 160);
        Edit = new TEdit(Form.get());
        Edit->SetName(QStringLiteral("Edit1"));
        Edit->SetBounds(8, 8, 120, 22);
        OK = MakeButton(QStringLiteral("Btn_OK"), 8, 120);
        OK->SetDefault(true);
        OK->SetModalResult(mrOk);
        Cancel = MakeButton(QStringLiteral("Btn_Cancel"), 120, 120);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
    }
    void TearDown() override { Form.reset(); }

    TLbButton* MakeButton(const QString& name, int left, int top) {
        auto* button = new TLbButton(Form.get());
        button->SetName(name);
        button->SetBounds(left, top, 100, 28);
        button->SetColor(kFace);
        button->SetHotTrackColor(kHot);
        button->SetColorWhenDown(kDown);
        button->OnClick = [this, name](TObject*) { Clicks.push_back(name); };
        return button;
    }

    void ShowForm() {
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    static TColor FaceOf(TLbButton* button) {
        return FromQColor(button->grab().toImage().pixelColor(button->width() / 2, button->height() / 2));
    }
    static TColor LeftEdgeOf(TLbButton* button) {
        return FromQColor(button->grab().toImage().pixelColor(0, button->height() / 2));
    }
    static void Enter(QWidget* widget) {
        QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(widget, &event);
    }
    static void Leave(QWidget* widget) {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
    }
    // Presses a key where the focus is, as a user would.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    FakeTimersScope FakeTimers;  // every timer the buttons create ticks only when fired
    std::vector<FakeTimer*>& Timers = FakeTimers.Timers;
    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TLbButton* OK = nullptr;
    TLbButton* Cancel = nullptr;
    std::vector<QString> Clicks;
};

TEST_F(LbButtonTest, KindPresetsSetModalResultCaptionAndGlyph) {
    struct Row {
        TLbButtonKind kind;
        TModalResult modalResult;
        const char* caption;
        int glyphHeight;
    };
    const Row rows[] = {
        {bkOK, 1, "OK", 18},          {bkCancel, 2, "Abbrechen", 18},   {bkHelp, 0, "Hilfe", 18},
        {bkYes, 6, "Ja", 18},         {bkNo, 7, "Nein", 18},            {bkClose, 0, "Schlie\u00DFen", 18},
        {bkAbort, 3, "Abbrechen", 18}, {bkRetry, 4, "Wiederholen", 18}, {bkIgnore, 5, "Ignorieren", 18},
        {bkAll, 12, "Alle", 19},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        OK->SetKind(row.kind);
        EXPECT_EQ(OK->Kind(), row.kind);
        EXPECT_EQ(OK->ModalResult(), row.modalResult);
        EXPECT_EQ(OK->Caption(), QString::fromUtf8(row.caption));
        EXPECT_EQ(OK->NumGlyphs(), 2);
        EXPECT_EQ(OK->Glyph().Width(), 36);
        EXPECT_EQ(OK->Glyph().Height(), row.glyphHeight);
    }

    OK->SetKind(bkOK);
    OK->SetModalResult(mrCancel);
    EXPECT_EQ(OK->Kind(), bkCustom);
    EXPECT_EQ(OK->Caption(), QStringLiteral("OK"));

    OK->SetKind(bkOK);
    const TBitmap strip(72, 18);
    OK->SetGlyph(&strip);
    EXPECT_EQ(OK->Kind(), bkCustom);
    EXPECT_EQ(OK->NumGlyphs(), 4);
    const TBitmap flat(72, 0);
    OK->SetGlyph(&flat);
    EXPECT_EQ(OK->NumGlyphs(), 0);
    OK->SetGlyph(nullptr);
    EXPECT_EQ(OK->NumGlyphs(), 0);
    EXPECT_EQ(OK->Glyph().Height(), 0);
}

TEST_F(LbButtonTest, ColorStyleAppliesItsRowAndIsNotKept) {
    OK->SetColorStyle(lcsGold);
    EXPECT_EQ(OK->Color(), RGBColor(192, 192, 0));
    EXPECT_EQ(OK->LightColor(), RGBColor(255, 255, 0));
    EXPECT_EQ(OK->ShadowColor(), RGBColor(128, 128, 0));
    EXPECT_EQ(OK->HotTrackColor(), RGBColor(223, 223, 0));
    EXPECT_EQ(OK->ColorWhenDown(), clNone);
    EXPECT_EQ(OK->Style(), bsModern);
    EXPECT_EQ(OK->ColorStyle(), lcsCustom);

    OK->SetColor(kFace);
    OK->SetColorStyle(lcsCustom);
    EXPECT_EQ(OK->Color(), kFace);
    EXPECT_EQ(OK->Style(), bsModern);
}

TEST_F(LbButtonTest, MouseClicksOnReleaseAnywhereWithTheLeftButtonOnly) {
    ShowForm();
    QTest::mousePress(OK, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(FaceOf(OK), kDown);
    EXPECT_TRUE(Clicks.empty());
    QTest::mouseRelease(OK, Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(Clicks.size(), 1u);

    QTest::mouseClick(OK, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.size(), 1u);

    // A double click arrives as press, release, double click, release.
    Clicks.clear();
    QTest::mouseClick(OK, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(OK, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(OK, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.size(), 2u);

    Clicks.clear();
    OK->SetEnabled(false);
    QTest::mouseClick(OK, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(LbButtonTest, ChangingEnabledDropsThePressAndAHiddenButtonIsNotClicked) {
    ShowForm();
    QTest::mousePress(OK, Qt::LeftButton, {}, QPoint(5, 5));
    OK->SetEnabled(false);
    EXPECT_EQ(FaceOf(OK), kFace);  // a disabled button never looks pressed
    OK->SetEnabled(true);
    EXPECT_NE(FaceOf(OK), kDown);
    QTest::mouseRelease(OK, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Clicks.empty());

    OK->Hide();
    OK->Click();
    OK->Show();
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Form->ModalResult(), mrNone);
}

TEST_F(LbButtonTest, HotTrackColourFadesOutOverEightTicksWithSlowDecease) {
    ShowForm();
    Enter(OK);
    EXPECT_EQ(OK->HotTrackStep(), 8);
    EXPECT_EQ(FaceOf(OK), kHot);
    Leave(OK);
    EXPECT_EQ(OK->HotTrackStep(), 0);
    EXPECT_EQ(FaceOf(OK), kFace);

    OK->SetSlowDecease(true);
    FakeTimer* fade = Timers.front();
    Enter(OK);
    Leave(OK);
    ASSERT_TRUE(fade->Running());
    EXPECT_EQ(fade->interval, 30);
    for (int i = 0; i < 4; ++i) fade->Fire();
    EXPECT_EQ(OK->HotTrackStep(), 4);
    EXPECT_EQ(FaceOf(OK), BlendHotTrackColor(kFace, kHot, 4));

    // Back under the pointer the fade stops and the full colour returns.
    Enter(OK);
    EXPECT_FALSE(fade->Running());
    EXPECT_EQ(OK->HotTrackStep(), 8);

    Leave(OK);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(fade->Running());
        fade->Fire();
    }
    EXPECT_FALSE(fade->Running());
    EXPECT_EQ(OK->HotTrackStep(), 0);
    EXPECT_EQ(FaceOf(OK), kFace);
}

TEST_F(LbButtonTest, FlatEncartaButtonShowsEdgesOnlyWhenHotOrFocused) {
    OK->SetStyle(bsEncarta);
    OK->SetFlat(true);
    OK->SetLightColor(clWhite);
    ShowForm();
    Edit->SetFocus();
    EXPECT_EQ(LeftEdgeOf(OK), kFace);
    OK->SetFocus();
    EXPECT_EQ(LeftEdgeOf(OK), clWhite);
    Edit->SetFocus();
    Enter(OK);
    EXPECT_EQ(LeftEdgeOf(OK), clWhite);
}

TEST_F(LbButtonTest, FocusedButtonShowsAFocusRectangleAndTheOldStyleAFrame) {
    OK->SetStyle(bsOld);
    OK->SetLightColor(clWhite);
    ShowForm();
    auto pixel = [this](int x, int y) { return FromQColor(OK->grab().toImage().pixelColor(x, y)); };
    const int W = OK->width(), H = OK->height();
    Edit->SetFocus();
    EXPECT_EQ(pixel(0, 0), clWhite);
    EXPECT_EQ(pixel(4, 4), kFace);
    OK->SetFocus();
    // A black frame round a face one pixel smaller, and the inverted dots at 4, 4.
    EXPECT_EQ(pixel(0, 0), clBlack);
    EXPECT_EQ(pixel(W - 1, H - 1), clBlack);
    EXPECT_EQ(pixel(1, H / 2), clWhite);
    EXPECT_EQ(pixel(W - 2, H / 2), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(pixel(4, 4), RGBColor(255 - 200, 255 - 200, 255 - 200));
    EXPECT_EQ(pixel(5, 4), kFace);
    OK->SetStyle(bsShape);  // a shape button has no focus rectangle
    EXPECT_EQ(pixel(4, 4), pixel(5, 4));
}

// A window that is hidden or sent to the background under the pointer need not be told
// that the pointer left its button (an X server tells nothing to a window it unmaps);
// the button drops its hot-track colour by itself, also in the middle of a fade.
TEST_F(LbButtonTest, AHiddenButtonOrOneInAWindowLeftBehindIsNotHot) {
    ShowForm();
    Enter(Cancel);
    ASSERT_EQ(Cancel->HotTrackStep(), 8);
    TForm other(nullptr);
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(Cancel->HotTrackStep(), 0);
    EXPECT_EQ(FaceOf(Cancel), kFace);
    other.hide();

    OK->SetSlowDecease(true);
    Enter(OK);
    ASSERT_EQ(FaceOf(OK), kHot);
    Form->hide();
    Form->show();
    EXPECT_EQ(OK->HotTrackStep(), 0);
    EXPECT_EQ(FaceOf(OK), kFace);
    // The colour is dropped at once: no fade runs on.
    for (FakeTimer* timer : Timers) EXPECT_FALSE(timer->Running());
}

TEST_F(LbButtonTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
    ShowForm();
    Edit->SetFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_OK")});
    EXPECT_EQ(Form->ModalResult(), mrOk);

    Clicks.clear();
    Key(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(Clicks.empty());
    Key(Qt::Key_Escape);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Cancel")});
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

TEST_F(LbButtonTest, AFocusedPushButtonKeepsEnterButARadioButtonDoesNot) {
    auto* push = new QPushButton(QStringLiteral("Push"), Form.get());
    push->setGeometry(140, 8, 80, 24);
    auto* radio = new QRadioButton(QStringLiteral("Radio"), Form.get());
    radio->setGeometry(140, 40, 80, 24);
    ShowForm();

    push->setFocus();
    Key(Qt::Key_Return);
    EXPECT_TRUE(Clicks.empty());

    radio->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_OK")});

    // A focused styled button takes Enter itself, but Escape still cancels.
    Clicks.clear();
    Cancel->SetFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Cancel")});
    Clicks.clear();
    OK->SetFocus();
    Key(Qt::Key_Escape);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Cancel")});
}

TEST_F(LbButtonTest, HiddenOrDisabledDefaultButtonsLeaveEnterAlone) {
    ShowForm();
    Edit->SetFocus();
    OK->Hide();
    Key(Qt::Key_Return);
    OK->Show();
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(FaceOf(OK), kFace);  // not left drawn pressed

    OK->SetEnabled(false);
    Cancel->SetEnabled(false);
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Form->ModalResult(), mrNone);
}

TEST_F(LbButtonTest, SpaceAndEnterOnTheFocusedButtonClickOnRelease) {
    ShowForm();
    Cancel->SetFocus();
    QTest::keyPress(Cancel, Qt::Key_Space);
    EXPECT_EQ(FaceOf(Cancel), kDown);
    EXPECT_TRUE(Clicks.empty());
    QTest::keyRelease(Cancel, Qt::Key_Space);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Cancel")});

    // The release of a key pressed elsewhere (an Enter that closed another window)
    // does not click the button that has the focus now.
    Clicks.clear();
    QTest::keyRelease(Cancel, Qt::Key_Return);
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(LbButtonTest, AcceleratorOfTheCaptionClicksTheButton) {
    auto* apply = MakeButton(QStringLiteral("Btn_Apply"), 200, 80);
    apply->SetCaption(QStringLiteral("&Apply"));
    auto* check = new TCheckBox(Form.get());
    check->SetName(QStringLiteral("Check1"));
    check->SetBounds(8, 40, 100, 22);
    ShowForm();

    Edit->SetFocus();
    Key(Qt::Key_A);  // typed into the edit
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(Edit->Text(), QStringLiteral("a"));
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Apply")});

    Clicks.clear();
    check->SetFocus();
    Key(Qt::Key_A);
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Apply")});

    Clicks.clear();
    apply->SetEnabled(false);
    Key(Qt::Key_A);
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(LbButtonTest, ModalResultReachesTheFormAfterOnClick) {
    TModalResult seenInOnClick = -1;
    Cancel->OnClick = [&](TObject*) { seenInOnClick = Form->ModalResult(); };
    WhenShownModally(Form.get(), [this] { QTest::mouseClick(Cancel, Qt::LeftButton, {}, QPoint(5, 5)); });
    EXPECT_EQ(Form->ShowModal(), mrCancel);
    EXPECT_EQ(seenInOnClick, mrNone);
}

TEST_F(LbButtonTest, ButtonWithoutModalResultLeavesTheFormOpen) {
    auto* plain = MakeButton(QStringLiteral("Btn_Plain"), 200, 40);
    ShowForm();
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks, std::vector<QString>{QStringLiteral("Btn_Plain")});
    EXPECT_EQ(Form->ModalResult(), mrNone);
}

}  // namespace
