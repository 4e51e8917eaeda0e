#pragma once

#include "app/small_dialog.h"

class TFBoot : public TSmallDialog {
public:
    explicit TFBoot(TComponent* AOwner);
    void Set_Lang();

    // 1: update by Ethernet (UDP); 0: by serial line.
    int Form_Type = 1;

protected:
    void FormShow(TObject* Sender) override;
};

inline TFBoot* FBoot = nullptr;
