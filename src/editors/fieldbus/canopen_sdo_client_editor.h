#pragma once

#include "controls/small_dialog.h"

class TFSet_SDO_Client_Access : public TSmallDialog {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
