// The floating footer's settings: each setter brings the grid and its footer panel in
// line with the new value.

#include "grid/core/grid_feature_settings.h"

#include "grid/core/cell_properties.h"
#include "grid/core/string_grid.h"
#include "grid/view/footer_panel.h"

void TFloatingFooter::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFloatingFooter*>(Source);
    if (!source) return;
    CalculateHiddenRows = source->CalculateHiddenRows;
    FColor = source->FColor;
    FColumn = source->FColumn;
    FCustomTemplate = source->FCustomTemplate;
    FooterStyle = source->FooterStyle;
    SetVisible(source->Visible);
    SetShowHint(source->FShowHint);
}

void TFloatingFooter::SetVisible(bool Value) {
    Visible = Value;
    if (!FGrid) return;
    if (TFooterPanel* panel = FGrid->FooterPanel()) {
        panel->SetPanelHeight(Value ? Height - 1 : 0);
        panel->setVisible(Value);
    }
    const bool footerRow = Value && FooterStyle == fsFixedLastRow;
    FGrid->SetFixedFooters(footerRow ? 1 : 0);
    FGrid->FHideLastRow = footerRow;
    FGrid->InvalidateGrid();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
    FooterStyle = Value;
    if (!FGrid) return;
    FGrid->FHideLastRow = Value == fsFixedLastRow && Visible;
    FGrid->InvalidateGrid();
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value) {
    Height = Value;
    TFooterPanel* panel = FGrid ? FGrid->FooterPanel() : nullptr;
    if (panel && Value > 0) panel->SetPanelHeight(Value - 1);
}

void TFloatingFooter::SetShowHint(bool Value) {
    FShowHint = Value;
    if (TFooterPanel* panel = FGrid ? FGrid->FooterPanel() : nullptr) panel->SetShowHint(Value);
}

void TFloatingFooter::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(TColor Value) {
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value) {
    FCustomTemplate = Value;
    Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int c) const {
    if (!FGrid) return acNONE;
    const TCellProperties* props = FGrid->PropsOf(c, FGrid->RowCount() - 1);
    return props ? props->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value) {
    if (!FGrid) return;
    FGrid->WritableProps(c, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->UpdateFooterColumn(c);
}

void TFloatingFooter::Invalidate() {
    if (TFooterPanel* panel = FGrid ? FGrid->FooterPanel() : nullptr) panel->update();
}
