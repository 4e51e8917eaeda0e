#include "editors/table_row_helpers.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <QPointer>

namespace {

// The table the row clipboard was filled from: a paste takes it only into that table, so
// a row copied in another window's table of the same width never lands in a rule.
QPointer<QObject>& Copy_Source() {
    static QPointer<QObject> source;
    return source;
}

constexpr int kTextRowUsed = 900;
constexpr int kTextWrongWidth = 901;
constexpr int kTextNothingCopied = 902;

// The first refusals of a paste; false when it must stop.
bool PasteAllowed(bool copied, int columnsToFill) {
    if (!copied) {
        MessageDlg(LangText(kTextNothingCopied), mtError, {mbOK});
        return false;
    }
    if (columnsToFill != SL_Copy_Row.Count()) {
        MessageDlg(LangText(kTextWrongWidth), mtError, {mbOK});
        return false;
    }
    return true;
}

bool OverwriteConfirmed() { return MessageDlg(LangText(kTextRowUsed), mtConfirmation, {mbYes, mbNo}) == mrYes; }

bool IsDataCheckBoxCell(TExColumnGrid& grid, int realCol, int row) {
    TEditorType editor = edNormal;
    grid.GetCellEditorTypeEx(RealCol(realCol), DisplRow(row), editor);
    return editor == edDataCheckBox;
}

// One cell of the string grid as the row commands move it: its check-box state or text,
// and its read-only state.
struct StringGridCell {
    bool hasCheckBox = false;
    bool dataCheckBox = false;
    bool checked = false;
    QString text;
    bool readOnly = false;
};

StringGridCell ReadCell(TExStringGrid& grid, int col, int row) {
    StringGridCell cell;
    cell.hasCheckBox = grid.HasCheckBox(col, row);
    cell.dataCheckBox = cell.hasCheckBox && grid.HasDataCheckBox(col, row);
    if (cell.hasCheckBox) grid.GetCheckBoxState(col, row, cell.checked);
    else cell.text = grid.Cells(col, row);
    cell.readOnly = grid.ReadOnly(col, row);
    return cell;
}

void WriteCell(TExStringGrid& grid, int col, int row, const StringGridCell& cell) {
    if (cell.hasCheckBox) {
        if (grid.HasCheckBox(col, row)) grid.SetCheckBoxState(col, row, cell.checked);
        else grid.AddCheckBox(col, row, cell.checked, cell.dataCheckBox);
    } else {
        if (grid.HasCheckBox(col, row)) grid.RemoveCheckBox(col, row);
        grid.SetCells(col, row, cell.text);
    }
    grid.SetReadOnly(col, row, cell.readOnly);
}

void MoveStringGridRow(TExStringGrid& grid, int from, int to) {
    const int columns = grid.TotalColCount();
    for (int c = 1; c < columns; ++c) WriteCell(grid, c, to, ReadCell(grid, c, from));
}

// Empties a row of the string grid: texts cleared, boxes set (column 1 to enable_new).
void ResetStringGridRow(TExStringGrid& grid, int row, bool enable_new, bool readOnly) {
    const int columns = grid.TotalColCount();
    for (int c = 1; c < columns; ++c) {
        if (grid.HasCheckBox(c, row)) grid.SetCheckBoxState(c, row, c == 1 && enable_new);
        else grid.SetCells(c, row, QString());
        grid.SetReadOnly(c, row, readOnly);
    }
}

void CopyColumnGridRow(TExColumnGrid& grid, int from, int to) {
    const int columns = grid.TotalColCount();
    for (int c = 1; c < columns; ++c) grid.SetCells(c, to, grid.Cells(c, from));
}

void ClearColumnGridRow(TExColumnGrid& grid, int row) {
    const int columns = grid.TotalColCount();
    for (int c = 1; c < columns; ++c) grid.SetCells(c, row, QString());
}

}  // namespace

void Copy_Row_ColumnGrid(TExColumnGrid& grid, int row) {
    Copy_Source() = &grid;
    SL_Copy_Row.Clear();
    for (int c = 1; c < grid.TotalColCount(); ++c) SL_Copy_Row.Add(grid.Cells(c, row));
}

