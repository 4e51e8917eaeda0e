// Sorting against a plain reference model on random grids (hidden columns, Full on and
// off, blanks placed by IgnoreBlanks, indexed sorts, SingleColumn, NormalCellsOnly), the
// comparison styles as a table, the undo after several sorts, and huge sorts that must
// stay in bounds whatever their contents.

#include "grid/core/string_grid.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

constexpr int kCols = 6;  // column 0 fixed; real column 4 hidden
constexpr int kHidden = 4;

// Odd columns hold whole numbers (from 1, so a blank is the smallest either way), even
// ones words; blanks here and there.
QString RandomText(std::mt19937& random, int col) {
    const int pick = int(random() % 12);
    if (pick == 0) return QString();
    if (col % 2 == 1) return QString::number(1 + random() % 30);
    static const char* words[] = {"alpha", "Beta", "beta", "gamma", "delta", "Zeta", "eta", "theta"};
    return QString::fromLatin1(words[random() % 8]);
}

using Table = std::vector<QStringList>;  // rows of real-column texts

struct ModelKey {
    int Column;
    bool Descending;
};

int ModelCompareCell(const QString& a, const QString& b, int col, bool descending, bool ignoreBlanks,
                     TSortBlankPosition blankPos) {
    if (ignoreBlanks && a.isEmpty() != b.isEmpty()) {
        const int blankFirst = blankPos == blFirst ? -1 : 1;
        return a.isEmpty() ? blankFirst : -blankFirst;
    }
    int c;
    if (col % 2 == 1) {
        const int x = a.isEmpty() ? 0 : a.toInt(), y = b.isEmpty() ? 0 : b.toInt();
        c = x < y ? -1 : x > y ? 1 : 0;
    } else {
        c = a < b ? -1 : a > b ? 1 : 0;
    }
    return descending ? -c : c;
}

Table Model(Table rows, const std::vector<ModelKey>& keys, bool full, bool ignoreBlanks, TSortBlankPosition pos,
            bool indexed) {
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        std::vector<ModelKey> chain = keys;
        if (!indexed && full)
            for (int c = keys[0].Column + 1; c < kCols; ++c) chain.push_back({c, keys[0].Descending});
        for (std::size_t k = 0; k < chain.size(); ++k) {
            const int c = ModelCompareCell(a[chain[k].Column], b[chain[k].Column], chain[k].Column,
                                           chain[k].Descending, ignoreBlanks, pos);
            if (c != 0) return c < 0;
            if (!full) break;
        }
        return false;
    });
    return rows;
}

class SortModel : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TExStringGrid>(nullptr, nullptr);
        Grid->SetColCount(kCols);
    }
    void Fill(std::mt19937& random, int rows) {
        Grid->UnHideColumnsAll();
        Grid->SetRowCount(rows + 1);
        Original.clear();
        for (int r = 1; r <= rows; ++r) {
            QStringList row;
            for (int c = 0; c < kCols; ++c) {
                const QString text = c == 0 ? QString::number(r) : RandomText(random, c);
                Grid->SetCells(c, r, text);
                row << text;
            }
            Original.push_back(row);
        }
        Grid->HideColumn(kHidden);
        Grid->InitSortXRef();
    }
    Table Rows() const {
        Table rows;
        for (int r = 1; r < Grid->RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < kCols; ++c) row << Grid->Cells(c, r);
            rows.push_back(row);
        }
        return rows;
    }
    std::unique_ptr<TExStringGrid> Grid;
    Table Original;
};

