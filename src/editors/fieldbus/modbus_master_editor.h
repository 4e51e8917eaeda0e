#pragma once
// What the two Modbus master rule editors (TCP and serial line) share: a read table and
// a write table on two pages, each reloaded from the window's rule file on show,
// checked on OK and written back. Each window gives its tables, texts and file.

#include "editors/dali_knx/rule_table_file.h"
#include "editors/fieldbus/modbus_master_check.h"
#include "editors/rule_editor/rule_editor_window.h"

class TExColumnGrid;
class TPageControl;
class TTabSheet;
struct TRuleTable;

struct TModbusMasterForm {
    const char* Name;
    int Client_Width;
    const TRuleTable* Read;
    const TRuleTable* Write;
    TModbusMasterLayout Check;
    const char* Root;
    const char* Version;        // the comment after the root; none when null
    bool Constant_Write_Flags;  // the write rows' OnChange and OnCMD are written "N" whatever the cells hold
    const QString* File;
    // Text numbers: caption (the description is the next), the first button (OK; the
    // others follow, Copy and Paste only when Copy_Paste_Texts), the read page (the
    // write page is the next), the delete question.
    int Caption_Text;
    int Button_Text;
    bool Copy_Paste_Texts;
    int Page_Text;
    int Delete_Text;
};

class TModbusMasterEditor : public TRuleEditorWindow {
public:
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TPageControl* PageControl1;
    TTabSheet* TS_Modbus_Read;
    TTabSheet* TS_Modbus_Write;
    TExColumnGrid* ACG_Modbus_Read;
    TExColumnGrid* ACG_Modbus_Write;
    int NByte_IN = 0;
    int NByte_OUT = 0;
    bool Do_Copy_In_Read = false;
    bool Do_Copy_In_Write = false;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    // A click in column 0 selects that row of the grid.
    void ClickCell(TObject* Sender, int ARow, int ACol);

protected:
    TModbusMasterEditor(TComponent* AOwner, const TModbusMasterForm& form);
    void FormShow(TObject* Sender) override;

private:
    TExColumnGrid* Build_Table(TTabSheet* page, const char* name, const TRuleTable& table);
    TExColumnGrid& Active_Table() const;
    bool& Active_Copy_Flag();

    const TModbusMasterForm& Form;
    TRuleFileProblem Load_Problem;
};
