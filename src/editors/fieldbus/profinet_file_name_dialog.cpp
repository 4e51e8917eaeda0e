#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "controls/window_look.h"
#include "core/text_table.h"
#include "editors/fieldbus/gsdml_file_name.h"
#include "platform/dialogs.h"
#include "platform/wall_clock.h"

namespace {

TLabel* Make_Label(TForm* form, const char* name, int left, int top) {
    TLabel* label = new TLabel(form);
    label->SetName(QLatin1String(name));
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

}  // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FProfinetFileName")) {
    SetColor(Window_Color);
    Label1 = Make_Label(this, "Label1", 16, 70);
    Label2 = Make_Label(this, "Label2", 16, 107);
    Label4 = Make_Label(this, "Label4", 179, 107);
    Label5 = Make_Label(this, "Label5", 447, 107);
    L_XML_Fix1 = Make_Label(this, "L_XML_Fix1", 16, 126);
    L_XML_Fix1->SetCaption(GSDML_Name_Leading_Part);
    L_XML_Fix2 = Make_Label(this, "L_XML_Fix2", 447, 126);
    L_XML_Fix2->SetCaption(GSDML_Name_Trailing_Part(Now().date()));

    E_XML_User = new TEdit(this);
    E_XML_User->SetName(QStringLiteral("E_XML_User"));
    E_XML_User->SetBounds(179, 123, 267, 21);
    E_XML_User->SetShowHint(true);

    Btn_OK->SetShowHint(true);
    Btn_Cancel->SetShowHint(true);
    // OK closes only once the name was accepted, so it has no modal result of its own.
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };

    Set_Client_Size(540, 205);
    Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
    SetCaption(LangText(1000));
    L_SW_Desc->SetCaption(LangText(1001));
    Btn_OK->SetCaption(LangText(1002));
    Btn_Cancel->SetCaption(LangText(1003));
    Label1->SetCaption(LangText(1004));
    Label2->SetCaption(LangText(1005));
    Label4->SetCaption(LangText(1006));
    Label5->SetCaption(LangText(1007));
    E_XML_User->SetHint(LangText(1008));
    Btn_OK->SetHint(LangText(1009));
    Btn_Cancel->SetHint(LangText(1010));
}

void TFProfinetFileName::Btn_OKClick(TObject*) {
    const QString userPart = E_XML_User->Text();
    // The name must stay one file inside the folder the save dialog chooses.
    if (!Is_GSDML_User_Part_Allowed(userPart)) {
        ShowErrorMessage(QStringLiteral("The user part of the file name may not hold \"/\", \"\\\" or control "
                                        "characters."));
        return;
    }
    Name_File_XML = Compose_GSDML_File_Name(userPart, L_XML_Fix2->Caption());
    SetModalResult(mrOk);
}
