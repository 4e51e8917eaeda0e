// Stand-ins for the cell drawing's GetFontProperties and LookToCaption until they land.

#include "grid/core/string_grid.h"

void TExStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                                      bool) {
    AFont = (ACol < TStringGrid::FixedCols() || ARow < TStringGrid::FixedRows()) ? *FFixedFont : GridFont();
    GetCellColor(RealCol(RCol), DisplRow(ARow), AState, &ABrush, &AFont);
}

QString TExStringGrid::LookToCaption(TGridLook Look) {
    static const char* const captions[] = {"Standard", "Soft", "Classic", "ZRT", "Windows XP", "ListView",
                                           "Windows Vista", "Windows 7", "Office2007", ""};
    return QString::fromLatin1(captions[Look]);
}
