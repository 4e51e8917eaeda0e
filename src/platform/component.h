#pragma once
// Ownership model of the program's objects: an owner deletes the components it owns.

#include "platform/types.h"

#include <QString>
#include <functional>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const QString& Name() const { return FName; }
    virtual void SetName(const QString& name) { FName = name; }
    TComponentState ComponentState() const { return FComponentState; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
    TComponent* FindComponent(const QString& name) const;
    // Deletes every owned component, newest first.
    virtual void DestroyComponents();

    // AComponent hears Notification(this, opRemove) when this component is destroyed,
    // so it can forget a reference to a component it does not own. Either side being
    // destroyed first ends the arrangement.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Marks the component as being loaded; Loaded() runs when loading ends.
    void BeginLoading() { FComponentState.Include(csLoading); }
    void EndLoading();

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void Loaded() {}
    void SetDesigning(bool value);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* FOwner = nullptr;
    QString FName;
    TComponentState FComponentState;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};
