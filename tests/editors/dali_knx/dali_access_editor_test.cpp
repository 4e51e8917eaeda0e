// The DALI access editor as a user meets it: its pages and grids, the header menus, the
// DALI-2 handlers and row buttons, OK with its checks, loading and saving both files.

#include "editors/dali_knx/dali_access_editor.h"

#include "editors/configuration_fixture.h"
#include "core/text_table.h"
#include "editors/golden_files.h"
#include "editors/dali_knx/dali2_access_check.h"
#include "grid/core/column_grid.h"
#include "core/program_state.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/popup_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QSplitter>
#include <QTest>

namespace {

QString Golden(const QString& relative) { return QStringLiteral(DALI_KNX_GOLDEN_FOLDER "/") + relative; }

const QStringList Function_Row = {"Set Out", "When Equal to Value", "Short Press", "DALI Channel 3", "200", "0", "Lights"};
const QStringList Rule_Row = {"Device", "Dimmer", "3", "0", "10", "1000", "5000", "1 - Lights", "0", "1", "Lamp"};

class DALIAccessEditorTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.type == mtConfirmation ? Answer : mrOk;
        });
        Editor = std::make_unique<TFDALI_Access>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        SetFileDialogResponder({});
        ConfigurationFixture::TearDown();
    }
    void Show() {
        Editor->show();
        QCoreApplication::processEvents();
    }
    void Type_Function(int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) Editor->ACG->SetCells(c + 1, row, cells[c]);
    }
    void Type_Rule(int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) Editor->ASG->SetCells(c + 2, row, cells[c]);
    }
    void Go_To_Page(TTabSheet* page) { Editor->PC_DALI->setCurrentWidget(page); }
    QPoint Centre(TExStringGrid& grid, int col, int row) const {
        const TRect r = grid.CellRect(col, row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TFDALI_Access> Editor;
    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};

TEST_F(DALIAccessEditorTest, WindowPagesGridsAndTexts) {
    Show();
    EXPECT_LE(Editor->ClientWidth(), 1200);
    EXPECT_EQ(Editor->ClientHeight(), 496);
    EXPECT_EQ(Editor->Caption(), "DALI Access");
    ASSERT_EQ(Editor->PC_DALI->PageCount(), 3);
    EXPECT_EQ(Editor->PC_DALI->tabText(1), "Set Access");
    TExColumnGrid& devices = *Editor->ACG_DALI_Device;
    EXPECT_EQ(devices.TotalColCount(), 6);
    EXPECT_EQ(devices.ColCount(), 5) << "Address hidden";
    EXPECT_EQ(devices.RowCount(), 65);
    EXPECT_EQ(devices.LeftCol(), 0) << "the row titles show";
    EXPECT_EQ(devices.Cells(0, 1), "DALI ID Device 0");
    EXPECT_EQ(devices.Cells(0, 64), "DALI ID Device 63");
    EXPECT_EQ(devices.Columns()->Items(5)->Header(), "Recall Level");
    EXPECT_EQ(Editor->ACG_DALI_GroupBroad->Cells(0, 1), "DALI Group 1");
    EXPECT_EQ(Editor->ACG_DALI_GroupBroad->Cells(0, 17), "DALI Broadcast");
    EXPECT_EQ(Editor->ASG->ColCount(), 13);
    EXPECT_EQ(Editor->ASG->RowCount(), 257);
    EXPECT_EQ(Editor->ASG->Cells(12, 0), "Mnemonic");
    EXPECT_EQ(Editor->ACG->ColCount(), 8);
    EXPECT_EQ(Editor->ACG->RowCount(), 251);
    EXPECT_EQ(Editor->ACG->Columns()->Items(4)->ComboItems()->Count(), 81);
    EXPECT_EQ(Editor->PDaliGroupBroad->minimumHeight(), 30);
    EXPECT_FALSE(Editor->Splitter_Device_Group->childrenCollapsible());

    // The page decides which buttons show; the maps button never does.
    EXPECT_TRUE(Editor->Btn_SelectAll->Visible());
    EXPECT_FALSE(Editor->Btn_DelRow->Visible());
    Go_To_Page(Editor->TS_Functions);
    EXPECT_FALSE(Editor->Btn_ClearAll->Visible());
    EXPECT_TRUE(Editor->Btn_PasteRow->Visible());
    EXPECT_FALSE(Editor->Btn_DALI_Maps->Visible());

    QString hint;
    Editor->ASG->OnGridHint(Editor->ASG, 0, 11, hint);
    EXPECT_EQ(hint, "Select the Number of Bytes, only for Sensor");
    Editor->ACG->OnGridHint(Editor->ACG, 0, 5, hint);
    EXPECT_EQ(hint, "Insert the DALI Brightness, from 0 to 255");
    hint.clear();
    Editor->ACG->OnGridHint(Editor->ACG, 3, 5, hint);
    EXPECT_EQ(hint, "") << "no hint off the header";
}

// A language change relabels headers, row titles, pages and hints.
TEST_F(DALIAccessEditorTest, SetLangRelabelsEveryText) {
    for (const auto& [number, text] : std::initializer_list<std::pair<int, const char*>>{
             {610, "Lampe 0"}, {673, "Lampe 63"}, {784, "Rundruf"}, {761, "Dimmmodus"}, {2503, "Typ"},
             {2544, "Kurzname"}, {2556, "Zugriff"}, {2563, "Helligkeit 0 bis 255"}, {604, "Alle"}})
        SL_Lang_Texts.SetStrings(number, QString::fromUtf8(text));
    Editor->Set_Lang();
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(0, 1), "Lampe 0");
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(0, 64), "Lampe 63");
    EXPECT_EQ(Editor->ACG_DALI_GroupBroad->Cells(0, 17), "Rundruf");
    EXPECT_EQ(Editor->ACG_DALI_Device->Columns()->Items(3)->Header(), "Dimmmodus");
    EXPECT_EQ(Editor->ASG->Cells(3, 0), "Typ");
    EXPECT_EQ(Editor->ACG->Columns()->Items(7)->Header(), "Kurzname");
    EXPECT_EQ(Editor->PC_DALI->tabText(1), "Zugriff");
    EXPECT_EQ(Editor->Hint_Fun.Strings(4), "Helligkeit 0 bis 255");
    EXPECT_EQ(Editor->Btn_SelectAll->Caption(), "Alle");
}

