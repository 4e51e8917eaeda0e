// The pop-ups under a real X server and window manager, driven by real X input
// (xdotool). These tests only run on the xcb platform (scripts/test-x11); elsewhere they
// skip, as the offscreen platform has no pointer grabs, no window manager and no screen.

#include "../drop_down_fixture.h"

#include "controls/control_styles.h"
#include "dropdowns/calculator_drop_down.h"
#include "dropdowns/color_picker_drop_down.h"
#include "dropdowns/detail_drop_down.h"
#include "dropdowns/drop_down_button.h"
#include "dropdowns/drop_down_placement.h"
#include "dropdowns/grid_drop_down.h"
#include "dropdowns/image_picker_drop_down.h"
#include "dropdowns/item_selector.h"
#include "dropdowns/memo_drop_down.h"
#include "dropdowns/multi_column_drop_down.h"
#include "dropdowns/popup_strip.h"
#include "dropdowns/time_picker_drop_down.h"
#include "dropdowns/trackbar_drop_down.h"
#include "platform/image_list.h"
#include "platform/memo.h"

#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>

// Waits for a condition; QtTest's QTRY_ macros would only return on failure, unseen by gtest.
#define WAIT_UNTIL(condition) ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << #condition

namespace {

bool OnXcb() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

void XDoTool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
}

// A real click of the given button at a point on the screen.
void ClickOnScreen(QPoint at, int button = 1) {
    XDoTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QString::number(button)});
}

void ClickOn(QWidget* widget, int button = 1) { ClickOnScreen(widget->mapToGlobal(widget->rect().center()), button); }

void PressKey(const QString& key) { XDoTool({QStringLiteral("key"), key}); }

// The window's place and size as the X server has them.
QRect XGeometry(QWidget* window) {
    QProcess process;
    process.start(QStringLiteral("xdotool"),
                  {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window->winId())});
    process.waitForFinished();
    QRect r;
    for (const QString& line : QString::fromLatin1(process.readAllStandardOutput()).split('\n')) {
        const QString value = line.section('=', 1);
        if (line.startsWith(QLatin1String("X="))) r.moveLeft(value.toInt());
        if (line.startsWith(QLatin1String("Y="))) r.moveTop(value.toInt());
        if (line.startsWith(QLatin1String("WIDTH="))) r.setWidth(value.toInt());
        if (line.startsWith(QLatin1String("HEIGHT="))) r.setHeight(value.toInt());
    }
    return r;
}

// Runs Step from inside whatever event loop runs (a menu's or a dialog's) once Ready holds.
class WhenReady : public QObject {
public:
    WhenReady(std::function<bool()> Ready, std::function<void()> Step) : FReady(std::move(Ready)), FStep(std::move(Step)) {
        FTimer.setInterval(20);
        QObject::connect(&FTimer, &QTimer::timeout, this, [this] {
            if (!FReady()) return;
            FTimer.stop();
            Done = true;
            FStep();
        });
        FTimer.start();
    }
    bool Done = false;

private:
    std::function<bool()> FReady;
    std::function<void()> FStep;
    QTimer FTimer;
};

// A drop-down with both strips: a header caption, two footer buttons and the size grip.
class StripDropDown : public PanelDropDown {
public:
    StripDropDown(TComponent* AOwner, QWidget* AParent) : PanelDropDown(AOwner, AParent) {
        DropDownHeader()->SetVisible(true);
        DropDownHeader()->SetCaption(QStringLiteral("Scene"));
        DropDownFooter()->SetVisible(true);
        DropDownFooter()->Buttons().Add()->SetCaption(QStringLiteral("OK"));
        DropDownFooter()->Buttons().Add()->SetCaption(QStringLiteral("Cancel"));
    }
};

