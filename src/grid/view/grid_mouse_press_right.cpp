// The right button: with SelectOnRightClick the clicked cell is selected first (a
// multi-row disjunct selection with a popup menu is kept when the click is inside it),
// then OnRightClickCell fires; a link cell with URLEdit opens its editor.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"

#include <QGuiApplication>

namespace {

// The grid's own pop-up menu: actions of its own or a custom menu handler.
bool HasPopupMenuOf(const QWidget* grid) {
    return grid->contextMenuPolicy() == Qt::CustomContextMenu ||
           (grid->contextMenuPolicy() == Qt::ActionsContextMenu && !grid->actions().isEmpty());
}

}  // namespace

void TExStringGrid::WMRButtonDown(int XPos, int YPos) {
    InheritedButtonEvent(QEvent::MouseButtonPress, Qt::RightButton, XPos, YPos);
    int ACol = -1, ARow = -1;
    MouseToCell(XPos, YPos, ACol, ARow);
    const bool valid = ACol >= 0 && ARow >= 0;
    const bool scrolled = valid && ACol >= FixedCols() && ARow >= FixedRows();
    const TGridRect sel = Selection();
    const bool selected = scrolled && ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
    if (FMouseActions->SelectOnRightClick() && scrolled && !(FMouseActions->DisjunctCellSelect() && selected)) {
        const int RCol = RealColIndex(ACol);
        if (!HasClickableObject(RCol, ARow)) {
            if (OnRightClickCell) FocusCell(ACol, ARow);
            else {
                SimulatePress(XPos, YPos);
                SimulateRelease(XPos, YPos);
            }
        }
        if (selected || (Col() == ACol && Row() == ARow)) {
            bool canSelect = true;
            if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
        } else {
            const TPoint base = BaseCell(RCol, ARow);
            const int oldLeft = LeftCol();
            MoveColRow(DisplColIndex(base.X), base.Y, true, true);
            if (FNavigation->KeepHorizScroll()) SetLeftCol(oldLeft);
        }
        if (FMouseActions->DisjunctRowSelect()) {
            const bool ctrl = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
            if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
                SetRowSelect(ARow, !RowSelect(ARow));
            } else if (RowSelectCount() > 1 && HasPopupMenuOf(this)) {
                if (!RowSelect(ARow)) {
                    ClearRowSelect();
                    SetRowSelect(ARow, true);
                }
            } else {
                ClearRowSelect();
                SetRowSelect(ARow, true);
            }
        }
    }
    if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
    if (FURLShow && FURLEdit && valid) {
        const QString text = Cells(RealColIndex(ACol), ARow);
        if (text.contains(QLatin1String("://")) || text.contains(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
            MoveColRow(ACol, ARow, true, true);
            ShowInplaceEdit();
        }
    }
}

bool TExStringGrid::WMRButtonUp(int, int) {
    const TGridState state = GridState();
    // A right release while a row or column is being moved is the move's, not a click.
    return !(FEnhRowColMove && (state == gsColMoving || state == gsRowMoving) && Movecell >= 0);
}
