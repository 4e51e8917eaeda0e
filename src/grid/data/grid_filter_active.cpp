// Filtering the data rows: testing a row against the conditions of Filter, holding out
// the failing rows level by level (HideRowList) and giving levels back (UnHideRowList),
// and the FilterActive switch. The narrow-down built on it is grid_narrow_down.cpp.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"

#include <cmath>

namespace {

QString UpperAsciiLetters(QString text) {
    for (QChar& ch : text)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 32);
    return text;
}

bool Joined(TFilterOperation Operation, bool Outcome, bool Match) {
    switch (Operation) {
    case foAND: return Outcome && Match;
    case foXOR: return Outcome != Match;
    case foOR: return Outcome || Match;
    default: return Match;
    }
}

}  // namespace

bool TExStringGrid::MatchFilter(int ARow) {
    bool outcome = true;
    for (int i = 0; i < FFilter->Count(); ++i) {
        const TFilterData& item = FFilter->Items(i);
        QString text;
        switch (item.Data) {
        case fcNormal: text = GridCells(item.Column, ARow); break;
        case fcStripHTML: text = StrippedCells(item.Column, ARow); break;
        case fcCalculated: GetSaveCellText(RealCol(item.Column), DisplRow(ARow), text); break;
        case fcRow: {
            QStringList cells;
            for (int c = 0; c < ColCount(); ++c) cells << Cells(RealColIndex(c), ARow);
            text = cells.join(QLatin1Char('\n'));
            break;
        }
        default: text = Cells(item.Column, ARow); break;
        }
        text = text.trimmed();
        if (text.contains(QLatin1String("|\\"))) text = EscapedToWide(text);
        bool match = true;
        if (item.Data == fcRow) {
            match = UpperAsciiLetters(text).contains(UpperAsciiLetters(item.Condition));
        } else {
            if (!item.Prefix.isEmpty() && text.startsWith(item.Prefix)) text.remove(0, item.Prefix.size());
            if (!item.Suffix.isEmpty() && text.indexOf(item.Suffix) == text.size() - item.Suffix.size())
                text.chop(item.Suffix.size());
            if (item.Condition.isEmpty()) match = true;
            else if (item.Method == fmLiteral) match = text == item.Condition;
            else if (item.Method == fmContains)
                match = text.contains(item.Condition, item.CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
            else {
                try {
                    match = FFilterMatchers.For(i, item).Matches(text);
                } catch (...) {
                    match = false;
                }
            }
        }
        outcome = Joined(item.Operation, outcome, match);
        if (item.Operation == foSHORT && !match) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, outcome);
    return outcome;
}

void TExStringGrid::ApplyFilter() {
    FFilterMatchers.Clear();
    FSavedFixedRows = FixedRows();
    TIntList failing(0, 0);
    const int first = FixedRows();
    const int end = RowCount() - FixedFooters();
    const int total = end - first;
    int counted = 0;
    short progress = 0;
    for (int r = first; r < end; ++r) {
        if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
        if (!MatchFilter(r)) failing.Add(r);
        ++counted;
        if (OnFilterProgress && total > 0) {
            const short now = short(std::lround(counted * 100.0 / total));
            if (now != progress) OnFilterProgress(this, progress = now);
        }
    }
    HideRowList(failing);
    if (OnFilterProgress) OnFilterProgress(this, progress);
}

void TExStringGrid::FilterRow(int ARow) {
    FFilterMatchers.Clear();
    if (!MatchFilter(ARow)) HideRow(RealRowIndex(ARow));
}

void TExStringGrid::SetFilterActive(bool Value) {
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() < 0 || Row() >= RowCount() || Col() >= ColCount()) FocusCell(TStringGrid::FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else {
            UnHideRowList();
            SetFixedRows(FSavedFixedRows);
            if (SelectionHidden()) UnHideSelection();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

bool TExStringGrid::RemoveLastFilter() {
    if (FFilterLevel <= 0) return false;
    UnHideRowList();
    SetFixedRows(FSavedFixedRows);
    if (SelectionHidden()) UnHideSelection();
    CalcFooter(-1);
    --FFilterLevel;
    // With every level given back the filter is off, so switching it on applies it again.
    if (FFilterLevel == 0) FFilterActive = false;
    return FFilterLevel > 1;
}

void TExStringGrid::RemoveAllFilters() {
    if (FFilterLevel <= 0) {
        FFilter->Clear();
        return;
    }
    while (FFilterLevel > 0) RemoveLastFilter();
}