// Ten items in three columns under the strips.
class SelectorDropDown : public StripDropDown {
public:
    using StripDropDown::StripDropDown;

protected:
    void CreateDropDownForm() override {
        StripDropDown::CreateDropDownForm();
        if (FSelector) return;
        FSelector = new TExCustomItemSelector(nullptr, DropDownForm());
        FSelector->SetColumns(3);
        for (int i = 1; i <= 10; ++i) FSelector->Items().Add()->SetCaption(QStringLiteral("Group %1").arg(i));
        FSelector->UpdateSelectorPanel();
        FSelector->SetItemIndex(4);
    }
    void BeforeDropDown() override {
        TExCustomDropDown::BeforeDropDown();
        FSelector->resize(FSelector->ItemSelectorPanel()->size() + QSize(4, 4));
        SetControl(FSelector);
    }

private:
    TExCustomItemSelector* FSelector = nullptr;
};

class X11DropDownTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnXcb()) GTEST_SKIP() << "needs a real X server (scripts/test-x11)";
        Form = std::make_unique<TForm>(nullptr);
        Form->setWindowTitle(QStringLiteral("Drop-downs"));
        Form->resize(420, 320);
        Form->move(100, 100);
        Other = new TEdit(Form.get(), Form.get());
        Other->setGeometry(20, 260, 120, 22);
    }
    void TearDown() override {
        Form.reset();
        // The next test's clicks must not land within the re-open guard of this one's.
        QTest::qWait(10);
    }

    template <class T = PanelDropDown>
    T* Make(QPoint at = {20, 20}, int width = 200) {
        auto* dropDown = CreateDropDown<T>(Form.get(), Form.get());
        dropDown->SetBounds(at.x(), at.y(), width, 22);
        Form->show();
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        dropDown->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dropDown->hasFocus(); }));
        return dropDown;
    }

    // A question box over the form, answered by a real click on No once it shows; its result.
    int AskAndClickNo(const QString& question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Scene"), question, QMessageBox::Yes | QMessageBox::No,
                        Form.get());
        WhenReady clickNo(
            [&] { return box.isVisible() && box.windowHandle() && box.windowHandle()->isExposed(); },
            [&] { ClickOn(box.button(QMessageBox::No)); });
        // A click that never arrives must fail the test, not hang it.
        QTimer::singleShot(5000, &box, [&] { box.done(-1); });
        return box.exec();
    }

    static void OpenByClick(TExCustomDropDown* dropDown) {
        ClickOn(dropDown->Button()->InnerButton());
        ASSERT_TRUE(QTest::qWaitFor([&] { return dropDown->DroppedDown(); }));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dropDown->DropDownForm()));
    }

    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
};

TEST_F(X11DropDownTest, AClickOnTheDropButtonOpensAndAClickOnItAgainClosesWithoutReopening) {
    auto* dropDown = Make();
    int drops = 0;
    dropDown->OnDropDown = [&](TObject*, bool&) { ++drops; };
    OpenByClick(dropDown);
    EXPECT_TRUE(dropDown->DropDownForm()->isVisible());
    EXPECT_EQ(drops, 1);

    ClickOn(dropDown->Button()->InnerButton());
    WAIT_UNTIL(!dropDown->DroppedDown());
    // The release that follows the closing press must not open it again.
    QTest::qWait(150);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_FALSE(dropDown->DropDownForm()->isVisible());
    EXPECT_EQ(drops, 1);
}

TEST_F(X11DropDownTest, AClickOutsideClosesCancellingAsCancelOnDeActivateSays) {
    for (bool cancelOnDeActivate : {true, false}) {
        SCOPED_TRACE(cancelOnDeActivate ? "cancelling" : "keeping");
        Form.reset();
        SetUp();
        auto* dropDown = Make();
        dropDown->SetText(QStringLiteral("start"));
        int dropUps = 0;
        bool cancelled = !cancelOnDeActivate;
        dropDown->OnDropUp = [&](TObject*, bool Cancelled) {
            ++dropUps;
            cancelled = Cancelled;
        };
        OpenByClick(dropDown);
        dropDown->DropDownForm()->SetCancelOnDeActivate(cancelOnDeActivate);
        dropDown->SetTextDirect(QStringLiteral("chosen"));
        ClickOn(Other);
        WAIT_UNTIL(!dropDown->DroppedDown());
        EXPECT_FALSE(dropDown->DropDownForm()->isVisible());
        EXPECT_EQ(dropUps, 1);
        EXPECT_EQ(cancelled, cancelOnDeActivate);
        EXPECT_EQ(dropDown->Text(), cancelOnDeActivate ? "start" : "chosen");
        EXPECT_NE(dropDown->DropDownForm()->DeActivateTime(), 0u);
    }
}

