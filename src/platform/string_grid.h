#pragma once
// The string grid control the product's grids derive from: a scrolled table of cells
// with fixed rows and columns, one text and one object reference per cell, a current
// cell, a selection, in-place editing, and sizing and moving of rows and columns by
// mouse. It draws nothing by itself but the cells: Paint calls DrawCell once for every
// visible cell, row by row and within a row the fixed columns first, without clipping
// to the cell, so a cell may paint over its neighbours (merged areas rely on it; a cell
// that reaches over the fixed cells clips itself).
//
// A new grid has 5 x 5 cells with one fixed row and column, columns 64 and rows 24
// pixels, grid lines 1 pixel, and the options goFixedVertLine, goFixedHorzLine,
// goVertLine, goHorzLine and goRangeSelect; the current cell is (1, 1).
//
// Index rules
// - Cells(c, r) and Objects(c, r) take any column and row index >= 0, also beyond
//   ColCount and RowCount: hidden columns keep their cells at their own index. Lowering
//   ColCount or RowCount keeps the cells beyond the new count; raising it again shows them.
// - Inserting, removing, swapping and moving rows moves whole rows (one pointer each);
//   MoveColumn / DeleteColumn move the cells of every stored row.
// - TakeRowsOut / PutRowsBack let a derived grid hold rows out of view and put them back
//   as units (cells, objects and heights), one pass over the grid for a whole list;
//   TakeColumnLine / PutColumnLine take a column out of view and back, its cells staying.
//
// Behaviour chosen where the product's code relies on the grid without saying how:
// - Every change of the current cell (keys, wheel, mouse, Col/Row/MoveColRow) asks
//   SelectCell(ACol, ARow) first; false leaves the current cell where it is. Moves by
//   code (SetCol, SetRow) also ask it.
// - Keys (KeyDown fires OnKeyDown first; a key it clears to 0 does nothing more):
//   arrows move one cell; Home/End go to the first/last scrolled column (with Ctrl, or
//   with goRowSelect, the first/last row as well); PgUp/PgDn scroll and move by
//   VisibleRowCount rows; with goRowSelect Left/Right scroll one column instead; Tab /
//   Shift+Tab move to the next / previous cell when goTabs is on, wrapping to the next
//   row. Shift with a move extends the selection when goRangeSelect is on. F2 and Enter
//   open the editor when goEditing is on (Enter closes it again); a typed character
//   (or Backspace) opens it with that character instead of reaching KeyPress; Esc in
//   the editor goes to the grid's keys, and KeyPress then loads the editor from the
//   cell again and closes it. The editor hands Up, Down, PgUp, PgDn, Tab, Enter, Esc,
//   and Left/Right at the ends of its text to the grid.
// - The wheel moves the current cell one row per notch (down for a notch towards the
//   user), scrolling with it; the finer steps of touchpads and free-spinning wheels add
//   up to notches.
// - The current cell is kept in view: a move scrolls by whole rows and columns so that
//   it becomes fully visible. Scroll bars scroll by whole rows and columns: a bar's
//   position is the first scrolled row (column) it shows, its page the rows (columns)
//   in view, so the thumb's length is the visible share. Dragging the thumb scrolls
//   the view only with goThumbTracking; otherwise the view follows when it is released.
// - Every scroll bar action reaches ScrollNotice before the view moves (a line or page
//   step, the thumb dragged over or released at a position, a jump to an end), and
//   scEndScroll follows once the action is over. A derived grid may swallow a step.
// - Mouse: a press on a scrolled cell makes it current (after SelectCell) and, with
//   goRangeSelect, dragging extends the selection. A press within 3 pixels of a fixed
//   row's column border starts sizing that column (goColSizing), within 3 pixels of a
//   fixed column's row border sizing that row (goRowSizing); the release sets the width
//   or height (at least 0). A press on a fixed cell with goColMoving / goRowMoving starts
//   moving that column / row; the release over another scrolled column / row moves it
//   there and calls ColumnMoved / RowMoved. A press on the current cell with goEditing
//   opens the editor.
// - The in-place editor is created once through CreateEditor when ShowEditor first
//   needs it (after CanEditShow), loaded through GetEditText, placed over the current
//   cell and focused; HideEditor stores its text through SetEditText (every time, also
//   an unchanged text: what Esc restored must reach the cell) and hides it. Any move of
//   the current cell and every scroll hides it first.
// - Before DrawCell the canvas's brush takes FixedColor for a fixed cell, clHighlight
//   for a selected one (font clHighlightText) and the grid's Color otherwise.
// - Right-to-left mode (BiDiMode) is kept for the product's painting to read; the grid
//   itself does not mirror.

