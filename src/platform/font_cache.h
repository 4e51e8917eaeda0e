#pragma once
// The QFont, QFontMetrics and measured text boxes of the fonts painted last. Painting a
// grid asks for the same few fonts many times per cell, and for the same short texts
// ("Y", "N", the entries of a combo column) in many cells; building a QFont resolves
// its family and measuring lays the text out each time.

#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>

class QPaintDevice;
class QPainter;
class QTextLayout;

const QFont& CachedQFont(const TFont& font);
// Metrics as measured on the device. The reference holds until the next call.
const QFontMetrics& CachedFontMetrics(const TFont& font, const QPaintDevice* device);
// The size of text laid out with the Qt text flags in a box width pixels wide, as
// QFontMetrics::boundingRect gives it.
QSize CachedTextBounds(const TFont& font, const QPaintDevice* device, const QString& text, int flags, int width);
// The text laid out on one line as the painter lays it out to draw it with its current
// font (the font's), or null when the text is not that plain: empty, or holding line
// breaks, tabs or mnemonic marks. Shaping the text is most of drawing it. The pointer
// holds until the next call.
const QTextLayout* CachedTextLine(const TFont& font, const QPainter& painter, const QString& text);
