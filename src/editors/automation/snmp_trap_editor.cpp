#include "editors/automation/snmp_trap_editor.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/snmp_trap_check.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"
#include "platform/standard_controls.h"

#include <array>

namespace {

constexpr int kClientWidth = 1256;
constexpr int kClientHeight = 337;
constexpr int kNameLength = 15;

constexpr TColor kEnable = TColor(11589887);
constexpr TColor kName = TColor(16710368);
constexpr TColor kWhen = TColor(11075496);
constexpr TColor kPlace = TColor(16045820);
constexpr TColor kSize = TColor(11075583);
constexpr TColor kDescription = TColor(16766421);
constexpr TColor kAddress = TColor(15000777);
constexpr TColor kMnemonic = clWhite;

const QString Empty;
const QString Off = QStringLiteral("N");
const QString None = QStringLiteral("None");

const std::array<TRuleColumn, SNMP_Trap_Read_Columns + 1> kReadColumns = {{
    {1916, 40, TRuleCell::Number, kMnemonic, nullptr, std::nullopt},
    {1917, 50, TRuleCell::Check, kEnable, "Enable", QStringLiteral("Y"), 1939},
    {1918, 130, TRuleCell::ComboEdit, kName, "Community_Name", Empty, 1940},
    {1919, 60, TRuleCell::ComboList, kName, "Type", Empty, 1941},
    {1920, 75, TRuleCell::Check, kWhen, "On_Change", Off, 1942},
    {1921, 50, TRuleCell::Check, kWhen, "On_Command", Off, 1943},
    {1922, 60, TRuleCell::Check, kWhen, "On_Timer", Off, 1944},
    {1923, 65, TRuleCell::Edit, kWhen, "Time", Empty, 1945},
    {1924, 60, TRuleCell::ComboList, kPlace, "Position", Empty, 1946},
    {1925, 60, TRuleCell::ComboList, kPlace, "Bit", Empty, 1947},
    {1926, 95, TRuleCell::Edit, kSize, "NumBits", Empty, 1948},
    {1927, 130, TRuleCell::Edit, kDescription, "Description", Empty, 1949, kNameLength},
    {1928, 120, TRuleCell::Edit, kAddress, "IP_Address", Empty, 1950},
    {1981, 100, TRuleCell::ComboList, kEnable, "Conversion", None, 1983},
    {1929, 130, TRuleCell::Edit, kMnemonic, "Mnemonic", Empty, 1951},
}};

const std::array<TRuleColumn, SNMP_Trap_Write_Columns + 1> kWriteColumns = {{
    {1930, 40, TRuleCell::Number, kMnemonic, nullptr, std::nullopt},
    {1931, 50, TRuleCell::Check, kEnable, "Enable", QStringLiteral("Y"), 1952},
    {1932, 130, TRuleCell::ComboEdit, kName, "Community_Name", Empty, 1953},
    {1933, 60, TRuleCell::ComboList, kName, "Type", Empty, 1954},
    {1934, 60, TRuleCell::ComboList, kPlace, "Position", Empty, 1955},
    {1935, 60, TRuleCell::ComboList, kPlace, "Bit", Empty, 1956},
    {1936, 95, TRuleCell::Edit, kSize, "NumBits", Empty, 1957},
    {1937, 130, TRuleCell::Edit, kDescription, "Description", Empty, 1958, kNameLength},
    {1982, 100, TRuleCell::ComboList, kEnable, "Conversion", None, 1984},
    {1938, 500, TRuleCell::Edit, kMnemonic, "Mnemonic", Empty, 1959},
}};

const TRuleTable kReadTable{"SNMP_Trap_Read", kReadColumns, TrapR_Community_Name + 1, TrapR_Enable + 1};
const TRuleTable kWriteTable{"SNMP_Trap_Write", kWriteColumns, TrapW_Community_Name + 1, TrapW_Enable + 1};

const QStringList& Items_Of(const char* attribute) {
    static const QStringList names = {QStringLiteral("Public"), QStringLiteral("Private")};
    static const QStringList types = {QStringLiteral("Int"), QStringLiteral("String")};
    static const QStringList bits = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};
    static const QStringList conversions = {None, QStringLiteral("Float"), QStringLiteral("Float * 10"),
                                            QStringLiteral("Float * 100"), QStringLiteral("Float / 10"),
                                            QStringLiteral("Float / 100")};
    static const QStringList none;
    const QLatin1String name(attribute ? attribute : "");
    if (name == QLatin1String("Community_Name")) return names;
    if (name == QLatin1String("Type")) return types;
    if (name == QLatin1String("Bit")) return bits;
    if (name == QLatin1String("Conversion")) return conversions;
    return none;
}

}  // namespace

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner)
    : TRuleEditorWindow(AOwner, QStringLiteral("FSNMP_Trap_Access")) {
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(Active_Table(), 1975); });
    Btn_InsRow = Add_Button("Btn_InsRow", QString(), [this] { Insert_Current_Row(Active_Table(), kReadTable.Key_Column); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] {
        // The clipboard now holds a row of this table: the other table may not paste it.
        Do_Copy_In_Read = Do_Copy_In_Write = false;
        Copy_Current_Row(Active_Table(), Active_Copy_Flag());
    });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), [this] { Paste_Current_Row(Active_Table(), Active_Copy_Flag()); });

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetAlign(alClient);
    TS_SNMP_Read = PageControl1->AddPage(this, QString());
    TS_SNMP_Read->SetName(QStringLiteral("TS_SNMP_Read"));
    TS_SNMP_Write = PageControl1->AddPage(this, QString());
    TS_SNMP_Write->SetName(QStringLiteral("TS_SNMP_Write"));
    ACG_SNMP_Read = Build_Table(TS_SNMP_Read, "ACG_SNMP_Read", kReadTable, Hint_SNMP_Read);
    ACG_SNMP_Write = Build_Table(TS_SNMP_Write, "ACG_SNMP_Write", kWriteTable, Hint_SNMP_Write);
    // The write table leaves in-place editing off; the column grid still edits its cells.
    ACG_SNMP_Read->SetOptions(ACG_SNMP_Read->Options() + TGridOptions{goEditing});
    PageControl1->SetActivePageIndex(0);

    Lay_Out(kClientWidth, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow});
    Set_Lang();
}

