// The control style, colour tones and selection painting of the drop-down edit.

#include "controls/gradient_drawing.h"
#include "dropdowns/drop_down_button.h"
#include "dropdowns/drop_down_edit.h"
#include "dropdowns/drop_down_form.h"
#include "dropdowns/dropdown_styles.h"
#include "dropdowns/selection_painting.h"

void TExCustomDropDown::SetComponentStyle(TZRTStyle AStyle) {
    FZRTStyle = AStyle;
    TPopupStyleColors popup;
    if (!ApplyDropDownStyle(AStyle, *FDropDownHeader, *FDropDownFooter, *FButtonAppearance, popup)) return;
    FDropDownColor = popup.DropDownColor;
    FDropDownColorTo = popup.DropDownColorTo;
    if (popup.SetsBorderColor) FDropDownBorderColor = popup.DropDownBorderColor;
    if (FDropDownForm) FDropDownForm->update();
}

void TExCustomDropDown::SetColorTones(const TColorTones& ATones) {
    if (FButton) {
        FButton->SetButtonColor(ATones.Background.BrushColor);
        FButton->SetButtonColorHot(ATones.Hover.BrushColor);
        FButton->SetButtonColorDown(ATones.Selected.BrushColor);
        FButton->SetButtonBorderColor(ATones.Background.BorderColor);
        FButton->InnerButton()->update();
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    FSelectionColorStyle = Value;
    ApplySelectionColorStyle(Value, FSelectionColor, FSelectionColorTo);
}

void TExCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int ButtonType, TColor CornerColor) {
    ::DrawSelectionBackground(Canvas, R, ButtonType, CornerColor, FSelectionColorStyle, FSelectionColor,
                              FSelectionColorTo);
}

void TExCustomDropDown::DrawGradientRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                         TGradientDirection Direction) {
    DrawGradient(Canvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}
