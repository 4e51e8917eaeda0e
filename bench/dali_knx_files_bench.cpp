// The KNX rule editor's file with all 1024 rules: read into the table the grid shows,
// and the table written back, each next to pugixml alone doing the same work on the
// same document (parsing it; building and saving it).

#include "config/rule_cell_rules.h"
#include "core/program_state.h"
#include "editors/dali_knx/knx_access_file.h"
#include "platform/xml_well_formedness.h"
#include "full_rule_tables.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString& KNX_File() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("KNX_SetAccess.xml"));
        Save_KNX_Access_File(file, Full_KNX_Table());
        return file;
    }();
    return path;
}

void BM_Read_KNX_Access_File_1024(benchmark::State& state) {
    const QString& file = KNX_File();
    for (auto _ : state) {
        const TKNXAccessLoad load = Read_KNX_Access_File(file);
        if (load.Rules.size() != std::size_t(KNX_Editor_Rows)) state.SkipWithError("the file did not read whole");
        benchmark::DoNotOptimize(load.Rules.data());
    }
}
BENCHMARK(BM_Read_KNX_Access_File_1024)->Unit(benchmark::kMicrosecond);

void BM_Pugixml_Parse_KNX_File_1024(benchmark::State& state) {
    const std::string file = KNX_File().toStdString();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(file.c_str()));
    }
}
BENCHMARK(BM_Pugixml_Parse_KNX_File_1024)->Unit(benchmark::kMicrosecond);

// The full well-formedness check every load makes before the tree is built.
void BM_Expat_Check_KNX_File_1024(benchmark::State& state) {
    QFile file(KNX_File());
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (auto _ : state)
        benchmark::DoNotOptimize(Is_Well_Formed_Xml(text.constData(), std::size_t(text.size()), TXmlTextEncoding::Declared));
}
BENCHMARK(BM_Expat_Check_KNX_File_1024)->Unit(benchmark::kMicrosecond);

void BM_Save_KNX_Access_File_1024(benchmark::State& state) {
    const TCellTable rules = Full_KNX_Table();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("KNX_SetAccess.xml"));
    for (auto _ : state)
        if (!Save_KNX_Access_File(file, rules)) state.SkipWithError("the file was not written");
}
BENCHMARK(BM_Save_KNX_Access_File_1024)->Unit(benchmark::kMicrosecond);

// The same document built from the same table straight in pugixml and saved in place.
void BM_Pugixml_Build_And_Save_KNX_File_1024(benchmark::State& state) {
    const TCellTable rules = Full_KNX_Table();
    QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("KNX_SetAccess.xml")).toStdString();
    for (auto _ : state) {
        pugi::xml_document document;
        pugi::xml_node list = document.append_child("BACnet_to_KNX").append_child("KNX_in_Write");
        document.append_child(pugi::node_comment).set_value("SW_VERSION = 1.709");
        for (const QStringList& cells : rules) {
            pugi::xml_node row = list.append_child("row");
            for (int c = 0; c < KNX_Access_Columns; ++c)
                row.append_attribute(KNX_Access_Attributes[c]).set_value(cells[c].toUtf8().constData());
        }
        if (!document.save_file(file.c_str(), "  ", pugi::format_indent | pugi::format_no_declaration))
            state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_Pugixml_Build_And_Save_KNX_File_1024)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_Read_KNX_Access_File_1024", "BM_Pugixml_Parse_KNX_File_1024",
                        "Reading the 1024-rule KNX file takes %.2f times as long as pugixml parsing it.\n");
    reporter.PrintRatio("BM_Expat_Check_KNX_File_1024", "BM_Pugixml_Parse_KNX_File_1024",
                        "Of that, the well-formedness check alone takes %.2f times pugixml's parse.\n");
    reporter.PrintRatio("BM_Save_KNX_Access_File_1024", "BM_Pugixml_Build_And_Save_KNX_File_1024",
                        "Saving it takes %.2f times as long as pugixml building and saving it.\n");
    benchmark::Shutdown();
    return 0;
}
