#include "editors/automation/snmp_manager_editor.h"
#include "core/text_table.h"

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSNMPManagerAccess")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSNMPManagerAccess::Set_Lang() {
    SetCaption(LangText(2700));
    L_SW_Desc->SetCaption(LangText(2701));
}
