// Both rule editors driven as a user drives them: keys typed into the cells, combo items
// chosen by keys, Y/N cells toggled, the row buttons clicked, the header and row-number
// cells clicked, and a language file relabelling the windows.

#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/dali_knx/knx_access_file.h"

#include "core/language_file.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/dali_knx/grid_user_input.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/popup_menu.h"

#include <gtest/gtest.h>


namespace {

class RuleEditorsRealInputTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.type == mtConfirmation ? mrYes : mrOk;
        });
    }
    void TearDown() override {
        KNX.reset();
        DALI.reset();
        Enable_Jump_Field = false;
        Enable_Auto_Size = false;
        SetMessageDialogResponder({});
        Load_Default_Texts();
        ConfigurationFixture::TearDown();
    }
    template <class Window>
    static void Show(Window& window) {
        window.resize(1200, 700);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    TExColumnGrid& Rules() { return *KNX->ACG_KNX_in_Write; }

    std::unique_ptr<TFKNXAccess> KNX;
    std::unique_ptr<TFDALI_Access> DALI;
    std::vector<QString> Messages;
};

// A rule typed cell by cell with Enter walking on (its option on), combos chosen by keys and
// Y/N cells toggled by Space; OK saves what was typed.
TEST_F(RuleEditorsRealInputTest, AKNXRuleTypedByKeys) {
    KNX = std::make_unique<TFKNXAccess>(nullptr);
    Show(*KNX);
    Enable_Jump_Field = true;
    TExColumnGrid& grid = Rules();
    grid.FocusCell(2, 1);
    Type_Cell(grid, "1.1.20");
    EXPECT_EQ(std::make_pair(grid.Col(), grid.Row()), std::make_pair(3, 1)) << "Enter walks to the next cell";
    Type_Cell(grid, "1/2/3");
    EXPECT_EQ(grid.Col(), 4);
    Choose_Combo_Item(grid, 1);  // APCI
    grid.FocusCell(KNX_Priority + 1, 1);
    Choose_Combo_Item(grid, 4);  // past the last of the priorities
    grid.FocusCell(KNX_Format + 1, 1);
    Choose_Combo_Item(grid, 1);
    grid.FocusCell(KNX_Extended + 1, 1);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.Cells(KNX_Extended + 1, 1), "Y");
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.Cells(KNX_Extended + 1, 1), "N") << "a second Space toggles back";
    grid.FocusCell(KNX_On_Command + 1, 1);
    QTest::keyClick(&grid, Qt::Key_Space);
    grid.FocusCell(KNX_Position + 1, 1);
    Choose_Combo_Item(grid, 10);
    grid.FocusCell(KNX_Bit_Mode + 1, 1);
    Choose_Combo_Item(grid, 0);
    grid.FocusCell(KNX_Length + 1, 1);
    Type_Cell(grid, "2");
    Type_Cell(grid, "500");
    Type_Cell(grid, "Hall lamp");
    EXPECT_EQ(std::make_pair(grid.Col(), grid.Row()), std::make_pair(1, 2)) << "the last column goes on below";

    const QStringList typed = {"Y", "1.1.20", "1/2/3", "Write", "Low", "Swap16", "", "N", "", "Y", "", "", "", "10",
                               "No", "2",      "500",   "Hall lamp"};
    for (int c = 0; c < KNX_Access_Columns; ++c)
        if (!typed[c].isEmpty()) EXPECT_EQ(grid.Cells(c + 1, 1), typed[c]) << "column " << c + 1;

    QTest::mouseClick(KNX->Btn_OK, Qt::LeftButton);
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_EQ(KNX->ModalResult(), mrOk);
    const TKNXAccessLoad saved = Read_KNX_Access_File(File_KNX_SetAccess);
    ASSERT_EQ(saved.Rules.size(), 1u);
    EXPECT_EQ(saved.Rules[0][KNX_Source_Address], "1.1.20");
    EXPECT_EQ(saved.Rules[0][KNX_Priority], "Low");
    EXPECT_EQ(saved.Rules[0][KNX_Mnemonic], "Hall lamp");
}

