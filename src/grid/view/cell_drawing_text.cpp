// What a cell shows and where: its alignment and its formatted text.

#include "controls/text_utilities.h"
#include "controls/user_number_format.h"
#include "grid/core/string_grid.h"

namespace {
bool IsNumberKind(int kind) { return kind == ntInteger || kind == ntFloat || kind == ntScientific; }

// A formula, plain or as an escaped wide text ("|\" + two characters, then "=").
bool IsFormulaText(const QString& text) {
    if (text.startsWith(QLatin1Char('='))) return true;
    return text.size() > 3 && text.startsWith(QStringLiteral("|\\")) && text.at(3) == QLatin1Char('=');
}
}  // namespace

void TExStringGrid::ResolveCellAlignment(RealCol RCol, DisplRow ARow, TAlignment& HA, TVAlignment& VA) {
    HA = FDefaultAlignment;
    VA = FVAlignment;
    QString text = Cells(RCol.v, ARow.v);
    const bool formula = IsFormulaText(text);
    if (FAutoNumAlign) {
        // The grid's displayed text stands for a formula's computed value.
        if (formula) GetDisplText(DisplColIndex(RCol.v), ARow.v, text);
        if (IsNumberKind(ClassifyNumberText(text.trimmed()))) HA = taRightJustify;
    }
    if (const TCellProperties* props = PropsOf(RCol.v, ARow.v); props && !formula) HA = props->Alignment();
    GetCellAlignment(RCol, ARow, HA, VA);
}

TAlignment TExStringGrid::ResolveCellAlignment(int ACol, int ARow) {
    TAlignment horizontal;
    TVAlignment vertical;
    ResolveCellAlignment(RealCol(ACol), DisplRow(ARow), horizontal, vertical);
    return horizontal;
}

QString TExStringGrid::GetFormattedCell(RealCol ACol, DisplRow ARow) {
    const QString text = Cells(ACol.v, ARow.v);
    if (!OnGetFloatFormat || !IsNumberKind(ClassifyNumberText(text))) return text;
    bool isFloat = true;
    QString format = FFloatFormat;
    OnGetFloatFormat(this, ACol.v, ARow.v, isFloat, format);
    if (!isFloat || format.isEmpty()) return text;
    bool ok = false;
    const double value = NormalizeNumberText(text).toDouble(&ok);
    if (!ok) return text;
    // A format the user gave is never handed to a printf-style call; one that is not a
    // single numeric conversion shows the plain text.
    return FormatUserNumber(format, value).value_or(text);
}
