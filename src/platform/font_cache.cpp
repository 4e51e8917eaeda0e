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

struct TFontCacheEntry {
    TFont Font;
    QFont QtFont;
    // Metrics depend on the device's resolution; the device they were made for is kept.
    const QPaintDevice* Device = nullptr;
    int DeviceDpi = 0;
    std::optional<QFontMetrics> Metrics;
    QHash<TTextBoundsKey, QSize> Bounds;
    // Lines laid out in the painter's font, which is the font resolved for the device.
    QFont LinesFont;
    QHash<QString, std::shared_ptr<QTextLayout>> Lines;
};

// Enough for the fixed, normal, link and header fonts of one paint.
constexpr std::size_t kMaxFonts = 8;
// Cell texts are mostly short and repeated; a grid of unique texts must not grow it
// without end.
constexpr qsizetype kMaxBoundsPerFont = 4096;
// A laid-out line keeps its glyphs, so fewer of them are kept.
constexpr qsizetype kMaxLinesPerFont = 1024;

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
    tFonts.insert(tFonts.begin(), TFontCacheEntry{font, font.ToQFont(), nullptr, 0, std::nullopt, {}, {}, {}});
    return tFonts[0];
}

TFontCacheEntry& EntryWithMetrics(const TFont& font, const QPaintDevice* device) {
    TFontCacheEntry& entry = EntryFor(font);
    const int dpi = ResolutionOf(device);
    if (!entry.Metrics || entry.Device != device || entry.DeviceDpi != dpi) {
        entry.Metrics.emplace(entry.QtFont, device);
        entry.Device = device;
        entry.DeviceDpi = dpi;
        entry.Bounds.clear();
        entry.Lines.clear();
    }
    return entry;
}

}  // namespace

const QFont& CachedQFont(const TFont& font) { return EntryFor(font).QtFont; }

const QFontMetrics& CachedFontMetrics(const TFont& font, const QPaintDevice* device) {
    return *EntryWithMetrics(font, device).Metrics;
}

QSize CachedTextBounds(const TFont& font, const QPaintDevice* device, const QString& text, int flags, int width) {
    TFontCacheEntry& entry = EntryWithMetrics(font, device);
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
    TFontCacheEntry& entry = EntryWithMetrics(font, painter.device());
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