// Without files: the defaults; OK writes all 307 elements and two empty DALI-2 lists.
TEST_F(DALIAccessEditorTest, OkWithoutFilesWritesTheDefaults) {
    Show();
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(1, 5), "N");
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(3, 5), "Normal");
    EXPECT_EQ(Editor->ACG_DALI_GroupBroad->Cells(3, 17), "None");
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk);
    const QByteArray dali = Read_Whole_File(File_DALI_Access);
    EXPECT_EQ(dali.count("<DALI_"), 307 + 1);
    EXPECT_TRUE(dali.contains("<DALI_ID_DEVICE_63>0</DALI_ID_DEVICE_63>"));
    const TDALI2AccessLoad dali2 = Read_DALI2_Access_File(File_DALI2_Access);
    EXPECT_TRUE(dali2.Problem.Ok());
    EXPECT_TRUE(dali2.Tables.Functions.empty());
    EXPECT_TRUE(dali2.Tables.Set_Access.empty());
}

// The four DALI flags of the general parameters set what every row starts with; the
// old-value recall wins over the min-max recall.
TEST_F(DALIAccessEditorTest, GeneralParameterFlagsAreTheDefaults) {
    WriteFile("PROJECTS/Plant/ParGen.xml",
              "<ParGen><DALI_DIMMING_MODE>1</DALI_DIMMING_MODE><DALI_ALLOW_MINMAX_VALUES>1</DALI_ALLOW_MINMAX_VALUES>"
              "<DALI_RECALL_MINMAX_LEVEL>1</DALI_RECALL_MINMAX_LEVEL>"
              "<DALI_RECALL_OLDVALUES_LEVEL>1</DALI_RECALL_OLDVALUES_LEVEL></ParGen>");
    WriteFile("PROJECTS/Plant/DALI_Access.xml",
              "<DALI_Access><DALI_ID_DEVICE_5>Y</DALI_ID_DEVICE_5><DALI_ID_DEVICE_6>1</DALI_ID_DEVICE_6>"
              "<DALI_ID_DEVICE_5_RECALL_LEVEL>Maximum</DALI_ID_DEVICE_5_RECALL_LEVEL></DALI_Access>");
    Show();
    const TExColumnGrid& devices = *Editor->ACG_DALI_Device;
    EXPECT_EQ(devices.Cells(1, 6), "N") << "only \"1\" enables";
    EXPECT_EQ(devices.Cells(1, 7), "Y");
    EXPECT_EQ(devices.Cells(5, 6), "None") << "an unknown recall reads as None";
    EXPECT_EQ(devices.Cells(5, 7), "Recall Old Value Level for Switch");
    EXPECT_EQ(devices.Cells(3, 1), "Start Break");
    EXPECT_EQ(devices.Cells(4, 1), "Y");
    EXPECT_EQ(Editor->ACG_DALI_GroupBroad->Cells(2, 17), "Y");
}

