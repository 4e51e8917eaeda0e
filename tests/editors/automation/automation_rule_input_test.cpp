// Real keys and clicks on the DMX, SNMP and BACnet windows: typing into edit and combo
// cells (tables without in-place editing too), Y/N toggles, an Enable click renumbering
// the SNMP trap table, the BACnet type moving the key, and the 15-character limits.

#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using AutomationRuleInputTest = RuleWindowFixture;

TEST_F(AutomationRuleInputTest, TypingIntoTheDMXTableWithoutInPlaceEditing) {
    Write_File(File_ParGen, "<Par_Gen><DMX_Num_Channels>4</DMX_Num_Channels></Par_Gen>");
    TFDMXDefVal editor(nullptr);
    Activate(editor);
    TExColumnGrid& grid = *editor.ACG_DMX_Def_Val;
    ASSERT_FALSE(grid.Options().Contains(goEditing));
    Type(grid, 1, 2, "200");
    Type(grid, 2, 2, "Spot");
    EXPECT_EQ(grid.Cells(1, 2), "200");
    EXPECT_EQ(grid.Cells(2, 2), "Spot");
}

TEST_F(AutomationRuleInputTest, TypingIntoTheSNMPManagerTable) {
    TFSNMPManagerAccess editor(nullptr);
    Activate(editor);
    TExColumnGrid& grid = *editor.ACG_SNMP;
    Type(grid, 2, 1, "10.0.0.7");
    Type(grid, 3, 1, "2");
    Type(grid, 4, 1, "Private");
    Type(grid, 5, 1, "1.3.6.1");
    EXPECT_EQ(grid.Cells(2, 1), "10.0.0.7");
    EXPECT_EQ(grid.Cells(3, 1), "2");
    EXPECT_EQ(grid.Cells(4, 1), "Private");
    EXPECT_EQ(grid.Cells(5, 1), "1.3.6.1");
    Click(grid, 1, 1);
    EXPECT_EQ(grid.Cells(1, 1), "N");
    Click(grid, 8, 1);
    EXPECT_EQ(grid.Cells(8, 1), "Y");
}

// Both trap tables take typing, the write one without in-place editing; Description and
// Community Name stop at 15 characters while typing; an Enable click renumbers.
TEST_F(AutomationRuleInputTest, TypingIntoBothSNMPTrapTablesAndRenumbering) {
    TFSNMP_Trap_Access editor(nullptr);
    Activate(editor);
    TExColumnGrid& read = *editor.ACG_SNMP_Read;
    EXPECT_EQ(read.Cells(0, 3), "3");
    Click(read, 1, 2);
    EXPECT_EQ(read.Cells(1, 2), "N");
    EXPECT_EQ(read.Cells(0, 2), "");
    EXPECT_EQ(read.Cells(0, 3), "2");
    Type(read, 2, 1, "abcdefghijklmnopqrs");
    EXPECT_EQ(read.Cells(2, 1), "abcdefghijklmno");
    // The offscreen screen is narrower than the window: the cell is scrolled into view first.
    read.FocusCell(11, 1);
    Type(read, 11, 1, "roomtemp");
    EXPECT_EQ(read.Cells(11, 1), "roomtemp");
    Type(read, 11, 3, "tempsensorlivingroom");
    EXPECT_EQ(read.Cells(11, 3), "tempsensorlivin");

    editor.PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    TExColumnGrid& write = *editor.ACG_SNMP_Write;
    ASSERT_FALSE(write.Options().Contains(goEditing));
    Type(write, 7, 1, "setpoint");
    Type(write, 6, 1, "8");
    EXPECT_EQ(write.Cells(7, 1), "setpoint");
    EXPECT_EQ(write.Cells(6, 1), "8");
}

// The read table is edited in place, the write table without it all the same; type 2
// hides the device column and makes Object Type the key.
TEST_F(AutomationRuleInputTest, TypingIntoBothBACnetTablesUnderEachType) {
    Write_File(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>");
    TFBACnetAccess editor(nullptr);
    Activate(editor);
    TExColumnGrid& read = *editor.ACG1;
    Type(read, 2, 1, "192.168.0.9");
    Type(read, 4, 1, "12");
    EXPECT_EQ(read.Cells(2, 1), "192.168.0.9");
    EXPECT_EQ(read.Cells(4, 1), "12");
    Click(read, 1, 1);
    EXPECT_EQ(read.Cells(1, 1), "N");

    editor.PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    TExColumnGrid& write = *editor.ACG2;
    ASSERT_FALSE(write.Options().Contains(goEditing));
    Type(write, 2, 1, "192.168.0.10");
    Type(write, 5, 1, "3");
    EXPECT_EQ(write.Cells(2, 1), "192.168.0.10");
    EXPECT_EQ(write.Cells(5, 1), "3");

    Write_File(File_ParGen, "<Par_Gen><BACnet_Type>2</BACnet_Type></Par_Gen>");
    editor.hide();
    Activate(editor);
    EXPECT_TRUE(read.IsHiddenColumn(2));
    // Column 2 on the screen is now Object Type, the key: its text is what the rule saves.
    Type(read, read.DisplColIndex(4), 1, "5");
    EXPECT_EQ(read.Cells(4, 1), "5");
}

}  // namespace