TExColumnGrid* TFSNMP_Trap_Access::Build_Table(TTabSheet* page, const char* name, const TRuleTable& table,
                                               TStringList& hints) {
    auto* grid = new TExColumnGrid(this, page);
    grid->SetName(QString::fromLatin1(name));
    grid->SetAlign(alClient);
    Build_Rule_Grid(*grid, table);
    grid->SetRowCount(SNMP_Trap_Rows + 1);
    grid->SetShowHint(true);
    // The community name is the grids' only editable combo, and a combo takes the grid's limit.
    grid->SetMaxComboLength(kNameLength);
    for (int c = 1; c < int(table.Columns.size()); ++c)
        for (const QString& item : Items_Of(table.Columns[std::size_t(c)].Attribute))
            grid->Columns()->Items(c)->ComboItems()->Add(item);
    // The grid hands its hint handlers the real column already.
    grid->OnGridHint = [&hints](TObject*, int ARow, int ACol, QString& hintstr) {
        if (ARow == 0 && ACol >= 1 && ACol - 1 < hints.Count()) hintstr = hints.Strings(ACol - 1);
    };
    grid->OnKeyPress = [grid](TObject*, QChar& Key) { Enter_Next_Cell(*grid, Key); };
    grid->OnDblClickCell = [grid](TObject*, int ARow, int ACol) { Auto_Size_Column(*grid, ARow, ACol); };
    grid->OnCheckBoxClick = [grid](TObject*, int ACol, int, bool) {
        if (grid->RealColIndex(ACol) == 1) Index_Row_Build(grid);
    };
    return grid;
}

