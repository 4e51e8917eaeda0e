#include "editors/fieldbus/can_transmit_editor.h"
#include "core/text_table.h"

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FTransmitCAN")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFTransmitCAN::Set_Lang() {
    SetCaption(LangText(2100));
    L_SW_Desc->SetCaption(LangText(2101));
}