// A right click on a header pops the menu of that displayed position; its items fill
// the column of that grid only. Select/Clear All set every device's Enable.
TEST_F(DALIAccessEditorTest, HeaderMenusAndSelectAll) {
    Editor->resize(1200, 700);
    Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    TExColumnGrid& groups = *Editor->ACG_DALI_GroupBroad;
    QTest::mouseClick(groups.viewport(), Qt::RightButton, {}, Centre(groups, 2, 0));
    ASSERT_TRUE(Editor->PM_MinMax_GB->isVisible());
    Editor->PM_MinMax_GB->actions().at(0)->trigger();  // "Select All"
    Editor->PM_MinMax_GB->hide();
    for (int r = 1; r <= 17; ++r) EXPECT_EQ(groups.Cells(2, r), "Y") << r;
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(4, 1), "N") << "the devices keep theirs";

    // Displayed 2 of the devices is the Dimming Mode column (real 3).
    TExColumnGrid& devices = *Editor->ACG_DALI_Device;
    QTest::mouseClick(devices.viewport(), Qt::RightButton, {}, Centre(devices, 2, 0));
    ASSERT_TRUE(Editor->PM_Dimming_Mode->isVisible());
    Editor->PM_Dimming_Mode->actions().at(1)->trigger();
    Editor->PM_Dimming_Mode->hide();
    EXPECT_EQ(devices.Cells(3, 64), "Start Break");
    EXPECT_EQ(groups.Cells(1, 1), "Normal");
    Editor->PM_Recall_GB->actions().at(2)->trigger();
    EXPECT_EQ(groups.Cells(3, 9), "Recall Old Value Level for Switch");
    EXPECT_EQ(devices.Cells(5, 9), "None");

    Editor->Btn_SelectAllClick(nullptr);
    EXPECT_EQ(devices.Cells(1, 1), "Y");
    EXPECT_EQ(devices.Cells(1, 64), "Y");
    Editor->Btn_ClearAllClick(nullptr);
    EXPECT_EQ(devices.Cells(1, 33), "N");
}

// The Type list follows the row's exact Dev/Sen; the Function list names every function
// by its mnemonic as it was at the last page change.
TEST_F(DALIAccessEditorTest, ChoiceListsFollowTheRow) {
    Show();
    TExStringGrid& rules = *Editor->ASG;
    const auto list_for = [&rules](int col, int row) {
        TEditorType editor = edNormal;
        rules.OnGetEditorType(&rules, col, row, editor);
        return std::make_pair(editor, editor == edComboList ? rules.GetComboCount() : -1);
    };
    rules.SetCells(2, 1, "Sensor");
    EXPECT_EQ(list_for(3, 1), std::make_pair(edComboList, 7));
    rules.SetCells(2, 1, "Device");
    EXPECT_EQ(list_for(3, 1), std::make_pair(edComboList, 10));
    rules.SetCells(2, 1, "device");
    EXPECT_EQ(list_for(3, 1), std::make_pair(edComboList, 0));
    EXPECT_EQ(list_for(2, 1), std::make_pair(edComboList, 2));
    EXPECT_EQ(list_for(11, 1), std::make_pair(edComboList, 2));
    EXPECT_EQ(list_for(4, 1), std::make_pair(edNormal, -1));

    Editor->ACG->SetCells(7, 2, "Stairs");
    EXPECT_EQ(Editor->SelFunct.Strings(2), "2 - ");
    Go_To_Page(Editor->TS_Functions);
    EXPECT_EQ(Editor->SelFunct.Count(), 251);
    EXPECT_EQ(Editor->SelFunct.Strings(0), "0 - None");
    EXPECT_EQ(Editor->SelFunct.Strings(2), "2 - Stairs");
    EXPECT_EQ(list_for(9, 1), std::make_pair(edComboList, 251));
}