TEST_F(SortModel, RandomGridsAgreeWithTheModel) {
    std::mt19937 random(2112);
    for (int round = 0; round < 120; ++round) {
        SCOPED_TRACE(round);
        Fill(random, 1 + int(random() % 40));
        TSortSettings& s = *Grid->SortSettings();
        s.Full = random() % 2;
        s.IgnoreBlanks = random() % 2;
        s.BlankPos = random() % 2 ? blFirst : blLast;
        const bool indexed = random() % 3 == 0;
        std::vector<ModelKey> keys;
        if (indexed) {
            Grid->SortIndexes()->Clear();
            const int count = 1 + int(random() % 3);
            for (int k = 0; k < count; ++k) {
                const int col = 1 + int(random() % (kCols - 1));
                if (std::any_of(keys.begin(), keys.end(), [col](const ModelKey& m) { return m.Column == col; })) continue;
                const bool descending = random() % 2;
                Grid->SortIndexes()->AddIndex(col, !descending);
                keys.push_back({col, descending});
            }
            Grid->QSortIndexed();
        } else {
            const int col = 1 + int(random() % (kCols - 1));
            const bool descending = random() % 2;
            keys.push_back({col, descending});
            Grid->Sort(col, descending ? sdDescending : sdAscending);
        }
        EXPECT_EQ(Rows(), Model(Original, keys, s.Full, s.IgnoreBlanks, s.BlankPos, indexed));
    }
}

TEST_F(SortModel, UnsortAfterSeveralSortsGivesTheFirstOrderBack) {
    std::mt19937 random(7);
    Fill(random, 60);
    Grid->Sort(1, sdAscending);
    Grid->Sort(2, sdDescending);
    Grid->SortIndexes()->AddIndex(3, true);
    Grid->QSortIndexed();
    Grid->Sort(kHidden, sdAscending);
    Grid->QUnSort();
    EXPECT_EQ(Rows(), Original);
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_EQ(Grid->SortRowXRef()->Items(r), r);
}

TEST_F(SortModel, SingleColumnAndNormalCellsOnlyMoveOnlyTheirShare) {
    std::mt19937 random(99);
    Fill(random, 30);
    TSortSettings& s = *Grid->SortSettings();
    s.Full = false;
    s.SingleColumn = true;
    Grid->SetFixedCols(1);
    Grid->Sort(1, sdAscending);
    Table sorted = Rows(), expected = Original;
    QStringList column;
    for (const QStringList& row : Original) column << row[1];
    std::stable_sort(column.begin(), column.end(), [](const QString& a, const QString& b) {
        return (a.isEmpty() ? 0 : a.toInt()) < (b.isEmpty() ? 0 : b.toInt());
    });
    for (std::size_t r = 0; r < expected.size(); ++r) expected[r][1] = column[int(r)];
    EXPECT_EQ(sorted, expected);

    s.SingleColumn = false;
    s.NormalCellsOnly = true;
    Fill(random, 30);
    Grid->Sort(2, sdDescending);
    for (int r = 1; r < Grid->RowCount(); ++r) EXPECT_EQ(Grid->Cells(0, r), QString::number(r));
}

// One column of texts sorted ascending gives the listed order.
struct StyleCase {
    const char* Name;
    QStringList Texts;
    QStringList Sorted;
    bool AutoFormat = true;
    TSortStyle Style = ssAutomatic;  // given by the format hook when not automatic
    bool IgnoreCase = false;
};

