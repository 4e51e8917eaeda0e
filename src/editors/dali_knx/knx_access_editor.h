#pragma once

#include "controls/small_dialog.h"

class TFKNXAccess : public TSmallDialog {
public:
    explicit TFKNXAccess(TComponent* AOwner);
    void Set_Lang();
};

inline TFKNXAccess* FKNXAccess = nullptr;
