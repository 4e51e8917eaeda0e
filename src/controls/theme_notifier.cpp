#include "controls/theme_notifier.h"

#include "controls/office_theme.h"
#include "platform/application.h"
#include "platform/form.h"

namespace {
TThemeNotifier* TheNotifier = nullptr;
}

unsigned TRegMonitor::Filter() {
    if (FFilter == 0) FFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET |
                                REG_NOTIFY_CHANGE_SECURITY;
    return FFilter;
}

bool TRegMonitor::Start() {
    Stop();
    TRegistry reg;
    reg.SetRootKey(FRootKey);
    if (!reg.OpenKeyReadOnly(FKey)) {
        FErrorMessage = QStringLiteral("Unable to open registry key ") + FKey;
        return false;
    }
    reg.CloseKey();
    FWatch = std::make_unique<TRegistryWatch>(FRootKey, FKey, FWatchSub, Filter());
    FWatch->OnChange = [this] { Notify(); };
    return true;
}

void TRegMonitor::Stop() { FWatch.reset(); }

void TRegMonitor::Notify() {
    const auto root = WPARAM(FRootKey);
    const QString keyPath = FKey;
    const auto path = reinterpret_cast<LPARAM>(&keyPath);
    if (FWnd) SendMessage(FWnd, WM_OFFICETHEMECHANGED, root, path);
    // A window may register or unregister windows while it handles the message, so
    // the pass walks a copy and skips windows unregistered meanwhile; a window that
    // is gone has no live handle and gets nothing.
    const std::vector<HWND> pass = FWinList.ToVector();
    for (HWND handle : pass)
        if (FWinList.HasValue(handle)) SendMessage(handle, WM_OFFICETHEMECHANGED, root, path);
}

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner, QWidget* AParent)
    : TControlOf<QWidget>(AOwner, AParent) {
    hide();
}

void TThemeNotifierWindow::WndProc(TMessage& Message) {
    if (Message.Msg == WM_OFFICETHEMECHANGED && OnOfficeThemeChange) OnOfficeThemeChange(this);
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
    const int version = DetectOfficeVersion();
    if (version != 1 && version != 2) return;
    FNotifier = new TThemeNotifierWindow(this, DefaultParentWidget(AOwner, nullptr));
    FNotifier->OnOfficeThemeChange = [this](TObject*) {
        if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    };
    FRegMonitor = std::make_unique<TRegMonitor>();
    FRegMonitor->SetWnd(WindowHandle(FNotifier));
    FRegMonitor->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
    FRegMonitor->SetKey(version == 2 ? kOffice2010CommonKey : kOffice2007CommonKey);
    FRegMonitor->SetRootKey(HKEY_CURRENT_USER);
    FRegMonitor->SetWatchSub(true);
    FRegMonitor->Start();
}

TThemeNotifier::~TThemeNotifier() {
    FRegMonitor.reset();
    if (TheNotifier == this) TheNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Handle) {
    if (FRegMonitor && !FRegMonitor->WinList().HasValue(Handle)) FRegMonitor->WinList().Add(Handle);
}

void TThemeNotifier::UnRegisterWindow(HWND Handle) {
    if (FRegMonitor) FRegMonitor->WinList().DeleteValue(Handle);
}

TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner) {
    if (!TheNotifier) {
        TForm* mainForm = Application()->MainForm();
        const bool useMainForm = mainForm && mainForm->testAttribute(Qt::WA_WState_Created);
        TheNotifier = new TThemeNotifier(useMainForm ? mainForm : AOwner);
    }
    return TheNotifier;
}
