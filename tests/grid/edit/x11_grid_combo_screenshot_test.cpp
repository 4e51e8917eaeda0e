// A screenshot of a KNX-like rule table in a real window under X (xcb platform) with the
// combo editor of an edComboList cell dropped down under glXP. Runs only on the xcb
// platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder the PNG is
// written to.

#include "grid/core/column_grid.h"
#include "grid/edit/grid_combo.h"

#include <QAbstractItemView>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class KnxRuleGrid : public TExColumnGrid {
public:
    explicit KnxRuleGrid(QWidget* AParent) : TExColumnGrid(nullptr, AParent) {
        BeginLoading();
        SetColCount(5);
        SetRowCount(8);
        SetFixedCols(0);
        SetLeftCol(0);
        SetDefaultRowHeight(22);
        SetOptions(Options().Include(goEditing));
        struct Column {
            const char* header;
            int width;
            TEditorType editor;
            QStringList items;
        };
        const Column columns[] = {
            {"Group address", 110, edNormal, {}},
            {"Enable", 60, edDataCheckBox, {}},
            {"Direction", 110, edComboList, {"Read", "Write", "Read/Write"}},
            {"Data type", 140, edComboList, {"1 bit switch", "1 byte value", "2 byte float", "4 byte value"}},
            {"Description", 170, edNormal, {}},
        };
        for (int i = 0; i < 5; ++i) {
            TGridColumnItem* item = Columns()->Items(i);
            item->SetHeader(columns[i].header);
            item->SetWidth(columns[i].width);
            item->SetEditor(columns[i].editor);
            for (const QString& entry : columns[i].items) item->ComboItems()->Add(entry);
        }
        const char* descriptions[] = {"Hall light", "Office dimmer", "Blind up/down", "Heating valve",
                                      "Scene", "Alarm", "Outdoor light"};
        for (int r = 1; r < 8; ++r) {
            SetCells(0, r, QString("1/%1/%2").arg(r / 4).arg(r));
            SetCells(1, r, r % 3 ? "Y" : "N");
            SetCells(2, r, r % 2 ? "Write" : "Read");
            SetCells(3, r, r % 2 ? "1 bit switch" : "1 byte value");
            SetCells(4, r, descriptions[r - 1]);
        }
        SetLook(glXP);
        EndLoading();
    }
    void OpenComboAt(int ACol, int ARow) {
        MoveCurrentCell(ACol, ARow);
        TEditorType kind = edNormal;
        GetCellEditorTypeEx(RealCol(ACol), DisplRow(ARow), kind);
        EditControl = kind;
        ShowComboCellEditor(ACol, ARow);
    }
};

TEST(X11GridComboScreenshot, ComboListDroppedDownUnderXpLook) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    QWidget window;
    window.setWindowTitle(QStringLiteral("KNX rules"));
    window.resize(620, 260);
    auto* grid = new KnxRuleGrid(&window);
    grid->setGeometry(10, 10, 600, 240);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::qWait(200);
    grid->setFocus();
    grid->OpenComboAt(3, 3);
    grid->Combobox()->showPopup();
    QTest::qWait(400);
    ASSERT_TRUE(grid->Combobox()->DroppedDown());

    const QImage shot = window.screen()->grabWindow(0).toImage().copy(window.frameGeometry());
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath("grid-combo-list-dropped-xp.png")));
    }
}

}  // namespace
