#pragma once
// The grid's filter conditions (TFilter of TFilterData items). Columns are real. How a
// row is tested against them and held out is the grid's (grid_filter_active.cpp).

#include "controls/filter_condition.h"
#include "platform/component.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// Which text of a row a condition tests: the display text, the stored text, the text
// without markup, the text the grid saves, or every cell of the row joined by line breaks.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// How a condition's outcome joins the outcome so far; foSHORT stops at a failure.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// fmExpression: the condition is a filter expression; fmLiteral: the text equals it
// exactly; fmContains: the text holds the condition as typed (CaseSensitive applies),
// which the narrow-down and the automatic filter entries use so that no character of a
// typed or found text acts as an operator.
enum TFilterMethod { fmExpression, fmLiteral, fmContains };

class TFilterData : public TObject {
public:
    int Column = 0;
    QString Condition;
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    QString Prefix;
    QString Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
    // Copies everything but Method from another TFilterData; other sources are ignored.
    void Assign(const TObject* Source);
};

class TFilter : public TObject {
public:
    // Appends a condition: foNONE when it is the only one, else foAND.
    TFilterData& Add();
    // Appends a condition left at foSHORT (the index is not used).
    TFilterData& Insert(int Index);
    int Count() const { return int(FItems.size()); }
    TFilterData& Items(int Index) { return *FItems.at(std::size_t(Index)); }
    const TFilterData& Items(int Index) const { return *FItems.at(std::size_t(Index)); }
    void SetItems(int Index, const TFilterData& Value) { Items(Index).Assign(&Value); }
    void Clear() { FItems.clear(); }
    // True when an item with a condition tests the real column ACol.
    bool HasFilter(int ACol) const;
    // The first item of the real column Col, added (as by Add) when there is none. Items
    // live until removed, so the reference outlasts later additions.
    TFilterData& ColumnFilter(int Col);
    TFilterData& GetColFilter(int Col) { return ColumnFilter(Col); }
    // Deletes every item of the real column Col.
    void RemoveColumnFilter(int Col);

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

// The expressions of a filter's items parsed once for a run over the rows. An item's
// expression is parsed again only when its condition or case changed; Clear forgets them
// all, so that the next run reads the current format settings.
class TFilterMatchers {
public:
    const TFilterExpressionMatcher& For(int Index, const TFilterData& Item);
    void Clear() { FItems.clear(); }

private:
    struct TParsed {
        QString Condition;
        bool CaseSensitive = true;
        std::optional<TFilterExpressionMatcher> Matcher;
    };
    std::vector<TParsed> FItems;
};
