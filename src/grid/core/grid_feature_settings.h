#pragma once
// Settings objects the string grid creates for features built elsewhere (sorting,
// grouping, footers, background, drag and drop, balloons, modified rows). Each holds the
// switches the grid core reads, with their defaults; Assign copies every field from an
// object of the same class and fires nothing. The features that use the rest of their
// settings add those fields with their own work.

#include "dropdowns/strip_appearance.h"
#include "grid/core/grid_enumerations.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/component.h"

#include <QString>
#include <functional>
#include <memory>

class TExStringGrid;

enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };

// The members painting reads; sorting itself completes them. Empty glyphs draw the
// built-in sort indicator.
class TSortSettings : public TObject {
public:
    // The owner grid is the one SaveToString, LoadFromString and Remove work on.
    explicit TSortSettings(TExStringGrid* AOwner = nullptr) : FOwner(AOwner) {}
    TExStringGrid* Owner() const { return FOwner; }
    // Real column QSort sorts by; -1: the grid is not sorted.
    int Column = -1;
    // How rows compare (grid/data/row_sort_keys.cpp): Full breaks ties by the columns to
    // the right; AutoFormat detects numbers, dates and times from the texts; IgnoreBlanks
    // puts empty texts at BlankPos in both directions; SortOnVirtualCells compares the
    // display texts, else the stored ones; NormalCellsOnly keeps column 0 in place.
    bool Full = true;
    bool AutoFormat = true;
    bool IgnoreCase = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool NormalCellsOnly = false;
    bool SortOnVirtualCells = true;
    int Row = 0;
    bool Show = false;
    bool SingleColumn = false;
    bool AutoSortForGrouping = true;
    bool FixedCols = false;
    TSortDirection Direction = sdAscending;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    bool AutoColumnMerge = false;
    TBitmap UpGlyph;
    TBitmap DownGlyph;
    const TBitmap& GetUpGlyph() const { return UpGlyph; }
    const TBitmap& GetDownGlyph() const { return DownGlyph; }
    bool IndexShow = false;
    TIndexSortKey IndexSortKey = ikShift;
    TBitmap IndexUpGlyph;
    TBitmap IndexDownGlyph;
    TColor IndexColor = clYellow;
    // The sort column's header gradient (clNone: drawn as the other fixed cells).
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderMirrorColor = clNone;
    TColor HeaderMirrorColorTo = clNone;
    // Copies every setting except SortOnVirtualCells and IgnoreCase, and keeps the owner.
    void Assign(const TObject* Source);
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }
    // The sort in a few characters (grid/data/sort_settings_text.cpp): "i;" and the sort
    // list with IndexShow, else "u" (ascending) or "d" (descending) and Column.
    QString SaveToString() const;
    // Shows the sort and sorts the owner grid as Value says (nothing for an empty text);
    // EExGridError "Invalid sort settings specifier" for a text shorter than two
    // characters, after Show was set. A column that is no number sorts nothing.
    void LoadFromString(const QString& Value);
    // Unsorted: Column -1, no sort list, the header row repainted.
    void Remove();

private:
    TExStringGrid* FOwner = nullptr;
};

// The filter drop-down's look; empty glyphs draw the built-in filter glyph. Width and
// Height size the list unless AutoSize fits it to its widest entry or ColumnWidth to the
// column's header cell.
class TFilterDropDown : public TObject {
public:
    bool AutoSize = false;
    TColor Color = clWindow;
    TFont Font;
    int Width = 150;
    int Height = 150;
    bool ColumnWidth = false;
    TBitmap Glyph;
    TBitmap GlyphActive;
    // Store a copy of the picture and fire OnChange (the grid repaints on it).
    void SetGlyph(const TBitmap& Value);
    void SetGlyphActive(const TBitmap& Value);
    TNotifyEvent OnChange;
    // Copies all but AutoSize and OnChange.
    void Assign(const TObject* Source);
};

enum TControlStyle { csClassic, csFlat, csWinXP, csBrantel, csZRT, csGlyph, csTheme };

class TExStringGrid;

// How check boxes, radio buttons, editor buttons, progress bars, comments and fixed-cell
// gradients look. The values are public fields (read as they stand); the Set... members
// store a value and give it its effect: a repaint of the owner grid, or the matching
// ZRTGradient colour of the grid for the FixedGradient colours. Defined in
// grid/view/control_look.cpp.
class TControlLook : public TObject {
public:
    explicit TControlLook(TExStringGrid* AOwner = nullptr);
    // Resets the colours (the grid's SetStyle calls it too); see control_look.cpp.
    void Init();
    // Copies from another TControlLook; anything else is ignored. Neither repaints the grid
    // nor reaches its ZRTGradient colours.
    void Assign(const TObject* Source);

    TExStringGrid* Owner() const { return FOwner; }

