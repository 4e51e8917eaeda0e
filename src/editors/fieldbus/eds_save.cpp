#include "editors/fieldbus/eds_save.h"
#include "core/program_state.h"
#include "editors/fieldbus/eds_export.h"
#include "platform/dialogs.h"

void Build_EDS_File(TSaveDialog* SaveEDS) {
    SaveEDS->InitialDir = Project_Folder;
    if (!SaveEDS->Execute()) return;
    const QString problem = Write_EDS_File(SaveEDS->FileName);
    if (!problem.isEmpty()) ShowErrorMessage(problem);
}
