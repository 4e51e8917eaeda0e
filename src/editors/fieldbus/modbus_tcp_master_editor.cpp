#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "core/text_table.h"

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FModbus_TCP_Master_Set_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() {
    SetCaption(LangText(1100));
    L_SW_Desc->SetCaption(LangText(1101));
}