TEST_F(X11DropDownTest, EscapeClosesAndTheFocusIsBackInTheEdit) {
    auto* dropDown = Make();
    dropDown->SetText(QStringLiteral("start"));
    OpenByClick(dropDown);
    dropDown->SetTextDirect(QStringLiteral("chosen"));
    PressKey(QStringLiteral("Escape"));
    WAIT_UNTIL(!dropDown->DroppedDown());
    WAIT_UNTIL(dropDown->hasFocus());
    EXPECT_EQ(dropDown->Text(), "start");
    // The keyboard is the edit's again.
    PressKey(QStringLiteral("x"));
    // The restored text puts the caret at its start.
    WAIT_UNTIL(dropDown->Text() == QStringLiteral("xstart")) << dropDown->Text().toStdString();
}

TEST_F(X11DropDownTest, ThePopUpSitsWhereThePlacementSays) {
    struct Case {
        const char* name;
        int formTop;
        TDropPosition position;
        bool below;
    };
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const Case cases[] = {
        {"auto, room below", 60, dpAuto, true},
        {"auto, no room below", work.bottom() - 340, dpAuto, false},
        {"up", 300, dpUp, false},
        {"down", 300, dpDown, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form.reset();
        SetUp();
        Form->move(100, c.formTop);
        auto* dropDown = Make(QPoint(200, 240));
        dropDown->SetDropPosition(c.position);
        OpenByClick(dropDown);
        const QRect popUp = XGeometry(dropDown->DropDownForm());
        const QPoint edit = dropDown->mapToGlobal(QPoint(0, 0));
        const TPoint expected = DropDownPosition(TPoint{edit.x(), edit.y()}, dropDown->height(),
                                                 TSize{popUp.width(), popUp.height()}, c.position,
                                                 TRect::FromQRect(work));
        EXPECT_EQ(popUp.topLeft(), QPoint(expected.X, expected.Y));
        EXPECT_EQ(popUp.size(), dropDown->DropDownForm()->size());
        if (c.below)
            EXPECT_EQ(popUp.top(), edit.y() + dropDown->height() - 1);
        else
            EXPECT_EQ(popUp.bottom() + 1, edit.y());
        PressKey(QStringLiteral("Escape"));
        WAIT_UNTIL(!dropDown->DroppedDown());
    }
}

TEST_F(X11DropDownTest, TheMemosContextMenuKeepsThePopUpOpen) {
    auto* dropDown = Make<TExMemoDropDown>();
    dropDown->SetMemoText({QStringLiteral("first line"), QStringLiteral("second line")});
    OpenByClick(dropDown);
    TMemo* memo = dropDown->Memo();
    bool menuShown = false;
    bool openWhileMenuShows = false;
    WhenReady closeMenu([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
                        [&] {
                            menuShown = true;
                            openWhileMenuShows = dropDown->DroppedDown() && dropDown->DropDownForm()->isVisible();
                            PressKey(QStringLiteral("Escape"));
                        });
    ClickOn(memo, 3);
    WAIT_UNTIL(menuShown);
    WAIT_UNTIL(!qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    EXPECT_TRUE(openWhileMenuShows);
    QTest::qWait(50);
    EXPECT_TRUE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->DropDownForm()->isVisible());
    EXPECT_EQ(dropDown->MemoText(), (QStringList{"first line", "second line"}));
}

TEST_F(X11DropDownTest, AMessageBoxOfAFooterButtonUnderBlockActivateTakesClicksAndLeavesThePopUpOpen) {
    auto* dropDown = Make<StripDropDown>();
    int answer = -1;
    dropDown->OnDropDownFooterButtonClick = [&](TObject*, int) {
        dropDown->DropDownForm()->SetBlockActivate(true);
        answer = AskAndClickNo(QStringLiteral("Store the scene?"));
        dropDown->DropDownForm()->SetBlockActivate(false);
    };
    OpenByClick(dropDown);
    TExFooter* footer = dropDown->DropDownForm()->Footer();
    ASSERT_GE(footer->ButtonList().Count(), 1);
    ClickOn(footer->ButtonList().Items(0));
    WAIT_UNTIL(answer != -1);
    EXPECT_EQ(answer, int(QMessageBox::No));
    QTest::qWait(50);
    EXPECT_TRUE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->DropDownForm()->isVisible());
    // Afterwards the pop-up reacts to a click outside again.
    ClickOn(Other);
    WAIT_UNTIL(!dropDown->DroppedDown());
}

// A button in a cell of the grid drop-down's list, clicked: its handler's message box takes
// a real click, and the pop-up stays open under it; a click outside closes it afterwards.
TEST_F(X11DropDownTest, AMessageBoxOfAGridButtonClickTakesClicksAndLeavesThePopUpOpen) {
    auto* dropDown = Make<TCustomExGridDropDown>();
    dropDown->DropDownHeader()->SetVisible(false);
    dropDown->DropDownFooter()->SetVisible(false);
    for (const char* header : {"Scene", "Action"}) dropDown->Columns().Add()->SetHeader(QString::fromLatin1(header));
    for (const char* scene : {"Morning", "Evening", "Night"})
        dropDown->Items().Add()->SetText({QString::fromLatin1(scene), QString()});
    dropDown->EndUpdate();
    std::vector<std::pair<int, int>> clicked;
    int answer = -1;
    dropDown->OnGridButtonClick = [&](TObject*, int ACol, int ARow) {
        clicked.push_back({ACol, ARow});
        answer = AskAndClickNo(QStringLiteral("Recall the scene?"));
    };
    OpenByClick(dropDown);
    grid_drop_down::TExColGrid* list = dropDown->ExColGrid();
    const int row = list->FixedRows() + 1;
    // The list is not edited: its buttons take clicks only without the disabled look.
    list->ControlLook()->NoDisabledButtonLook = true;
    // In the first column, which is whole in view: a click in a cut column scrolls it first.
    list->AddButton(0, row, 60, 18, QStringLiteral("Recall"), haCenter, vaCenter);
    QApplication::processEvents();
    const TRect cell = list->CellRect(0, row);
    ClickOnScreen(list->mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2)));
    WAIT_UNTIL(answer != -1);
    EXPECT_EQ(answer, int(QMessageBox::No));
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{0, row}}));
    QTest::qWait(50);
    EXPECT_TRUE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->DropDownForm()->isVisible());
    ClickOn(Other);
    WAIT_UNTIL(!dropDown->DroppedDown());
}

