#pragma once
// The row commands every rule table shares (Copy, Paste, Insert and Delete Row), the
// Enter-key walk and the header double-click sizing. Two families: one for the column
// grids of the rule editors, one for the DALI editor's string grid with check boxes.
//
// The row clipboard (SL_Copy_Row, Copy_Row_CheckBox in core/program_state.h) is shared by
// every table of every window, and remembers the table it was filled from. A paste is
// refused until the caller's table had a row copied (its own flag, passed as `copied`)
// and unless the last row copied anywhere came from that same table.
//
// Column indexes:
// - Column 0 holds the row number and is never touched; row 0 is the header.
// - Every family carries the real columns 1 to ColCount + NumHiddenColumns - 1, hidden
//   ones included, and a paste's width check compares that number: a row moves whole,
//   whichever command moves it. Without hidden columns these are the displayed columns.
// - Insert and delete repaint once (inside the grid's update lock) and cost what the
//   rows below the place cost.

class TExColumnGrid;
class TExStringGrid;
class QChar;

void Copy_Row_ColumnGrid(TExColumnGrid& grid, int row);
void Paste_Row_ColumnGrid(TExColumnGrid& grid, int row, bool copied);
// An empty row at `row`, the rows below moving down and the last row's contents lost.
// With enable_new column 1 becomes "Y" (a new rule starts enabled).
void Insert_Row_ColumnGrid(int row, TExColumnGrid& grid, bool enable_new);
// The rows below `row` move up; the last row is emptied.
void Delete_Row_ColumnGrid(int row, TExColumnGrid& grid);

void Copy_Row_StringGrid(TExStringGrid& grid, int row);
void Paste_Row_StringGrid(TExStringGrid& grid, int row, bool copied);
// As the column-grid insert; check-box states and read-only states move with their
// cells. The new row is editable, its column-1 box checked with enable_new.
void Insert_Row_StringGrid(int row, TExStringGrid& grid, bool enable_new);
// As the column-grid delete, moving states the same way. The emptied last row is read-only.
void Delete_Row_StringGrid(int row, TExStringGrid& grid, bool enable_new);

// The grids' key-press handler: with the jump option on, Enter moves to the next cell
// (wrapping to column 1 of the next row, and from the last row to row 1) and is consumed.
void Enter_Next_Cell(TExStringGrid& grid, QChar& Key);
// The grids' cell double-click handler: with the auto-size option on, a double click on
// the header row sizes that column to its contents.
void Auto_Size_Column(TExStringGrid& grid, int ARow, int ACol);
