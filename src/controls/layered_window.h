#pragma once
// Layered windows on Qt: a window's whole-window opacity and a picture shown as its
// content. Both always succeed; they answer true like the guarded platform calls the
// callers were written against.

#include "platform/color.h"
#include "platform/types.h"

#include <QImage>

class QWidget;

// Flags of CallSetLayeredWindowAttributes.
constexpr unsigned LWA_COLORKEY = 0x1;
constexpr unsigned LWA_ALPHA = 0x2;

// With LWA_ALPHA the window gets the opacity alpha / 255. Qt has no colour key for a
// window, so keyColor is not applied: the callers draw their keyed pixels themselves.
bool CallSetLayeredWindowAttributes(QWidget* window, TColor keyColor, int alpha, unsigned flags);
// Moves the window to position (when given), shows image as its content at the image's
// size (when given) and sets the opacity alpha / 255.
bool CallUpdateLayeredWindow(QWidget* window, const TPoint* position, const QImage* image, int alpha);
