// RTF cells: the two rich edits the grid keeps, the conversions between a cell's RTF
// and a rich edit, the rich text the clipboard offers, and the in-place rich editor of
// edRichEdit cells opening and closing.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_rich_edit.h"
#include "grid/edit/rtf_codec.h"

#include <QCoreApplication>
#include <QKeyEvent>

TExRichEdit* TExStringGrid::RichEdit() {
    if (!FRichEdit) {
        FRichEdit = new TExRichEdit(this, this);
        FRichEdit->setObjectName(QStringLiteral("RichEdit"));
        FRichEdit->setFrameShape(QFrame::NoFrame);
        FRichEdit->setGeometry(0, 0, 0, 0);
        FRichEdit->setAttribute(Qt::WA_TransparentForMouseEvents);
        FRichEdit->hide();
    }
    return FRichEdit;
}

TExRichEdit* TExStringGrid::InplaceRichEdit() {
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new TExRichEdit(this, this);
        FInplaceRichEdit->setObjectName(QStringLiteral("InplaceRichEdit"));
        FInplaceRichEdit->hide();
        QObject::connect(FInplaceRichEdit, &QTextEdit::selectionChanged, this, [this] { DoRichEditSelectionChange(); });
    }
    return FInplaceRichEdit;
}

void TExStringGrid::CellToRich(int Col, int Row, TExRichEdit* Richeditor) {
    if (!Richeditor) return;
    const QString text = Cells(Col, Row);
    if (text.isEmpty()) Richeditor->clear();
    else RtfToDocument(text, *Richeditor->document());
}

QString TExStringGrid::RichToString(TExRichEdit* Richeditor) {
    if (!Richeditor || ComponentState().Contains(csDestroying)) return QString();
    return DocumentToRtf(*Richeditor->document());
}

void TExStringGrid::RichToCell(int Col, int Row, TExRichEdit* Richeditor) { SetCells(Col, Row, RichToString(Richeditor)); }

QString TExStringGrid::ClipboardRichText(int ACol, int ARow) {
    const QString text = Cells(ACol, ARow);
    if (!text.contains(QLatin1String("{\\"))) return QString();
    // Written anew, so the clipboard always carries 7-bit RTF that loses no character.
    return WriteRtf(ReadRtf(text), GridFont().ToQFont().family());
}

void TExStringGrid::ShowRichCellEditor(int ACol, int ARow) {
    TExRichEdit* edit = InplaceRichEdit();
    edit->ReCreate();
    edit->setFrameShape(QFrame::NoFrame);
    const TRect R = CellRect(ACol, ARow);
    edit->setGeometry(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1);
    edit->document()->setDocumentMargin(2);
    edit->setFont(GridFont().ToQFont());
    edit->setLineWrapMode(WordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int RCol = RealColIndex(ACol);
    DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
    edit->SetLocked(true);
    CellToRich(RCol, ARow, edit);
    if (FNavigation->EditSelectAll()) edit->selectAll();
    else edit->moveCursor(QTextCursor::End);
    edit->show();
    edit->raise();
    edit->setFocus(Qt::OtherFocusReason);
    if (!FStartEditChar.isNull())
        QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(FStartEditChar)));
    edit->SetLocked(false);
    FEditCtrl = edit;
}

void TExStringGrid::HideRichCellEditor(int ACol, int ARow) {
    if (!FInplaceRichEdit) return;
    StoreEditText(RealColIndex(ACol), ARow, RichToString(FInplaceRichEdit));
    FInplaceRichEdit->hide();
    FEditMode = false;
}
