#include "controls/lb_button.h"

TLbButton::TLbButton(TComponent* AOwner, QWidget* AParent) : TControlOf<QPushButton>(AOwner, AParent) {
    setAutoDefault(false);
    QObject::connect(this, &QPushButton::clicked, [this] { Click(); });
}

void TLbButton::Click() {
    if (!isVisible() || !isEnabled()) return;
    // The form's modal result is set after OnClick, so a handler can still stop the close.
    if (OnClick) OnClick(this);
    if (FModalResult == mrNone) return;
    if (auto* form = dynamic_cast<TForm*>(window())) form->SetModalResult(FModalResult);
}
