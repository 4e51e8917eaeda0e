// Pasting the platform clipboard into the cells: the cell block first, then rich text,
// then spreadsheet text. Whatever comes from outside is read and checked whole before
// the first cell changes.

#include "controls/text_utilities.h"
#include "grid/core/grid_undo_redo.h"
#include "grid/core/string_grid.h"
#include "grid/data/cell_block_codec.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/view/grid_drag_drop_formats.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

int TExStringGrid::ClipboardRowEnd() const {
    const bool footerRow = FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow;
    return RowCount() - (footerRow ? 1 : 0);
}

void TExStringGrid::CheckGrowthWithinLimit(qint64 Columns, qint64 Rows) const {
    const qint64 hidden = NumHiddenColumns();
    if (!GridSizeWithinLimit(Columns + hidden, Rows))
        throw EExGridError(QStringLiteral("The pasted data would make the grid larger than %1 cells")
                               .arg(kMaxGridCells));
}

bool TExStringGrid::AllowFormattedClipboard() { return FNavigation->AllowFmtClipboard(); }

void TExStringGrid::StoreCellValue(int ACol, int ARow, const QString& Value) {
    const int real = RealColIndex(ACol);
    if (UndoRedo()) UndoRedo()->RegisterChange(ACol, ARow, Cells(real, ARow), Value);
    if (HasCheckBox(real, ARow))
        SetCheckBoxState(real, ARow, Value == CheckTrue());
    else
        SetCells(real, ARow, Value);
    if (real != ACol) RepaintCell(ACol, ARow);
}

void TExStringGrid::FlagRowsModified(TPoint, TRect Rect, TClipOperation) {
    if (!FShowModified->Enabled) return;
    for (int r = std::max(0, Rect.Top); r <= Rect.Bottom && r < RowCount(); ++r) SetRowModified(r, true);
}

int TExStringGrid::PasteTextAt(int ACol, int ARow, int& Lines, int& Fields, const QString& Text) {
    if (ACol < 0 || ARow < 0) return 0;
    if (!Options().Contains(goEditing) && !FNavigation->AllowClipboardAlways() && !FMouseActions->RangeSelectAndEdit())
        return 0;
    const TClipboardTable table = ParseClipboardText(Text);
    const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
    auto emptyLine = [](const QStringList& row) { return row.size() == 1 && row.first().isEmpty(); };

    // The growth this paste asks for, checked before anything changes.
    qint64 widest = 0, inserted = 0;
    for (const QStringList& row : table.Rows) {
        widest = std::max<qint64>(widest, row.size());
        if (insert && !emptyLine(row)) ++inserted;
    }
    qint64 columns = ColCount();
    if (FNavigation->AllowClipboardColGrow()) columns = std::max<qint64>(columns, qint64(ACol) + widest);
    qint64 rows = RowCount() + inserted;
    if (FNavigation->AllowClipboardRowGrow())
        rows = std::max<qint64>(rows, qint64(ARow) + table.Rows.size() + (RowCount() - ClipboardRowEnd()));
    CheckGrowthWithinLimit(columns, rows);

    BeginUpdate();
    if (UndoRedo()) UndoRedo()->StartSequence();
    Lines = 0;
    int count = 0;
    int row = ARow;
    TRect extent{ACol, ARow, ACol - 1, ARow - 1};
    for (qsizetype line = 0; line < table.Rows.size(); ++line) {
        const QStringList& fields = table.Rows[line];
        ++Lines;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, row);
        if (insert && !emptyLine(fields)) InsertRows(row, 1, true);
        Fields = int(fields.size());
        int col = ACol;
        for (qsizetype f = 0; f < fields.size(); ++f) {
            QString value = fields[f];
            const bool inside = col < ColCount() && row < ClipboardRowEnd();
            if (inside) {
                const int real = RealColIndex(col);
                if (FNavigation->AllowClipboardAlways() || IsEditable(real, row)) {
                    bool allow = true;
                    const bool wide = value.startsWith(QStringLiteral("|\\"));
                    if (wide && OnClipboardBeforePasteWideCell) {
                        QString decoded = EscapedToWide(value);
                        OnClipboardBeforePasteWideCell(this, real, row, decoded, allow);
                        value = WideToEscaped(decoded);
                    } else if (!wide && OnClipboardBeforePasteCell) {
                        OnClipboardBeforePasteCell(this, real, row, value, allow);
                    }
                    if (allow) {
                        StoreCellValue(col, row, value);
                        extent.Left = std::min(extent.Left, col);
                        extent.Right = std::max(extent.Right, col);
                        extent.Top = std::min(extent.Top, row);
                        extent.Bottom = std::max(extent.Bottom, row);
                        if (wide && OnClipboardAfterPasteWideCell)
                            OnClipboardAfterPasteWideCell(this, real, row, EscapedToWide(value));
                        else if (!wide && OnClipboardAfterPasteCell)
                            OnClipboardAfterPasteCell(this, real, row, value);
                    }
                }
            }
            ++count;
            ++col;
            if (col >= ColCount() && f + 1 < fields.size() && FNavigation->AllowClipboardColGrow() && row < RowCount())
                SetColCount(col + 1);
        }
        if (line + 1 < table.Rows.size()) {
            ++row;
            if (row >= ClipboardRowEnd() && FNavigation->AllowClipboardRowGrow()) SetRowCount(RowCount() + 1);
        }
    }
    if (table.EndsWithLineBreak) ++count;
    if (UndoRedo()) UndoRedo()->StopSequence();
    FlagRowsModified(FClipTopLeft, extent, FLastClipOperation);
    EndUpdate();
    if (extent.Right >= extent.Left)
        DoCellsChanged({RealColIndex(extent.Left), extent.Top, RealColIndex(extent.Right), extent.Bottom});
    return count;
}

