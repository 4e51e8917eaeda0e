// The grid opening and closing its spin, edit-with-button, unit, check box and push
// button editors on a cell, and the editors themselves, each made on first use as a
// hidden, disabled child of the grid.
#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/edit/grid_button.h"
#include "grid/edit/grid_check_box.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_unit_edit_btn.h"
#include "grid/edit/spin_edit_texts.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

template <class Editor>
Editor* MakeEditor(TExStringGrid* Grid, Editor*& Field, const char* Name) {
    if (!Field) {
        Field = new Editor(Grid);
        Field->setObjectName(QLatin1String(Name));
        Field->hide();
        Field->setEnabled(false);
    }
    return Field;
}

// The whole number at the start of a text ("12 pcs" is 12); 0 when there is none.
int LeadingInteger(const QString& Text) {
    const QString trimmed = Text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == QLatin1Char('-') || trimmed[end] == QLatin1Char('+'))) ++end;
    while (end < trimmed.size() && trimmed[end].isDigit()) ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

void PostStartChar(QWidget* Editor, QChar Start) {
    if (!Start.isNull()) QCoreApplication::postEvent(Editor, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(Start)));
}

// Places an editor over R (less the grid line), in the cell's colour and font, shows,
// enables and focuses it.
void ShowOver(TControl& Editor, const TRect& R, TColor Color, const TFont& Font) {
    QWidget* widget = Editor.Widget();
    Editor.SetBounds(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1);
    widget->show();
    widget->raise();
    widget->setEnabled(true);
    if (Color != clNone) Editor.SetColor(Color);
    widget->setFont(Font.ToQFont());
    widget->setFocus(Qt::OtherFocusReason);
}

void Disable(QWidget* Editor) {
    Editor->setEnabled(false);
    Editor->hide();
}

}  // namespace

bool TExStringGrid::IsSpinKind(TEditorType Kind) {
    return Kind == edSpinEdit || Kind == edFloatSpinEdit || Kind == edTimeSpinEdit || Kind == edDateSpinEdit;
}

bool TExStringGrid::IsEditBtnKind(TEditorType Kind) {
    return Kind == edEditBtn || Kind == edNumericEditBtn || Kind == edFloatEditBtn || Kind == edMaskEditBtn;
}

bool TExStringGrid::IsUnitKind(TEditorType Kind) {
    return Kind == edUnitEditBtn || Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn;
}

TGridCheckBox* TExStringGrid::CheckBoxEditor() { return MakeEditor(this, FCheckBoxEditor, "CheckBoxEditor"); }
TGridEditBtn* TExStringGrid::BtnEdit() { return MakeEditor(this, FBtnEdit, "BtnEdit"); }
TGridUnitEditBtn* TExStringGrid::BtnUnitEdit() { return MakeEditor(this, FBtnUnitEdit, "BtnUnitEdit"); }
TGridButton* TExStringGrid::Btn() { return MakeEditor(this, FBtn, "Btn"); }

TGridSpin* TExStringGrid::GetSpinEdit() {
    TGridSpin* spin = MakeEditor(this, FSpinEdit, "SpinEdit");
    spin->SetBorderStyle(bsNone);
    return spin;
}

TRect TExStringGrid::CellEditorLook(int ACol, TColor& Color, TFont& Font) {
    TGridDrawState state;
    TBrush brush;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment horizontal = taLeftJustify;
    TVAlignment vertical = vtaTop;
    bool wordWrap = false;
    TCellGradientDirection gradient = GradientVertical;
    GetVisualProperties(ACol, Row(), state, false, false, true, brush, colorTo, mirrorColor, mirrorColorTo, Font,
                        horizontal, vertical, wordWrap, gradient);
    Color = brush.Color;
    TRect R = CellRect(ACol, Row());
    if (layoutDirection() == Qt::RightToLeft) ++R.Left;
    return R;
}

// ---- spin kinds ------------------------------------------------------------------------

