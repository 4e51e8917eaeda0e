#include "editors/automation/snmp_mib_save.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/snmp_mib_module.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

void Save_MIB_File(TSaveDialog* SaveMIB) {
    SaveMIB->InitialDir = Project_Folder;
    if (!SaveMIB->Execute()) return;
    const QString fileName = SaveMIB->FileName;
    if (FileExists(fileName)) {
        // The built-in text 905 is a blank; an empty question would leave the user guessing.
        const QString question = LangText(905).trimmed().isEmpty() ? LangText(1011) : LangText(905);
        if (!AskYesNo(question)) return;
    }
    QString problem = Load_SNMP_Trap_Vars();
    if (problem.isEmpty()) problem = Build_MIB_File(fileName);
    if (!problem.isEmpty()) ShowErrorMessage(problem);
}