#include "platform/custom_control.h"
#include "platform/grid_axis.h"
#include "platform/grid_cell_store.h"
#include "platform/mask_edit.h"

#include <QAbstractScrollArea>
#include <QTextEdit>
#include <functional>

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// What a scroll bar reports, in the order a user's action produces them.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scThumbPosition, scThumbTrack, scTop, scBottom, scEndScroll };
enum TScrollBarKind { sbHorizontal, sbVertical };

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, edges inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

class TStringGrid;

// The grid's in-place editor: a plain-text edit of one or more lines, or a one-line face
// showing PasswordChar in place of each character. A key runs through the phases of the
// original platform's edit: WMKeyDown (KeyDown, then the edit's own caret and deletion
// keys), unless that consumed the key (Result non-zero) WMChar (KeyPress, then the edit
// types the character: 8 deletes back, 13 and 10 break the line, 1 and 3, 22, 24 are
// select all, copy, paste and cut), and WMKeyUp on release. KeyDown hands Up, Down, PgUp,
// PgDn, Tab, Enter, and Left/Right at the ends of the text to the grid; Esc puts the
// grid's text back and closes the editor. Positions count characters of Text(), whose
// line breaks are single "\n" characters.
// Before Tab reaches Qt's focus chain, and before the key-down of Enter, Esc and the
// arrows, the edit is asked whether it wants the key (CMWantSpecialKey). Not wanted, Tab
// moves the focus to the next control and Enter and Esc go to the window's dialog keys
// first (default and cancel buttons). The multi-line face wants Enter, Esc and the
// arrows, the one-line password face the arrows only; both want Tab with goTabs.
class TInplaceEdit : public TControlOf<QTextEdit> {
public:
    explicit TInplaceEdit(TStringGrid* AGrid);

    QString Text() const;
    // Replaces the whole text; the caret goes to its end and Modified is cleared.
    void SetText(const QString& value);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    // Caret at value, nothing selected.
    void SetSelStart(int value);
    // Selects value characters from SelStart.
    void SetSelLength(int value);
    void SelectAll();
    // 0 is no limit: typing and pasting never make the text longer than it.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = qMax(0, value); }
    bool Modified() const;
    void SetModified(bool value);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    // Null for the plain face; any other character gives the one-line password face.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    // Lines wrap at the right margin; without it the text scrolls sideways.
    void SetWrapping(bool value);
    void SetRightAligned(bool value);
    // Space kept free of text inside the edit.
    void SetTextMargins(int left, int top, int right, int bottom);
    // An edit mask of the masked edit's notation: the edit shows one line with the mask's
    // blanks, typing and deleting follow the mask, and Text() is the masked edit's text.
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& value);
    // Every position to fill holds a character.
    bool EditMaskFilled() const;
    // Visual line (wrapped lines count) of a character position, and the character
    // under a point of the edit; -1 outside the text area.
    int LineOfPosition(int position) const;
    int CharFromPos(QPoint point) const;

protected:
    friend class TStringGrid;
    TStringGrid* Grid() const { return FGrid; }
    // Loads the text of the current cell (GetEditText); the grid calls it before it shows
    // the editor.
    virtual void UpdateContents();
    // Places the edit over the current cell; the grid calls it whenever the cell moves.
    virtual void BoundsChanged();
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    virtual void WMKeyDown(TWMKey& Message);
    virtual void WMChar(TWMKey& Message);
    virtual void WMKeyUp(TWMKey& Message);
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void WMCut();
    virtual void WMCopy();
    virtual void WMPaste();
    // Message.WParam is the key; a non-zero Result keeps it in the edit.
    virtual void CMWantSpecialKey(TMessage& Message);
    bool event(QEvent* event) override;
    // What the edit itself does with a key and a character.
    void DefaultKeyDown();
    void DefaultChar(QChar Ch);
    // Puts text in place of the selection, cut to what MaxLength leaves room for.
    void InsertText(const QString& text);
    // Characters the edit shows, the caret's last position: Text()'s length, or with an
    // edit mask the masked text's with its blanks.
    int ShownLength() const;
    // The key event being handled, for relaying it to the grid.
    QKeyEvent* CurrentKeyEvent() const { return FKeyEvent; }
    void PassKeyToGrid();
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    TStringGrid* FGrid;
    QKeyEvent* FKeyEvent = nullptr;
    int FMaxLength = 0;
    QChar FPasswordChar;
    // The password face's text: the document holds only PasswordChar.
    QString FSecret;
    // With an edit mask, the masked edit (never shown) holds the text and applies the
    // mask; the document shows its text with the blanks.
    QString FEditMask;
    std::unique_ptr<TCustomMaskEdit> FMaskEngine;
    void ShowMaskedText();
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;

