#pragma once
// The list grid events the grid drop-down relays to its own OnGrid... events, written
// once and expanded into the events, the virtual relays, the binding at each drop-down
// and the table that names them.
//
// X(name, published event, type, (relay parameters), (arguments), list grid event, binding,
//   own behaviour)
// The relay DoGrid<name> fires the published event. Bindings:
//   rbBound         bound at every drop-down
//   rbSortHook      the list's sort events go to the drop-down's own sort hooks instead
//   rbWhenAssigned  bound at a drop-down where the published event is assigned
//   rbEditorProp    bound through the grid's editor-property event (other arguments)
//   rbDropDownSender bound; the event gets the drop-down as Sender
//   rbKeyRelay      fired by the pop-up's key relays with the drop-down as Sender
//   rbNotBound      fired only when a descendant calls the relay
// Own behaviours:
//   obKeepOpen      the pop-up ignores its deactivation while the handler runs
//   obAlignment     the horizontal alignment is the drop-down column's first
//   obCellColor     the brush colour is the drop-down column's first
//   obFloatFormat   the float format is emptied first
//   obBalloonSetUp  the first move after a drop-down sets the balloon hints up again

#include "grid/core/string_grid_events.h"

enum TRelayBinding { rbBound, rbSortHook, rbWhenAssigned, rbEditorProp, rbDropDownSender, rbKeyRelay, rbNotBound };
enum TRelayBehaviour { obNone, obKeepOpen, obAlignment, obCellColor, obFloatFormat, obBalloonSetUp };

