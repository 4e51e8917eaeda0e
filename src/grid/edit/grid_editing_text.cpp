// The text between a cell and its editor: loading, storing, Esc's restoration.

#include "grid/core/string_grid.h"
#include "controls/text_utilities.h"
#include "grid/view/markup_text.h"

QString TExStringGrid::GetEditText(int ACol, int ARow) {
    FNoEditChange = true;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    QString text = TBaseGrid::GetEditText(base.X, base.Y);
    // Only a cell the grid shows as mini-HTML loses its tags: "Temp <room 1>" is plain text.
    if (!EditWithTags() && CellTextKind(text, EnableHTML()) == ckMiniHtml) text = MarkupToPlainText(text);
    return text;
}

void TExStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    TBaseGrid::SetEditText(base.X, base.Y, Value);
}

void TExStringGrid::StoreEditText(int ACol, int ARow, const QString& Value) {
    SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TExStringGrid::RestoreCellCache() {
    SetCells(RealColIndex(Col()), Row(), FCellCache);
    const QString shown = Cells(Col(), Row());
    SetCells(Col(), Row(), shown);
}
