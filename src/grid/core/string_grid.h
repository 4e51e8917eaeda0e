#pragma once
// TExStringGrid: the grid of every rule table. A string grid with per-cell properties,
// cell objects, hidden rows and columns, merged cells and a hook per cell question (its
// colour, border, alignment, editor, fixed, editable, password, check texts, filter
// entries), each giving a built-in answer and then firing its event.
//
// Index kinds
//   Cells, GridCells, Objects and every cell accessor take the REAL column (a hidden
//   column keeps its cells at its own index) and the DISPLAYED row. The All... accessors
//   take the real row. ColCount and RowCount count displayed lines; Col and Row are
//   displayed. The per-cell hooks take RealCol and DisplRow (grid_index.h): a caller that
//   holds a displayed column converts it with RealColIndex first; where the hook reports
//   to an event the event gets the plain numbers. IsFixed and IsFixedCell take the
//   displayed column (the fixed columns are counted on the screen).
//
// Member definitions, by concern:
//   string_grid_life_cycle.cpp     Create, Destroy, Loaded, CreateWnd, Assign, AssignCells,
//                                  Invalidate, Resize, SetBounds, versions, the owner
//                                  form's resize chain, change notifiers
//   grid_pack_startup.cpp          process-wide start-up and shut-down of the grid pack
//   string_grid_hooks.cpp          the per-cell hooks and the base grid's hooks
//   string_grid_cell_access.cpp    All... accessors, sorted/original/stripped cells,
//                                  current cell, per-cell attributes, combo lists
//   string_grid_selection.cpp      selection queries, SelectedText, SelectionToForm
//   string_grid_cell_objects.cpp   cell object store, cell types, graphic sizes, link text
//   string_grid_row_selection.cpp  fills, row and column selection, repainting, row flags
//   string_grid_stream.cpp         the grid's own text stream format
//   string_grid_properties.cpp     setters of the look declared with the published values
//   string_grid_dimensions.cpp     counts, fixed lines, setters with side effects, scrolling
//   string_grid_hidden.cpp         hidden columns and rows, real and display index
//   string_grid_check_boxes.cpp    check boxes, radio buttons and radio groups: adding,
//                                  removing, queries
//   string_grid_check_boxes_state.cpp  check-box state: reading, setting, toggling with
//                                  group propagation, radio selection, the glyph hit test
//   string_grid_typed_access.cpp   integers, floats, dates, times, control values, headers,
//                                  highlight workers, print measurements, assorted
//   string_grid_calculations.cpp   column and row statistics, footer values, auto-numbering
//   string_grid_merge_by_content.cpp  merging runs of equal cells, splitting, joining columns
//   string_grid_rotated_cells.cpp  rotated-text cells
//   string_grid_used_ranges.cpp    the used cells and the ranges saved by export
//   grid/view/grid_messages.cpp    update lock, notices, size, hint request, timer 111
//   grid/view/grid_painting*.cpp   paint cycle, background outside the cells, border,
//                                  focus frame, sizing lines, text size, balloon text,
//                                  date notice, design-time panel
//   grid/view/grid_keyboard*.cpp   key-down, character and key-up phases, Insert and
//                                  Delete rows, the grid's key press (Enter, search)
//   grid/view/grid_tab_walk*.cpp   Tab walk, tab-stop queries, row appending
//   grid/edit/grid_editing*.cpp    in-place editing: editability, the editing gate,
//                                  SelectCell, showing and hiding editors, the text
//                                  exchange, validation, the advance, focus
//   grid/data/grid_clipboard.cpp, grid_search.cpp  clipboard text and incremental search
//
// Assign copies from another TExStringGrid: every published value property of this
// header's property list, every settings object (by its Assign), the counts, fixed
// counts, column widths, row heights, and the cells with their properties (a cell object
// is copied as a new TCellGraphic of the same content). Any other source is ignored.
//
// Life cycle on this platform: a grid built in code runs its constructor, then the
// caller's setters, then Loaded() (BeginLoading/EndLoading of TComponent). CreateWnd runs
// when the grid first gets a window (shown) and after it is given another parent; it
// starts timer 111 (500 ms). The owner form's resize handler is kept and chained while
// the grid lives, and given back by the destructor.

#include "controls/cell_control_drawing.h"
#include "controls/control_styles.h"
#include "grid/core/base_grid.h"
#include "grid/core/cell_graphic.h"
#include "grid/core/column_size_settings.h"
#include "grid/core/grid_feature_settings.h"
#include "grid/core/grid_index.h"
#include "grid/core/grid_option_objects.h"
#include "grid/core/grid_utility_lists.h"
#include "grid/core/node_settings.h"
#include "grid/core/string_grid_enumerations.h"
#include "grid/core/string_grid_events.h"
#include "grid/data/find_parameters.h"
#include "grid/data/grid_filter.h"
#include "grid/data/html_settings.h"
#include "grid/data/print_settings.h"
#include "grid/view/cell_draw_work.h"
#include "grid/view/grid_look_enumerations.h"
#include "grid/view/grid_progress_appearance.h"
#include "platform/form.h"
#include "platform/hint_info.h"
#include "platform/mask_edit.h"
#include "platform/interval_timer.h"
#include "platform/string_list.h"

#include <QByteArray>
#include <QStringList>
#include <QImage>
#include <QPointer>
#include <QIODevice>
#include <QVariant>
#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <vector>

class TExStringGrid;
class TSearchPanel;
class TExStringGridCheck;
class TExInplaceEdit;
class TForm;
class TListBox;
class TPicture;
class TScrollControl;
class QWidget;
class QLabel;
class QComboBox;
class TGridDatePicker;
class TGridDateTimePicker;
class QHelpEvent;
class QListWidget;
class QCursor;
class TPopupMenu;
struct TMarkupTextParams;
class QWheelEvent;
class TControlEdit;
class TExRichEdit;
class TEditBalloon;
class TControlCombo;
class TGridCombo;
class QDateTime;
class TGridSpin;
class TCellScrollBar;
class TBalloonWindow;
class TFooterPanel;
class THTMLHintWindow;
class THTMLPictureCache;
class TPictureContainer;
class THeaderDragButton;
class QMimeData;
class QDragEnterEvent;
class QDragMoveEvent;
class QDragLeaveEvent;
class QDropEvent;
struct THintInfo;
template <class Base>
class TGridDropDownEditor;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridExGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class QPrintPreviewDialog;
class TGridPrintJob;

// Raised for bad cell values and indexes; the message is fixed English text.
class EExGridError : public Exception {
    using Exception::Exception;
};

// Listener of cell changes: the grid calls CellsChanged of every registered notifier
// with the changed rectangle, in registration order.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;
    virtual void CellsChanged(TRect /*R*/) {}
};

// One selection listener; the grid keeps at most one.
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
};

// Stores the engineer of hidden rows and columns defines (string_grid_hidden.cpp).
class THiddenRowStore;
class TColumnDisplayMap;
class TGridItem;

// Published value properties that only store their value and repaint when it changes,
// with their initial values: X(type, name, initial value).
#define EX_GRID_PLAIN_PROPERTIES(X)                      \
    X(TColor, HintColor, clInfoBk)                       \
    X(bool, HintShowCells, false)                        \
    X(bool, HintShowLargeText, false)                    \
    X(bool, HintShowLargeTextPos, false)                 \
    X(bool, HintShowSizing, false)                       \
    X(bool, HTMLHint, false)                             \
    X(bool, OemConvert, false)                           \
    X(bool, AnchorHint, false)                           \
    X(bool, AutoNumAlign, false)                         \
    X(bool, AutoFilterUpdate, true)                      \
    X(TAlignment, DefaultAlignment, taLeftJustify)       \
    X(TEditorType, DefaultEditor, edNormal)              \
    X(TColor, DisabledFontColor, TColor(0xC0C0C0))       \
    X(bool, EditWithTags, false)                         \
    X(bool, EnableBlink, false)                          \
    X(bool, EnableHTML, true)                            \
    X(bool, EnableWheel, true)                           \
    X(bool, EnhTextSize, false)                          \
    X(bool, EnhRowColMove, true)                         \
    X(bool, ExcelStyleDecimalSeparator, false)           \
    X(bool, FilterDropDownAuto, false)                   \
    X(QString, FilterDropDownClear, QStringLiteral("(All)")) \
    X(bool, FilterDropDownCheck, false)                  \
    X(TFilterDropDownColumns, FilterDropDownColumns, fdNormal) \
    X(int, FilterDropDownRow, 0)                         \
    X(bool, FilterNormalCellsOnly, true)                 \
    X(bool, FixedAsButtons, false)                       \
    X(int, FixedFooters, 0)                              \
    X(int, FixedRightCols, 0)                            \
    X(bool, FixedRowAlways, false)                       \
    X(bool, FixedColAlways, false)                       \
    X(QString, FloatFormat, QStringLiteral("%.2f"))      \
    X(bool, HideFocusRect, false)                        \
    X(bool, HoverFixedCells, false)                      \
    X(TIntelliPan, IntelliPan, ipNone)                   \
    X(bool, IntelliZoom, true)                           \
    X(QString, InvalidEntryTitle, QString())             \
    X(TInvalidEntryIcon, InvalidEntryIcon, ieWarning)    \
    X(QString, InvalidEntryText, QString())              \
    X(bool, Lookup, false)                               \
    X(bool, LookupCaseSensitive, false)                  \
    X(bool, LookupHistory, false)                        \
    X(int, MaxComboLength, 0)                            \
    X(bool, Multilinecells, false)                       \
    X(bool, ScrollSynch, false)                          \
    X(TScrollHintType, ScrollHints, shNone)              \
    X(TColor, SelectionColor, TColor(0xEACAB6))          \
    X(TColor, SelectionColorTo, clNone)                  \
    X(bool, SelectionColorMixer, false)                  \
    X(TColor, SelectionMirrorColor, clNone)              \
    X(TColor, SelectionMirrorColorTo, clNone)            \
    X(bool, SelectionRectangle, false)                   \
    X(bool, SelectionResizer, false)                     \
    X(bool, SelectionRTFKeep, false)                     \
    X(TColor, SelectionTextColor, TColor(0))             \
    X(bool, ShowDesignHelper, true)                      \
    X(bool, SizeWithForm, false)                         \
    X(bool, URLUnderlineOnHover, false)                  \
    X(bool, URLEdit, false)                              \
    X(bool, UseInternalHintClass, true)                  \
    X(QString, ValidChars, QString())                    \
    /* public */                                         \
    X(QString, CheckTrue, QStringLiteral("Y"))           \
    X(QString, CheckFalse, QStringLiteral("N"))          \
    X(QString, PasswordChar, QStringLiteral("*"))        \
    X(QString, XMLEncoding, QStringLiteral("ISO-8859-1")) \
    X(QChar, Delimiter, QChar(0))                        \
    X(QString, EditMask, QString())                      \
    X(bool, QuoteEmptyCells, true)                       \
    X(bool, SaveFixedCells, true)                        \
    X(bool, SaveVirtCells, true)                         \
    X(bool, SaveWithHTML, true)                          \
    X(bool, SaveWithRTF, false)                          \
    X(bool, LoadFirstRow, true)                          \
    X(bool, ShowNullDates, true)                         \
    X(bool, UseDisabledFont, true)                       \
    X(bool, SaveFixedRows, false)                        \
    X(bool, SaveFixedCols, false)                        \
    X(bool, SaveHiddenCells, false)                      \
    X(bool, AlwaysQuotes, false)                         \
    X(bool, JavaCSV, false)                              \
    X(bool, ExcelClipboardFormat, false)                 \
    X(bool, ClearTextOnly, false)                        \
    X(bool, FilterIncremental, false)                    \
    X(int, MinRowHeight, 0)                              \
    X(int, MaxRowHeight, 0)                              \
    X(int, MinColWidth, 0)                               \
    X(int, MaxColWidth, 0)                               \
    X(bool, XYOffsetTopLeftOnly, false)                  \
    X(bool, AlwaysValidate, false)                       \
    X(bool, NoDefaultDraw, false)                        \
    X(bool, SizeGrowOnly, false)                         \
    X(TColor, ZRTGradientMirrorFrom, clNone)             \
    X(TColor, ZRTGradientMirrorTo, clNone)               \
    X(TColor, ZRTGradientHoverFrom, clNone)              \
    X(TColor, ZRTGradientHoverTo, clNone)                \
    X(TColor, ZRTGradientHoverMirrorFrom, clNone)        \
    X(TColor, ZRTGradientHoverMirrorTo, clNone)          \
    X(TColor, ZRTGradientHoverBorder, clNone)            \
    X(TColor, ZRTGradientDownFrom, clNone)               \
    X(TColor, ZRTGradientDownTo, clNone)                 \
    X(TColor, ZRTGradientDownMirrorFrom, clNone)         \
    X(TColor, ZRTGradientDownMirrorTo, clNone)           \
    X(TColor, ZRTGradientDownBorder, clNone)

// One row of the table of initial values: a property, how to read it, what Create gives.
struct TGridInitialValue {
    const char* Property;
    QVariant (*Read)(const TExStringGrid& Grid);
    QVariant Expected;
};

class TExStringGrid : public TBaseGrid, public IZRTStyle, public IZRTTones {
public:
    explicit TExStringGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExStringGrid() override;

    // Every property Create sets, with its initial value (string_grid_life_cycle.cpp).
    static const std::vector<TGridInitialValue>& InitialValues();

    // ================================================================ life cycle
    // Copies from another TExStringGrid (see the header comment); other sources are ignored.
    virtual void Assign(const TObject* Source);
    // Copies the cells of another TExStringGrid through the grid's own stream format.
    virtual void AssignCells(const TObject* Source);
    void Loaded() override;
    // Called when the grid first gets its window and after re-parenting.
    virtual void CreateWnd();
    void Invalidate();
    virtual void Resize();
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    virtual int GetVersionNr() const;
    virtual QString GetVersionString() const;
    QString Version() const;
    void InitOrigColSizes();
    int GridTimerID() const { return FGridTimerID; }
    bool IsLoaded() const { return FLoaded; }

    // The grid's own text format: counts, widths, then one line per non-empty cell.
    void SaveToStream(QIODevice& Stream);
    void LoadFromStream(QIODevice& Stream);

    // ================================================================ change listeners
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    void RegisterSelListener(ITExStringGridSelect* AListener) { FSelListener = AListener; }
    void UnRegisterSelListener(ITExStringGridSelect* = nullptr) { FSelListener = nullptr; }
    ITExStringGridSelect* SelListener() const { return FSelListener; }

    // ================================================================ updates
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // ================================================================ per-cell hooks
    // Column: real; row: displayed (see the header comment), unless said otherwise.
    virtual void GetCellHint(RealCol ACol, DisplRow ARow, QString& AHint, QString& AWideHint);
    virtual void GetCellColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlignment(RealCol ACol, DisplRow ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetCellFormat(RealCol ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void GetCellEditorType(RealCol ACol, DisplRow ARow, TEditorType& AEditor);
    virtual void GetCellEditorTypeEx(RealCol ACol, DisplRow ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(RealCol ACol, DisplRow ARow);
    // Displayed column: the fixed columns are counted on the screen.
    virtual void IsFixedCell(DisplCol ACol, DisplRow ARow, bool& IsFixed);
    virtual void CanEditCell(RealCol ACol, DisplRow ARow, bool& CanEdit);
    virtual void CanEditBaseCell(RealCol ACol, DisplRow ARow, bool& CanEdit);
    virtual void IsPasswordCell(RealCol ACol, DisplRow ARow, bool& IsPassword);
    bool CellIsPassword(RealCol ACol, DisplRow ARow);
    virtual void GetCellWordWrap(RealCol ACol, DisplRow ARow, bool& WordWrap);
    virtual bool CellHasComboBox(RealCol ACol, DisplRow ARow);
    virtual bool CellHasSpinEdit(RealCol ACol, DisplRow ARow);
    virtual void GetCheckTrue(RealCol ACol, DisplRow ARow, QString& Value);
    virtual void GetCheckFalse(RealCol ACol, DisplRow ARow, QString& Value);
    // Column: real. Fills FilterList with the column's filter entries.
    virtual bool GetColumnFilter(RealCol Column);
    virtual void GetCellCursor(RealCol ACol, DisplRow ARow, int X, int Y);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction Action);
    virtual void DoButtonClick(RealCol ACol, DisplRow ARow);
    virtual void DoComboCloseUp(DisplRow ARow, RealCol ACol);
    virtual void DoComboDropDown(DisplRow ARow, RealCol ACol);
    virtual void DoUpdateColumnSize(DisplCol ACol, int& AWidth);
    virtual void DoUpdateAutoColumnSize(DisplCol ACol, int& AWidth);
    virtual void DoFilterDone();
    virtual void DoFixedEdit(DisplCol ACol, DisplRow ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
    virtual void DoColumnHeadersChanged() {}
    // Displayed coordinates of the selection.
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void GetSaveCellText(RealCol ACol, DisplRow ARow, QString& Value);
    virtual void SaveCell(RealCol ACol, DisplRow ARow, QString& Value);
    virtual void LoadCell(RealCol ACol, DisplRow ARow, const QString& Value);
    virtual void ExportNotification(TGridExportState, int) {}
    virtual void ImportNotification(TGridImportState, int) {}
    virtual void DoCellsChanged(TRect R);
    virtual void DoGetEditorProp(RealCol ACol, DisplRow ARow, TEditLink* AEditLink);
    virtual QString GetFormattedCell(RealCol ACol, DisplRow ARow);
    virtual QString GetCellFloatFormat(RealCol ACol, DisplRow ARow);
    virtual bool InDesignMode() const;
    virtual void UpdateFooterAll() { CalcFooter(-1); }
    virtual void CalcFooter(int ACol) { DoCalcFooter(ACol); }

    // Base grid hooks.
    bool IsFixed(int ACol, int ARow) override;  // displayed column and row
    void LastRowChanged() override;
    void GetCellDefaults(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo, TColor& MirrorColor,
                         TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                         TCellGradientDirection& GD) override;
    void CellChanged(int ACol, int ARow) override;
    bool UsesVCLStyles() override { return FUseVCLStyles; }
    void GetDisplText(int ACol, int ARow, QString& Value) const override;
    // The look a cell is drawn with (displayed column): the fixed font, the selection
    // colour, then the cell's properties and GetCellColor of its real column.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;

    // ================================================================ cell access
    QString OriginalCells(int i, int j) const;
    void SetOriginalCells(int i, int j, const QString& Value);
    QString UnSortedCells(int i, int j) const;
    void SetUnSortedCells(int i, int j, const QString& Value);
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    QString StrippedCells(int i, int j) const;
    int LinesInCell(int i, int j) const;
    virtual QString GetCurrentCell();
    virtual void SetCurrentCell(const QString& Value);
    virtual QString GetCurrentCellText();
    virtual void SetCurrentEditText(const QString& Value);
    QString CurrentCell() { return GetCurrentCell(); }
    TEditorType CurrentEditor() const { return EditControl; }
    int AllColCount() const { return TotalColCount(); }
    int AllRowCount() const { return RowCount() + NumHiddenRows(); }
    TCursor Cursor() const { return FCursor; }
    void SetGridCursor(TCursor Value);
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;

    // Per-cell attributes (real column, displayed row).
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    QString FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const QString& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // A copy of the cell's font (the grid's Font for a cell without properties).
    TFont Fonts(int ACol, int ARow) const;
    void SetFonts(int ACol, int ARow, const TFont& Value);
    TControl* CellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, TControl* Value);
    // Row-wide, write only. Setting none clears only that colour.
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);

    // Combo editor lists.
    void ClearComboString();
    void AddComboString(const QString& s);
    void AddComboStringObject(const QString& s, TObject* AObject);
    bool RemoveComboString(const QString& s);
    bool SetComboSelectionString(const QString& s);
    void SetComboSelection(int idx);
    int GetComboCount() const;
    int ComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    const TStringList& ComboItems() const { return FComboItems; }
    int ComboSelection() const { return FComboSelection; }

    // ================================================================ selection queries
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool IsSelected(int ACol, int ARow) const;
    bool SelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    TGridCoord SelectedCell(int n) const;
    int SelectedCellsCount();
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedRow(int n) const;
    void ClearSelectedCells();
    void ClearModifiedRows();
    QString SelectedText() const;
    // A new window owned by the grid showing the cells of ARect; the caller frees it.
    QWidget* SelectionToForm(TGridRect ARect);

    // ================================================================ cell objects
    virtual TCellType GetCellType(int ACol, int ARow) const;
    TCellType CellTypes(int ACol, int ARow) const { return GetCellType(ACol, ARow); }
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow) const;
    TCellGraphic* CellGraphics(int ACol, int ARow) const { return GetCellGraphic(ACol, ARow); }
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
    bool HasCellObject(int ACol, int ARow, TSet<TCellType> Kinds) const;
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicSize(ACol, ARow); }
    virtual void CalcCellGraphicSize(int ACol, int ARow, TPoint& Size, int FreeHeight);
    virtual void CalcPrintGraphicSize(int ACol, int ARow, TPoint& Size, double ResFactor, int CellWidth,
                                      int CellHeight);
    TRect GetCellGraphicRect(int ACol, int ARow);
    int GetGraphicSortValue(int ACol, int ARow) const;
    bool IsSortIndicatorCell(int ACol, int ARow) const;
    void RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow);
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor Value);
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool Value);
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value);
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool Value);
    TObject* GridImages() const { return FGridImages; }
    void SetGridImages(TObject* Value) { FGridImages = Value; }
    virtual TObject* GetCellImageList() const { return FGridImages; }

    // ================================================================ fills, row selection
    void TextFill(bool DoFixed, const QString& Txt);
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    bool GetRowSelect(int ARow);
    bool RowSelect(int ARow) { return GetRowSelect(ARow); }
    void SetRowSelect(int ARow, bool Value);
    bool GetColSelect(int ACol);
    bool ColSelect(int ACol) { return GetColSelect(ACol); }
    void SetColSelect(int ACol, bool Value);
    int RowSelectCount() const;
    int ColSelectCount() const;
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToRowSelect(bool ClearOthers);
    void SelectionToColSelect(bool ClearOthers);
    void GotoCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    void MoveCurrentCell(int ACol, int ARow);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintRect(TRect r);
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    bool GetRowModified(int ARow) const;
    bool RowModified(int ARow) const { return GetRowModified(ARow); }
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    bool GetRowEnabled(int ARow) const;
    bool RowEnabled(int ARow) const { return GetRowEnabled(ARow); }
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return FUseEnabledRows; }

    // ================================================================ published values
