#pragma once
// Option groups the grid publishes as sub-objects: search footer, keyboard navigation,
// mouse actions, a partner grid kept in step, alternating row bands and the focus
// helper. Each holds switches with their defaults; Assign copies the fields of an
// object of the same class directly (no notice, no setter side effect) and ignores
// any other source.

#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/string_list.h"

#include <QString>
#include <functional>

class TExStringGrid;

// The same notice type the controls use (platform/control.h), without the widget headers.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Settings of the search panel under the grid. Setters of the look fire OnChange (some
// only on a real change); the search switches are plain fields.
class TSearchFooter : public TObject {
public:
    // Without InitDesign the eight captions and hints start empty.
    explicit TSearchFooter(bool InitDesign);

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    const QString& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value);
    const QString& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value);
    const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value);
    const QString& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value);
    const QString& HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value);
    const QString& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value);
    const QString& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value);
    const QString& HintHighlight() const { return FHintHighLight; }
    void SetHintHighlight(const QString& Value);
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool Value) { FAutoSearch = Value; }
    bool AlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
    bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
    int SearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int Value) { FSearchColumn = Value; }
    bool SearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
    bool SearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
    TSearchDirection SearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    const QString& LastSearch() const { return FLastSearch; }
    void SetLastSearch(const QString& Value) { FLastSearch = Value; }

    void Assign(const TObject* Source);

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FShowFindPrev = true;
    bool FShowFindNext = true;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    TColor FColorTo = clBtnFace;
    TColor FColor = clWhite;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    bool FShowClose = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    QString FMatchCaseCaption;
    QString FHintClose;
    QString FHintFindPrev;
    QString FHintHighLight;
    QString FHintFindNext;
    bool FAutoSearch = true;
    QString FLastSearch;
    int FSearchColumn = -1;
    bool FSearchActiveColumnOnly = false;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    QString FHighLightCaption;
    bool FAlwaysHighLight = false;
    TSearchDirection FSearchDirection = sdTopBottom;
    TFont FFont;
};