class TStringGrid : public TCustomControlOf<QAbstractScrollArea> {
    friend class TInplaceEdit;

public:
    explicit TStringGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TStringGrid() override;

    // Counts. The setters are not virtual: a grid class that declares its own setter
    // hides this one, and operations of this class keep using this one.
    int ColCount() const { return FColAxis.Count(); }
    void SetColCount(int value);
    int RowCount() const { return FRowAxis.Count(); }
    void SetRowCount(int value);
    int FixedCols() const { return FColAxis.Fixed(); }
    void SetFixedCols(int value);
    int FixedRows() const { return FRowAxis.Fixed(); }
    void SetFixedRows(int value);

    int DefaultColWidth() const { return FColAxis.DefaultSize(); }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FRowAxis.DefaultSize(); }
    void SetDefaultRowHeight(int value);
    int ColWidths(int ACol) const { return FColAxis.Size(ACol); }
    void SetColWidths(int ACol, int value);
    int RowHeights(int ARow) const { return FRowAxis.Size(ARow); }
    void SetRowHeights(int ARow, int value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { FDefaultDrawing = value; }
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

    // Scrolling: the first scrolled column and row shown after the fixed ones.
    int LeftCol() const { return FColAxis.First(); }
    void SetLeftCol(int value);
    int TopRow() const { return FRowAxis.First(); }
    void SetTopRow(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The current cell and the selection.
    int Col() const { return FCurrent.X; }
    void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    // Any block is accepted, also one outside the grid: the selection's anchor takes its
    // top-left corner and the current cell its bottom-right corner, unchecked.
    void SetSelection(const TGridRect& value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TGridState GridState() const { return FGridState; }
    // For a derived grid's mouse handling: gsNormal ends a sizing or moving drag without
    // its effect (the release then changes nothing), gsSelecting turns a press into a
    // range selection.
    void SetGridState(TGridState value) {
        FGridState = value;
        if (value == gsNormal) FSizingIndex = FMoveIndex = -1;
    }

    // Storage, addressed at any index >= 0 (see the index rules above).
    QString Cells(int ACol, int ARow) const { return FCells.Text(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& value);
    TObject* Objects(int ACol, int ARow) const { return FCells.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* value);
    const TGridCellStore& CellStore() const { return FCells; }

    // Screen rectangle of a visible cell; an empty rectangle for a cell out of view.
    TRect CellRect(int ACol, int ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // Rows and columns as blocks: storage, sizes and the current cell move together.
    void InsertRowsAt(int ARow, int ACount);
    void DeleteRowsAt(int ARow, int ACount);
    void DeleteRow(int ARow) { DeleteRowsAt(ARow, 1); }
    void DeleteColumn(int ACol);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveColumn(int FromIndex, int ToIndex);
    void SwapRows(int ARow1, int ARow2);

    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateGrid() { Surface()->update(); }

    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TDrawCellEvent OnDrawCell;

protected:
    // Hooks for the product's grids.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged() { UpdateScrollBars(); InvalidateGrid(); }
    virtual void RowHeightsChanged() { UpdateScrollBars(); InvalidateGrid(); }
    virtual bool CanEditShow();
    virtual TInplaceEdit* CreateEditor();
    // The plain editor was just created (once per grid), and it was just hidden (by
    // HideEditor, also when a move, a scroll or a structure change closed it).
    virtual void EditorCreated() {}
    virtual void PlainEditorHidden() {}
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // After the grid found a border under the mouse that sizing could start at (State
    // gsColSizing or gsRowSizing, Index the column or row): a derived grid may forbid it
    // by setting State to gsNormal.
    virtual void CalcSizingState(int /*X*/, int /*Y*/, TGridState& /*State*/, int& /*Index*/) {}
    // The view's size changed (after the scroll bars were set for it).
    virtual void SizeChanged() {}
    // While the release of a sizing drag sets the new size (GridState still gsColSizing
    // or gsRowSizing): the line sized and its size when the drag began.
    int SizingIndex() const { return FSizingIndex; }
    int SizingStartSize() const { return FSizingStartSize; }
    // The page a scroll bar's thumb shows, in rows (columns): the lines in view, so the
    // thumb's length is the visible share. A derived grid may answer a fixed page for a
    // thumb of fixed length; paging by the bar still moves by the lines in view. Call
    // RefreshScrollBars when the answer changes.
    virtual int ScrollThumbPage(TScrollBarKind Bar) const;
    void RefreshScrollBars() { UpdateScrollBars(); }
    // Whether a scroll may move the picture already on screen and paint only what it
    // uncovers: true when every pixel of the scrolled area belongs to a cell that moves
    // with it. A derived grid that paints something fixed over the cells says false, and
    // the whole view is repainted instead.
    virtual bool CanScrollPicture() const { return true; }
    // A scroll bar's notice before the view moves; Pos is the row (column) the bar is at
    // or dragged to. True swallows a step or a jump: the bar and the view stay where they
    // are (a thumb being dragged cannot be held back).
    virtual bool ScrollNotice(TScrollBarKind /*Bar*/, TScrollCode /*Code*/, int /*Pos*/) { return false; }

    void ShowEditor();
    void ShowEditorChar(QChar Ch);
    void HideEditor();
    void KeepEditorOnItsCell();
    void InvalidateEditor();
    // Makes (ACol, ARow) current after SelectCell agrees; MoveAnchor also collapses the
    // selection onto it, Show scrolls it into view.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    bool IsScrolledCell(int ACol, int ARow) const;
    // Called before rows (Rows true) or columns change place: lines First..Last are about
    // to move as one block, or to go when Removed. What spans the block's edges is
    // separated there; nothing else moves yet.
    virtual void LinesMoving(bool /*Rows*/, int /*First*/, int /*Last*/, bool /*Removed*/) {}
    // Called after rows or columns were inserted, removed or moved, and after a count
    // was lowered: cell coordinates kept elsewhere no longer hold.
    virtual void StructureChanged() {}
    const TGridAxis& ColAxis() const { return FColAxis; }

    // Rows out of view: their cells (objects included) and heights, in row order.
    struct TRowBlock {
        std::vector<TGridCellStore::TRowHandle> Cells;
        std::vector<int> Heights;
    };
    // Takes the given rows (ascending, distinct, inside the grid) out and closes the
    // gaps; the current cell follows its row or, when that goes, the row that takes its
    // place. Nothing is freed: the caller holds the rows.
    TRowBlock TakeRowsOut(const std::vector<int>& ascendingRows);
    // Puts rows back so that row i lands at ascendingPositions[i] of the grid after the
    // call; the rows between move down around them.
    void PutRowsBack(const std::vector<int>& ascendingPositions, TRowBlock rows);
    // A displayed column leaves the view or comes back at ACol with the given width; the
    // cells stay where they are stored, only the displayed count and widths change. The
    // current cell follows its column.
    int TakeColumnLine(int ACol);
    void PutColumnLine(int ACol, int Width);
    const TGridAxis& RowAxis() const { return FRowAxis; }
    // Columns of the cell store (any index, hidden ones included): ACount empty columns
    // at ACol, or ACount columns from ACol gone, in every stored row. Displayed widths
    // and the current cell are the caller's (TakeColumnLine / PutColumnLine).
    void InsertStoreColumns(int ACol, int ACount);
    void DeleteStoreColumns(int ACol, int ACount);

    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // Explicit setters of the counts for the internal code of derived grids.
    void SetColCountRaw(int value) { TStringGrid::SetColCount(value); }
    void SetRowCountRaw(int value) { TStringGrid::SetRowCount(value); }

    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    void UpdateScrollBars();
    void ScrollBarMoved();
    void ScrollBarAction(TScrollBarKind Bar, int Action);
    void ConnectScrollBar(TScrollBarKind Bar);
    void ScrollIntoView(int ACol, int ARow);
    void ScrollPicture(bool Rows, int OldFirst, int NewFirst);
    void ClampCurrent();
    TRect CellScreenRect(int ACol, int ARow) const;
    int ClientW() const;
    int ClientH() const;
    void PlaceEditor();
    // Sizing and moving by mouse: the border or fixed cell under the mouse.
    bool SizingBorderAt(int X, int Y, TGridState& state, int& index);

    TGridAxis FColAxis;
    TGridAxis FRowAxis;
    TGridCellStore FCells;
    TGridCoord FCurrent;
    TGridCoord FAnchor;
    TGridOptions FOptions;
    TGridState FGridState = gsNormal;
    int FGridLineWidth = 1;
    bool FDefaultDrawing = true;
    TColor FFixedColor = clBtnFace;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    bool FUpdatingScrollBars = false;
    bool FThumbPositionReported = false;
    // Sizing: the line sized and where its leading edge would be for the mouse to sit
    // on its trailing edge; moving: the line taken.
    int FSizingIndex = -1;
    int FSizingEdge = 0;
    int FSizingStartSize = 0;
    int FMoveIndex = -1;
    // Wheel turn not yet amounting to a whole notch.
    int FWheelDelta = 0;
};
