#include "platform/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

namespace {

void EraseOne(std::vector<TComponent*>& list, TComponent* item) {
    const auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::~TComponent() {
    FComponentState.Include(csDestroying);
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseOne(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    // Each component leaves this list as it is deleted.
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        delete last;
        if (!FComponents.empty() && FComponents.back() == last) FComponents.pop_back();
    }
}

TComponent* TComponent::FindComponent(const QString& name) const {
    for (TComponent* c : FComponents)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

void TComponent::EndLoading() {
    if (!FComponentState.Contains(csLoading)) return;
    FComponentState.Exclude(csLoading);
    Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) != FFreeNotifies.end()) return;
    FFreeNotifies.push_back(AComponent);
    AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    EraseOne(FFreeNotifies, AComponent);
    EraseOne(AComponent->FFreeNotifies, this);
}

void TComponent::SetDesigning(bool value) {
    if (value) FComponentState.Include(csDesigning);
    else FComponentState.Exclude(csDesigning);
}

void TComponent::InsertComponent(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    component->FOwner = nullptr;
    if (!FComponentState.Contains(csDestroying)) Notification(component, opRemove);
}
