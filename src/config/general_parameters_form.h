#pragma once

#include "app/small_dialog.h"

class TFParGen : public TSmallDialog {
public:
    explicit TFParGen(TComponent* AOwner);
    void Set_Lang();
};

inline TFParGen* FParGen = nullptr;
