#pragma once

#include "controls/small_dialog.h"

class TFSet_PDO_Access : public TSmallDialog {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFSet_PDO_Access* FSet_PDO_Access = nullptr;
