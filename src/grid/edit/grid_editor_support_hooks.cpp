// Small overridable hooks of the grid that fire its events, the parent form lookup, the
// toolkit style colours, and the hand-over between the form controls of an HTML cell.
#include "grid/core/string_grid.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_renderer.h"
#include "platform/mask_edit.h"

#include <QImage>
#include <QPainter>

void TExStringGrid::DoClickSort(int ACol) {
    if (OnClickSort) OnClickSort(this, ACol);
}

void TExStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString) {
    if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TExStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

bool TExStringGrid::InDesignMode(bool& IsDesigning) const {
    IsDesigning = InDesignMode();
    return IsDesigning;
}

void TExStringGrid::DisableEditing() { SetOptions(Options() - TGridOptions{goEditing}); }

bool TExStringGrid::CanShowFixedDropDown(int ACol) {
    bool canShow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

QString TExStringGrid::DoEllipsClick(const QString& Value) {
    QString text = Value;
    if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), text);
    return text;
}

TForm* TExStringGrid::FindParentForm(QWidget* Control) { return Control ? ParentFormOf(Control) : nullptr; }

void TExStringGrid::UpdateVCLStyleColors() { FUseVCLStyles = false; }

void TExStringGrid::ShowNextControlEditor(int ACol, int ARow, const QString& CurrentID) {
    const int RCol = RealColIndex(ACol);
    const QString text = Cells(RCol, ARow);
    const QString nextID = NextEditableControlId(text, CurrentID);
    if (nextID.isEmpty()) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    const TRect cell = CellRect(ACol, ARow);
    TRect bounds = cell;
    bounds.Left += FXYOffset.X + 1;
    bounds.Top += FXYOffset.Y + 1;
    if (HasCheckBox(RCol, ARow)) bounds.Left += FControlLook->CheckSize;
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&surface);
    TCanvas canvas(&painter);
    canvas.Font = Fonts(RCol, ARow);
    TMarkupTextParams params;
    params.Canvas = &canvas;
    params.Text = text;
    params.Bounds = bounds;
    params.HitTestOnly = true;
    params.ControlID = nextID;
    params.WindowHandle = this;
    // A control the renderer does not find gives the focus back to the grid.
    if (!DrawMarkupText(params) || params.ControlID != nextID) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    ShowControlEditor(text, params.ControlType.toUpper(), ARow, RCol, ACol, params.HitControlRect, params.ControlValue,
                      nextID);
}
