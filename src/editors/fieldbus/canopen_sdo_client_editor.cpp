#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "core/text_table.h"

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSet_SDO_Client_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSet_SDO_Client_Access::Set_Lang() {
    SetCaption(LangText(2300));
    L_SW_Desc->SetCaption(LangText(2301));
}
