// The theme notifier: a monitor only with Office 2007 or 2010 settings, message 2993
// to its hidden window and to registered windows when the theme value changes, and a
// handle list that stays sound while windows come, go and unregister.

#include "controls/theme_notifier.h"
#include "registry_file_test.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <functional>
#include <memory>

namespace {

class ThemeWindow : public QWidget, public IMessageHandler {
public:
    void WndProc(TMessage& message) override {
        if (message.Msg != WM_OFFICETHEMECHANGED) return;
        ++received;
        keyPath = *reinterpret_cast<const QString*>(message.LParam);
        root = HKEY(message.WParam);
        if (onMessage) onMessage();
    }
    int received = 0;
    QString keyPath;
    HKEY root = 0;
    std::function<void()> onMessage;
};

using ThemeNotifierTest = RegistryFileTest;

constexpr const char* kOffice2010 = "[Software\\Microsoft\\Office\\14.0\\Common\\General]\n"
                                    "[Software\\Microsoft\\Office\\14.0\\Common]\nTheme=1\n";

TEST(HandleListTest, KeepsOrderAndChecksIndexes) {
    THandleList list;
    list.Add(10);
    list.Add(30);
    list.Insert(1, 20);
    list.Insert(3, 40);
    EXPECT_EQ(list.ToVector(), (std::vector<HWND>{10, 20, 30, 40}));
    list.SetItems(0, 11);
    EXPECT_EQ(list.Items(0), 11);
    list.Delete(0);
    list.DeleteValue(30);
    list.DeleteValue(99);
    EXPECT_EQ(list.ToVector(), (std::vector<HWND>{20, 40}));
    EXPECT_TRUE(list.HasValue(40));
    EXPECT_FALSE(list.HasValue(30));
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(4, 1), EListError);
}

TEST_F(ThemeNotifierTest, WithoutOfficeSettingsThereIsNoMonitorAndRegistrationIsIgnored) {
    Store("[Software\\Microsoft\\Office\\11.0\\Common\\General]\n");
    TThemeNotifier notifier(nullptr);
    EXPECT_EQ(notifier.RegMonitor(), nullptr);
    EXPECT_EQ(notifier.Notifier(), nullptr);
    notifier.RegisterWindow(1234);
    notifier.UnRegisterWindow(1234);
}

TEST_F(ThemeNotifierTest, RegistersEachWindowOnce) {
    Store(kOffice2010);
    TThemeNotifier notifier(nullptr);
    ASSERT_NE(notifier.RegMonitor(), nullptr);
    EXPECT_EQ(notifier.RegMonitor()->Key(), QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common"));
    EXPECT_EQ(notifier.RegMonitor()->Filter(), REG_NOTIFY_CHANGE_LAST_SET);
    EXPECT_TRUE(notifier.RegMonitor()->Running());
    notifier.RegisterWindow(77);
    notifier.RegisterWindow(77);
    notifier.UnRegisterWindow(88);
    EXPECT_EQ(notifier.RegMonitor()->WinList().ToVector(), std::vector<HWND>{77});
    notifier.UnRegisterWindow(77);
    EXPECT_EQ(notifier.RegMonitor()->WinList().Count(), 0);
}

TEST_F(ThemeNotifierTest, ThemeChangeReachesTheNotifierAndRegisteredWindowsOnly) {
    Store(kOffice2010);
    TThemeNotifier notifier(nullptr);
    int notified = 0;
    notifier.OnOfficeThemeChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &notifier);
        ++notified;
    };
    ThemeWindow registered, unregistered;
    auto gone = std::make_unique<ThemeWindow>();
    notifier.RegisterWindow(WindowHandle(&registered));
    notifier.RegisterWindow(WindowHandle(gone.get()));
    WindowHandle(&unregistered);
    gone.reset();  // a window that closed without unregistering

    Store("[Software\\Microsoft\\Office\\14.0\\Common\\General]\n"
          "[Software\\Microsoft\\Office\\14.0\\Common]\nTheme=3\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return notified == 1; }));
    EXPECT_EQ(registered.received, 1);
    EXPECT_EQ(registered.keyPath, QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common"));
    EXPECT_EQ(registered.root, HKEY_CURRENT_USER);
    EXPECT_EQ(unregistered.received, 0);
}

TEST_F(ThemeNotifierTest, AWindowMayUnregisterOthersWhileTheNotificationRuns) {
    Store(kOffice2010);
    TThemeNotifier notifier(nullptr);
    ThemeWindow first, second, third;
    first.onMessage = [&] {
        notifier.UnRegisterWindow(WindowHandle(&second));
        notifier.RegisterWindow(WindowHandle(&third));
    };
    notifier.RegisterWindow(WindowHandle(&first));
    notifier.RegisterWindow(WindowHandle(&second));

    Store("[Software\\Microsoft\\Office\\14.0\\Common\\General]\n"
          "[Software\\Microsoft\\Office\\14.0\\Common]\nTheme=2\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.received == 1; }));
    EXPECT_EQ(second.received, 0);
    EXPECT_EQ(third.received, 0);  // joins from the next change on
    EXPECT_EQ(notifier.RegMonitor()->WinList().ToVector(), (std::vector<HWND>{WindowHandle(&first), WindowHandle(&third)}));
}

TEST_F(ThemeNotifierTest, MonitorOfAMissingKeyNeverStarts) {
    TRegMonitor monitor;
    monitor.SetKey(QStringLiteral("Software\\Nowhere"));
    EXPECT_FALSE(monitor.Start());
    EXPECT_FALSE(monitor.Running());
    EXPECT_EQ(monitor.ErrorMessage(), QStringLiteral("Unable to open registry key Software\\Nowhere"));
    EXPECT_EQ(monitor.Filter(), 15u);
}

TEST_F(ThemeNotifierTest, InstanceIsOneNotifierUntilItsOwnerFreesIt) {
    Store("");
    auto owner = std::make_unique<TComponent>(nullptr);
    TThemeNotifier* first = ThemeNotifierInstance(owner.get());
    EXPECT_EQ(ThemeNotifierInstance(nullptr), first);
    EXPECT_EQ(first->Owner(), owner.get());
    owner.reset();
    auto next = std::make_unique<TComponent>(nullptr);
    EXPECT_EQ(ThemeNotifierInstance(next.get())->Owner(), next.get());
}

}  // namespace
