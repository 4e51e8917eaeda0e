// The per-cell hooks of the string grid: each gives its built-in answer, then fires its
// event with the arguments in the order of the event's type. Also the grid's answers to
// the base grid's hooks.

#include "grid/core/string_grid.h"
#include "grid/view/markup_text.h"

#include "controls/text_utilities.h"


void TExStringGrid::GetCellHint(RealCol ACol, DisplRow ARow, QString& AHint, QString& AWideHint) {
    if (OnGridHint) OnGridHint(this, ARow.v, ACol.v, AHint);
    if (OnGridWideHint) OnGridWideHint(this, ARow.v, ACol.v, AWideHint);
    if (!AWideHint.isEmpty()) AHint = WideToEscaped(AWideHint);
}

void TExStringGrid::GetCellColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush,
                                 TFont* AFont) {
    if (FActiveCellShow) {
        const int displayed = DisplColIndex(ACol.v);
        const int fixedCols = TStringGrid::FixedCols();
        const int fixedRows = TStringGrid::FixedRows();
        if ((ARow.v == Row() && fixedCols > 0 && displayed == fixedCols - 1) ||
            (displayed == Col() && fixedRows > 0 && ARow.v == fixedRows - 1)) {
            *AFont = *FActiveCellFont;
            ABrush->Color = FActiveCellColor;
        }
    }
    if (const TCellProperties* props = PropsOf(ACol.v, ARow.v)) {
        switch (GetCellType(ACol.v, ARow.v)) {
        case ctIcon: case ctNone: case ctImageList: case ctEmpty: case ctImages: case ctComment:
            if (props->BrushColor() != clNone) ABrush->Color = props->BrushColor();
            break;
        default: break;
        }
        if (props->FontColor() != clNone) AFont->Color = props->FontColor();
        if (!props->FontStyle().Empty()) AFont->Style = props->FontStyle();
        if (props->FontSize() != 0) AFont->Size = props->FontSize();
        if (!props->FontName().isEmpty()) AFont->Name = props->FontName();
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow.v, ACol.v, AState, ABrush, AFont);
}

void TExStringGrid::GetCellPrintColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush,
                                      TFont* AFont) {
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow.v, ACol.v, AState, ABrush, AFont);
}

void TExStringGrid::GetCellBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) {
    // Node rows and summary rows come with grouping; a grid without them draws no lines.
    if (OnGetCellBorder) OnGetCellBorder(this, ARow.v, ACol.v, APen, Borders);
}

void TExStringGrid::GetCellPrintBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) {
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow.v, ACol.v, APen, Borders);
}

void TExStringGrid::GetCellAlignment(RealCol ACol, DisplRow ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol.v == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow.v, ACol.v, HAlign, VAlign);
}

void TExStringGrid::GetCellFormat(RealCol ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
    if (OnGetFormat) OnGetFormat(this, ACol.v, AStyle, aPrefix, aSuffix);
}

void TExStringGrid::GetCellEditorType(RealCol ACol, DisplRow ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol.v, ARow.v, AEditor);
}

void TExStringGrid::GetCellEditorTypeEx(RealCol ACol, DisplRow ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol.v, ARow.v, AEditor);
}

bool TExStringGrid::HasNoEditor(RealCol ACol, DisplRow ARow) {
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol.v, ARow.v, editor);
    return editor == edNone;
}

void TExStringGrid::IsFixedCell(DisplCol ACol, DisplRow ARow, bool& IsFixed) {
    if (ACol.v < TStringGrid::FixedCols() || ARow.v < TStringGrid::FixedRows()) IsFixed = true;
    if (FFixedRowAlways && RowCount() == FFixedRowsMin) IsFixed = true;
    if (FFixedColAlways && ColCount() == FFixedColsMin) IsFixed = true;
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow.v, ACol.v, IsFixed);
}

bool TExStringGrid::IsFixed(int ACol, int ARow) {
    bool fixed = false;
    IsFixedCell(DisplCol(ACol), DisplRow(ARow), fixed);
    return fixed;
}

