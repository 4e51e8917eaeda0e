#pragma once
// The command button of every window.

#include "platform/control.h"
#include "platform/form.h"

#include <QPushButton>

class TLbButton : public TControlOf<QPushButton> {
public:
    explicit TLbButton(TComponent* AOwner, QWidget* AParent = nullptr);

    QString Caption() const override { return text(); }
    void SetCaption(const QString& value) override { setText(value); }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    void Click();

private:
    TModalResult FModalResult = mrNone;
};
