#pragma once
// Creates a new configuration: asks for its name, makes its folder and makes it current.

#include "controls/small_dialog.h"

class TFNew_Project : public TSmallDialog {
public:
    explicit TFNew_Project(TComponent* AOwner);

    TLabel* Label1;
    TEdit* E_New_Proj;

    void Set_Lang();
    void Btn_OKClick(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);

protected:
    void FormShow(TObject* Sender) override;
};

inline TFNew_Project* FNew_Project = nullptr;
