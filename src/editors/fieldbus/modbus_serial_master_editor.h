#pragma once

#include "controls/small_dialog.h"

class TFSetAccess : public TSmallDialog {
public:
    explicit TFSetAccess(TComponent* AOwner);
    void Set_Lang();
};

inline TFSetAccess* FSetAccess = nullptr;
