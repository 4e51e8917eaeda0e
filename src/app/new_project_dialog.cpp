#include "app/new_project_dialog.h"
#include "app/text_table.h"

TFNew_Project::TFNew_Project(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FNew_Project")) {
    Set_Client_Size(331, 162);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    SetCaption(LangText(100));
    L_SW_Desc->SetCaption(LangText(101));
}
