#include "config/general_parameters_form.h"
#include "app/text_table.h"

TFParGen::TFParGen(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FParGen")) {
    Set_Client_Size(700, 560);
    Set_Lang();
}

void TFParGen::Set_Lang() {
    SetCaption(LangText(400));
    L_SW_Desc->SetCaption(LangText(401));
}
