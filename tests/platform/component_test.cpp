#include "platform/component.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

namespace {
struct Tracked : TComponent {
    Tracked(TComponent* owner, int& deaths) : TComponent(owner), FDeaths(deaths) {}
    ~Tracked() override { ++FDeaths; }
    int& FDeaths;
};
}  // namespace

TEST(Component, OwnerDeletesWhatItOwnsAndAChildLeavesItsOwnerWhenDeleted) {
    int deaths = 0;
    auto* owner = new TComponent;
    auto* first = new Tracked(owner, deaths);
    new Tracked(owner, deaths);
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete first;
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner;
    EXPECT_EQ(deaths, 2);
}

TEST(Component, ControlsOwnedByAPanelAreFreedOnceWhicheverSideGoesFirst) {
    auto* panel = new TPanel(nullptr);
    auto* label = new TLabel(panel);
    label->SetName("L_Test");
    EXPECT_EQ(label->parentWidget(), panel);
    EXPECT_EQ(panel->findChild<QLabel*>("L_Test"), label);
    auto* edit = new TEdit(panel);
    delete edit;  // through Qt's side: it leaves the owner's list
    EXPECT_EQ(panel->ComponentCount(), 1);
    delete panel;  // no double free of the label
}

namespace {
// Forgets a referenced component when told of its removal.
struct Referrer : TComponent {
    TComponent* Referenced = nullptr;
    int Removals = 0;
    void Refer(TComponent* c) {
        Referenced = c;
        c->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Referenced) {
            Referenced = nullptr;
            ++Removals;
        }
    }
};
}  // namespace

TEST(Component, FreeNotificationTellsAReferrerOnceAndEndsWithEitherSide) {
    Referrer referrer;
    auto* referenced = new TComponent;
    referrer.Refer(referenced);
    referenced->FreeNotification(&referrer);  // asking twice registers once
    delete referenced;
    EXPECT_EQ(referrer.Referenced, nullptr);
    EXPECT_EQ(referrer.Removals, 1);

    // The referrer going first leaves nothing behind in the referenced component.
    TComponent survivor;
    auto* early = new Referrer;
    early->Refer(&survivor);
    delete early;

    Referrer stopped;
    TComponent* other = new TComponent;
    stopped.Refer(other);
    other->RemoveFreeNotification(&stopped);
    delete other;
    EXPECT_EQ(stopped.Removals, 0);
}
