#pragma once

#include "controls/small_dialog.h"

class TFDALI_Access : public TSmallDialog {
public:
    explicit TFDALI_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFDALI_Access* FDALI_Access = nullptr;