// Keyboard and editing navigation switches; plain fields except AdvanceInsert,
// AdvanceDirection (fire OnChange on change) and AdvanceAuto (also turns on
// AdvanceOnEnter).
class TNavigation : public TObject {
public:
    bool AllowInsertRow() const { return FAllowInsertRow; }
    void SetAllowInsertRow(bool Value) { FAllowInsertRow = Value; }
    bool AllowDeleteRow() const { return FAllowDeleteRow; }
    void SetAllowDeleteRow(bool Value) { FAllowDeleteRow = Value; }
    bool AdvanceOnEnter() const { return FAdvanceOnEnter; }
    void SetAdvanceOnEnter(bool Value) { FAdvanceOnEnter = Value; }
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AutoGotoWhenSorted() const { return FAutoGotoWhenSorted; }
    void SetAutoGotoWhenSorted(bool Value) { FAutoGotoWhenSorted = Value; }
    bool AutoGotoIncremental() const { return FAutoGotoIncremental; }
    void SetAutoGotoIncremental(bool Value) { FAutoGotoIncremental = Value; }
    bool AutoComboDropSize() const { return FAutoComboDropSize; }
    void SetAutoComboDropSize(bool Value) { FAutoComboDropSize = Value; }
    bool AllowClipboardShortCuts() const { return FAllowClipboardShortCuts; }
    void SetAllowClipboardShortCuts(bool Value) { FAllowClipboardShortCuts = Value; }
    bool AllowRTFClipboard() const { return FAllowRTFClipboard; }
    void SetAllowRTFClipboard(bool Value) { FAllowRTFClipboard = Value; }
    bool AllowSmartClipboard() const { return FAllowSmartClipboard; }
    void SetAllowSmartClipboard(bool Value) { FAllowSmartClipboard = Value; }
    bool AllowClipboardAlways() const { return FAllowClipboardAlways; }
    void SetAllowClipboardAlways(bool Value) { FAllowClipboardAlways = Value; }
    bool AllowClipboardColGrow() const { return FAllowClipboardColGrow; }
    void SetAllowClipboardColGrow(bool Value) { FAllowClipboardColGrow = Value; }
    bool AllowClipboardRowGrow() const { return FAllowClipboardRowGrow; }
    void SetAllowClipboardRowGrow(bool Value) { FAllowClipboardRowGrow = Value; }
    TClipboardPasteAction ClipboardPasteAction() const { return FClipboardPasteAction; }
    void SetClipboardPasteAction(TClipboardPasteAction Value) { FClipboardPasteAction = Value; }
    bool CopyHTMLTagsToClipboard() const { return FCopyHTMLTagsToClipboard; }
    void SetCopyHTMLTagsToClipboard(bool Value) { FCopyHTMLTagsToClipboard = Value; }
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool Value);
    bool AdvanceAutoEdit() const { return FAdvanceAutoEdit; }
    void SetAdvanceAutoEdit(bool Value) { FAdvanceAutoEdit = Value; }
    bool CursorWalkEditor() const { return FCursorWalkEditor; }
    void SetCursorWalkEditor(bool Value) { FCursorWalkEditor = Value; }
    bool CursorWalkAlwaysEdit() const { return FCursorWalkAlwaysEdit; }
    void SetCursorWalkAlwaysEdit(bool Value) { FCursorWalkAlwaysEdit = Value; }
    bool MoveRowOnSort() const { return FMoveRowOnSort; }
    void SetMoveRowOnSort(bool Value) { FMoveRowOnSort = Value; }
    bool KeepScrollOnSort() const { return FKeepScrollOnSort; }
    void SetKeepScrollOnSort(bool Value) { FKeepScrollOnSort = Value; }
    bool ImproveMaskSel() const { return FImproveMaskSel; }
    void SetImproveMaskSel(bool Value) { FImproveMaskSel = Value; }
    bool AlwaysEdit() const { return FAlwaysEdit; }
    void SetAlwaysEdit(bool Value) { FAlwaysEdit = Value; }
    TInsertPosition InsertPosition() const { return FInsertPosition; }
    void SetInsertPosition(TInsertPosition Value) { FInsertPosition = Value; }
    bool LineFeedOnEnter() const { return FLineFeedOnEnter; }
    void SetLineFeedOnEnter(bool Value) { FLineFeedOnEnter = Value; }
    THomeEndAction HomeEndKey() const { return FHomeEndKey; }
    void SetHomeEndKey(THomeEndAction Value) { FHomeEndKey = Value; }
    bool KeepHorizScroll() const { return FKeepHorizScroll; }
    void SetKeepHorizScroll(bool Value) { FKeepHorizScroll = Value; }
    bool AllowFmtClipboard() const { return FAllowFmtClipboard; }
    void SetAllowFmtClipboard(bool Value) { FAllowFmtClipboard = Value; }
    bool TabToNextAtEnd() const { return FTabToNextAtEnd; }
    void SetTabToNextAtEnd(bool Value) { FTabToNextAtEnd = Value; }
    bool EditSelectAll() const { return FEditSelectAll; }
    void SetEditSelectAll(bool Value) { FEditSelectAll = Value; }
    TAdvanceDirection TabAdvanceDirection() const { return FTabAdvanceDirection; }
    void SetTabAdvanceDirection(TAdvanceDirection Value) { FTabAdvanceDirection = Value; }
    bool SkipFixedCells() const { return FSkipFixedCells; }
    void SetSkipFixedCells(bool Value) { FSkipFixedCells = Value; }
    bool SkipDisabledRows() const { return FSkipDisabledRows; }
    void SetSkipDisabledRows(bool Value) { FSkipDisabledRows = Value; }
    bool AllowCtrlEnter() const { return FAllowCtrlEnter; }
    void SetAllowCtrlEnter(bool Value) { FAllowCtrlEnter = Value; }
    bool AppendOnArrowDown() const { return FAppendOnArrowDown; }
    void SetAppendOnArrowDown(bool Value) { FAppendOnArrowDown = Value; }
    bool LeftRightRowSelect() const { return FLeftRightRowSelect; }
    void SetLeftRightRowSelect(bool Value) { FLeftRightRowSelect = Value; }
    bool MoveScrollOnly() const { return FMoveScrollOnly; }
    void SetMoveScrollOnly(bool Value) { FMoveScrollOnly = Value; }
    bool ComboGetUpDown() const { return FComboGetUpDown; }
    void SetComboGetUpDown(bool Value) { FComboGetUpDown = Value; }
    bool AdvanceOnEnterLoop() const { return FAdvanceOnEnterLoop; }
    void SetAdvanceOnEnterLoop(bool Value) { FAdvanceOnEnterLoop = Value; }
    TCursorAdvance CursorAdvance() const { return FCursorAdvance; }
    void SetCursorAdvance(TCursorAdvance Value) { FCursorAdvance = Value; }
    bool AdvanceSkipReadOnlyCells() const { return FAdvanceSkipReadOnlyCells; }
    void SetAdvanceSkipReadOnlyCells(bool Value) { FAdvanceSkipReadOnlyCells = Value; }
    bool CursorMoveRows() const { return FCursorMoveRows; }
    void SetCursorMoveRows(bool Value) { FCursorMoveRows = Value; }

    // Copies every switch except KeepScrollOnSort.
    void Assign(const TObject* Source);

    TNotifyEvent OnChange;

