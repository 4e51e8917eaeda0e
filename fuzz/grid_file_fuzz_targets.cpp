// The grid's file readers: CSV, fixed width, the text format as a file and on a stream,
// the cell block through the grid, workbooks and the documents a table is added to. Each input loads or raises a named error; a
// refusal leaves the grid as it was, and no load passes the cell limit.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/core/string_grid.h"
#include "grid/data/csv_format.h"
#include "grid/data/grid_cell_limit.h"
#include "platform/file_errors.h"
#include "platform/string_list.h"

#include <QBuffer>
#include <QDir>

#include <functional>

namespace {

QStringList Snapshot(TExStringGrid& grid) {
    QStringList cells{QString::number(grid.ColCount()), QString::number(grid.RowCount())};
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c) cells << grid.Cells(c, r);
    return cells;
}

void LoadIntoGrid(const std::function<void(TExStringGrid&)>& load) {
    Fuzz_Ensure_Application();
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(1, 1, QStringLiteral("before"));
    const QStringList before = Snapshot(grid);
    try {
        load(grid);
    } catch (const EExGridError&) {
        Fuzz_Require(Snapshot(grid) == before, "a refused file changed the grid");
    } catch (const EConvertError&) {
        Fuzz_Require(Snapshot(grid) == before, "a refused stream changed the grid");
    } catch (const Exception& e) {
        const bool workbook = e.Message() == QLatin1String("Incorrect XLS file");
        Fuzz_Require(workbook || e.Message() == QLatin1String("File is empty"), "an unnamed error");
        Fuzz_Require(!workbook || Snapshot(grid) == before, "a refused workbook changed the grid");
    }
    Fuzz_Require(GridSizeWithinLimit(grid.ColCount(), grid.RowCount()), "a load passed the cell limit");
}

void LoadStreamIntoGrid(const std::uint8_t* data, std::size_t size,
                        const std::function<void(TExStringGrid&, QIODevice&)>& load) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    LoadIntoGrid([&](TExStringGrid& grid) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        load(grid, buffer);
    });
}

QString FuzzFile(const std::uint8_t* data, std::size_t size) {
    const QString path = QDir(Fuzz_Program_Folder()).filePath(QStringLiteral("grid_file"));
    Fuzz_Write_File(path, data, size);
    return path;
}

}  // namespace

int Fuzz_Grid_Csv(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TCsvReadOptions options;
    options.Delimiter = DetectCsvDelimiter(text);
    const TCsvRecords records = ParseCsv(text, options, 1'000'000);
    // What was read is written so that it reads back the same (a vertical tab is the
    // format's own mark for CR LF, so such fields are left out).
    if (!options.Delimiter.isNull() && !records.Truncated && !text.contains(QChar(11))) {
        TCsvWriteOptions write;
        write.Delimiter = options.Delimiter;
        TCsvTextWriter writer(QString(), text.size(), write);
        for (const QStringList& record : records.Lists()) {
            for (const QString& field : record) writer.Field(field);
            writer.EndRecord();
        }
        const QString again = std::move(writer).Finish();
        Fuzz_Require(ParseCsv(again, options, 1'000'000).Lists() == records.Lists(), "a record did not read back");
    }
    LoadStreamIntoGrid(data, size, [](TExStringGrid& grid, QIODevice& stream) { grid.LoadFromCSVStream(stream); });
    return 0;
}

int Fuzz_Grid_Fixed_Width(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first bytes are the field starts, the rest the file.
    TIntList starts(0, 0);
    starts.Add(data[0] % 16);
    starts.Add(data[1] % 32);
    starts.Add(data[0] / 16 + data[1] / 32);
    const QString path = FuzzFile(data + 2, size - 2);
    LoadIntoGrid([&](TExStringGrid& grid) { grid.LoadFromFixed(path, &starts, data[0] % 2 == 0, -1); });
    return 0;
}

int Fuzz_Grid_Text_File(const std::uint8_t* data, std::size_t size) {
    const QString path = FuzzFile(data, size);
    LoadIntoGrid([&](TExStringGrid& grid) { grid.LoadFromFile(path); });
    return 0;
}

int Fuzz_Grid_Text_Stream(const std::uint8_t* data, std::size_t size) {
    LoadStreamIntoGrid(data, size, &TExStringGrid::LoadFromStream);
    return 0;
}

int Fuzz_Grid_Cell_Stream(const std::uint8_t* data, std::size_t size) {
    LoadStreamIntoGrid(data, size, &TExStringGrid::LoadFromBinStream);
    return 0;
}

int Fuzz_Grid_Xlsx(const std::uint8_t* data, std::size_t size) {
    const QString path = FuzzFile(data, size);
    std::unique_ptr<TStringList> names;
    LoadIntoGrid([&](TExStringGrid& grid) { names = grid.GetXLSSheets(path); });
    LoadIntoGrid([&](TExStringGrid& grid) { grid.LoadFromXLS(path); });
    for (int i = 0; names && i < std::min(names->Count(), 8); ++i)
        LoadIntoGrid([&](TExStringGrid& grid) { grid.LoadFromXLSSheet(path, names->Strings(i)); });
    return 0;
}

int Fuzz_Grid_Docx(const std::uint8_t* data, std::size_t size) {
    Fuzz_Ensure_Application();
    const QString path = FuzzFile(data, size);
    TExStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(1, 1, QStringLiteral("cell"));
    try {
        grid.AppendToDoc(path, QStringLiteral("Here"));
    } catch (const EExGridError& e) {
        Fuzz_Require(e.Message() == QLatin1String("Incorrect DOC file"), "an unnamed document error");
        Fuzz_Require(Fuzz_Read_File(path) == QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                     "a refused document was changed");
        return 0;
    }
    // What was written is a document again.
    grid.AppendToDoc(path, QString());
    return 0;
}
