// The "Set Access" and "Functions" pages of the DALI access editor: the set-access
// string grid with its check boxes, the functions column grid, their choice lists and
// handlers, the row buttons, and loading and reading both tables.

#include "editors/dali_knx/dali_access_editor.h"

#include "config/rule_cell_rules.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/dali_knx/dali2_access_check.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

#include <array>

namespace {

constexpr int Enable_Col = Set_Enable + 1;
constexpr int Device_Sensor_Col = Set_DeviceSensor + 1;
constexpr int Type_Col = Set_Type + 1;
constexpr int Set_Function_Col = Set_Function + 1;
constexpr int Num_Bytes_Col = Set_NumBytes + 1;
constexpr int Event_Value_Col = Fun_Value + 1;
constexpr int Condition_Col = Fun_Condition + 1;
constexpr int Function_Key_Col = Fun_Function + 1;

struct TableColumn {
    int header;  // text number
    int width;
    TColor color;
    int hint;  // text number, 0 for none
};

constexpr std::array<TableColumn, 13> kSetAccessColumns = {{
    {2500, 40, clWindow, 0},
    {2501, 50, TColor(11589887), 2515},
    {2502, 80, TColor(16710368), 2516},
    {2503, 120, TColor(16710368), 2517},
    {2504, 80, TColor(16710368), 2518},
    {2505, 60, TColor(16710368), 2519},
    {2510, 70, TColor(11075496), 2524},
    {2507, 70, TColor(11075496), 2521},
    {2508, 70, TColor(11075496), 2522},
    {2513, 70, TColor(16766421), 2527},
    {2509, 70, TColor(16045820), 2523},
    {2558, 70, TColor(16045820), 2559},
    {2514, 130, clWhite, 2528},
}};

constexpr std::array<TableColumn, 8> kFunctionColumns = {{
    {2539, 40, clWindow, 0},
    {2540, 140, TColor(16710368), 2545},
    {2541, 140, TColor(11075496), 2546},
    {2542, 140, TColor(11075496), 2547},
    {2560, 140, TColor(11075583), 2562},
    {2561, 140, TColor(11075583), 2563},
    {2543, 140, TColor(11589887), 2548},
    {2544, 200, clWindow, 2549},
}};

QStringList Function_Items() {
    return {"Function Null", "Multiplication", "Division", "Addition",   "Subtraction", "Set Out",
            "Dim Up",        "Dim Down",       "Toggle",   "Ramp Start", "Ramp Stop"};
}

QStringList Condition_Items() {
    return {"No Condition",         "When Equal to Value",  "When Lower to Value",
            "When Greater to Value", "AND Logic with Value", "OR Logic with Value",
            "XOR Logic with Value",  "NAND Logic with Value", "NOR Logic with Value"};
}

QStringList Event_Items() {
    return {"Button Released", "Button Pressed", "Short Press",  "Double Press", "Long Press Start", "Long Press Repeat",
            "Long Press Stop", "Button Free",    "Button Stuck", "No Movement",  "Movement",         "Vacant",
            "Still Vacant",    "Occupied",       "Still Occupied", "Presence Sensor", "Movement Sensor"};
}

QStringList Channel_Items() {
    QStringList items;
    for (int channel = 0; channel < DALI_Device_Rows; ++channel) items << QStringLiteral("DALI Channel %1").arg(channel);
    for (int group = 1; group < DALI_Group_Rows; ++group) items << QStringLiteral("DALI Group %1").arg(group);
    items << QStringLiteral("DALI Broadcast");
    return items;
}

void Fill_List(TStringList& list, std::span<const char16_t* const> items) {
    list.Clear();
    for (const char16_t* item : items) list.Add(QString::fromUtf16(item));
}

}  // namespace

