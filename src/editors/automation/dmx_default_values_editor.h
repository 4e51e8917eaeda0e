#pragma once
// The DMX default values editor: one default value (0 to 255) and a mnemonic per DMX
// channel, as many channels as the general parameters name, kept in
// DMX_Default_Values.xml.

#include "editors/rule_editor/rule_editor_window.h"

class TExColumnGrid;

class TFDMXDefVal : public TRuleEditorWindow {
public:
    explicit TFDMXDefVal(TComponent* AOwner);

    TExColumnGrid* ACG_DMX_Def_Val;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    // The channels the table shows: DMX_Num_Channels of the general parameters; 512, a
    // DMX line's channels, when missing, not a number, below 1 or above 512.
    static int Channel_Count();
    static constexpr int Max_DMX_Channels = 512;
    // What the last show could not read; OK asks before saving over it.
    TRuleFileProblem Load_Problem;

protected:
    void FormShow(TObject* Sender) override;
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
