// The main window's and the dialogs' command buttons as a user sees them: a glyph,
// the window-coloured face, the hot-track colour under the pointer and orange while
// pressed.

#include "app/main_window.h"
#include "controls/small_dialog.h"
#include "app/software_options_dialog.h"
#include "config/device_update_dialog.h"
#include "test_support.h"

#include <QEnterEvent>
#include <QtTest/QTest>
#include <memory>

namespace {

constexpr TColor kFace = RGBColor(248, 247, 237);
constexpr TColor kPressed = RGBColor(255, 128, 0);

class MainWindowButtonsTest : public ProgramFolderTest {};

// The face beside the right edge, clear of glyph and caption.
TColor FaceOf(TLbButton* button) {
    return FromQColor(button->grab().toImage().pixelColor(button->width() - 3, button->height() / 2));
}

void Enter(QWidget* widget) {
    QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(MainWindowButtonsTest, VisibleButtonsShowGlyphHotTrackAndPressedColours) {
    auto window = std::make_unique<TFVastreloneFirmWare>(nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    struct Row {
        TLbButton* button;
        TColor hot;
    };
    const Row rows[] = {
        {window->Btn_Info, clYellow},        {window->Btn_Opz, clYellow},        {window->Btn_Close, clYellow},
        {window->Btn_New, clSkyBlue},        {window->Btn_Open, clSkyBlue},      {window->Btn_Prm_Gen, clYellow},
        {window->Btn_DALI_Access, clYellow}, {window->Btn_KNX_Access, clYellow}, {window->Btn_CreateBin, clSkyBlue},
    };
    for (const Row& row : rows) {
        TLbButton* button = row.button;
        SCOPED_TRACE(button->Name().toStdString());
        ASSERT_TRUE(button->isVisible());
        // The glyph and its disabled look.
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph().Width(), 48);
        EXPECT_EQ(FaceOf(button), kFace);
        Enter(button);
        EXPECT_EQ(FaceOf(button), row.hot);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(FaceOf(button), kPressed);
        button->SetEnabled(false);  // drops the press without running the step
        button->SetEnabled(true);
        Leave(button);
        EXPECT_EQ(FaceOf(button), kFace);
    }
    EXPECT_EQ(window->Btn_Prm_Gen->Style(), bsNormal);
    EXPECT_EQ(window->Btn_New->Style(), bsEncarta);
    EXPECT_EQ(window->Btn_New->Alignment(), taLeftJustify);
    EXPECT_EQ(window->Btn_Info->Caption(), QString());
}

TEST_F(MainWindowButtonsTest, DialogButtonsCarryTheCommonLookAndCancelCloses) {
    TSmallDialog dialog(nullptr, QStringLiteral("Dialog"));
    TFSoftOptions options(nullptr);
    TFBoot update(nullptr);
    struct Row {
        TLbButton* button;
        TLbButtonStyle style;
        int glyphs;
    };
    const Row rows[] = {
        {dialog.Btn_OK, bsEncarta, 2},       {dialog.Btn_Cancel, bsEncarta, 2},
        {options.Btn_Prev, bsNormal, 0},     {options.Btn_Next, bsNormal, 0},
        {options.Btn_Check_Update, bsNormal, 2}, {update.Btn_Update, bsEncarta, 2},
    };
    for (const Row& row : rows) {
        TLbButton* button = row.button;
        SCOPED_TRACE(button->Name().toStdString());
        EXPECT_EQ(button->NumGlyphs(), row.glyphs);
        EXPECT_EQ(button->Style(), row.style);
        EXPECT_EQ(button->Color(), kFace);
        EXPECT_EQ(button->LightColor(), clGray);
        EXPECT_EQ(button->HotTrackColor(), clYellow);
        EXPECT_EQ(button->ColorWhenDown(), kPressed);
    }
    WhenShownModally(&dialog, [&] { QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton, {}, QPoint(3, 3)); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

}  // namespace
