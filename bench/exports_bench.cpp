// The window-free file formats next to their peers in the same run: reading an EDE
// file of the largest size accepted against QString::split of the same decoded text
// into lines and fields, and the EDS export of the fullest configuration against
// pugixml alone parsing its two rule files.

#include "core/program_state.h"
#include "editors/automation/ede_file_parser.h"
#include "editors/fieldbus/eds_export.h"
#include "platform/file_system.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QTemporaryDir>

namespace {

const QByteArray& Largest_EDE_File() {
    static const QByteArray file = [] {
        QByteArray text = "#Engineering-Data-Exchange - B.I.G.-EU\r\nPROJECT_NAME;Bench\r\nVERSION_OF_REFERENCEFILE;1\r\n"
                          "TIMESTAMP_OF_LAST_CHANGE;2024-05-02\r\nAUTHOR_OF_LAST_CHANGE;bench\r\nVERSION_OF_LAYOUT;2.2\r\n"
                          "# mandatory;mandatory;mandatory;mandatory;mandatory\r\n# keyname;device obj.-instance\r\n";
        for (int n = 0; text.size() < Max_EDE_File_Size - 200; ++n)
            text += "key" + QByteArray::number(n) + ";1234;Object " + QByteArray::number(n) + ";" +
                    QByteArray::number(n % 6) + ";" + QByteArray::number(n) +
                    ";Room temperature of the east wing;21.5;-10;50;Y;N;45;5;;62;vendor-" + QByteArray::number(n) + "\r\n";
        return text;
    }();
    return file;
}

void BM_Parse_EDE_File(benchmark::State& state) {
    const QByteArray& file = Largest_EDE_File();
    for (auto _ : state) benchmark::DoNotOptimize(Parse_EDE_File(file).size());
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_Parse_EDE_File)->Unit(benchmark::kMillisecond);

void BM_Split_Same_Text(benchmark::State& state) {
    const QByteArray& file = Largest_EDE_File();
    for (auto _ : state) {
        const QString text = QString::fromUtf8(file);
        qsizetype fields = 0;
        for (const QString& line : text.split(QStringLiteral("\r\n"))) fields += line.split(QLatin1Char(';')).size();
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_Split_Same_Text)->Unit(benchmark::kMillisecond);

QTemporaryDir& Full_CANopen_Configuration() {
    static QTemporaryDir folder;
    static const bool written = [] {
        File_PDO_CANopen = folder.path() + "/PDO_CANopen.xml";
        File_SDO_Server_CANopen = folder.path() + "/SDO_Server_CANopen.xml";
        QByteArray pdo = "<PDO_CANopen>";
        for (const char* list : {"Receive_PDO", "Transmit_PDO"}) {
            pdo += QByteArray("<") + list + ">";
            for (int n = 0; n < Max_PDOs_Per_List; ++n)
                pdo += "<row COB-ID=\"0x" + QByteArray::number(0x200 + n, 16) +
                       "\" Dimension=\"8\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\" "
                       "Address_B5=\"4\" Address_B6=\"5\" Address_B7=\"6\" Address_B8=\"7\" TimeOut=\"0\" Mnemonic=\"PDO\"/>";
            pdo += QByteArray("</") + list + ">";
        }
        WriteFileAtomically(File_PDO_CANopen, pdo + "</PDO_CANopen><!--SW_VERSION = 1.000-->");
        QByteArray sdo = "<SDO_Server_CANopen>";
        int row = 0;
        for (const char* list : {"SDO_Read", "SDO_Write"}) {
            sdo += QByteArray("<") + list + ">";
            for (int n = 0; n < 500; ++n, ++row)
                sdo += "<row Index=\"0x" + QByteArray::number(0x2000 + row / 200, 16) + "\" SubIndex=\"" +
                       QByteArray::number(199 - row % 200) + "\" NByte=\"" + QByteArray::number(1 << (row % 3)) +
                       "\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\" Mnemonic=\"SDO\"/>";
            sdo += QByteArray("</") + list + ">";
        }
        WriteFileAtomically(File_SDO_Server_CANopen, sdo + "</SDO_Server_CANopen><!--SW_VERSION = 1.000-->");
        return true;
    }();
    (void)written;
    return folder;
}

void BM_Write_EDS_File(benchmark::State& state) {
    const QString target = Full_CANopen_Configuration().path() + "/device.eds";
    for (auto _ : state) {
        const QString problem = Write_EDS_File(target);
        if (!problem.isEmpty()) state.SkipWithError(problem.toStdString().c_str());
    }
}
BENCHMARK(BM_Write_EDS_File)->Unit(benchmark::kMicrosecond);

void BM_Pugixml_Parse_CANopen_Files(benchmark::State& state) {
    Full_CANopen_Configuration();
    const std::string files[] = {File_PDO_CANopen.toStdString(), File_SDO_Server_CANopen.toStdString()};
    for (auto _ : state)
        for (const std::string& file : files) {
            pugi::xml_document document;
            benchmark::DoNotOptimize(document.load_file(file.c_str()));
        }
}
BENCHMARK(BM_Pugixml_Parse_CANopen_Files)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_Parse_EDE_File", "BM_Split_Same_Text",
                        "Reading an EDE file takes %.2f times as long as splitting its text into lines and fields.\n");
    reporter.PrintRatio("BM_Write_EDS_File", "BM_Pugixml_Parse_CANopen_Files",
                        "The EDS export takes %.2f times as long as pugixml alone parsing its two rule files.\n");
    benchmark::Shutdown();
    return 0;
}