private:
    bool FAllowInsertRow = false;
    bool FAllowDeleteRow = false;
    bool FAdvanceOnEnter = false;
    bool FAdvanceInsert = false;
    bool FAutoGotoWhenSorted = false;
    bool FAutoGotoIncremental = false;
    bool FAutoComboDropSize = false;
    bool FAllowClipboardShortCuts = false;
    bool FAllowRTFClipboard = false;
    bool FAllowSmartClipboard = false;
    bool FAllowClipboardAlways = false;
    bool FAllowClipboardColGrow = true;
    bool FAllowClipboardRowGrow = true;
    TClipboardPasteAction FClipboardPasteAction = paReplace;
    bool FCopyHTMLTagsToClipboard = true;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceAuto = false;
    bool FAdvanceAutoEdit = true;
    bool FCursorWalkEditor = false;
    bool FCursorWalkAlwaysEdit = true;
    bool FMoveRowOnSort = false;
    bool FKeepScrollOnSort = false;
    bool FImproveMaskSel = false;
    bool FAlwaysEdit = false;
    TInsertPosition FInsertPosition = pInsertBefore;
    bool FLineFeedOnEnter = false;
    THomeEndAction FHomeEndKey = heFirstLastColumn;
    bool FKeepHorizScroll = false;
    bool FAllowFmtClipboard = false;
    bool FTabToNextAtEnd = false;
    bool FEditSelectAll = true;
    TAdvanceDirection FTabAdvanceDirection = adLeftRight;
    bool FSkipFixedCells = true;
    bool FSkipDisabledRows = true;
    bool FAllowCtrlEnter = true;
    bool FAppendOnArrowDown = false;
    bool FLeftRightRowSelect = true;
    bool FMoveScrollOnly = false;
    bool FComboGetUpDown = true;
    bool FAdvanceOnEnterLoop = true;
    TCursorAdvance FCursorAdvance = caDefault;
    bool FAdvanceSkipReadOnlyCells = true;
    bool FCursorMoveRows = false;
};

