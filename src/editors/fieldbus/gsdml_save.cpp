#include "editors/fieldbus/gsdml_save.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/fieldbus/gsdml_export.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

void Save_GSDML_File(const QString& name) {
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = Project_Folder;
    dialog.Filter = QStringLiteral("PROFINET XML (*.xml)|") + name;
    dialog.FileName = name;
    if (!dialog.Execute()) return;
    const QString target = PathJoin(ExtractFilePath(dialog.FileName), name);
    if (FileExists(target) && !AskYesNo(LangText(1011))) return;
    const QString problem = Write_GSDML_File(target);
    if (!problem.isEmpty()) ShowErrorMessage(problem);
}
