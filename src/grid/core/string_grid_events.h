#pragma once
// The published events of the string grid: their types with the order of their
// arguments, and the list of events with their types. Both lists are written once here
// and expanded twice: into the grid's std::function members and into the table
// (ExStringGridEventTable) that names each event's type and argument order for callers
// and tests. Every event receives the grid as its sender first; an argument marked & in
// the order is one the handler may change and the grid reads back.

#include "grid/core/grid_enumerations.h"
#include "grid/core/grid_option_objects.h"
#include "platform/alignment.h"
#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/date_time.h"
#include "platform/string_grid.h"
#include "platform/string_list.h"

#include <QString>
#include <functional>
#include <vector>

class TCheckListBox;
class TPopupMenu;
class TEditLink;

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum TDragScrollDirectionItem { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirectionItem>;
using TStrings = TStringList;

// X(type, (arguments after the sender), "argument order")
#define EX_GRID_EVENT_TYPES(X) \
    X(TAfterCellPasteEvent, (int ACol, int ARow, const QString& Value), "ACol, ARow, Value") \
    X(TAfterCellPasteWideEvent, (int ACol, int ARow, const QString& Value), "ACol, ARow, Value") \
    X(TAnchorClickEvent, (int ARow, int ACol, const QString& Anchor, bool& AutoHandle), "ARow, ACol, Anchor, AutoHandle&") \
    X(TAnchorEvent, (int ARow, int ACol, const QString& Anchor), "ARow, ACol, Anchor") \
    X(TAnchorHintEvent, (int ARow, int ACol, QString& Anchor), "ARow, ACol, Anchor&") \
    X(TAutoAddRowEvent, (int ARow), "ARow") \
    X(TAutoAdvanceEvent, (int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow), "OldRow, OldCol, NewRow&, NewCol&, Allow&") \
    X(TAutoDeleteRowEvent, (int ARow), "ARow") \
    X(TAutoInsertColEvent, (int ACol), "ACol") \
    X(TAutoInsertRowEvent, (int ARow), "ARow") \
    X(TBeforeCellPasteEvent, (int ACol, int ARow, QString& Value, bool& Allow), "ACol, ARow, Value&, Allow&") \
    X(TBeforeCellPasteWideEvent, (int ACol, int ARow, QString& Value, bool& Allow), "ACol, ARow, Value&, Allow&") \
    X(TButtonClickEvent, (int ACol, int ARow), "ACol, ARow") \
    X(TCalcFooterEvent, (int ACol, int ARow, QString& Value), "ACol, ARow, Value&") \
    X(TCanAddRowEvent, (bool& CanAdd), "CanAdd&") \
    X(TCanClickCellEvent, (int ARow, int ACol, bool& Allow), "ARow, ACol, Allow&") \
    X(TCanDeleteRowEvent, (int ARow, bool& CanDelete), "ARow, CanDelete&") \
    X(TCanEditCellEvent, (int ARow, int ACol, bool& CanEdit), "ARow, ACol, CanEdit&") \
    X(TMouseWheelUpDownEvent, (TShiftState Shift, TPoint MousePos, bool& Handled), "Shift, MousePos, Handled&") \
    X(TCanInsertRowEvent, (int ARow, bool& CanInsert), "ARow, CanInsert&") \
    X(TCanShowFixedDropDownEvent, (int ACol, bool& CanShow), "ACol, CanShow&") \
    X(TCanSortEvent, (int ACol, bool& DoSort), "ACol, DoSort&") \
    X(TCellChangingEvent, (int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow), "OldRow, OldCol, NewRow, NewCol, Allow&") \
    X(TCellComboControlEvent, (int ARow, int ACol, const QString& CtrlID, const QString& CtrlType, const QString& CtrlVal, TStringList* Values, bool& Edit, int& DropCount), "ARow, ACol, CtrlID, CtrlType, CtrlVal, Values, Edit&, DropCount&") \
    X(TCellComboControlSelectEvent, (int ARow, int ACol, int ItemIndex, const QString& CtrlID, const QString& CtrlValue), "ARow, ACol, ItemIndex, CtrlID, CtrlValue") \
    X(TCellControlEvent, (int ARow, int ACol, const QString& CtrlID, const QString& CtrlType, const QString& CtrlVal), "ARow, ACol, CtrlID, CtrlType, CtrlVal") \
    X(TCellCursorEvent, (int ACol, int ARow, int X, int Y, TCursor& ACursor), "ACol, ARow, X, Y, ACursor&") \
    X(TCellSaveLoadEvent, (int ACol, int ARow, QString& Value), "ACol, ARow, Value&") \
    X(TCellValidateEvent, (int ACol, int ARow, QString& Value, bool& Valid), "ACol, ARow, Value&, Valid&") \
    X(TCellValidateWideEvent, (int ACol, int ARow, QString& Value, bool& Valid), "ACol, ARow, Value&, Valid&") \
    X(TCellsChangedEvent, (TRect R), "R") \
    X(TCheckBoxClickEvent, (int ACol, int ARow, bool State), "ACol, ARow, State") \
    X(TClickCellEvent, (int ARow, int ACol), "ARow, ACol") \
    X(TClickSortEvent, (int ACol), "ACol") \
    X(TClipboardEvent, (const QString& value, bool& allow), "value, allow&") \
    X(TColChangingEvent, (int OldCol, int NewCol, bool& Allow), "OldCol, NewCol, Allow&") \
    X(TColorSelectEvent, (int ACol, int ARow, TColor Color, const QString& Value), "ACol, ARow, Color, Value") \
    X(TColorSelectedEvent, (int ACol, int ARow, TColor& Color, QString& Value), "ACol, ARow, Color&, Value&") \
    X(TColumnSizeEvent, (int ACol, bool& Allow), "ACol, Allow&") \
    X(TColumnSizingEvent, (int ACol, int ColumnSize), "ACol, ColumnSize") \
    X(TComboChangeEvent, (int ACol, int ARow, int AItemIndex, const QString& ASelection), "ACol, ARow, AItemIndex, ASelection") \
    X(TComboObjectChangeEvent, (int ACol, int ARow, int AItemIndex, const QString& ASelection, TObject* AObject), "ACol, ARow, AItemIndex, ASelection, AObject") \
    X(TCustomCellDrawEvent, (TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect, bool Printing), "Canvas, ACol, ARow, AState, ARect, Printing") \
    X(TCustomCellSizeEvent, (TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing), "Canvas, ACol, ARow, ASize&, Printing") \
    X(TCustomCompareEvent, (const QString& str1, const QString& str2, int& Res), "str1, str2, Res&") \
    X(TCustomFilterEvent, (int ARow, bool& AcceptRow), "ARow, AcceptRow&") \
    X(TCustomStrToDateEvent, (const QString& Value, TDateTime& ADate), "Value, ADate&") \
    X(TDateTimeChangeEvent, (int ACol, int ARow, TDateTime ADateTime), "ACol, ARow, ADateTime") \
    X(TDateTimeSpinClickEvent, (int ACol, int ARow, TDateTime AValue, bool UpDown), "ACol, ARow, AValue, UpDown") \
    X(TDblClickCellEvent, (int ARow, int ACol), "ARow, ACol") \
    X(TDoFitToPageEvent, (double& ScaleFactor, bool& Allow), "ScaleFactor&, Allow&") \
    X(TDragScrollEvent, (int TopRow, int LeftCol, TDragScrollDirection& DragScrollDir, bool& CanScroll), "TopRow, LeftCol, DragScrollDir&, CanScroll&") \
    X(TDropDownButtonClickEvent, (int ACol, int ARow, int ButtonIndex), "ACol, ARow, ButtonIndex") \
    X(TEditCellDoneEvent, (int ACol, int ARow), "ACol, ARow") \
    X(TEditChangeEvent, (int ACol, int ARow, const QString& Value), "ACol, ARow, Value") \
    X(TEllipsClickEvent, (int ACol, int ARow, QString& S), "ACol, ARow, S&") \
    X(TEndColumnSizeEvent, (int ACol), "ACol") \
    X(TEndRowSizeEvent, (int ARow), "ARow") \
    X(TExpandClickEvent, (int ACol, int ARow, bool Expanded), "ACol, ARow, Expanded") \
    X(TFilterCheckEvent, (int Column, int ItemIndex, const QString& FriendlyName, QString& FilterCondition, TCheckListBox* CheckList), "Column, ItemIndex, FriendlyName, FilterCondition&, CheckList") \
    X(TFilterSelectEvent, (int Column, int ItemIndex, const QString& FriendlyName, QString& FilterCondition), "Column, ItemIndex, FriendlyName, FilterCondition&") \
    X(TFixedDropDownEvent, (int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted), "ACol, ARow, AMenu&, KeepFixedCellHighlighted&") \
    X(TFixedEditEvent, (int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values), "ACol, ARow, AEditor&, Values") \
    X(TFloatFormatEvent, (int ACol, int ARow, bool& IsFloat, QString& FloatFormat), "ACol, ARow, IsFloat&, FloatFormat&") \
    X(TFloatSpinClickEvent, (int ACol, int ARow, double AValue, bool UpDown), "ACol, ARow, AValue, UpDown") \
    X(TFooterPaintEvent, (int AColumn, TCanvas* Canvas, TRect ARect), "AColumn, Canvas, ARect") \
    X(TGetCheckEvent, (int ACol, int ARow, QString& Value), "ACol, ARow, Value&") \
    X(TGetColumnFilterEvent, (int Column, TStrings* Filter), "Column, Filter") \
    X(TGetEditorPropEvent, (int ACol, int ARow, TEditLink* AEditLink), "ACol, ARow, AEditLink") \
    X(TGetEditorPropIntEvent, (int ACol, int ARow), "ACol, ARow") \
    X(TGetEditorTypeEvent, (int ACol, int ARow, TEditorType& AEditor), "ACol, ARow, AEditor&") \
    X(TGridAlignEvent, (int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign), "ARow, ACol, HAlign&, VAlign&") \
    X(TGridBalloonEvent, (int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon), "ACol, ARow, ATitle&, AText&, AIcon&") \
    X(TGridBorderEvent, (int ARow, int ACol, TPen* APen, TCellBorders& Borders), "ARow, ACol, APen, Borders&") \
    X(TGridBorderPropEvent, (int ARow, int ACol, TPen* LeftPen, TPen* TopPen, TPen* RightPen, TPen* BottomPen), "ARow, ACol, LeftPen, TopPen, RightPen, BottomPen") \
    X(TGridColorEvent, (int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont), "ARow, ACol, AState, ABrush, AFont") \
    X(TGridFormatEvent, (int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix), "ACol, AStyle&, aPrefix&, aSuffix&") \
    X(TGridGradientEvent, (int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD), "ARow, ACol, Color&, ColorTo&, ColorMirror&, ColorMirrorTo&, GD&") \
    X(TGridHintEvent, (int ARow, int ACol, QString& hintstr), "ARow, ACol, hintstr&") \
    X(TGridPrintCancelEvent, (int PageNr, bool& Cancel), "PageNr, Cancel&") \
    X(TGridPrintColumnWidthEvent, (int ACol, int& Width), "ACol, Width&") \
    X(TGridPrintNewPageEvent, (int ARow, bool& NewPage), "ARow, NewPage&") \
    X(TGridPrintPageDoneEvent, (TCanvas* Canvas, int LastRow, int LastRowOffset, int LastPage, int PageXSize, int PageYSize), "Canvas, LastRow, LastRowOffset, LastPage, PageXSize, PageYSize") \
    X(TGridPrintPageEvent, (TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize), "Canvas, PageNr, PageXSize, PageYSize") \
    X(TGridPrintPageNumEvent, (int PageNum, int PageColNum, QString& PageNumString), "PageNum, PageColNum, PageNumString&") \
    X(TGridPrintRowHeightEvent, (int ARow, int& Height), "ARow, Height&") \
    X(TGridPrintStartEvent, (int NrOfPages, int& FromPage, int& ToPage), "NrOfPages, FromPage&, ToPage&") \
    X(TGridProgressEvent, (short progress), "progress") \
    X(TGridWideHintEvent, (int ARow, int ACol, QString& hintstr), "ARow, ACol, hintstr&") \
    X(TGroupCalcEvent, (int ACol, int FromRow, int ToRow, double& Res), "ACol, FromRow, ToRow, Res&") \
    X(THasComboEvent, (int ACol, int ARow, bool& HasComboBox), "ACol, ARow, HasComboBox&") \
    X(THasSpinEditEvent, (int ACol, int ARow, bool& HasSpinEdit), "ACol, ARow, HasSpinEdit&") \
    X(TImageSelectEvent, (int ACol, int ARow, int Index), "ACol, ARow, Index") \
    X(TImageSelectedEvent, (int ACol, int ARow, int& Index), "ACol, ARow, Index&") \
    X(TIsFixedCellEvent, (int ARow, int ACol, bool& IsFixed), "ARow, ACol, IsFixed&") \
    X(TIsPasswordCellEvent, (int ARow, int ACol, bool& IsPassword), "ARow, ACol, IsPassword&") \
    X(TNodeAllowEvent, (int ARow, int ARowReal, bool& Allow), "ARow, ARowReal, Allow&") \
    X(TNodeClickEvent, (int ARow, int ARowreal), "ARow, ARowreal") \
    X(TOleDragDropEvent, (int ARow, int ACol, const QString& data, bool& Allow), "ARow, ACol, data, Allow&") \
    X(TOleDragOverEvent, (int ARow, int ACol, bool& Allow), "ARow, ACol, Allow&") \
    X(TOleDragStartEvent, (int ARow, int ACol), "ARow, ACol") \
    X(TOleDragStopEvent, (int OLEEffect), "OLEEffect") \
    X(TOleDropColEvent, (int ARow, int ACol, int DropCol), "ARow, ACol, DropCol") \
    X(TOleDropFileEvent, (int ARow, int ACol, const QString& FileName, bool& Allow), "ARow, ACol, FileName, Allow&") \
    X(TOleDropURLEvent, (int ARow, int ACol, const QString& URL, bool& Allow), "ARow, ACol, URL, Allow&") \
    X(TOleDroppedEvent, (TGridRect ARect), "ARect") \
    X(TRadioButtonClickEvent, (int ACol, int ARow), "ACol, ARow") \
    X(TRadioClickEvent, (int ACol, int ARow, int AIdx), "ACol, ARow, AIdx") \
    X(TRatingChangeEvent, (int ACol, int ARow, double& NewRate, bool& Allow), "ACol, ARow, NewRate&, Allow&") \
    X(TRawCompareEvent, (int ACol, int Row1, int Row2, int& Res), "ACol, Row1, Row2, Res&") \
    X(TRowChangedEvent, (int OldRow, int NewRow), "OldRow, NewRow") \
    X(TRowChangingEvent, (int OldRow, int NewRow, bool& Allow), "OldRow, NewRow, Allow&") \
    X(TRowDisjunctSelectEvent, (int ARow, bool AState, bool& Allow), "ARow, AState, Allow&") \
    X(TRowSizeEvent, (int ARow, bool& Allow), "ARow, Allow&") \
    X(TRowSizingEvent, (int ARow, int RowSize), "ARow, RowSize") \
    X(TScrollCellEvent, (int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax), "ACol, ARow, ScrollPosition, ScrollMin, ScrollMax") \
    X(TScrollHintEvent, (int ARow, QString& hintstr), "ARow, hintstr&") \
    X(TSearchEditChangeEvent, (const QString& Value, bool& DefaultSearch), "Value, DefaultSearch&") \
    X(TSearchFooterActionEvent, (const QString& Value, int ACol, int ARow, TSearchAction SearchAction), "Value, ACol, ARow, SearchAction") \
    X(TSelectionChanged, (int ALeft, int ATop, int ARight, int ABottom), "ALeft, ATop, ARight, ABottom") \
    X(TSelectionResizeEvent, (TGridRect OrigSelection, TGridRect NewSelection), "OrigSelection, NewSelection") \
    X(TSpinClickEvent, (int ACol, int ARow, int AValue, bool UpDown), "ACol, ARow, AValue, UpDown") \
    X(TUnitChangedEvent, (int ACol, int ARow, const QString& NewUnit), "ACol, ARow, NewUnit") \
    X(TUpdateColumnSizeEvent, (int ACol, int& AWidth), "ACol, AWidth&") \
    X(TWordWrapEvent, (int ACol, int ARow, bool& WordWrap), "ACol, ARow, WordWrap&")

// X(event, type), in the order the grid publishes them.
#define EX_GRID_EVENTS(X) \
    X(OnAutoAdvance, TAutoAdvanceEvent) \
    X(OnCustomCellBkgDraw, TCustomCellDrawEvent) \
    X(OnCustomCellDraw, TCustomCellDrawEvent) \
    X(OnCustomCellSize, TCustomCellSizeEvent) \
    X(OnCustomFilter, TCustomFilterEvent) \
    X(OnGetCellColor, TGridColorEvent) \
    X(OnGetCellCursor, TCellCursorEvent) \
    X(OnGetCellGradient, TGridGradientEvent) \
    X(OnGetCellPrintColor, TGridColorEvent) \
    X(OnGetCellPrintBorder, TGridBorderEvent) \
    X(OnGetCellBorder, TGridBorderEvent) \
    X(OnGetCellBorderProp, TGridBorderPropEvent) \
    X(OnGetAlignment, TGridAlignEvent) \
    X(OnGetWordWrap, TWordWrapEvent) \
    X(OnGetColumnFilter, TGetColumnFilterEvent) \
    X(OnFilterDone, TNotifyEvent) \
    X(OnFilterSelect, TFilterSelectEvent) \
    X(OnFilterCheck, TFilterCheckEvent) \
    X(OnGetFormat, TGridFormatEvent) \
    X(OnGetCheckTrue, TGetCheckEvent) \
    X(OnGetCheckFalse, TGetCheckEvent) \
    X(OnGridHint, TGridHintEvent) \
    X(OnGridWideHint, TGridWideHintEvent) \
    X(OnColumnCalc, TGroupCalcEvent) \
    X(OnGroupCalc, TGroupCalcEvent) \
    X(OnRowUpdate, TRowChangedEvent) \
    X(OnRowChanging, TRowChangingEvent) \
    X(OnColChanging, TColChangingEvent) \
    X(OnCellChanging, TCellChangingEvent) \
    X(OnCellBalloon, TGridBalloonEvent) \
    X(OnCustomStrToDate, TCustomStrToDateEvent) \
    X(OnPrintPage, TGridPrintPageEvent) \
    X(OnPrintGetPageNum, TGridPrintPageNumEvent) \
    X(OnPrintPageDone, TGridPrintPageDoneEvent) \
    X(OnPrintStart, TGridPrintStartEvent) \
    X(OnPrintCancel, TGridPrintCancelEvent) \
    X(OnFitToPage, TDoFitToPageEvent) \
    X(OnPrintNewPage, TGridPrintNewPageEvent) \
    X(OnPrintSetColumnWidth, TGridPrintColumnWidthEvent) \
    X(OnPrintSetRowHeight, TGridPrintRowHeightEvent) \
    X(OnCanAddRow, TCanAddRowEvent) \
    X(OnAutoAddRow, TAutoAddRowEvent) \
    X(OnCanInsertRow, TCanInsertRowEvent) \
    X(OnAutoInsertRow, TAutoInsertRowEvent) \
    X(OnAutoInsertCol, TAutoInsertColEvent) \
    X(OnCanDeleteRow, TCanDeleteRowEvent) \
    X(OnAutoDeleteRow, TAutoDeleteRowEvent) \
    X(OnClickSort, TClickSortEvent) \
    X(OnCanSort, TCanSortEvent) \
    X(OnExpandNode, TNodeClickEvent) \
    X(OnContractNode, TNodeClickEvent) \
    X(OnDropDownHeaderButtonClick, TDropDownButtonClickEvent) \
    X(OnDropDownFooterButtonClick, TDropDownButtonClickEvent) \
    X(OnBeforeExpandNode, TNodeAllowEvent) \
    X(OnBeforeContractNode, TNodeAllowEvent) \
    X(OnCustomCompare, TCustomCompareEvent) \
    X(OnRawCompare, TRawCompareEvent) \
    X(OnSearchEditChange, TSearchEditChangeEvent) \
    X(OnSearchFooterAction, TSearchFooterActionEvent) \
    X(OnSearchFooterClose, TNotifyEvent) \
    X(OnCanShowFixedDropDown, TCanShowFixedDropDownEvent) \
    X(OnFixedDropDownClick, TFixedDropDownEvent) \
    X(OnClickCell, TClickCellEvent) \
    X(OnRightClickCell, TClickCellEvent) \
    X(OnDblClickCell, TDblClickCellEvent) \
    X(OnCanClickCell, TCanClickCellEvent) \
    X(OnCanEditCell, TCanEditCellEvent) \
    X(OnFixedEdit, TFixedEditEvent) \
    X(OnIsFixedCell, TIsFixedCellEvent) \
    X(OnIsPasswordCell, TIsPasswordCellEvent) \
    X(OnAnchorClick, TAnchorClickEvent) \
    X(OnAnchorEnter, TAnchorEvent) \
    X(OnAnchorExit, TAnchorEvent) \
    X(OnAnchorHint, TAnchorHintEvent) \
    X(OnControlClick, TCellControlEvent) \
    X(OnControlEditDone, TCellControlEvent) \
    X(OnControlComboList, TCellComboControlEvent) \
    X(OnControlComboSelect, TCellComboControlSelectEvent) \
    X(OnClipboardPaste, TClipboardEvent) \
    X(OnClipboardCopy, TClipboardEvent) \
    X(OnClipboardCut, TClipboardEvent) \
    X(OnClipboardAfterPasteCell, TAfterCellPasteEvent) \
    X(OnClipboardAfterPasteWideCell, TAfterCellPasteWideEvent) \
    X(OnClipboardBeforePasteCell, TBeforeCellPasteEvent) \
    X(OnClipboardBeforePasteWideCell, TBeforeCellPasteWideEvent) \
    X(OnCellValidate, TCellValidateEvent) \
    X(OnCellValidateWide, TCellValidateWideEvent) \
    X(OnCellsChanged, TCellsChangedEvent) \
    X(OnFileProgress, TGridProgressEvent) \
    X(OnFilterProgress, TGridProgressEvent) \
    X(OnHasComboBox, THasComboEvent) \
    X(OnHasSpinEdit, THasSpinEditEvent) \
    X(OnGetEditorType, TGetEditorTypeEvent) \
    X(OnGetEditorProp, TGetEditorPropEvent) \
    X(OnGetEditorPropInt, TGetEditorPropIntEvent) \
    X(OnGetFloatFormat, TFloatFormatEvent) \
    X(OnEllipsClick, TEllipsClickEvent) \
    X(OnButtonClick, TButtonClickEvent) \
    X(OnCheckBoxChange, TCheckBoxClickEvent) \
    X(OnCheckBoxClick, TCheckBoxClickEvent) \
    X(OnCheckBoxMouseUp, TCheckBoxClickEvent) \
    X(OnColorSelected, TColorSelectedEvent) \
    X(OnColorSelect, TColorSelectEvent) \
    X(OnExpandClick, TExpandClickEvent) \
    X(OnImageSelected, TImageSelectedEvent) \
    X(OnImageSelect, TImageSelectEvent) \
    X(OnRadioClick, TRadioClickEvent) \
    X(OnRadioMouseUp, TRadioClickEvent) \
    X(OnRadioButtonClick, TRadioButtonClickEvent) \
    X(OnDatePickerCloseUp, TClickCellEvent) \
    X(OnDatePickerDropDown, TClickCellEvent) \
    X(OnComboChange, TComboChangeEvent) \
    X(OnComboCloseUp, TClickCellEvent) \
    X(OnComboDropDown, TClickCellEvent) \
    X(OnComboObjectChange, TComboObjectChangeEvent) \
    X(OnSpinClick, TSpinClickEvent) \
    X(OnFloatSpinClick, TFloatSpinClickEvent) \
    X(OnTimeSpinClick, TDateTimeSpinClickEvent) \
    X(OnDateSpinClick, TDateTimeSpinClickEvent) \
    X(OnRichEditSelectionChange, TNotifyEvent) \
    X(OnDragScroll, TDragScrollEvent) \
    X(OnEditingDone, TNotifyEvent) \
    X(OnEditCellDone, TEditCellDoneEvent) \
    X(OnMouseWheelDown, TMouseWheelUpDownEvent) \
    X(OnMouseWheelUp, TMouseWheelUpDownEvent) \
    X(OnEditChange, TEditChangeEvent) \
    X(OnDateTimeChange, TDateTimeChangeEvent) \
    X(OnFooterPaint, TFooterPaintEvent) \
    X(OnFooterCalc, TCalcFooterEvent) \
    X(OnResize, TNotifyEvent) \
    X(OnRowDisjunctSelect, TRowDisjunctSelectEvent) \
    X(OnRowDisjunctSelected, TAutoAddRowEvent) \
    X(OnSelectionChanged, TSelectionChanged) \
    X(OnUnitChanged, TUnitChangedEvent) \
    X(OnOleDrop, TOleDragDropEvent) \
    X(OnOleDropped, TOleDroppedEvent) \
    X(OnOleDrag, TOleDragDropEvent) \
    X(OnOleDragOver, TOleDragOverEvent) \
    X(OnOleDragStart, TOleDragStartEvent) \
    X(OnOleDragStop, TOleDragStopEvent) \
    X(OnOleDropCol, TOleDropColEvent) \
    X(OnOleDropFile, TOleDropFileEvent) \
    X(OnOleDropURL, TOleDropURLEvent) \
    X(OnRatingChange, TRatingChangeEvent) \
    X(OnScrollHint, TScrollHintEvent) \
    X(OnColumnSize, TColumnSizeEvent) \
    X(OnColumnSizing, TColumnSizingEvent) \
    X(OnColumnMove, TColumnSizeEvent) \
    X(OnColumnMoving, TColumnSizeEvent) \
    X(OnRowSize, TRowSizeEvent) \
    X(OnRowSizing, TRowSizingEvent) \
    X(OnRowMove, TRowSizeEvent) \
    X(OnRowMoving, TRowSizeEvent) \
    X(OnEndColumnSize, TEndColumnSizeEvent) \
    X(OnUpdateColumnSize, TUpdateColumnSizeEvent) \
    X(OnEndRowSize, TEndRowSizeEvent) \
    X(OnScrollCell, TScrollCellEvent) \
    X(OnSelectionResize, TSelectionResizeEvent) \
    X(OnSelectionResized, TSelectionResizeEvent) \
    X(OnCreatedFloatingFooter, TNotifyEvent) \
    X(OnCreatedSearchFooter, TNotifyEvent) \
    X(OnSaveCell, TCellSaveLoadEvent) \
    X(OnLoadCell, TCellSaveLoadEvent)

#define EX_GRID_UNPARENTHESIZE(...) __VA_ARGS__
#define EX_GRID_DECLARE_EVENT_TYPE(Type, Arguments, Order) \
    using Type = std::function<void(TObject* Sender, EX_GRID_UNPARENTHESIZE Arguments)>;
EX_GRID_EVENT_TYPES(EX_GRID_DECLARE_EVENT_TYPE)
#undef EX_GRID_DECLARE_EVENT_TYPE

struct TGridEventTypeEntry {
    const char* Type;
    const char* ArgumentOrder;  // after the sender
};
struct TGridEventEntry {
    const char* Event;
    const char* Type;
};

// Every event type with its argument order, and every published event with its type.
const std::vector<TGridEventTypeEntry>& ExStringGridEventTypeTable();
const std::vector<TGridEventEntry>& ExStringGridEventTable();