#define EX_GRID_DECLARE_PLAIN_PROPERTY(Type, Name, Initial) \
    Type Name() const { return F##Name; }                  \
    void Set##Name(Type Value) {                           \
        if (F##Name == Value) return;                      \
        F##Name = Value;                                   \
        InvalidateGrid();                                  \
    }
    EX_GRID_PLAIN_PROPERTIES(EX_GRID_DECLARE_PLAIN_PROPERTY)
#undef EX_GRID_DECLARE_PLAIN_PROPERTY

    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor Value);
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor Value);
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    TColor ZRTGradientFrom() const { return FZRTGradientFrom; }
    void SetZRTGradientFrom(TColor Value);
    TColor ZRTGradientTo() const { return FZRTGradientTo; }
    void SetZRTGradientTo(TColor Value);
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(int X, int Y) { FXYOffset = {X, Y}; }
    int ZoomFactor() const { return FZoomFactor; }
    bool Modified() const { return FGridModified; }
    void SetModified(bool Value) { FGridModified = Value; }
    TColor BorderColor() const { return FBorderColor; }
    int FixedRowHeight() const { return FFixedRowHeight; }
    TVAlignment VAlignment() const { return FVAlignment; }
    int VAlign() const { return FVAlign; }
    bool AutoSize() const { return FAutoSize; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    bool Flat() const { return FFlat; }
    bool Hovering() const { return FHovering; }
    bool IntegralHeight() const { return FIntegralHeight; }
    int MaxEditLength() const { return FMaxEditLength; }
    bool SpreadSheet() const { return FSpreadSheet; }
    bool FilterActive() const { return FFilterActive; }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    TScrollType ScrollType() const { return FScrollType; }
    TColor ScrollColor() const { return FScrollColor; }
    int ScrollWidth() const { return FScrollWidth; }
    bool ScrollProportional() const { return FScrollProportional; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    bool IsFlatScroll() const { return FIsFlat; }
    bool IsComCtl6() const { return FIsComCtl6; }
    bool IsWinXP() const { return FIsWinXP; }

    // IZRTStyle, IZRTTones
    void SetComponentStyle(TZRTStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;

    // ================================================================ settings objects
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    void SetSearchFooter(const TSearchFooter& Value) { FSearchFooter->Assign(&Value); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    void SetSortSettings(const TSortSettings& Value) { FSortSettings->Assign(&Value); }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TBands* Bands() const { return FBands.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
    TBackGround* BackGround() const { return FBackGround.get(); }
    TBalloonSettings* Balloon() const { return FBalloonSettings.get(); }
    TShowModified* ShowModified() const { return FShowModified.get(); }
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(const TFont& Value);
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    void SetActiveCellFont(const TFont& Value);
    TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
    TStringList* RowHeaders() const { return FRowHeaders.get(); }
    TStringList* LookupItems() const { return FLookupItems.get(); }
    TStringList* FilterList() const { return FFilterList.get(); }
    TIntList* MergedColumns() const { return FMergedColumns.get(); }
    TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
    TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
    TIntList* SortRowXRef() const { return FSortRowXRef.get(); }
    TIntList* ColumnOrder() const { return FColumnOrder.get(); }
    TIntList* OrigColSizes() const { return FOrigColSizes.get(); }
    TControlList* ControlList() const { return FControlList.get(); }
    TCellGraphic* SharedCellGraphic() const { return FCellGraphic.get(); }
    // The run-time child windows and editors (invisible and disabled until used).
    QWidget* FocusWindow() const { return FFocusWindow; }
    QWidget* ArrowWindow(int Index) const { return FArrowWindows[Index]; }
    QComboBox* EditCombo() const { return FEditCombo; }

    // ================================================================ events
#define EX_GRID_DECLARE_EVENT(Event, Type) Type Event;
    EX_GRID_EVENTS(EX_GRID_DECLARE_EVENT)
#undef EX_GRID_DECLARE_EVENT
    TNotifyEvent OnPainted;

    // ================================================================ dimensions and scrolling
    // Defined in string_grid_dimensions.cpp.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    void SetCol(int Value);
    void SetFixedRows(int Value);
    int FixedRows() const;
    void SetFixedCols(int Value);
    int FixedCols() const;
    int FixedColWidth() const;
    void SetFixedColWidth(int Value);
    void SetFixedRowHeight(int Value);
    void SetDefaultRowHeight(int Value);
    void SetWordWrap(bool Value);
    void SetIntegralHeight(bool Value);
    void SetAutoSize(bool Value);
    void SetAutoThemeAdapt(bool Value);
    void SetFlat(bool Value);
    void SetHovering(bool Value);
    void SetVAlignment(TVAlignment Value);
    void SetSpreadSheet(bool Value);
    void SetMaxEditLength(int Value);
    void SetBorderColor(TColor Value);
    void SetSelection(const TGridRect& Value);
    void SetScrollBars(TScrollStyle Value);
    void SetScrollType(TScrollType Value);
    void SetScrollColor(TColor Value);
    void SetScrollWidth(int Value);
    void SetScrollProportional(bool Value);
    void SetScrollBarAlways(TScrollBarAlways Value);
    void ApplyScrollBarAlways(bool Force);
    void StretchColumn(int Index);
    void StretchRightColumn();
    virtual void AppendRow();

    // ================================================================ hidden columns and rows
    // Defined in string_grid_hidden.cpp. Column arguments are real, row arguments real
    // unless named Displ. The mapping queries override the base grid's (RealColIndex,
    // DisplColIndex, TotalColCount, RealRowIndex, DisplRowIndex, IsHiddenRow,
    // NumHiddenRows) and are declared with their definitions, as are the other virtual
    // members of this work (InsertRows, RemoveRows, RemoveRowsEx, InsertCols, RemoveCols,
    // AppendRow, ColWidthsChanged, RowHeightsChanged, the scroll notices).
    void HideColumn(int ColIndex);
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex);
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const { return TotalColCount() - ColCount(); }
    using TBaseGrid::DisplColIndex;
    using TBaseGrid::RealColIndex;
    using TBaseGrid::RealRowIndex;
    using TBaseGrid::DisplRowIndex;
    RealCol RealColIndex(DisplCol ACol) const { return RealCol(RealColIndex(ACol.v)); }
    DisplCol DisplColIndex(RealCol ACol) const { return DisplCol(DisplColIndex(ACol.v)); }
    RealRow RealRowIndex(DisplRow ARow) const { return RealRow(RealRowIndex(ARow.v)); }
    DisplRow DisplRowIndex(RealRow ARow) const { return DisplRow(DisplRowIndex(ARow.v)); }
    int RealColumn() const { return RealColIndex(Col()); }
    int RealRowNumber() const { return RealRowIndex(Row()); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    void HideRow(int Rowindex);
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    void HideRowList(const TIntList& RowList);
    void UnHideRow(int Rowindex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    void HideSelectedRows();
    void HideUnSelectedRows();
    // Cells by real row (j); a held-out row keeps its cells with its store.
    QString AllCells(int i, int j) const;
    void SetAllCells(int i, int j, const QString& Value);
    QString AllGridCells(int i, int j) const;
    void SetAllGridCells(int i, int j, const QString& Value);
    TObject* GetAllGridObject(int i, int j) const;
    TObject* AllObjects(int i, int j) const;
    void SetAllObjects(int i, int j, TObject* Value);
    QString AllWideCells(int i, int j) const;
    void SetAllWideCells(int i, int j, const QString& Value);
    int AllColWidths(int i) const;
    void SetAllColWidths(int i, int Value);
    int DisplColIndex(int ACol) const override;
    int RealColIndex(int ACol) const override;
    int TotalColCount() const override;
    int RealRowIndex(int ARow) const override;
    int DisplRowIndex(int ARow) const override;
    bool IsHiddenRow(int Rowindex) const override;
    int NumHiddenRows() const override;

    // ---- public: rows and columns: insert, remove, clear, move, swap, auto-size (string_grid_structure*.cpp) ----
    // Row arguments are displayed rows; column arguments of the column operations and of
    // the clearing ranges are REAL columns (a caller holding a displayed rectangle maps
    // it, see ClearSelection). Rows move as whole stored rows (every real column, objects
    // included, one pointer each), so the hidden columns always come along.
    //
    // Decisions where the behaviour is left open or mended:
    // - Removal counts are cut to the rows (columns) that exist from the first one, and a
    //   grid keeps one row and one displayed column. Every row removal hides and drops the
    //   cell controls of the removed rows and moves the ones below up.
    // - Held-out rows keep their neighbours: InsertRows raises the real index of every
    //   held-out row at or after the insertion point by the count; every removal
    //   (RemoveRows, RemoveRowsEx, the row block and the bulk removals) lowers each held-out
    //   row's real index by the number of removed rows before it. MoveRows therefore
    //   brings every held-out row back between the same neighbours.
    // - The row side lists (ModifiedRows, EnabledRows, the disjunct RowSelect flags) travel
    //   with their rows on every insert, remove, move and swap; a removed row's entries go.
    // - RemoveCols over hidden columns lowers ColCount by the displayed ones among them and
    //   NumHiddenColumns by the hidden ones; InsertCols moves the hidden flags and the
    //   kept widths of hidden columns with them, so a hidden column comes back with its
    //   own width.
    // - One owner per cell object: removals free the objects of the removed cells (every
    //   real column, also of held-out rows' stores when columns go) or hand them on with
    //   the row; moves and swaps move the references, never copy them.
    // - ClearRect takes real columns and never remaps them; it notes that no cell has
    //   properties only when it freed every cell's (not with ClearTextOnly).
    // - WideCells is Cells: texts are UTF-16 already.
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void ClearRowObjects(int ARow, int Count);
    void RemoveRowBlock(int ARow, int Count, bool UpdateControls);
    void AddRow();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    void AddColumn() { InsertCols(ColCount(), 1); }
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    void ClearAll();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    bool IsCell(const QString& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;
    QString WideCells(int i, int j) const { return Cells(i, j); }
    void SetWideCells(int i, int j, const QString& Value) { SetCells(i, j, Value); }
    bool IsIgnoredColumn(int ACol) const;

    // Moving (displayed indexes). MoveRows carries texts, objects and side lists; every
    // row position keeps its height.
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void MoveRow(int FromIndex, int ToIndex);
    virtual void MoveColumn(int FromIndex, int ToIndex);
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int ACol);
    int ColumnByHeader(const QString& AValue) const;
    // The current row: a change reports OnRowUpdate (old row, new row) once per new row,
    // copies the selection into the disjunct row flags and moves a row-synchronised grid.
    void SetRow(int Value);
    // Applied only for a scrolled row: FixedRows <= Value <= RowCount - 1.
    void SetTopRow(int Value);
    void ScrollInView(int ColIndex, int RowIndex);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    // Re-selects the current cell, so that the editor state follows it.
    void UpdateEditMode();

    // Rotated-text cells (string_grid_rotated_cells.cpp; ACol real). An angle is kept in
    // 0..360: -90 is stored as 270, 450 as 90.
    void AddRotated(int ACol, int ARow, int AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    void RemoveRotated(int ACol, int ARow);
    bool IsRotated(int ACol, int ARow, int& aAngle) const;

    // The smallest displayed rectangle holding every cell with text, (0, 0, 0, 0) when
    // none has; and the ranges the import and export services save, with or without the
    // fixed lines (string_grid_used_ranges.cpp).
    virtual TGridRect GetUsedCells();
    TGridRect UsedCells() { return GetUsedCells(); }
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const;
    int SaveRowCount() const;
    // Swaps (SwapColumns takes real columns, SwapRows displayed rows): whole columns or
    // rows with their objects, widths or heights, side lists and cell controls.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    virtual void SortSwapRows(int ARow1, int ARow2);

    // Sizing to contents (displayed columns and rows). Text sizes are measured with the
    // cell's font as the cell is drawn.
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void SizeColumnToContent(int ACol, bool GrowOnly);
    void SizeRowToContent(int ARow, bool GrowOnly, int Padding = 0);
    void SetRowHeightForLines(int ARow, int Lines, int Padding);
    int HorzTextMargin() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }

    // Merging by content (string_grid_merge_by_content.cpp). Columns are real, as Cells
    // takes them. A column merges its runs of equal texts over the normal rows; with
    // MainMerge off only inside areas the other columns already merged (RowSpanIdentical),
    // so the first column of MergedColumns sets the groups and the following ones
    // subdivide them. A row merges runs of two or more equal cells over its normal
    // columns; a single cell is never merged. SplitAllCells and SplitAllColumnCells also
    // cover hidden columns, so a column shown again brings no stale area back. MergeCols
    // joins the texts of ColIndex2 into ColIndex1 (trimmed of blanks and control
    // characters) and removes ColIndex2; the same column twice changes nothing.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    void SplitAllColumnCells();
    // MergeColumnCells for every entry of MergedColumns, MainMerge for the first only.
    void RemergeColumns();
    // The change notice of MergedColumns: every column area split, then re-merged.
    void MergedColumnsChanged();
    int VertTextMargin() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }
    // ---- end of public: rows and columns: insert, remove, clear, move, swap, auto-size ----

    // ---- public: check boxes, radio buttons, typed access, calculations (string_grid_check_boxes*.cpp, string_grid_typed_access.cpp, string_grid_calculations.cpp) ----
    // Check boxes and radio buttons (string_grid_check_boxes.cpp: adding, removing, queries;
    // string_grid_check_boxes_state.cpp: reading, setting, toggling, the hit test).
    // Columns are real, rows displayed, unless said otherwise. A plain, tri-state or
    // radio button keeps its state in its cell object; a data or virtual check box in the
    // cell text (checked exactly when it is the check-true text); a row check box in the
    // row's RowSelect flag (its toggle writes the check texts into column 0, as a data
    // box's does). Toggles of the text kinds are registered with the undo manager.
    // The Add... operations raise Exception "Invalid cell" for a cell outside the grid's
    // real extent (hidden rows and columns included), negative indexes too.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    // A radio group over the caller's list, which the grid does not own.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
    // A radio group over a new empty list the grid owns; the caller fills it.
    TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    void RemoveRadio(int ACol, int ARow);
    bool HasCheckBox(int ACol, int ARow) const;
    bool HasDataCheckBox(int ACol, int ARow) const;
    bool IsRadio(int ACol, int ARow) const;
    bool HasRadioButton(int ACol, int ARow) const;
    bool IsRadioButtonChecked(int ACol, int ARow) const;
    bool HasClickableObject(int ACol, int ARow) const;
    // ARow is a real row while rows are hidden. The Boolean form reports a tri-state
    // box as checked only in cbChecked, whether rows are hidden or not.
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio) const;
    // Changes nothing and answers false unless the cell holds a radio group.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStrings* GetRadioStrings(int ACol, int ARow) const;
    int GetRadioButtonColumnIndex(int ACol) const;
    void SetRadioButtonColumnIndex(int ACol, int Index);
    // ARow is a real row while rows are hidden. No event fires.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // Displayed row; fires DoCheckBoxChange when the state really changes.
    bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    virtual bool ToggleCheck(int ACol, int ARow, bool FromUser);
    virtual bool ToggleRadioButton(int ACol, int ARow, bool FromUser);
    void AdvanceRadioSelection(int ACol, int ARow, bool FromUser);
    // Whether a point (client coordinates) hits the glyph of the cell's check box or
    // radio button; ACol real.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);

    // Typed cell access (string_grid_typed_access.cpp). Texts go through the program's
    // format settings: numbers with its separators, dates with its short date format.
    // The All... forms take the real row.
    int GetInts(int ACol, int ARow) const;
    void SetInts(int ACol, int ARow, int Value);
    int Ints(int ACol, int ARow) const { return GetInts(ACol, ARow); }
    int GetAllInts(int ACol, int ARow) const;
    void SetAllInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow) const { return GetAllInts(ACol, ARow); }
    double GetFloats(int ACol, int ARow) const;
    void SetFloats(int ACol, int ARow, double Value);
    double Floats(int ACol, int ARow) const { return GetFloats(ACol, ARow); }
    double GetAllFloats(int ACol, int ARow) const;
    void SetAllFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow) const { return GetAllFloats(ACol, ARow); }
    // Raise EConvertError for a text that is no date or time.
    TDateTime GetDates(int ACol, int ARow) const;
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Dates(int ACol, int ARow) const { return GetDates(ACol, ARow); }
    TDateTime GetTimes(int ACol, int ARow) const;
    void SetTimes(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow) const { return GetTimes(ACol, ARow); }
    QString GetCtrlVal(int ACol, int ARow, const QString& ID) const;
    void SetCtrlVal(int ACol, int ARow, const QString& ID, const QString& Value);
    QString ControlValues(int ACol, int ARow, const QString& ID) const { return GetCtrlVal(ACol, ARow, ID); }
    void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value) {
        SetCtrlVal(ACol, ARow, ID, Value);
    }
    // Headers: a backslash followed by n in a header is a line break. The lists have no change notice of their
    // own: a caller that changed a list in place runs ...HeadersChanged.
    void SetColumnHeaders(const TStringList& Value);
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    void ColumnHeadersChanged() { ShowColumnHeaders(); }
    void SetRowHeaders(const TStringList& Value);
    void ClearRowHeaders();
    void ShowRowHeaders();
    void RowHeadersChanged() { ShowRowHeaders(); }
    // Highlighting and marking over a rectangle of base cells (real columns, displayed
    // rows): only a cell whose stored text holds S is rewritten, as plain text around the
    // tags; the removal gives such a cell back exactly and leaves cells without the tag.
    void WrapMatchesInRange(const QString& S, const QString& Tag, bool DoCase, int FromCol, int FromRow, int ToCol,
                            int ToRow);
    void RemoveMatchTagsInRange(const QString& Tag, int FromCol, int FromRow, int ToCol, int ToRow);
    // Print layout of the last print: widths and offsets by display column, for every
    // column it had. Columns of the grid it did not lay out read 0; others raise
    // EExGridError.
    std::vector<int> MaxWidths;
    std::vector<int> Indents;
    int GetPrintColWidth(int ACol) const;
    int GetPrintColOffset(int ACol) const;
    int PrintColWidth(int ACol) const { return GetPrintColWidth(ACol); }
    int PrintColOffset(int ACol) const { return GetPrintColOffset(ACol); }
    void SetVersion(const QString&) {}  // the version is the grid's own
    // A null list is ignored.
    void SetLookupItems(const TStringList* Value);
    void InvalidateOnChange() { InvalidateGrid(); }
    void DoRichEditSelectionChange();
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(int ARow, bool& CanInsert);
    void CreateScrollControls();

    // Calculations, footer values, auto-numbering (string_grid_calculations.cpp).
    // A first or last row of -1 takes the data rows (not with ColumnCustomCalc).
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    virtual void DoCalcFooter(int ACol);
    void UpdateFooterColumn(int ACol) { CalcFooter(ACol); }
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    // ---- end of public: check boxes, radio buttons, typed access, calculations ----

    // ---- public: column grid support (column_grid*.cpp) ----
    // The column order at ColumnSize's place (grid/data/grid_column_positions.cpp): the
    // ini file Key, section Section, with Location clIniFile, else the registry key
    // Key\Section; values "Pos<i>" hold the ColumnOrder entry of storage position i.
    // Nothing happens in design mode or without key and section. A saved order is applied
    // only when it is an order of all columns, hidden ones included (which stay hidden);
    // anything else changes nothing. A store that cannot be written keeps what it had. The
    // column grid answers the ini location with its own form.
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // The column whose filter drop-down is open (real column, -1 for none), and the choice
    // of one of its entries (ends with FilterCol -1; the string grid's own choice comes
    // with filtering).
    int FilterCol() const { return FFilterCol; }
    void SetFilterCol(int Value) { FFilterCol = Value; }
    virtual void FilterSelect(int ItemIndex);
    // The spin editor, created on first use as a hidden, disabled, frameless child.
    TGridSpin* GetSpinEdit();
    // The in-place editor's mask for a cell (displayed column) and its length limit.
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    // ---- end of public: column grid support ----

    // ---- public: cell drawing, looks, styles and themes (grid/view/cell_drawing*.cpp, grid/view/grid_looks*.cpp) ----
    // The horizontal alignment the cell's text is drawn with (ACol real).
    TAlignment ResolveCellAlignment(int ACol, int ARow);
    // Colour mixing of the selection: Percent of Color1 over Color2 (system colours are
    // mapped first); clNone on either side gives the other colour.
    static TColor MixColors(TColor Color1, TColor Color2, int Percent);
    // MixColors when Flag is set, else Color1.
    static TColor MixColorsWhen(TColor Color1, TColor Color2, bool Flag, int Percent);
    // The font alone of a cell (ACol displayed, RCol real): the fixed or normal font, the
    // cell's properties, then GetCellColor.
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                           bool Remap);
    // The horizontal and vertical alignment of a cell.
    void ResolveCellAlignment(RealCol RCol, DisplRow ARow, TAlignment& HA, TVAlignment& VA);
    // The text a cell shows (GetFormattedCell).
    QString DisplCells(int ACol, int ARow) { return GetFormattedCell(RealCol(ACol), DisplRow(ARow)); }

    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    // Colour presets (grid/view/grid_look_presets.cpp holds their table).
    virtual void SetStyle(TExGridStyle AStyle);
    void SetEditorsComponentStyle(TZRTStyle AStyle);
    void SetTheme(TXPColorScheme Scheme);
    // Follows the user's Office colour theme when it changed since the last call.
    void ThemeAdapt();
    // The style last applied by SetComponentStyle or SetLook, and the last Office theme seen.
    TZRTStyle ComponentStyle() const { return FStyle; }
    TOfficeTheme LastOfficeTheme() const { return FOfficeTheme; }
    const TColorTones& ColorTones() const { return FTones; }
    static QString LookToString(TGridLook Look);
    static QString LookToCaption(TGridLook Look);
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    void SetProgressAppearance(const TGridProgressAppearance& Value) { FProgressAppearance->Assign(&Value); }
    // The picture drawn in the fixed column of the current row (none when null); its
    // top-left pixel's colour is transparent.
    const QImage& RowIndicator() const { return FRowIndicator; }
    void SetRowIndicator(const QImage& Value) {
        FRowIndicator = Value;
        InvalidateGrid();
    }
    // A cell with a graphic shows the graphic alone.
    bool NoImageAndText() const { return FNoImageAndText; }
    void SetNoImageAndText(bool Value) {
        FNoImageAndText = Value;
        InvalidateGrid();
    }
    // ---- end of public: cell drawing, looks, styles and themes ----

    // ---- public: cell graphics and the text layer (grid/view/cell_graphics*.cpp, grid/view/cell_text_layer*.cpp) ----
    // The cell's graphic (or none) with its size, alignments and whether the text is drawn too.
    // ACol is the real column. A column grid's check-box cell answers ctDataCheckBox from
    // GetCellType while the shared graphic it returns here has CellType ctVirtCheckBox;
    // the graphic is measured and drawn by its own CellType.
    TCellGraphic* GetCellGraphicInfo(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                     bool& TextShown, int& Height, int& Width);
    // Glyphs shared with other drawing. Qt paints through a painter that lives only as
    // long as one paint, so each takes the canvas to draw on. Visual styles count as
    // active: csTheme draws through the Fusion style.
    void DrawCheckGlyph(TCanvas& Canvas, TRect ARect, bool Checked, TCheckBoxState State, bool TriState,
                        TControlStyle Style, bool Grayed, bool Enabled);
    // Items numbered 1..Count; Index -1 turns on the item whose text equals the cell text.
    void DrawRadioGroup(TCanvas& Canvas, TRect ARect, bool BottomUp, double Zoom, TControlStyle Style, int ARow,
                        int ACol, bool Selected, const QStringList& Items, bool Disabled, bool Horizontal, int Index,
                        int Count);
    // The sort indicator of column ACol centred at (X, Y).
    void DrawSortIndicator(TCanvas& Canvas, int ACol, int Y, int X);
    // The BackGround picture or gradient under the cell rectangle R of real column ACol, row ARow.
    void DrawCellBackgroundFixed(TCanvas& Canvas, TRect R);
    void DrawCellBackgroundTiled(TCanvas& Canvas, TRect R, int ACol, int ARow);
    void DrawCellBackgroundGradient(TCanvas& Canvas, TRect R);
    // An RTF cell drawn formatted through the hidden rich edit, within ARect less the
    // XYOffset margin.
    void DrawRichTextCell(int ACol, int ARow, TRect ARect, TCanvas& Canvas);
    TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }
    void SetSelectionRectangleColor(TColor Value) { FSelectionRectangleColor = Value; }
    // ---- end of public: cell graphics and the text layer ----

    // ---- public: grid painting, update lock, messages, timer, focus windows (grid/view/grid_painting*.cpp, grid/view/grid_messages*.cpp) ----
    // Update lock (grid_messages_update_lock.cpp). BeginUpdate and EndUpdate act only on
    // a grid that is Visible() (its own flag, not whether a parent shows it); EndUpdate
    // still lowers a lock taken while the grid was visible. A locked grid paints nothing.
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);
    // Qt double-buffers every widget: the flag is only kept.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    void ResetFixedCellHighlight();
    bool IsHoverFixedCell(int ACol, int ARow) const;
    TPoint HoverFixedCell() const { return {FHoverFixedX, FHoverFixedY}; }
    void SetHoverFixedCell(int ACol, int ARow) { FHoverFixedX = ACol; FHoverFixedY = ARow; }
    THoverFixedCells HoverFixedCellsKind() const { return FHoverFixedCellsKind; }
    void SetHoverFixedCellsKind(THoverFixedCells Value) { FHoverFixedCellsKind = Value; }
    // The grid timer's tick (id 111, every 500 ms); tests run it through the timer seam.
    void WMTimer();
    int TimerTicks() const { return FTimerTicks; }
    QString SearchInc;
    int SearchTics = 0;
    bool GridBlink() const { return FGridBlink; }
    // Where the hover selection reads the mouse, in grid client coordinates; the real
    // cursor unless a test installed another.
    std::function<QPoint()> CursorPosition;

    // What painting reads of the data features (filter, filter drop-down, printing).
    TFilter* Filter() const { return FFilter.get(); }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
    // Moves R's top-left to where text drawn at Angle degrees starts so that the rotated
    // text's bounding box sits in R by the alignments.
    void GetRotatedTextRect(TRect& R, int Angle, TCellVAlign VAlign, TCellHAlign HAlign, const QString& Text);

    // Painting (grid_painting*.cpp).
    // Draws the coloured one-pixel border on the scroll area's frame (see the .cpp).
    void PaintBorderColor();
    // Whether the coloured border applies with the current look and settings.
    bool HasColoredBorder() const;
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    bool FitCellsInGrid() const { return FFitCellsInGrid; }
    void SetFitCellsInGrid(bool Value);
    // The soft frame around the cell being edited.
    void ShowFocusWindow(TRect ARect);
    void MoveFocusWindow();
    void HideFocusWindow();
    // XOR lines that follow a column or row being sized: drawing one twice removes it.
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    // The size of a cell's displayed text: VS the height wrapped to the cell's width, SB
    // 17 pixels left for an editor button. ACol is real.
    TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    TSize CalcCellTextSize(int RCol, int DCol, int ARow, bool VS, bool SB);
    // What the date picker reports when its date changes: fires OnDateTimeChange for the
    // current cell, the date 0 when the value holds no date.
    void WMNotifyDateTimeChange(const QDateTime& Value);
    // The balloon of the cell under client point (X, Y), as the balloon window asks for
    // it: the cell's plain text cut to what a balloon shows, the title and the icon.
    struct TBalloonText {
        int Col = -1;
        int Row = -1;
        QString Title;
        QString Text;
        int Icon = 1;
        bool Shown = false;
    };
    TBalloonText BalloonText(int X, int Y);
    // A cell text as a balloon shows it: tabs become spaces (but a last one), leading
    // line breaks and tabs go, and more than 2048 characters end in "...".
    static QString BalloonDisplayText(const QString& Text);
    // May supply a balloon's title, text and icon for a cell; the grid has none of its own.
    virtual bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, int& Icon);
    TBalloonText LastBalloon() const { return FLastBalloon; }
    // The design-time panel at the bottom-right corner (only while designing). No form
    // designer exists: tests and tools put the grid into the designing state.
    using TComponent::SetDesigning;
    virtual void PaintDesignHelper();
    virtual void DesignHelperClick(int X, int Y);
    int DesignHelperHitTest(int X, int Y);
    bool CMDesignHitTest(int X, int Y);
    bool ShowColumnNumbers() const { return FShowColumnNumbers; }
    // The search footer's strip (grid/view/grid_search_panel_layout.cpp): a child of the
    // grid, hidden and 0 high until the search footer shows it (Visible, Height 32).
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    // Keeps the shown search panel along the client area's bottom at its own height.
    void AlignSearchPanel();
    // With the search footer shown, scrolls down until the last row's bottom clears the panel.
    void ScrollAboveSearchFooter();
    // The panel's height while it is shown, else 0.
    int SearchPanelHeight() const;
    // ---- end of public: grid painting, update lock, messages, timer, focus windows ----

    // ---- public: keyboard, tab walk, least editing forms, clipboard, search (grid/view/grid_keyboard*.cpp, grid/view/grid_tab_walk*.cpp) ----
    // Keys (grid_keyboard*.cpp). One Qt key press runs the key-down phase WMKeyDown and,
    // unless that consumed the key (CharCode 0), the character phase WMChar; a release
    // runs WMKeyUp. Messages carry the virtual-key code or character, the keypad bit
    // (KeyDataKeypad) and the shift state; Alt counts as ssAlt whichever Alt it is.
    void WMKeyDown(TWMKey& Message);
    void WMChar(TWMKey& Message);
    void WMKeyUp(TWMKey& Message);

    // Tab walk and row appending (grid_tab_walk*.cpp); displayed indexes. False when the
    // walk handed the Tab on to the next control of the parent's focus chain.
    bool TabToNextCell(bool Backward);
    bool IsTabStopCell(int ACol, int ARow);
    int FirstTabStopCol(int ARow);
    int LastTabStopCol(int ARow);
    int FirstDataCol();
    int VisibleFixedRightCols() const;
    bool IsLastDataRow() const;
    void AutoAddRow();
    virtual void GotoFirstRow();

    // Rows inserted and deleted from the keyboard (displayed rows): a row at ARow, and the
    // row ARow deleted (or, the last data row left, emptied); the delete fires OnAutoDeleteRow.
    virtual void AutoInsertRow(int ARow);
    virtual void AutoDeleteRow(int ARow);

    // The incremental search (grid/data/grid_search.cpp).
    int Search(const QString& S);

    // Notices to a drop-down that embeds the grid: a drag image or move button starts and
    // ends, while which its pop-up must not close.
    TNotifyEvent FOnStartBlockFocus;
    TNotifyEvent FOnEndBlockFocus;
    void DoStartBlockFocus();
    void DoEndBlockFocus();

    // ---- end of public: keyboard, tab walk, least editing forms, clipboard, search ----

    // ---- public: mouse press, release, double click, right button, sorting least forms (grid/view/grid_mouse_press*.cpp, grid/view/grid_mouse_release*.cpp) ----
    // Chooses the item of the cell radio group (real column ACol) under a point given
    // relative to the base cell's top-left corner; a point on an item boundary or past
    // the last item chooses nothing.
    void RadioGroupClick(int ACol, int ARow, int XOffset, int YOffset);
    // Opens the edit box or combo box over a fixed cell (displayed column).
    void ShowFixedCellEditor(int ACol, int ARow);
    class TGridTransEdit* FixedCellEdit() const { return EditTrans; }
    class TGridTransCombo* FixedCellCombo() const { return ComboTrans; }
    // Milliseconds the last sort by a header click took.
    int SortTime = 0;
    // ---- end of public: mouse press, release, double click, right button, sorting least forms ----

    // ---- public: mouse movement, hover, cursors, filter lists, cell hints (grid/view/grid_mouse_move*.cpp, grid/view/grid_cursors*.cpp) ----
    // The hint of the cell under HintInfo.CursorPos: its text, its screen position and look
    // (grid_cell_hint.cpp). CMHintShow shows it through the platform's tooltip.
    void PrepareCellHint(QString& HintStr, THintInfo& HintInfo);
    // The mouse left the grid: the hover looks, the select mode and the fixed-border flags go.
    void CMMouseLeave();
    // The viewport's cursor for the select mode and the fixed-border flags (grid_cursors.cpp).
    void WMSetCursor();
    // The program's cursors, drawn here: 8010 row select, 8011 column select, 8012 select
    // all and selection resize; SplitColumnCursor/SplitRowCursor over a fixed border.
    static QCursor ResourceCursor(int Id);
    static constexpr int SplitColumnCursor = -1;
    static constexpr int SplitRowCursor = -2;
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    // The open filter list (plain or check list), or nullptr.
    QListWidget* OpenFilterList() const;
    TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
    void SetFixedDropDownMenu(TPopupMenu* Value) { FFixedDropDownMenu = Value; }
    // ---- end of public: mouse movement, hover, cursors, filter lists, cell hints ----

    // ---- public: column and row moving, control tag editing, wheel, zoom, panning, window procedure (grid/view/grid_moving*.cpp, grid/view/markup_utilities.cpp, grid/view/grid_wheel*.cpp, grid/view/grid_window_procedure*.cpp) ----
    // Form controls (CONTROL tags of the cell's markup) edited in place: an edit box for
    // EDIT, PASSWORD and MASK, a combo box for COMBO, laid over CtrlRect (client
    // coordinates); RCol is the real column, ACol the displayed one. Leaving the editor
    // writes its text back as the tag's VALUE.
    void ShowControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int RCol, int ACol,
                           TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID);
    void ControlEditDone(TObject* Sender);
    void ControlComboSelect(TObject* Sender);
    // The open control editors, nullptr until the first control is edited.
    TControlEdit* ControlEdit() const { return FEditControl; }
    TControlCombo* ControlCombo() const { return FComboControl; }

    // Adds x pixels to every column width and row height that stays above 0, and x
    // points to every cell's font; a sum beyond -10 .. 10 is refused whole.
    void Zoom(int x);
    // Asks SelectCell again for the current cell.
    void Select();
    // The owner form's resize handler: with SizeWithForm the grid grows and shrinks by
    // the form's change of size, as long as neither side would reach 0.
    void OwnerFormResize(TObject* Sender);
    int PrevSizeX() const { return FOldFormWidth; }
    int PrevSizeY() const { return FOldFormHeight; }

    // Middle-button panning (IntelliPan): one cell per tick of a 10 ms timer towards the
    // side the mouse is on, with a 5 pixel dead zone round the origin.
    bool Panning() const { return FWheelPan; }
    // The program's pan cursor now shown (8000 neutral .. 8008), 0 when not panning.
    int PanCursorId() const { return FPanCursorId; }
    // ---- end of public: column and row moving, control tag editing, wheel, zoom, panning, window procedure ----

    // ---- public: cell editing hooks for custom and unit editors (grid/view/grid_editor_hooks*.cpp) ----
    // The hook the custom editor link puts on its control (TEditLinkControlHook installs it):
    // with goTabs in Options the control itself gets Tab, Backtab and the arrow keys, before
    // the window's focus chain and dialog keys see them; true when the event went no further.
    // Without goTabs, and for every other event, the control acts as it would alone (false).
    bool EditLinkControlWndProc(QWidget* Control, QEvent* Message);
    // The unit editor calls it when its unit changes: OnUnitChanged(grid, Col, Row, NewUnit),
    // Col and Row being the displayed current cell.
    void UnitEditUnitChanged(TObject* Sender, const QString& NewUnit);
    // ---- end of public: cell editing hooks for custom and unit editors ----

    // ---- public: nodes, cell pictures and controls, progress, comments, grouping (string_grid_nodes*.cpp, string_grid_pictures*.cpp, string_grid_indicators*.cpp, string_grid_grouping*.cpp) ----
    // Node rows (string_grid_nodes.cpp: creation, queries, expand cells;
    // string_grid_node_expand.cpp: expanding and contracting; string_grid_node_rows.cpp:
    // node-aware row insertion and removal). A node row holds a ctNode object in column 0:
    // CellBoolean = contracted, CellIndex = span (node row included; 0 = down to the next
    // node row), CellErrFrom = sub-node count, CellAngle = the displayed row it was added
    // at. Contracting hides the covered rows in the store of held-out rows, expanding
    // shows them again; both work in batches, never row by row. The operations that
    // change nodes take REAL rows, the queries DISPLAYED rows. None fires a node event.
    void AddNode(int ARow, int Span);
    void AddSummaryRow(int ARow);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool IsNode(int ARow) const;
    bool IsSummary(int ARow) const;
    // True while contracted.
    bool GetNodeState(int ARow) const;
    bool NodeState(int ARow) const { return GetNodeState(ARow); }
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow) const;
    int GetNodeSpan(int ARow) const;
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;
    void UpdateSubNodeCount(int ARow, int Delta);
    bool HasNodes() override { return FNumNodes > 0; }
    int GetRowIndent(int ARow) override;
    // Tree lines: 0 node row, 2 a row continued by the next, 1 the last of its level.
    int GetNodeSpanType(int ARow) const;
    // X in client coordinates; the grid itself never mirrors, so right to left only
    // moves the glyph's place to the right edge.
    bool IsOnNodeGlyph(int ARow, int X) const;
    // The node row that contains ARow (itself for a node row), -1 outside all nodes.
    int GetParentRow(int ARow) const;
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    int NumNodes() const { return FNumNodes; }

    // Expand cells: a cell switching its row between two heights (base cell decides).
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool HasExpand(int ACol, int ARow) const;
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow) const;
    int GetExpandHeight(int ACol, int ARow, bool Expanded) const;
    TRect GetExpandButtonRect(int ACol, int ARow) const;

    // Cell pictures, images, buttons, shapes and ratings (string_grid_pictures.cpp).
    // Columns are real, rows displayed. Every Add replaces the cell's object. An object
    // handed in stays the caller's, who keeps it alive while it is attached; a Create
    // makes one the cell owns (CellCreated) and frees with its record. Bitmaps and icons
    // are pictures on this platform. Wrong kinds answer nullptr, false or clNone.
    void AddBitmap(int ACol, int ARow, TPicture* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TPicture* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    void AddIcon(int ACol, int ARow, TPicture* AIcon, TCellHAlign hal, TCellVAlign val);
    TPicture* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    // The cell itself, not its base cell.
    TPicture* GetBitmap(int ACol, int ARow) const;
    TPicture* GetPicture(int ACol, int ARow) const;
    TFilePicture* GetFilePicture(int ACol, int ARow) const;
    bool HasBitmap(int ACol, int ARow) const { return GetBitmap(ACol, ARow) != nullptr; }
    bool HasPicture(int ACol, int ARow) const { return GetPicture(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    // Image-list images: the Adds and SetImageIdx do nothing without GridImages.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    void RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    bool GetImageIdx(int ACol, int ARow, int& idx) const;
    void SetImageIdx(int ACol, int ARow, int Idx);
    // The index shown is the cell text; an empty cell is given Aidx as its text.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    // Empties the cell text only when it removed a data image.
    void RemoveDataImage(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctDataImage}); }
    // Dir 0: side by side, else stacked. The caller fills the list; each change repaints.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    TIntList* GetCellImages(int ACol, int ARow) const;
    TIntList* CellImages(int ACol, int ARow) const { return GetCellImages(ACol, ARow); }
    // Buttons: the size is kept as height * 65536 + width.
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TPicture* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TPicture* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val);
    // ACol displayed. Act on button cells only: no other kind's fields change.
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    QString GetButtonText(int ACol, int ARow) const;
    void PushButton(int ACol, int ARow, bool Push);
    bool HasButton(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctButton, ctBitButton}); }
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    // Shapes and ratings: colours in typed fields (fill and line; full and empty star).
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow) const;
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    bool HasRating(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctRating}); }
    // Asks OnRatingChange (Allow starting true); the caller writes NewRate when allowed.
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    // An object that draws itself through ICellGraphic (grid/view/cell_graphic_interface.h).
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow) const;
    void RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    // The picker editors' choices, reported for the current cell.
    void DoColorSelect(TColor SelectedColor, const QString& ColorText);
    void DoImageSelect(int ItemIndex);

    // Progress indicators, cell scroll bars, comments, markers and balloons
    // (string_grid_indicators.cpp). The value shown is the cell text.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctProgress}); }
    void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddExProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    // Page size 0, range 100, position 0; with AutoRange CellChanged fits page size to
    // the row height and range to the text height, now and on every text change.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctScrollbar}); }
    bool HasAutoRangeScrollBar(int ACol, int ARow) const;
    void RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow) const;
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow) const;
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, QString& Comment) const;
    QString GetComment(int ACol, int ARow) const;
    // Without an object adds a comment; a cell holding another kind keeps it, unchanged.
    void SetComment(int ACol, int ARow, const QString& Value);
    QString CellComment(int ACol, int ARow) const { return GetComment(ACol, ARow); }
    void SetCellComment(int ACol, int ARow, const QString& Value) { SetComment(ACol, ARow, Value); }
    void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    // The marker lies beside any object (a ctEmpty record is made for a bare cell).
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const;
    // A check box or radio button carries the balloon beside its box; a cell holding
    // another object gets none; a bare cell gets a ctBalloon record.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctBalloon}); }

    // The thin scroll bars of the Metro scroll type (string_grid_scroll_controls.cpp):
    // created by CreateScrollControls, freed when the scroll type changes away.
    TScrollControl* VertScrollControl() const { return vscrlctrl; }
    TScrollControl* HorzScrollControl() const { return hscrlctrl; }

    // Grouping (string_grid_grouping.cpp: Group, UnGroup; string_grid_sub_grouping.cpp:
    // SubGroup, SubUnGroup; string_grid_group_calc.cpp: group calculations). Columns are
    // real indexes. A group header is a node row covering its group; Group removes the
    // grouped column and keeps it aside for UnGroup.
    // The real index the grouped column had; -1 when not grouped.
    int GroupColumn() const { return FGroupColumn; }
    // -1 ungroups, a value above 0 groups by that column, 0 does nothing.
    void SetGroupColumn(int Value);
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    // Method 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 OnGroupCalc, 7 distinct
    // texts, 8 standard deviation; written into each expanded group's header row, or its
    // summary row with Grouping->Summary.
    void GroupCalc(int Colindex, int Method);
    void GroupSum(int Colindex) { GroupCalc(Colindex, 1); }
    void GroupAvg(int Colindex) { GroupCalc(Colindex, 2); }
    void GroupMin(int Colindex) { GroupCalc(Colindex, 3); }
    void GroupMax(int Colindex) { GroupCalc(Colindex, 4); }
    void GroupCount(int Colindex) { GroupCalc(Colindex, 5); }
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
    void GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
    bool IsGrouping() const { return FIsGrouping; }
    // ---- end of public: nodes, cell pictures and controls, progress, comments, grouping ----

    // ---- public: in-place editing: editor kinds, state, show and hide, validation, focus (grid/edit/grid_editing*.cpp) ----
    // Index kinds: IsEditable and IsEditableCell take the REAL column (every caller holds
    // one); IsFixed, SelectCell, ShowCellEditor, HideCellEditor, GetEditText, SetEditText
    // and RememberEditCell take DISPLAYED columns; StoreEditText, DoGetEditorProp and
    // DoEditingDone take REAL ones. Rows are displayed throughout.
    //
    // Road of one edit: SelectCell remembers the cell and switches goEditing on; a key
    // or click asks the base control's ShowEditor, which asks CanEditShow (plain kinds
    // get the base control's edit, special kinds ShowCellEditor); the editor's text
    // follows into the cell while typing; leaving it stores the text, ValidateCell
    // accepts, corrects or refuses it once, HideInplaceEdit closes it, DoEditingDone
    // fires OnEditingDone and posts "GridEditDone" (OnEditCellDone when the queue
    // delivers it), AdvanceAfterEdit moves on.
    bool IsEditable(int ACol, int ARow);
    bool IsEditableCell(int ACol, int ARow);
    // The kind of editor a cell (real column) gets: DefaultEditor through the kind hooks.
    TEditorType CellEditorKind(int ACol, int ARow);
    // The kinds edited in the base control's plain edit.
    static bool IsPlainEditorKind(TEditorType Kind);
    void ShowCellEditor(int ACol, int ARow);
    void HideCellEditor(int ACol, int ARow);
    void ShowCellEdit();
    void HideCellEdit() { HideCellEditor(Col(), Row()); }
    void ShowInplaceEdit();
    void HideInplaceEdit();
    void DoneInplaceEdit(WORD Key, TShiftState Shift);
    // Before rows or columns move under an open editor: any editor stores into its own
    // cell and closes, so that it never writes into the cell that moves into its place.
    void EndEditBeforeLinesMove();
    virtual void DoEditingDone(int ACol, int ARow);
    void SimulateCellClick(int ACol, int ARow);
    void StoreEditText(int ACol, int ARow, const QString& Value);
    void RestoreCellCache();
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    bool EditMode() const { return FEditMode; }
    bool EditActive() const { return FEditActive; }
    bool Editing() const { return FEditing; }
    QString OriginalCellValue() const { return FCellCache; }
    QWidget* EditCtrl() const { return FEditCtrl; }
    int ComboIdx() const { return FComboIdx; }
    void SetComboIdx(int Value) { FComboIdx = Value; }
    bool LastValidation() const { return FLastValidation; }

    // Validation and the move after an edit.
    void RememberEditCell(int ACol, int ARow);
    TPoint RememberedEditCell() const { return {FOldCol, FOldRow}; }
    bool ValidateCell(const QString& NewValue);
    QString NewCellText() const { return FNewCellText; }
    void DoCellChanging(int NewCol, int NewRow, bool& Allow);
    void AdvanceAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursive,
                          bool WasEditing);
    bool EditorWantsTab() const;
    // The balloon shown at the editor after a refusal (nullptr while none was shown).
    TEditBalloon* InvalidEntryBalloon() const { return FInvalidEntryBalloon; }
    // ---- end of public: in-place editing: editor kinds, state, show and hide, validation, focus ----

    // ---- public: the in-place plain edit (grid/edit/ex_inplace_edit*.cpp) ----
    // The plain edit of the plain editor kinds (nullptr until the first edit).
    TExInplaceEdit* NormalEdit() const;
    // The most text lines among the visible cells of a row with Multilinecells, else 1.
    int MaxCellLinesInRow(int ARow);
    // The characters edValidChars takes while ValidChars is empty (codes up to 255).
    std::bitset<256>& ValidCharSet() { return FValidCharSet; }
    // ---- end of public: the in-place plain edit ----

    // ---- public: combo editor, cell controls update, cursors, editor support (grid/edit/grid_combo*.cpp, grid/edit/grid_editor_support*.cpp) ----
    // The combo editor of edComboEdit (editable) and edComboList cells, made with the grid.
    TGridCombo* Combobox() const;
    // The combo's part of opening a special editor on the displayed cell (ACol, ARow): it
    // is styled, filled from the cell, placed over it, focused and maybe dropped down.
    void ShowComboCellEditor(int ACol, int ARow);
    // The combo's part of closing it: while editing, its text goes into the current cell.
    void HideComboCellEditor();

    // Scroll upkeep (grid_editor_support_scrolling.cpp): a special editor closes and
    // commits, controls in cells and the cell scroll bar follow, the partner grid scrolls.
    void TopLeftChanged() override;
    // Places or hides the controls in cells (each kept at its real column and real row)
    // and the cell scroll bar; rebuildlist first collects them again from every cell.
    void CellControlsUpdate(bool rebuildlist);
    // This platform has no toolkit styles: FUseVCLStyles stays false.
    void UpdateVCLStyleColors();
    // The form-control editor of an HTML cell hands over to the next editable control of
    // that cell (displayed column), or the grid takes the focus when there is none.
    void ShowNextControlEditor(int ACol, int ARow, const QString& CurrentID);
    // The first form up the parent chain from Control, or nullptr.
    static TForm* FindParentForm(QWidget* Control);
    // The cursor of the program's resources 8014, the cell selector.
    static constexpr int CellSelectorCursor = 8014;
    bool CellSelectorMode() const { return FCellSelectorMode; }
    void SetCellSelectorMode(bool Value) { FCellSelectorMode = Value; }

    // Hooks that fire the grid's events (grid_editor_support_hooks.cpp).
    virtual void DoClickSort(int ACol);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual bool InDesignMode(bool& IsDesigning) const;
    virtual void DisableEditing();
    virtual bool CanShowFixedDropDown(int ACol);
    virtual QString DoEllipsClick(const QString& Value);
    // ---- end of public: combo editor, cell controls update, cursors, editor support ----

    // ---- public: mini-HTML renderer and markup text utilities (grid/view/mini_html*.cpp, grid/view/markup_text*.cpp) ----
    // ---- end of public: mini-HTML renderer and markup text utilities ----

    // ---- public: picture container, hints, floating footer, drag and drop (grid/view/grid_hint*.cpp, grid/view/floating_footer*.cpp, grid/view/grid_drag_drop*.cpp) ----
    // Pictures of mini-HTML text: the grid's own cache of pictures named by URL, and a
    // container of named pictures it may point to.
    THTMLPictureCache* ImageCache() const { return FImageCache.get(); }
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* Value) { FPictureContainer = Value; }
    // True makes the HTML hint window show the hints of every control of the program;
    // false gives them back to the toolkit's tooltip.
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value);
    // The window of the grid's mini-HTML and wide-text hints; created on first use.
    THTMLHintWindow* HTMLHintWindow();
    // The balloon window exists from BalloonInit to BalloonDone.
    void BalloonInit();
    void BalloonDone();
    // Watches the grid for balloons and gives them Title with Icon (0 none, 1
    // information, 2 warning, 3 error; others none). Nothing without a balloon window.
    void AddBalloonTool(int Icon, const QString& Title);
    TBalloonWindow* BalloonWindow() const { return FHToolTip; }
    // The panel of the floating footer along the grid's bottom.
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    void ShowModifiedChange();
    void BandsChange();
    // Drag and drop (grid/view/grid_drag_drop*.cpp). A drag of the selection offers, in
    // this order, the selected text, an HTML table of the cells, the rich text of the cell
    // under the mouse while rich text is enabled, and with Navigation.AllowFmtClipboard
    // the cells block; a column drag offers the real column. The drop side follows
    // DragDropSettings on the viewport's drag events; its handlers take client points.
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    // What a drag of the selection started on cell (ACol, ARow) carries.
    std::unique_ptr<QMimeData> SelectionDragData(int ACol, int ARow);
    // What a drag of the header of RealColumn carries.
    std::unique_ptr<QMimeData> ColumnDragData(int RealColumn);
    THeaderDragButton* HeaderDragButton() const { return MoveButton; }
    // The selection a drag of this grid is taking out; a drop on the same grid moves it.
    TGridRect DropSelection() const { return FDropSelection; }
    // ---- end of public: picture container, hints, floating footer, drag and drop ----

    // ---- public: sorting and filtering, filter drop-down lists (grid/data/grid_sort*.cpp, grid/data/grid_filter*.cpp, grid/data/filter_drop*.cpp) ----
    // Sorting of the data rows (grid/data/grid_sorting.cpp, row_sort_keys.cpp). Columns
    // are real (SortSettings.Column, SortIndexes, IgnoreColumns), rows displayed. Every
    // sort is stable, reads each text once, and moves rows through SortSwapRows, at most
    // one swap per row, so the cross-reference, heights, flags and the tracked row follow;
    // QUnSort puts back the order InitSortXRef saw. QSort sorts by SortSettings.Column
    // (nothing when -1) and clears SortIndexes; QSortIndexed by SortIndexes (EExGridError
    // when empty); the grouped forms sort the children of each expanded node of the
    // deepest node level.
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    // Rows Left..Right (clipped to the grid) by column Col, or by SortIndexes, without
    // the frame of QSort (no update lock, no cross-reference check).
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // One compare-and-swap step: swaps the two rows when column Col (or, on a tie, the
    // next column) orders them against the direction of the last sort.
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // 1, 0 or -1: row ARow1 against ARow2 in real column ACol, as the sort compares them.
    int CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction);

    // Filtering (grid/data/grid_filter_active.cpp, grid_narrow_down.cpp). Rows are
    // displayed, filter columns real. MatchFilter tests a row against every condition of
    // Filter, joined by their operations, then OnCustomFilter. ApplyFilter holds out the
    // failing data rows as one new level; FilterActive on applies a level, off gives the
    // last level back; RemoveLastFilter gives back the last level (true while more than
    // one stays), RemoveAllFilters every level (or clears Filter when none is in place).
    virtual bool MatchFilter(int ARow);
    void ApplyFilter();
    void FilterRow(int ARow);
    void SetFilterActive(bool Value);
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // Narrows the data rows to those whose stored text in real column AColumn (or, for
    // -1, any cell of the row) holds ACondition as typed, case-blind: one more level per
    // character typed on, one level back per character deleted; any other change starts
    // over from every row, and an empty text gives every row back.
    void NarrowDown(const QString& ACondition, int AColumn);

    // The column filter drop-down (grid/data/filter_drop_down.cpp). FilterSelect takes
    // entry ItemIndex of FilterList for the open column (FilterCol, real): its condition
    // (after the first "=", or the entry; FilterDropDownClear removes the column's
    // conditions) becomes the column's, applied at once with AutoFilterUpdate.
    // FilterCheck makes the ticked entries of the check list the conditions, joined by
    // "or", and switches the filter on. Entries the automatic list takes from cell texts
    // filter on that text exactly.
    virtual void FilterCheck();
    // True when entry Index of FilterList is a cell text the automatic list found.
    bool IsCellTextFilterEntry(int Index) const;
    // ---- end of public: sorting and filtering, filter drop-down lists ----

    // ---- public: clipboard, cell block stream, HTML string (grid/data/grid_clipboard*.cpp, grid/data/cell_block_stream*.cpp, grid/data/html_export*.cpp) ----
    // Clipboard (grid/data/grid_clipboard*.cpp). A copy offers the range as spreadsheet
    // text (text/plain, clipboard_text.h) and as an HTML table (text/html); with
    // Navigation.AllowFmtClipboard also the cell block (GridCellsMimeType: the block
    // envelope around SaveRectToBinStream's bytes), with AllowRTFClipboard the rich text of
    // the top-left cell. Paste prefers the block, then the rich text, then the text.
    // Selections, ACol and pasted extents are displayed columns; cells are written at the
    // real column shown there. Data from outside is checked whole first: a paste that
    // would grow the grid beyond grid_cell_limit.h, or a block that does not read, raises
    // EExGridError and changes nothing; cells landing outside the grid are dropped.
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteSelectionFromClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    void PasteFromClipboard();
    void CopyToClipBoardAsHTML();
    QString GetSelectionAsText();
    void SetSelectionAsText(const QString& Value);
    // Lines: the lines pasted; Fields: the fields of the last line. Result: the fields
    // met, the empty text after a final line break counted as one.
    int PasteTextAt(int ACol, int ARow, int& Lines, int& Fields, const QString& Text);
    // Size.X: the most fields of a line; Size.Y: the rows below the first.
    static void TabTextSize(const QString& Text, TPoint& Size);
    // Cell block stream (grid/data/cell_block_stream*.cpp): the cells of the displayed
    // rectangle with their texts, properties and cell graphics, in the encoding of
    // cell_block_codec.h. The reader checks the whole stream before it writes a cell and
    // raises EExGridError for a stream it cannot read; cells outside the grid are dropped.
    void SaveRectToBinStream(TRect Rect, QIODevice& Stream);
    void LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream);
    // HTML (grid/data/html_export.cpp): the save range as one document in the look of
    // HTMLSettings. Cell pictures are left out (Dir names where they would go).
    THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
    QString SaveToHTMLString(const QString& Dir);
    // ---- end of public: clipboard, cell block stream, HTML string ----

    // ---- public: find and replace, search footer, highlighting, marking, checking (grid/data/grid_find*.cpp, grid/data/search_footer*.cpp, grid/data/grid_highlight*.cpp) ----
    // Find and replace (grid/data/grid_find.cpp). Cell positions are (column, row), (-1, -1)
    // for none; columns and rows are displayed ones unless fnIncludeHiddenColumns or
    // fnIncludeHiddenRows make them real. A find starts one step past StartCell, or at the
    // area's first (with fnBackward last) cell from (-1, -1), and never wraps around.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    // The same over WideCells (the same texts here), without the scroll away from the bottom.
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    // Find from the first cell, and again from the last match with the same text and options.
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    TPoint FindNext();
    // Replaces every occurrence in each matching cell's stored text; with fnMatchCase only
    // case-exact occurrences. Returns the number of cells changed.
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    TFindParams FindParams() const { return FFindParams; }
    void SetFindParams(TFindParams Value) { FFindParams = Value; }
    TPoint SearchCell() const { return FSearchCell; }
    void SetSearchCell(TPoint Value) { FSearchCell = Value; }
    QString SearchCache() const { return FSearchCache; }
    // The column and row that fnFindInPresetCol and fnFindInPresetRow restrict to.
    int FindCol() const { return FFindCol; }
    void SetFindCol(int Value) { FFindCol = Value; }
    int FindRow() const { return FFindRow; }
    void SetFindRow(int Value) { FFindRow = Value; }
    // Set when a find starts, cleared when one ends without a match.
    bool FindBusy() const { return FFindBusy; }

    // Highlighting (<hi>) and marking (<e>) of occurrences (grid/data/grid_highlight.cpp).
    // The text forms work on mini-HTML and leave its tags in place. The cell forms take
    // real columns and displayed rows; a row or grid range walks the displayed columns,
    // except HilightInGrid and the removals, which reach hidden ones too. Only base cells
    // holding a match are rewritten (their stored text, written as plain text around the
    // tags), and the removals give such a cell back exactly, leaving cells without the tag.
    static QString HilightText(bool DoCase, const QString& S, const QString& Text);
    static QString UnHilightText(const QString& S);
    static QString MarkText(bool DoCase, const QString& S, const QString& Text);
    static QString UnMarkText(const QString& S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    // Hidden columns are left out here, unlike HilightInGrid and the removals.
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // Cell checking through the attached checker (grid/data/grid_cell_check.cpp); true when
    // no checked cell changed, and always true without a checker. Columns are real; rows
    // and the grid are checked over their displayed columns. The grid lets go of the
    // checker when it is destroyed.
    TExStringGridCheck* CellChecker() const { return FCellChecker; }
    void SetCellChecker(TExStringGridCheck* Value);
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

    // The search footer's handlers (grid/data/search_footer.cpp), bound to the panel's
    // events, and the copy of the SearchFooter settings into the panel.
    void SearchPanelEditChange(TObject* Sender);
    void SearchPanelForwardClick(TObject* Sender);
    void SearchPanelBackwardClick(TObject* Sender);
    void SearchPanelExitClick(TObject* Sender);
    void SearchPanelHighLightClick(TObject* Sender);
    void SearchFooterChange(TObject* Sender);
    // ---- end of public: find and replace, search footer, highlighting, marking, checking ----

    // ---- public: spin, edit-button and unit editors (grid/edit/spin_edit*.cpp, grid/edit/edit_button*.cpp) ----
    // ---- end of public: spin, edit-button and unit editors ----

    // ---- public: rich text editor and RTF cells (grid/edit/rich_edit*.cpp, grid/edit/rtf_codec*.cpp) ----
    // The hidden rich edit through which RTF cells are converted, measured and painted,
    // and the in-place editor of edRichEdit cells; both made on first use.
    TExRichEdit* RichEdit();
    TExRichEdit* InplaceRichEdit();
    // A cell's RTF (or plain text) into a rich edit; an empty cell empties it.
    void CellToRich(int Col, int Row, TExRichEdit* Richeditor);
    // A rich edit's content as 7-bit RTF (empty only while the grid is destroyed).
    QString RichToString(TExRichEdit* Richeditor);
    void RichToCell(int Col, int Row, TExRichEdit* Richeditor);
    // The "Rich Text Format" text the clipboard offers for a cell: its RTF written anew,
    // or empty when the cell holds no rich text.
    QString ClipboardRichText(int ACol, int ARow);
    // Paints a cell's rich text into a rectangle of the canvas.
    void PaintRichTextCell(int ACol, int ARow, TRect ARect, TCanvas& Canvas);
    // ---- end of public: rich text editor and RTF cells ----

    // ---- public: editors by kind: check box, spin, button, unit, custom link, form-control and fixed-cell editors, cell checkers (grid/edit/grid_cell_editors*.cpp, grid/edit/edit_link*.cpp) ----
    // The editors of the check box, edit-with-button, unit and push button kinds (the spin
    // is GetSpinEdit), each made on first use as a hidden, disabled child of the grid.
    class TGridCheckBox* CheckBoxEditor();
    class TGridEditBtn* BtnEdit();
    class TGridUnitEditBtn* BtnUnitEdit();
    class TGridButton* Btn();
    // The custom editor link edCustom cells open with; without one they open nothing. The
    // grid forgets a link that is destroyed.
    class TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value);
    static bool IsSpinKind(TEditorType Kind);
    static bool IsEditBtnKind(TEditorType Kind);
    static bool IsUnitKind(TEditorType Kind);
    // The size of an RTF cell's text laid out formatted in Font (through the hidden
    // RichEdit): wrapped at Width when it is above 0, else on its own lines.
    TSize RichCellTextSize(int RCol, int ARow, const TFont& Font, int Width);
    // The cell follows the typing in the spin edit and the edit with button, as in the
    // plain edit, once a plain editor has opened (and not while a press starts an edit).
    void FollowEditorText(const QString& Text);
    // Enter or Tab typed in a form-control editor: the editor has ended; the grid takes
    // the focus, and Tab goes on to the next cell (AdvanceAuto) or the cell's next control.
    void ControlEditorKey(bool Tab);
    // ---- end of public: editors by kind: check box, spin, button, unit, custom link, form-control and fixed-cell editors, cell checkers ----

    // ---- public: date and time picker editors (grid/edit/grid_date_editors*.cpp) ----
    // The date picker (edDateEdit, edDateEditUpDown, edTimeEdit) and the date-and-time
    // picker (edDateTimeEdit), made hidden and disabled on first use and kept.
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    // The date picker's notices: the calendar closed (OnDatePickerCloseUp, and the edit
    // ends with MouseActions.DirectDateClose), the calendar opens (its week numbers,
    // "Today" line and today frame from the picker; OnDatePickerDropDown), the value
    // changed (OnEditChange with the shown text).
    void DoDatePickerCloseUp();
    void DoDatePickerDropDown();
    void DoDatePickerChange();
    static bool IsDateEditorKind(TEditorType Kind);
    // ---- end of public: date and time picker editors ----

    // ---- public: drop-down editor wrappers, kinds 30 to 38 (grid/edit/grid_drop_down_editors*.cpp) ----
    // The drop-down editors of the kinds edTrackbarDropDown to edExGridDropDown, each made
    // on first use, hidden, in the grid's style and colour tones.
    static bool IsDropDownEditorKind(TEditorType Kind);
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridExGridDropDown* ExGridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    // ---- end of public: drop-down editor wrappers, kinds 30 to 38 ----

    // ---- public: text format, CSV, fixed width and ASCII files (grid/data/grid_text_files*.cpp, grid/data/grid_csv*.cpp) ----
    // Every reader here reads the whole file (UTF-8 or UTF-16 by its BOM, else UTF-8 when
    // valid, else Windows-1252) before it changes the grid, and raises before any change
    // when the file does not read or the grid would pass grid_cell_limit.h. Files are
    // written whole and atomically. A file that cannot be read raises EFOpenError, one
    // that cannot be written EFCreateError (platform/file_errors.h), each naming it.
    //
    // The text format file: "columns,rows", a line "cw <column>,<width>" per saved column,
    // then "<column>,<row>,<text>" per non-empty saved cell at its absolute position.
    // A text with a line break is kept on its line as TAB for CR, character 8 for LF and
    // character 1 for character 0; a TAB of a text with a line break therefore reads back
    // as a CR (the format has no escape for it). UTF-16 LE with BOM when Unicode.
    void SaveToFile(const QString& FileName, bool Unicode = false);
    // Raises EExGridError "File contains no data or corrupt file <name>" for a file whose
    // header gives no columns or no rows (an empty file too).
    void LoadFromFile(const QString& FileName);
    // The cell block of the save range, as a file or on a stream.
    void SaveToBinFile(const QString& FileName);
    void LoadFromBinFile(const QString& FileName);
    void SaveToBinStream(QIODevice& Stream);
    // Reads a block at (0, 0) and recounts the node rows.
    void LoadFromBinStream(QIODevice& Stream);
    // The cell's number in the locale's form ("1.234,5", "(12)"); 0 for an empty cell;
    // raises EExGridError naming the position where the number stops.
    double CellToReal(int ACol, int ARow);

    // CSV: one line per saved row, fields joined by Delimiter ("," when null); quoting as
    // grid/data/csv_format.h says, with QuoteEmptyCells, AlwaysQuotes and JavaCSV. UTF-8
    // with BOM when Unicode; else UTF-8, or code page 850 with OemConvert.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    // The existing file (which must exist) and the save range after it.
    void AppendToCSV(const QString& FileName, bool Unicode = false);
    // From the save range's first row on, at most MaxRows records (all when 0 or less);
    // a null Delimiter is detected from the first two lines. An empty file changes
    // nothing; OemConvert reads a file without BOM as code page 850.
    void LoadFromCSV(const QString& FileName, int MaxRows = 0);
    // As rows after the last one.
    void InsertFromCSV(const QString& FileName, int MaxRows = 0);
    // Raises Exception "File is empty" when the stream holds no line.
    void LoadFromCSVStream(QIODevice& AStream, int MaxRows = 0);

    // Fixed width. Saving takes positions as field widths, one per saved column; the
    // missing ones are appended (the column's longest line + 1) and stay in the caller's
    // list. Loading takes positions as the 1-based character positions where fields
    // start, sorted, the last one ending the last field: widths 4, 4 save what starts 1,
    // 5, 9 load. Fewer than two load positions raise EExGridError and change nothing.
    // MaxRows: -1 every line, n > 0 at most n lines, anything else one line.
    void SaveToFixed(const QString& FileName, TIntList* positions);
    void LoadFromFixed(const QString& FileName, TIntList* positions, bool DoTrim = true, int MaxRows = -1);
    // A table for reading: each column padded to its longest line plus one blank, cells
    // aligned as shown, with Multilinecells every line of a cell. UTF-16 LE with BOM when
    // Unicode. Any number of columns of any width.
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    // The existing file's lines (none when it is missing), then the table.
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // ---- end of public: text format, CSV, fixed width and ASCII files ----

    // ---- public: printing and preview (grid/data/grid_print*.cpp) ----
    // Printing goes to Printer(), a PDF file when one is named on it, else the default
    // printer; with no printer at all it raises EPrinter. Rectangles are display indexes.
    // The selected-only forms print the flagged rows (or columns) or the selection.
    void Print();
    void PrintSelection();
    void PrintRect(TGridRect Gridrect);
    void PrintSelectedRows();
    void PrintSelectedCols();
    // Draws the pages PreviewPage() selects into Displayrect (device units) of any canvas.
    void PrintPreview(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewRect(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect);
    void PrintPreviewSelection(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewSelectedRows(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewSelectedCols(TCanvas& Canvas, TRect Displayrect);
    // The first page on any canvas, the page being the canvas's clip rectangle.
    void PrintDraw(TCanvas& Canvas, TRect DrawRect);
    void PrintDrawRect(TCanvas& Canvas, TRect DrawRect, TGridRect Gridrect);
    // The user's print preview window: its pages come from the print above, and its
    // print button prints them. CreatePrintPreviewWindow leaves showing to the caller.
    void ShowPrintPreviewWindow(QWidget* Parent = nullptr);
    std::unique_ptr<QPrintPreviewDialog> CreatePrintPreviewWindow(QWidget* Parent = nullptr);
    TPrinter& Printer();
    // Font heights in 0.1 mm for a point size, with the fit factor of the print running,
    // and back.
    int MapFontHeight(int pointsize) const;
    int MapFontSize(int Height) const;
    // The first page of the page range; setting it sets the whole range to that page.
    int PreviewPage() const { return FPrintFromPage; }
    void SetPreviewPage(int Value) { FPrintFromPage = FPrintToPage = Value; }
    int PrintNrOfPages() const { return FPrintNrOfPages; }
    TRect PrintPageRect() const { return FPrintPageRect; }
    int PrintPageWidth() const { return FPrintPageWidth; }
    int PrintColStart() const { return FPrintColStart; }
    int PrintColEnd() const { return FPrintColEnd; }
    bool IsPrintPreview() const { return FIsPrintPreview; }
    // No counting pass: the count is taken as the largest integer (1 for a preview).
    bool FastPrint = false;
    // Qt's printers turn text as the screen does, so the landscape correction it asks
    // for never applies; the flag is kept for callers that set it.
    bool PrinterDriverFix = false;
    // ---- end of public: printing and preview ----

    // ---- public: HTML and XML files (grid/data/html_file*.cpp, grid/data/grid_xml*.cpp) ----
    // XML (grid/data/grid_xml*.cpp). SaveToXML writes the save range as ListDescr holding
    // one RecordDescr element per row and one element per cell, named by FieldDescr's entry
    // for the cell's position in the range, else "FIELD" + that position; empty cells only
    // with ExportEmptyCells (as two double quotes with QuoteEmptyCells). The file is written
    // in XMLEncoding (UTF-8, UTF-16, ISO-8859-1, Windows-1252 or US-ASCII; other names raise
    // EExGridError before writing) with character references for what it cannot hold.
    // LoadFromXML reads each child of the document element as a row, or with LevelToRow
    // each level of nesting; LoadFieldDescr names row 0's columns after the elements. A
    // file that does not parse raises "XMLDOM Parsing error " + code (grid_xml_reader.h) +
    // " on line " + line, and a failed read leaves the grid as it was.
    void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                   const TStringList* FieldDescr, bool ExportEmptyCells);
    void LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr);
    // HTML files (grid/data/html_file.cpp): SaveToHTMLString between the lines of
    // HTMLSettings' HeaderFile and FooterFile, as UTF-16 with a BOM when Unicode, else as
    // ASCII with numeric references for every other character; an XHTML declaration names
    // the encoding written. AppendToHTML keeps the file's lines before them (the whole file
    // is rewritten). Show or AutoPreview opens the file through OpenURL.
    void SaveToHTML(const QString& FileName, bool Show, bool Unicode);
    void AppendToHTML(const QString& FileName, bool Show, bool Unicode);
    // ---- end of public: HTML and XML files ----

    // ---- public: office documents and settings persistence (grid/data/office_*.cpp, grid/data/grid_settings*.cpp) ----
    // office documents
    // Workbooks are .xlsx and documents .docx whatever the name says; a legacy binary
    // workbook raises Exception "Incorrect XLS file" and a legacy document EExGridError
    // "Incorrect DOC file". The hourglass shows while they run; a failed read leaves the
    // grid as it was, a failed save the file.
    // The worksheets' names, in order.
    std::unique_ptr<TStringList> GetXLSSheets(const QString& FileName);
    // The used range of the active sheet, or of the named one (EExGridError "Excel
    // worksheet " + name + " not found"), from the first column and row on that are not
    // fixed (from 0 when SaveFixedCells, SaveFixedCols or SaveFixedRows say so); the grid
    // takes the range's size. A range the grid may not hold raises EExGridError.
    void LoadFromXLS(const QString& Filename);
    void LoadFromXLSSheet(const QString& Filename, const QString& SheetName);
    // The grid from the save range's first cell on, as texts without CR, into A1 on of a
    // new workbook (no application holds an open one here, whatever CreateNewSheet says),
    // or of the named sheet of the file, which is replaced or added while the workbook's
    // other parts stay as they were. A grid larger than a sheet raises EExGridError; an
    // existing file that holds no workbook raises "Incorrect XLS file" and is kept.
    void SaveToXLS(const QString& Filename, bool CreateNewSheet = true);
    void SaveToXLSSheet(const QString& Filename, const QString& SheetName);
    // Every cell as a table with the cells' alignment, and a paragraph holding the grid's
    // caption: a new document, or the file's document with the table after the paragraph
    // holding Bookmark, else at the end of its text.
    void SaveToDOC(const QString& Filename, bool CreateNewDocument = true);
    void AppendToDoc(const QString& Filename, const QString& Bookmark);
    // Database files need a driver this platform does not have: both raise EExGridError
    // "MDB database access is not supported on this platform" and change nothing.
    void LoadFromMDBTable(const QString& Filename, const QString& Table);
    void LoadFromMDBSQL(const QString& Filename, const QString& SQL);
    // settings persistence
    // The column layout as one text (grid/data/grid_settings_column_states.cpp), four
    // parts joined by "#": the column count, hidden columns included; the widths of the
    // shown columns followed by the kept widths of the hidden ones in storage order; the
    // column order list (0, 1, .. when there is none); "1" or "0" for the visibility of
    // each storage column.
    QString ColumnStatesToString() const;
    // A text without "#" changes nothing. The whole text is checked before anything
    // changes: a non-numeric entry raises EConvertError; a count the grid cannot take, an
    // order that is no order of the columns, a visibility other than 0 or 1, hiding every
    // column or one it cannot hide, or a width outside 0 .. 32767 raises EExGridError.
    // Missing widths leave those columns as they are.
    void StringToColumnStates(const QString& Value);
    // Column widths at ColumnSize's place, values "Col<i>" (grid_settings_column_sizes.cpp).
    // A store that cannot be written back never makes a load fail.
    void SaveColSizes();
    void LoadColSizes();
    // Colours, fonts and looks as name=value lines (grid_settings_visual_props.cpp).
    // Saving raises EFCreateError, loading EFOpenError when the file cannot be used, and
    // EConvertError for a number that is none (what was read before it stays set).
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);
    // PrintSettings in the ini file Key, section Section (grid_settings_print.cpp).
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);
    // The form was scaled by M/D: the fixed and the active cell font follow.
    void ChangeScale(int M, int D);
    // ---- end of public: office documents and settings persistence ----

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Editing state (transient).
    TEditorType EditControl = edNormal;
    bool FEditDisable = false;
    bool FEditChange = false;
    bool FSelChange = false;
    bool FNilObjects = false;
    int FUpdateCount = 0;
    bool FLoaded = false;
    bool FUseEnabledRows = false;

    // ---- store objects of hidden rows and columns (string_grid_hidden.cpp) ----
    // Created together with their deleter by the code that defines the classes, so the
    // rest of the grid needs neither class complete.
    static std::unique_ptr<THiddenRowStore, void (*)(THiddenRowStore*)> MakeHiddenRowStore();
    static std::unique_ptr<TColumnDisplayMap, void (*)(TColumnDisplayMap*)> MakeColumnDisplayMap();
    std::unique_ptr<THiddenRowStore, void (*)(THiddenRowStore*)> FHiddenRows = MakeHiddenRowStore();
    std::unique_ptr<TColumnDisplayMap, void (*)(TColumnDisplayMap*)> FColumnMap = MakeColumnDisplayMap();
    int FFilterLevel = 0;
    // Takes displayed rows (ascending) out into the store at a filter level, and puts
    // rows taken from the store back at the places their real indexes give.
    void HoldRowsOut(std::vector<int> DisplayedRows, int Level);
    void ShowHeldOutRows(std::vector<TGridItem> Items);
    std::vector<int> RowsBySelection(bool Selected);
    // ---- end of the hidden rows and columns section ----

    // ---- notices of sizes and scrolling (string_grid_dimensions.cpp) ----
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged() override;
    void CalcSizingState(int X, int Y, TGridState& State, int& Index) override;
    bool ScrollNotice(TScrollBarKind Bar, TScrollCode Code, int Pos) override;
    int ScrollThumbPage(TScrollBarKind Bar) const override;
    // Stretching from a size notice: a bad ColumnSize.StretchColumn stretches nothing.
    void StretchFromNotice();
    void StretchColumnAt(int Index);
    void ApplyCountChange();
    void MoveFooterRow(int NewCount);
    QLabel* FScrollHintWindow = nullptr;  // shown while a thumb is dragged, a child of the grid
    // ---- end of the sizes and scrolling section ----

    // ---- protected: rows and columns: insert, remove, clear, move, swap, auto-size (string_grid_structure*.cpp) ----
    // The one removal every row operation ends in: takes the ascending, distinct
    // displayed rows out in one pass and keeps every side structure in step (see the
    // decisions above). FreeObjects frees the removed cells' objects; KeepHeightsInPlace
    // leaves every row position its height instead of moving heights with the rows.
    void RemoveDisplayedRows(const std::vector<int>& AscendingRows, bool FreeObjects, bool UpdateControls,
                             bool KeepHeightsInPlace);
    // Row (and, with RemoveRows, TopRow) back after a removal, as RemoveRows places them.
    void PlaceRowAfterRemoval(int OldRow, int OldTopRow);
    // The index a row's side-list entry has (the real row with RowSelectPersistent).
    int RowSelectIndex(int ARow) const;
    // Frees a cell's properties with its own graphic (a shared one stays).
    void FreeCellObject(int ACol, int ARow);
    // Frees the cell objects of the given rows over every real column.
    void FreeRowObjects(const std::vector<int>& AscendingRows);
    // Removes the rows (ascending) inside one update, places the current row as RemoveRows
    // does and sends one notice over them.
    void RemoveRowsFound(std::vector<int> AscendingRows, bool FreeObjects, bool UpdateControls);
    // RCount cut to the rows that exist from RowIndex (a grid keeps one); 0 for none.
    int RemovableRows(int RowIndex, int RCount) const;
    void ExchangeRowEntries(int ARow1, int ARow2);
    // Gives every registered cell control the place Place answers for its (real) column
    // and row: a negative column keeps the column, a negative row drops the control
    // (hidden).
    void RenumberCellControls(const std::function<TGridCoord(int X, int Y)>& Place);
    int CellContentWidth(int ACol, int ARow);
    // Every row is shown without scrolling.
    bool AllRowsFit() const;
    TGridRect FOldSelection{};
    int FOldRowSel = -1;
    bool FSelHidden = false;
    int FSwapCount = 0;
    // ---- end of protected: rows and columns: insert, remove, clear, move, swap, auto-size ----

    // ---- protected: check boxes, radio buttons, typed access, calculations (string_grid_check_boxes*.cpp, string_grid_typed_access.cpp, string_grid_calculations.cpp) ----
    // The check-box object of a cell by real row while rows are hidden (from the store of
    // held-out rows for a hidden row), else by displayed row; the shared graphics answer
    // for a row without an object of its own.
    TCellGraphic* CheckBoxObjectAt(int ACol, int ARow) const;
    // The range of rows the column operations of check boxes and radio buttons walk.
    int FirstCheckBoxRow() const;
    void UncheckOtherRadioButtons(int ACol, int ARow);
    void PropagateGroupCheck(int ACol, int ARow, bool NewState, bool WasNode, int NodeSpan, bool NodeContracted,
                             int ParentRow, int ParentSpan);
    // Rows of the column statistics: the value of each row taken, unreadable texts skipped.
    template <class Visit>
    void ForEachColumnValue(int ACol, int FromRow, int ToRow, Visit&& Take);
    void DataRowRange(int& FromRow, int& ToRow) const;
    // One calculated footer cell over the rows fromRow..toRow (hidden: held-out rows counted).
    void CalcFooterCell(int ACol, TColumnCalcType Type, int FromRow, int ToRow, int Hidden);
    // ---- end of protected: check boxes, radio buttons, typed access, calculations ----

    // ---- protected: column grid support (column_grid*.cpp) ----
    // Not designing, and ColumnSize names a key and a section.
    bool HasColumnPositionPlace() const;
    int FFilterCol = -1;
    TGridSpin* FSpinEdit = nullptr;  // a child of the grid
    // ---- end of protected: column grid support ----

    // ---- protected: cell drawing, looks, styles and themes (grid/view/cell_drawing*.cpp, grid/view/grid_looks*.cpp) ----
    void DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    // Parts of DrawGridCell on its working values.
    void DrawFixedGradientLook(TCellDrawWork& W, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo);
    void DrawCellBorders(TCellDrawWork& W);
    void DrawTreeLines(TCellDrawWork& W);
    void DrawCellScrollBar(TCellDrawWork& W);
    void DrawFixedEdges(TCellDrawWork& W);
    void DrawFocusRectangle(TCellDrawWork& W);
    void DrawAlwaysVisibleEditorButtons(TCellDrawWork& W);
    // The row indicator moves the cell's left edge; the width it took comes back.
    int DrawRowIndicator(TCellDrawWork& W);
    void DrawDesignColumnNumber(TCellDrawWork& W);
    // The hover look of a fixed cell: hovered (or its column being moved) where
    // HoverFixedCells allows it; drawn hovered, pressed or split at the drop-down button.
    bool IsHoveredFixedCell(int ACol, int ARow) const;
    void DrawHoveredFixedCell(TCellDrawWork& W);
    // Fixed as the colour rules count it: the fixed-cell test or inside the fixed rows or columns.
    bool IsFixedForColors(int ACol, int ARow);
    bool HasColorTones() const { return FTones.Background.BrushColor != clNone; }
    // The row whose flags (selection, enabled) apply to a displayed row.
    int FlagRowOf(int ARow) const;
    void ApplyLookPreset(TGridLook Value);

    TGridLook FLook = glXP;
    QImage FRowIndicator;
    TOfficeTheme FOfficeTheme = otUnknown;
    bool FNoImageAndText = false;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    // ---- end of protected: cell drawing, looks, styles and themes ----

    // ---- protected: cell graphics and the text layer (grid/view/cell_graphics*.cpp, grid/view/cell_text_layer*.cpp) ----
    // The two layers DrawGridCell hands its working values to.
    void DrawCellText(TCellDrawWork& Work);
    void DrawCellGraphic(TCellDrawWork& Work, TRect ARect, TCellGraphic* Graphic, TCellVAlign VA);
    // Kinds of the graphic layer with their own steps: the node button with its tree
    // lines (R as received) and the cell buttons (R inset, G the placed graphic).
    void DrawCellNode(TCellDrawWork& Work, TRect R, TCellGraphic* Graphic);
    void DrawCellButton(TCellDrawWork& Work, TRect R, TRect G, TCellGraphic* Graphic);
    // Pieces of the text layer.
    void DrawCellFilterGlyph(TCellDrawWork& Work, TRect R);
    void DrawCellBackground(TCellDrawWork& Work, TRect R);
    void DrawSelectionRectangle(TCellDrawWork& Work, TRect R);
    // Where the sort indicator of the cell sits, or false when it shows none.
    bool ShowsSortIndicator(int RCol, int ARow) const;
    TColor FSelectionRectangleColor = clBlack;
    // ---- end of protected: cell graphics and the text layer ----

    // ---- protected: grid painting, update lock, messages, timer, focus windows (grid/view/grid_painting*.cpp, grid/view/grid_messages*.cpp) ----
    void Paint() override;
    // Scrolling moves the picture unless something not attached to the cells is painted
    // over them: merged areas, a background picture or gradient, footers, right fixed
    // columns, sizing lines, the design panel, or a paint held back by the lock.
    bool CanScrollPicture() const override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void PaintBackgroundOutsideCells();
    void DrawBackgroundFixed(TRect ARect);
    void DrawBackgroundTiled(TRect ARect);
    void PaintSizingLines();
    // Enabled, colour and cursor notices; the size notice lays out the footer, the widths
    // and the scroll bars.
    void CMEnabledChanged();
    void CMColorChanged();
    void CMCursorChanged();
    void WMSize();
    // The hint request: true when a hint shows.
    bool CMHintShow(QHelpEvent* Event);
    void StartGridTimer();
    void RepaintBlinkingCells();
    void ApplyBorderMargins();
    bool FDoubleBuffered = false;
    std::unique_ptr<TFilter> FFilter = std::make_unique<TFilter>();
    std::unique_ptr<TFilterDropDown> FFilterDropDown = std::make_unique<TFilterDropDown>();
    std::unique_ptr<TPrintSettings> FPrintSettings = std::make_unique<TPrintSettings>(this);
    int FHoverFixedX = -1;
    int FHoverFixedY = -1;
    THoverFixedCells FHoverFixedCellsKind = hfNone;
    bool FSizeFixed = false;
    bool FSizeFixedR = false;
    bool FNoMouseLeave = false;
    bool Invokedchange = false;
    int FTimerTicks = 0;
    bool FGridBlink = false;
    int FPaintCount = 0;
    bool FDisableSize = false;
    std::unique_ptr<TIntervalTimer> FGridTimer;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FFitCellsInGrid = false;
    std::vector<int> FSizingLinesX;  // the sizing lines shown, an overlay of the paint
    std::vector<int> FSizingLinesY;
    TBalloonText FLastBalloon;
    QString FTooltipText;
    int FDesignHelperItem = -1;
    bool FShowColumnNumbers = false;
    TSearchPanel* FSearchPanel = nullptr;  // a Qt child of the grid
    bool FAligningSearchPanel = false;
    // ---- end of protected: grid painting, update lock, messages, timer, focus windows ----

    // ---- protected: mouse and hover state (set by the press, release and move handling, read by painting) ----
    // Cells are (column, row) pairs of displayed indexes; (-1, -1) or -1 means none.
    TMouseSelectMode FMouseSelectMode = msNormal;
    TPoint FMouseSelectStart{-1, -1};
    int Clickposx = 0;
    int Clickposy = 0;
    int Clickposdx = 0;
    int Clickposdy = 0;
    int Movecell = -1;
    int MoveOfsX = 0;
    int MoveOfsY = 0;
    TPoint FPushedCellButton{-1, -1};
    TPoint FPushedFixedCell{-1, -1};
    bool FFixedCellPushed = false;
    bool FDoOnClick = false;
    bool FMouseDown = false;
    bool FMouseKeepDown = false;
    bool FMouseDownMove = false;
    bool FDeselectState = false;
    bool FSelectionClick = false;
    bool FMouseResize = false;
    TGridRect FDropSelection{-1, -1, -1, -1};
    bool FSizingFixed = false;
    int FSizingFixedCol = -1;
    int FSizeFixedX = 0;
    bool FSizingFixedR = false;
    int FSizingFixedRow = -1;
    int FSizeFixedY = 0;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    bool LButFlg = false;
    bool FCtrlDown = false;
    TPoint FCtrlXY{-1, -1};
    bool FDblClk = false;
    bool ColMoveFlg = false;
    bool ColSizeFlg = false;
    TPoint FHotFixedCell{-1, -1};
    // The hover row is TBaseGrid::FHoverRowIdx: the base painter fills that row.
    TPoint FHoverButton{-1, -1};
    TPoint FHoverCell{-1, -1};
    int FHoverlink = -1;
    QString FAnchor;
    QString FLastAnchorHint;
    TPoint FLastHintPos{-1, -1};
    TPoint FLastBalloonPos{-1, -1};
    bool FDropDownDown = false;
    // ---- end of protected: mouse and hover state ----

    // ---- protected: keyboard, tab walk, least editing forms, clipboard, search (grid/view/grid_keyboard*.cpp, grid/view/grid_tab_walk*.cpp) ----
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    // The grid's key press: Esc puts the text from before the edit back, Enter advances,
    // typing into a sorted grid searches.
    void KeyPress(QChar& Key) override;
    // The key-down and character handling the grid's own steps pass a key on to: the
    // parent form's key preview, then KeyDown (KeyPress).
    void InheritedKeyDown(TWMKey& Message);
    void InheritedChar(TWMKey& Message);
    // Steps of WMKeyDown; true when the key ended there.
    bool ScrollOnlyKey(TWMKey& Message);
    bool HomeEndKey(TWMKey& Message, int OldRow, int OldLeft);
    bool SkipFixedCellsKey(TWMKey& Message);
    bool ClipboardKey(TWMKey& Message);
    void InsertRowKey();
    void DeleteRowKey();
    void SelectAllKey();
    void DisjunctSelectKey(WORD Key, TShiftState Shift, int DRow);
    void ClickableObjectKey(WORD Key, int RCol);
    void FireKeyDown(WORD Key, TShiftState Shift);
    void Swallow(TWMKey& Message);
    void ReportSelectionChange();
    bool CurrentCellHasControlTag();
    void SetRowSnapped(int ARow);
    void SetColSnapped(int ACol);
    void IncrementalSearch(QChar Key);
    // One step of the Tab walk on its own cursor (ACol, ARow): Post when the Tab goes on to
    // the parent, Again when the step asks for another whatever the cell is.
    void TabStepForward(int& ACol, int& ARow, bool& Post, bool& Again);
    void TabStepBackward(int& ACol, int& ARow, bool& Post, bool& Again);
    // The parent gets the Tab at the end of the walk.
    bool TabGoesToParent() const;
    // The next (previous) control of the parent's focus chain that takes Tab takes the focus.
    void FocusNextControl(bool Backward);
    TGridRect FMoveSelection{};
    bool FForceSel = false;
    // ---- end of protected: keyboard, tab walk, least editing forms, clipboard, search ----

    // ---- protected: mouse press, release, double click, right button, sorting least forms (grid/view/grid_mouse_press*.cpp, grid/view/grid_mouse_release*.cpp) ----
    // Qt's button events become the window-message handlers below; their "inherited
    // handling" is the base control's (which calls MouseDown and MouseUp).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Result 1 tells the caller the press was taken whole.
    void WMLButtonDown(int XPos, int YPos, int& Result);
    void WMLButtonUp(int XPos, int YPos);
    void WMLButtonDblClk(int XPos, int YPos);
    void WMRButtonDown(int XPos, int YPos);
    // False when the release was swallowed.
    bool WMRButtonUp(int XPos, int YPos);
    // The base control's handling of the button event under way, at another point.
    void InheritedButtonEvent(QEvent::Type Type, Qt::MouseButton Button, int X, int Y);
    // A left press and release at a client point, through the grid's own methods.
    void SimulatePress(int X, int Y);
    void SimulateRelease(int X, int Y);
    // Steps of the press.
    bool PressOnSelectionHandle(int X, int Y);
    void PressResizeSelection(int X, int Y, bool FromHandle);
    bool PressOnFixedSizing(int X, int Y);
    bool PressOnCellObject(int ACol, int ARow, int RCol, int X, int Y, TRect CR, bool Node);
    // The node glyphs: of the header (all nodes at once) and of a node row; true ends the press.
    bool PressOnNodeGlyph(int ACol, int ARow, int X, int Y, bool Node);
    bool PressOnLink(int ACol, int ARow, int RCol, int OCol, int ORow, int X, int Y, TRect CR);
    void PressOnHeaderSelection(int ACol, int ARow);
    bool PressOnCheckGlyph(int ACol, int ARow, int RCol, int X, int Y, bool CanEdit);
    void PressInheritedAndEdit(int ACol, int ARow, int OCol, int ORow, int X, int Y, TRect CR, bool CanEdit,
                               bool DropCombo, bool SelectAtEnd, bool OnSel);
    // The anchor of a link cell's text, or the mini-HTML anchor or control under a point.
    struct TLinkHit {
        QString Anchor;
        QString ControlID;
        QString ControlType;
        QString ControlValue;
    };
    bool HitLink(int ACol, int ARow, int RCol, int X, int Y, TRect CR, TLinkHit& Hit);
    // Runs a clicked anchor: a "CELL://RrCc" reference moves the current cell, a web or
    // mail address opens in the browser, anything else starts nothing.
    void FollowAnchor(const QString& Anchor);
    // Steps of the release.
    void ReleaseFixedSizing(int X, int Y);
    void ReleaseCellButton(int X, int Y);
    void ReleaseSortClick(int ACol, int ARow, int X, int Y, bool Moved);
    void SortByHeaderClick(int RCol);
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    int FOldTopRow = 0;
    int FOldKeepLeftCol = 0;
    // The button event being handled, for the inherited handling.
    QMouseEvent* FButtonEvent = nullptr;
    // ---- end of protected: mouse press, release, double click, right button, sorting least forms ----

    // ---- protected: mouse movement, hover, cursors, filter lists, cell hints (grid/view/grid_mouse_move*.cpp, grid/view/grid_cursors*.cpp) ----
    // The control's mouse and key methods, run by the message handlers' inherited handling.
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    // Steps of MouseMove, in its order (grid_mouse_move.cpp, grid_hover.cpp).
    void TrackHoverRow(int ACol, int ARow);
    void TrackHoverFixedCell(int ACol, int ARow);
    void TrackHoverButton(int ACol, int ARow, int X, int Y);
    // Header drag selection; true when the mouse went above the header while scrolling up.
    bool TrackHeaderDragSelection(int ACol, int ARow, int Y);
    void TrackFixedBorders(bool ValidCell, int X, int Y);
    bool IsOnSelectionResizer(int X, int Y);
    void StartDragWhenMoved(bool ValidCell, int X, int Y, bool OnResizer);
    // The drag of the selection from (X, Y): false when refused (OnOleDrag is asked first).
    bool StartSelectionDrag(int X, int Y);
    void TrackMoveFeedback(int ACol, int ARow, int X, int Y);
    // The arrows at the column or row the moved one would land before; fire OnColumnMoving
    // or OnRowMoving for the line under the mouse.
    void PlaceColumnArrows(int ACol, int ARow, bool& Allow);
    void PlaceRowArrows(int ACol, int ARow, bool& Allow);
    void CancelShownHint();
    // Sets FMouseSelectMode from what lies under the mouse (grid_cursors.cpp).
    void UpdateSelectMode(int ACol, int ARow, int X, int Y, bool OnResizer, bool AboveHeader);
    // Whether (X, Y) lies on a border of cell (ACol, ARow) that the base control sizes.
    bool IsOnSizingBorder(int ACol, int ARow, int X, int Y);
    // Link hover and the anchor events; sets FLinkUnderMouse.
    void TrackLinks(int ACol, int ARow, int X, int Y);
    void ReportSizing(int X, int Y);
    void ShowSizingHint(int X, int Y);
    // The renderer's hit test on a cell's text at (X, Y): true only on a hit.
    bool HitTestCellMarkup(int ACol, int ARow, int X, int Y, TMarkupTextParams& Params);
    // Filter lists (grid_filter_list.cpp): open over the header cell, or hide the plain list.
    void OpenFilterDropDown(int ACol, int ARow, int RCol);
    void HideFilterDropDown();
    QListWidget* CreateFilterList(bool Checked);
    // KeyDown's wraps at the edges (grid_key_down_moves.cpp).
    void AdvanceCursorAtEdge(WORD Key);
    void SkipDisabledRow(WORD Key, int StartRow);
    void SyncOtherGrid();
    // The release's disjunct cell selection: false when OnSelectCell refused the cell.
    bool SelectDisjunctCell(int ACol, int ARow, TShiftState Shift);
    // After a move's release: the image, the caption and the arrows go.
    void EndMoveFeedback();
    bool FEditStart = false;  // the inherited mouse-down runs from a press in the cells
    QListWidget* FDropList = nullptr;
    QListWidget* FDropCheckList = nullptr;
    TPopupMenu* FFixedDropDownMenu = nullptr;
    QWidget* MoveForm = nullptr;     // the drag image of a moved column or row
    THeaderDragButton* MoveButton = nullptr;  // the header caption that follows the mouse
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    bool FScrollHintShow = false;
    TGridCoord FLastKeyCell{-1, -1};
    bool FSpecialCursor = false;   // WMSetCursor shows a cursor of its own
    bool FLinkUnderMouse = false;  // a link under the mouse asks for the hand cursor
    TGridRect FSizeSelection{-1, -1, -1, -1};
    // Step 4: the shared cell scroll bar over a cell that has one (grid_cell_scroll_bar.cpp).
    void TrackCellScrollBar(int ACol, int ARow);
    void CellScrollBarMoved(int Position);
    void HideCellScrollBar();
    // Fires OnScrollCell for the cell the shared bar sits on.
    virtual void DoScrollCell();
    TCellScrollBar* FScrollBar = nullptr;
    int FScrollCol = -1;  // real column of the cell the shared bar sits on
    int FScrollRow = -1;
    // ---- end of protected: mouse movement, hover, cursors, filter lists, cell hints ----

    // ---- protected: column and row moving, control tag editing, wheel, zoom, panning, window procedure (grid/view/grid_moving*.cpp, grid/view/markup_utilities.cpp, grid/view/grid_wheel*.cpp, grid/view/grid_window_procedure*.cpp) ----
    // Displayed indexes; moves the real columns shown there and what belongs to them.
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // Moves what travels with a column that ColumnMoved has no base road for: the texts
    // of hidden rows, the sort column and index, the current column.
    void MoveColumnSideData(int FromIndex, int ToIndex, int RFrom, int RTo);
    // The wheel: notches of 120 units (finer steps add up), each offered to the parent
    // first, then zooming with Ctrl or moving or scrolling by the lines per notch.
    void wheelEvent(QWheelEvent* event) override;
    void WheelNotch(int WheelDelta, TShiftState Shift, TPoint MousePos);
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // Called after each wheel step the grid handled itself; empty here.
    virtual void DoWheelStep(int RowDelta, bool& Handled);
    // The lines per notch: the desktop's setting, the rows in view for "a whole screen".
    int WheelLines();
    // Panning: started by the middle button, ended by any press or key.
    void StartPanning(TPoint Origin);
    void StopPanning();
    void PanStep();
    void DrawPanIndicator();
    void InvalidatePanIndicator();
    // The posted "GridEditDone" and the notices turned into their handling.
    void customEvent(QEvent* event) override;
    void GridEditDone(int ACol, int ARow);
    // Made once with the grid: the combo editor's change notices, and the presses and
    // keys that start and end panning.
    void ConnectInputNotices();
    // A focus loss or Esc while a line is dragged with its feedback: the move is dropped.
    void CancelMode();
    // The grid's combo editor reports a user's selection or typing as OnComboChange and
    // OnComboObjectChange with the real column, once per change.
    void ComboEditorChanged(int ItemIndex);
    void ShowControlEditBox(const QString& CellText, const QString& CtrlType, TRect CtrlRect,
                            const QString& CtrlValue, const QString& CtrlID);
    void ShowControlComboBox(const QString& CellText, const QString& CtrlType, int ARow, int ACol,
                             TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID);
    int FWheelTurn = 0;  // wheel units not yet amounting to a notch
    bool FWheelPan = false;
    TPoint FWheelPanPos{0, 0};
    int FPanCursorId = 0;
    std::unique_ptr<TIntervalTimer> FPanTimer;
    QWidget* FPanIndicator = nullptr;  // the origin picture, a child of the viewport
    QVariant FPrevCursor;              // the viewport's own cursor before panning, if it had one
    QString FCtrlID;
    QString FCtrlType;
    bool FCtrlEditing = false;
    bool FSyncedMove = false;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    // ---- end of protected: column and row moving, control tag editing, wheel, zoom, panning, window procedure ----

    // ---- protected: cell editing hooks for custom and unit editors (grid/view/grid_editor_hooks*.cpp) ----
    // ---- end of protected: cell editing hooks for custom and unit editors ----

    // ---- protected: nodes, cell pictures and controls, progress, comments, grouping (string_grid_nodes*.cpp, string_grid_pictures*.cpp, string_grid_indicators*.cpp, string_grid_grouping*.cpp) ----
    int FNumNodes = 0;
    TCellGraphic* NodeObject(int ARow) const;
    // The displayed row of the next node below ARow, or RowCount.
    int NextNodeRow(int ARow) const;
    // The unhiding part of ExpandNode: shows every held-out row between the contracted
    // node row r (displayed) and the next displayed row (span > 0) or next node row.
    void ShowNodeRows(int r);
    // The held-out real rows ShowNodeRows would show for node row r.
    std::pair<int, int> NodeHiddenRange(int r) const;
    void ShowRealRanges(const std::vector<std::pair<int, int>>& AscendingRanges);
    void AddNodeLevel(int FromRow, int Count, int Delta);
    // The record of a new object of kind AKind (replacing the cell's), or nullptr for a
    // cell outside the grid.
    TCellGraphic* NewCellObject(int ACol, int ARow, TCellType AKind);
    // The cell's own object when it is of one of the kinds.
    TCellGraphic* CellObjectOf(int ACol, int ARow, TSet<TCellType> Kinds) const;
    // The base cell's object when it is of one of the kinds.
    TCellGraphic* BaseCellObjectOf(int ACol, int ARow, TSet<TCellType> Kinds) const;
    void AddProgressObject(int ACol, int ARow, TColor FGColor, TColor BKColor, bool TextColors, TColor FGTextColor,
                           TColor BKTextColor, const QString& Fmt, int Min, int Max);
    // Fits an automatic-range cell scroll bar to the row and the cell's text.
    void FitCellScrollBar(int ACol, int ARow);
    // Children of the grid; Qt frees them with it.
    TScrollControl* vscrlctrl = nullptr;
    TScrollControl* hscrlctrl = nullptr;
    void FreeScrollControls();
    int FGroupColumn = -1;
    QString FGroupCaption;
    QString FGroupFooter;
    int FGroupWidth = 0;
    // True while Group or UnGroup restructures rows (the column grid keeps the item then).
    bool FIsGrouping = false;
    // Whether the present grouping made summary rows, so UnGroup removes only those.
    bool FGroupSummaries = false;
    // Row colours of a header (Header) or summary row; clNone settings are left alone.
    void ColorGroupRow(int ARow, bool Header);
    void UncolorGroupRow(int ARow, bool Header);
    // Merges from ACol to the last column and gives its base cell the header or summary colours.
    void MergeGroupRow(int ACol, int ARow, bool Header);
    void InsertSummaryRow(int ARow);
    // ---- end of protected: nodes, cell pictures and controls, progress, comments, grouping ----

    // ---- protected: in-place editing: editor kinds, state, show and hide, validation, focus (grid/edit/grid_editing*.cpp) ----
    bool CanEditShow() override;
    // Asked before every move of the current cell: keeps goEditing in step with the target.
    bool SelectCell(int ACol, int ARow) override;
    void EditorCreated() override;
    void PlainEditorHidden() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void DoEnter();
    void DoExit();
    void WMSetFocus(bool FromPlainEdit);
    // The plain edit lost the focus to NewFocus (nullptr when another window took it).
    void PlainEditFocusLost(QWidget* NewFocus);
    // Enter from the plain edit: validated before the grid sees the key; true when refused.
    bool PlainEditRefusesEnter();
    void ShowInvalidEntryBalloon();
    // One target step of AdvanceAfterEdit; false when the advance ends without a move.
    bool AdvanceTarget(int ACol, int ARow, bool Forward, int& NewCol, int& NewRow);
    bool FEditMode = false;
    bool FEditing = false;
    bool FValidating = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FEntered = false;
    bool FBlockKill = false;
    bool FBlockFocus = false;
    bool InvokedFocusChange = false;
    bool FLastValidation = true;
    bool FNoEditChange = false;
    bool FShowEditProcess = false;
    bool FDisableChange = false;
    bool FModified = false;
    bool FOldModifiedValue = false;
    QChar FStartEditChar;
    QString FCellCache;
    QString FEditText;
    QString FNewCellText;
    QString FOldCellText;
    int FOldCol = -1;
    int FOldRow = -1;
    int FAECol = -1;
    int FAERow = -1;
    int FComboIdx = -1;
    QWidget* FEditCtrl = nullptr;
    TEditBalloon* FInvalidEntryBalloon = nullptr;  // a child of the grid, made on first refusal
    // False while the focus leaves for another window: a refusal then corrects the cell
    // without taking the focus back from the control the user chose.
    bool FReopenAfterRefusal = true;
    // OnEditingDone and "GridEditDone" come once per opened editor.
    bool FEditDoneReported = true;
    bool FFocusFromEditor = false;  // the focus comes back from the plain edit
    // ---- end of protected: in-place editing: editor kinds, state, show and hide, validation, focus ----

    // ---- protected: the in-place plain edit (grid/edit/ex_inplace_edit*.cpp) ----
    friend class TExInplaceEdit;
    TInplaceEdit* CreateEditor() override;
    std::bitset<256> FValidCharSet;
    // ---- end of protected: the in-place plain edit ----

    // ---- protected: combo editor, cell controls update, cursors, editor support (grid/edit/grid_combo*.cpp, grid/edit/grid_editor_support*.cpp) ----
    // The editor controls reach the cell and the editing state as the grid's own code does.
    friend class TGridCombo;
    friend class TEditorKeyProtocol;
    // Runs the grid's key-down handling for a key an editor gives up.
    void EditorKeyToGrid(WORD& Key, TShiftState Shift);
    // Posts a Tab to the grid, which then moves on as a Tab pressed there would.
    void PostTabToGrid(TShiftState Shift);
    int FOldLeftCol = 0;
    bool FCellSelectorMode = false;
    // The cell hook's cursor for the cell under the mouse (OnGetCellCursor).
    void CellCursorUnderMouse();
    // ---- end of protected: combo editor, cell controls update, cursors, editor support ----

    // ---- protected: mini-HTML renderer and markup text utilities (grid/view/mini_html*.cpp, grid/view/markup_text*.cpp) ----
    // ---- end of protected: mini-HTML renderer and markup text utilities ----

    // ---- protected: picture container, hints, floating footer, drag and drop (grid/view/grid_hint*.cpp, grid/view/floating_footer*.cpp, grid/view/grid_drag_drop*.cpp) ----
    friend class TFooterPanel;
    friend class TFloatingFooter;
    // Steps of the grid's construction, window creation and loading for these parts.
    void CreateRichContentParts();
    void CreateRichContentWindows();
    void LoadedRichContent();
    void BalloonEnableChange();
    void CreateBalloonWindow();
    void DestroyBalloonWindow();
    // Shows a prepared hint in the HTML hint window, measured as wide as the screen.
    void ShowHTMLHint(const QString& Hint, const THintInfo& Info);
    static std::unique_ptr<THTMLPictureCache, void (*)(THTMLPictureCache*)> MakeImageCache();
    std::unique_ptr<THTMLPictureCache, void (*)(THTMLPictureCache*)> FImageCache = MakeImageCache();
    TPictureContainer* FPictureContainer = nullptr;
    TBalloonWindow* FHToolTip = nullptr;         // a child window of the grid while balloons are on
    THTMLHintWindow* FHTMLHintWindow = nullptr;  // a child window of the grid
    TFooterPanel* FFooterPanel = nullptr;        // a child of the grid
    bool FUseHTMLHints = false;
    // Drag and drop: the viewport's drag events and the steps of a drop.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void DragDropSettingsChange();
    // The cell a drop at the client point P aims at, with the append zone below the last
    // row; Append tells whether it was taken.
    TGridCoord DropTargetCell(QPoint P, bool ColumnDrag, bool& Append);
    bool IsRightOfLastColumn(QPoint P);
    void DragMouseMove(QPoint P, bool& Allow, int DropFormats);
    void DragMouseLeave();
    void DropText(QPoint P, const QString& S);
    void DropStream(QPoint P, const QByteArray& Stream);
    void DropCol(QPoint P, int Column, int DropFormats);
    void DropRTF(QPoint P, const QString& S);
    void DropURL(QPoint P, const QString& S);
    // The text goes into the cell under P once Ask (when assigned) allows it.
    void DropIntoCell(QPoint P, const QString& S, const TOleDropURLEvent& Ask);
    void DropFiles(QPoint P, const QStringList& Files);
    void PlaceArrowWindow(int Index, QPoint ScreenPoint, bool Visible);
    void HideDropIndicators();
    // The drags this grid starts: a header column and the selection.
    void RunColumnDrag(int ACol, int RealColumn, int ARow);
    void RunSelectionDrag(int ACol, int ARow);
    void RemoveDraggedCells();
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    bool FDropAccepted = false;  // what the drag that entered offers is taken
    int FDropFormats = 0;        // TDropFormat bits of what it offers
    bool ArmsSelectionDrag(int ACol, int ARow, int RCol, int X, TRect CR) const;
    // ---- end of protected: picture container, hints, floating footer, drag and drop ----

    // ---- protected: sorting and filtering, filter drop-down lists (grid/data/grid_sort*.cpp, grid/data/grid_filter*.cpp, grid/data/filter_drop*.cpp) ----
    friend class TRowSortKeys;
    // The data rows a sort reorders: between the fixed rows and the footer rows.
    int FirstSortRow() const;
    int LastSortRow() const;
    // Sorts rows First..Last by SortSettings.Column (or by SortIndexes) and returns the
    // old rows in their new order, applied already.
    std::vector<int> SortRowRange(int First, int Last, bool Indexed);
    void SortGroups(bool Indexed);
    // Runs a sort inside the frame every entry point shares: column 0 kept with
    // NormalCellsOnly, TopRow with KeepScrollOnSort, the update lock, and the current
    // row following its data with MoveRowOnSort. Returns the current row before.
    void RunSortFrame(const std::function<void()>& SortWork, bool SetRowAfter);
    // Applies a row order (old displayed rows in their new order) to the rows from First
    // on through swaps; the tracked row follows.
    void ApplyRowOrder(int First, const std::vector<int>& Order);
    // +1 ascending, -1 descending: the direction of the last single-column sort, 0 before.
    int FSortDirectionSign = 0;
    // The current row's data while a sort runs, -1 outside.
    int FSortTrackedRow = -1;
    // FixedRows when the filter was last applied, put back when rows come back.
    int FSavedFixedRows = 0;
    // The condition of the previous NarrowDown.
    QString FNarrowDownText;
    // Filter's expressions, parsed once per ApplyFilter or FilterRow.
    TFilterMatchers FFilterMatchers;
    // The automatic filter list of each column, and what it was built from: it is built
    // again only when one of these changed, so painting every header scans no rows.
    struct TAutoFilterCache {
        unsigned long long TextVersion = 0;
        int RowCount = -1;
        int HeldOutRows = -1;
        int FixedRows = -1;
        int FixedFooters = -1;
        bool Incremental = false;
        QString ClearEntry;
        // The list's entries as FilterList takes them: copied, not built, on each call.
        TStringList Entries;
    };
    std::map<int, TAutoFilterCache> FAutoFilterCaches;
    // Column: real. The column's automatic list, built again only when its data changed;
    // nullptr when the column has none.
    const TStringList* AutoFilterEntries(RealCol Column);
    // Column: real. Whether GetColumnFilter finds entries (the glyph shows), for painting
    // and the header release: FilterList is left as it is, and without OnGetColumnFilter
    // no list is copied.
    virtual bool HasColumnFilter(RealCol Column);
    // ---- end of protected: sorting and filtering, filter drop-down lists ----

    // ---- protected: clipboard, cell block stream, HTML string (grid/data/grid_clipboard*.cpp, grid/data/cell_block_stream*.cpp, grid/data/html_export*.cpp) ----
    QString CellRangeToText(const TGridRect& Rect, bool Disjunct);
    void CopyRangeToClipboard(const TGridRect& Rect, bool Disjunct);
    void ExpandSelectionToMergedCells();
    int PasteFromClipboardAt(int ACol, int ARow, int& Lines, int& Fields);
    virtual void StoreCellValue(int ACol, int ARow, const QString& Value);
    virtual void FlagRowsModified(TPoint FromCell, TRect Rect, TClipOperation LastOp);
    virtual bool AllowFormattedClipboard();
    // The texts of the range as the copy takes them (one list per taken row), with the
    // clipboard origin and the export notices of a copy.
    QList<QStringList> ClipboardRangeCells(const TGridRect& Rect, bool Disjunct);
    // The last row a paste writes or grows into: the row before a floating footer that
    // is shown as the grid's last row.
    int ClipboardRowEnd() const;
    // Raises EExGridError unless the grid may grow to Columns × Rows.
    void CheckGrowthWithinLimit(qint64 Columns, qint64 Rows) const;
    TClipOperation FLastClipOperation = coCut;
    TPoint FClipTopLeft{-1, -1};
    bool FPasteAll = false;
    // Tells our own blocks from other programs' (also other instances of the program):
    // a random number drawn when the grid is created.
    static qint32 NewClipboardID();
    qint32 FClipboardID = NewClipboardID();
    std::unique_ptr<THTMLSettings> FHTMLSettings = std::make_unique<THTMLSettings>();
    // ---- end of protected: clipboard, cell block stream, HTML string ----

    // ---- protected: find and replace, search footer, highlighting, marking, checking (grid/data/grid_find*.cpp, grid/data/search_footer*.cpp, grid/data/grid_highlight*.cpp) ----
    // The find core shared by Find and FindWide, and the test of one cell against the
    // stored search text.
    TPoint FindCell(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide);
    bool CellMatchesSearch(int ACol, int ARow, bool Wide);
    // One range check over real columns, and the real columns of displayed ones.
    bool CheckColumnsOfRows(const std::vector<int>& Columns, int FromRow, int ToRow);
    std::vector<int> RealColumnsOfDisplayed(int FromCol, int ToCol) const;
    // Moves to a match of a find with fnAutoGoto (expanding the node that hides its row).
    void GotoFoundCell(TPoint Cell, TFindParams FindParams);
    // The search footer's highlighting of the edit text, and its removal.
    void SearchFooterHighlight();
    void SearchFooterUnHighlight();
    // The find options the footer's settings and controls ask for (without fnAutoGoto).
    TFindParams SearchFooterFindParams(bool WithFixedAndHiddenRows);
    TFindParams FFindParams;
    QString FSearchCache;
    QString FSearchCacheWide;
    TPoint FSearchCell{-1, -1};
    int FFindCol = 0;
    int FFindRow = 0;
    bool FFindBusy = false;
    TExStringGridCheck* FCellChecker = nullptr;
    bool FSearchFooterWasVisible = false;
    // ---- end of protected: find and replace, search footer, highlighting, marking, checking ----

    // ---- protected: spin, edit-button and unit editors (grid/edit/spin_edit*.cpp, grid/edit/edit_button*.cpp) ----
    // ---- end of protected: spin, edit-button and unit editors ----

    // ---- protected: rich text editor and RTF cells (grid/edit/rich_edit*.cpp, grid/edit/rtf_codec*.cpp) ----
    friend class TExRichEdit;
    // The edRichEdit rows of ShowCellEditor and HideCellEditor.
    void ShowRichCellEditor(int ACol, int ARow);
    void HideRichCellEditor(int ACol, int ARow);
    // Draws the hidden rich edit's content into ARect less the XYOffset margin, in the
    // canvas's font and colour where the text sets none.
    void DrawRichEditContent(TRect ARect, TCanvas& Canvas);
    TExRichEdit* FRichEdit = nullptr;
    TExRichEdit* FInplaceRichEdit = nullptr;
    // ---- end of protected: rich text editor and RTF cells ----

    // ---- protected: editors by kind: check box, spin, button, unit, custom link, form-control and fixed-cell editors, cell checkers (grid/edit/grid_cell_editors*.cpp, grid/edit/edit_link*.cpp) ----
    friend class TGridSpin;
    friend class TGridCheckBox;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridButton;
    friend class TEditLink;
    // The fixed-cell edit box and combo box, made hidden with the grid.
    void CreateFixedCellEditors();
    // The rows of ShowCellEditor and HideCellEditor for these kinds (displayed column).
    void ShowSpinCellEditor(int ACol, int ARow);
    void HideSpinCellEditor(int ACol, int ARow);
    void ShowEditBtnCellEditor(int ACol, int ARow);
    void HideEditBtnCellEditor(int ACol, int ARow);
    void ShowUnitCellEditor(int ACol, int ARow);
    void HideUnitCellEditor(int ACol, int ARow);
    void ShowCheckBoxCellEditor(int ACol, int ARow);
    void ShowButtonCellEditor(int ACol, int ARow);
    void HideCheckBoxOrButtonCellEditor();
    void ShowCustomCellEditor(int ACol, int ARow);
    void HideCustomCellEditor(int ACol, int ARow);
    // The cell's colour and font for its editor (the current row's look), and the
    // rectangle the editor covers.
    TRect CellEditorLook(int ACol, TColor& Color, TFont& Font);
    TGridCheckBox* FCheckBoxEditor = nullptr;  // children of the grid
    TGridEditBtn* FBtnEdit = nullptr;
    TGridUnitEditBtn* FBtnUnitEdit = nullptr;
    TGridButton* FBtn = nullptr;
    TEditLink* FEditLink = nullptr;
    // ---- end of protected: editors by kind: check box, spin, button, unit, custom link, form-control and fixed-cell editors, cell checkers ----

    // ---- protected: date and time picker editors (grid/edit/grid_date_editors*.cpp) ----
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    // The date kinds' rows of ShowCellEditor and HideCellEditor.
    void ShowDateCellEditor(int ACol, int ARow);
    void HideDateCellEditor(int ACol, int ARow);
    TGridDatePicker* FDateTimePicker = nullptr;
    TGridDateTimePicker* FDateAndTimePicker = nullptr;
    // What the cell held when the date-and-time editor opened.
    TDateTime FOriginalDateTime = 0;
    // Esc ended the date edit: the cell keeps its text from before the edit.
    bool FDateEditCancelled = false;
    // ---- end of protected: date and time picker editors ----

    // ---- protected: drop-down editor wrappers, kinds 30 to 38 (grid/edit/grid_drop_down_editors*.cpp) ----
    template <class Base>
    friend class TGridDropDownEditor;
    void ShowDropDownCellEditor(int ACol, int ARow);
    void HideDropDownCellEditor(int ACol, int ARow);
    // Makes an editor of the kind's class on first use and keeps it among the editors.
    template <class T>
    T* DropDownEditor(T*& Field, const char* Name);
    TGridTrackbarDropDown* FTrackbarDropDown = nullptr;
    TGridMemoDropDown* FMemoDropDown = nullptr;
    TGridCalculatorDropDown* FCalculatorDropDown = nullptr;
    TGridTimepickerDropDown* FTimePickerDropDown = nullptr;
    TGridDetailPickerDropDown* FDetailPickerDropDown = nullptr;
    TGridGridDropDown* FGridDropDown = nullptr;
    TGridExGridDropDown* FExGridDropDown = nullptr;
    TGridColorDropDown* FColorPickerDropDown = nullptr;
    TGridImageDropDown* FImagePickerDropDown = nullptr;
    // The line break of the memo cell being edited, which its lines are stored with.
    QString FMemoLineBreak;
    // ---- end of protected: drop-down editor wrappers, kinds 30 to 38 ----

    // ---- protected: text format, CSV, fixed width and ASCII files (grid/data/grid_text_files*.cpp, grid/data/grid_csv*.cpp) ----
    // Sizes the grid to Columns × Rows (columns as the file counts them: storage columns
    // with HiddenIncluded, else displayed ones; a count below 0 keeps the grid's), raising
    // EExGridError before any change when that passes grid_cell_limit.h; then applies the
    // staged widths and stores the staged cells that lie inside through LoadCell,
    // reporting OnFileProgress as they go, and announces the change of every cell.
    void StoreStagedCells(const class TGridFileStaging& Staging, int Columns, int Rows, bool HiddenIncluded);
    // The storage column of a file's column.
    int FileColumnToReal(int Column, bool HiddenIncluded) const;
    void SaveCSVRange(const QString& FileName, bool Append, bool Unicode);
    void LoadCSVLines(const QString& Text, bool Insert, int MaxRows);
    void SaveASCIIFile(const QString& FileName, bool Append, bool Unicode);
    // The text a file saves for column (storage index with SaveHiddenCells, else
    // displayed) and row.
    QString SavedFileText(int Column, int Row);
    // The longest line among the saved texts of the column over every row.
    int LongestSavedLine(int Column);
    // Reports OnFileProgress of Done out of Total when the percentage changed.
    void ReportFileProgress(qint64 Done, qint64 Total, int& Last);
    // ---- end of protected: text format, CSV, fixed width and ASCII files ----

    // ---- protected: printing and preview (grid/data/grid_print*.cpp) ----
    friend class TGridPrintJob;
    // The pages of a print on the given printer; OnPrintStart decides which are printed
    // before any document begins.
    void PrintCells(TPrinter& APrinter, TGridRect Gridrect, bool SelectedOnly);
    void PreviewCells(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect, bool SelectedOnly);
    TGridRect WholeGrid() const;
    TGridRect PrintableRect(TGridRect Gridrect) const;
    void KeepPrintLayout(const TGridPrintJob& Job, TRect PageRect);
    std::unique_ptr<TPrinter> FPrinter;
    int FPrintFromPage = 1;
    int FPrintToPage = 1;
    int FPrintNrOfPages = 0;
    TRect FPrintPageRect;
    int FPrintPageWidth = 0;
    int FPrintColStart = 0;
    int FPrintColEnd = 0;
    bool FIsPrintPreview = false;
    double FPrintFitFactor = 1.0;
    // ---- end of protected: printing and preview ----

    // ---- protected: HTML and XML files (grid/data/html_file*.cpp, grid/data/grid_xml*.cpp) ----
    // ---- end of protected: HTML and XML files ----

    // ---- protected: office documents and settings persistence (grid/data/office_*.cpp, grid/data/grid_settings*.cpp) ----
    // office documents
    void LoadWorkbookSheet(const QString& Filename, const QString& SheetName);
    void SaveWorkbookSheet(const QString& Filename, const QString& SheetName);
    void SaveDocumentTable(const QString& Filename, bool Append, const QString& Bookmark);
    // ---- end of protected: office documents and settings persistence ----

    // Sizes and counts remembered by the dimension setters.
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowHeight = 22;
    TScrollStyle FScrollBars = ssBoth;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = clNone;
    int FScrollWidth = 17;
    bool FScrollProportional = false;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FIsFlat = false;
    bool FScrollLock = false;
    int Colclicked = -1;
    int Rowclicked = -1;
    int Colclickedsize = 0;
    int Rowclickedsize = 0;
    bool ColSized = false;
    bool Rowsized = false;
    bool ColchgFlg = false;
    bool FIsColChanging = false;
    bool FStretching = false;
    TForm* FOwnerForm = nullptr;
    TNotifyEvent FOnResize;  // the owner form's own resize handler
    int FOldFormWidth = 0;
    int FOldFormHeight = 0;

