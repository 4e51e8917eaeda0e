#pragma once
// What the three CANopen rule editors (PDOs, SDO client requests, SDO server objects)
// share: two tables on two pages, reloaded from the window's rule file on show, checked
// on OK and written back. The files are read strictly: every list and every attribute
// must be there, and a file the tables cannot show whole is reported and asked about
// before it is replaced. Each window gives its tables, checks, texts and file.

#include "editors/dali_knx/rule_table_file.h"
#include "editors/fieldbus/canopen_rule_check.h"
#include "editors/rule_editor/rule_editor_window.h"
#include "platform/string_list.h"

#include <array>

class TExColumnGrid;
class TPageControl;
class TTabSheet;
struct TRuleTable;

struct TCANopenForm {
    const char* Name;
    int Client_Width;
    int Rows;
    std::array<const TRuleTable*, 2> Tables;
    std::array<TCANopenTableCheck, 2> Checks;
    std::array<const char*, 2> Page_Names;
    const char* Root;
    const QString* File;
    // Text numbers: the caption, then the description, the six button captions, their six
    // hints and the two page captions in this order.
    int Caption_Text;
    int Error_Row_Text;
    int Delete_Text;
};

class TCANopenRuleEditor : public TRuleEditorWindow {
public:
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TPageControl* PageControl1;
    TExColumnGrid* sga;
    TExColumnGrid* sgb;
    int PROFINET_NByte_IN = 0;
    int PROFINET_NByte_OUT = 0;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OK_Click(TObject* Sender);
    // A click in column 0 selects that row of the grid.
    void ClickCell(TObject* Sender, int ARow, int ACol);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);
    // Header cells take their hint from the list of the active page.
    void GridHint(TObject* Sender, int ARow, int ACol, QString& hintstr);

protected:
    TCANopenRuleEditor(TComponent* AOwner, const TCANopenForm& form);
    void FormShow(TObject* Sender) override;

    std::array<TTabSheet*, 2> Pages{};
    // Header hints of each table, entry c - 1 for column c.
    std::array<TStringList, 2> Hints;
    // A row of that table was copied to the row clipboard last.
    std::array<bool, 2> Copied{};

private:
    TExColumnGrid* Build_Table(TTabSheet* page, const char* name, const TRuleTable& table);
    int Active() const;
    TExColumnGrid& Active_Table() const;

    const TCANopenForm& Form;
    TRuleFileProblem Load_Problem;
};

// The SDO client and server windows name their pages, hint lists and copy flags alike
// (the server's hint lists keep the client's names).
class TSDORuleEditor : public TCANopenRuleEditor {
public:
    TTabSheet*& TS_SDO_Read = Pages[0];
    TTabSheet*& TS_SDO_Write = Pages[1];
    TStringList& Hint_SDO_Client_Read = Hints[0];
    TStringList& Hint_SDO_Client_Write = Hints[1];
    bool& Do_Copy_SDO_Read = Copied[0];
    bool& Do_Copy_SDO_Write = Copied[1];

protected:
    using TCANopenRuleEditor::TCANopenRuleEditor;
};
