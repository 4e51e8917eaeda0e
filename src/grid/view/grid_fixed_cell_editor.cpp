// The in-place editors of fixed cells: the edit box, or the combo box (with typing or a
// list only), over the header cell. An editor that is open ends first; when it refuses
// its text, no other opens.

#include "grid/core/string_grid.h"
#include "grid/edit/grid_trans_editors.h"

void TExStringGrid::CreateFixedCellEditors() {
    EditTrans = new TGridTransEdit(this, Surface());
    EditTrans->setObjectName(QStringLiteral("EditTrans"));
    EditTrans->hide();
    QObject::connect(EditTrans, &QLineEdit::textEdited, EditTrans, [this](const QString& text) {
        if (OnEditChange) OnEditChange(this, EditTrans->Col(), EditTrans->Row(), text);
    });
    ComboTrans = new TGridTransCombo(this, Surface());
    ComboTrans->setObjectName(QStringLiteral("ComboTrans"));
    ComboTrans->hide();
    QObject::connect(ComboTrans, &QComboBox::currentTextChanged, ComboTrans, [this](const QString& text) {
        if (ComboTrans->isVisible() && OnEditChange) OnEditChange(this, ComboTrans->Col(), ComboTrans->Row(), text);
    });
}

void TExStringGrid::ShowFixedCellEditor(int ACol, int ARow) {
    // A grid being designed has no editors.
    if (!EditTrans) return;
    if (EditTrans->isVisible() && !EditTrans->StopEdit()) return;
    if (ComboTrans->isVisible() && !ComboTrans->StopEdit()) return;

    bool allow = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, allow);
    if (!allow) return;
    TGridFixedCellEditor editor = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();

    TStringList values;
    values.Assign(FMouseActions->FixedComboValues());
    // The handler may fill the values; the editor shown stays the configured one.
    TGridFixedCellEditor asked = editor;
    DoFixedEdit(DisplCol(ACol), DisplRow(ARow), asked, &values);

    const TRect cell = CellRect(ACol, ARow);
    const TRect R{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
    FFixedColEdit = RealColIndex(ACol);
    FFixedRowEdit = ARow;
    const QString text = Cells(FFixedColEdit, ARow);
    if (editor == fceEdit) {
        EditTrans->setGeometry(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
        EditTrans->SetText(text);
        EditTrans->SetCol(FFixedColEdit);
        EditTrans->SetRow(ARow);
        EditTrans->show();
        EditTrans->raise();
        EditTrans->setFocus(Qt::OtherFocusReason);
        return;
    }
    {
        const QSignalBlocker quiet(ComboTrans);
        ComboTrans->clear();
        ComboTrans->addItems(values.ToQStringList());
        ComboTrans->setEditable(editor == fceComboEdit);
        ComboTrans->setGeometry(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top);
        const int index = ComboTrans->findText(text);
        if (index >= 0) ComboTrans->setCurrentIndex(index);
        else if (editor == fceComboEdit) ComboTrans->setEditText(text);
        else ComboTrans->setCurrentIndex(-1);
        ComboTrans->setPlaceholderText(text);
    }
    ComboTrans->SetCol(FFixedColEdit);
    ComboTrans->SetRow(ARow);
    ComboTrans->show();
    ComboTrans->raise();
    ComboTrans->setFocus(Qt::OtherFocusReason);
}
