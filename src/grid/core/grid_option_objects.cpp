#include "grid/core/grid_option_objects.h"

namespace {

// Stores value in field and reports whether it changed.
template <class T>
bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

// ---- TSearchFooter ----

TSearchFooter::TSearchFooter(bool InitDesign) {
    if (!InitDesign) return;
    FFindNextCaption = QStringLiteral("Find &next");
    FFindPrevCaption = QStringLiteral("Find &previous");
    FMatchCaseCaption = QStringLiteral("Match case");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighLight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Changed() {
    if (OnChange) OnChange(this);
}

void TSearchFooter::SetVisible(bool Value) {
    if (Store(FVisible, Value)) Changed();
}
void TSearchFooter::SetColor(TColor Value) {
    FColor = Value;
    Changed();
}
void TSearchFooter::SetColorTo(TColor Value) {
    FColorTo = Value;
    Changed();
}
void TSearchFooter::SetFont(const TFont& Value) {
    FFont.Assign(Value);
    Changed();
}
void TSearchFooter::SetFindNextCaption(const QString& Value) {
    FFindNextCaption = Value;
    Changed();
}
void TSearchFooter::SetFindPrevCaption(const QString& Value) {
    FFindPrevCaption = Value;
    Changed();
}
void TSearchFooter::SetMatchCaseCaption(const QString& Value) {
    FMatchCaseCaption = Value;
    Changed();
}
void TSearchFooter::SetHighLightCaption(const QString& Value) {
    FHighLightCaption = Value;
    Changed();
}
void TSearchFooter::SetHintClose(const QString& Value) {
    FHintClose = Value;
    Changed();
}
void TSearchFooter::SetHintFindNext(const QString& Value) {
    FHintFindNext = Value;
    Changed();
}
void TSearchFooter::SetHintFindPrev(const QString& Value) {
    FHintFindPrev = Value;
    Changed();
}
void TSearchFooter::SetHintHighlight(const QString& Value) {
    FHintHighLight = Value;
    Changed();
}
void TSearchFooter::SetShowClose(bool Value) {
    FShowClose = Value;
    Changed();
}
void TSearchFooter::SetShowFindNext(bool Value) {
    if (Store(FShowFindNext, Value)) Changed();
}
void TSearchFooter::SetShowFindPrev(bool Value) {
    if (Store(FShowFindPrev, Value)) Changed();
}
void TSearchFooter::SetShowHighLight(bool Value) {
    if (Store(FShowHighLight, Value)) Changed();
}
void TSearchFooter::SetShowMatchCase(bool Value) {
    if (Store(FShowMatchCase, Value)) Changed();
}
void TSearchFooter::SetAutoThemeAdapt(bool Value) {
    FAutoThemeAdapt = Value;
    Changed();
}

void TSearchFooter::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TSearchFooter*>(Source);
    if (!s) return;
    FAlwaysHighLight = s->FAlwaysHighLight;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FFindNextCaption = s->FFindNextCaption;
    FFindPrevCaption = s->FFindPrevCaption;
    FMatchCaseCaption = s->FMatchCaseCaption;
    FHighLightCaption = s->FHighLightCaption;
    FHintClose = s->FHintClose;
    FHintFindNext = s->FHintFindNext;
    FHintFindPrev = s->FHintFindPrev;
    FHintHighLight = s->FHintHighLight;
    FShowClose = s->FShowClose;
    FShowFindNext = s->FShowFindNext;
    FShowFindPrev = s->FShowFindPrev;
    FShowHighLight = s->FShowHighLight;
    FShowMatchCase = s->FShowMatchCase;
    FSearchActiveColumnOnly = s->FSearchActiveColumnOnly;
    FSearchMatchStart = s->FSearchMatchStart;
    FSearchColumn = s->FSearchColumn;
    FSearchDirection = s->FSearchDirection;
    FSearchHiddenRows = s->FSearchHiddenRows;
    FVisible = s->FVisible;
    FFont.Assign(s->FFont);
}

// ---- TNavigation ----

void TNavigation::SetAdvanceInsert(bool Value) {
    if (Store(FAdvanceInsert, Value) && OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
    if (Store(FAdvanceDirection, Value) && OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
    if (Store(FAdvanceAuto, Value) && Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TNavigation*>(Source);
    if (!s) return;
    FAllowInsertRow = s->FAllowInsertRow;
    FAllowDeleteRow = s->FAllowDeleteRow;
    FAdvanceOnEnter = s->FAdvanceOnEnter;
    FAdvanceInsert = s->FAdvanceInsert;
    FAutoGotoWhenSorted = s->FAutoGotoWhenSorted;
    FAutoGotoIncremental = s->FAutoGotoIncremental;
    FAutoComboDropSize = s->FAutoComboDropSize;
    FAllowClipboardShortCuts = s->FAllowClipboardShortCuts;
    FAllowRTFClipboard = s->FAllowRTFClipboard;
    FAllowSmartClipboard = s->FAllowSmartClipboard;
    FAllowClipboardAlways = s->FAllowClipboardAlways;
    FAllowClipboardColGrow = s->FAllowClipboardColGrow;
    FAllowClipboardRowGrow = s->FAllowClipboardRowGrow;
    FClipboardPasteAction = s->FClipboardPasteAction;
    FCopyHTMLTagsToClipboard = s->FCopyHTMLTagsToClipboard;
    FAdvanceDirection = s->FAdvanceDirection;
    FAdvanceAuto = s->FAdvanceAuto;
    FAdvanceAutoEdit = s->FAdvanceAutoEdit;
    FCursorWalkEditor = s->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = s->FCursorWalkAlwaysEdit;
    FMoveRowOnSort = s->FMoveRowOnSort;
    FImproveMaskSel = s->FImproveMaskSel;
    FAlwaysEdit = s->FAlwaysEdit;
    FInsertPosition = s->FInsertPosition;
    FLineFeedOnEnter = s->FLineFeedOnEnter;
    FHomeEndKey = s->FHomeEndKey;
    FKeepHorizScroll = s->FKeepHorizScroll;
    FAllowFmtClipboard = s->FAllowFmtClipboard;
    FTabToNextAtEnd = s->FTabToNextAtEnd;
    FEditSelectAll = s->FEditSelectAll;
    FTabAdvanceDirection = s->FTabAdvanceDirection;
    FSkipFixedCells = s->FSkipFixedCells;
    FSkipDisabledRows = s->FSkipDisabledRows;
    FAllowCtrlEnter = s->FAllowCtrlEnter;
    FAppendOnArrowDown = s->FAppendOnArrowDown;
    FLeftRightRowSelect = s->FLeftRightRowSelect;
    FMoveScrollOnly = s->FMoveScrollOnly;
    FComboGetUpDown = s->FComboGetUpDown;
    FAdvanceOnEnterLoop = s->FAdvanceOnEnterLoop;
    FCursorAdvance = s->FCursorAdvance;
    FAdvanceSkipReadOnlyCells = s->FAdvanceSkipReadOnlyCells;
    FCursorMoveRows = s->FCursorMoveRows;
}

// ---- TMouseActions ----

bool TMouseActions::IsDesigning() {
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
    FDisjunctRowSelect = Value;
    if (Value && IsDesigning()) FDisjunctColSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
    FDisjunctColSelect = Value;
    if (Value && IsDesigning()) FDisjunctRowSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
    FDisjunctCellSelect = Value;
    if (Value && IsDesigning()) FDisjunctRowSelect = FDisjunctColSelect = false;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
    if (Store(FWheelAction, Value) && OnChange) OnChange(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TMouseActions*>(Source);
    if (!s) return;
    FColSelect = s->FColSelect;
    FRowSelect = s->FRowSelect;
    FAllSelect = s->FAllSelect;
    FDirectEdit = s->FDirectEdit;
    FDirectComboDrop = s->FDirectComboDrop;
    FDirectComboClose = s->FDirectComboClose;
    FDirectDateClose = s->FDirectDateClose;
    FDirectDateDrop = s->FDirectDateDrop;
    FDisjunctRowSelect = s->FDisjunctRowSelect;
    FDisjunctColSelect = s->FDisjunctColSelect;
    FAllColumnSize = s->FAllColumnSize;
    FAllRowSize = s->FAllRowSize;
    FCaretPositioning = s->FCaretPositioning;
    FSizeFixedCol = s->FSizeFixedCol;
    FDisjunctCellSelect = s->FDisjunctCellSelect;
    FFixedRowsEdit = s->FFixedRowsEdit;
    FFixedColsEdit = s->FFixedColsEdit;
    FFixedRowsEditor = s->FFixedRowsEditor;
    FFixedColsEditor = s->FFixedColsEditor;
    FRangeSelectAndEdit = s->FRangeSelectAndEdit;
    FNoAutoRangeScroll = s->FNoAutoRangeScroll;
    FPreciseCheckBoxCheck = s->FPreciseCheckBoxCheck;
    FPreciseNodeClick = s->FPreciseNodeClick;
    FCheckAllCheck = s->FCheckAllCheck;
    FNodeAllExpandContract = s->FNodeAllExpandContract;
    FMoveRowOnNodeClick = s->FMoveRowOnNodeClick;
    FRowSelectPersistent = s->FRowSelectPersistent;
    FSelectOnRightClick = s->FSelectOnRightClick;
    FNoScrollOnPartialRow = s->FNoScrollOnPartialRow;
    FWheelIncrement = s->FWheelIncrement;
    FWheelAction = s->FWheelAction;
    FAutoSizeColOnDblClick = s->FAutoSizeColOnDblClick;
    FDisjunctRowSelectNoCtrl = s->FDisjunctRowSelectNoCtrl;
}

// ---- TSyncGrid ----

void TSyncGrid::SetGrid(TExStringGrid* Value) {
    if (Value != FOwner) FGrid = Value;
}

void TSyncGrid::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TSyncGrid*>(Source);
    if (!s) return;
    SetGrid(s->FGrid);
    FScrollVertical = s->FScrollVertical;
    FScrollHorizontal = s->FScrollHorizontal;
    FSelectionColumn = s->FSelectionColumn;
    FSelectionRow = s->FSelectionRow;
    FMoveColumn = s->FMoveColumn;
    FMoveRow = s->FMoveRow;
}

// ---- TBands ----

void TBands::ChangedWhileActive() {
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value) {
    if (Store(FActive, Value) && OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
    if (Store(FPrimaryColor, Value)) ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
    if (Store(FSecondaryColor, Value)) ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value) {
    if (!Store(FPrimaryLength, Value)) return;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::SetSecondaryLength(int Value) {
    if (!Store(FSecondaryLength, Value)) return;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TBands*>(Source);
    if (!s) return;
    FActive = s->FActive;
    FPrimaryColor = s->FPrimaryColor;
    FPrimaryLength = s->FPrimaryLength;
    FSecondaryColor = s->FSecondaryColor;
    FSecondaryLength = s->FSecondaryLength;
    FPrint = s->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

// ---- TFocusHelper ----

void TFocusHelper::Assign(const TObject* Source) {
    if (const auto* s = dynamic_cast<const TFocusHelper*>(Source)) FEnabled = s->FEnabled;
}
