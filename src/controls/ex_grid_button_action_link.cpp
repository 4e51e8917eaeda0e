#include "controls/ex_grid_button_action_link.h"

#include "controls/ex_grid_button.h"

TExGridButtonActionLink::TExGridButtonActionLink(TExGridButton* AClient) : TControlActionLink(AClient) {
    FButton = AClient;
}

void TExGridButtonActionLink::AssignClient(TControl* AClient) {
    TControlActionLink::AssignClient(AClient);
    FButton = dynamic_cast<TExGridButton*>(AClient);
}

bool TExGridButtonActionLink::IsCaptionLinked() const {
    return TControlActionLink::IsCaptionLinked() && FButton->Caption() == Former().Caption;
}

bool TExGridButtonActionLink::IsCheckedLinked() const {
    return TControlActionLink::IsCheckedLinked() && FButton->GroupIndex() != 0 && FButton->AllowAllUp() &&
           FButton->Down() == Former().Checked;
}

bool TExGridButtonActionLink::IsGroupIndexLinked() const {
    return TControlActionLink::IsGroupIndexLinked() && FButton->GroupIndex() == Former().GroupIndex;
}

void TExGridButtonActionLink::SetCaption(const QString& Value) {
    if (IsCaptionLinked()) FButton->SetCaption(Value);
}

void TExGridButtonActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) FButton->SetDown(Value);
}

void TExGridButtonActionLink::SetGroupIndex(int Value) {
    if (IsGroupIndexLinked()) FButton->SetGroupIndex(Value);
}
