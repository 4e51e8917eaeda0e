#pragma once
// The search footer's edit: Enter is a command (find next, or find previous with Ctrl),
// never a line break.

#include "platform/standard_controls.h"

class TRetEdit : public TEdit {
public:
    explicit TRetEdit(TComponent* AOwner, QWidget* AParent = nullptr) : TEdit(AOwner, AParent) {}

    // The colour is the edit's background (clWindow again with clDefault or clWindow).
    void SetColor(TColor value) override;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