void TFSNMP_Trap_Access::Set_Lang() {
    SetCaption(LangText(1900));
    L_SW_Desc->SetCaption(LangText(1901));
    const std::array<std::pair<TLbButton*, int>, 6> buttons = {
        {{Btn_OK, 1902}, {Btn_Cancel, 1903}, {Btn_DelRow, 1904}, {Btn_InsRow, 1905}, {Btn_CopyRow, 1906}, {Btn_PasteRow, 1907}}};
    for (const auto& [button, text] : buttons) {
        button->SetCaption(LangText(text));
        button->SetHint(LangText(text + 8));
    }
    PageControl1->SetTabCaption(TS_SNMP_Read, LangText(1908));
    PageControl1->SetTabCaption(TS_SNMP_Write, LangText(1909));
    for (auto [grid, table, hints] : {std::tuple{ACG_SNMP_Read, &kReadTable, &Hint_SNMP_Read},
                                      std::tuple{ACG_SNMP_Write, &kWriteTable, &Hint_SNMP_Write}}) {
        QStringList texts;
        Set_Rule_Headers(*grid, *table, &texts);
        hints->Clear();
        for (const QString& text : texts) hints->Add(text);
    }
}

void TFSNMP_Trap_Access::FormShow(TObject*) {
    Reset_Rule_Rows(*ACG_SNMP_Read, kReadTable);
    Reset_Rule_Rows(*ACG_SNMP_Write, kWriteTable);
    NByte_IN = SNMP_Trap_Data_Bytes;
    NByte_OUT = SNMP_Trap_Data_Bytes;
    Fill_Number_Items(*ACG_SNMP_Read, TrapR_Position + 1, NByte_IN);
    Fill_Number_Items(*ACG_SNMP_Write, TrapW_Position + 1, NByte_OUT);
    if (FileExists(File_SNMP_Trap)) {
        Load_Problem = Load_Rule_File(File_SNMP_Trap, {{ACG_SNMP_Read, &kReadTable}, {ACG_SNMP_Write, &kWriteTable}});
    } else {
        Load_Problem = {};
        Put_Rule_Cells(*ACG_SNMP_Read, SNMP_Trap_Default_Read_Rows());
        Put_Rule_Cells(*ACG_SNMP_Write, SNMP_Trap_Default_Write_Rows());
    }
    Index_Row_Build(ACG_SNMP_Read);
    Index_Row_Build(ACG_SNMP_Write);
    Do_Copy_In_Read = Do_Copy_In_Write = false;
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

void TFSNMP_Trap_Access::Index_Row_Build(TExColumnGrid* app_SGA) {
    app_SGA->BeginUpdate();
    int number = 0;
    for (int r = 1; r < app_SGA->RowCount(); ++r)
        app_SGA->SetCells(0, r, app_SGA->Cells(1, r).toUpper() == QLatin1String("Y") ? QString::number(++number) : QString());
    app_SGA->EndUpdate();
}

bool TFSNMP_Trap_Access::Controllo_dati() {
    const std::optional<TRuleCheckError> error = Check_SNMP_Trap_Rules(
        Rule_Cells(*ACG_SNMP_Read, kReadTable), Rule_Cells(*ACG_SNMP_Write, kWriteTable), SL_Check_Desc);
    if (!error) return true;
    Show_Check_Error(*error, {ACG_SNMP_Read, ACG_SNMP_Write}, PageControl1);
    return false;
}

void TFSNMP_Trap_Access::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{ACG_SNMP_Read, &kReadTable}, {ACG_SNMP_Write, &kWriteTable}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QStringLiteral("SNMP_Trap"));
    document.AddComment(QStringLiteral("SW_VERSION = 1.000"));
    for (auto [grid, table] : {std::pair{ACG_SNMP_Read, &kReadTable}, std::pair{ACG_SNMP_Write, &kWriteTable}})
        Append_Rule_Rows(root.AddChild(QString::fromLatin1(table->List_Name)), *grid, *table, QStringLiteral("row"));
    if (!Save_Rule_Document(document, File_SNMP_Trap)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}

TExColumnGrid& TFSNMP_Trap_Access::Active_Table() {
    return PageControl1->ActivePageIndex() == 1 ? *ACG_SNMP_Write : *ACG_SNMP_Read;
}

bool& TFSNMP_Trap_Access::Active_Copy_Flag() {
    return PageControl1->ActivePageIndex() == 1 ? Do_Copy_In_Write : Do_Copy_In_Read;
}
