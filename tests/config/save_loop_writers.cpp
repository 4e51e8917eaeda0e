#include "save_loop_writers.h"

#include "config/configuration_compiler.h"
#include "config/general_parameters_file.h"
#include "config/updater_job_file.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "platform/file_system.h"
#include "platform/xml_document.h"

#include <algorithm>

namespace {

// The second version is much longer, so a kill lands inside its write often.
QString Text_Of(int version, const char* first) {
    return version == 0 ? QString::fromLatin1(first) : QString(200000, u'x');
}

bool Save_Settings(int version) {
    Project_Name = Text_Of(version, "Alpha");
    TXMLDocument xml;
    return Write_Settings(xml);
}

bool Save_ParGen(int version) {
    TGeneralParameters parameters;
    parameters.KNX_ID_DEV = Text_Of(version, "1.1.200");
    TXMLDocument xml;
    return Save_General_Parameters(xml, parameters, File_ParGen);
}

bool Save_Bank(int version) {
    std::fill(Bank_Buffer.begin(), Bank_Buffer.end(), std::uint8_t(version == 0 ? 0xA5 : 0x5A));
    Bank_Length = version == 0 ? Bank_Image_Size : Bank_Buffer_Size;
    return Write_Bank_File().Ok;
}

bool Save_Job(int version) {
    TXMLDocument xml;
    return Save_Updater_Job_File(xml, {Text_Of(version, "192.168.2.205"), uoFirmwareAndConfiguration, version == 0});
}

}  // namespace

const std::vector<TSaveLoopWriter>& Save_Loop_Writers() {
    static const std::vector<TSaveLoopWriter> writers = {
        {"settings", Settings_File_Path, Save_Settings},
        {"general_parameters", [] { return File_ParGen; }, Save_ParGen},
        {"bank_image", Bank_File_Path, Save_Bank},
        {"updater_job", Updater_Job_File_Path, Save_Job},
    };
    return writers;
}

void Prepare_Save_Loop_Folder(const QString& programFolder) {
    Reset_Program_State();
    Set_Program_Folders(programFolder);
    Project_Name = QStringLiteral("Plant");
    Project_Folder = PathJoin(Dir_Projects, Project_Name);
    Build_Configuration_Paths();
    ForceDirectories(PathJoin(Project_Folder, QStringLiteral("bin")));
}