// Choosing an event sets the Condition at once; a value leaves it.
TEST_F(DALIAccessEditorTest, ChoosingAnEventSetsTheCondition) {
    Show();
    TExColumnGrid& functions = *Editor->ACG;
    functions.OnComboChange(&functions, 3, 4, 4, "Long Press Start");
    EXPECT_EQ(functions.Cells(2, 4), "When Equal to Value");
    functions.OnComboChange(&functions, 3, 4, 11, "Vacant");
    EXPECT_EQ(functions.Cells(2, 4), "NAND Logic with Value");
    functions.OnComboChange(&functions, 3, 4, -1, "42");
    EXPECT_EQ(functions.Cells(2, 4), "NAND Logic with Value");
    functions.OnComboChange(&functions, 2, 5, 0, "Movement");
    EXPECT_EQ(functions.Cells(2, 5), "") << "only the Event / Value column";
}

// A check error names the row, writes nothing, and makes its page and cell current.
TEST_F(DALIAccessEditorTest, CheckErrorShowsThePageAndCell) {
    Show();
    Type_Function(1, Function_Row);
    Type_Rule(1, Rule_Row);
    Editor->ASG->SetCells(6, 1, "256");
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "Set Access - Error Row 1!! Command Must be Between 0 and 255");
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    EXPECT_FALSE(FileExists(File_DALI_Access));
    EXPECT_FALSE(FileExists(File_DALI2_Access));
    EXPECT_EQ(Editor->PC_DALI->currentWidget(), Editor->TS_Set_Access);
    EXPECT_EQ(Editor->ASG->Col(), 6);
    EXPECT_EQ(Editor->ASG->Row(), 1);

    Editor->ASG->SetCells(6, 1, "255");
    Editor->ACG->SetCells(5, 1, "300");
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Messages.back(), "Functions - Error Row 1!! Brightness must be between 0 and 255");
    EXPECT_EQ(Editor->PC_DALI->currentWidget(), Editor->TS_Functions);
    EXPECT_EQ(Editor->ACG->Col(), 5);

    Editor->ACG->SetCells(5, 1, "255");
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
}

// A realistic configuration shown and saved with OK comes back byte for byte; an edit
// reaches the file, a disabled rule is written with Enable "N".
TEST_F(DALIAccessEditorTest, ShowAndOkRoundTripTheFiles) {
    const QString folder = Golden("realistic");
    for (const char* name : {"DALI_Access.xml", "DALI2_Access.xml"})
        WriteFile(QStringLiteral("PROJECTS/Plant/") + name, Read_Whole_File(folder + "/" + name));
    Show();
    EXPECT_TRUE(Messages.empty());
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_EQ(Read_Whole_File(File_DALI_Access), Read_Whole_File(folder + "/DALI_Access.xml"));
    EXPECT_EQ(Read_Whole_File(File_DALI2_Access), Read_Whole_File(folder + "/DALI2_Access.xml"));

    Editor->hide();
    Editor = std::make_unique<TFDALI_Access>(nullptr);
    Show();
    Editor->ASG->SetCheckBoxState(1, 1, false);
    Editor->ACG_DALI_Device->SetCells(1, 64, "Y");
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_EQ(Read_DALI2_Access_File(File_DALI2_Access).Tables.Set_Access[0][Set_Enable], "N");
    EXPECT_TRUE(Read_Whole_File(File_DALI_Access).contains("<DALI_ID_DEVICE_63>1</DALI_ID_DEVICE_63>"));
}

