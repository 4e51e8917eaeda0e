#pragma once
// What the two CAN frame rule editors (received and sent frames) share: one table of up
// to 512 frames, reloaded from the window's rule file on show, its enabled rows checked
// on OK and written back. Each window gives its table, texts and file.

#include "editors/dali_knx/rule_table_file.h"
#include "editors/fieldbus/can_frame_check.h"
#include "editors/rule_editor/rule_editor_window.h"
#include "platform/string_list.h"

#include <span>

class TExColumnGrid;
struct TRuleTable;

struct TCANFrameForm {
    const char* Name;
    const char* Grid_Name;
    int Client_Width;
    const TRuleTable* Table;
    TCANFrameLayout Check;
    const char* Root;
    const QString* File;
    int Caption_Text;             // the description is the next, the six buttons the six after
    int Button_Hint_Text;         // the six buttons' hints in their order
    int Delete_Text;
};

class TCANFrameEditor : public TRuleEditorWindow {
public:
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    int MAX_Byte = 0;
    bool Do_Copy = false;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);

protected:
    TCANFrameEditor(TComponent* AOwner, const TCANFrameForm& form);
    void FormShow(TObject* Sender) override;

    TExColumnGrid* Grid;
    // Header hints, entry c - 1 for column c.
    TStringList Hint;

private:
    const TCANFrameForm& Form;
    TRuleFileProblem Load_Problem;
};