TEST_F(SortModel, StylesOrderTheirTexts) {
    const StyleCase cases[] = {
        {"numbers detected", {"10", "9", "100"}, {"9", "10", "100"}},
        // Rounded to the nearest double: the middle one equals 1 and keeps its place after it.
        {"numbers converted exactly", {"1.0000000000000002", "1", "1.0000000000000001", "-0.5", "-.25"},
         {"-0.5", "-.25", "1", "1.0000000000000001", "1.0000000000000002"}},
        {"numbers as text without AutoFormat", {"10", "9", "100"}, {"10", "100", "9"}, false},
        {"case-blind without AutoFormat", {"b", "A", "a", "B"}, {"A", "a", "b", "B"}, false, ssAutomatic, true},
        {"character codes", {"b", "B", "a", "A"}, {"A", "B", "a", "b"}, true, ssAlphabetic},
        {"numeric: non-numbers equal, empty is 0", {"x", "5", "", "y", "-2"}, {"-2", "x", "", "y", "5"}, true, ssNumeric},
        {"dates", {"12/03/2020", "01/05/2019", "11/30/2020"}, {"01/05/2019", "11/30/2020", "12/03/2020"}},
        {"a date against a word stays text", {"x", "12/03/2020"}, {"12/03/2020", "x"}},
        {"times", {"10:30", "9:15", "23:00"}, {"9:15", "10:30", "23:00"}},
        {"alphanumeric", {"b", "10", "9", "a"}, {"9", "10", "a", "b"}, true, ssAlphaNumeric},
        {"markup stripped", {"<b>b</b>", "a", "<i>c</i>"}, {"a", "<b>b</b>", "<i>c</i>"}, true, ssHTML},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetRowCount(int(c.Texts.size()) + 1);
        for (int i = 0; i < c.Texts.size(); ++i) {
            Grid->SetCells(1, i + 1, c.Texts[i]);
            for (int col = 2; col < kCols; ++col) Grid->SetCells(col, i + 1, QString());
        }
        Grid->SortSettings()->AutoFormat = c.AutoFormat;
        Grid->SortSettings()->IgnoreCase = c.IgnoreCase;
        const TSortStyle style = c.Style;
        Grid->OnGetFormat = [style](TObject*, int, TSortStyle& s, QString&, QString&) {
            if (style != ssAutomatic) s = style;
        };
        Grid->Sort(1, sdAscending);
        QStringList got;
        for (int r = 1; r < Grid->RowCount(); ++r) got << Grid->Cells(1, r);
        EXPECT_EQ(got, c.Sorted);
    }
}

TEST_F(SortModel, CompareEventsAndTheFormatHookAreAskedAsSaid) {
    Grid->SetRowCount(6);
    for (int r = 1; r < 6; ++r) Grid->SetCells(1, r, QString::number(6 - r));
    int formatCalls = 0;
    Grid->OnGetFormat = [&](TObject*, int, TSortStyle& s, QString&, QString&) {
        ++formatCalls;
        s = ssRaw;
    };
    // The raw compare gets current row indexes; it orders by the text it finds there.
    Grid->OnRawCompare = [&](TObject*, int col, int r1, int r2, int& res) {
        res = Grid->Cells(col, r1).toInt() - Grid->Cells(col, r2).toInt();
    };
    Grid->SortSettings()->Full = false;
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(formatCalls, 1);
    for (int r = 1; r < 6; ++r) EXPECT_EQ(Grid->Cells(1, r), QString::number(r));
}

TEST_F(SortModel, AnEmptyIndexListRaisesAndANegativeColumnSortsNothing) {
    Grid->SetRowCount(4);
    Grid->SortIndexes()->AddIndex(1, true);
    Grid->SortSettings()->Column = -1;
    Grid->QSort();
    EXPECT_EQ(Grid->SortIndexes()->Count(), 1);
    Grid->SortIndexes()->Clear();
    EXPECT_THROW(Grid->QSortIndexed(), EExGridError);
}

