// Fixed-width files both ways and the padded ASCII table for reading.

#include "grid/core/string_grid.h"
#include "grid/data/grid_file_staging.h"
#include "grid/data/grid_text_file_encoding.h"
#include "platform/file_errors.h"
#include "platform/file_system.h"
#include "platform/wait_cursor.h"

#include <algorithm>

namespace {

// A text's lines, split at CR (an LF right after it dropped) and at a bare LF.
QStringList TextLines(const QString& text) {
    QStringList lines = SplitTextLines(text);
    if (lines.isEmpty()) lines << QString();
    return lines;
}

}  // namespace

int TExStringGrid::LongestSavedLine(int Column) {
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        const QStringList lines = TextLines(SavedFileText(Column, r));
        for (qsizetype i = 0; i < (Multilinecells() ? lines.size() : 1); ++i)
            longest = std::max(longest, int(lines[i].size()));
    }
    return longest;
}

void TExStringGrid::SaveToFixed(const QString& FileName, TIntList* positions) {
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int first = SaveStartCol();
    const int last = SaveEndCol() + hidden;
    for (int c = first + positions->Count(); c <= last; ++c) positions->Add(LongestSavedLine(c) + 1);
    QString text;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = first; c <= last; ++c) {
            // Only a cell's first line: a line break would end the record.
            const int width = std::max(0, positions->Items(c - first));
            text += TextLines(SavedFileText(c, r)).front().left(width).leftJustified(width, QLatin1Char(' '));
        }
        text += QStringLiteral("\r\n");
    }
    ExportNotification(esExportDone, -1);
    if (!WriteFileAtomically(FileName, EncodeGridTextFile(text, TGridTextEncoding::Ansi)))
        throw EExGridError(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromFixed(const QString& FileName, TIntList* positions, bool DoTrim, int MaxRows) {
    if (positions->Count() < 2)
        throw EExGridError(QStringLiteral("Fixed width loading needs at least two field positions"));
    std::vector<int> starts;
    for (int i = 0; i < positions->Count(); ++i) starts.push_back(std::max(1, positions->Items(i)));
    std::sort(starts.begin(), starts.end());
    QByteArray bytes;
    if (!ReadRegularFile(FileName, kMaxGridTextFileBytes, bytes))
        throw EExGridError(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
    QStringList lines = SplitTextLines(DecodeGridTextFile(bytes));
    const qsizetype wanted = MaxRows == -1 ? lines.size() : MaxRows > 0 ? MaxRows : 1;
    if (lines.size() > wanted) lines.erase(lines.begin() + wanted, lines.end());
    const int fields = int(starts.size()) - 1;
    TGridFileStaging staging;
    for (qsizetype i = 0; i < lines.size(); ++i)
        for (int f = 0; f < fields; ++f) {
            QString field = lines[i].mid(starts[f] - 1, starts[f + 1] - starts[f]);
            if (DoTrim) field = field.trimmed();
            if (!staging.Put(qint64(SaveStartCol()) + f, qint64(SaveStartRow()) + i, field))
                throw EExGridError(QStringLiteral("The file holds more cells than a grid can take"));
        }
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int columns = std::max(FixedCols() + fields - 1, staging.ColExtent()) + hidden;
    StoreStagedCells(staging, columns, std::max(RowCount(), staging.RowExtent()), SaveHiddenCells());
}

void TExStringGrid::SaveASCIIFile(const QString& FileName, bool Append, bool Unicode) {
    TWaitCursor wait;
    QStringList lines;
    QByteArray existing;
    if (Append && ReadRegularFile(FileName, kMaxGridTextFileBytes, existing))
        lines = SplitTextLines(DecodeGridTextFile(existing));
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int firstCol = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
    const int firstRow = SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
    const int lastCol = ColCount() - 1 + hidden;
    std::vector<int> widths;
    for (int c = firstCol; c <= lastCol; ++c) widths.push_back(LongestSavedLine(c));
    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        QStringList continuation;
        int start = 0;
        for (int c = firstCol; c <= lastCol; ++c) {
            const int width = widths[std::size_t(c - firstCol)];
            TAlignment align = taLeftJustify;
            TVAlignment valign = vtaTop;
            ResolveCellAlignment(RealCol(SaveHiddenCells() ? c : RealColIndex(c)), DisplRow(r), align, valign);
            const auto aligned = [&](QString text) {
                if (align == taRightJustify) return text.rightJustified(width, QLatin1Char(' '));
                while (align == taCenter && text.size() < width) text = QLatin1Char(' ') + text + QLatin1Char(' ');
                return text;
            };
            const QStringList cellLines = TextLines(SavedFileText(c, r));
            const QString first = aligned(cellLines.front());
            line += first + QString(std::max<qsizetype>(0, width - first.size() + 1), QLatin1Char(' '));
            for (qsizetype k = 1; Multilinecells() && k < cellLines.size(); ++k) {
                if (continuation.size() < k) continuation << QString();
                QString& more = continuation[k - 1];
                if (more.size() < start) more = more.leftJustified(start, QLatin1Char(' '));
                more += aligned(cellLines[k]);
            }
            start += width + 1;
        }
        lines << line << continuation;
    }
    ExportNotification(esExportDone, -1);
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    WriteWholeFile(FileName, EncodeGridTextFile(text, Unicode ? TGridTextEncoding::Utf16LeWithBom
                                                              : TGridTextEncoding::Ansi));
}

void TExStringGrid::SaveToASCII(const QString& FileName, bool Unicode) { SaveASCIIFile(FileName, false, Unicode); }

void TExStringGrid::AppendToASCII(const QString& FileName, bool Unicode) { SaveASCIIFile(FileName, true, Unicode); }
