// The column filter drop-down's data: the entries of a column's list (GetColumnFilter),
// and what picking one (FilterSelect) or ticking some (FilterCheck) does to the filter.
// The list widgets themselves are grid/view/grid_filter_list.cpp.
//
// An entry the application supplies reads "display=condition" (or is both at once); an
// entry the automatic list found in the cells is a cell text and filters on exactly that
// text, whatever characters it holds.

#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <QListWidget>
#include <algorithm>

namespace {

// Marks the entries of FilterList that are cell texts.
TObject* CellTextEntryMark() {
    static TObject mark;
    return &mark;
}

struct TFilterEntry {
    QString FriendlyName;
    QString Condition;
    bool Literal = false;
};

TFilterEntry ReadEntry(const TStringList& List, int Index) {
    const QString entry = List.Strings(Index);
    if (List.Objects(Index) == CellTextEntryMark()) return {entry, entry, true};
    const int equals = int(entry.indexOf(QLatin1Char('=')));
    if (equals < 0) return {entry, entry, false};
    return {entry.left(equals), entry.mid(equals + 1), false};
}

}  // namespace

bool TExStringGrid::IsCellTextFilterEntry(int Index) const {
    return Index >= 0 && Index < FFilterList->Count() && FFilterList->Objects(Index) == CellTextEntryMark();
}

const TStringList* TExStringGrid::AutoFilterEntries(RealCol Column) {
    if (!FFilterDropDownAuto || (Column.v < TStringGrid::FixedCols() && FFilterDropDownColumns != fdAll)) return nullptr;
    TAutoFilterCache& cache = FAutoFilterCaches[Column.v];
    const unsigned long long version = CellStore().TextVersion();
    const int heldOut = FHiddenRows->Count();
    if (cache.RowCount < 0 || cache.TextVersion != version || cache.RowCount != RowCount() ||
        cache.HeldOutRows != heldOut || cache.FixedRows != FixedRows() || cache.FixedFooters != FFixedFooters ||
        cache.Incremental != FFilterIncremental || cache.ClearEntry != FFilterDropDownClear) {
        QStringList texts;
        for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) texts << Cells(Column.v, r).trimmed();
        if (!FFilterIncremental)
            for (int i = 0; i < heldOut; ++i) texts << FHiddenRows->Item(i).Cells(Column).trimmed();
        std::sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
            const int c = QString::compare(a, b, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a < b;
        });
        texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
        cache = {version, RowCount(), heldOut, FixedRows(), FFixedFooters, FFilterIncremental, FFilterDropDownClear, {}};
        if (!FFilterDropDownClear.isEmpty()) cache.Entries.Add(FFilterDropDownClear);
        for (const QString& text : texts) cache.Entries.AddObject(text, CellTextEntryMark());
    }
    return &cache.Entries;
}

bool TExStringGrid::GetColumnFilter(RealCol Column) {
    FFilterList->SetSorted(false);
    FFilterList->Clear();
    if (const TStringList* entries = AutoFilterEntries(Column)) FFilterList->Assign(*entries);
    if (OnGetColumnFilter) OnGetColumnFilter(this, Column.v, FFilterList.get());
    return FFilterList->Count() > 0;
}

bool TExStringGrid::HasColumnFilter(RealCol Column) {
    if (!OnGetColumnFilter) {
        const TStringList* entries = AutoFilterEntries(Column);
        return entries && entries->Count() > 0;
    }
    // The handler fills a list of its own; the one an open drop-down shows stays as it is.
    auto asked = std::make_unique<TStringList>();
    asked->SetDuplicates(FFilterList->Duplicates());
    asked->SetSorted(FFilterList->Sorted());
    std::swap(FFilterList, asked);
    struct TPutBack {
        std::unique_ptr<TStringList>& Shown;
        std::unique_ptr<TStringList>& Asked;
        ~TPutBack() { std::swap(Shown, Asked); }
    } putBack{FFilterList, asked};
    return GetColumnFilter(Column);
}

void TExStringGrid::FilterSelect(int ItemIndex) {
    SetFocus();
    const int column = FFilterCol;
    const int shown = FDropList ? FDropList->count() : FFilterList->Count();
    if (column >= 0 && column < AllColCount() && ItemIndex >= 0 && ItemIndex < shown) {
        GetColumnFilter(RealCol(column));
        if (ItemIndex < FFilterList->Count()) {
            const TFilterEntry entry = ReadEntry(*FFilterList, ItemIndex);
            if (FAutoFilterUpdate) SetFilterActive(false);
            QString condition = !entry.Literal && entry.Condition == FFilterDropDownClear ? QString() : entry.Condition;
            const QString offered = condition;
            if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, entry.FriendlyName, condition);
            if (!condition.isEmpty()) {
                TFilterData& item = FFilter->ColumnFilter(column);
                item.Condition = condition;
                item.Method = entry.Literal && condition == offered ? fmLiteral : fmExpression;
            } else {
                FFilter->RemoveColumnFilter(column);
                RepaintCell(DisplColIndex(column), 0);
            }
            if (FAutoFilterUpdate) {
                SetFixedRowAlways(true);
                SetFilterActive(true);
                if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
                DoFilterDone();
            }
        }
    }
    FFilterCol = -1;
}

void TExStringGrid::FilterCheck() {
    const int column = FFilterCol;
    if (column < 0 || column >= AllColCount()) return;
    GetColumnFilter(RealCol(column));
    if (FAutoFilterUpdate) SetFilterActive(false);
    FFilter->Clear();
    bool first = true;
    if (FDropCheckList) {
        for (int i = 0; i < FDropCheckList->count() && i < FFilterList->Count(); ++i) {
            if (FDropCheckList->item(i)->checkState() != Qt::Checked) continue;
            const TFilterEntry entry = ReadEntry(*FFilterList, i);
            QString condition = !entry.Literal && entry.Condition == FFilterDropDownClear ? QString() : entry.Condition;
            const QString offered = condition;
            if (OnFilterCheck) OnFilterCheck(this, column, i, entry.FriendlyName, condition, nullptr);
            TFilterData& item = FFilter->Add();
            item.Condition = condition;
            item.Column = column;
            item.Operation = first ? foNONE : foOR;
            item.Method = entry.Literal && condition == offered ? fmLiteral : fmExpression;
            first = false;
        }
    }
    SetFilterActive(true);
    if (FDropCheckList) FDropCheckList->update();
}
