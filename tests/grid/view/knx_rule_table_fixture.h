#pragma once
// A table like the KNX rule editor's, built with TExStringGrid and its events: 19
// columns with their headers, widths and colours, Y/N check-box columns, combo columns
// whose drop-down buttons always show, and a fixed row-number column. Rows from
// FilledRows on stay empty (a view shows only the first ones).

#include "grid/core/string_grid.h"

#include <QString>
#include <array>

struct TKnxRuleColumn {
    const char* Header;
    int Width;
    TColor Color;  // clWindow for the window's colour
    enum Kind { Number, Check, Edit, Combo } Editor;
};

inline const std::array<TKnxRuleColumn, 19>& KnxRuleColumns() {
    static const std::array<TKnxRuleColumn, 19> columns = {{
        {"N", 40, clWindow, TKnxRuleColumn::Number},
        {"Enable", 50, TColor(11589887), TKnxRuleColumn::Check},
        {"Source Add", 70, TColor(16710368), TKnxRuleColumn::Edit},
        {"Dest/Group", 80, TColor(16710368), TKnxRuleColumn::Edit},
        {"APCI", 60, TColor(16710368), TKnxRuleColumn::Combo},
        {"Priority", 75, TColor(16710368), TKnxRuleColumn::Combo},
        {"Format", 110, TColor(11075583), TKnxRuleColumn::Combo},
        {"Mul. Factor", 85, TColor(11075583), TKnxRuleColumn::Edit},
        {"Extended", 68, TColor(11075583), TKnxRuleColumn::Check},
        {"ReTest", 50, TColor(11075583), TKnxRuleColumn::Check},
        {"OnCMD", 52, TColor(11075496), TKnxRuleColumn::Check},
        {"OnChange", 71, TColor(11075496), TKnxRuleColumn::Check},
        {"OnTimer", 62, TColor(11075496), TKnxRuleColumn::Check},
        {"Poll Time", 67, TColor(11075496), TKnxRuleColumn::Edit},
        {"Position", 55, TColor(16045820), TKnxRuleColumn::Combo},
        {"Bit Mode", 55, TColor(16045820), TKnxRuleColumn::Combo},
        {"Length", 55, TColor(16045820), TKnxRuleColumn::Edit},
        {"TimeOut", 65, TColor(16766421), TKnxRuleColumn::Edit},
        {"Mnemonic", 96, clWindow, TKnxRuleColumn::Edit},
    }};
    return columns;
}

// The text a rule cell holds: check boxes alternate between "Y" and "N".
inline QString KnxRuleText(int ACol, int ARow) {
    static const char* const formats[] = {"None", "Swap16", "Swap32", "Int to Float"};
    static const char* const priorities[] = {"System", "Urgent", "Normal", "Low"};
    switch (ACol) {
    case 0: return QString::number(ARow);
    case 2: return QStringLiteral("1.1.%1").arg(ARow % 256);
    case 3: return QStringLiteral("%1/%2/%3").arg(ARow % 32).arg(ARow % 8).arg(ARow % 256);
    case 4: return ARow % 2 ? QStringLiteral("Write") : QStringLiteral("Read");
    case 5: return QString::fromLatin1(priorities[ARow % 4]);
    case 6: return QString::fromLatin1(formats[ARow % 4]);
    case 7: return QStringLiteral("1.0");
    case 13: return QString::number(100 * (ARow % 10));
    case 14: return QString::number(ARow % 1500);
    case 15: return ARow % 9 ? QString::number(ARow % 8) : QStringLiteral("No");
    case 16: return QString::number(1 + ARow % 4);
    case 17: return QStringLiteral("500");
    case 18: return QStringLiteral("Rule %1").arg(ARow);
    default: break;
    }
    return (ACol + ARow) % 3 ? QStringLiteral("Y") : QStringLiteral("N");
}

inline void BuildKnxRuleTable(TExStringGrid& Grid, int Rows, int FilledRows) {
    const auto& columns = KnxRuleColumns();
    Grid.SetColCount(int(columns.size()));
    Grid.SetRowCount(Rows + 1);
    Grid.SetDefaultRowHeight(22);
    Grid.ControlLook()->DropDownAlwaysVisible = true;
    for (int c = 0; c < int(columns.size()); ++c) {
        Grid.SetColWidths(c, columns[std::size_t(c)].Width);
        Grid.SetCells(c, 0, QString::fromLatin1(columns[std::size_t(c)].Header));
    }
    for (int r = 1; r <= std::min(Rows, FilledRows); ++r) {
        for (int c = 0; c < int(columns.size()); ++c) {
            const QString text = KnxRuleText(c, r);
            Grid.SetCells(c, r, text);
            if (columns[std::size_t(c)].Editor == TKnxRuleColumn::Check)
                Grid.CreateCellGraphic(c, r)->SetCheckBox(text == QLatin1String("Y"), true, false, haCenter, vaCenter);
        }
    }
    Grid.OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        if (ARow == 0 || ACol <= 0 || ACol >= int(KnxRuleColumns().size())) return;
        const TColor colour = KnxRuleColumns()[std::size_t(ACol)].Color;
        if (colour != clWindow) ABrush->Color = colour;
    };
    Grid.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol < 0 || ACol >= int(KnxRuleColumns().size())) return;
        const auto kind = KnxRuleColumns()[std::size_t(ACol)].Editor;
        if (kind == TKnxRuleColumn::Combo) AEditor = edComboList;
        if (kind == TKnxRuleColumn::Check) AEditor = edCheckBox;
    };
    // The Enable check boxes stand centred, the other check boxes at the left.
    Grid.OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 1 && ARow > 0) HAlign = taCenter;
    };
}

// A grid is created in glXP with the constructor's colours; passing through another
// look applies the full preset of the wanted one (hover and pressed colours included),
// as a form saved in the designer holds them.
inline void ApplyKnxLook(TExStringGrid& Grid, TGridLook Look) {
    Grid.SetLook(Look == glStandard ? glXP : glStandard);
    Grid.SetLook(Look);
}

// The rule table with the hover and press state set as the mouse handling sets it.
class TKnxRuleGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    void HoverRowAt(int ARow) {
        SetHoverRow(true);
        FHoverRowIdx = ARow;
        InvalidateGrid();
    }
    void HoverFixedCellAt(int ACol, int ARow) {
        if (HoverFixedCellsKind() == hfNone) SetHoverFixedCellsKind(hfAll);
        SetHoverFixedCell(ACol, ARow);
        InvalidateGrid();
    }
    void PressHoveredFixedCell(bool OnDropDownButton) {
        FMouseDownMove = true;
        FDropDownDown = OnDropDownButton;
        InvalidateGrid();
    }
    void PushFixedCell(int ACol, int ARow) {
        FPushedFixedCell = {ACol, ARow};
        FFixedCellPushed = true;
        InvalidateGrid();
    }
};
