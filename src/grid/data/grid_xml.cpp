// The grid's save range to and from XML files (the reading walk: grid_xml_reader.h).

#include "grid/core/string_grid.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/data/grid_xml_reader.h"
#include "grid/data/xml_file_encoding.h"
#include "platform/file_system.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

void RequireElementName(const QString& Name, TXmlFileEncoding Encoding) {
    if (!IsXmlElementName(Name) || EncodeXmlDocument(Name, Encoding).contains("&#"))
        throw EExGridError(QStringLiteral("Invalid XML element name ") + Name);
}

}  // namespace

void TExStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                              const TStringList* FieldDescr, bool ExportEmptyCells) {
    const QString encodingName = XMLEncoding().trimmed();
    const std::optional<TXmlFileEncoding> encoding = XmlFileEncodingNamed(encodingName);
    if (!encoding) throw EExGridError(QStringLiteral("Unsupported XML encoding ") + XMLEncoding());

    // Real columns in the order written: the shown ones of the range, then (when saved)
    // the hidden ones, as raising ColCount would show them.
    QList<int> columns;
    for (int b = SaveStartCol(); b <= SaveEndCol(); ++b) columns << RealColIndex(b);
    if (SaveHiddenCells())
        for (int real = 0; real < TotalColCount(); ++real)
            if (IsHiddenColumn(real)) columns << real;

    QStringList names;
    for (qsizetype k = 0; k < columns.size(); ++k) {
        names << (FieldDescr && k < FieldDescr->Count() ? FieldDescr->Strings(int(k)) : QStringLiteral("FIELD%1").arg(k));
        RequireElementName(names.back(), *encoding);
    }
    RequireElementName(ListDescr, *encoding);
    RequireElementName(RecordDescr, *encoding);

    const QLatin1String eol("\r\n");
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>").arg(encodingName) + eol;
    text += QLatin1Char('<') + ListDescr + QLatin1Char('>') + eol;
    const int firstRow = SaveStartRow(), lastRow = SaveEndRow();
    int progress = -1;
    ExportNotification(esExportStart, firstRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        text += QLatin1Char('<') + RecordDescr + QLatin1Char('>') + eol;
        for (qsizetype k = 0; k < columns.size(); ++k) {
            const int real = columns[k];
            // A cell covered by a merged area is written empty: the reader places cells
            // by their order, so leaving it out would move the rest of the row left.
            QString cell;
            if (IsBaseCell(real, row)) SaveCell(RealCol(real), DisplRow(row), cell);
            if (cell.isEmpty() && !ExportEmptyCells) continue;
            if (cell.isEmpty() && QuoteEmptyCells()) cell = QStringLiteral("\"\"");
            text += QLatin1Char('<') + names[k] + QLatin1Char('>') + EscapeXmlText(cell) + QLatin1String("</") +
                    names[k] + QLatin1Char('>') + eol;
        }
        text += QLatin1String("</") + RecordDescr + QLatin1Char('>') + eol;
        if (OnFileProgress) {
            const int now = int(std::lround(100.0 * (row - firstRow) / std::max(1, lastRow - firstRow)));
            if (now != progress) OnFileProgress(this, short(progress = now));
        }
    }
    text += QLatin1String("</") + ListDescr + QLatin1Char('>') + eol;
    ExportNotification(esExportDone, -1);
    if (!WriteFileAtomically(FileName, EncodeXmlDocument(text, *encoding)))
        throw EExGridError(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr) {
    QFile file(FileName);
    if (!QFileInfo(FileName).isFile() || !file.open(QIODevice::ReadOnly)) throw Exception(QStringLiteral("XML file not found"));
    const QByteArray bytes = file.readAll();
    file.close();

    const bool namesInFirstRow = SaveFixedCells() || SaveFixedRows();
    TXmlReadSettings settings;
    settings.LevelToRow = LevelToRow;
    settings.LoadFieldDescr = LoadFieldDescr;
    settings.NamesInFirstRow = namesInFirstRow;
    settings.QuoteEmptyCells = QuoteEmptyCells();
    settings.ColBase = SaveStartCol();
    settings.RowBase = namesInFirstRow && !LoadFieldDescr ? 0 : FixedRows();
    settings.ColCount = ColCount();
    settings.RowCount = RowCount();
    settings.FirstRowCellEmpty = [this](int ACol) { return Cells(ACol, 0).isEmpty(); };
    const TXmlReadCells read = ReadXmlCells(bytes, settings);

    const qint64 finalCols = read.MaxCol + 1, finalRows = read.MaxRow + 1;
    if (!GridSizeWithinLimit(read.GrownColCount + NumHiddenColumns(), read.GrownRowCount) ||
        !GridSizeWithinLimit(finalCols + NumHiddenColumns(), finalRows))
        throw EExGridError(QStringLiteral("The XML file would make the grid larger than %1 cells").arg(kMaxGridCells));

    BeginUpdate();
    if (ColCount() < read.GrownColCount) SetColCount(int(read.GrownColCount));
    if (RowCount() < read.GrownRowCount) SetRowCount(int(read.GrownRowCount));
    for (const auto& [place, text] : read.Cells) LoadCell(RealCol(place.second), DisplRow(place.first), text);
    SetColCount(int(finalCols));
    SetRowCount(int(finalRows));
    EndUpdate();
    DoCellsChanged(TRect{0, 0, ColCount() - 1, RowCount() - 1});
    UpdateFooterAll();
}
