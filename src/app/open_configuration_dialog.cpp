#include "app/open_configuration_dialog.h"
#include "app/text_table.h"

TFOpenConf::TFOpenConf(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FOpenConf")) {
    Set_Client_Size(377, 351);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    SetCaption(LangText(200));
    L_SW_Desc->SetCaption(LangText(201));
}
