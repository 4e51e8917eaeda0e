#pragma once

#include "controls/small_dialog.h"

class TFModbus_TCP_Master_Set_Access : public TSmallDialog {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
