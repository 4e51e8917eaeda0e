#include "editors/dali_knx/dali_access_editor.h"

#include "controls/button_look.h"
#include "core/address_helpers.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/dali_knx/dali2_access_check.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <array>

namespace {

constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 496;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr std::array<int, 4> kRowButtonLefts = {252, 370, 488, 606};

}  // namespace

TFDALI_Access::TFDALI_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FDALI_Access")) {
    auto label = [this](const char* name) {
        auto* result = new TLabel(this, P_Title);
        result->SetName(QString::fromLatin1(name));
        return result;
    };
    L_NBI_Title = label("L_NBI_Title");
    L_NBI_Value = label("L_NBI_Value");
    L_NBO_Title = label("L_NBO_Title");
    L_NBO_Value = label("L_NBO_Value");

    auto button = [this](const char* name, void (TFDALI_Access::*click)(TObject*)) {
        auto* result = new TLbButton(this, P_Buttons);
        result->SetName(QString::fromLatin1(name));
        SetStandardButtonLook(result, QString());
        result->OnClick = [this, click](TObject* sender) { (this->*click)(sender); };
        return result;
    };
    Btn_SelectAll = button("Btn_SelectAll", &TFDALI_Access::Btn_SelectAllClick);
    Btn_ClearAll = button("Btn_ClearAll", &TFDALI_Access::Btn_ClearAllClick);
    Btn_DALI_Maps = button("Btn_DALI_Maps", &TFDALI_Access::Btn_DALI_MapsClick);
    Btn_DelRow = button("Btn_DelRow", &TFDALI_Access::Btn_DelRowClick);
    Btn_InsRow = button("Btn_InsRow", &TFDALI_Access::Btn_InsRowClick);
    Btn_CopyRow = button("Btn_CopyRow", &TFDALI_Access::Btn_CopyRowClick);
    Btn_PasteRow = button("Btn_PasteRow", &TFDALI_Access::Btn_PasteRowClick);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };

    PC_DALI = new TPageControl(this, this);
    PC_DALI->SetName(QStringLiteral("PC_DALI"));
    PC_DALI->SetAlign(alClient);
    TS_Select_Device = PC_DALI->AddPage(this, QString());
    TS_Select_Device->SetName(QStringLiteral("TS_Select_Device"));
    TS_Set_Access = PC_DALI->AddPage(this, QString());
    TS_Set_Access->SetName(QStringLiteral("TS_Set_Access"));
    TS_Functions = PC_DALI->AddPage(this, QString());
    TS_Functions->SetName(QStringLiteral("TS_Functions"));

    Build_Device_Page();
    Init_Table();
    Build_Functions_Grid();
    Connect_DALI2_Handlers();
    Init_Form_Type();
    Set_Lang();
    PC_DALI->SetActivePageIndex(0);
    PC_DALI->OnChange = [this](TObject* sender) { PC_DALIChange(sender); };
}

// The pages go after the grids: their removal must not compile the functions list.
TFDALI_Access::~TFDALI_Access() { PC_DALI->OnChange = nullptr; }

void TFDALI_Access::Init_Form_Type() {
    Set_Client_Size(kClientWidth, kClientHeight);
    for (TLabel* hidden : {L_NBI_Title, L_NBI_Value, L_NBO_Title, L_NBO_Value}) hidden->SetVisible(false);
    for (TLbButton* row_button : {Btn_SelectAll, Btn_ClearAll, Btn_DALI_Maps, Btn_DelRow, Btn_InsRow, Btn_CopyRow,
                                  Btn_PasteRow})
        row_button->SetBounds(kRowButtonLefts[0], Btn_OK->Top(), kButtonWidth, kButtonHeight);
    Btn_ClearAll->SetLeft(kRowButtonLefts[1]);
    const std::array<TLbButton*, 4> row_buttons = {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (std::size_t i = 0; i < row_buttons.size(); ++i) row_buttons[i]->SetLeft(kRowButtonLefts[i]);
    Build_Header_Menus();
}

void TFDALI_Access::Set_Lang() {
    SetCaption(LangText(600));
    L_SW_Desc->SetCaption(LangText(601));
    const std::array<std::tuple<TLbButton*, int, int>, 5> buttons = {{{Btn_OK, 602, 606},
                                                                      {Btn_Cancel, 603, 607},
                                                                      {Btn_SelectAll, 604, 608},
                                                                      {Btn_ClearAll, 605, 609},
                                                                      {Btn_DALI_Maps, 753, 754}}};
    for (const auto& [button, caption, hint] : buttons) {
        button->SetCaption(LangText(caption));
        button->SetHint(LangText(hint));
    }
    // These four have no numbered texts.
    Btn_DelRow->SetCaption(QStringLiteral("Delete Row"));
    Btn_InsRow->SetCaption(QStringLiteral("Insert Row"));
    Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
    Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));
    TS_Select_Device->SetCaption(LangText(2555));
    TS_Set_Access->SetCaption(LangText(2556));
    TS_Functions->SetCaption(LangText(2557));
    Set_Lang_Device_Page();
    Set_Lang_DALI2_Pages();
}

void TFDALI_Access::FormShow(TObject*) {
    Load_Device_Page();
    Load_DALI2_Pages();
    Do_Copy = false;
    if (ACG_DALI_Device->isVisible()) ACG_DALI_Device->SetFocus();
    PC_DALIChange(PC_DALI);
    for (const TRuleFileProblem* problem : {&Device_Load_Problem, &DALI2_Load_Problem})
        if (!problem->Ok()) MessageDlg(problem->Message, mtError, {mbOK});
}

void TFDALI_Access::PC_DALIChange(TObject*) {
    const bool devices = PC_DALI->ActivePageIndex() == 0;
    Btn_SelectAll->SetVisible(devices);
    Btn_ClearAll->SetVisible(devices);
    Btn_DALI_Maps->SetVisible(false);  // nothing in the program starts the maps export
    for (TLbButton* row_button : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) row_button->SetVisible(!devices);
    Reflow_Buttons();
    Compile_Function();
}

bool TFDALI_Access::Controllo_dati() {
    QChar separator = Get_Decimal_Separator();
    if (separator.isNull()) separator = QLatin1Char(',');
    const std::optional<TDALI2CheckError> error = Check_DALI2_Tables(DALI2_Tables(), separator);
    if (!error) return true;
    // The user lands on the page and the cell the message is about.
    if (error->Table == TDALI2Table::Functions) {
        PC_DALI->SetActivePageIndex(PC_DALI->indexOf(TS_Functions));
        ACG->FocusCell(ACG->DisplColIndex(error->Column), error->Row);
    } else {
        PC_DALI->SetActivePageIndex(PC_DALI->indexOf(TS_Set_Access));
        ASG->FocusCell(ASG->DisplColIndex(error->Column), error->Row);
    }
    MessageDlg(error->Message, mtError, {mbOK});
    return false;
}

void TFDALI_Access::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    for (const TRuleFileProblem* problem : {&Device_Load_Problem, &DALI2_Load_Problem})
        if (!problem->Ok() && MessageDlg(Lost_Rows_Question(*problem), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
    const TDALISaveResult saved = Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, Device_Tables(), DALI2_Tables());
    if (!saved.Ok) {
        MessageDlg(QStringLiteral("The file \"%1\" could not be written. It was left as it was.").arg(saved.Failed_File),
                   mtError, {mbOK});
        return;
    }
    Device_Load_Problem = {};
    DALI2_Load_Problem = {};
    SetModalResult(mrOk);
}
