#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "core/text_table.h"

TFSetAccess::TFSetAccess(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSetAccess")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSetAccess::Set_Lang() {
    SetCaption(LangText(1700));
    L_SW_Desc->SetCaption(LangText(1701));
}
