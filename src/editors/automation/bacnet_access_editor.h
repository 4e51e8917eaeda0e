#pragma once

#include "controls/small_dialog.h"

class TFBACnetAccess : public TSmallDialog {
public:
    explicit TFBACnetAccess(TComponent* AOwner);
    void Set_Lang();
};

inline TFBACnetAccess* FBACnetAccess = nullptr;