// Each drop-down open in each style, written as PNGs into $DROPDOWN_SCREENSHOTS for
// looking at.
TEST_F(X11DropDownTest, TheMultiColumnListTakesRealKeysAndClicks) {
    auto* multi = Make<TExMultiColumnDropDown>();
    multi->Columns().Add()->SetHeader(QStringLiteral("Room"));
    multi->Columns().Add()->SetHeader(QStringLiteral("Group"));
    for (const char* room : {"Kitchen", "Hall", "Office", "Garage"})
        multi->Items().Add()->SetText({QString::fromLatin1(room), QStringLiteral("1")});
    multi->EndUpdate();
    multi->SetItemIndex(0);
    int selects = 0;
    multi->OnSelect = [&](TObject*) { ++selects; };

    // Arrow keys move the item at once; a click elsewhere closes keeping the row reached.
    OpenByClick(multi);
    PressKey(QStringLiteral("Down"));
    PressKey(QStringLiteral("Down"));
    WAIT_UNTIL(multi->ItemIndex() == 2);
    ClickOn(Other);
    WAIT_UNTIL(!multi->DroppedDown());
    EXPECT_EQ(multi->ItemIndex(), 2);
    EXPECT_EQ(multi->Text(), "Office");
    EXPECT_EQ(selects, 0);

    // A click on a row picks it and closes.
    QTest::qWait(300);
    OpenByClick(multi);
    multi_column::TExColGrid* list = multi->ExColGrid();
    const TRect row = list->CellRect(1, 4);
    ClickOnScreen(list->viewport()->mapToGlobal(QPoint((row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2)));
    WAIT_UNTIL(!multi->DroppedDown());
    EXPECT_EQ(multi->ItemIndex(), 3);
    EXPECT_EQ(multi->Text(), "Garage");
    EXPECT_EQ(selects, 1);
}

TEST_F(X11DropDownTest, ScreenshotsOfEachDropDownOpen) {
    const QString folder = qEnvironmentVariable("DROPDOWN_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "DROPDOWN_SCREENSHOTS names no folder";
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Style {
        const char* name;
        TZRTStyle style;
    };
    const Style styles[] = {{"office2007luna", tsOffice2007Luna},
                            {"windows7", tsWindows7},
                            {"office2010black", tsOffice2010Black}};
    using Maker = std::function<TExCustomDropDown*()>;
    const std::pair<const char*, Maker> kinds[] = {
        {"trackbar", [this] { return Make<TExTrackBarDropDown>(); }},
        {"memo",
         [this] {
             auto* memo = Make<TExMemoDropDown>();
             memo->SetMemoText({QStringLiteral("Corridor lights"), QStringLiteral("switch off at 22:00")});
             return memo;
         }},
        {"calculator", [this] { return Make<TExCalculatorDropdown>(); }},
        {"color-list",
         [this] {
             auto* picker = Make<TExColorPickerDropDown>();
             picker->AddDefaultColors();
             picker->SetColumns(2);
             picker->SetSelectedColor(0x0000FF);
             return picker;
         }},
        {"color-palette",
         [this] {
             auto* picker = Make<TExColorPickerDropDown>();
             picker->SetColorSelectionStyle(csDiscrete);
             picker->SetColorValueText(cvtHTML);
             picker->SetSelectedColor(0xBD814F);
             return picker;
         }},
        {"color-cube",
         [this] {
             auto* picker = Make<TExColorPickerDropDown>();
             picker->SetColorSelectionStyle(csColorCube);
             picker->SetColorValueText(cvtWebName);
             picker->SetSelectedColor(0xFFFFFF);
             return picker;
         }},
        {"color-spectrum",
         [this] {
             auto* picker = Make<TExColorPickerDropDown>();
             picker->SetColorSelectionStyle(csSpectrum);
             picker->SetColorValueText(cvtRGB);
             picker->SetSelectedColor(0x3399FF);
             return picker;
         }},
        {"image-picker",
         [this] {
             auto* picker = Make<TExImagePickerDropDown>();
             picker->SetColumns(2);
             const std::pair<const char*, QColor> scenes[] = {
                 {"Morning", QColor(255, 200, 80)}, {"Day", QColor(120, 190, 255)},
                 {"Evening", QColor(230, 120, 60)}, {"Night", QColor(40, 50, 110)}};
             for (const auto& [caption, color] : scenes) {
                 QImage image(16, 16, QImage::Format_RGB32);
                 image.fill(color);
                 TImageItem* item = picker->Items().Add();
                 item->SetCaption(QString::fromLatin1(caption));
                 item->SetImage(TPicture(image));
             }
             picker->SetItemIndex(2);
             return picker;
         }},
        {"detail-list",
         [this] {
             auto* detail = Make<TExDetailDropDown>();
             detail->SetDropDownWidth(240);
             detail->SetItemHeight(40);
             detail->SetDropDownHeight(170);
             const std::tuple<const char*, const char*, QColor> rooms[] = {
                 {"Kitchen", "Ceiling light, <b>dimmable</b>", QColor(255, 200, 80)},
                 {"Hall", "Two spots on <i>group 3</i>", QColor(120, 190, 255)},
                 {"Office", "Desk lamp and <b>blinds</b>", QColor(230, 120, 60)},
                 {"Garage", "Motion sensor, 5 min", QColor(40, 50, 110)}};
             for (const auto& [caption, notes, color] : rooms) {
                 QImage image(24, 24, QImage::Format_RGB32);
                 image.fill(color);
                 TDetailItem* item = detail->Items().Add();
                 item->SetCaption(QString::fromLatin1(caption));
                 item->SetNotes(QString::fromLatin1(notes));
                 item->SetImage(TPicture(image));
             }
             detail->SetItemIndex(1);
             return detail;
         }},
        {"multi-column",
         [this] {
             auto* multi = Make<TExMultiColumnDropDown>();
             auto* images = new TCustomImageList(Form.get(), 16, 16);
             for (const QColor& color : {QColor(255, 200, 80), QColor(120, 190, 255), QColor(40, 50, 110)}) {
                 QImage image(16, 16, QImage::Format_RGB32);
                 image.fill(color);
                 images->Add(image);
             }
             multi->SetImages(images);
             const std::pair<const char*, int> columns[] = {{"Room", 110}, {"Group", 60}, {"Level", 60}};
             for (const auto& [header, width] : columns) {
                 multi_column::TDropDownColumn* column = multi->Columns().Add();
                 column->SetHeader(QString::fromLatin1(header));
                 column->SetWidth(width);
             }
             multi->Columns().Items(0)->SetColumnType(multi_column::ctImage);
             multi->Columns().Items(2)->SetAlignment(taRightJustify);
             const std::tuple<const char*, const char*, const char*, int> rows[] = {
                 {"Kitchen", "1", "80 %", 0}, {"Hall", "3", "40 %", 1},     {"Office", "2", "100 %", 0},
                 {"Garage", "5", "0 %", 2},   {"Bedroom", "4", "25 %", 2},  {"Bath", "4", "60 %", 1},
                 {"Stairs", "3", "10 %", 1},  {"Terrace", "6", "0 %", 0}};
             for (const auto& [room, group, level, image] : rows) {
                 multi_column::TDropDownItem* item = multi->Items().Add();
                 item->SetText({QString::fromLatin1(room), QString::fromLatin1(group), QString::fromLatin1(level)});
                 item->SetImageIndex(image);
             }
             multi->EndUpdate();
             multi->SetItemIndex(2);
             return multi;
         }},
        {"time-picker",
         [this] {
             auto* picker = Make<TExTimePickerDropDown>();
             picker->SetTime(WithTimeOfDay(0, {10, 8, 30, 0}));
             return picker;
         }},
        {"time-picker-with-time-edit",
         [this] {
             auto* picker = Make<TExTimePickerDropDown>();
             picker->SetShowTimePicker(true);
             picker->SetTime(WithTimeOfDay(0, {16, 42, 0, 0}));
             return picker;
         }},
        {"strips-and-selector", [this] { return Make<SelectorDropDown>(); }},
        {"labelled-typed-edit",
         [this] {
             auto* edit = Make<PanelDropDown>(QPoint(120, 20), 160);
             edit->SetLabelCaption(QStringLiteral("Dim level"));
             edit->SetLabelPosition(dropdowns::lpLeftCenter);
             edit->SetEditType(etFloat);
             edit->SetPrefix(QStringLiteral("approx. "));
             edit->SetSuffix(QStringLiteral(" %"));
             edit->SetText(QStringLiteral("42.5"));
             return edit;
         }},
    };
    for (const Style& style : styles) {
        for (const auto& [kind, make] : kinds) {
            SCOPED_TRACE(std::string(kind) + " " + style.name);
            Form.reset();
            SetUp();
            TExCustomDropDown* dropDown = make();
            dropDown->SetComponentStyle(style.style);
            dropDown->ShowDropDown();
            ASSERT_TRUE(QTest::qWaitFor([&] { return dropDown->DroppedDown(); }));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dropDown->DropDownForm()));
            // Let both windows finish painting before the screen is read.
            QTest::qWait(100);
            const QRect area = Form->frameGeometry().united(XGeometry(dropDown->DropDownForm())).adjusted(-8, -8, 8, 8);
            const QPixmap shot =
                QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(kind, style.name))));
            dropDown->HideDropDown(true);
        }
    }
}

}  // namespace