void TFDALI_Access::Init_Table() {
    ASG = new TExStringGrid(this, TS_Set_Access);
    ASG->SetName(QStringLiteral("ASG"));
    ASG->BeginUpdate();
    ASG->SetAlign(alClient);
    ASG->SetColCount(int(kSetAccessColumns.size()));
    ASG->SetRowCount(DALI2_Input_Editor_Rows + 1);
    ASG->SetFixedCols(1);
    ASG->SetOptions(ASG->Options().Include(goEditing).Include(goColSizing).Include(goTabs));
    ASG->ControlLook()->DropDownAlwaysVisible = true;
    for (int c = 0; c < int(kSetAccessColumns.size()); ++c) ASG->SetColWidths(c, kSetAccessColumns[std::size_t(c)].width);
    // Two header lines: "Ch. Number" or "Num Bytes" do not fit their narrow columns on one.
    ASG->SetRowHeights(0, 2 * ASG->RowHeights(0));
    for (int r = 1; r <= DALI2_Input_Editor_Rows; ++r) ASG->SetCells(0, r, QString::number(r));
    ASG->AddCheckBoxColumn(Enable_Col, true, false);
    ASG->EndUpdate();

    DevSen.Clear();
    DevSen.Add(QStringLiteral("Device"));
    DevSen.Add(QStringLiteral("Sensor"));
    Fill_List(DevType, DALI2_Device_Types());
    Fill_List(SenType, DALI2_Sensor_Types());
    NumBytes.Clear();
    NumBytes.Add(QStringLiteral("1"));
    NumBytes.Add(QStringLiteral("2"));
}

void TFDALI_Access::Build_Functions_Grid() {
    ACG = new TExColumnGrid(this, TS_Functions);
    ACG->SetName(QStringLiteral("ACG"));
    ACG->BeginUpdate();
    ACG->SetAlign(alClient);
    ACG->SetColCount(int(kFunctionColumns.size()));
    ACG->SetRowCount(DALI2_Function_Editor_Rows + 1);
    ACG->SetFixedCols(1);
    ACG->SetOptions(ACG->Options().Include(goEditing).Include(goColSizing).Include(goTabs));
    ACG->ControlLook()->DropDownAlwaysVisible = true;
    const std::array<std::pair<TEditorType, QStringList>, 8> editors = {{{edNormal, {}},
                                                                         {edComboList, Function_Items()},
                                                                         {edComboList, Condition_Items()},
                                                                         {edComboEdit, Event_Items()},
                                                                         {edComboList, Channel_Items()},
                                                                         {edNormal, {}},
                                                                         {edNormal, {}},
                                                                         {edNormal, {}}}};
    for (int c = 0; c < int(kFunctionColumns.size()); ++c) {
        TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(kFunctionColumns[std::size_t(c)].width);
        item->SetColor(kFunctionColumns[std::size_t(c)].color);
        item->SetEditor(editors[std::size_t(c)].first);
        item->SetReadOnly(c == 0);  // the row number is the function's number
        for (const QString& entry : editors[std::size_t(c)].second) item->ComboItems()->Add(entry);
    }
    for (int r = 1; r <= DALI2_Function_Editor_Rows; ++r) ACG->SetCells(0, r, QString::number(r));
    ACG->EndUpdate();
}

