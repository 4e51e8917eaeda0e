// Copying and cutting cell ranges to the platform clipboard: the spreadsheet text, an
// HTML table of the same cells, and on request the cell block and a cell's rich text.

#include "controls/text_utilities.h"
#include "grid/core/grid_undo_redo.h"
#include "grid/core/string_grid.h"
#include "grid/data/clipboard_text.h"
#include "grid/view/grid_drag_drop_formats.h"
#include "grid/view/rich_text_plain.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRandomGenerator>

qint32 TExStringGrid::NewClipboardID() {
    // Zero would read as "no grid" in a block without an ID.
    return qint32(QRandomGenerator::global()->bounded(1u, 0x7FFFFFFFu));
}

QList<QStringList> TExStringGrid::ClipboardRangeCells(const TGridRect& Rect, bool Disjunct) {
    FClipTopLeft = {Rect.Left, Rect.Top};
    ExportNotification(esExportStart, -1);
    const bool disjunctRows = FMouseActions->DisjunctRowSelect() && Disjunct && !FMouseActions->DisjunctColSelect();
    const bool disjunctCols = FMouseActions->DisjunctColSelect() && Disjunct;
    QList<QStringList> rows;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNewRow, r);
        if (disjunctRows && !RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r)) continue;
        QStringList row;
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            if (disjunctCols && !ColSelect(c)) continue;
            const RealCol real = RealColIndex(DisplCol(c));
            QString text;
            SaveCell(real, DisplRow(r), text);
            if (text.startsWith(QStringLiteral("|\\"))) text = EscapedToWide(text);
            if (!FNavigation->CopyHTMLTagsToClipboard() && text.contains(QStringLiteral("</")))
                text = StrippedCells(real.v, r);
            else if (text.contains(QStringLiteral("{\\")))
                text = RichTextToPlainText(text);
            row << text;
        }
        rows << row;
    }
    ExportNotification(esExportDone, -1);
    return rows;
}

namespace {

// The rows as clipboard text: a range of several rows ends every row with CR LF, a
// single row has none.
QString RowsToClipboardText(const QList<QStringList>& Rows, bool SeveralRows, bool LineBreaksAsVerticalTabs) {
    QString text;
    for (const QStringList& row : Rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) text += QLatin1Char('\t');
            text += ClipboardField(row[i], LineBreaksAsVerticalTabs);
        }
        if (SeveralRows) text += QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace

QString TExStringGrid::CellRangeToText(const TGridRect& Rect, bool Disjunct) {
    return RowsToClipboardText(ClipboardRangeCells(Rect, Disjunct), Rect.Top < Rect.Bottom, ExcelClipboardFormat());
}

void TExStringGrid::CopyRangeToClipboard(const TGridRect& Rect, bool Disjunct) {
    const QList<QStringList> rows = ClipboardRangeCells(Rect, Disjunct);
    auto data = std::make_unique<QMimeData>();
    data->setText(RowsToClipboardText(rows, Rect.Top < Rect.Bottom, ExcelClipboardFormat()));
    data->setHtml(CellsToHtmlTable(rows));
    if (FNavigation->AllowRTFClipboard()) {
        const QString topLeft = Cells(RealColIndex(Rect.Left), Rect.Top);
        if (topLeft.contains(QStringLiteral("{\\"))) data->setData(kRichTextMimeType, topLeft.toUtf8());
    }
    if (FNavigation->AllowFmtClipboard()) {
        QByteArray stream;
        QBuffer buffer(&stream);
        buffer.open(QIODevice::WriteOnly);
        SaveRectToBinStream(TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}, buffer);
        data->setData(GridCellsMimeType(), EncodeGridCellsBlock(stream));
    }
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TExStringGrid::ExpandSelectionToMergedCells() {
    TGridRect s = SelectionRectangleOrdered();
    const TPoint base = BaseCell(RealColIndex(s.Left), s.Top);
    s.Left = DisplColIndex(base.X);
    s.Top = base.Y;
    const TPoint endBase = BaseCell(RealColIndex(s.Right), s.Bottom);
    const TPoint span = CellSpan(endBase.X, endBase.Y);
    s.Right = std::max(s.Right, DisplColIndex(endBase.X) + std::max(0, span.X));
    s.Bottom = std::max(s.Bottom, endBase.Y + std::max(0, span.Y));
    s.Right = std::min(s.Right, ColCount() - 1);
    s.Bottom = std::min(s.Bottom, RowCount() - 1);
    SetSelection(s);
}

void TExStringGrid::CopySelectionToClipboard() {
    ExpandSelectionToMergedCells();
    const bool formatted = FNavigation->AllowFmtClipboard();
    if (FMouseActions->DisjunctRowSelect() && !formatted)
        CopyRangeToClipboard({FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()}, true);
    else if (FMouseActions->DisjunctColSelect() && !formatted)
        CopyRangeToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        CopyRangeToClipboard(SelectionRectangleOrdered(), false);
    FLastClipOperation = coCopy;
}

void TExStringGrid::CopyToClipBoard() {
    CopyRangeToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FLastClipOperation = coCopy;
}

void TExStringGrid::CopyToClipBoardAsHTML() {
    // Programs on Linux take the document itself; the envelope of other platforms would
    // show as text there.
    const QString html = SaveToHTMLString(QString());
    auto data = std::make_unique<QMimeData>();
    data->setHtml(html);
    data->setText(html);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

QString TExStringGrid::GetSelectionAsText() { return CellRangeToText(SelectionRectangleOrdered(), false); }

void TExStringGrid::CutToClipboard() {
    const TGridRect range{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    CopyRangeToClipboard(range, false);
    BeginUpdate();
    for (int r = range.Top; r <= range.Bottom; ++r)
        for (int c = range.Left; c <= range.Right; ++c) {
            const int real = RealColIndex(c);
            if (FNavigation->AllowClipboardAlways() || IsEditable(real, r)) SetCells(real, r, QString());
        }
    FlagRowsModified(FClipTopLeft, {range.Left, range.Top, range.Right, range.Bottom}, coCut);
    EndUpdate();
    FLastClipOperation = coCut;
}

void TExStringGrid::CutSelectionToClipboard() {
    CopySelectionToClipboard();
    const TGridRect s = SelectionRectangleOrdered();
    BeginUpdate();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(RowSelectIndex(r))) {
                ClearRows(r, 1);
                FlagRowsModified(FClipTopLeft, {0, r, 0, r}, coCut);
            }
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(RealColIndex(c), 1);
    } else {
        if (UndoRedo()) UndoRedo()->StartSequence();
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) {
                const int real = RealColIndex(c);
                if (!FNavigation->AllowClipboardAlways() && !IsEditable(real, r)) continue;
                if (UndoRedo()) UndoRedo()->RegisterChange(c, r, Cells(real, r), QString());
                SetCells(real, r, QString());
            }
        if (UndoRedo()) UndoRedo()->StopSequence();
        FlagRowsModified(FClipTopLeft, {s.Left, s.Top, s.Right, s.Bottom}, coCut);
        if (FNavigation->AllowFmtClipboard())
            for (int c = s.Left; c <= s.Right; ++c)
                FreeCellPropsRange(RealColIndex(c), s.Top, RealColIndex(c), s.Bottom);
    }
    EndUpdate();
    FLastClipOperation = coCut;
    DoCellsChanged({s.Left, s.Top, s.Right, s.Bottom});
    if (NumHiddenColumns() > 0) Invalidate();
}
