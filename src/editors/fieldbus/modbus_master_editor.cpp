#include "editors/fieldbus/modbus_master_editor.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/rule_editor/rule_table.h"
#include "grid/core/column_grid.h"
#include "platform/standard_controls.h"

#include <array>

namespace {

constexpr int kClientHeight = 337;

const QStringList& Items_Of(const char* attribute, bool write) {
    static const QStringList readTypes = {QStringLiteral("Coil Status"), QStringLiteral("Input Status"),
                                          QStringLiteral("Holding Register"), QStringLiteral("Input Register")};
    static const QStringList writeTypes = {QStringLiteral("Coil Status"), QStringLiteral("Holding Register")};
    static const QStringList bits = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};
    static const QStringList none;
    const QLatin1String name(attribute ? attribute : "");
    if (name == QLatin1String("Type")) return write ? writeTypes : readTypes;
    if (name == QLatin1String("Bit")) return bits;
    return none;
}

}  // namespace

TModbusMasterEditor::TModbusMasterEditor(TComponent* AOwner, const TModbusMasterForm& form)
    : TRuleEditorWindow(AOwner, QString::fromLatin1(form.Name)), Form(form) {
    L_SW_Code->SetCaption(SW_Code);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(Active_Table(), Form.Delete_Text); });
    // A new rule starts empty, its Enable too.
    Btn_InsRow = Add_Button("Btn_InsRow", QString(), [this] { Insert_Current_Row(Active_Table(), Form.Read->Key_Column, false); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] {
        // The clipboard now holds a row of this table: the other table may not paste it.
        Do_Copy_In_Read = Do_Copy_In_Write = false;
        Copy_Current_Row(Active_Table(), Active_Copy_Flag());
    });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), [this] { Paste_Current_Row(Active_Table(), Active_Copy_Flag()); });
    Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
    Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetAlign(alClient);
    TS_Modbus_Read = PageControl1->AddPage(this, QString());
    TS_Modbus_Read->SetName(QStringLiteral("TS_Modbus_Read"));
    TS_Modbus_Write = PageControl1->AddPage(this, QString());
    TS_Modbus_Write->SetName(QStringLiteral("TS_Modbus_Write"));
    ACG_Modbus_Read = Build_Table(TS_Modbus_Read, "ACG_Modbus_Read", *Form.Read);
    ACG_Modbus_Write = Build_Table(TS_Modbus_Write, "ACG_Modbus_Write", *Form.Write);
    PageControl1->SetActivePageIndex(0);

    Lay_Out(Form.Client_Width, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow});
    Set_Lang();
}

TExColumnGrid* TModbusMasterEditor::Build_Table(TTabSheet* page, const char* name, const TRuleTable& table) {
    auto* grid = new TExColumnGrid(this, page);
    grid->SetName(QString::fromLatin1(name));
    grid->SetAlign(alClient);
    // In-place editing stays off, as the tables always had it; the column grid still
    // edits its cells through their column editors.
    Build_Rule_Grid(*grid, table);
    grid->SetRowCount(Modbus_Master_Rows + 1);
    const bool write = &table == Form.Write;
    for (int c = 1; c < int(table.Columns.size()); ++c)
        for (const QString& item : Items_Of(table.Columns[std::size_t(c)].Attribute, write))
            grid->Columns()->Items(c)->ComboItems()->Add(item);
    grid->OnClickCell = [this](TObject* sender, int ARow, int ACol) { ClickCell(sender, ARow, ACol); };
    return grid;
}

void TModbusMasterEditor::ClickCell(TObject* Sender, int ARow, int ACol) {
    auto* grid = dynamic_cast<TExColumnGrid*>(Sender);
    if (grid && ACol == 0 && ARow >= 1) grid->SelectRows(ARow, 1);
}

TExColumnGrid& TModbusMasterEditor::Active_Table() const {
    return PageControl1->ActivePageIndex() == 1 ? *ACG_Modbus_Write : *ACG_Modbus_Read;
}

bool& TModbusMasterEditor::Active_Copy_Flag() {
    return PageControl1->ActivePageIndex() == 1 ? Do_Copy_In_Write : Do_Copy_In_Read;
}

void TModbusMasterEditor::Set_Lang() {
    SetCaption(LangText(Form.Caption_Text));
    L_SW_Desc->SetCaption(LangText(Form.Caption_Text + 1));
    const std::array<TLbButton*, 6> buttons = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (std::size_t b = 0; b < (Form.Copy_Paste_Texts ? 6u : 4u); ++b) buttons[b]->SetCaption(LangText(Form.Button_Text + int(b)));
    PageControl1->SetTabCaption(TS_Modbus_Read, LangText(Form.Page_Text));
    PageControl1->SetTabCaption(TS_Modbus_Write, LangText(Form.Page_Text + 1));
    Set_Rule_Headers(*ACG_Modbus_Read, *Form.Read);
    Set_Rule_Headers(*ACG_Modbus_Write, *Form.Write);
}

void TModbusMasterEditor::FormShow(TObject*) {
    ACG_Modbus_Read->BeginUpdate();
    ACG_Modbus_Write->BeginUpdate();
    Reset_Rule_Rows(*ACG_Modbus_Read, *Form.Read);
    Reset_Rule_Rows(*ACG_Modbus_Write, *Form.Write);
    PageControl1->SetActivePageIndex(0);
    NByte_IN = Modbus_Read_Bytes;
    NByte_OUT = Modbus_Write_Bytes;
    Fill_Number_Items(*ACG_Modbus_Read, Form.Check.Read.Position, NByte_IN);
    Fill_Number_Items(*ACG_Modbus_Write, Form.Check.Write.Position, NByte_OUT);
    Load_Problem = Load_Rule_File(*Form.File, {{ACG_Modbus_Read, Form.Read}, {ACG_Modbus_Write, Form.Write}});
    ACG_Modbus_Write->EndUpdate();
    ACG_Modbus_Read->EndUpdate();
    Do_Copy_In_Read = Do_Copy_In_Write = false;
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TModbusMasterEditor::Controllo_dati() {
    const std::optional<TRuleCheckError> error = Check_Modbus_Master_Rules(
        Form.Check, Rule_Cells(*ACG_Modbus_Read, *Form.Read), Rule_Cells(*ACG_Modbus_Write, *Form.Write));
    if (!error) return true;
    Show_Check_Error(*error, {ACG_Modbus_Read, ACG_Modbus_Write}, PageControl1);
    return false;
}

void TModbusMasterEditor::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{ACG_Modbus_Read, Form.Read}, {ACG_Modbus_Write, Form.Write}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QString::fromLatin1(Form.Root));
    if (Form.Version) document.AddComment(QString::fromLatin1(Form.Version));
    Append_Rule_Rows(root.AddChild(QString::fromLatin1(Form.Read->List_Name)), *ACG_Modbus_Read, *Form.Read,
                     QStringLiteral("row"));
    TXMLNode writeList = root.AddChild(QString::fromLatin1(Form.Write->List_Name));
    Append_Rule_Rows(writeList, *ACG_Modbus_Write, *Form.Write, QStringLiteral("row"));
    if (Form.Constant_Write_Flags)
        for (int r = 0; r < writeList.ChildCount(); ++r)
            for (const QString& flag : {QStringLiteral("OnChange"), QStringLiteral("OnCMD")})
                writeList.Child(r).SetAttribute(flag, QStringLiteral("N"));
    if (!Save_Rule_Document(document, *Form.File)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}
