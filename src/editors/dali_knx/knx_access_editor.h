#pragma once
// The KNX rule editor: up to 1024 rules that tie a KNX address to a place in the
// converter's data area. OK checks the enabled rules and rewrites KNX_SetAccess.xml.

#include "controls/small_dialog.h"
#include "editors/dali_knx/rule_table_file.h"
#include "platform/string_list.h"

class TExColumnGrid;

class TFKNXAccess : public TSmallDialog {
public:
    explicit TFKNXAccess(TComponent* AOwner);

    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TExColumnGrid* ACG_KNX_in_Write;
    // Header hints, entry c - 1 for column c.
    TStringList Hint;
    int Max_Num_Byte = 0;
    // A row of this table was copied since the window was shown.
    bool Do_Copy_In_Write = false;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    // Moves the rows below Num_Row up by one and empties the last row (its Enable too).
    static void Delete_Row(int Num_Row, TExColumnGrid* SGA);
    // The rule table as cell texts, grid rows 1 ... 1024, columns 1 ... 18.
    TCellTable Rules() const;

protected:
    void FormShow(TObject* Sender) override;

private:
    void Build_Grid();
    void Load_Rules();
    // The grid's current data row, or 0 when the current cell is in the header.
    int Current_Data_Row() const;

    // What loading could not show; OK asks before replacing such a file.
    TRuleFileProblem Load_Problem;
};

inline TFKNXAccess* FKNXAccess = nullptr;
