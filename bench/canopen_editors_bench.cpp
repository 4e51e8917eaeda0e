// The SDO server object editor with both 500-row tables full: showing the window
// (reading the file into the grids) and OK (checking the tables and writing the file),
// each next to pugixml alone doing the file work of the same step (parsing the file;
// building and saving it); and where the time of a show goes, down to the show over
// empty tables.

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/rule_file_reader.h"
#include "platform/dialogs.h"
#include "pugixml_peers.h"
#include "ratio_reporter.h"
#include "rule_editor_benches.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

constexpr int kRows = 500;

// A configuration folder holding a full SDO_Server_CANopen.xml.
class Full_Configuration : public Bench_Configuration_Folder {
public:
    Full_Configuration() {
        Make_Current();
        Load_Default_Texts();
        SetMessageDialogResponder([](const MessageDialogRequest&) { return mrYes; });
        QByteArray text = "<SDO_Server_CANopen>\n";
        for (const char* list : {"SDO_Read", "SDO_Write"}) {
            text += QByteArray("  <") + list + ">\n";
            for (int r = 0; r < kRows; ++r)
                text += "    <row Index=\"0x" + QByteArray::number(0x2000 + r / 4 + (list[4] == 'W' ? 0x1000 : 0), 16) +
                        "\" SubIndex=\"" + QByteArray::number(r % 4) + "\" NByte=\"4\" Address_B1=\"" +
                        QByteArray::number(r % 1437) + "\" Address_B2=\"" + QByteArray::number(r % 1437 + 1) +
                        "\" Address_B3=\"" + QByteArray::number(r % 1437 + 2) + "\" Address_B4=\"" +
                        QByteArray::number(r % 1437 + 3) + "\" Mnemonic=\"Application variable " +
                        QByteArray::number(r + 1) + "\" />\n";
            text += QByteArray("  </") + list + ">\n";
        }
        text += "</SDO_Server_CANopen>\n<!--SW_VERSION = 1.000-->\n";
        QFile file(File_SDO_Server_CANopen);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
};

void BM_Show_SDO_Server_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFSet_SDO_Server_Access>(state);
}
BENCHMARK(BM_Show_SDO_Server_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Parse_SDO_Server_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Parse(state, {File_SDO_Server_CANopen});
}
BENCHMARK(BM_Pugixml_Parse_SDO_Server_File)->Unit(benchmark::kMillisecond);

void BM_OK_SDO_Server_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    OK_Editor_Repeatedly<TFSet_SDO_Server_Access>(state, &TFSet_SDO_Server_Access::Btn_OK_Click);
}
BENCHMARK(BM_OK_SDO_Server_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Build_And_Save_SDO_Server_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Build_And_Save(state, {File_SDO_Server_CANopen});
}
BENCHMARK(BM_Pugixml_Build_And_Save_SDO_Server_File)->Unit(benchmark::kMillisecond);

// Where the time of a show goes.

void BM_Show_SDO_Server_Editor_Empty(benchmark::State& state) {
    Use_Empty_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFSet_SDO_Server_Access>(state);
}
BENCHMARK(BM_Show_SDO_Server_Editor_Empty)->Unit(benchmark::kMillisecond);

// The product's XML document parsing the file; the rows are read into the grids as they go.
void BM_Read_SDO_Server_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    for (auto _ : state) {
        TXMLDocument document;
        benchmark::DoNotOptimize(Open_Rule_File(document, File_SDO_Server_CANopen));
    }
}
BENCHMARK(BM_Read_SDO_Server_File)->Unit(benchmark::kMillisecond);

void BM_Load_SDO_Server_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Load_Editor_Tables_Repeatedly<TFSet_SDO_Server_Access>(state);
}
BENCHMARK(BM_Load_SDO_Server_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Paint_SDO_Server_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Paint_Editor_Repeatedly<TFSet_SDO_Server_Access>(state);
}
BENCHMARK(BM_Paint_SDO_Server_Editor_Full)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.PrintRatio("BM_Show_SDO_Server_Editor_Full", "BM_Pugixml_Parse_SDO_Server_File",
                            "Showing the SDO server editor with 2 x 500 objects takes %.2f times pugixml parsing its file.\n");
        reporter.PrintRatio("BM_OK_SDO_Server_Editor_Full", "BM_Pugixml_Build_And_Save_SDO_Server_File",
                            "OK on the 2 x 500 objects takes %.2f times pugixml building and saving the file.\n");
        Print_Show_Floor(reporter, "SDO server",
                         {"BM_Show_SDO_Server_Editor_Full", "BM_Show_SDO_Server_Editor_Empty",
                          "BM_Pugixml_Parse_SDO_Server_File", "BM_Read_SDO_Server_File", "BM_Load_SDO_Server_Editor_Full",
                          "BM_Paint_SDO_Server_Editor_Full"});
    });
}
