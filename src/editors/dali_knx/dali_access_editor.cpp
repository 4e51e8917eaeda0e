#include "editors/dali_knx/dali_access_editor.h"
#include "core/text_table.h"

TFDALI_Access::TFDALI_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FDALI_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFDALI_Access::Set_Lang() {
    SetCaption(LangText(600));
    L_SW_Desc->SetCaption(LangText(601));
}
