// The string grid's in-place editor: shown over the current cell, loaded and stored
// through the GetEditText / SetEditText hooks.

#include "platform/string_grid.h"

bool TStringGrid::CanEditShow() {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && IsScrolledCell(Col(), Row());
}

TInplaceEdit* TStringGrid::CreateEditor() { return new TInplaceEdit(this); }

QString TStringGrid::GetEditText(int ACol, int ARow) {
    QString value = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    TStringGrid::SetCells(ACol, ARow, Value);
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TStringGrid::SetEditorMode(bool value) {
    if (value) ShowEditor();
    else HideEditor();
}

void TStringGrid::ShowEditor() {
    ScrollIntoView(Col(), Row());
    if (!CanEditShow()) return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        EditorCreated();
    }
    FEditorMode = true;
    FInplaceEdit->UpdateContents();
    PlaceEditor();
    FInplaceEdit->show();
    // Selected before the focus arrives, so that the editor's focus handling may place
    // the caret otherwise.
    FInplaceEdit->SelectAll();
    FInplaceEdit->setFocus(Qt::OtherFocusReason);
}

void TStringGrid::ShowEditorChar(QChar Ch) {
    ShowEditor();
    if (!FEditorMode) return;
    FInplaceEdit->SetText(Ch.unicode() == 8 ? QString() : QString(Ch));
    FInplaceEdit->SetModified(true);
}

void TStringGrid::HideEditor() {
    if (!FEditorMode) return;
    FEditorMode = false;
    // Every hide stores the text: the text Esc put back must reach the cell too.
    SetEditText(Col(), Row(), FInplaceEdit->Text());
    // The grid takes the focus before the editor goes, so that the editor's focus loss
    // sees it go to the grid and not to the next control of the window.
    if (FInplaceEdit->hasFocus()) setFocus(Qt::OtherFocusReason);
    FInplaceEdit->hide();
    InvalidateCell(Col(), Row());
    PlainEditorHidden();
}

void TStringGrid::InvalidateEditor() {
    if (FEditorMode) PlaceEditor();
}

void TStringGrid::PlaceEditor() { FInplaceEdit->BoundsChanged(); }
