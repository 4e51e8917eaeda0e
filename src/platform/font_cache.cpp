#include "platform/font_cache.h"

#include <QCoreApplication>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct TTextBoundsKey {
    QString Text;
    int Flags;
    int Width;
    friend bool operator==(const TTextBoundsKey&, const TTextBoundsKey&) = default;
};

size_t qHash(const TTextBoundsKey& key, size_t seed = 0) { return qHashMulti(seed, key.Text, key.Flags, key.Width); }

// What a font measures and lays out on one device: metrics depend on the device's
// resolution, so the device they were made for is kept.
struct TDeviceTexts {
    const QPaintDevice* Device = nullptr;
    int DeviceDpi = 0;
    std::optional<QFontMetrics> Metrics;
    QHash<TTextBoundsKey, QSize> Bounds;
    // Lines laid out in the painter's font, which is the font resolved for the device.
    QFont LinesFont;
    QHash<QString, std::shared_ptr<QTextLayout>> Lines;
};

struct TFontCacheEntry {
    TFont Font;
    QFont QtFont;
    // A window paints its grids one after the other, each its own device; the most
    // recent device comes first.
    std::vector<TDeviceTexts> Devices;
};

// Enough for the fixed, normal, link and header fonts of one paint.
constexpr std::size_t kMaxFonts = 8;
// Enough for the grids of one window.
constexpr std::size_t kMaxDevicesPerFont = 4;
// Cell texts are mostly short and repeated; a grid of unique texts must not grow it
// without end.
constexpr qsizetype kMaxBoundsPerFont = 4096;
// A laid-out line keeps its glyphs (about a kilobyte for a cell's text), so fewer of
// them are kept: a screenful of a wide grid's texts.
constexpr qsizetype kMaxLinesPerFont = 512;

// Fonts are painted on the GUI thread; another thread that paints images keeps its own.
thread_local std::vector<TFontCacheEntry> tFonts;

void ClearFonts() { tFonts.clear(); }

// A widget's resolution is its screen's, which is slow to ask for on every cell and does
// not change under one paint; an image or pixmap is asked, since a new one may take the
// address of an old one with another resolution.
int ResolutionOf(const QPaintDevice* device) {
    if (!device || device->devType() == QInternal::Widget) return 0;
    return device->logicalDpiX() * 10000 + device->logicalDpiY();
}

TFontCacheEntry& EntryFor(const TFont& font) {
    for (std::size_t i = 0; i < tFonts.size(); ++i) {
        if (!(tFonts[i].Font == font)) continue;
        // The most recent font comes first, so the next look-up ends at once.
        if (i > 0) std::swap(tFonts[0], tFonts[i]);
        return tFonts[0];
    }
    static thread_local bool clearOnExit = false;
    if (!clearOnExit && QCoreApplication::instance()) {
        // Fonts must be gone before the application that owns the font database.
        qAddPostRoutine(ClearFonts);
        clearOnExit = true;
    }
    if (tFonts.size() >= kMaxFonts) tFonts.pop_back();
    tFonts.insert(tFonts.begin(), TFontCacheEntry{font, font.ToQFont(), {}});
    return tFonts[0];
}

TDeviceTexts& EntryWithMetrics(const TFont& font, const QPaintDevice* device) {
    TFontCacheEntry& entry = EntryFor(font);
    const int dpi = ResolutionOf(device);
    std::vector<TDeviceTexts>& devices = entry.Devices;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (devices[i].Device != device || devices[i].DeviceDpi != dpi) continue;
        if (i > 0) std::swap(devices[0], devices[i]);
        return devices[0];
    }
    if (devices.size() >= kMaxDevicesPerFont) devices.pop_back();
    devices.insert(devices.begin(), TDeviceTexts{device, dpi, QFontMetrics(entry.QtFont, device), {}, {}, {}});
    return devices[0];
}

}  // namespace

const QFont& CachedQFont(const TFont& font) { return EntryFor(font).QtFont; }

const QFontMetrics& CachedFontMetrics(const TFont& font, const QPaintDevice* device) {
    return *EntryWithMetrics(font, device).Metrics;
}

QSize CachedTextBounds(const TFont& font, const QPaintDevice* device, const QString& text, int flags, int width) {
    TDeviceTexts& entry = EntryWithMetrics(font, device);
    const TTextBoundsKey key{text, flags, width};
    if (auto found = entry.Bounds.constFind(key); found != entry.Bounds.constEnd()) return *found;
    constexpr int kUnbounded = 1 << 20;
    const QSize size = entry.Metrics->boundingRect(QRect(0, 0, width, kUnbounded), flags, text).size();
    if (entry.Bounds.size() >= kMaxBoundsPerFont) entry.Bounds.clear();
    entry.Bounds.insert(key, size);
    return size;
}

const QTextLayout* CachedTextLine(const TFont& font, const QPainter& painter, const QString& text) {
    if (text.isEmpty()) return nullptr;
    for (QChar c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == u'&' || c == QChar(0x9C) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return nullptr;
    TDeviceTexts& entry = EntryWithMetrics(font, painter.device());
    if (!(painter.font() == entry.LinesFont)) {
        entry.Lines.clear();
        entry.LinesFont = painter.font();
    }
    if (auto found = entry.Lines.constFind(text); found != entry.Lines.constEnd()) return found->get();
    auto layout = std::make_shared<QTextLayout>(text, painter.font());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    if (entry.Lines.size() >= kMaxLinesPerFont) entry.Lines.clear();
    return entry.Lines.insert(text, std::move(layout))->get();
}
