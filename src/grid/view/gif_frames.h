#pragma once
// The frames of a GIF file, found by walking its bytes: a frame starts where a graphic
// control block (21 F9 04, four data bytes, 00) is directly followed by an image
// descriptor (2C and four 16-bit little-endian values: x, y, width, height). Every read
// is checked against the data's size, so any byte string is safe to walk.

#include <QByteArray>

bool IsGifData(const QByteArray& data);
// 0 for data that is not GIF or holds no frame.
int CountGifFrames(const QByteArray& data);
// The delay of frame (1-based) in hundredths of a second; -1 when there is no such frame.
int GifFrameDelay(const QByteArray& data, int frame);

struct TGifFrameSelection {
    QByteArray Data;  // the GIF with the frames before the selected one left out
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int FrameX = 0;
    int FrameY = 0;
    int FrameWidth = 0;
    int FrameHeight = 0;
};

// Keeps everything before the first frame and everything from the selected frame on, so
// a reader that shows the first frame it meets shows the selected one.
TGifFrameSelection SelectGifFrame(const QByteArray& data, int frame);
