// Compiling a configuration whose every table is full, next to pugixml alone parsing
// the same four files: the compiler's own work is the difference. Beside them, what the
// full well-formedness check costs on those files and on the settings file read at
// start-up: the quick pass the documents take, expat (the conforming parser behind it)
// and, where it is installed, libxml2 (the other conforming parser it was measured against).

#include "core/program_state.h"
#include "core/settings_file.h"
#include "config/configuration_compiler.h"
#include "config/general_parameters_file.h"
#include "platform/file_system.h"
#include "platform/xml_well_formedness.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#ifdef VASTRELON_BENCH_LIBXML2
#include <libxml/parser.h>
#endif

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

void Write_Full_Configuration(const QString& folder) {
    Project_Folder = folder;
    Build_Configuration_Paths();

    TXMLDocument parameters;
    Save_General_Parameters(parameters, TGeneralParameters{}, File_ParGen);

    QByteArray dali = "<DALI_Access>";
    for (int n = 0; n < 64; ++n) {
        const QByteArray d = "DALI_ID_DEVICE_" + QByteArray::number(n);
        dali += "<" + d + ">1</" + d + "><" + d + "_DIMMING_MODE>Start Break</" + d + "_DIMMING_MODE><" + d +
                "_MIN_MAN_VALUE>1</" + d + "_MIN_MAN_VALUE><" + d + "_RECALL_LEVEL>Recall Min-Max Level for Switch</" + d +
                "_RECALL_LEVEL>";
    }
    for (int n = 0; n < 17; ++n) {
        const QByteArray g = "DALI_GROUP_" + QByteArray::number(n);
        dali += "<" + g + "_DIMMING_MODE>Normal</" + g + "_DIMMING_MODE><" + g + "_MIN_MAN_VALUE>0</" + g +
                "_MIN_MAN_VALUE><" + g + "_RECALL_LEVEL>None</" + g + "_RECALL_LEVEL>";
    }
    WriteFileAtomically(File_DALI_Access, dali + "</DALI_Access><!--SW_VERSION = 1.709-->");

    QByteArray dali2 = "<DALI2_Access><DALI2_Functions_Rules>";
    for (int k = 1; k < DALI2_Function_Capacity; ++k)
        dali2 += "<row Function=\"Set Out\" Condition=\"When Greater to Value\" Value=\"12,5\" Channel=\"DALI Group 3\" "
                 "Val=\"200\" Next_Function=\"" + QByteArray::number(k % 250) + "\" Mnemonic=\"Function " +
                 QByteArray::number(k) + "\"/>";
    dali2 += "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>";
    for (int r = 0; r < DALI2_Input_Rule_Capacity; ++r)
        dali2 += "<row Enable=\"Y\" DeviceSensor=\"Sensor\" Type=\"Occupancy Sensor\" ChannelNumber=\"" +
                 QByteArray::number(r % 64) + "\" Instance=\"3\" Command=\"0\" TimeSend=\"1000\" TimeOut=\"3000\" "
                 "Function=\"1 - Function 1\" Position=\"" + QByteArray::number(r * 2) + "\" NumBytes=\"2\" Mnemonic=\"Input\"/>";
    WriteFileAtomically(File_DALI2_Access, dali2 + "</DALI2_SetAccess_Rules></DALI2_Access><!--SW_VERSION = 1.709-->");

    QByteArray knx = "<BACnet_to_KNX><KNX_in_Write>";
    for (int r = 0; r < KNX_Rule_Capacity; ++r)
        knx += "<row Enable=\"Y\" Source_Address=\"1.1." + QByteArray::number(r % 256) + "\" Destination_Address=\"" +
               QByteArray::number(r % 32) + "/3/" + QByteArray::number(r % 256) +
               "\" APCI=\"Write\" Priority=\"Normal\" Format=\"Float16 to Int * 10\" MultiplicationFactor=\"0,5\" "
               "Extended=\"N\" ReTest=\"Y\" On_Command=\"Y\" On_Change=\"Y\" On_Timer=\"Y\" Poll_Time=\"1000\" Position=\"" +
               QByteArray::number(r) + "\" Bit_Mode=\"No\" Length=\"1\" TimeOut=\"500\" Mnemonic=\"Rule\"/>";
    WriteFileAtomically(File_KNX_SetAccess, knx + "</KNX_in_Write></BACnet_to_KNX><!--SW_VERSION = 1.709-->");
}

QTemporaryDir& Configuration_Folder() {
    static QTemporaryDir folder;
    static const bool written = (Write_Full_Configuration(folder.path()), true);
    (void)written;
    return folder;
}

void BM_Compile_Full_Configuration(benchmark::State& state) {
    Configuration_Folder();
    for (auto _ : state) {
        const TCompileResult result = Compile_Bank();
        if (!result.Ok) state.SkipWithError(result.Message.toStdString().c_str());
        benchmark::DoNotOptimize(Bank_Buffer.data());
    }
}
BENCHMARK(BM_Compile_Full_Configuration)->Unit(benchmark::kMicrosecond);

void BM_Pugixml_Parse_Same_Files(benchmark::State& state) {
    Configuration_Folder();
    const std::string files[] = {File_ParGen.toStdString(), File_DALI_Access.toStdString(),
                                 File_DALI2_Access.toStdString(), File_KNX_SetAccess.toStdString()};
    for (auto _ : state)
        for (const std::string& file : files) {
            pugi::xml_document document;
            benchmark::DoNotOptimize(document.load_file(file.c_str()));
        }
}
BENCHMARK(BM_Pugixml_Parse_Same_Files)->Unit(benchmark::kMicrosecond);

