#include "app/software_options_dialog.h"
#include "app/text_table.h"

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSoftOptions")) {
    Set_Client_Size(420, 360);
    Set_Lang();
}

void TFSoftOptions::Set_Lang() {
    SetCaption(LangText(300));
    L_SW_Desc->SetCaption(LangText(301));
}
