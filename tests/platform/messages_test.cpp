// Window handles and messages: a handle names a live widget only, sent messages
// arrive at once, posted ones later, and a broadcast stops at the first taker.

#include "platform/messages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <vector>

namespace {

class Receiver : public QWidget, public IMessageHandler {
public:
    explicit Receiver(QWidget* parent = nullptr, LRESULT answer = 0) : QWidget(parent), FAnswer(answer) {}
    void WndProc(TMessage& message) override {
        received.push_back(message.Msg);
        message.Result = FAnswer;
        if (onMessage) onMessage();
    }
    std::vector<unsigned> received;
    std::function<void()> onMessage;

private:
    LRESULT FAnswer;
};

TEST(MessagesTest, HandlesNameLiveWidgetsOnly) {
    auto widget = std::make_unique<Receiver>(nullptr, 7);
    const HWND handle = WindowHandle(widget.get());
    EXPECT_EQ(WindowHandle(widget.get()), handle);
    EXPECT_EQ(FindWindowOfHandle(handle), widget.get());
    EXPECT_EQ(SendMessage(handle, WM_USER + 1), 7);
    EXPECT_EQ(widget->received, std::vector<unsigned>{WM_USER + 1});

    widget.reset();
    EXPECT_EQ(FindWindowOfHandle(handle), nullptr);
    EXPECT_EQ(SendMessage(handle, WM_USER + 1), 0);
    EXPECT_FALSE(PostMessage(handle, WM_USER + 1));

    auto other = std::make_unique<Receiver>();
    EXPECT_NE(WindowHandle(other.get()), handle);  // handles are never reused
}

TEST(MessagesTest, PostedMessagesArriveLaterAndAreDroppedWhenTheWindowIsGone) {
    auto widget = std::make_unique<Receiver>();
    ASSERT_TRUE(PostMessage(WindowHandle(widget.get()), WM_USER + 2));
    EXPECT_TRUE(widget->received.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(widget->received, std::vector<unsigned>{WM_USER + 2});

    auto doomed = std::make_unique<Receiver>();
    ASSERT_TRUE(PostMessage(WindowHandle(doomed.get()), WM_USER + 3));
    doomed.reset();
    QCoreApplication::processEvents();  // must not touch the deleted window
}

TEST(MessagesTest, BroadcastStopsAtTheFirstControlThatTakesTheMessage) {
    QWidget window;
    auto* first = new Receiver(&window, 0);
    auto* taker = new Receiver(&window, 1);
    auto* last = new Receiver(&window, 1);
    EXPECT_EQ(Broadcast(&window, CM_DIALOGKEY, VK_RETURN), 1);
    EXPECT_EQ(first->received.size(), 1u);
    EXPECT_EQ(taker->received.size(), 1u);
    EXPECT_TRUE(last->received.empty());

    // A control may free another while it handles the message; the freed one is skipped.
    first->onMessage = [&] { delete taker; };
    EXPECT_EQ(Broadcast(&window, CM_DIALOGKEY, VK_RETURN), 1);
    EXPECT_EQ(last->received.size(), 1u);
}

}  // namespace
