#pragma once

#include "app/small_dialog.h"

class TFSoftOptions : public TSmallDialog {
public:
    explicit TFSoftOptions(TComponent* AOwner);
    void Set_Lang();
};

inline TFSoftOptions* FSoftOptions = nullptr;
