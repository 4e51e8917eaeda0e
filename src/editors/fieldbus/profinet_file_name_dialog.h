#pragma once
// Asks for the user part of the GSDML file name between its two fixed parts. The
// trailing part carries the date the dialog was created (at program start) and keeps
// it for the whole run.

#include "controls/small_dialog.h"

class TFProfinetFileName : public TSmallDialog {
public:
    explicit TFProfinetFileName(TComponent* AOwner);

    QString Name_File_XML;  // the composed name, without folder, set by OK

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* L_XML_Fix1;
    TEdit* E_XML_User;
    TLabel* L_XML_Fix2;

    void Set_Lang();
    void Btn_OKClick(TObject* Sender);
};

inline TFProfinetFileName* FProfinetFileName = nullptr;