// A file the tables cannot show whole: the message at show, the question at OK; No
// keeps the file byte for byte. A file that cannot be written keeps the dialog open and the
// other file as it was.
TEST_F(DALIAccessEditorTest, LostRowsAskAndWriteFailuresKeepTheDialogOpen) {
    const QByteArray file =
        "<DALI2_Access><DALI2_Functions_Rules><row Function=\"Set Out\" Condition=\"No Condition\" Value=\"1\"/>"
        "<row Function=\"\"/><row Function=\"Toggle\" Condition=\"No Condition\" Value=\"1\"/>"
        "</DALI2_Functions_Rules><DALI2_SetAccess_Rules/></DALI2_Access>";
    WriteFile("PROJECTS/Plant/DALI2_Access.xml", file);
    Show();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains("DALI2_Access.xml"));
    EXPECT_EQ(Editor->ACG->Cells(1, 1), "Set Out");
    Answer = mrNo;
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(Messages[1].contains("Save anyway?"));
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    EXPECT_EQ(Read_Whole_File(File_DALI2_Access), file);
    EXPECT_FALSE(FileExists(File_DALI_Access));

    Answer = mrYes;
    // A folder where DALI_Access.xml belongs cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(File_DALI_Access));
    Editor->Btn_OKClick(nullptr);
    ASSERT_TRUE(QDir(File_DALI_Access).removeRecursively());
    EXPECT_TRUE(Messages.back().contains("could not be written"));
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    EXPECT_EQ(Read_Whole_File(File_DALI2_Access), file);

    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
}

// The row buttons act on the active page's current row; Delete asks first; the row
// Delete locks at the end is editable again after the next showing; Insert on a full
// table refuses.
TEST_F(DALIAccessEditorTest, RowButtonsOfBothPages) {
    Show();
    TExStringGrid& rules = *Editor->ASG;
    for (int r = 1; r <= 4; ++r) {
        QStringList rule = Rule_Row;
        rule[Set_Mnemonic - 1] = QString("Rule %1").arg(r);
        Type_Rule(r, rule);
    }
    Go_To_Page(Editor->TS_Set_Access);
    rules.FocusCell(3, 2);
    Answer = mrNo;
    Editor->Btn_DelRowClick(nullptr);
    EXPECT_EQ(Messages.back(), "Are you sure to delete the Row number 2");
    EXPECT_EQ(rules.Cells(12, 2), "Rule 2");
    Answer = mrYes;
    Editor->Btn_DelRowClick(nullptr);
    EXPECT_EQ(rules.Cells(12, 2), "Rule 3");
    EXPECT_TRUE(rules.ReadOnly(3, 256));

    Editor->Btn_CopyRowClick(nullptr);  // row 2: "Rule 3"
    rules.FocusCell(3, 6);
    Editor->Btn_PasteRowClick(nullptr);
    EXPECT_EQ(rules.Cells(12, 6), "Rule 3");
    rules.FocusCell(3, 1);
    Editor->Btn_InsRowClick(nullptr);
    EXPECT_EQ(rules.Cells(2, 1), "");
    EXPECT_EQ(rules.Cells(12, 2), "Rule 1");
    bool ticked = false;
    rules.GetCheckBoxState(1, 1, ticked);
    EXPECT_TRUE(ticked);

    Editor->hide();
    Show();
    EXPECT_FALSE(rules.ReadOnly(3, 256)) << "showing unlocks the rows Delete locked";

    Type_Rule(256, Rule_Row);
    rules.FocusCell(3, 10);
    Messages.clear();
    Editor->Btn_InsRowClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains("256"));
    EXPECT_EQ(rules.Cells(2, 256), "Device");

    Go_To_Page(Editor->TS_Functions);
    Type_Function(1, Function_Row);
    Type_Function(250, Function_Row);
    Editor->ACG->FocusCell(2, 1);
    Editor->Btn_InsRowClick(nullptr);
    EXPECT_TRUE(Messages.back().contains("250"));
    EXPECT_EQ(Editor->ACG->Cells(1, 1), "Set Out");
    Editor->Btn_DelRowClick(nullptr);
    EXPECT_EQ(Editor->ACG->Cells(1, 1), "");
    EXPECT_EQ(Editor->ACG->Cells(1, 249), "Set Out");
}

