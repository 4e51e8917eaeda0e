#pragma once

#include "controls/small_dialog.h"

class TFDMXDefVal : public TSmallDialog {
public:
    explicit TFDMXDefVal(TComponent* AOwner);
    void Set_Lang();
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