// The four row buttons clicked with the mouse act on the row the user stands on.
TEST_F(RuleEditorsRealInputTest, KNXRowButtonsByMouse) {
    KNX = std::make_unique<TFKNXAccess>(nullptr);
    Show(*KNX);
    TExColumnGrid& grid = Rules();
    for (int r = 1; r <= 4; ++r) {
        grid.SetCells(KNX_Source_Address + 1, r, QString("1.1.%1").arg(r));
        grid.SetCells(KNX_Mnemonic + 1, r, QString("Rule %1").arg(r));
    }
    const auto mnemonics = [&grid] {
        QStringList texts;
        for (int r = 1; r <= 6; ++r) texts << grid.Cells(KNX_Mnemonic + 1, r);
        return texts;
    };
    grid.FocusCell(3, 2);
    QTest::mouseClick(KNX->Btn_CopyRow, Qt::LeftButton);
    grid.FocusCell(3, 5);
    QTest::mouseClick(KNX->Btn_PasteRow, Qt::LeftButton);
    EXPECT_EQ(mnemonics(), QStringList({"Rule 1", "Rule 2", "Rule 3", "Rule 4", "Rule 2", ""}));
    EXPECT_EQ(grid.Cells(KNX_Source_Address + 1, 5), "1.1.2");
    grid.FocusCell(3, 1);
    QTest::mouseClick(KNX->Btn_InsRow, Qt::LeftButton);
    EXPECT_EQ(mnemonics(), QStringList({"", "Rule 1", "Rule 2", "Rule 3", "Rule 4", "Rule 2"}));
    EXPECT_EQ(grid.Cells(KNX_Enable + 1, 1), "Y") << "a new rule starts enabled";
    grid.FocusCell(3, 3);
    QTest::mouseClick(KNX->Btn_DelRow, Qt::LeftButton);
    EXPECT_EQ(Messages.back(), LangText(2660) + "3");
    EXPECT_EQ(mnemonics(), QStringList({"", "Rule 1", "Rule 3", "Rule 4", "Rule 2", ""}));
    EXPECT_EQ(grid.Cells(0, 3), "3") << "the row numbers stay";
}

// A click on a row number selects the data cells of that row; the number is never edited.
TEST_F(RuleEditorsRealInputTest, ARowNumberClickSelectsTheRow) {
    KNX = std::make_unique<TFKNXAccess>(nullptr);
    DALI = std::make_unique<TFDALI_Access>(nullptr);
    Show(*KNX);
    Show(*DALI);
    DALI->PC_DALI->setCurrentWidget(DALI->TS_Functions);
    QCoreApplication::processEvents();
    for (TExStringGrid* grid : {static_cast<TExStringGrid*>(&Rules()), static_cast<TExStringGrid*>(DALI->ACG)}) {
        SCOPED_TRACE(grid->Name().toStdString());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Cell_Centre(*grid, 0, 3));
        EXPECT_EQ(grid->Selection().Left, 1);
        EXPECT_EQ(grid->Selection().Top, 3);
        EXPECT_EQ(grid->Selection().Right, grid->ColCount() - 1);
        EXPECT_EQ(grid->Selection().Bottom, 3);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_7);
        EXPECT_EQ(grid->Cells(0, 3), "3");
    }
}

// A right click on a group-grid header opens its menu; its "Select All" item clicked sets
// that column of the 17 group rows and nothing of the devices.
TEST_F(RuleEditorsRealInputTest, AGroupHeaderMenuByMouse) {
    DALI = std::make_unique<TFDALI_Access>(nullptr);
    Show(*DALI);
    TExColumnGrid& groups = *DALI->ACG_DALI_GroupBroad;
    TExColumnGrid& devices = *DALI->ACG_DALI_Device;
    for (int r = 1; r <= 17; ++r) groups.SetCells(2, r, "N");
    QStringList device_flags;
    for (int r = 1; r <= 64; ++r) device_flags << devices.Cells(4, r);
    QTest::mouseClick(groups.viewport(), Qt::RightButton, {}, Cell_Centre(groups, 2, 0));
    ASSERT_TRUE(DALI->PM_MinMax_GB->isVisible());
    Click_Menu_Item(DALI->PM_MinMax_GB, 0);
    EXPECT_FALSE(DALI->PM_MinMax_GB->isVisible());
    for (int r = 1; r <= 17; ++r) EXPECT_EQ(groups.Cells(2, r), "Y") << r;
    EXPECT_EQ(groups.RowCount(), 18);
    for (int r = 1; r <= 64; ++r) ASSERT_EQ(devices.Cells(4, r), device_flags[r - 1]) << r;
}

// Choosing an Event / Value item from the list sets the Condition at once, before the
// cell is left; typing a value into the editable combo leaves the Condition as it was.
TEST_F(RuleEditorsRealInputTest, ChoosingAnEventSetsTheConditionAtOnce) {
    DALI = std::make_unique<TFDALI_Access>(nullptr);
    Show(*DALI);
    DALI->PC_DALI->setCurrentWidget(DALI->TS_Functions);
    QCoreApplication::processEvents();
    TExColumnGrid& functions = *DALI->ACG;
    functions.FocusCell(3, 2);
    Choose_Combo_Item(functions, 11);  // "Vacant"
    EXPECT_EQ(functions.Cells(3, 2), "Vacant");
    EXPECT_EQ(functions.Cells(2, 2), "NAND Logic with Value");
    EXPECT_EQ(std::make_pair(functions.Col(), functions.Row()), std::make_pair(3, 2)) << "the cell was not left";
    Choose_Combo_Item(functions, -7);  // up to "Long Press Start"
    EXPECT_EQ(functions.Cells(3, 2), "Long Press Start");
    EXPECT_EQ(functions.Cells(2, 2), "When Equal to Value");
    EXPECT_EQ(functions.Cells(2, 3), "") << "only the chosen row";
}

