// The BACnet client editor with both 512-row tables full: showing the window (reading the
// file into the grids) and OK (checking the tables and writing the file), each next to
// pugixml alone doing the file work of the same step; and reading a 16 MiB EDE file next
// to QString::split cutting the same decoded text into lines and fields; and where the
// time of a show goes, down to the show over empty tables.

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/ede_file_parser.h"
#include "editors/rule_file_reader.h"
#include "platform/dialogs.h"
#include "pugixml_peers.h"
#include "ratio_reporter.h"
#include "rule_editor_benches.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

constexpr int kRows = 512;

void Write_File(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// The general parameters of both folders: BACnet type 0.
void Write_Parameters() { Write_File(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>"); }

// A configuration folder holding a full BACnet_Master_Access.xml.
class Full_Configuration : public Bench_Configuration_Folder {
public:
    Full_Configuration() {
        Make_Current();
        Load_Default_Texts();
        SetMessageDialogResponder([](const MessageDialogRequest&) { return mrYes; });
        Write_Parameters();
        QByteArray text = "<BACnet_Master_Access>\n  <BACnet_Read>\n";
        for (int r = 0; r < kRows; ++r)
            text += "    <row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.0." + QByteArray::number(20 + r % 200) +
                    "\" Object_Type=\"Analog Value\" Instance=\"" + QByteArray::number(r) +
                    "\" Property=\"Present Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" "
                    "Destination_Length=\"\" Destination_Address=\"\" PollTime=\"1000\" MaxError=\"3\" Position=\"Device " +
                    QByteArray::number(r % 64) + "\" StartBit=\"\" Swap=\"N\" ConvertFrom=\"None\" Mnemonic=\"Room " +
                    QByteArray::number(r + 1) + "\" />\n";
        text += "  </BACnet_Read>\n  <BACnet_Write>\n";
        for (int r = 0; r < kRows; ++r)
            text += "    <row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.1." + QByteArray::number(20 + r % 200) +
                    "\" Object_Type=\"Analog Value\" Data_Type=\"Real\" Instance=\"" + QByteArray::number(r) +
                    "\" Property=\"Present Value (85)\" Priority=\"8\" NumByte=\"4\" Enable_Destination=\"N\" "
                    "Destination_Network=\"\" Destination_Length=\"\" Destination_Address=\"\" OnChange=\"Y\" OnTimer=\"N\" "
                    "PollTime=\"\" MaxError=\"3\" Position=\"Device " + QByteArray::number(r % 64) +
                    "\" StartBit=\"\" Swap=\"N\" ConvertFrom=\"None\" Mnemonic=\"Valve " + QByteArray::number(r + 1) + "\" />\n";
        text += "  </BACnet_Write>\n</BACnet_Master_Access>\n<!--SW_VERSION = 1.000-->\n";
        Write_File(File_BACnet_Master_Access, text);
    }
};

// A configuration folder with the same parameters and no rule file: empty tables.
class Empty_Configuration : public Bench_Configuration_Folder {
public:
    Empty_Configuration() {
        Make_Current();
        Write_Parameters();
    }
};

void BM_Show_BACnet_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Show_Editor_Repeatedly<TFBACnetAccess>(state);
}
BENCHMARK(BM_Show_BACnet_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Parse_BACnet_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Parse(state, {File_BACnet_Master_Access});
}
BENCHMARK(BM_Pugixml_Parse_BACnet_File)->Unit(benchmark::kMillisecond);

void BM_OK_BACnet_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    OK_Editor_Repeatedly<TFBACnetAccess>(state, &TFBACnetAccess::Btn_OKClick);
}
BENCHMARK(BM_OK_BACnet_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Pugixml_Build_And_Save_BACnet_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Pugixml_Build_And_Save(state, {File_BACnet_Master_Access});
}
BENCHMARK(BM_Pugixml_Build_And_Save_BACnet_File)->Unit(benchmark::kMillisecond);

// Where the time of a show goes.

void BM_Show_BACnet_Editor_Empty(benchmark::State& state) {
    Use_Empty_Configuration<Full_Configuration, Empty_Configuration>();
    Show_Editor_Repeatedly<TFBACnetAccess>(state);
}
BENCHMARK(BM_Show_BACnet_Editor_Empty)->Unit(benchmark::kMillisecond);

// The product's XML document parsing the file; the rows are read into the grids as they go.
void BM_Read_BACnet_File(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    for (auto _ : state) {
        TXMLDocument document;
        benchmark::DoNotOptimize(Open_Rule_File(document, File_BACnet_Master_Access));
    }
}
BENCHMARK(BM_Read_BACnet_File)->Unit(benchmark::kMillisecond);

void BM_Load_BACnet_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Load_Editor_Tables_Repeatedly<TFBACnetAccess>(state);
}
BENCHMARK(BM_Load_BACnet_Editor_Full)->Unit(benchmark::kMillisecond);