// Mouse behaviour switches. The three Disjunct...Select switches exclude each other
// only while the owner is being designed (OnIsDesigning answers true); at run time
// they are independent.
class TMouseActions : public TObject {
public:
    bool ColSelect() const { return FColSelect; }
    void SetColSelect(bool Value) { FColSelect = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool AllSelect() const { return FAllSelect; }
    void SetAllSelect(bool Value) { FAllSelect = Value; }
    bool DirectEdit() const { return FDirectEdit; }
    void SetDirectEdit(bool Value) { FDirectEdit = Value; }
    bool DirectComboDrop() const { return FDirectComboDrop; }
    void SetDirectComboDrop(bool Value) { FDirectComboDrop = Value; }
    bool DirectComboClose() const { return FDirectComboClose; }
    void SetDirectComboClose(bool Value) { FDirectComboClose = Value; }
    bool DirectDateClose() const { return FDirectDateClose; }
    void SetDirectDateClose(bool Value) { FDirectDateClose = Value; }
    bool DirectDateDrop() const { return FDirectDateDrop; }
    void SetDirectDateDrop(bool Value) { FDirectDateDrop = Value; }
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // The same value as DisjunctRowSelect, written without side effects.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
    bool AllColumnSize() const { return FAllColumnSize; }
    void SetAllColumnSize(bool Value) { FAllColumnSize = Value; }
    bool AllRowSize() const { return FAllRowSize; }
    void SetAllRowSize(bool Value) { FAllRowSize = Value; }
    bool CaretPositioning() const { return FCaretPositioning; }
    void SetCaretPositioning(bool Value) { FCaretPositioning = Value; }
    bool SizeFixedCol() const { return FSizeFixedCol; }
    void SetSizeFixedCol(bool Value) { FSizeFixedCol = Value; }
    bool SizeFixedRow() const { return FSizeFixedRow; }
    void SetSizeFixedRow(bool Value) { FSizeFixedRow = Value; }
    TGridFixedCellEdit FixedRowsEdit() const { return FFixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit Value) { FFixedRowsEdit = Value; }
    TGridFixedCellEdit FixedColsEdit() const { return FFixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit Value) { FFixedColsEdit = Value; }
    TGridFixedCellEditor FixedRowsEditor() const { return FFixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor Value) { FFixedRowsEditor = Value; }
    TGridFixedCellEditor FixedColsEditor() const { return FFixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor Value) { FFixedColsEditor = Value; }
    // True also turns on DisjunctRowSelect and CheckAllCheck; always fires OnInvalidate.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    bool RangeSelectAndEdit() const { return FRangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool Value) { FRangeSelectAndEdit = Value; }
    bool NoAutoRangeScroll() const { return FNoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool Value) { FNoAutoRangeScroll = Value; }
    bool PreciseCheckBoxCheck() const { return FPreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool Value) { FPreciseCheckBoxCheck = Value; }
    bool PreciseNodeClick() const { return FPreciseNodeClick; }
    void SetPreciseNodeClick(bool Value) { FPreciseNodeClick = Value; }
    bool CheckAllCheck() const { return FCheckAllCheck; }
    void SetCheckAllCheck(bool Value) { FCheckAllCheck = Value; }
    bool NodeAllExpandContract() const { return FNodeAllExpandContract; }
    void SetNodeAllExpandContract(bool Value) { FNodeAllExpandContract = Value; }
    bool MoveRowOnNodeClick() const { return FMoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool Value) { FMoveRowOnNodeClick = Value; }
    bool RowSelectPersistent() const { return FRowSelectPersistent; }
    void SetRowSelectPersistent(bool Value) { FRowSelectPersistent = Value; }
    bool SelectOnRightClick() const { return FSelectOnRightClick; }
    void SetSelectOnRightClick(bool Value) { FSelectOnRightClick = Value; }
    bool NoScrollOnPartialRow() const { return FNoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool Value) { FNoScrollOnPartialRow = Value; }
    int WheelIncrement() const { return FWheelIncrement; }
    void SetWheelIncrement(int Value) { FWheelIncrement = Value; }
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    bool AutoSizeColOnDblClick() const { return FAutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool Value) { FAutoSizeColOnDblClick = Value; }
    // True fires OnDisableEdit.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    bool DisjunctRowSelectNoCtrl() const { return FDisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool Value) { FDisjunctRowSelectNoCtrl = Value; }
    const TStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const TStringList& Value) { FFixedComboValues.Assign(Value); }

