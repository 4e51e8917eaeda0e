#include "editors/automation/dmx_default_values_editor.h"

#include "config/general_parameters_file.h"
#include "controls/window_look.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/rule_integer.h"
#include "grid/core/column_grid.h"

#include <array>

namespace {

constexpr int kClientWidth = 475;
constexpr int kClientHeight = 337;
const QString Root_Name = QStringLiteral("DMX_Default_Values");
const QString Default_Value = QStringLiteral("0");

const std::array<TRuleColumn, 3> kColumns = {{
    {1304, 100, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
    {1305, 100, TRuleCell::Edit, TColor(16710368), "Default_Value", Default_Value},
    {1306, 250, TRuleCell::Edit, Window_Color, "Mnemonic", QString()},
}};

const TRuleTable kTable{nullptr, kColumns, -1, -1, true};

}  // namespace

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TRuleEditorWindow(AOwner, QStringLiteral("FDMXDefVal")) {
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    ACG_DMX_Def_Val = new TExColumnGrid(this, this);
    ACG_DMX_Def_Val->SetName(QStringLiteral("ACG_DMX_Def_Val"));
    ACG_DMX_Def_Val->SetAlign(alClient);
    Build_Rule_Grid(*ACG_DMX_Def_Val, kTable);
    Lay_Out(kClientWidth, kClientHeight, {Btn_OK, Btn_Cancel});
    Set_Lang();
}

void TFDMXDefVal::Set_Lang() {
    SetCaption(LangText(1300));
    L_SW_Desc->SetCaption(LangText(1301));
    Btn_OK->SetCaption(LangText(1302));
    Btn_Cancel->SetCaption(LangText(1303));
    Set_Rule_Headers(*ACG_DMX_Def_Val, kTable);
}

int TFDMXDefVal::Channel_Count() {
    TXMLDocument parameters;
    Load_General_Parameters_File(parameters, File_ParGen);
    const int channels = Read_General_Parameter_Extras(parameters).DMX_Num_Channels;
    return channels >= 1 && channels <= Max_DMX_Channels ? channels : Max_DMX_Channels;
}

void TFDMXDefVal::FormShow(TObject*) {
    TExColumnGrid& grid = *ACG_DMX_Def_Val;
    grid.BeginUpdate();
    grid.SetRowCount(Channel_Count() + 1);
    Reset_Rule_Rows(grid, kTable);
    for (int r = 1; r < grid.RowCount(); ++r) grid.SetCells(1, r, Default_Value);
    Load_Problem = Load_Rule_File(File_DMX_Default_Values, {{&grid, &kTable}});
    grid.EndUpdate();
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TFDMXDefVal::Controllo_dati() {
    const TExColumnGrid& grid = *ACG_DMX_Def_Val;
    for (int r = 1; r <= Visited_Rule_Rows(grid, kTable); ++r) {
        const int value = Rule_Integer(grid.Cells(1, r));
        if (value < 0 || value > 255) {
            Show_Check_Error({r, 1, Rule_Row_Error(LangText(1307), r, LangText(1308))}, {ACG_DMX_Def_Val});
            return false;
        }
    }
    return true;
}

void TFDMXDefVal::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{ACG_DMX_Def_Val, &kTable}})) return;
    TXMLDocument document;
    Append_Rule_Rows(document.AddChild(Root_Name), *ACG_DMX_Def_Val, kTable, QStringLiteral("Row"));
    if (!Save_Rule_Document(document, File_DMX_Default_Values)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}
