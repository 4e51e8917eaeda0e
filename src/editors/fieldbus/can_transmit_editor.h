#pragma once

#include "controls/small_dialog.h"

class TFTransmitCAN : public TSmallDialog {
public:
    explicit TFTransmitCAN(TComponent* AOwner);
    void Set_Lang();
};

inline TFTransmitCAN* FTransmitCAN = nullptr;
