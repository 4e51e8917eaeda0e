#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "core/text_table.h"

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FProfinetFileName")) {
    Set_Client_Size(377, 200);
    Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
    SetCaption(LangText(1000));
    L_SW_Desc->SetCaption(LangText(1001));
}
