// The column layout as one text: count, widths, order and visibility of the columns.

#include "grid/core/column_display_map.h"
#include "grid/core/string_grid.h"
#include "grid/data/column_order_moves.h"
#include "grid/data/column_states_text.h"
#include "grid/data/grid_cell_limit.h"

QString TExStringGrid::ColumnStatesToString() const {
    TColumnStates states;
    states.Count = AllColCount();
    for (int c = 0; c < ColCount(); ++c) states.Widths.push_back(ColWidths(c));
    for (int c = 0; c < states.Count; ++c) {
        states.Visible.push_back(!IsHiddenColumn(c));
        if (IsHiddenColumn(c)) states.Widths.push_back(AllColWidths(c));
    }
    states.Order = RecordedColumnOrder(*this);
    return ColumnStatesText(states);
}

void TExStringGrid::StringToColumnStates(const QString& Value) {
    const std::optional<TColumnStates> states =
        ParseColumnStates(Value, kMaxGridColumns, TColumnDisplayMap::HideableColumns);
    if (!states) return;
    if (states->Count <= FixedCols() || !GridSizeWithinLimit(states->Count, AllRowCount()))
        throw EExGridError(QStringLiteral("Invalid column states: a column count of %1").arg(states->Count));

    UnHideColumnsAll();
    if (ColCount() != states->Count) {
        FColumnOrder->Clear();
        SetColCount(states->Count);
    }
    if (states->Order.empty()) FColumnOrder->Clear();
    else MoveColumnsToOrder(*this, states->Order);
    for (int c = states->Count - 1; c >= 0; --c)
        if (!states->Visible[std::size_t(c)]) HideColumn(c);

    // Stretching would overrule the widths; a stretched column's width becomes the default.
    const bool stretch = FColumnSize->Stretch();
    if (stretch) {
        const int stretched = FColumnSize->StretchColumn() < 0 ? ColCount() - 1 : FColumnSize->StretchColumn();
        if (stretched < ColCount()) SetDefaultColWidth(ColWidths(stretched));
        FColumnSize->SetStretch(false);
    }
    const int shown = std::min<int>(ColCount(), int(states->Widths.size()));
    for (int c = 0; c < shown; ++c) SetColWidths(c, states->Widths[std::size_t(c)]);
    // Past the shown columns come the hidden ones' kept widths, in storage order.
    std::size_t next = std::size_t(shown);
    for (int c = 0; c < states->Count && next < states->Widths.size(); ++c)
        if (IsHiddenColumn(c)) SetAllColWidths(c, states->Widths[next++]);
    if (stretch) FColumnSize->SetStretch(true);
}