#define GRID_DROP_DOWN_RELAYS(X) \
    X(AnchorClick, OnGridAnchorClick, TAnchorClickEvent, (TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle), (Sender, ARow, ACol, Anchor, AutoHandle), OnAnchorClick, rbBound, obKeepOpen) \
    X(AnchorEnter, OnGridAnchorEnter, TAnchorEvent, (TObject* Sender, int ARow, int ACol, const QString& Anchor), (Sender, ARow, ACol, Anchor), OnAnchorEnter, rbBound, obNone) \
    X(AnchorExit, OnGridAnchorExit, TAnchorEvent, (TObject* Sender, int ARow, int ACol, const QString& Anchor), (Sender, ARow, ACol, Anchor), OnAnchorExit, rbBound, obNone) \
    X(AnchorHint, OnGridAnchorHint, TAnchorHintEvent, (TObject* Sender, int ARow, int ACol, QString& Anchor), (Sender, ARow, ACol, Anchor), OnAnchorHint, rbBound, obNone) \
    X(ButtonClick, OnGridButtonClick, TButtonClickEvent, (TObject* Sender, int ACol, int ARow), (Sender, ACol, ARow), OnButtonClick, rbBound, obKeepOpen) \
    X(CanSort, OnGridCanSort, TCanSortEvent, (TObject* Sender, int ACol, bool& DoSort), (Sender, ACol, DoSort), OnCanSort, rbSortHook, obNone) \
    X(ClickSort, OnGridClickSort, TClickSortEvent, (TObject* Sender, int ACol), (Sender, ACol), OnClickSort, rbSortHook, obNone) \
    X(CustomCompare, OnGridCustomCompare, TCustomCompareEvent, (TObject* Sender, const QString& str1, const QString& str2, int& Res), (Sender, str1, str2, Res), OnCustomCompare, rbNotBound, obNone) \
    X(RawCompare, OnGridRawCompare, TRawCompareEvent, (TObject* Sender, int ACol, int Row1, int Row2, int& Res), (Sender, ACol, Row1, Row2, Res), OnRawCompare, rbNotBound, obNone) \
    X(ColumnSize, OnGridColumnSize, TColumnSizeEvent, (TObject* Sender, int ACol, bool& Allow), (Sender, ACol, Allow), OnColumnSize, rbBound, obNone) \
    X(ColumnSizing, OnGridColumnSizing, TColumnSizingEvent, (TObject* Sender, int ACol, int ColumnSize), (Sender, ACol, ColumnSize), OnColumnSizing, rbBound, obNone) \
    X(EndColumnSize, OnGridEndColumnSize, TEndColumnSizeEvent, (TObject* Sender, int ACol), (Sender, ACol), OnEndColumnSize, rbBound, obNone) \
    X(RowSize, OnGridRowSize, TRowSizeEvent, (TObject* Sender, int ARow, bool& Allow), (Sender, ARow, Allow), OnRowSize, rbBound, obNone) \
    X(RowSizing, OnGridRowSizing, TRowSizingEvent, (TObject* Sender, int ARow, int RowSize), (Sender, ARow, RowSize), OnRowSizing, rbBound, obNone) \
    X(EndRowSize, OnGridEndRowSize, TEndRowSizeEvent, (TObject* Sender, int ARow), (Sender, ARow), OnEndRowSize, rbBound, obNone) \
    X(RowMove, OnGridRowMove, TRowSizeEvent, (TObject* Sender, int ARow, bool& Allow), (Sender, ARow, Allow), OnRowMove, rbBound, obNone) \
    X(RowMoving, OnGridRowMoving, TRowSizeEvent, (TObject* Sender, int ARow, bool& Allow), (Sender, ARow, Allow), OnRowMoving, rbBound, obNone) \
    X(RowMoved, OnGridRowMoved, TMovedEvent, (TObject* Sender, int FromIndex, int ToIndex), (Sender, FromIndex, ToIndex), OnRowMoved, rbBound, obNone) \
    X(ColumnMove, OnGridColumnMove, TColumnSizeEvent, (TObject* Sender, int ACol, bool& Allow), (Sender, ACol, Allow), OnColumnMove, rbBound, obNone) \
    X(ColumnMoving, OnGridColumnMoving, TColumnSizeEvent, (TObject* Sender, int ACol, bool& Allow), (Sender, ACol, Allow), OnColumnMoving, rbBound, obNone) \
    X(ColumnMoved, OnGridColumnMoved, TMovedEvent, (TObject* Sender, int FromIndex, int ToIndex), (Sender, FromIndex, ToIndex), OnColumnMoved, rbBound, obNone) \
    X(CustomCellDraw, OnGridCustomCellDraw, TCustomCellDrawEvent, (TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect, bool Printing), (Sender, Canvas, ACol, ARow, AState, ARect, Printing), OnCustomCellDraw, rbWhenAssigned, obNone) \
    X(CustomCellBkgDraw, OnGridCustomCellBkgDraw, TCustomCellDrawEvent, (TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect, bool Printing), (Sender, Canvas, ACol, ARow, AState, ARect, Printing), OnCustomCellBkgDraw, rbWhenAssigned, obNone) \
    X(CellBalloon, OnGridCellBalloon, TGridBalloonEvent, (TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon), (Sender, ACol, ARow, ATitle, AText, AIcon), OnCellBalloon, rbBound, obNone) \
    X(GetAlignment, OnGridGetAlignment, TGridAlignEvent, (TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign), (Sender, ARow, ACol, HAlign, VAlign), OnGetAlignment, rbBound, obAlignment) \
    X(GetCellColor, OnGridGetCellColor, TGridColorEvent, (TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont), (Sender, ARow, ACol, AState, ABrush, AFont), OnGetCellColor, rbBound, obCellColor) \
    X(GetCellGradient, OnGridGetCellGradient, TGridGradientEvent, (TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD), (Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD), OnGetCellGradient, rbBound, obNone) \
    X(GetFloatFormat, OnGridGetFloatFormat, TFloatFormatEvent, (TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat), (Sender, ACol, ARow, IsFloat, FloatFormat), OnGetFloatFormat, rbBound, obFloatFormat) \
    X(GetEditorType, OnGridGetEditorType, TGetEditorTypeEvent, (TObject* Sender, int ACol, int ARow, TEditorType& AEditor), (Sender, ACol, ARow, AEditor), OnGetEditorType, rbBound, obNone) \
    X(GetEditorProp, OnGridGetEditorProp, TClickCellEvent, (TObject* Sender, int ARow, int ACol), (Sender, ARow, ACol), OnGetEditorProp, rbEditorProp, obNone) \
    X(CanEditCell, OnGridCanEditCell, TCanEditCellEvent, (TObject* Sender, int ARow, int ACol, bool& CanEdit), (Sender, ARow, ACol, CanEdit), OnCanEditCell, rbBound, obNone) \
    X(EllipsClick, OnGridEllipsClick, TEllipsClickEvent, (TObject* Sender, int ACol, int ARow, QString& S), (Sender, ACol, ARow, S), OnEllipsClick, rbBound, obKeepOpen) \
    X(GetDisplText, OnGridGetDiplText, TGetDisplTextEvent, (TObject* Sender, int ACol, int ARow, QString& Value), (Sender, ACol, ARow, Value), OnGetDisplText, rbBound, obNone) \
    X(GetFormat, OnGridGetFormat, TGridFormatEvent, (TObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix), (Sender, ACol, AStyle, aPrefix, aSuffix), OnGetFormat, rbBound, obNone) \
    X(Hint, OnGridHint, TGridHintEvent, (TObject* Sender, int ARow, int ACol, QString& hintstr), (Sender, ARow, ACol, hintstr), OnGridHint, rbBound, obNone) \
    X(MouseMove, OnGridMouseMove, TMouseMoveEvent, (TObject* Sender, TShiftState Shift, int X, int Y), (Sender, Shift, X, Y), OnMouseMove, rbBound, obBalloonSetUp) \
    X(MouseDown, OnGridMouseDown, TMouseEvent, (TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y), (Sender, Button, Shift, X, Y), OnMouseDown, rbBound, obNone) \
    X(MouseUp, OnGridMouseUp, TMouseEvent, (TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y), (Sender, Button, Shift, X, Y), OnMouseUp, rbBound, obNone) \
    X(KeyDown, OnGridKeyDown, TKeyEvent, (TObject* Sender, WORD& Key, TShiftState Shift), (Sender, Key, Shift), OnKeyDown, rbKeyRelay, obNone) \
    X(KeyUp, OnGridKeyUp, TKeyEvent, (TObject* Sender, WORD& Key, TShiftState Shift), (Sender, Key, Shift), OnKeyUp, rbKeyRelay, obNone) \
    X(KeyPress, OnGridKeyPress, TCustomKeyPressEvent, (TObject* Sender, QChar& Key), (Sender, Key), OnKeyPress, rbKeyRelay, obNone) \
    X(RightClickCell, OnGridRightClickCell, TClickCellEvent, (TObject* Sender, int ARow, int ACol), (Sender, ARow, ACol), OnRightClickCell, rbBound, obNone) \
    X(ScrollHint, OnGridScrollHint, TScrollHintEvent, (TObject* Sender, int ARow, QString& hintstr), (Sender, ARow, hintstr), OnScrollHint, rbBound, obNone) \
    X(TopLeftChanged, OnGridTopLeftChanged, TNotifyEvent, (TObject* Sender), (Sender), OnTopLeftChanged, rbDropDownSender, obNone) \
    X(SearchEditChange, OnGridSearchEditChange, TSearchEditChangeEvent, (TObject* Sender, const QString& Value, bool& DefaultSearch), (Sender, Value, DefaultSearch), OnSearchEditChange, rbBound, obNone) \
    X(SpinClick, OnGridSpinClick, TSpinClickEvent, (TObject* Sender, int ACol, int ARow, int AValue, bool UpDown), (Sender, ACol, ARow, AValue, UpDown), OnSpinClick, rbNotBound, obNone) \
    X(AutoAddRow, OnGridAutoAddRow, TAutoAddRowEvent, (TObject* Sender, int ARow), (Sender, ARow), OnAutoAddRow, rbBound, obNone) \
    X(InsertRow, OnGridInsertRow, TAutoInsertRowEvent, (TObject* Sender, int ARow), (Sender, ARow), OnAutoInsertRow, rbBound, obNone) \
    X(InsertCol, OnGridInsertCol, TAutoInsertColEvent, (TObject* Sender, int ACol), (Sender, ACol), OnAutoInsertCol, rbBound, obNone) \
    X(DeleteRow, OnGridDeleteRow, TAutoDeleteRowEvent, (TObject* Sender, int ARow), (Sender, ARow), OnAutoDeleteRow, rbBound, obNone) \
    X(CanAddRow, OnGridCanAddRow, TCanAddRowEvent, (TObject* Sender, bool& CanAdd), (Sender, CanAdd), OnCanAddRow, rbBound, obNone) \
    X(CanInsertRow, OnGridCanInsertRow, TCanInsertRowEvent, (TObject* Sender, int ARow, bool& CanInsert), (Sender, ARow, CanInsert), OnCanInsertRow, rbBound, obNone) \
    X(CanDeleteRow, OnGridCanDeleteRow, TCanDeleteRowEvent, (TObject* Sender, int ARow, bool& CanDelete), (Sender, ARow, CanDelete), OnCanDeleteRow, rbBound, obNone)

