#pragma once
// Tells windows when the user's Office colour theme changes. The notifier exists once
// per process (ThemeNotifierInstance); when Office 2007 or 2010 settings exist it
// runs a monitor on their key, which sends WM_OFFICETHEMECHANGED to the notifier's
// hidden window and to every registered window. Without those settings there is no
// monitor: registrations are ignored and nothing is ever sent.

#include "controls/handle_list.h"
#include "platform/component.h"
#include "platform/control.h"
#include "platform/messages.h"
#include "platform/registry.h"

#include <QString>
#include <memory>

// WParam: the monitored root key; LParam: a pointer to the monitored key path
// (a QString, valid while the message is handled).
constexpr unsigned WM_OFFICETHEMECHANGED = 2993;

// Watches a key of the settings store and notifies windows of each change. It runs
// on the user-interface thread from the store's change notification; every window
// handles the message while the monitor waits, as with a sent message.
class TRegMonitor {
public:
    TRegMonitor() = default;
    ~TRegMonitor() { Stop(); }

    QString Key() const { return FKey; }
    void SetKey(const QString& value) { FKey = value; }
    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY value) { FRootKey = value; }
    bool WatchSub() const { return FWatchSub; }
    void SetWatchSub(bool value) { FWatchSub = value; }
    // Reading a filter of 0 makes it 15, every change kind.
    unsigned Filter();
    void SetFilter(unsigned value) { FFilter = value; }
    HWND Wnd() const { return FWnd; }
    void SetWnd(HWND value) { FWnd = value; }
    THandleList& WinList() { return FWinList; }

    // Opens the key and starts watching it; false (with ErrorMessage set) when the
    // key cannot be opened, and then nothing is ever sent.
    bool Start();
    void Stop();
    bool Running() const { return FWatch != nullptr; }
    QString ErrorMessage() const { return FErrorMessage; }

private:
    void Notify();

    QString FKey;
    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FWatchSub = false;
    unsigned FFilter = 0;
    HWND FWnd = 0;
    THandleList FWinList;
    std::unique_ptr<TRegistryWatch> FWatch;
    QString FErrorMessage;
};

// The notifier's hidden window: calls OnOfficeThemeChange on WM_OFFICETHEMECHANGED.
class TThemeNotifierWindow : public TControlOf<QWidget>, public IMessageHandler {
public:
    explicit TThemeNotifierWindow(TComponent* AOwner, QWidget* AParent = nullptr);
    TNotifyEvent OnOfficeThemeChange;
    void WndProc(TMessage& Message) override;
};

class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    void RegisterWindow(HWND Handle);
    void UnRegisterWindow(HWND Handle);

    TRegMonitor* RegMonitor() const { return FRegMonitor.get(); }
    TThemeNotifierWindow* Notifier() const { return FNotifier; }
    TNotifyEvent OnOfficeThemeChange;

private:
    std::unique_ptr<TRegMonitor> FRegMonitor;
    TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's notifier, made on first use. Its owner is the application's main
// form once that exists, otherwise AOwner.
TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner);
