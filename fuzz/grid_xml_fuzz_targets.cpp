// XML files from other programs read into the grid's cells.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/data/grid_xml_reader.h"
#include "platform/types.h"

int Fuzz_Grid_XML(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const bool levelToRow : {false, true}) {
        TXmlReadSettings settings;
        settings.LevelToRow = levelToRow;
        settings.LoadFieldDescr = levelToRow;
        settings.NamesInFirstRow = true;
        settings.RowBase = levelToRow ? 1 : 0;
        settings.ColCount = 2;
        settings.RowCount = 2;
        settings.FirstRowCellEmpty = [](int) { return true; };
        try {
            const TXmlReadCells cells = ReadXmlCells(bytes, settings);
            for (const auto& [place, text] : cells.Cells) {
                Fuzz_Require(place.first >= 0 && place.second >= 0, "a cell at a negative index");
                Fuzz_Require(place.first < cells.GrownRowCount && place.second < cells.GrownColCount,
                             "a cell outside the grown grid");
            }
        } catch (const Exception& e) {
            Fuzz_Require(e.Message().startsWith(QLatin1String("XMLDOM Parsing error ")), "an error without the parse text");
        }
    }
    return 0;
}