void TFDALI_Access::Connect_DALI2_Handlers() {
    // Colours and centring by column, asked while painting: no per-cell objects.
    ASG->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        if (ARow > 0 && ACol > 0 && ACol < int(kSetAccessColumns.size()))
            ABrush->Color = kSetAccessColumns[std::size_t(ACol)].color;
    };
    ASG->OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ARow > 0 && ACol == Enable_Col) HAlign = taCenter;
    };
    ASG->OnGetEditorType = [this](TObject*, int ACol, int ARow, TEditorType& AEditor) {
        const TStringList* list = nullptr;
        if (ACol == Device_Sensor_Col) list = &DevSen;
        else if (ACol == Type_Col) {
            const QString kind = ASG->Cells(Device_Sensor_Col, ARow);
            static const TStringList none;
            list = kind == u"Device" ? &DevType : kind == u"Sensor" ? &SenType : &none;
        } else if (ACol == Set_Function_Col) list = &SelFunct;
        else if (ACol == Num_Bytes_Col) list = &NumBytes;
        if (!list) return;
        AEditor = edComboList;
        ASG->ClearComboString();
        for (int i = 0; i < list->Count(); ++i) ASG->AddComboString(list->Strings(i));
    };
    ACG->OnComboChange = [this](TObject*, int ACol, int ARow, int, const QString& ASelection) {
        if (ACol == Event_Value_Col) SetConditionOnEvent(ASelection, ARow);
    };
    const auto hint = [](const TStringList* hints) {
        return [hints](TObject*, int ARow, int ACol, QString& hintstr) {
            if (ARow == 0 && ACol >= 1 && ACol - 1 < hints->Count()) hintstr = hints->Strings(ACol - 1);
        };
    };
    ASG->OnGridHint = hint(&Hint);
    ACG->OnGridHint = hint(&Hint_Fun);
    for (TExStringGrid* grid : {ASG, static_cast<TExStringGrid*>(ACG)}) {
        grid->OnClickCell = [grid](TObject*, int ARow, int ACol) {
            if (ACol == 0 && ARow > 0) grid->SetSelection({1, ARow, grid->ColCount() - 1, ARow});
        };
        grid->OnDblClickCell = [grid](TObject*, int ARow, int ACol) { Auto_Size_Column(*grid, ARow, ACol); };
        grid->OnKeyPress = [grid](TObject*, QChar& Key) { Enter_Next_Cell(*grid, Key); };
    }
}

void TFDALI_Access::Set_Lang_DALI2_Pages() {
    const auto relabel = [](TExStringGrid& grid, TExColumnGrid* columns, std::span<const TableColumn> table,
                            TStringList& hints) {
        hints.Clear();
        for (int c = 0; c < int(table.size()); ++c) {
            const QString header = LangText(table[std::size_t(c)].header);
            if (columns) columns->Columns()->Items(c)->SetHeader(header);
            else grid.SetCells(c, 0, header);
            if (c > 0) hints.Add(LangText(table[std::size_t(c)].hint));
        }
    };
    relabel(*ASG, nullptr, kSetAccessColumns, Hint);
    relabel(*ACG, ACG, kFunctionColumns, Hint_Fun);
}

void TFDALI_Access::Compile_Function() {
    SelFunct.Clear();
    SelFunct.Add(QStringLiteral("0 - None"));
    for (int k = 1; k <= DALI2_Function_Editor_Rows; ++k)
        SelFunct.Add(QString::number(k) + QStringLiteral(" - ") + ACG->Cells(Fun_Mnemonic + 1, k));
}

void TFDALI_Access::SetConditionOnEvent(const QString& Event, int ARow) {
    if (const std::optional<QString> condition = DALI2_Condition_For_Event(Event))
        ACG->SetCells(Condition_Col, ARow, *condition);
}

void TFDALI_Access::Load_DALI2_Pages() {
    ASG->BeginUpdate();
    ACG->BeginUpdate();
    for (int r = 1; r <= DALI2_Input_Editor_Rows; ++r) {
        ASG->SetCheckBoxState(Enable_Col, r, true);
        for (int c = 1; c < ASG->TotalColCount(); ++c) {
            if (c != Enable_Col && !ASG->Cells(c, r).isEmpty()) ASG->SetCells(c, r, QString());
            // Delete Row locks the emptied last row; a new showing unlocks it.
            if (ASG->ReadOnly(c, r)) ASG->SetReadOnly(c, r, false);
        }
    }
    for (int r = 1; r <= DALI2_Function_Editor_Rows; ++r)
        for (int c = 1; c < ACG->TotalColCount(); ++c)
            if (!ACG->Cells(c, r).isEmpty()) ACG->SetCells(c, r, QString());
    DALI2_Load_Problem = {};
    if (FileExists(File_DALI2_Access)) {
        const TDALI2AccessLoad load = Read_DALI2_Access_File(File_DALI2_Access);
        DALI2_Load_Problem = load.Problem;
        for (std::size_t r = 0; r < load.Tables.Functions.size(); ++r)
            for (int c = 0; c < DALI2_Function_Columns; ++c) ACG->SetCells(c + 1, int(r) + 1, load.Tables.Functions[r][c]);
        for (std::size_t r = 0; r < load.Tables.Set_Access.size(); ++r) {
            const QStringList& rule = load.Tables.Set_Access[r];
            ASG->SetCheckBoxState(Enable_Col, int(r) + 1, DALI2_Enable_Is_On(rule[Set_Enable]));
            for (int c = Set_DeviceSensor; c < DALI2_Set_Access_Columns; ++c) ASG->SetCells(c + 1, int(r) + 1, rule[c]);
        }
    }
    ACG->EndUpdate();
    ASG->EndUpdate();
}