private:
    void CreateRunTimeChildren();
    void CellLook(RealCol ACol, DisplRow ARow, TGridDrawState& AState, bool Select, TBrush& ABrush,
                  TColor& AColorTo, TFont& AFont, TAlignment& HA, bool& WW, TCellGradientDirection& GD);
    void ChainOwnerFormResize();
    void FreeCellObjectsOnDestroy();
    void PaintFooterPanel();
    void FillCells(bool DoFixed, const std::function<void(int ACol, int ARow)>& Fill);
    TCellProperties* PropsOf(int ACol, int ARow) const;
    // An attribute of the cell's properties, or the fallback for a cell without any.
    template <class T>
    T PropertyOr(int ACol, int ARow, T (TCellProperties::*Read)() const, T Fallback) const;
    TCellProperties* WritableProps(int ACol, int ARow);
    void RepaintAttributeCell(int ACol, int ARow);
    void FillRowCells(int ARow, const std::function<void(int ACol)>& Apply);
    TGridRect SelectionRectangleOrdered() const;
    bool RowFlagSet(int ARow) const;

#define EX_GRID_DECLARE_PLAIN_FIELD(Type, Name, Initial) Type F##Name = Initial;
    EX_GRID_PLAIN_PROPERTIES(EX_GRID_DECLARE_PLAIN_FIELD)
