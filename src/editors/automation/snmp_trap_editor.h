#pragma once

#include "controls/small_dialog.h"

class TFSNMP_Trap_Access : public TSmallDialog {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);
    void Set_Lang();
};

inline TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