    // Copies every switch except SizeFixedRow, HotmailRowSelect, EditOnDblClickOnly
    // and FixedComboValues.
    void Assign(const TObject* Source);

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

private:
    bool IsDesigning();

    bool FColSelect = false;
    bool FRowSelect = false;
    bool FAllSelect = false;
    bool FDirectEdit = false;
    bool FDirectComboDrop = false;
    bool FDirectComboClose = false;
    bool FDirectDateClose = false;
    bool FDirectDateDrop = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FAllColumnSize = false;
    bool FAllRowSize = false;
    bool FCaretPositioning = false;
    bool FSizeFixedCol = false;
    bool FSizeFixedRow = false;
    bool FDisjunctCellSelect = false;
    TGridFixedCellEdit FFixedRowsEdit = fceNone;
    TGridFixedCellEdit FFixedColsEdit = fceNone;
    TGridFixedCellEditor FFixedRowsEditor = fceEdit;
    TGridFixedCellEditor FFixedColsEditor = fceEdit;
    bool FHotmailRowSelect = false;
    bool FRangeSelectAndEdit = false;
    bool FNoAutoRangeScroll = false;
    bool FPreciseCheckBoxCheck = false;
    bool FPreciseNodeClick = true;
    bool FCheckAllCheck = false;
    bool FNodeAllExpandContract = false;
    bool FMoveRowOnNodeClick = false;
    bool FRowSelectPersistent = false;
    bool FSelectOnRightClick = false;
    bool FNoScrollOnPartialRow = false;
    int FWheelIncrement = 0;
    TWheelAction FWheelAction = waMoveSelection;
    bool FAutoSizeColOnDblClick = true;
    bool FEditOnDblClickOnly = false;
    bool FDisjunctRowSelectNoCtrl = false;
    TStringList FFixedComboValues;
};

// A partner grid that scrolls, selects and moves along with the owning grid.
class TSyncGrid : public TObject {
public:
    explicit TSyncGrid(TExStringGrid* AOwner) : FOwner(AOwner) {}

    TExStringGrid* Grid() const { return FGrid; }
    // A grid cannot be its own partner: the owning grid is refused.
    void SetGrid(TExStringGrid* Value);
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool Value) { FScrollVertical = Value; }
    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
    bool SelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
    bool SelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool Value) { FSelectionRow = Value; }
    bool MoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool Value) { FMoveColumn = Value; }
    bool MoveRow() const { return FMoveRow; }
    void SetMoveRow(bool Value) { FMoveRow = Value; }

    void Assign(const TObject* Source);

private:
    TExStringGrid* FOwner;
    TExStringGrid* FGrid = nullptr;
    bool FScrollVertical = false;
    bool FScrollHorizontal = false;
    bool FSelectionColumn = false;
    bool FSelectionRow = false;
    bool FMoveColumn = false;
    bool FMoveRow = false;
};

// Alternating row bands. Active fires OnChange on change; colours and lengths fire
// only while the bands are active.
class TBands : public TObject {
public:
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    bool Print() const { return FPrint; }
    void SetPrint(bool Value) { FPrint = Value; }
    int TotalLength() const { return FTotalLength; }

    void Assign(const TObject* Source);

    TNotifyEvent OnChange;

private:
    void ChangedWhileActive();

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
    bool FPrint = false;
    int FTotalLength = 2;
};

// Whether the grid frames the current cell with the focus glow.
class TFocusHelper : public TObject {
public:
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    void Assign(const TObject* Source);

private:
    bool FEnabled = false;
};
