#include "grid/view/gif_frames.h"

#include <functional>

namespace {

constexpr qsizetype kFrameMarkerSize = 17;  // control block (8 bytes) + image descriptor head (9)

int Word(const QByteArray& data, qsizetype at) {
    return static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8);
}

bool IsFrameMarker(const QByteArray& data, qsizetype p) {
    return p + kFrameMarkerSize <= data.size() && static_cast<unsigned char>(data[p]) == 0x21 &&
           static_cast<unsigned char>(data[p + 1]) == 0xF9 && data[p + 2] == 0x04 &&
           static_cast<unsigned char>(data[p + 8]) == 0x2C;
}

// Calls visit(position, number) for each frame marker until it returns false.
void ForEachFrame(const QByteArray& data, const std::function<bool(qsizetype, int)>& visit) {
    int number = 0;
    for (qsizetype p = 0; p + kFrameMarkerSize <= data.size(); ++p)
        if (IsFrameMarker(data, p) && !visit(p, ++number)) return;
}

}  // namespace

bool IsGifData(const QByteArray& data) { return data.size() >= 5 && data.startsWith("GIF8"); }

int CountGifFrames(const QByteArray& data) {
    if (!IsGifData(data)) return 0;
    int count = 0;
    ForEachFrame(data, [&](qsizetype, int number) {
        count = number;
        return true;
    });
    return count;
}

int GifFrameDelay(const QByteArray& data, int frame) {
    if (!IsGifData(data)) return -1;
    int delay = -1;
    ForEachFrame(data, [&](qsizetype p, int number) {
        if (number != frame) return true;
        delay = Word(data, p + 4);
        return false;
    });
    return delay;
}

TGifFrameSelection SelectGifFrame(const QByteArray& data, int frame) {
    TGifFrameSelection selection;
    if (data.size() >= 10) {
        selection.ScreenWidth = Word(data, 6);
        selection.ScreenHeight = Word(data, 8);
    }
    qsizetype first = -1;
    qsizetype selected = -1;
    ForEachFrame(data, [&](qsizetype p, int number) {
        if (first < 0) first = p;
        if (number != frame) return true;
        selected = p;
        selection.FrameX = Word(data, p + 9);
        selection.FrameY = Word(data, p + 11);
        selection.FrameWidth = Word(data, p + 13);
        selection.FrameHeight = Word(data, p + 15);
        return false;
    });
    if (first < 0) {
        selection.Data = data;
        return selection;
    }
    selection.Data = data.left(first);
    if (selected >= 0) selection.Data += data.mid(selected);
    return selection;
}
