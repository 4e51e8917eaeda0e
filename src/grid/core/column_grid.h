#pragma once
// TExColumnGrid: the string grid whose columns are described by items, one
// TGridColumnItem per REAL column in a TGridColumnCollection (Columns). The grid answers
// its per-cell questions (editor, combo items, check texts, read-only, colours, fonts,
// borders, sizes, filter entries) from the item of the cell's column, so a column's
// settings reach every normal cell without per-cell properties.
//
// Definitions, by concern:
//   column_grid_items.cpp    the item, the collection, keeping items and columns in step
//                            (SyncColumns, Update, SyncColumnHeaders), ColCount, column
//                            moves, inserted and removed columns, pop-up menus
//   column_grid_cells.cpp    the per-cell overrides, edit mask and length, filter list
//   column_grid_stream.cpp   SaveColumnsToStream / LoadColumnsFromStream
//   column_grid_ini.cpp      the column order in an ini file
//
// Index rules. Columns[i] is the item of real column i; Columns.Count() is always
// ColCount() + NumHiddenColumns() outside the grid's own operations. The per-cell hooks
// receive real columns (the core's hook rule) and pick the item directly; IsFixedCell
// and DoUpdateColumnSize receive displayed columns and map them once with RealColIndex;
// the edit mask and edit length map the displayed column they are given. The pop-up
// menus alone go by DISPLAYED position: a click on displayed column d opens the menu of
// Columns[d], whatever real column is shown there. The DALI editor relies on this: with
// its Address column (real 2) hidden it attaches the menus of the columns shown at
// positions 2, 3 and 4 to items 2, 3 and 4.
//
// ColCount is bound statically: SetColCount of this class runs the string grid's setter
// and then SyncColumns. The string grid's own operations (hiding, inserting, removing)
// call their own setter or the raw one, never this one, so items are added or freed
// once, by the operation of this class that wraps them.
//
// Column stream (SaveColumnsToStream / LoadColumnsFromStream): "TPF0", the class name
// "TExColumnGridIO" and the empty component name as short strings (one length byte,
// then Latin-1 bytes), then the property "Items" holding a collection value, then two
// end bytes (end of the properties, end of the children). Values are tagged:
//   0x01 list of strings (UTF-8 strings, closed by 0x00)   0x04 Int32 little-endian
//   0x08 false   0x09 true   0x0D nil reference   0x07 reference by component name
//   0x0E collection: per item 0x01, its properties, 0x00; closed by 0x00
//   0x14 UTF-8 string: Int32 byte length, then the bytes
// A property is its name as a short string followed by its value; an item's fonts and
// pens are written as dotted names ("Font.Name", "BorderPen.Width"). Enumerations are
// Int32 ordinals and sets Int32 bit masks, checked against their ranges when read.
// ColumnPopup is written by component name and found again among the components of the
// grid and of its owner (nil when none has that name); EditLink is written as nil.
// Bad or truncated input raises EReadError; nothing is assigned to Columns then, and no
// allocation is larger than the bytes left in the input.
//
// Column order in an ini file (SaveColumnPositions / LoadColumnPositions): section
// Section of the ini file Key, keys "CP0", "CP1", ... holding the organised index
// (DefIdx) of the column at each position. The file is read and written as plain text:
// "[section]" lines, "key=value" lines (names compared without regard to case), no
// escaping, other lines kept as they are; it is saved atomically. A saved order is
// applied only when it is a permutation of 0 .. n-1 for the n items, the items' own
// DefIdx are such a permutation and no column is hidden; otherwise nothing changes.

#include "grid/core/string_grid.h"
#include "platform/collection.h"
#include "platform/string_list.h"

#include <QIODevice>
#include <QString>
#include <memory>

class TExColumnGrid;
class TGridColumnCollection;
class TPopupMenu;
class TEditLink;

// The toolkit's error for a component stream it cannot read.
class EReadError : public Exception {
    using Exception::Exception;
};

enum TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick
};

// Properties that only store their value: X(type, name, initial value).
#define GRID_COLUMN_PLAIN_PROPERTIES(X)                             \
    X(int, AutoMinSize, 0)                                          \
    X(int, AutoMaxSize, 0)                                          \
    X(QString, CheckFalse, QStringLiteral("N"))                     \
    X(QString, CheckTrue, QStringLiteral("Y"))                      \
    X(TColumnPopupType, ColumnPopupType, cpFixedCellsRClick)        \
    X(int, DropDownCount, 8)                                        \
    X(int, EditLength, 0)                                           \
    X(TEditLink*, EditLink, nullptr)                                \
    X(QString, EditMask, QString())                                 \
    X(bool, FilterCaseSensitive, false)                             \
    X(int, MinSize, 0)                                              \
    X(int, MaxSize, 0)                                              \
    X(QString, Name, QString())                                     \
    X(bool, PrintBorderCustom, true)                                \
    X(TCellBorders, PrintBorders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom})) \
    X(TColor, PrintColor, TColor(0xFFFFFF))                         \
    X(bool, PrintFontCustom, true)                                  \
    X(bool, ReadOnly, false)                                        \
    X(TSortStyle, SortStyle, ssAutomatic)                           \
    X(QString, SortPrefix, QString())                               \
    X(QString, SortSuffix, QString())                               \
    X(int, SpinMax, 0)                                              \
    X(int, SpinMin, 0)                                              \
    X(int, SpinStep, 1)                                             \
    X(int, Tag, 0)