void BM_Paint_BACnet_Editor_Full(benchmark::State& state) {
    Use_Full_Configuration<Full_Configuration>();
    Paint_Editor_Repeatedly<TFBACnetAccess>(state);
}
BENCHMARK(BM_Paint_BACnet_Editor_Full)->Unit(benchmark::kMillisecond);

// An EDE file just under the size limit: the usual head, then objects of usable and
// unusable types.
const QByteArray& Large_EDE_File() {
    static const QByteArray bytes = [] {
        QByteArray text =
            "#Engineering-Data-Exchange - B.I.G.-EU\r\nPROJECT_NAME;Plant\r\nVERSION_OF_REFERENCEFILE;1\r\n"
            "TIMESTAMP_OF_LAST_CHANGE;2024-05-02\r\nAUTHOR_OF_LAST_CHANGE;tester\r\nVERSION_OF_LAYOUT;2.2\r\n"
            "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;optional;optional;optional;optional;"
            "optional;optional;optional;optional;optional\r\n"
            "# keyname;device obj.-instance;object-name;object-type;object-instance;description;present-value-default;"
            "min-present-value;max-present-value;settable;supports COV;hi-limit;low-limit;state-text-reference;unit-code;"
            "vendor-specific-address\r\n";
        for (int r = 0; text.size() < Max_EDE_File_Size - 200; ++r)
            text += "Plant_Object_" + QByteArray::number(r) + ";1001;Object " + QByteArray::number(r) + ";" +
                    QByteArray::number(r % 7 == 6 ? 8 : r % 5) + ";" + QByteArray::number(r) +
                    ";Floor point;0;0;100;" + (r % 2 ? "Y" : "N") + ";N;;;;62;\r\n";
        return text;
    }();
    return bytes;
}

void BM_Parse_EDE_File_16MiB(benchmark::State& state) {
    const QByteArray& bytes = Large_EDE_File();
    for (auto _ : state) benchmark::DoNotOptimize(Parse_EDE_File(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Parse_EDE_File_16MiB)->Unit(benchmark::kMillisecond);

void BM_QString_Split_EDE_File_16MiB(benchmark::State& state) {
    const QString text = QString::fromUtf8(Large_EDE_File());
    for (auto _ : state) {
        qsizetype fields = 0;
        for (const QString& line : text.split(QStringLiteral("\r\n"))) fields += line.split(u';').size();
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * Large_EDE_File().size());
}
BENCHMARK(BM_QString_Split_EDE_File_16MiB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.PrintRatio("BM_Show_BACnet_Editor_Full", "BM_Pugixml_Parse_BACnet_File",
                            "Showing the BACnet editor with 2 x 512 rules takes %.2f times pugixml parsing its file.\n");
        reporter.PrintRatio("BM_OK_BACnet_Editor_Full", "BM_Pugixml_Build_And_Save_BACnet_File",
                            "OK on the 2 x 512 rules takes %.2f times pugixml building and saving the file.\n");
        Print_Show_Floor(reporter, "BACnet",
                         {"BM_Show_BACnet_Editor_Full", "BM_Show_BACnet_Editor_Empty", "BM_Pugixml_Parse_BACnet_File",
                          "BM_Read_BACnet_File", "BM_Load_BACnet_Editor_Full", "BM_Paint_BACnet_Editor_Full"});
        reporter.PrintRatio("BM_Parse_EDE_File_16MiB", "BM_QString_Split_EDE_File_16MiB",
                            "Reading a 16 MiB EDE file takes %.2f times QString::split cutting it into lines and fields.\n");
    });
}
