#pragma once
// THTMLSettings: the look of the grid's HTML document (SaveToHTMLString). Created with
// the grid and freed with it.

#include "grid/core/grid_utility_lists.h"
#include "platform/component.h"

#include <QString>
#include <memory>

class THTMLSettings : public TObject {
public:
    THTMLSettings() : ColWidthsList(std::make_unique<TIntList>(-1, -1)) {}
    // Copies every setting except ExportImages and the ColWidths entries.
    void Assign(const THTMLSettings& Source);

    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    QString FooterFile;
    QString HeaderFile;
    bool NonBreakingText = false;
    QString PrefixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    QString SuffixTag;
    QString Summary;
    QString TableStyle;
    int Width = 100;
    bool XHTML = false;
    TIntList* ColWidths() const { return ColWidthsList.get(); }

private:
    std::unique_ptr<TIntList> ColWidthsList;
};
