// The two rule editors on full tables: showing the window (reading its files into the
// grids) and OK (checking the tables and writing the files), each next to pugixml alone
// doing the file work of the same step (parsing the files; building and saving them);
// and where the time of a show goes, down to the show over empty tables.

#include "config/rule_cell_rules.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/dali_knx/dali2_access_check.h"
#include "editors/dali_knx/dali2_access_file.h"
#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/dali_access_file.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/dali_knx/knx_access_file.h"
#include "platform/dialogs.h"
#include "full_rule_tables.h"
#include "pugixml_peers.h"
#include "ratio_reporter.h"
#include "rule_editor_benches.h"

#include <benchmark/benchmark.h>


namespace {

TDALI2Tables Full_DALI2_Tables() {
    TDALI2Tables tables;
    for (int k = 1; k <= DALI2_Function_Editor_Rows; ++k)
        tables.Functions.push_back({"Set Out", "When Equal to Value", "Short Press", "DALI Channel " + QString::number(k % 64),
                                    QString::number(k % 256), QString::number((k + 1) % 251), "Function " + QString::number(k)});
    for (int r = 0; r < DALI2_Input_Editor_Rows; ++r) {
        const int k = r % DALI2_Function_Editor_Rows + 1;
        const bool sensor = r % 2;
        tables.Set_Access.push_back({"Y", sensor ? "Sensor" : "Device", sensor ? "Push Button" : "Dimmer",
                                     QString::number(r % 64), QString::number(r % 32), QString::number(r % 256), "1000",
                                     "5000", QString::number(k) + " - Function " + QString::number(k), QString::number(r),
                                     sensor ? "2" : "1", "Rule " + QString::number(r + 1)});
    }
    return tables;
}

// A configuration folder holding the full files.
class Full_Configuration : public Bench_Configuration_Folder {
public:
    Full_Configuration() {
        Make_Current();
        Load_Default_Texts();
        SetMessageDialogResponder([](const MessageDialogRequest&) { return mrYes; });
        Save_KNX_Access_File(File_KNX_SetAccess, Full_KNX_Table());
        TDALIDeviceTables devices = Default_DALI_Device_Tables({});
        for (QStringList& device : devices.Devices) device[Dev_Enable] = Flag_On_Text;
        Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, devices, Full_DALI2_Tables());
    }
};

void BM_Show_KNX_Editor_1024(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFKNXAccess>(state);
}
BENCHMARK(BM_Show_KNX_Editor_1024)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Parse_KNX_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Parse(state, {File_KNX_SetAccess});
}
BENCHMARK(BM_Pugixml_Parse_KNX_File)->Unit(benchmark::kMillisecond);

void BM_OK_KNX_Editor_1024(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    OK_Editor_Repeatedly<TFKNXAccess>(state, &TFKNXAccess::Btn_OKClick);
}
BENCHMARK(BM_OK_KNX_Editor_1024)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Build_And_Save_KNX_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Build_And_Save(state, {File_KNX_SetAccess});
}
BENCHMARK(BM_Pugixml_Build_And_Save_KNX_File)->Unit(benchmark::kMillisecond);

void BM_Show_DALI_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFDALI_Access>(state);
}
BENCHMARK(BM_Show_DALI_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Parse_DALI_Files(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Parse(state, {File_DALI_Access, File_DALI2_Access});
}
BENCHMARK(BM_Pugixml_Parse_DALI_Files)->Unit(benchmark::kMillisecond);

void BM_OK_DALI_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    OK_Editor_Repeatedly<TFDALI_Access>(state, &TFDALI_Access::Btn_OKClick);
}
BENCHMARK(BM_OK_DALI_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Build_And_Save_DALI_Files(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Build_And_Save(state, {File_DALI_Access, File_DALI2_Access});
}
BENCHMARK(BM_Pugixml_Build_And_Save_DALI_Files)->Unit(benchmark::kMillisecond);

// Where the time of a show goes.

void BM_Show_KNX_Editor_Empty(benchmark::State& state) {
    Use_Empty_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFKNXAccess>(state);
}
BENCHMARK(BM_Show_KNX_Editor_Empty)->Unit(benchmark::kMillisecond);

void BM_Read_KNX_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    for (auto _ : state) benchmark::DoNotOptimize(Read_KNX_Access_File(File_KNX_SetAccess));
}
BENCHMARK(BM_Read_KNX_File)->Unit(benchmark::kMillisecond);

void BM_Load_KNX_Editor_1024(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Load_Editor_Tables_Repeatedly<TFKNXAccess>(state);
}
BENCHMARK(BM_Load_KNX_Editor_1024)->Unit(benchmark::kMillisecond);

void BM_Paint_KNX_Editor_1024(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Paint_Editor_Repeatedly<TFKNXAccess>(state);
}
BENCHMARK(BM_Paint_KNX_Editor_1024)->Unit(benchmark::kMillisecond);

void BM_Show_DALI_Editor_Empty(benchmark::State& state) {
    Use_Empty_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFDALI_Access>(state);
}
BENCHMARK(BM_Show_DALI_Editor_Empty)->Unit(benchmark::kMillisecond);

void BM_Read_DALI_Files(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Read_DALI_Access_File(File_DALI_Access, Read_DALI_Option_Defaults(File_ParGen)));
        benchmark::DoNotOptimize(Read_DALI2_Access_File(File_DALI2_Access));
    }
}
BENCHMARK(BM_Read_DALI_Files)->Unit(benchmark::kMillisecond);

void BM_Load_DALI_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Load_Editor_Tables_Repeatedly<TFDALI_Access>(state);
}
BENCHMARK(BM_Load_DALI_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Paint_DALI_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Paint_Editor_Repeatedly<TFDALI_Access>(state);
}
BENCHMARK(BM_Paint_DALI_Editor_Full)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.PrintRatio("BM_Show_KNX_Editor_1024", "BM_Pugixml_Parse_KNX_File",
                            "Showing the KNX editor with 1024 rules takes %.2f times pugixml parsing its file.\n");
        reporter.PrintRatio("BM_OK_KNX_Editor_1024", "BM_Pugixml_Build_And_Save_KNX_File",
                            "OK on the 1024 rules takes %.2f times pugixml building and saving the file.\n");
        reporter.PrintRatio("BM_Show_DALI_Editor_Full", "BM_Pugixml_Parse_DALI_Files",
                            "Showing the DALI editor with full tables takes %.2f times pugixml parsing its files.\n");
        reporter.PrintRatio("BM_OK_DALI_Editor_Full", "BM_Pugixml_Build_And_Save_DALI_Files",
                            "OK on the full DALI tables takes %.2f times pugixml building and saving the files.\n");
        Print_Show_Floor(reporter, "KNX",
                         {"BM_Show_KNX_Editor_1024", "BM_Show_KNX_Editor_Empty", "BM_Pugixml_Parse_KNX_File",
                          "BM_Read_KNX_File", "BM_Load_KNX_Editor_1024", "BM_Paint_KNX_Editor_1024"});
        Print_Show_Floor(reporter, "DALI",
                         {"BM_Show_DALI_Editor_Full", "BM_Show_DALI_Editor_Empty", "BM_Pugixml_Parse_DALI_Files",
                          "BM_Read_DALI_Files", "BM_Load_DALI_Editor_Full", "BM_Paint_DALI_Editor_Full"});
    });
}
