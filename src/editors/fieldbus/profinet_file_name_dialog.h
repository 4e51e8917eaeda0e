#pragma once

#include "controls/small_dialog.h"

class TFProfinetFileName : public TSmallDialog {
public:
    explicit TFProfinetFileName(TComponent* AOwner);
    void Set_Lang();
};

inline TFProfinetFileName* FProfinetFileName = nullptr;
