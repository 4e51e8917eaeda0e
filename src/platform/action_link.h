#pragma once
// A control's link to a QAction. A change of the action's caption, enabled or checked
// state, hint, visibility or group number reaches the control when the control still
// shows the action's former value of that property, so a value the control's owner set
// on the control itself is kept. Descendants decide per property what "shows" means.

#include <QAction>
#include <QMetaObject>
#include <QPointer>

class TControl;

// The group number of an action: buttons of one group are exclusive.
int ActionGroupIndex(const QAction* Action);
// Stores the group number and tells the action's links.
void SetActionGroupIndex(QAction* Action, int Value);

class TControlActionLink {
public:
    explicit TControlActionLink(TControl* AClient) { AssignClient(AClient); }
    virtual ~TControlActionLink();
    TControlActionLink(const TControlActionLink&) = delete;
    TControlActionLink& operator=(const TControlActionLink&) = delete;

    QAction* Action() const { return FAction; }
    // Links the action (nullptr unlinks) and gives the control its caption, enabled
    // state, hint and visibility.
    void SetAction(QAction* Value);
    // Triggers the action; false when none is linked.
    bool Execute();

protected:
    struct TActionValues {
        QString Caption;
        bool Checked = false;
        bool Enabled = true;
        QString Hint;
        bool Visible = true;
        int GroupIndex = 0;
    };
    // The action's values before the change being passed on.
    const TActionValues& Former() const { return FFormer; }

    virtual void AssignClient(TControl* AClient) { FClient = AClient; }
    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const { return FAction != nullptr; }
    virtual bool IsEnabledLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsVisibleLinked() const;
    virtual bool IsGroupIndexLinked() const { return FAction != nullptr; }
    virtual void SetCaption(const QString& Value);
    // A plain control has no checked state or group.
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool Value);
    virtual void SetHint(const QString& Value);
    virtual void SetVisible(bool Value);
    virtual void SetGroupIndex(int) {}

    TControl* FClient = nullptr;

private:
    static TActionValues ValuesOf(const QAction& Action);
    void ActionChanged();
    void Disconnect();

    QPointer<QAction> FAction;
    QMetaObject::Connection FChanged;
    TActionValues FFormer;
};
