#include "platform/action_link.h"

#include "platform/control.h"

namespace {
const char* const kGroupIndexProperty = "groupIndex";
}

int ActionGroupIndex(const QAction* Action) {
    return Action ? Action->property(kGroupIndexProperty).toInt() : 0;
}

void SetActionGroupIndex(QAction* Action, int Value) {
    if (!Action || ActionGroupIndex(Action) == Value) return;
    Action->setProperty(kGroupIndexProperty, Value);
    // A dynamic property tells nobody; the links listen to changed().
    emit Action->changed();
}

TControlActionLink::~TControlActionLink() { Disconnect(); }

void TControlActionLink::Disconnect() {
    if (FChanged) QObject::disconnect(FChanged);
    FChanged = {};
}

TControlActionLink::TActionValues TControlActionLink::ValuesOf(const QAction& Action) {
    return {Action.text(), Action.isChecked(), Action.isEnabled(), Action.toolTip(), Action.isVisible(),
            ActionGroupIndex(&Action)};
}

void TControlActionLink::SetAction(QAction* Value) {
    if (FAction == Value) return;
    Disconnect();
    FAction = Value;
    if (!Value) return;
    FFormer = ValuesOf(*Value);
    FChanged = QObject::connect(Value, &QAction::changed, Value, [this] { ActionChanged(); });
    FClient->SetCaption(FFormer.Caption);
    FClient->SetEnabled(FFormer.Enabled);
    FClient->SetHint(FFormer.Hint);
    FClient->SetVisible(FFormer.Visible);
}

bool TControlActionLink::Execute() {
    if (!FAction) return false;
    FAction->trigger();
    return true;
}

// Each changed property goes to the control only while the control still shows the
// value the action had; the tests read Former(), so it is updated afterwards.
void TControlActionLink::ActionChanged() {
    if (!FAction) return;
    const TActionValues now = ValuesOf(*FAction);
    if (now.Caption != FFormer.Caption && IsCaptionLinked()) SetCaption(now.Caption);
    if (now.Checked != FFormer.Checked && IsCheckedLinked()) SetChecked(now.Checked);
    if (now.Enabled != FFormer.Enabled && IsEnabledLinked()) SetEnabled(now.Enabled);
    if (now.Hint != FFormer.Hint && IsHintLinked()) SetHint(now.Hint);
    if (now.Visible != FFormer.Visible && IsVisibleLinked()) SetVisible(now.Visible);
    if (now.GroupIndex != FFormer.GroupIndex && IsGroupIndexLinked()) SetGroupIndex(now.GroupIndex);
    FFormer = now;
}

bool TControlActionLink::IsCaptionLinked() const { return FAction && FClient->Caption() == FFormer.Caption; }
bool TControlActionLink::IsEnabledLinked() const { return FAction && FClient->Enabled() == FFormer.Enabled; }
bool TControlActionLink::IsHintLinked() const { return FAction && FClient->Hint() == FFormer.Hint; }
bool TControlActionLink::IsVisibleLinked() const { return FAction && FClient->Visible() == FFormer.Visible; }

void TControlActionLink::SetCaption(const QString& Value) { FClient->SetCaption(Value); }
void TControlActionLink::SetEnabled(bool Value) { FClient->SetEnabled(Value); }
void TControlActionLink::SetHint(const QString& Value) { FClient->SetHint(Value); }
void TControlActionLink::SetVisible(bool Value) { FClient->SetVisible(Value); }
