#include "editors/fieldbus/canopen_pdo_editor.h"
#include "core/text_table.h"

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSet_PDO_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSet_PDO_Access::Set_Lang() {
    SetCaption(LangText(2200));
    L_SW_Desc->SetCaption(LangText(2201));
}
