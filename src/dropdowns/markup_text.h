#pragma once
// What the drop-down controls need of the mini-HTML renderer: laying a marked-up
// caption out in a rectangle (measuring or painting it) and its plain text. Each is
// one replaceable function; the renderer installs itself here. Until then a stand-in
// treats the text as plain text without its tags, BR and HR tags as line breaks.
// The drop-down callers want left-to-right text, no picture container or image cache,
// gray hover, no hover text or background colour, and blue links.

#include "platform/canvas.h"
#include "platform/messages.h"

#include <QString>
#include <functional>

class TCustomImageList;

// Lays Text out in R with the canvas's font and returns the laid-out width and height;
// paints it only when Paint is set. Images serve inline image tags.
using TDrawMarkupTextFunction =
    std::function<TSize(TCanvas& Canvas, const QString& Text, const TRect& R, HWND Wnd, TCustomImageList* Images,
                        bool Paint)>;
using TMarkupToPlainTextFunction = std::function<QString(const QString& Text)>;

TSize DrawMarkupText(TCanvas& Canvas, const QString& Text, const TRect& R, HWND Wnd, TCustomImageList* Images,
                     bool Paint);
QString MarkupToPlainText(const QString& Text);

// An empty function puts the stand-in back.
void SetDrawMarkupText(TDrawMarkupTextFunction Function);
void SetMarkupToPlainText(TMarkupToPlainTextFunction Function);
