#pragma once

#include "app/small_dialog.h"

class TFNew_Project : public TSmallDialog {
public:
    explicit TFNew_Project(TComponent* AOwner);
    void Set_Lang();
};

inline TFNew_Project* FNew_Project = nullptr;
