// Highlighting (<hi>) and marking (<e>) of a text's occurrences in cells, and their removal.

#include "grid/core/string_grid.h"
#include "grid/view/markup_text.h"

namespace {

const QString kHighlightTag = QStringLiteral("hi");
const QString kMarkTag = QStringLiteral("e");

// Ranges over the displayed columns (hidden ones left out) reach their real columns.
void WrapInDisplayedColumns(TExStringGrid& grid, const QString& text, const QString& tag, bool doCase, int fromCol,
                            int fromRow, int toCol, int toRow) {
    for (int c = fromCol; c <= toCol; ++c) {
        const int real = grid.RealColIndex(c);
        grid.WrapMatchesInRange(text, tag, doCase, real, fromRow, real, toRow);
    }
}

}  // namespace

QString TExStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text) {
    return WrapMatchesInTag(S, Text, kHighlightTag, DoCase);
}

QString TExStringGrid::UnHilightText(const QString& S) { return RemoveMatchTags(S, kHighlightTag); }

QString TExStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text) {
    return WrapMatchesInTag(S, Text, kMarkTag, DoCase);
}

QString TExStringGrid::UnMarkText(const QString& S) { return RemoveMatchTags(S, kMarkTag); }

// ---- highlighting -------------------------------------------------------------------------

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText) {
    WrapMatchesInRange(HiText, kHighlightTag, DoCase, Col, Row, Col, Row);
}

void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
    if (DoFixed) WrapMatchesInRange(HiText, kHighlightTag, DoCase, Col, 0, Col, RowCount() - 1);
    else WrapMatchesInRange(HiText, kHighlightTag, DoCase, Col, FixedRows(), Col, RowCount() - 1 - FixedFooters());
}

void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
    const int first = DoFixed ? 0 : FixedCols();
    const int last = DoFixed ? ColCount() - 1 : ColCount() - 1 - FixedRightCols();
    WrapInDisplayedColumns(*this, HiText, kHighlightTag, DoCase, first, Row, last, Row);
}

void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
    if (DoFixed)
        WrapInDisplayedColumns(*this, HiText, kHighlightTag, DoCase, 0, 0, ColCount() - 1, RowCount() - 1);
    else
        WrapMatchesInRange(HiText, kHighlightTag, DoCase, FixedCols(), FixedRows(),
                           ColCount() - 1 - FixedRightCols() + NumHiddenColumns(), RowCount() - 1 - FixedFooters());
}

void TExStringGrid::UnHilightInCell(int Col, int Row) { RemoveMatchTagsInRange(kHighlightTag, Col, Row, Col, Row); }

void TExStringGrid::UnHilightInCol(bool DoFixed, int Col) {
    if (DoFixed) RemoveMatchTagsInRange(kHighlightTag, Col, 0, Col, RowCount() - 1);
    else RemoveMatchTagsInRange(kHighlightTag, Col, FixedRows(), Col, RowCount() - 1 - FixedFooters());
}

void TExStringGrid::UnHilightInRow(bool DoFixed, int Row) {
    if (DoFixed) RemoveMatchTagsInRange(kHighlightTag, 0, Row, ColCount() - 1 + NumHiddenColumns(), Row);
    else
        RemoveMatchTagsInRange(kHighlightTag, FixedCols(), Row, ColCount() - 1 - FixedRightCols() + NumHiddenColumns(),
                               Row);
}

void TExStringGrid::UnHilightInGrid(bool DoFixed) {
    if (DoFixed)
        RemoveMatchTagsInRange(kHighlightTag, 0, 0, ColCount() - 1 + NumHiddenColumns(), RowCount() - 1);
    else
        RemoveMatchTagsInRange(kHighlightTag, FixedCols(), FixedRows(),
                               ColCount() - 1 - FixedRightCols() + NumHiddenColumns(), RowCount() - 1 - FixedFooters());
}

// ---- marking ------------------------------------------------------------------------------

void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText) {
    WrapMatchesInRange(HiText, kMarkTag, DoCase, Col, Row, Col, Row);
}

void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
    if (DoFixed) WrapMatchesInRange(HiText, kMarkTag, DoCase, Col, 0, Col, RowCount() - 1);
    else WrapMatchesInRange(HiText, kMarkTag, DoCase, Col, FixedRows(), Col, RowCount() - 1 - FixedFooters());
}

void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
    const int first = DoFixed ? 0 : FixedCols();
    const int last = DoFixed ? ColCount() - 1 : ColCount() - 1 - FixedRightCols();
    WrapInDisplayedColumns(*this, HiText, kMarkTag, DoCase, first, Row, last, Row);
}

void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
    if (DoFixed)
        WrapInDisplayedColumns(*this, HiText, kMarkTag, DoCase, 0, 0, ColCount() - 1, RowCount() - 1);
    else
        WrapInDisplayedColumns(*this, HiText, kMarkTag, DoCase, FixedCols(), FixedRows(), ColCount() - 1 - FixedRightCols(),
                               RowCount() - 1 - FixedFooters());
}

void TExStringGrid::UnMarkInCell(int Col, int Row) { RemoveMatchTagsInRange(kMarkTag, Col, Row, Col, Row); }

void TExStringGrid::UnMarkInCol(bool DoFixed, int Col) {
    if (DoFixed) RemoveMatchTagsInRange(kMarkTag, Col, 0, Col, RowCount() - 1);
    else RemoveMatchTagsInRange(kMarkTag, Col, FixedRows(), Col, RowCount() - 1 - FixedFooters());
}

void TExStringGrid::UnMarkInRow(bool DoFixed, int Row) {
    if (DoFixed) RemoveMatchTagsInRange(kMarkTag, 0, Row, ColCount() - 1 + NumHiddenColumns(), Row);
    else
        RemoveMatchTagsInRange(kMarkTag, FixedCols(), Row, ColCount() - 1 - FixedRightCols() + NumHiddenColumns(), Row);
}

void TExStringGrid::UnMarkInGrid(bool DoFixed) {
    if (DoFixed)
        RemoveMatchTagsInRange(kMarkTag, 0, 0, ColCount() - 1 + NumHiddenColumns(), RowCount() - 1);
    else
        RemoveMatchTagsInRange(kMarkTag, FixedCols(), FixedRows(), ColCount() - 1 - FixedRightCols() + NumHiddenColumns(),
                               RowCount() - 1 - FixedFooters());
}
