// The plain in-place edit's look and loading, its focus arrival and loss, its change
// notice and the type-ahead completion.

#include "grid/edit/ex_inplace_edit.h"

#include "grid/core/string_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>

TExInplaceEdit::TExInplaceEdit(TExStringGrid* AGrid) : TInplaceEdit(AGrid), FGrid(AGrid) {
    FWordWrap = AGrid->WordWrap();
    ApplyWindowStyle();
    FLengthLimit = AGrid->GetEditLimit();
    SetMaxLength(FLengthLimit);
    connect(this, &QTextEdit::textChanged, this, [this] { Change(); });
}

void TExInplaceEdit::SetVAlign(bool Value) {
    FValign = Value;
    ApplyWindowStyle();
}

void TExInplaceEdit::SetWordWrap(bool Value) {
    FWordWrap = Value;
    ApplyWindowStyle();
}

void TExInplaceEdit::SetLengthLimit(int Value) {
    FLengthLimit = Value;
    SetMaxLength(Value);
}

void TExInplaceEdit::ApplyWindowStyle() {
    const bool password = FGrid->CurrentEditor() == edPassword;
    const QString passwordChar = FGrid->PasswordChar();
    SetPasswordChar(password ? (passwordChar.isEmpty() ? QChar(u'*') : passwordChar.at(0)) : QChar());
    SetWrapping(FWordWrap);
    SetRightAligned(FValign);
    // The text keeps 3 pixels from the left and top edges and 2 from the right, whatever
    // the size.
    SetTextMargins(3, 3, 2, 0);
    GotKey = false;
    Workmode = true;
}

void TExInplaceEdit::UpdateContents() {
    {
        const bool old = std::exchange(FGrid->FNoEditChange, true);
        SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
        TInplaceEdit::UpdateContents();
        FGrid->FNoEditChange = old;
    }
    FGrid->FNoEditChange = false;
    const int ACol = FGrid->Col();
    const int ARow = FGrid->Row();
    TGridDrawState state;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment alignment = taLeftJustify;
    TVAlignment verticalAlignment{};
    bool wordWrap = FWordWrap;
    TCellGradientDirection direction{};
    TBrush brush;
    TFont font;
    font.Name = FGrid->font().family();
    font.Size = FGrid->font().pointSize() > 0 ? FGrid->font().pointSize() : 8;
    FGrid->GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirrorColor, mirrorColorTo,
                               font, alignment, verticalAlignment, wordWrap, direction);
    QPalette look = palette();
    look.setColor(QPalette::Base, ToQColor(brush.Color));
    look.setColor(QPalette::Window, ToQColor(brush.Color));
    look.setColor(QPalette::Text, ToQColor(font.Color));
    setPalette(look);
    setFont(font.ToQFont());
    FColE = ACol;
    FRowE = ARow;
    FValign = alignment == taRightJustify;
    ApplyWindowStyle();
    FGrid->DoGetEditorProp(RealCol(FGrid->RealColIndex(ACol)), DisplRow(ARow), nullptr);
}

void TExInplaceEdit::BoundsChanged() {
    TRect R = FGrid->CellRect(FGrid->Col(), FGrid->Row());
    if (R.IsEmpty()) {
        setGeometry(0, 0, 0, 0);
        return;
    }
    // Read right to left, the grid line of the cell before stands on the cell's first
    // column of pixels.
    if (FGrid->UseRightToLeftAlignment()) R.Left += 1;
    // The rectangle ends where the next column and row begin, with their grid lines.
    setGeometry(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
}

// ---- focus -------------------------------------------------------------------------------

void TExInplaceEdit::focusInEvent(QFocusEvent* event) {
    TInplaceEdit::focusInEvent(event);
    FGotFocus = true;
    FGrid->FNoEditChange = false;
    SetLengthLimit(FGrid->GetEditLimit());
    if (!EditMask().isEmpty() && !FGrid->LButFlg && FGrid->Navigation()->ImproveMaskSel()) {
        SetSelStart(0);
        SetSelLength(1);
        return;
    }
    if (!FGrid->Navigation()->EditSelectAll()) SetSelStart(ShownLength());
    if (FGrid->LButFlg) {
        const QPoint mouse = mapFromGlobal(QCursor::pos());
        if (mouse.x() >= 0 && mouse.x() <= width() && mouse.y() >= 0 && mouse.y() <= height()) {
            const int position = CharFromPos(mouse);
            if (position != -1) {
                SetSelStart(position);
                FGrid->LButFlg = false;
            }
        }
    }
}

void TExInplaceEdit::focusOutEvent(QFocusEvent* event) {
    FGrid->FStartEditChar = QChar();
    if (FGrid->LookupHistory() && FGrid->LookupItems()->IndexOf(Text()) < 0) FGrid->LookupItems()->Add(Text());
    TInplaceEdit::focusOutEvent(event);
    if (FAltBack) return;
    // A pop-up of our own window (a menu, the balloon) is no leaving of the edit.
    if (event->reason() == Qt::PopupFocusReason) return;
    QWidget* next = QApplication::focusWidget();
    if (next != FGrid && next != this) {
        // The user chose another control: the grid validates, closes and reports the edit.
        FGotFocus = false;
        FGrid->PlainEditFocusLost(next);
        return;
    }
    FGrid->FFocusFromEditor = next == FGrid;
    // The grid took the focus while the edit stays shown (a click on a cell): what was
    // typed goes into the cell before the edit shows the cell's text again.
    if (isVisible() && Modified()) FGrid->SetCurrentEditText(Text());
    {
        const bool old = std::exchange(FGrid->FNoEditChange, true);
        SetText(FGrid->CurrentCell());
        FGrid->FNoEditChange = old;
    }
    if (FGotFocus) {
        FGotFocus = false;
        FGrid->DoEditingDone(FGrid->RealColIndex(FColE), FRowE);
    }
}

void TExInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    TInplaceEdit::mouseDoubleClickEvent(event);
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// ---- change and type-ahead -----------------------------------------------------------------

void TExInplaceEdit::Change() {
    if (OnChange) OnChange(this);
    if (!FGrid->FNoEditChange && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TExInplaceEdit::DoChange() {
    if (!Workmode || SelLength() != 0) return;
    const bool caseSensitive = FGrid->LookupCaseSensitive();
    const QString typed = Text().left(SelStart());
    const QString prefix = caseSensitive ? typed : typed.toUpper();
    TStringList* items = FGrid->LookupItems();
    if (!FGrid->Lookup() || items->Count() == 0 || prefix.isEmpty()) return;
    for (int i = 0; i < items->Count(); ++i) {
        const QString item = items->Strings(i);
        if (!(caseSensitive ? item : item.toUpper()).startsWith(prefix)) continue;
        SetText((typed + item.mid(typed.size())).left(255));
        SetModified(true);
        SetSelStart(typed.size());
        SetSelLength(Text().size() - typed.size());
        GotKey = false;
        return;
    }
}
