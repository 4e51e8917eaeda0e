#pragma once
// The grid button's link to its action: besides a control's caption, enabled state, hint
// and visibility, the action's checked state becomes the button's Down and its group
// number the button's group, each only while the button agrees with the action.

#include "platform/action_link.h"

class TExGridButton;

class TExGridButtonActionLink : public TControlActionLink {
public:
    explicit TExGridButtonActionLink(TExGridButton* AClient);

protected:
    void AssignClient(TControl* AClient) override;
    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetCaption(const QString& Value) override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;

private:
    TExGridButton* FButton = nullptr;
};