#undef EX_GRID_DECLARE_PLAIN_FIELD

    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = 0x808080;
    TColor FActiveCellColorTo = clNone;
    int FSelectionColorMixerFactor = 50;
    bool FShowSelection = true;
    TColor FZRTGradientFrom = 0xFFFFFF;
    TColor FZRTGradientTo = 0;
    TPoint FXYOffset{2, 2};
    int FZoomFactor = 0;
    bool FGridModified = false;
    TColor FBorderColor = 0xB99D7F;
    TVAlignment FVAlignment = vtaTop;
    int FVAlign = 0;
    bool FAutoSize = false;
    bool FAutoThemeAdapt = false;
    bool FFlat = false;
    bool FHovering = false;
    bool FIntegralHeight = false;
    int FMaxEditLength = 0;
    bool FSpreadSheet = false;
    bool FFilterActive = false;
    TColor FURLColor = 0xFF0000;
    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLFull = false;
    TObject* FGridImages = nullptr;
    TCursor FCursor = crDefault;
    TZRTStyle FStyle = tsOffice2003Blue;
    TColorTones FTones;
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsWinVista = true;
    bool FIsComCtl6 = true;
    bool FUseVCLStyles = false;
    int FGridTimerID = 0;
    int FLastTabCol = -1;
    int FLastTabRow = -1;

    // Owned objects.
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TBalloonSettings> FBalloonSettings;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TStringList> FFilterList;
    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TControlList> FControlList;
    int FNumCellControls = 0;
    // Disjunct selections: cells as (column, row) pairs, so no index is packed.
    std::vector<TGridCoord> FSelectedCells;
    std::vector<bool> FRowSelect;
    std::vector<bool> FColSelect;
    std::vector<TGridChangeNotifier*> FNotifierList;
    ITExStringGridSelect* FSelListener = nullptr;
    TStringList FComboItems;
    int FComboSelection = -1;
    int FOldWidth = -1;

    // Run-time children, owned through their Qt parent (the grid).
    QWidget* FFocusWindow = nullptr;
    QWidget* FArrowWindows[4] = {};
    QComboBox* FEditCombo = nullptr;
    std::vector<QWidget*> FEditors;

    // ---- column chooser drops and drag scrolling (grid/view/grid_column_chooser_drop.cpp, grid/view/grid_drag_scroll.cpp) ----
public:
    // Arms a column drop from a list box of hidden columns: ACol is the column's ColumnOrder
    // entry, AIndex its item in AList, removed when the column is dropped on the grid.
    void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);

protected:
    // The armed column shown again, its list item removed and the grid disarmed: its real
    // position, or -1 when the grid has no such column.
    int ShowChooserColumn();
    // A drag moving over the client point P starts, keeps or stops the scrolling by the
    // DragScrollOptions; leaving and dropping stop it.
    void DragScrollMove(QPoint P);
    void StopDragScroll();
    void DragScrollTick();

private:
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    QPointer<TListBox> FOleDragList;
    std::unique_ptr<TIntervalTimer> FDragScrollTimer;
    TDragScrollDirection FDragScrollDirections;
    // ---- end of column chooser drops and drag scrolling ----
};

// Whether the cell's state is its text (data, virtual and row check boxes, data images):
// printing draws no text for such cells.
bool IsDataBoundCell(const TExStringGrid* Grid, int ACol, int ARow);