void TExStringGrid::ShowSpinCellEditor(int ACol, int ARow) {
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    const int RCol = RealColIndex(ACol);
    TGridSpin* spin = GetSpinEdit();
    FEditMode = true;
    spin->ReCreate();
    spin->SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator());
    DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
    const QString text = GetEditText(ACol, ARow);
    switch (EditControl) {
    case edFloatSpinEdit:
        spin->SetFloatValue(NormalizeNumberText(text).toDouble());
        spin->SetSpinType(sptFloat);
        break;
    case edTimeSpinEdit:
        spin->SetText(text);
        spin->SetSpinType(sptTime);
        break;
    case edDateSpinEdit:
        spin->SetDateValue(ReadSpinDate(text).value_or(SpinNow()));
        spin->SetSpinType(sptDate);
        break;
    default:
        spin->SetValue(LeadingInteger(text));
        spin->SetSpinType(sptNormal);
        break;
    }
    ShowOver(*spin, R, color, font);
    // From here the cell follows what the user does in the editor (FollowEditorText).
    FNoEditChange = false;
    PostStartChar(spin, FStartEditChar);
    if (FSpinUpClick) spin->IncrementValue(false);
    if (FSpinDnClick) spin->DecrementValue(false);
    FEditCtrl = spin;
}

void TExStringGrid::HideSpinCellEditor(int ACol, int ARow) {
    const int RCol = RealColIndex(ACol);
    TGridSpin* spin = GetSpinEdit();
    FEditMode = false;
    const QString text = spin->Text();
    if (spin->AllowEmptyValue() && text.trimmed().isEmpty()) {
        SetCells(RCol, ARow, QString());
    } else if (text == FCellCache) {
        // Unchanged, or put back by Esc: the cell keeps its text exactly, even one that
        // reads as no number.
        SetCells(RCol, ARow, FCellCache);
    } else {
        switch (EditControl) {
        case edFloatSpinEdit: SetFloats(RCol, ARow, spin->FloatValue()); break;
        case edTimeSpinEdit: StoreEditText(RCol, ARow, text); break;
        case edDateSpinEdit: SetDates(RCol, ARow, spin->DateValue()); break;
        default: SetInts(RCol, ARow, spin->Value()); break;
        }
    }
    Disable(spin);
}

// ---- edit with button and unit ---------------------------------------------------------

void TExStringGrid::ShowEditBtnCellEditor(int ACol, int ARow) {
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    TGridEditBtn* edit = BtnEdit();
    FEditMode = true;
    edit->ReCreate();
    if (EditControl == edMaskEditBtn) edit->SetEditMask(GetEditMask(RealColIndex(ACol), ARow));
    edit->SetText(GetEditText(ACol, ARow));
    edit->SetMaxLength(GetEditLimit());
    ShowOver(*edit, R, color, font);
    FNoEditChange = false;
    PostStartChar(edit, FStartEditChar);
    FEditCtrl = edit;
}

void TExStringGrid::HideEditBtnCellEditor(int ACol, int ARow) {
    TGridEditBtn* edit = BtnEdit();
    if (FEditMode) {
        FEditMode = false;
        StoreEditText(RealColIndex(ACol), ARow, edit->Text());
    }
    Disable(edit);
}

void TExStringGrid::ShowUnitCellEditor(int ACol, int ARow) {
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    TGridUnitEditBtn* edit = BtnUnitEdit();
    FEditMode = true;
    edit->ReCreate();
    edit->SetMaxLength(GetEditLimit());
    // After the editor-properties hook, which may give the units.
    DoGetEditorProp(RealCol(RealColIndex(ACol)), DisplRow(ARow), nullptr);
    edit->SetTextAndUnit(GetEditText(ACol, ARow));
    ShowOver(*edit, R, color, font);
    PostStartChar(edit, FStartEditChar);
    FEditCtrl = edit;
}

void TExStringGrid::HideUnitCellEditor(int ACol, int ARow) {
    TGridUnitEditBtn* edit = BtnUnitEdit();
    StoreEditText(RealColIndex(ACol), ARow, edit->Text() + edit->UnitID());
    Disable(edit);
    FEditMode = false;
}

// ---- check box and push button --------------------------------------------------------------

void TExStringGrid::ShowCheckBoxCellEditor(int ACol, int ARow) {
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    TGridCheckBox* box = CheckBoxEditor();
    FEditMode = true;
    box->ReCreate();
    box->SetCaption(GetEditText(ACol, ARow));
    ShowOver(*box, R, color, font);
}

void TExStringGrid::ShowButtonCellEditor(int ACol, int ARow) {
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    TGridButton* button = Btn();
    FEditMode = true;
    button->ReCreate();
    button->SetText(GetEditText(ACol, ARow));
    // One pixel outside the cell on every side.
    ShowOver(*button, {R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1}, clNone, font);
    FEditCtrl = button;
}

void TExStringGrid::HideCheckBoxOrButtonCellEditor() {
    // Both store nothing.
    if (EditControl == edCheckBox) Disable(CheckBoxEditor());
    else Disable(Btn());
    FEditMode = false;
}
