#pragma once

#include "controls/small_dialog.h"

class TFReceiveCAN : public TSmallDialog {
public:
    explicit TFReceiveCAN(TComponent* AOwner);
    void Set_Lang();
};

inline TFReceiveCAN* FReceiveCAN = nullptr;