// Properties that store their value and notify the collection (Update).
#define GRID_COLUMN_NOTIFYING_PROPERTIES(X) \
    X(TColor, Color, clWindow)              \
    X(bool, ShowBands, false)               \
    X(bool, Fixed, false)                   \
    X(bool, Password, false)                \
    X(TCellBorders, Borders, TCellBorders{})

// Properties that store their value and repaint the grid.
#define GRID_COLUMN_REPAINTING_PROPERTIES(X)     \
    X(TAlignment, Alignment, taLeftJustify)      \
    X(QString, FloatFormat, QString())           \
    X(TAlignment, HeaderAlignment, taLeftJustify)

class TGridColumnItem : public TCollectionItem {
public:
    // An item in a collection takes its fonts and colour from the collection's grid; one
    // without a collection (the grid's FSaveCol) keeps new default fonts.
    explicit TGridColumnItem(TCollection* Collection);

    // Copies every setting but ColumnPopupType, PrintBorderCustom and PrintFontCustom,
    // without notifications; the width is kept in the item, the grid is not sized.
    void Assign(const TPersistent* Source) override;
    // The settings of the look: Assign less Header, Name, Tag, ComboItems,
    // DropDownCount and HeaderFont, with Color and Font taken from the grid.
    void AssignVisuals(const TGridColumnItem* Source);
    QString GetDisplayName() const;
    TExColumnGrid* Grid() const;

#define GRID_COLUMN_DECLARE(Type, Name, Initial) \
    Type Name() const { return F##Name; }       \
    void Set##Name(Type Value);
    GRID_COLUMN_PLAIN_PROPERTIES(GRID_COLUMN_DECLARE)
    GRID_COLUMN_NOTIFYING_PROPERTIES(GRID_COLUMN_DECLARE)
    GRID_COLUMN_REPAINTING_PROPERTIES(GRID_COLUMN_DECLARE)
#undef GRID_COLUMN_DECLARE

    // The grid's AllColWidths of the item's column (0 without a grid); writing also
    // sizes the column, or keeps the width for a hidden one until it is shown.
    int Width() const;
    void SetWidth(int Value);
    // Writes row 0 of the column (with fixed rows, outside column moves) and rebuilds
    // the grid's ColumnHeaders.
    const QString& Header() const { return FColumnHeader; }
    void SetHeader(const QString& Value);
    // The grid hears when the menu is destroyed and forgets it.
    TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(TPopupMenu* Value);
    TEditorType Editor() const { return FEditorType; }
    void SetEditor(TEditorType Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value);
    const TFont& PrintFont() const { return FPrintFont; }
    void SetPrintFont(const TFont& Value) { FPrintFont = Value; }
    const TPen& BorderPen() const { return FBorderPen; }
    void SetBorderPen(const TPen& Value);
    const TPen& PrintBorderPen() const { return FPrintBorderPen; }
    void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen = Value; }
    TStringList* ComboItems() { return &FComboItems; }
    const TStringList& ComboItems() const { return FComboItems; }
    void SetComboItems(const TStringList& Value) { FComboItems.Assign(Value); }
    TStringList* Filter() { return &FFilter; }
    const TStringList& Filter() const { return FFilter; }
    // Copies the entries and repaints the grid.
    void SetFilter(const TStringList& Value);
    int DefIdx() const { return FDefIdx; }
    void SetDefIdx(int Value) { FDefIdx = Value; }
    // The grid's Cells of the item's column at row idx.
    QString Rows(int idx) const;
    void SetRows(int idx, const QString& Value);
    // The grid's typed access at (the item's column, idx), with its conversions and
    // errors; an item without a grid reads 0 and writes nothing.
    int Ints(int idx) const;
    void SetInts(int idx, int Value);
    double Floats(int idx) const;
    void SetFloats(int idx, double Value);
    TDateTime Dates(int idx) const;
    void SetDates(int idx, TDateTime Value);
    TDateTime Times(int idx) const;
    void SetTimes(int idx, TDateTime Value);

private:
    friend class TExColumnGrid;
    friend struct TColumnStreamAccess;
    void Changed();
    void Repaint();

#define GRID_COLUMN_FIELD(Type, Name, Initial) Type F##Name = Initial;
    GRID_COLUMN_PLAIN_PROPERTIES(GRID_COLUMN_FIELD)
    GRID_COLUMN_NOTIFYING_PROPERTIES(GRID_COLUMN_FIELD)
    GRID_COLUMN_REPAINTING_PROPERTIES(GRID_COLUMN_FIELD)
#undef GRID_COLUMN_FIELD
    int FWidth = 50;
    QString FColumnHeader;
    TPopupMenu* FColumnPopup = nullptr;
    TEditorType FEditorType = edNormal;
    TFont FFont;
    TFont FHeaderFont;
    TFont FPrintFont;
    TPen FBorderPen;
    TPen FPrintBorderPen;
    TStringList FComboItems;
    TStringList FFilter;
    int FDefIdx = 0;
};

