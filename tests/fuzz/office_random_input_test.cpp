// Workbooks and documents on mutated seeds and noise from fixed seeds, and on the hostile
// cases: a member that unpacks to far more than it packs, and a sheet whose cells reach
// from A1 to XFD1048576. The fuzz entries check each: a load or a named error, the grid
// or document unchanged by a refusal.

#include "fuzz_targets.h"
#include "fuzz_seeds.h"
#include "mutated_input.h"
#include "platform/zip_archive.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int RunEntry(TFuzzEntry entry, const QByteArray& input) {
    return entry(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
}

QByteArray Workbook(const QByteArray& SheetData) {
    const QByteArray R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    TZipArchive archive;
    archive.Put(QStringLiteral("_rels/.rels"), "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                               "<Relationship Id=\"R1\" Type=\"" + R + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    archive.Put(QStringLiteral("xl/workbook.xml"), "<workbook xmlns:r=\"" + R + "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"a\"/></sheets></workbook>");
    archive.Put(QStringLiteral("xl/_rels/workbook.xml.rels"),
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"a\" Type=\"" + R +
                    "/worksheet\" Target=\"worksheets/s.xml\"/></Relationships>");
    archive.Put(QStringLiteral("xl/worksheets/s.xml"), "<worksheet><sheetData>" + SheetData + "</sheetData></worksheet>");
    return archive.Finish();
}

TEST(OfficeRandomInput, WorkbooksAndDocumentsHoldOnMutatedSeedsNoiseAndHostileCases) {
    const std::pair<const char*, TFuzzEntry> targets[] = {{"grid_xlsx", Fuzz_Grid_Xlsx}, {"grid_docx", Fuzz_Grid_Docx}};
    for (const auto& [name, entry] : targets) {
        const QList<QByteArray> inputs = FuzzSeeds(name);
        ASSERT_FALSE(inputs.isEmpty());
        std::mt19937 random(11);
        for (int round = 0; round < 60; ++round) {
            QByteArray input = Mutated(inputs[round % inputs.size()], random, "PK\x03\x04\x01\x02<>/\"=x0");
            if (round % 5 == 4) {
                input.clear();
                for (int i = int(random() % 300); i > 0; --i) input += char(random());
            }
            ASSERT_EQ(RunEntry(entry, input), 0) << name << " round " << round;
        }
    }
    const QByteArray hostile[] = {
        Workbook("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + QByteArray(40 << 20, ' ') + "</t></is></c></row>"),
        Workbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"1048576\"><c r=\"XFD1048576\"><v>2</v></c></row>"),
        Workbook("<row r=\"1048576\"><c r=\"XFD1048576\"><v>2</v></c></row>"),
        Workbook(QByteArray(100000, '<')),
    };
    for (const QByteArray& input : hostile) {
        EXPECT_EQ(RunEntry(Fuzz_Grid_Xlsx, input), 0);
        EXPECT_EQ(RunEntry(Fuzz_Grid_Docx, input), 0);
    }
}

}  // namespace
