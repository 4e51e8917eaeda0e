#include "config/device_update_dialog.h"
#include "app/text_table.h"

TFBoot::TFBoot(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FBoot")) {
    Set_Client_Size(480, 360);
    Set_Lang();
}

void TFBoot::Set_Lang() {
    if (Form_Type == 1) SetCaption(LangText(802));
    else if (Form_Type == 0) SetCaption(LangText(800));
}

void TFBoot::FormShow(TObject*) { Set_Lang(); }
