#include "grid/edit/ex_rich_edit.h"

#include "grid/core/string_grid.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>

namespace {

int OffsetOf(const QTextCharFormat& Format) {
    switch (Format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: return TExRichEdit::kSuperscriptOffset;
    case QTextCharFormat::AlignSubScript: return TExRichEdit::kSubscriptOffset;
    default: return 0;
    }
}

}  // namespace

TExRichEdit::TExRichEdit(TExStringGrid* AGrid, QWidget* AParent) : QTextEdit(AParent), FGrid(AGrid) {
    setAcceptRichText(false);  // pasted content arrives as text; formats come from RTF cells
    setTabChangesFocus(false);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { ContentSizeChanged(); });
}

void TExRichEdit::ReCreate() {
    const bool locked = FLocked;
    FLocked = true;  // emptying is no typing: the row keeps its height
    clear();
    setCurrentCharFormat(QTextCharFormat());
    FLocked = locked;
    FReqWidth = 0;
    FReqHeight = 0;
}

void TExRichEdit::SetSelectionOffset(int Twips) {
    QTextCharFormat format;
    format.setVerticalAlignment(Twips > 0   ? QTextCharFormat::AlignSuperScript
                                : Twips < 0 ? QTextCharFormat::AlignSubScript
                                            : QTextCharFormat::AlignNormal);
    mergeCurrentCharFormat(format);
}

void TExRichEdit::SelNormal() { SetSelectionOffset(0); }
void TExRichEdit::SelSubscript() { SetSelectionOffset(kSubscriptOffset); }
void TExRichEdit::SelSuperscript() { SetSelectionOffset(kSuperscriptOffset); }

bool TExRichEdit::SelectionHasOffset(int Twips) const {
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection()) return OffsetOf(selection.charFormat()) == Twips;
    QTextCursor probe(document());
    for (int position = selection.selectionStart(); position < selection.selectionEnd(); ++position) {
        probe.setPosition(position);
        probe.setPosition(position + 1, QTextCursor::KeepAnchor);
        if (OffsetOf(probe.charFormat()) != Twips) return false;
    }
    return true;
}

bool TExRichEdit::IsSelNormal() const { return SelectionHasOffset(0); }
bool TExRichEdit::IsSelSubscript() const { return SelectionHasOffset(kSubscriptOffset); }
bool TExRichEdit::IsSelSuperscript() const { return SelectionHasOffset(kSuperscriptOffset); }

void TExRichEdit::keyPressEvent(QKeyEvent* event) {
    if (!FGrid) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && FGrid->Options().Contains(goTabs)) {
        // The grid walks on to the next cell and opens its editor there.
        FGrid->setFocus(Qt::TabFocusReason);
        WORD walk = VK_TAB;
        FGrid->KeyDown(walk, shift);
        FGrid->ShowInplaceEdit();
        return;
    }
    const bool upDown = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (upDown && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
        WORD move = event->key() == Qt::Key_Up ? VK_UP : VK_DOWN;
        FGrid->setFocus(Qt::OtherFocusReason);
        FGrid->KeyDown(move, shift);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TExRichEdit::focusOutEvent(QFocusEvent* event) {
    if (FGrid && FGrid->InvokedFocusChange) return;
    // Going to the grid itself ends the edit; the grid takes the rich text back.
    if (FGrid && FGrid->InplaceRichEdit() == this && QApplication::focusWidget() == FGrid) FGrid->HideInplaceEdit();
    QTextEdit::focusOutEvent(event);
}

void TExRichEdit::ContentSizeChanged() {
    const QSizeF content = document()->size();
    const qreal margin = 2 * document()->documentMargin();
    FReqWidth = static_cast<int>(std::ceil(content.width() - margin));
    FReqHeight = static_cast<int>(std::ceil(content.height() - margin));
    if (!FGrid || FLocked || FGrid->InplaceRichEdit() != this || !isVisible()) return;
    if (!FGrid->SizeWhileTyping()->Height()) return;
    const int height = FReqHeight + 5;
    const int row = FGrid->Row();
    const TRect cell = FGrid->CellRect(FGrid->Col(), row);
    // The row grows while the cell still fits inside the grid.
    if (height > FGrid->RowHeights(row) && cell.Top + height <= FGrid->height()) {
        resize(width(), height + 4);
        FGrid->SetRowHeights(row, height + 5);
        if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
    }
}
