#pragma once

#include "app/small_dialog.h"

class TFOpenConf : public TSmallDialog {
public:
    explicit TFOpenConf(TComponent* AOwner);
    void Set_Lang();

    // The chosen configuration; it keeps its value between showings.
    QString Name_Conf;
};

inline TFOpenConf* FOpenConf = nullptr;
