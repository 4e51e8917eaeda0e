#include "dropdowns/strip_appearance.h"

void TStripAppearance::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    if (OnChange) OnChange(this);
}

void TStripAppearance::AssignColors(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TStripAppearance*>(Source);
    if (!source) return;
    FColorTo = source->FColorTo;
    FColor = source->FColor;
    FBorderColor = source->FBorderColor;
    FFont.Assign(source->FFont);
    FGradientDirection = source->FGradientDirection;
}

void TStripAppearance::AssignStrip(const TStripAppearance& Source) {
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FCaption = Source.FCaption;
    FFont.Assign(Source.FFont);
    FImageIndex = Source.FImageIndex;
    FBorderWidth = Source.FBorderWidth;
    FGradientDirection = Source.FGradientDirection;
    FHeight = Source.FHeight;
    SetVisible(Source.FVisible);
    FButtonAlignment = Source.FButtonAlignment;
}

void TStripAppearance::ForwardButtonChanges(TCollection& Buttons) {
    Buttons.OnChange = [this](TObject*) {
        if (OnButtonsChanged) OnButtonsChanged(this);
    };
}

THeaderAppearance::THeaderAppearance(TObject* AOwner) : TStripAppearance(AOwner), FButtons(AOwner) {
    FFont.Name = QStringLiteral("Tahoma");
    ForwardButtonChanges(FButtons);
}

void THeaderAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const THeaderAppearance*>(Source);
    if (!source || source == this) return;
    AssignStrip(*source);
    FButtons.Assign(&source->FButtons);
}

TFooterAppearance::TFooterAppearance(TObject* AOwner) : TStripAppearance(AOwner), FButtons(AOwner) {
    ForwardButtonChanges(FButtons);
}

void TFooterAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TFooterAppearance*>(Source);
    if (!source || source == this) return;
    AssignStrip(*source);
    FSizeGrip = source->FSizeGrip;
    FButtons.Assign(&source->FButtons);
}
