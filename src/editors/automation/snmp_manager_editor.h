#pragma once

#include "controls/small_dialog.h"

class TFSNMPManagerAccess : public TSmallDialog {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner);
    void Set_Lang();
};

inline TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;