// The items of a column grid. Adding, inserting and deleting through this class notify
// the collection (Update), which brings the grid's ColCount to the item count unless
// the grid itself is changing the items (FNoRecursiveUpdate) or loading.
class TGridColumnCollection : public TCollectionOf<TGridColumnItem> {
public:
    explicit TGridColumnCollection(TExColumnGrid* AOwner);

    TExColumnGrid* Grid() const { return FOwner; }
    // A new item takes the look of the item before it.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    void Assign(const TPersistent* Source) override;
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // The change notice: Item is the changed item, or none for a change of the list.
    virtual void Update(TGridColumnItem* Item);
    // Takes the current order as the organised one (DefIdx := index).
    void SetOrganization();
    // Moves every column whose DefIdx is below its index there, until nothing moves.
    void ResetOrganization();

    bool FNoRecursiveUpdate = false;

private:
    TExColumnGrid* FOwner;
    int FUpdateCount = 0;
};

using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TExColumnGrid : public TExStringGrid {
public:
    explicit TExColumnGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExColumnGrid() override;

    TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
    void SetColumns(const TGridColumnCollection& Value) { FColumnCollection->Assign(&Value); }
    // The string grid's setter, then SyncColumns. Only callers outside the grid use it.
    void SetColCount(int Value);
    void SyncColumns();
    void SyncColumnHeaders();
    TGridColumnItem* GetColumnByName(const QString& AValue) const;
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    int GetVersionNr() const override { return 0x03010301; }
    QString GetVersionString() const override { return QStringLiteral("3.1.3.1 Aug, 2012"); }

    void Loaded() override;
    void UpdateFooterAll() override;
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void SaveColPositions() override;
    void LoadColPositions() override;

    void SaveColumnsToStream(QIODevice& st);
    // Raises EReadError for input that is not a column stream; Columns stay as they were.
    void LoadColumnsFromStream(QIODevice& st);
    // False when the file cannot be written.
    bool SaveColumnPositions(const QString& Key, const QString& Section);
    void LoadColumnPositions(const QString& Key, const QString& Section);

    // ---- per-cell overrides (column_grid_cells.cpp)
    void GetCellDefaults(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo, TColor& MirrorColor,
                         TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                         TCellGradientDirection& GD) override;
    QString GetFormattedCell(RealCol ACol, DisplRow ARow) override;
    QString GetCellFloatFormat(RealCol ACol, DisplRow ARow) override;
    TCellType GetCellType(int ACol, int ARow) const override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) const override;
    void DoUpdateColumnSize(DisplCol ACol, int& AWidth) override;
    void DoUpdateAutoColumnSize(DisplCol ACol, int& AWidth) override;
    void DoColumnHeadersChanged() override;
    void GetCellColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush,
                           TFont* AFont) override;
    void GetCellBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellAlignment(RealCol ACol, DisplRow ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetCellFormat(RealCol ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void GetCellEditorTypeEx(RealCol ACol, DisplRow ARow, TEditorType& AEditor) override;
    void IsFixedCell(DisplCol ACol, DisplRow ARow, bool& IsFixed) override;
    void CanEditBaseCell(RealCol ACol, DisplRow ARow, bool& CanEdit) override;
    void IsPasswordCell(RealCol ACol, DisplRow ARow, bool& IsPassword) override;
    bool CellHasComboBox(RealCol ACol, DisplRow ARow) override;
    void GetCheckTrue(RealCol ACol, DisplRow ARow, QString& Value) override;
    void GetCheckFalse(RealCol ACol, DisplRow ARow, QString& Value) override;
    bool GetColumnFilter(RealCol Column) override;
    bool HasColumnFilter(RealCol Column) override;
    // The entry's caption (the part before "=") becomes the header with AutoFilterDisplay,
    // and OnFilterSelect gets it with the condition (the part after "=", or the whole entry),
    // which the grid's filter entry of the column then takes with FilterCaseSensitive.
    // With AutoFilterUpdate the filter is switched off before and on after, the first
    // normal row becomes current and OnFilterDone fires.
    void FilterSelect(int ItemIndex) override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;

    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TGridColumnItem;
    friend class TGridColumnCollection;
    // The item of a column when there is one.
    TGridColumnItem* ItemAt(int ACol) const;
    bool IsBodyCell(int ACol, int ARow) const;
    bool IsNormalCell(int ACol, int ARow) const;
    // Moves the columns so that the item whose DefIdx is Order[j] stands at position j.
    void ArrangeColumns(const std::vector<int>& Order);

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
};

// The component written to a column stream: its one property is a column collection
// owned by the column grid it was created for.
class TExColumnGridIO : public TComponent {
public:
    // Raises EConvertError (the invalid-cast error) when AOwner is not a TExColumnGrid.
    explicit TExColumnGridIO(TComponent* AOwner);
    TGridColumnCollection* Items() const { return FItems.get(); }

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};
