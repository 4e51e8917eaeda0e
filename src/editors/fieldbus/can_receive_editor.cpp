#include "editors/fieldbus/can_receive_editor.h"
#include "core/text_table.h"

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FReceiveCAN")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFReceiveCAN::Set_Lang() {
    SetCaption(LangText(2000));
    L_SW_Desc->SetCaption(LangText(2001));
}
