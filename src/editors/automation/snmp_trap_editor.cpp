#include "editors/automation/snmp_trap_editor.h"
#include "core/text_table.h"

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSNMP_Trap_Access")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFSNMP_Trap_Access::Set_Lang() {
    SetCaption(LangText(1900));
    L_SW_Desc->SetCaption(LangText(1901));
}
