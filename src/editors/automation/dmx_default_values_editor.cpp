#include "editors/automation/dmx_default_values_editor.h"
#include "core/text_table.h"

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FDMXDefVal")) {
    Set_Client_Size(600, 600);
    Set_Lang();
}

void TFDMXDefVal::Set_Lang() {
    SetCaption(LangText(1300));
    L_SW_Desc->SetCaption(LangText(1301));
}
