#include "editors/automation/bacnet_access_editor.h"
#include "core/text_table.h"

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FBACnetAccess")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFBACnetAccess::Set_Lang() {
    SetCaption(LangText(1400));
    L_SW_Desc->SetCaption(LangText(1401));
}
