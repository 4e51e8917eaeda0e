#include "editors/automation/ede_import_dialog.h"
#include "core/text_table.h"

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FImportEDEFile")) {
    Set_Client_Size(900, 600);
    Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
    SetCaption(LangText(1600));
    L_SW_Desc->SetCaption(LangText(1601));
}