void Paste_Row_ColumnGrid(TExColumnGrid& grid, int row, bool copied) {
    const int columns = grid.TotalColCount();
    if (!PasteAllowed(copied && Copy_Source() == &grid, columns - 1)) return;
    bool used = false;
    for (int c = 1; c < columns && !used; ++c)
        used = !IsDataCheckBoxCell(grid, c, row) && !grid.Cells(c, row).trimmed().isEmpty();
    if (used && !OverwriteConfirmed()) return;
    for (int c = 1; c < columns; ++c) grid.SetCells(c, row, SL_Copy_Row.Strings(c - 1));
}

void Insert_Row_ColumnGrid(int row, TExColumnGrid& grid, bool enable_new) {
    grid.BeginUpdate();
    for (int r = grid.RowCount() - 2; r >= row; --r) CopyColumnGridRow(grid, r, r + 1);
    ClearColumnGridRow(grid, row);
    if (enable_new) grid.SetCells(1, row, QStringLiteral("Y"));
    grid.EndUpdate();
}

void Delete_Row_ColumnGrid(int row, TExColumnGrid& grid) {
    grid.BeginUpdate();
    for (int r = row; r <= grid.RowCount() - 2; ++r) CopyColumnGridRow(grid, r + 1, r);
    ClearColumnGridRow(grid, grid.RowCount() - 1);
    grid.EndUpdate();
}

void Copy_Row_StringGrid(TExStringGrid& grid, int row) {
    Copy_Source() = &grid;
    SL_Copy_Row.Clear();
    const int columns = grid.TotalColCount();
    Copy_Row_CheckBox.assign(std::size_t(columns), false);
    for (int c = 1; c < columns; ++c) {
        if (grid.HasCheckBox(c, row)) {
            bool checked = false;
            grid.GetCheckBoxState(c, row, checked);
            Copy_Row_CheckBox[std::size_t(c)] = true;
            SL_Copy_Row.Add(checked ? QStringLiteral("Y") : QStringLiteral("N"));
        } else {
            SL_Copy_Row.Add(grid.Cells(c, row));
        }
    }
}

void Paste_Row_StringGrid(TExStringGrid& grid, int row, bool copied) {
    const int columns = grid.TotalColCount();
    if (!PasteAllowed(copied && Copy_Source() == &grid, columns - 1)) return;
    bool used = false;
    for (int c = 1; c < columns && !used; ++c) used = !grid.HasCheckBox(c, row) && !grid.Cells(c, row).isEmpty();
    if (used && !OverwriteConfirmed()) return;
    for (int c = 1; c < columns; ++c) {
        const QString& text = SL_Copy_Row.Strings(c - 1);
        const bool copiedBox = std::size_t(c) < Copy_Row_CheckBox.size() && Copy_Row_CheckBox[std::size_t(c)];
        if (copiedBox && grid.HasCheckBox(c, row)) grid.SetCheckBoxState(c, row, text == QLatin1String("Y"));
        else if (!copiedBox) grid.SetCells(c, row, text);
    }
}

void Insert_Row_StringGrid(int row, TExStringGrid& grid, bool enable_new) {
    grid.BeginUpdate();
    for (int r = grid.RowCount() - 2; r >= row; --r) MoveStringGridRow(grid, r, r + 1);
    ResetStringGridRow(grid, row, enable_new, false);
    grid.EndUpdate();
}

void Delete_Row_StringGrid(int row, TExStringGrid& grid, bool enable_new) {
    grid.BeginUpdate();
    for (int r = row; r <= grid.RowCount() - 2; ++r) MoveStringGridRow(grid, r + 1, r);
    ResetStringGridRow(grid, grid.RowCount() - 1, enable_new, true);
    grid.EndUpdate();
}

void Enter_Next_Cell(TExStringGrid& grid, QChar& Key) {
    if (!Enable_Jump_Field || Key != QChar(13)) return;
    if (grid.Col() > 0 && grid.Row() > 0) {
        int col = grid.Col() + 1;
        int row = grid.Row();
        if (col > grid.ColCount() - 1) {
            col = 1;
            row = row >= grid.RowCount() - 1 ? 1 : row + 1;
        }
        grid.MoveCurrentCell(col, row);
    }
    Key = QChar(0);
}

void Auto_Size_Column(TExStringGrid& grid, int ARow, int ACol) {
    if (Enable_Auto_Size && ARow == 0) grid.AutoSizeCol(ACol, 0);
}
