#include "app/new_project_dialog.h"

#include "core/configuration_folders.h"
#include "core/text_table.h"
#include "platform/dialogs.h"

TFNew_Project::TFNew_Project(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FNew_Project")) {
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetLeft(16);
    Label1->SetTop(70);

    E_New_Proj = new TEdit(this);
    E_New_Proj->SetName(QStringLiteral("E_New_Proj"));
    E_New_Proj->SetBounds(16, 94, 297, 21);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->OnKeyPress = [this](TObject* sender, QChar& key) { E_New_ProjKeyPress(sender, key); };

    // OK closes only once the name was accepted, so it has no modal result of its own.
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };

    Set_Client_Size(331, 162);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    SetCaption(LangText(100));
    L_SW_Desc->SetCaption(LangText(101));
    Label1->SetCaption(LangText(102));
    Btn_OK->SetCaption(LangText(103));
    Btn_OK->SetHint(LangText(109));
    Btn_Cancel->SetCaption(LangText(104));
    Btn_Cancel->SetHint(LangText(110));
    E_New_Proj->SetHint(LangText(108));
}

void TFNew_Project::FormShow(TObject*) {
    E_New_Proj->SetText(QString());
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject*, QChar& Key) {
    if (Key != QChar(13)) return;
    Key = QChar();
    Btn_OKClick(E_New_Proj);
}

void TFNew_Project::Btn_OKClick(TObject*) {
    switch (Create_New_Configuration(E_New_Proj->Text())) {
    case TNewConfigurationError::None:
        SetModalResult(mrOk);
        return;
    case TNewConfigurationError::EmptyName:
        ShowErrorMessage(LangText(107));
        return;
    case TNewConfigurationError::AlreadyExists:
        ShowErrorMessage(LangText(106));
        return;
    case TNewConfigurationError::InvalidName:
        ShowErrorMessage(LangText(105));
        return;
    }
}
