#pragma once
// Window messages between controls: numbered messages with two parameters and a
// result, sent directly (Perform, SendMessage) or through the event queue
// (PostMessage). A window handle is a number that names a live widget; a handle of a
// widget that is gone names nothing, so messages to it are dropped.

#include "platform/virtual_keys.h"

#include <QWidget>
#include <cstdint>

using HWND = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Message numbers, with the values of the platform the windows were designed on.
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WM_USER = 0x0400;

// Notification code of WM_COMMAND (high word of WParam): an edit's text changed.
constexpr unsigned EN_CHANGE = 0x0300;

// WParam of WM_SIZING: the edge or corner being dragged.
constexpr WPARAM WMSZ_BOTTOMRIGHT = 8;

constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;

constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr unsigned CN_KEYUP = CN_BASE + WM_KEYUP;

// Shift state carried in LParam of CM_DIALOGKEY and CM_DIALOGCHAR.
constexpr LPARAM ssShiftBit = 1;
constexpr LPARAM ssAltBit = 2;
constexpr LPARAM ssCtrlBit = 4;

// A widget that takes messages implements this next to being a QWidget.
class IMessageHandler {
public:
    virtual ~IMessageHandler() = default;
    virtual void WndProc(TMessage& Message) = 0;
};

// The handle of a widget, made on first use and kept while the widget lives.
HWND WindowHandle(QWidget* widget);
// The live widget a handle names, or nullptr.
QWidget* FindWindowOfHandle(HWND handle);

// Hands the message to the widget's WndProc at once; 0 when it takes no messages.
LRESULT Perform(QWidget* widget, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Perform on the window a handle names; 0 when that window is gone.
LRESULT SendMessage(HWND handle, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Delivers later from the event queue; dropped when the window is gone by then.
// False when the handle names no window now.
bool PostMessage(HWND handle, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Performs the message on every widget below parent that takes messages, in creation
// order, until one sets a non-zero result; returns that result.
LRESULT Broadcast(QWidget* parent, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
