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

const QFont& CachedQFont(const TFont& font);
// Metrics as measured on the device. The reference holds until the next call.
const QFontMetrics& CachedFontMetrics(const TFont& font, const QPaintDevice* device);
// The size of text laid out with the Qt text flags in a box width pixels wide, as
// QFontMetrics::boundingRect gives it.
QSize CachedTextBounds(const TFont& font, const QPaintDevice* device, const QString& text, int flags, int width);
