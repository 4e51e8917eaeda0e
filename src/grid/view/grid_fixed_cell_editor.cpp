// The in-place editors of fixed cells: a line edit, or a combo box (with typing or a
// list only), over the header cell. Leaving the editor validates the text through
// OnCellValidate and stores it; a refused text keeps the editor open on the cell.

#include "grid/core/string_grid.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Ends a visible fixed-cell editor: false when validation refused its text.
template <class Store>
bool EndFixedEdit(QWidget* editor, Store&& store) {
    if (!editor || !editor->isVisible()) return true;
    if (!store()) return false;
    editor->hide();
    return true;
}

}  // namespace

void TExStringGrid::ShowFixedCellEditor(int ACol, int ARow) {
    const auto storeText = [this](const QString& text) {
        QString value = text;
        bool valid = true;
        if (OnCellValidate) OnCellValidate(this, FFixedColEdit, FFixedRowEdit, value, valid);
        if (valid) SetCells(FFixedColEdit, FFixedRowEdit, value);
        return valid;
    };
    if (!EndFixedEdit(EditTrans, [&] { return storeText(EditTrans->text()); })) return;
    if (!EndFixedEdit(ComboTrans, [&] { return storeText(ComboTrans->currentText()); })) return;

    bool allow = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, allow);
    if (!allow) return;
    TGridFixedCellEditor editor = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();

    if (!EditTrans) {
        EditTrans = new QLineEdit(Surface());
        EditTrans->hide();
        QObject::connect(EditTrans, &QLineEdit::textEdited, EditTrans, [this](const QString& text) {
            if (OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, text);
        });
        QObject::connect(EditTrans, &QLineEdit::editingFinished, EditTrans, [this, storeText] {
            if (EditTrans->isVisible() && storeText(EditTrans->text())) EditTrans->hide();
        });
    }
    if (!ComboTrans) {
        ComboTrans = new QComboBox(Surface());
        ComboTrans->hide();
        QObject::connect(ComboTrans, &QComboBox::currentTextChanged, ComboTrans, [this](const QString& text) {
            if (ComboTrans->isVisible() && OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, text);
        });
        QObject::connect(ComboTrans, &QComboBox::activated, ComboTrans, [this, storeText](int) {
            if (storeText(ComboTrans->currentText())) ComboTrans->hide();
        });
    }

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
        EditTrans->setText(text);
        EditTrans->show();
        EditTrans->raise();
        EditTrans->setFocus();
        return;
    }
    const QSignalBlocker quiet(ComboTrans);
    ComboTrans->clear();
    ComboTrans->addItems(values.ToQStringList());
    ComboTrans->setEditable(editor == fceComboEdit);
    ComboTrans->setGeometry(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top);
    const int index = ComboTrans->findText(text);
    if (index >= 0) ComboTrans->setCurrentIndex(index);
    else if (editor == fceComboEdit) ComboTrans->setEditText(text);
    ComboTrans->show();
    ComboTrans->raise();
    ComboTrans->setFocus();
}