// Columns of one kind (words, numbers in several forms, a style the format hook fixes,
// blanks placed by IgnoreBlanks) sort as the pair-by-pair comparison orders them, ties
// in their old order and broken by the next column with Full.
TEST_F(SortModel, ColumnsOfOneKindSortAsTheirRowsCompare) {
    const struct {
        const char* Name;
        QStringList Pool;
        TSortStyle Style;  // from the format hook when not automatic
        bool IgnoreCase;
        QString Prefix;
    } cases[] = {
        {"words", {"alpha", "Beta", "beta", "gamma", "Zeta", "", "eta"}, ssAutomatic, false, {}},
        {"words, case-blind", {"alpha", "Beta", "beta", "BETA", "zeta", "Zeta", "{x}"}, ssAutomatic, true, {}},
        {"numbers", {"10", "9", "-2", "3.5", "1e3", "7", "0.25", "-0.5", "1.5E-2"}, ssAutomatic, false, {}},
        {"numeric style with blanks and words", {"5", "", "-1", "x", "12", "", "2.5"}, ssNumeric, false, {}},
        {"financial with a prefix", {"$1,200.50", "$99", "$1,000", "$-3", "$12,000"}, ssFinancial, false, "$"},
        {"alphanumeric, numbers only", {"10", "9", "100", "-1"}, ssAlphaNumeric, false, {}},
        {"alphanumeric case-blind, words only", {"b", "A", "a", "B", "c"}, ssAlphaNumericNoCase, false, {}},
    };
    constexpr int rows = 70;
    Grid->SetColCount(3);
    for (const auto& c : cases) {
        for (const bool full : {false, true})
            for (const bool ignoreBlanks : {false, true})
                for (const TSortDirection direction : {sdAscending, sdDescending}) {
                    SCOPED_TRACE(testing::Message() << c.Name << ", Full " << full << ", IgnoreBlanks " << ignoreBlanks
                                                    << ", descending " << (direction == sdDescending));
                    std::mt19937 random(31);
                    Grid->SetRowCount(rows + 1);
                    for (int r = 1; r <= rows; ++r) {
                        Grid->SetCells(0, r, QString::number(r));
                        Grid->SetCells(1, r, c.Pool[int(random() % c.Pool.size())]);
                        Grid->SetCells(2, r, QString::number(random() % 5));
                    }
                    Grid->InitSortXRef();
                    TSortSettings& s = *Grid->SortSettings();
                    s.Full = full;
                    s.IgnoreBlanks = ignoreBlanks;
                    s.BlankPos = blLast;
                    s.IgnoreCase = c.IgnoreCase;
                    s.Column = 1;
                    s.Direction = direction;
                    const TSortStyle style = c.Style;
                    const QString prefix = c.Prefix;
                    Grid->OnGetFormat = [style, prefix](TObject*, int col, TSortStyle& st, QString& p, QString&) {
                        if (col == 1 && style != ssAutomatic) st = style;
                        if (col == 1) p = prefix;
                    };
                    const int sign = direction == sdDescending ? -1 : 1;
                    std::vector<int> order(rows);
                    std::iota(order.begin(), order.end(), 1);
                    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                        int result = Grid->CompareRows(1, a, b, direction);
                        if (result == 0 && full) result = Grid->CompareRows(2, a, b, direction);
                        return result * sign < 0;
                    });
                    QStringList expected, sorted;
                    for (const int r : order) expected << Grid->Cells(0, r);
                    Grid->QSort();
                    for (int r = 1; r <= rows; ++r) sorted << Grid->Cells(0, r);
                    EXPECT_EQ(sorted, expected);
                }
    }
}

// Huge sorts of equal, sorted, reversed and mixed rows, and a comparison that answers at
// random: each ends, in bounds, with every row still there once.
TEST_F(SortModel, HugeAndInconsistentSortsStayInBounds) {
    constexpr int rows = 1000000;
    Grid->SetColCount(2);
    Grid->SetRowCount(rows + 1);
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        for (int r = 1; r <= rows; ++r) {
            QString text = kind == 0 ? QStringLiteral("same")
                         : kind == 1 ? QString::number(r)
                         : kind == 2 ? QString::number(rows - r)
                                     : (r % 3 == 0 ? QStringLiteral("w%1").arg(r % 97)
                                                   : r % 3 == 1 ? QString::number(r % 101)
                                                                : QStringLiteral("%1/0%2/20").arg(r % 28 + 1).arg(r % 9 + 1));
            Grid->SetGridCell(1, r, text);
        }
        Grid->InitSortXRef();
        Grid->Sort(1, sdAscending);
        if (kind == 1 || kind == 2)
            for (int r = 1; r <= rows; r += 9973) EXPECT_EQ(Grid->Cells(1, r).toInt(), kind == 1 ? r : r - 1);
        std::vector<char> seen(rows + 1, 0);
        for (int r = 0; r <= rows; ++r) ++seen[std::size_t(Grid->SortRowXRef()->Items(r))];
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](char c) { return c == 1; }));
    }
    std::mt19937 random(5);
    Grid->OnGetFormat = [](TObject*, int, TSortStyle& s, QString&, QString&) { s = ssCustom; };
    Grid->OnCustomCompare = [&](TObject*, const QString&, const QString&, int& res) { res = int(random() % 3) - 1; };
    Grid->SetRowCount(20001);
    Grid->InitSortXRef();
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Grid->RowCount(), 20001);
}

}  // namespace
