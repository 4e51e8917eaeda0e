// The DMX, SNMP and BACnet windows under the pointer and the keyboard beyond typing: the
// header hints shown over the cells, Enter walking on and a header double click sizing
// its column under their options, and the row buttons clicked with their questions.

#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"
#include "editors/dali_knx/grid_user_input.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "controls/lb_button.h"
#include "core/program_state.h"

#include <gtest/gtest.h>

namespace {

class AutomationWindowInputTest : public RuleWindowFixture {
protected:
    void TearDown() override {
        Enable_Jump_Field = false;
        Enable_Auto_Size = false;
        RuleWindowFixture::TearDown();
    }
    static void Press(TLbButton& button) {
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(button.width() / 2, button.height() / 2));
        QApplication::processEvents();
    }
    static void Show_Page(TPageControl& pages, int index) {
        pages.SetActivePageIndex(index);
        QApplication::processEvents();
    }
};

// Each header shows the hint of its real column, on both SNMP trap pages and in the
// SNMP manager table; data rows show none. A hidden column moves the hints with it.
TEST_F(AutomationWindowInputTest, HeaderHintsFollowTheRealColumn) {
    TFSNMP_Trap_Access trap(nullptr);
    Activate(trap);
    TExColumnGrid& read = *trap.ACG_SNMP_Read;
    EXPECT_EQ(Hint_Over(read, 2, 0), LangText(1940));
    EXPECT_EQ(Hint_Over(read, 4, 0), LangText(1942));
    EXPECT_EQ(Hint_Over(read, 2, 1), "");
    EXPECT_EQ(Hint_Over(read, 0, 0), "") << "the row-number header has none";
    read.HideColumn(3);
    EXPECT_EQ(Hint_Over(read, 3, 0), LangText(1942)) << "displayed column 3 is real column 4";
    read.UnHideColumn(3);
    Show_Page(*trap.PageControl1, 1);
    EXPECT_EQ(Hint_Over(*trap.ACG_SNMP_Write, 3, 0), LangText(1954));

    TFSNMPManagerAccess manager(nullptr);
    Activate(manager);
    EXPECT_EQ(Hint_Over(*manager.ACG_SNMP, 5, 0), LangText(2727));
    EXPECT_EQ(Hint_Over(*manager.ACG_SNMP, 5, 3), "");
}

// The BACnet read table hints the byte count over NByte cells; with the device column
// hidden (type 2) the hint stays on NByte, not on the column now drawn in its place.
TEST_F(AutomationWindowInputTest, TheBACnetByteCountHintStaysOnItsColumn) {
    for (const char* type : {"0", "2"}) {
        SCOPED_TRACE(type);
        Write_File(File_ParGen, QByteArray("<Par_Gen><BACnet_Type>") + type + "</BACnet_Type></Par_Gen>");
        TFBACnetAccess editor(nullptr);
        Activate(editor);
        TExColumnGrid& read = *editor.ACG1;
        read.SetCells(BRd_Object_Type + 1, 1, "Binary Input");
        read.SetCells(BRd_Property + 1, 1, "Object Type (79)");
        const int shown = read.DisplColIndex(BRd_NumByte + 1);
        EXPECT_EQ(Hint_Over(read, shown, 1), "2");
        EXPECT_EQ(Hint_Over(read, shown - 1, 1), "");
        EXPECT_EQ(Hint_Over(read, shown + 1, 1), "");
    }
}

// With its option on, Enter after typing walks to the next cell, in tables with and
// without in-place editing; off, the current cell stays. A header double click sizes its
// column to a long text only with the auto-size option on.
TEST_F(AutomationWindowInputTest, EnterAndHeaderDoubleClickFollowTheirOptions) {
    Write_File(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>");
    TFSNMPManagerAccess manager(nullptr);
    TFSNMP_Trap_Access trap(nullptr);
    TFBACnetAccess bacnet(nullptr);
    struct Case {
        const char* name;
        TForm* window;
        TPageControl* pages;
        int page;
        TExColumnGrid* grid;
        int col;
    };
    const Case cases[] = {
        {"SNMP manager", &manager, nullptr, 0, manager.ACG_SNMP, 5},
        {"SNMP trap write", &trap, trap.PageControl1, 1, trap.ACG_SNMP_Write, 7},
        {"BACnet write", &bacnet, bacnet.PageControl1, 1, bacnet.ACG2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Activate(*c.window);
        if (c.pages) Show_Page(*c.pages, c.page);
        TExColumnGrid& grid = *c.grid;
        for (bool jump : {false, true}) {
            Enable_Jump_Field = jump;
            Type(grid, c.col, 2, "abc");
            EXPECT_EQ(grid.Cells(c.col, 2), "abc");
            EXPECT_EQ(grid.Col(), jump ? c.col + 1 : c.col) << "jump " << jump;
            EXPECT_EQ(grid.Row(), 2);
        }
        Enable_Jump_Field = false;

        grid.SetCells(c.col, 3, "a text far wider than the column is drawn, to be measured");
        const int before = grid.ColWidths(c.col);
        for (bool autoSize : {false, true}) {
            Enable_Auto_Size = autoSize;
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Cell_Centre(grid, c.col, 0));
            QApplication::processEvents();
            if (autoSize) EXPECT_GT(grid.ColWidths(c.col), before);
            else EXPECT_EQ(grid.ColWidths(c.col), before);
        }
        c.window->hide();
    }
}

// The BACnet write page's row buttons clicked: Copy and Paste carry the hidden Start Bit,
// Delete asks with the row number and only Yes removes, Insert opens an empty row.
TEST_F(AutomationWindowInputTest, TheBACnetRowButtonsByMouse) {
    Write_File(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>");
    TFBACnetAccess editor(nullptr);
    Activate(editor);
    Show_Page(*editor.PageControl1, 1);
    TExColumnGrid& write = *editor.ACG2;
    constexpr int device = BWr_Device + 1;
    constexpr int startBit = BWr_StartBit + 1;
    ASSERT_TRUE(write.IsHiddenColumn(startBit));
    write.SetCells(device, 1, "10.0.0.1");
    write.SetCells(startBit, 1, "3");
    write.SetCells(device, 2, "10.0.0.2");
    Answer = mrYes;

    Click(write, device, 1);
    Press(*editor.Btn_CopyRow);
    Click(write, device, 3);
    Press(*editor.Btn_PasteRow);
    EXPECT_EQ(write.Cells(device, 3), "10.0.0.1");
    EXPECT_EQ(write.Cells(startBit, 3), "3");
    EXPECT_EQ(editor.ACG1->Cells(device, 3), "") << "the read page is untouched";

    Click(write, device, 2);
    Answer = mrNo;
    Press(*editor.Btn_DelRow);
    EXPECT_EQ(Last_Message(), LangText(1436) + "2");
    EXPECT_EQ(write.Cells(device, 2), "10.0.0.2");
    Answer = mrYes;
    Press(*editor.Btn_DelRow);
    EXPECT_EQ(write.Cells(device, 2), "10.0.0.1");
    EXPECT_EQ(write.Cells(startBit, 2), "3");

    Click(write, device, 1);
    Press(*editor.Btn_InsRow);
    EXPECT_EQ(write.Cells(device, 1), "");
    EXPECT_EQ(write.Cells(startBit, 1), "");
    EXPECT_EQ(write.Cells(device, 2), "10.0.0.1");
}

}  // namespace
