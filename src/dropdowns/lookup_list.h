#pragma once
// The texts a drop-down completes typing from, in list order, with indexes that answer
// "the first text in list order that starts with this prefix" (and "... that equals this
// text") in O(log n), so long lists stay quick per typed key.
//
// Each text is folded (upper-cased) once when the list is rebuilt. The folded index is
// built then; the index over the texts as written (for case-sensitive lookups) is built
// on its first use. An index is the texts sorted, with a range-minimum table over their
// list positions: the matches of a prefix are one run of the sorted texts, and the
// smallest position in that run is the first match in list order.

#include <QString>
#include <QStringList>
#include <vector>

class TLookupList {
public:
    // Replaces the texts; the folded index is built at once.
    void Assign(QStringList Texts);
    void Clear() { Assign({}); }
    int Count() const { return static_cast<int>(FTexts.size()); }
    bool Empty() const { return FTexts.isEmpty(); }
    const QString& Text(int Index) const { return FTexts[Index]; }
    const QStringList& Texts() const { return FTexts; }

    // The first position whose text starts with Prefix (upper-cased on both sides unless
    // CaseSensitive); -1 for none and for an empty Prefix.
    int FindPrefix(const QString& Prefix, bool CaseSensitive) const;
    // The first position whose text equals Value (ignoring case unless CaseSensitive);
    // -1 for none.
    int FindText(const QString& Value, bool CaseSensitive) const;

    static QString Fold(const QString& Text) { return Text.toUpper(); }

private:
    struct TIndex {
        std::vector<QString> Keys;       // sorted
        std::vector<int> Positions;      // list position of each sorted key
        // Minimum[k][i]: the smallest position among Keys[i .. i + 2^k - 1].
        std::vector<std::vector<int>> Minimum;
        bool Built = false;

        void Build(const QStringList& Texts, bool Folded);
        int FirstPosition(std::size_t From, std::size_t To) const;
        int FindPrefix(const QString& Key) const;
        int FindEqual(const QString& Key) const;
    };
    const TIndex& IndexFor(bool CaseSensitive) const;

    QStringList FTexts;
    TIndex FFolded;
    mutable TIndex FAsWritten;
};
