#include "editors/dali_knx/knx_access_editor.h"
#include "core/text_table.h"

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FKNXAccess")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFKNXAccess::Set_Lang() {
    SetCaption(LangText(2600));
    L_SW_Desc->SetCaption(LangText(2601));
}