// A click on a row number selects the row; the row number is never edited.
TEST_F(DALIAccessEditorTest, RowNumberColumn) {
    Show();
    TExColumnGrid& functions = *Editor->ACG;
    // The handler alone; a real click on the number is in the real-input tests.
    functions.OnClickCell(&functions, 7, 0);
    EXPECT_EQ(functions.Selection().Top, 7);
    EXPECT_EQ(functions.Selection().Bottom, 7);
    EXPECT_EQ(functions.Selection().Right, 7);
    EXPECT_EQ(Editor->ASG->FixedCols(), 1);
    EXPECT_EQ(functions.FixedCols(), 1);
    EXPECT_TRUE(functions.Columns()->Items(0)->ReadOnly());
}

// Enter walks the cells and a header double click sizes its column, each with its option on.
TEST_F(DALIAccessEditorTest, EnterAndDoubleClickFollowTheirOptions) {
    Show();
    TExStringGrid& rules = *Editor->ASG;
    rules.FocusCell(12, 3);
    QChar key(13);
    rules.OnKeyPress(&rules, key);
    EXPECT_EQ(std::make_pair(rules.Col(), rules.Row()), std::make_pair(12, 3)) << "option off";
    Enable_Jump_Field = true;
    rules.OnKeyPress(&rules, key);
    Enable_Jump_Field = false;
    EXPECT_EQ(std::make_pair(rules.Col(), rules.Row()), std::make_pair(1, 4));
    EXPECT_EQ(key, QChar(0));

    TExColumnGrid& functions = *Editor->ACG;
    functions.SetCells(7, 1, "A mnemonic long enough to need a much wider column than this one");
    const int before = functions.ColWidths(7);
    functions.OnDblClickCell(&functions, 0, 7);
    EXPECT_EQ(functions.ColWidths(7), before) << "option off";
    Enable_Auto_Size = true;
    functions.OnDblClickCell(&functions, 0, 7);
    Enable_Auto_Size = false;
    EXPECT_GT(functions.ColWidths(7), before);
}

// A DALI_Access.xml that is not well-formed: the message names it, the tables show the
// defaults, and No at OK leaves it byte for byte.
TEST_F(DALIAccessEditorTest, ABrokenDeviceFileIsReplacedOnlyOnYes) {
    const QByteArray file = "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0>";
    WriteFile("PROJECTS/Plant/DALI_Access.xml", file);
    Show();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains("DALI_Access.xml"));
    EXPECT_EQ(Editor->ACG_DALI_Device->Cells(1, 1), "N");
    Answer = mrNo;
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    EXPECT_EQ(Read_Whole_File(File_DALI_Access), file);
    EXPECT_FALSE(FileExists(File_DALI2_Access));
    Answer = mrYes;
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_TRUE(Read_Whole_File(File_DALI_Access).contains("<DALI_ID_DEVICE_0>0</DALI_ID_DEVICE_0>"));
}

// The DALI maps export: ".csv" added, an existing file replaced only on Yes, eight
// bytes per enabled device.
TEST_F(DALIAccessEditorTest, DALIMapsExport) {
    Show();
    Editor->ACG_DALI_Device->SetCells(1, 1, "Y");
    Editor->ACG_DALI_Device->SetCells(1, 4, "Y");
    const QString chosen = PathIn("maps");
    SetFileDialogResponder([&](const FileDialogRequest& request) -> std::optional<QString> {
        EXPECT_EQ(request.initialDir, Project_Folder);
        return chosen;
    });
    Editor->Btn_DALI_MapsClick(nullptr);
    EXPECT_EQ(Read_Whole_File(chosen + ".csv"),
              (LangText(756) + "\n1; 0; 1; 2; 3; 4; 5; 6, 7;\n4; 8; 9; 10; 11; 12; 13; 14, 15;\n").toUtf8());
    EXPECT_TRUE(Messages.empty());

    Editor->ACG_DALI_Device->SetCells(1, 4, "N");
    Answer = mrCancel;
    Editor->Btn_DALI_MapsClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "The File is already present. Overwrite the file?");
    EXPECT_TRUE(Read_Whole_File(chosen + ".csv").contains("4; 8"));
    Answer = mrYes;
    Editor->Btn_DALI_MapsClick(nullptr);
    EXPECT_FALSE(Read_Whole_File(chosen + ".csv").contains("4; 8"));
}

}  // namespace