void TExStringGrid::TabTextSize(const QString& Text, TPoint& Size) { Size = ClipboardTextSize(ParseClipboardText(Text)); }

int TExStringGrid::PasteFromClipboardAt(int ACol, int ARow, int& Lines, int& Fields) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return 0;
    if (AllowFormattedClipboard() && data->hasFormat(GridCellsMimeType())) {
        const std::optional<QByteArray> stream = DecodeGridCellsBlock(data->data(GridCellsMimeType()));
        const std::optional<TCellBlock> block = stream ? DecodeCellBlock(*stream) : std::nullopt;
        if (!block) throw EExGridError(QStringLiteral("The cell block on the clipboard cannot be read"));
        const TGridPropIO& header = block->Header;
        const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
        qint64 columns = ColCount(), rows = RowCount() + (insert ? header.RowCount : 0);
        if (FNavigation->AllowClipboardColGrow()) columns = std::max<qint64>(columns, qint64(ACol) + header.ColCount);
        if (FNavigation->AllowClipboardRowGrow()) rows = std::max<qint64>(rows, qint64(ARow) + header.RowCount);
        CheckGrowthWithinLimit(columns, header.FullGrid ? header.RowCount : rows);
        if (header.FullGrid) CheckGrowthWithinLimit(header.ColCount, header.RowCount);
        BeginUpdate();
        if (columns > ColCount()) SetColCount(int(columns));
        if (rows > RowCount() && !insert) SetRowCount(int(rows));
        if (insert && header.RowCount > 0) InsertRows(ARow, header.RowCount, true);
        Lines = RowCount();
        Fields = ColCount();
        QBuffer buffer;
        buffer.setData(*stream);
        buffer.open(QIODevice::ReadOnly);
        LoadAtPointFromBinStream({ACol, ARow}, buffer);
        EndUpdate();
        FlagRowsModified(header.ID == FClipboardID ? FClipTopLeft : TPoint{-1, -1},
                         {ACol, ARow, ACol + header.ColCount - 1, ARow + header.RowCount - 1}, FLastClipOperation);
        return header.ColCount * header.RowCount;
    }
    if (FNavigation->AllowRTFClipboard() && data->hasFormat(kRichTextMimeType)) {
        if (IsEditable(RealColIndex(ACol), ARow)) StoreCellValue(ACol, ARow, QString::fromUtf8(data->data(kRichTextMimeType)));
        Lines = Fields = 1;
        return 0;
    }
    if (data->hasText()) return PasteTextAt(ACol, ARow, Lines, Fields, data->text());
    return 0;
}

void TExStringGrid::PasteFromClipboard() {
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int lines = 0, fields = 0;
    try {
        PasteFromClipboardAt(SaveStartCol(), SaveStartRow(), lines, fields);
    } catch (...) {
        FPasteAll = false;
        throw;
    }
    FPasteAll = false;
    ImportNotification(isImportDone, -1);
    UpdateFooterAll();
}

void TExStringGrid::SetSelectionAsText(const QString& Value) {
    const TClipboardTable table = ParseClipboardText(Value);
    const TGridRect s = SelectionRectangleOrdered();
    qint64 widest = 0;
    for (const QStringList& row : table.Rows) widest = std::max<qint64>(widest, row.size());
    CheckGrowthWithinLimit(std::max<qint64>(ColCount(), qint64(s.Left) + widest),
                           std::max<qint64>(RowCount(), qint64(s.Top) + table.Rows.size() + 1));
    BeginUpdate();
    int row = s.Top;
    TRect extent{s.Left, s.Top, s.Left - 1, s.Top - 1};
    for (qsizetype line = 0; line < table.Rows.size(); ++line) {
        int col = s.Left;
        for (const QString& field : table.Rows[line]) {
            if (col >= ColCount()) SetColCount(col + 1);
            if (row < RowCount()) {
                SetGridCell(RealColIndex(col), row, field);
                extent.Right = std::max(extent.Right, col);
                extent.Bottom = std::max(extent.Bottom, row);
            }
            ++col;
        }
        if (line + 1 < table.Rows.size()) {
            ++row;
            if (row >= ClipboardRowEnd()) SetRowCount(RowCount() + 1);
        }
    }
    EndUpdate();
    if (extent.Right >= extent.Left)
        DoCellsChanged({RealColIndex(extent.Left), extent.Top, RealColIndex(extent.Right), extent.Bottom});
}