    int CheckSize = 15;
    TBitmap UnCheckedGlyph;
    TBitmap CheckedGlyph;
    TControlStyle ControlStyle = csTheme;
    TColor Color = clBlack;
    int RadioSize = 10;
    TBitmap RadioOffGlyph;
    TBitmap RadioOnGlyph;
    bool FlatButton = false;
    int ProgressMarginY = 2;
    int ProgressMarginX = 2;
    bool ProgressXP = false;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    TColor CommentColor = clRed;
    TColor ProgressBorderColor = clGray;
    TColor FixedGradientTo = clNone;
    TColor FixedGradientFrom = clNone;
    TColor FixedGradientMirrorTo = clNone;
    TColor FixedGradientMirrorFrom = clNone;
    TColor FixedGradientHoverTo = clWhite;
    TColor FixedGradientHoverFrom = clGray;
    TColor FixedGradientHoverMirrorTo = clNone;
    TColor FixedGradientHoverMirrorFrom = clNone;
    TColor FixedGradientHoverBorder = clSilver;
    TColor FixedGradientDownTo = clSilver;
    TColor FixedGradientDownFrom = clGray;
    TColor FixedGradientDownMirrorTo = clNone;
    TColor FixedGradientDownMirrorFrom = clNone;
    TColor FixedGradientDownBorder = clGray;
    bool FixedDropDownButton = false;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    int HintMaxWidth = 0;

    // Store and repaint the owner grid.
    void SetCheckSize(int Value);
    void SetCheckedGlyph(const TBitmap& Value);
    void SetUnCheckedGlyph(const TBitmap& Value);
    void SetRadioSize(int Value);
    void SetRadioOnGlyph(const TBitmap& Value);
    void SetRadioOffGlyph(const TBitmap& Value);
    void SetColor(TColor Value);
    void SetControlStyle(TControlStyle Value);
    void SetCommentColor(TColor Value);
    void SetFlatButton(bool Value);
    void SetNoDisabledCheckRadioLook(bool Value);
    void SetNoDisabledButtonLook(bool Value);
    void SetProgressMarginX(int Value);
    void SetProgressMarginY(int Value);
    void SetProgressXP(bool Value);
    void SetDropDownAlwaysVisible(bool Value);
    void SetSpinButtonsAlwaysVisible(bool Value);
    // Store; a colour other than clNone also goes to the grid's ZRTGradient colour.
    void SetFixedGradientFrom(TColor Value);
    void SetFixedGradientTo(TColor Value);
    void SetFixedGradientHoverFrom(TColor Value);
    void SetFixedGradientHoverTo(TColor Value);
    void SetFixedGradientHoverBorder(TColor Value);
    void SetFixedGradientDownFrom(TColor Value);
    void SetFixedGradientDownTo(TColor Value);
    void SetFixedGradientDownBorder(TColor Value);
    // Store and always set the grid's mirror colour (clNone clears it).
    void SetFixedGradientMirrorFrom(TColor Value);
    void SetFixedGradientMirrorTo(TColor Value);
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    void SetFixedGradientHoverMirrorTo(TColor Value);
    void SetFixedGradientDownMirrorFrom(TColor Value);
    void SetFixedGradientDownMirrorTo(TColor Value);

    // The pop-up header and footer the grid's drop-down editors take at each edit.
    THeaderAppearance DropDownHeader{nullptr};
    TFooterAppearance DropDownFooter{nullptr};

private:
    void Changed();
    TExStringGrid* FOwner = nullptr;
};

// How Group and SubGroup shape and colour header and summary rows.
class TGrouping : public TObject {
public:
    bool MergeHeader = false;
    bool MergeSummary = false;
    TColor HeaderColor = clNone;
    TColor SummaryColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool Summary = false;
    TColor SummaryTextColor = clNone;
    TColor SummaryColorTo = clNone;
    bool HeaderUnderline = false;
    bool SummaryLine = false;
    int SummaryLineWidth = 2;
    int HeaderLineWidth = 2;
    TColor SummaryLineColor = clBlue;
    TColor HeaderLineColor = clBlue;
    bool ShowGroupCount = false;
    QString GroupCountFormat;
    bool AutoSelectGroup = false;
    // Checking a node row's check box checks its group.
    bool AutoCheckGroup = false;
    // Copies the looks, not Summary nor the line widths and colours.
    void Assign(const TObject* Source);
};

enum TBackgroundDisplay { bdTile, bdFixed, bdCenter, bdStretch, bdGradientHorz, bdGradientVert };
// Where a tiled background picture starts: at the first normal cell, at the client's
// corner, or nowhere but the fixed cells.
enum TBackgroundCells { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells. The fields are public; the Set... members
// store and repaint the owner grid (grid/view/control_look.cpp). Assign copies the values
// (the grid's own Assign uses it) and keeps the owner.
class TBackGround : public TObject {
public:
    explicit TBackGround(TExStringGrid* AGrid = nullptr) : FGrid(AGrid) {}
    int Top = 0;
    int Left = 0;
    TBackgroundDisplay Display = bdTile;
    TBackgroundCells Cells = bcNormal;
    TColor ColorTo = clBtnFace;
    TColor Color = clWindow;
    TBitmap Bitmap;
    bool IsGradient() const { return Display == bdGradientHorz || Display == bdGradientVert; }
    void Assign(const TObject* Source);