TDALI2Tables TFDALI_Access::DALI2_Tables() const {
    TDALI2Tables tables;
    tables.Functions.reserve(DALI2_Function_Editor_Rows);
    for (int r = 1; r <= DALI2_Function_Editor_Rows; ++r) {
        QStringList row;
        row.reserve(DALI2_Function_Columns);
        for (int c = 1; c <= DALI2_Function_Columns; ++c) row << ACG->Cells(c, r);
        tables.Functions.push_back(std::move(row));
    }
    tables.Set_Access.reserve(DALI2_Input_Editor_Rows);
    for (int r = 1; r <= DALI2_Input_Editor_Rows; ++r) {
        QStringList row;
        row.reserve(DALI2_Set_Access_Columns);
        bool ticked = false;
        ASG->GetCheckBoxState(Enable_Col, r, ticked);
        row << (ticked ? Flag_On_Text : QStringLiteral("N"));
        for (int c = Set_DeviceSensor + 1; c <= DALI2_Set_Access_Columns; ++c) row << ASG->Cells(c, r);
        tables.Set_Access.push_back(std::move(row));
    }
    return tables;
}

bool TFDALI_Access::On_Set_Access_Page() const { return PC_DALI->currentWidget() == TS_Set_Access; }

int TFDALI_Access::Current_Data_Row() const {
    const int row = On_Set_Access_Page() ? ASG->Row() : ACG->Row();
    return row > 0 ? row : 0;
}

void TFDALI_Access::Btn_DelRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0 || PC_DALI->currentWidget() == TS_Select_Device) return;
    if (MessageDlg(DALI2_Check_Message(LangText(2554), row), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
    if (On_Set_Access_Page()) Delete_Row_StringGrid(row, *ASG, true);
    else Delete_Row_ColumnGrid(row, *ACG);
}

void TFDALI_Access::Btn_InsRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0 || PC_DALI->currentWidget() == TS_Select_Device) return;
    const bool set_access = On_Set_Access_Page();
    // A rule in the last row would be pushed out of the table.
    const int last = set_access ? DALI2_Input_Editor_Rows : DALI2_Function_Editor_Rows;
    const QString key = set_access ? ASG->Cells(Device_Sensor_Col, last) : ACG->Cells(Function_Key_Col, last);
    if (!Key_Cell_Is_Empty(key)) {
        MessageDlg(QStringLiteral("The table is full: it holds at most %1 %2. Delete a row before inserting one.")
                       .arg(last)
                       .arg(set_access ? QStringLiteral("rules") : QStringLiteral("functions")),
                   mtError, {mbOK});
        return;
    }
    if (set_access) Insert_Row_StringGrid(row, *ASG, true);
    else Insert_Row_ColumnGrid(row, *ACG, false);
}

void TFDALI_Access::Btn_CopyRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0 || PC_DALI->currentWidget() == TS_Select_Device) return;
    if (On_Set_Access_Page()) {
        Copy_Row_StringGrid(*ASG, row);
        Do_Copy = true;
    } else {
        Copy_Row_ColumnGrid(*ACG, row);
        Do_Copy_Fun = true;
    }
}

void TFDALI_Access::Btn_PasteRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0 || PC_DALI->currentWidget() == TS_Select_Device) return;
    if (On_Set_Access_Page()) Paste_Row_StringGrid(*ASG, row, Do_Copy);
    else Paste_Row_ColumnGrid(*ACG, row, Do_Copy_Fun);
}
