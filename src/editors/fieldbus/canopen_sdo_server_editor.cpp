#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "core/text_table.h"

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSet_SDO_Server_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSet_SDO_Server_Access::Set_Lang() {
    SetCaption(LangText(2400));
    L_SW_Desc->SetCaption(LangText(2401));
}
