#pragma once

#include "app/small_dialog.h"

// The About box keeps fixed texts; a language change does not touch it.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    TLabel* Label1;
    TLabel* Label2;
    TLbButton* LbButton1;
};

inline TFAbout* FAbout = nullptr;
