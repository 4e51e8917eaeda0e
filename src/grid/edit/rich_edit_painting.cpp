// Painting RTF cells: the hidden rich edit lays the cell's rich text out and draws it
// into the cell, wrapping at the cell's right edge.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

void TExStringGrid::DrawRichEditContent(TRect ARect, TCanvas& Canvas) {
    QPainter* painter = Canvas.Painter();
    if (!painter) return;
    QTextDocument* document = RichEdit()->document();
    const int margin = FXYOffset.X;
    const int width = ARect.Right - ARect.Left - 2 * margin;
    const int height = ARect.Bottom - ARect.Top - 2 * margin;
    if (width <= 0 || height <= 0) return;
    document->setDocumentMargin(0);
    document->setDefaultFont(Canvas.Font.ToQFont());
    document->setTextWidth(width);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, ToQColor(Canvas.Font.Color));
    context.clip = QRectF(0, 0, width, height);
    painter->save();
    painter->translate(ARect.Left + margin, ARect.Top + margin);
    painter->setClipRect(context.clip, Qt::IntersectClip);
    document->documentLayout()->draw(painter, context);
    painter->restore();
}

void TExStringGrid::PaintRichTextCell(int ACol, int ARow, TRect ARect, TCanvas& Canvas) {
    if (InDesignMode()) return;
    CellToRich(ACol, ARow, RichEdit());
    DrawRichEditContent(ARect, Canvas);
}