// The project's XML document loading the same files: the full check, then the tree.
void BM_Document_Load_Same_Files(benchmark::State& state) {
    Configuration_Folder();
    for (auto _ : state)
        for (const QString& file : {File_ParGen, File_DALI_Access, File_DALI2_Access, File_KNX_SetAccess}) {
            TXMLDocument document;
            benchmark::DoNotOptimize(document.LoadFromFile(file));
        }
}
BENCHMARK(BM_Document_Load_Same_Files)->Unit(benchmark::kMicrosecond);

std::vector<QByteArray> Configuration_Texts() {
    Configuration_Folder();
    std::vector<QByteArray> texts;
    for (const QString& path : {File_ParGen, File_DALI_Access, File_DALI2_Access, File_KNX_SetAccess}) {
        QFile file(path);
        texts.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return texts;
}

using TCheck = bool (*)(const char*, std::size_t, TXmlTextEncoding);

void Check_Same_Files(benchmark::State& state, TCheck check) {
    const std::vector<QByteArray> texts = Configuration_Texts();
    for (const QByteArray& text : texts)
        if (!check(text.constData(), std::size_t(text.size()), TXmlTextEncoding::Declared))
            state.SkipWithError("the check refuses a well-formed file");
    for (auto _ : state)
        for (const QByteArray& text : texts)
            benchmark::DoNotOptimize(check(text.constData(), std::size_t(text.size()), TXmlTextEncoding::Declared));
}

// The check the documents take: the quick pass, which vouches for all of these files.
void BM_Well_Formedness_Check_Same_Files(benchmark::State& state) { Check_Same_Files(state, Is_Well_Formed_Xml); }
BENCHMARK(BM_Well_Formedness_Check_Same_Files)->Unit(benchmark::kMicrosecond);

// The conforming parser alone, as the check ran before the quick pass and still runs on
// any other document.
void BM_Expat_Check_Same_Files(benchmark::State& state) { Check_Same_Files(state, Full_Parser_Finds_Well_Formed); }
BENCHMARK(BM_Expat_Check_Same_Files)->Unit(benchmark::kMicrosecond);

#ifdef VASTRELON_BENCH_LIBXML2
void Ignore_Libxml2_Error(void*, const xmlError*) {}

// The same check through libxml2's event parser, which builds no tree either.
bool Libxml2_Well_Formed(const QByteArray& text) {
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.serror = reinterpret_cast<xmlStructuredErrorFunc>(Ignore_Libxml2_Error);
    return xmlSAXUserParseMemory(&handler, nullptr, text.constData(), int(text.size())) == 0;
}

void BM_Libxml2_Check_Same_Files(benchmark::State& state) {
    const std::vector<QByteArray> texts = Configuration_Texts();
    for (const QByteArray& text : texts)
        if (!Libxml2_Well_Formed(text)) state.SkipWithError("libxml2 refuses a well-formed file");
    for (auto _ : state)
        for (const QByteArray& text : texts) benchmark::DoNotOptimize(Libxml2_Well_Formed(text));
}
BENCHMARK(BM_Libxml2_Check_Same_Files)->Unit(benchmark::kMicrosecond);
#endif

// The start-up read of the settings file: checked and parsed, then the values taken.
QTemporaryDir& Settings_Folder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        Set_Program_Folders(folder.path());
        Project_Name = QStringLiteral("Plant");
        TXMLDocument xml;
        return Write_Settings(xml);
    }();
    (void)written;
    return folder;
}

void BM_Read_Settings_File(benchmark::State& state) {
    Set_Program_Folders(Settings_Folder().path());
    for (auto _ : state) {
        TXMLDocument xml;
        Read_Settings(xml);
        benchmark::DoNotOptimize(Project_Name.size());
    }
}
BENCHMARK(BM_Read_Settings_File)->Unit(benchmark::kMicrosecond);

void BM_Pugixml_Parse_Settings_File(benchmark::State& state) {
    Set_Program_Folders(Settings_Folder().path());
    const std::string file = Settings_File_Path().toStdString();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(file.c_str()));
    }
}
BENCHMARK(BM_Pugixml_Parse_Settings_File)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_Compile_Full_Configuration", "BM_Pugixml_Parse_Same_Files",
                        "Compiling takes %.2f times as long as pugixml alone parsing the same files.\n");
    reporter.PrintRatio("BM_Document_Load_Same_Files", "BM_Pugixml_Parse_Same_Files",
                        "Loading them into the project's XML document takes %.2f times pugixml's parse.\n");
    reporter.PrintRatio("BM_Well_Formedness_Check_Same_Files", "BM_Pugixml_Parse_Same_Files",
                        "Checking them (the quick pass) costs %.2f of pugixml's parse.\n");
    reporter.PrintRatio("BM_Expat_Check_Same_Files", "BM_Pugixml_Parse_Same_Files",
                        "Checking them with expat alone costs %.2f of pugixml's parse.\n");
    reporter.PrintRatio("BM_Libxml2_Check_Same_Files", "BM_Expat_Check_Same_Files",
                        "libxml2 checks them in %.2f times expat's time.\n");
    reporter.PrintRatio("BM_Read_Settings_File", "BM_Pugixml_Parse_Settings_File",
                        "Reading the settings takes %.2f times as long as pugixml alone parsing them.\n");
    benchmark::Shutdown();
    return 0;
}