// The set-access Enable box and the device grid's Y/N cells toggle with Space.
TEST_F(RuleEditorsRealInputTest, DALICheckBoxesAndYNCellsToggleBySpace) {
    DALI = std::make_unique<TFDALI_Access>(nullptr);
    Show(*DALI);
    TExColumnGrid& devices = *DALI->ACG_DALI_Device;
    devices.FocusCell(1, 5);
    const QString before = devices.Cells(1, 5);
    devices.setFocus();
    QTest::keyClick(&devices, Qt::Key_Space);
    EXPECT_EQ(devices.Cells(1, 5), before == "Y" ? "N" : "Y");

    DALI->PC_DALI->setCurrentWidget(DALI->TS_Set_Access);
    QCoreApplication::processEvents();
    TExStringGrid& rules = *DALI->ASG;
    bool ticked = false;
    ASSERT_TRUE(rules.GetCheckBoxState(1, 4, ticked));
    EXPECT_TRUE(ticked);
    rules.FocusCell(1, 4);
    rules.setFocus();
    QTest::keyClick(&rules, Qt::Key_Space);
    rules.GetCheckBoxState(1, 4, ticked);
    EXPECT_FALSE(ticked);
    QTest::mouseClick(rules.viewport(), Qt::LeftButton, {}, Cell_Centre(rules, 1, 4));
    rules.GetCheckBoxState(1, 4, ticked);
    EXPECT_TRUE(ticked) << "a click on the box ticks it again";
}

// A double click on a header sizes its column only with the auto-size option on.
TEST_F(RuleEditorsRealInputTest, AHeaderDoubleClickSizesTheColumnWithItsOption) {
    KNX = std::make_unique<TFKNXAccess>(nullptr);
    Show(*KNX);
    TExColumnGrid& grid = Rules();
    const int column = KNX_Source_Address + 1;
    grid.SetCells(column, 2, "A source address long enough to need a much wider column");
    const int before = grid.ColWidths(column);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Cell_Centre(grid, column, 0));
    EXPECT_EQ(grid.ColWidths(column), before) << "option off";
    Enable_Auto_Size = true;
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Cell_Centre(grid, column, 0));
    EXPECT_GT(grid.ColWidths(column), before);
}

// Headers show their hints; a language file relabels headers, row titles and hints.
TEST_F(RuleEditorsRealInputTest, HintsAndALanguageFileRelabel) {
    KNX = std::make_unique<TFKNXAccess>(nullptr);
    DALI = std::make_unique<TFDALI_Access>(nullptr);
    Show(*KNX);
    Show(*DALI);
    EXPECT_EQ(Hint_Over(Rules(), KNX_Format + 1, 0), LangText(2636));
    EXPECT_EQ(Hint_Over(Rules(), 0, 0), "") << "the row-number header has none";

    WriteFile("LANGUAGE/Test.lng",
              "STR2616 = Quelle\nSTR2631 = Regel an/aus\nSTR2636 = Format der Variablen\n"
              "STR610 = Gerät 0\nSTR768 = Gruppe 0\nSTR765 = Dimmart\nSTR2540 = Funktion\nSTR2545 = Was sie tut\n"
              "STR2501 = Aktiv\nSTR2515 = Regel an/aus\n");
    Load_Language_File(PathIn("LANGUAGE/Test.lng"));
    KNX->Set_Lang();
    DALI->Set_Lang();

    struct Label {
        TExStringGrid* Grid;
        int Col, Row;
        QString Text;
    };
    const Label cells[] = {
        {&Rules(), KNX_Source_Address + 1, 0, "Quelle"},
        {DALI->ACG_DALI_Device, 0, 1, "Gerät 0"},
        {DALI->ACG_DALI_GroupBroad, 0, 1, "Gruppe 0"},
        {DALI->ACG_DALI_GroupBroad, 1, 0, "Dimmart"},
        {DALI->ACG, 1, 0, "Funktion"},
        {DALI->ASG, 1, 0, "Aktiv"},
    };
    for (const Label& cell : cells)
        EXPECT_EQ(cell.Grid->Cells(cell.Col, cell.Row), cell.Text) << cell.Grid->Name().toStdString();
    EXPECT_EQ(Hint_Over(Rules(), KNX_Enable + 1, 0), "Regel an/aus");
    EXPECT_EQ(Hint_Over(Rules(), KNX_Format + 1, 0), "Format der Variablen");
    DALI->PC_DALI->setCurrentWidget(DALI->TS_Functions);
    QCoreApplication::processEvents();
    EXPECT_EQ(Hint_Over(*DALI->ACG, 1, 0), "Was sie tut");
    DALI->PC_DALI->setCurrentWidget(DALI->TS_Set_Access);
    QCoreApplication::processEvents();
    EXPECT_EQ(Hint_Over(*DALI->ASG, 1, 0), "Regel an/aus");
}

}  // namespace