    void SetTop(int Value);
    void SetLeft(int Value);
    void SetDisplay(TBackgroundDisplay Value);
    void SetCells(TBackgroundCells Value);
    void SetColor(TColor Value);
    void SetColorTo(TColor Value);
    void SetBitmap(const TBitmap& Value);

private:
    void Changed();
    TExStringGrid* FGrid = nullptr;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// Settings of the floating footer along the grid's bottom. Visible, Height and
// FooterStyle are read as fields; their setters also update the grid and its footer
// panel (grid/view/floating_footer.cpp).
class TFloatingFooter : public TObject {
public:
    explicit TFloatingFooter(TExStringGrid* AOwner = nullptr) : FGrid(AOwner) {}
    bool Visible = false;
    int Height = 22;
    TFooterStyle FooterStyle = fsFixedLastRow;
    bool EnableCalculation = true;
    bool CalculateHiddenRows = true;
    std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)> OnCalcFooter;

    void SetVisible(bool Value);
    void SetHeight(int Value);
    void SetFooterStyle(TFooterStyle Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    int Column() const { return FColumn; }
    void SetColumn(int Value);
    const QString& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const QString& Value);
    // The calculation of column c, kept with the last row's cell of that column.
    TColumnCalcType ColumnCalc(int c) const;
    void SetColumnCalc(int c, TColumnCalcType Value);
    void Invalidate();
    // Copies the look and the style, shows or hides as the source; not BorderColor,
    // Height or EnableCalculation.
    void Assign(const TObject* Source);

private:
    TExStringGrid* FGrid;
    bool FShowHint = false;
    TColor FColor = clBtnFace;
    TColor FBorderColor = clNone;
    int FColumn = 0;
    QString FCustomTemplate;
};

// Drag and drop of cells, rows and columns between grids and other programs. Plain
// fields only store; OleDropTarget and OleDropRTF are set through their setters, which
// tell the grid (OnChange) and, for the rich text, every grid of the program.
class TDragDropSettings : public TObject {
public:
    bool ShowCells = true;            // the drag image shows the dragged cells
    bool OleAcceptFiles = true;
    bool OleAcceptText = true;
    bool OleAcceptURLs = true;
    bool OleAppendRows = false;       // a drop below the last row appends (with OleEntireRows)
    bool OleColumnDragDrop = false;   // a drag started in the header drags the column
    bool OleColumnReorder = false;    // a column dropped on the same grid moves there
    bool OleColumnsOnly = false;      // only drags started in the fixed rows go ahead
    bool OleCopyAlways = false;       // a move never removes or clears the source cells
    bool OleDropSource = false;
    bool OleEntireRows = false;
    bool OleInsertRows = false;       // dropped text is inserted as new rows
    bool OleRemoveRows = false;       // a move removes the dragged rows (with goRowSelect)
    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value);
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value);
    TNotifyEvent OnChange;
    // Copies every option, the two with setters through them.
    void Assign(const TObject* Source);

private:
    bool FOleDropTarget = false;
    bool FOleDropRTF = false;
};

class TDragScrollDelays : public TObject {
public:
    int InitialDelay = 1000;  // milliseconds
    int RepeatDelay = 250;
    void Assign(const TObject* Source);
};

class TDragScrollMargins : public TObject {
public:
    int TopMargin = 50;  // pixels
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
    void Assign(const TObject* Source);
};

// Scrolling while something is dragged over the grid.
class TDragScrollOptions : public TObject {
public:
    bool Active = false;
    TDragScrollDelays* Delays() const { return FDelays.get(); }
    TDragScrollMargins* Margins() const { return FMargins.get(); }
    void Assign(const TObject* Source);

private:
    std::unique_ptr<TDragScrollDelays> FDelays = std::make_unique<TDragScrollDelays>();
    std::unique_ptr<TDragScrollMargins> FMargins = std::make_unique<TDragScrollMargins>();
};

class TShowModified : public TObject {
public:
    bool Enabled = false;
    TColor Color = clYellow;  // the bar beside a modified row; read as a field
    void SetColor(TColor Value);
    TNotifyEvent OnChange;
    void Assign(const TObject* Source);
};

// Balloon hints of the grid. Enable is read as a field; SetEnable also tells the grid.
class TBalloonSettings : public TObject {
public:
    bool Enable = false;
    void SetEnable(bool Value);
    TColor TextColor = clNone;
    TColor BackgroundColor = clNone;
    int InitialDelay = -1;   // milliseconds; -1 keeps the style's
    int ReshowDelay = -1;
    int AutoHideDelay = -1;
    int Transparency = 0;    // 0 opaque; n gives an opacity of 255 - n
    bool FInit = false;      // the balloon window exists
    TNotifyEvent OnEnableChange;
    // Copies all but Transparency, and Enable without telling the grid.
    void Assign(const TObject* Source);
};
