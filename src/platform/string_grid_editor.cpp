// The string grid's in-place editor: shown over the current cell, loaded and stored
// through the GetEditText / SetEditText hooks.

#include "platform/string_grid.h"

#include <QKeyEvent>

TInplaceEdit::TInplaceEdit(TStringGrid* AGrid) : TControlOf<QLineEdit>(AGrid, AGrid->viewport()), FGrid(AGrid) {
    setFrame(false);
    hide();
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    const WORD key = VirtualKeyOf(event->key());
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().size() && !hasSelectedText();
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
    case VK_RETURN:
        FGrid->keyPressEvent(event);
        return;
    case VK_LEFT:
        if (atStart) { FGrid->keyPressEvent(event); return; }
        break;
    case VK_RIGHT:
        if (atEnd) { FGrid->keyPressEvent(event); return; }
        break;
    case VK_ESCAPE:
        FGrid->keyPressEvent(event);
        return;
    default: break;
    }
    TControlOf<QLineEdit>::keyPressEvent(event);
}

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
    FInplaceEdit->SetText(GetEditText(Col(), Row()));
    FInplaceEdit->setModified(false);
    PlaceEditor();
    FInplaceEdit->show();
    FInplaceEdit->setFocus(Qt::OtherFocusReason);
    FInplaceEdit->selectAll();
}

void TStringGrid::ShowEditorChar(QChar Ch) {
    ShowEditor();
    if (!FEditorMode) return;
    FInplaceEdit->SetText(Ch.unicode() == 8 ? QString() : QString(Ch));
    FInplaceEdit->setModified(true);
    FInplaceEdit->end(false);
}

void TStringGrid::HideEditor() {
    if (!FEditorMode) return;
    FEditorMode = false;
    const bool hadFocus = FInplaceEdit->hasFocus();
    SetEditText(Col(), Row(), FInplaceEdit->Text());
    FInplaceEdit->hide();
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    InvalidateCell(Col(), Row());
    PlainEditorHidden();
}

void TStringGrid::InvalidateEditor() {
    if (FEditorMode) PlaceEditor();
}

void TStringGrid::PlaceEditor() {
    const TRect r = CellRect(Col(), Row());
    if (r.IsEmpty()) {
        FInplaceEdit->setGeometry(0, 0, 0, 0);
        return;
    }
    FInplaceEdit->setGeometry(r.Left, r.Top, r.Width() - FGridLineWidth, r.Height() - FGridLineWidth);
}
