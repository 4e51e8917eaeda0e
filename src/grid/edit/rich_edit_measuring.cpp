// The size of an RTF cell's formatted text, for auto-sizing and the other measurers.
#include "grid/core/string_grid.h"
#include "grid/edit/ex_rich_edit.h"

#include <QTextDocument>
#include <cmath>

TSize TExStringGrid::RichCellTextSize(int RCol, int ARow, const TFont& Font, int Width) {
    TExRichEdit* edit = RichEdit();
    CellToRich(RCol, ARow, edit);
    QTextDocument* document = edit->document();
    document->setDocumentMargin(0);
    document->setDefaultFont(Font.ToQFont());
    document->setTextWidth(Width > 0 ? Width : -1);
    const double width = Width > 0 ? Width : document->idealWidth();
    return {int(std::ceil(width)), int(std::ceil(document->size().height()))};
}
