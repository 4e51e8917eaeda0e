// The grid opening and closing the custom editor link of edCustom cells, and the link it
// keeps (forgotten when the link goes).
#include "grid/core/string_grid.h"
#include "grid/edit/edit_link.h"

#include <QCoreApplication>
#include <QKeyEvent>

void TExStringGrid::SetEditLink(TEditLink* Value) {
    if (FEditLink == Value) return;
    if (FEditLink) FEditLink->RemoveFreeNotification(this);
    FEditLink = Value;
    if (FEditLink) FEditLink->FreeNotification(this);
}

void TExStringGrid::ShowCustomCellEditor(int ACol, int ARow) {
    TEditLink* link = FEditLink;
    if (!link) return;
    TColor color;
    TFont font;
    const TRect R = CellEditorLook(ACol, color, font);
    const int RCol = RealColIndex(ACol);
    FEditMode = true;
    link->FOwner = this;
    link->FEditCell = {RCol, ARow};
    if (link->EditStyle() == esPopup) {
        if (link->AutoPopupWidth()) link->SetPopupWidth(R.Right - R.Left);
        TPoint P{link->PopupLeft(), link->PopupTop()};
        if (P.X == -1 || P.Y == -1) {
            const QPoint screen = mapToGlobal(QPoint(R.Left, R.Top));
            P = {screen.x(), screen.y()};
        }
        link->ShowPopupForm(P);
        link->CreateEditor(link->PopupForm());
        link->SetRect({0, 0, link->PopupWidth(), link->PopupHeight()});
    } else {
        link->CreateEditor(this);
        link->SetRect(R);
    }
    link->SetVisible(true);
    link->SetCellProps(color, font);
    link->SetProperties();
    DoGetEditorProp(RealCol(RCol), DisplRow(ARow), link);
    link->SetEditorValue(GetEditText(ACol, ARow));
    const QChar start = FStartEditChar;
    link->SetFocus(true);
    FEditActive = true;
    QWidget* control = link->GetEditControl();
    if (!start.isNull() && control)
        QCoreApplication::postEvent(control, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(start)));
    FEditCtrl = control;
}

void TExStringGrid::HideCustomCellEditor(int ACol, int ARow) {
    if (TEditLink* link = FEditLink) {
        StoreEditText(RealColIndex(ACol), ARow, link->GetEditorValue());
        if (link->EditStyle() == esInplace) link->SetVisible(false);
        link->RestoreWinProc();
    }
    FEditMode = false;
}
