#pragma once

#include "controls/small_dialog.h"

class TFImportEDEFile : public TSmallDialog {
public:
    explicit TFImportEDEFile(TComponent* AOwner);
    void Set_Lang();
};

inline TFImportEDEFile* FImportEDEFile = nullptr;
