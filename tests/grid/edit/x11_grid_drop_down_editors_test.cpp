// The grid's drop-down cell editors in a real window under X (xcb platform, openbox),
// driven by real X input (xdotool): a grid drop-down cell opens its pop-up with a click,
// a row chosen with the arrow keys reaches the cell when another cell is clicked; and
// screenshots of cells edited with their pop-ups open in two looks. Runs only on the xcb
// platform (scripts/test-x11); GRID_SCREENSHOTS names the folder the PNGs go to.

#include "grid/core/column_grid.h"
#include "grid/edit/grid_drop_down_editors.h"
#include "dropdowns/drop_down_form.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#define WAIT_UNTIL(condition) ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << #condition

namespace {

bool OnXcb() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

void XDoTool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
}

void ClickOnScreen(QPoint at) {
    XDoTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

void PressKey(const QString& key) { XDoTool({QStringLiteral("key"), key}); }

// A lighting table: a name, a DALI device picked from a grid drop-down, a colour, a fade
// time from the track bar and a note in a memo.
class LightingGrid : public TExColumnGrid {
public:
    static constexpr int Device = 1, Colour = 2, Fade = 3, Note = 4;

    explicit LightingGrid(QWidget* AParent) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();
        SetColCount(5);
        SetRowCount(7);
        SetFixedCols(0);
        SetLeftCol(0);
        SetDefaultRowHeight(22);
        SetOptions(Options().Include(goEditing));
        struct Column {
            const char* header;
            int width;
            TEditorType editor;
        };
        const Column columns[] = {{"Group", 110, edNormal},
                                  {"Device", 150, edExGridDropDown},
                                  {"Colour", 110, edColorPickerDropDown},
                                  {"Fade (s)", 80, edTrackbarDropDown},
                                  {"Note", 160, edMemoDropDown}};
        for (int i = 0; i < 5; ++i) {
            TGridColumnItem* item = Columns()->Items(i);
            item->SetHeader(columns[i].header);
            item->SetWidth(columns[i].width);
            item->SetEditor(columns[i].editor);
        }
        const char* groups[] = {"Hall", "Office", "Stairs", "Meeting room", "Kitchen", "Outdoor"};
        for (int r = 1; r < 7; ++r) {
            SetCells(0, r, groups[r - 1]);
            SetCells(Device, r, QString("Ballast %1").arg(r));
            SetCells(Colour, r, "White");
            SetColors(Colour, r, clWhite);
            SetCells(Fade, r, QString::number(r));
            SetCells(Note, r, "Checked");
        }
        EndLoading();
        TGridExGridDropDown* devices = ExGridDropDown();
        for (const char* header : {"Device", "Address"}) devices->Columns().Add()->SetHeader(header);
        for (int i = 1; i <= 12; ++i)
            devices->Items().Add()->SetText({QString("Ballast %1").arg(i), QString("A%1").arg(i - 1)});
    }

    QPoint CellCentre(int ACol, int ARow) {
        const TRect r = CellRect(ACol, ARow);
        return mapToGlobal(QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
};

class X11GridDropDownEditors : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnXcb()) GTEST_SKIP() << "needs a real X server";
        window.setWindowTitle(QStringLiteral("Lighting groups"));
        window.resize(640, 230);
        grid = new LightingGrid(&window);
        grid->setGeometry(10, 10, 620, 210);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTest::qWait(200);
        grid->setFocus();
    }

    void Shoot(const QString& Name, QWidget* PopUp) {
        QTest::qWait(300);
        QRect area = window.frameGeometry();
        if (PopUp && PopUp->isVisible()) area = area.united(PopUp->frameGeometry());
        const QImage shot = window.screen()->grabWindow(0).toImage().copy(area);
        ASSERT_FALSE(shot.isNull());
        const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(Name)));
    }

    QWidget window;
    LightingGrid* grid = nullptr;
};

TEST_F(X11GridDropDownEditors, ClickOpensTheListArrowsChooseAndAClickElsewhereCommits) {
    grid->MouseActions()->SetDirectEdit(true);
    grid->MouseActions()->SetDirectComboDrop(true);
    TGridExGridDropDown* devices = grid->ExGridDropDown();
    ClickOnScreen(grid->CellCentre(LightingGrid::Device, 2));
    WAIT_UNTIL(devices->DroppedDown());
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(devices->ItemIndex(), 1) << "the list opens on the cell's item";
    PressKey("Down");
    PressKey("Down");
    WAIT_UNTIL(devices->ItemIndex() == 3);
    ClickOnScreen(grid->CellCentre(0, 5));
    WAIT_UNTIL(grid->Cells(LightingGrid::Device, 2) == "Ballast 4");
    EXPECT_FALSE(devices->isVisible());
    // The click acts on the cell it was made on (DirectEdit opens that cell's editor).
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Col(), 0);
}

TEST_F(X11GridDropDownEditors, ScreenshotsOfCellsEditedWithTheirPopUpsOpen) {
    struct Shot {
        const char* File;
        TGridLook Look;
        int Col;
    };
    const Shot shots[] = {
        {"grid-drop-down-device-xp.png", glXP, LightingGrid::Device},
        {"grid-drop-down-colour-xp.png", glXP, LightingGrid::Colour},
        {"grid-drop-down-device-office2007.png", glOffice2007, LightingGrid::Device},
        {"grid-drop-down-memo-office2007.png", glOffice2007, LightingGrid::Note},
    };
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.File);
        grid->SetLook(s.Look);
        grid->SetCol(s.Col);
        grid->SetRow(3);
        grid->ShowInplaceEdit();
        auto* editor = dynamic_cast<TExCustomDropDown*>(grid->EditCtrl());
        ASSERT_NE(editor, nullptr);
        editor->ShowDropDown();
        WAIT_UNTIL(editor->DroppedDown());
        Shoot(s.File, editor->DropDownForm());
        editor->HideDropDown(true);
        grid->HideInplaceEdit();
        EXPECT_EQ(grid->Cells(s.Col, 3), s.Col == LightingGrid::Device ? "Ballast 3"
                                         : s.Col == LightingGrid::Colour ? "White"
                                                                         : "Checked");
    }
}

}  // namespace