void TExStringGrid::CanEditCell(RealCol ACol, DisplRow ARow, bool& CanEdit) {
    if (OnCanEditCell) OnCanEditCell(this, ARow.v, ACol.v, CanEdit);
}

void TExStringGrid::CanEditBaseCell(RealCol ACol, DisplRow ARow, bool& CanEdit) {
    const TPoint base = BaseCell(ACol.v, ARow.v);
    if (const TCellProperties* props = PropsOf(base.X, base.Y); props && CanEdit) {
        CanEdit = !props->ReadOnly();
        if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (base.X < ColCount() + NumHiddenColumns())
        CanEditCell(RealCol(base.X), DisplRow(base.Y), CanEdit);
    else
        CanEdit = true;
}

void TExStringGrid::IsPasswordCell(RealCol ACol, DisplRow ARow, bool& IsPassword) {
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow.v, ACol.v, IsPassword);
}

bool TExStringGrid::CellIsPassword(RealCol ACol, DisplRow ARow) {
    bool password = false;
    IsPasswordCell(ACol, ARow, password);
    return password;
}

void TExStringGrid::GetCellWordWrap(RealCol ACol, DisplRow ARow, bool& WordWrap) {
    if (OnGetWordWrap) OnGetWordWrap(this, ACol.v, ARow.v, WordWrap);
}

bool TExStringGrid::CellHasComboBox(RealCol ACol, DisplRow ARow) {
    if (OnHasComboBox) {
        bool hasCombo = false;
        OnHasComboBox(this, ACol.v, ARow.v, hasCombo);
        return hasCombo;
    }
    if (!FControlLook->DropDownAlwaysVisible) return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditorTypeEx(ACol, ARow, editor);
    return editor == edComboEdit || editor == edComboList;
}

bool TExStringGrid::CellHasSpinEdit(RealCol ACol, DisplRow ARow) {
    if (ACol.v < TStringGrid::FixedCols() || ARow.v < TStringGrid::FixedRows()) return false;
    if (OnHasSpinEdit) {
        bool hasSpin = false;
        OnHasSpinEdit(this, ACol.v, ARow.v, hasSpin);
        return hasSpin;
    }
    if (!FControlLook->SpinButtonsAlwaysVisible) return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditorType(ACol, ARow, editor);
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

void TExStringGrid::GetCheckTrue(RealCol ACol, DisplRow ARow, QString& Value) {
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol.v, ARow.v, Value);
}

void TExStringGrid::GetCheckFalse(RealCol ACol, DisplRow ARow, QString& Value) {
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol.v, ARow.v, Value);
}

void TExStringGrid::GetCellCursor(RealCol ACol, DisplRow ARow, int X, int Y) {
    if (!OnGetCellCursor) return;
    TCursor cursor = FCursor;
    OnGetCellCursor(this, ACol.v, ARow.v, X, Y, cursor);
    SetCursor(cursor);
}

void TExStringGrid::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction Action) {
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TExStringGrid::DoButtonClick(RealCol ACol, DisplRow ARow) {
    if (OnButtonClick) OnButtonClick(this, ACol.v, ARow.v);
}

void TExStringGrid::DoComboCloseUp(DisplRow ARow, RealCol ACol) {
    if (OnComboCloseUp) OnComboCloseUp(this, ARow.v, ACol.v);
}

void TExStringGrid::DoComboDropDown(DisplRow ARow, RealCol ACol) {
    if (OnComboDropDown) OnComboDropDown(this, ARow.v, ACol.v);
}

void TExStringGrid::DoUpdateColumnSize(DisplCol ACol, int& AWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol.v, AWidth);
}

void TExStringGrid::DoUpdateAutoColumnSize(DisplCol ACol, int& AWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol.v, AWidth);
}

void TExStringGrid::DoFilterDone() {
    if (OnFilterDone) OnFilterDone(this);
}

void TExStringGrid::DoFixedEdit(DisplCol ACol, DisplRow ARow, TGridFixedCellEditor& AEditor, TStrings* Values) {
    if (OnFixedEdit) OnFixedEdit(this, ACol.v, ARow.v, AEditor, Values);
}

void TExStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
        const TGridRect sel = Selection();
        RepaintRect(Rect(sel.Left, sel.Top, sel.Right, sel.Bottom));
    }
    FSelChange = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExStringGrid::GetSaveCellText(RealCol ACol, DisplRow ARow, QString& Value) { Value = Cells(ACol.v, ARow.v); }

void TExStringGrid::SaveCell(RealCol ACol, DisplRow ARow, QString& Value) {
    Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol.v, ARow.v);
    if (Value.isEmpty()) {
        const TCellGraphic* graphic = GetCellGraphic(ACol.v, ARow.v);
        const TCellType kind = GetCellType(ACol.v, ARow.v);
        if (graphic && (kind == ctCheckBox || kind == ctTriStateCheckBox)) {
            const bool checked = kind == ctCheckBox ? graphic->CellBoolean()
                                                    : graphic->CellCheckBoxState() == cbChecked;
            if (checked) GetCheckTrue(ACol, ARow, Value);
            else GetCheckFalse(ACol, ARow, Value);
        }
    }
    if (CellTextKind(Value, true) == ckMiniHtml && !FSaveWithHTML) Value = MarkupToPlainText(Value);
    if (OnSaveCell) OnSaveCell(this, ACol.v, ARow.v, Value);
}

void TExStringGrid::LoadCell(RealCol ACol, DisplRow ARow, const QString& Value) {
    // Readers store every cell of a file here: a copy only for a handler to change.
    if (!OnLoadCell) {
        SetGridCell(ACol.v, ARow.v, Value);
        return;
    }
    QString text = Value;
    OnLoadCell(this, ACol.v, ARow.v, text);
    SetGridCell(ACol.v, ARow.v, text);
}

void TExStringGrid::DoGetEditorProp(RealCol ACol, DisplRow ARow, TEditLink* AEditLink) {
    if (OnGetEditorProp) OnGetEditorProp(this, ACol.v, ARow.v, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol.v, ARow.v);
}

QString TExStringGrid::GetCellFloatFormat(RealCol ACol, DisplRow ARow) {
    Q_UNUSED(ACol);
    Q_UNUSED(ARow);
    return FFloatFormat;
}


// ---- the base grid's hooks ---------------------------------------------------------

void TExStringGrid::CellLook(RealCol ACol, DisplRow ARow, TGridDrawState& AState, bool Select, TBrush& ABrush,
                             TColor& AColorTo, TFont& AFont, TAlignment& HA, bool& WW, TCellGradientDirection& GD) {
    const int displayed = DisplColIndex(ACol.v);
    if (AState.Contains(gdFixed) || IsFixed(displayed, ARow.v)) {
        AFont = *FFixedFont;
    } else if (Select && AState.Contains(gdSelected) && FShowSelection) {
        ABrush.Color = FSelectionColor;
        AColorTo = FSelectionColorTo;
        AFont.Color = FSelectionTextColor;
    }
    if (const TCellProperties* props = PropsOf(ACol.v, ARow.v)) {
        if (props->BrushColorTo() != clNone) AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
        HA = props->Alignment();
        WW = props->WordWrap();
    }
    GetCellColor(ACol, ARow, AState, &ABrush, &AFont);
}

void TExStringGrid::GetCellDefaults(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                    TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) {
    TBaseGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
    TGridDrawState state;
    VA = FVAlignment;
    CellLook(RealCol(ACol), DisplRow(ARow), state, false, ABrush, ColorTo, AFont, HA, WW, GD);
    const int displayed = DisplColIndex(ACol);
    if (IsFixed(displayed, ARow) || FBands->Active() || FBackGround->IsGradient() || state.Contains(gdSelected)) {
        ABrush.Color = clNone;
        ColorTo = clNone;
    }
}

void TExStringGrid::CellChanged(int ACol, int ARow) { FitCellScrollBar(ACol, ARow); }

void TExStringGrid::LastRowChanged() { PaintFooterPanel(); }

