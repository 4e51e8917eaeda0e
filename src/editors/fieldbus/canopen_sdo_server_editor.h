#pragma once

#include "controls/small_dialog.h"

class TFSet_SDO_Server_Access : public TSmallDialog {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
