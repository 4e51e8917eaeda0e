#pragma once
// Workbooks (.xlsx) read for the grid: the names of the worksheets, and a sheet's cells
// as texts at their places in its used range. Free of widget headers, like every reader,
// so that it runs without a display.

#include "grid/data/grid_file_staging.h"
#include "platform/zip_archive.h"

#include <pugixml.hpp>

#include <QString>
#include <QStringList>

#include <vector>

// The text every workbook failure raises (as Exception, the general error): a file that
// holds no workbook, a legacy binary one among them, or a sheet that cannot be read.
inline constexpr char kIncorrectXlsFile[] = "Incorrect XLS file";

// The cells a sheet uses, from 0: the smallest rectangle around every cell present.
struct TSheetRange {
    int FirstCol = 0;
    int FirstRow = 0;
    int LastCol = 0;
    int LastRow = 0;
    qint64 Columns() const { return qint64(LastCol) - FirstCol + 1; }
    qint64 Rows() const { return qint64(LastRow) - FirstRow + 1; }
};

class TWorkbookReader {
public:
    // Raises Exception kIncorrectXlsFile when the bytes hold no workbook.
    explicit TWorkbookReader(const QByteArray& Bytes);

    // The worksheets' names in the workbook's order.
    QStringList SheetNames() const;
    // Reads the worksheet of that name (the last one when several have it) or, for an
    // empty name, the active one. False when no worksheet has the name; raises
    // kIncorrectXlsFile when the sheet cannot be read.
    bool SelectSheet(const QString& Name);
    // The selected sheet's used range; a sheet without cells uses A1 alone.
    TSheetRange UsedRange() const { return FRange; }
    // Puts every cell that holds a value into Staging at its place in the used range,
    // moved by ColOffset and RowOffset: strings, numbers in the program's separators,
    // dates by their number format in the short date format (and time), booleans as
    // "True" and "False", formulas by their last value. An error value is left out, so
    // the grid cell keeps its text: its place goes into Kept. False as soon as Staging
    // refuses a cell.
    bool StageCells(TGridFileStaging& Staging, int ColOffset, int RowOffset, std::vector<TStagedCell>& Kept) const;

private:
    enum class TValueKind { Number, Date, Time, DateTime };
    struct TSheetEntry {
        QString Name;
        QString Part;  // empty for a sheet that is no worksheet (a chart sheet)
    };

    void ReadSharedStrings(const QString& Part);
    void ReadStyles(const QString& Part);
    QString NumberText(const QString& Value, int Style) const;

    TZipArchive FArchive;
    std::vector<TSheetEntry> FSheets;
    int FActiveTab = 0;
    bool FDate1904 = false;
    QString FSharedStringsPart;
    QString FStylesPart;
    std::vector<QString> FSharedStrings;
    std::vector<TValueKind> FStyleKinds;  // by cell format index
    pugi::xml_document FSheet;
    TSheetRange FRange;
};
