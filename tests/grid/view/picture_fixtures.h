#pragma once
// Picture bytes for tests: one-colour image files (PNG unless asked otherwise), and small GIF files with a 4-colour palette
// (0 white, 1 red, 2 green, 3 blue) whose frames are filled with one colour, each behind
// a graphic control block.

#include "grid/view/html_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <vector>

inline QByteArray ImageFileBytes(QColor color, int width = 10, int height = 10, const char* format = "PNG") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Loads through a stream, so bytes that are no picture raise.
inline void LoadBytes(THTMLPicture& picture, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

struct GifFrameSpec {
    int X, Y, Width, Height;
    int ColorIndex;
    int Delay;  // hundredths of a second
};

inline QByteArray BuildGif(int screenWidth, int screenHeight, const std::vector<GifFrameSpec>& frames) {
    QByteArray gif("GIF89a");
    auto word = [&](int v) {
        gif.append(char(v & 0xFF));
        gif.append(char((v >> 8) & 0xFF));
    };
    word(screenWidth);
    word(screenHeight);
    gif.append(char(0x81));  // global colour table of 4 entries
    gif.append(char(0));
    gif.append(char(0));
    const unsigned char palette[] = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    gif.append(reinterpret_cast<const char*>(palette), sizeof palette);
    for (const GifFrameSpec& f : frames) {
        gif.append("\x21\xF9\x04", 3);
        gif.append(char(0x04));  // keep the frame (disposal 1), no transparency
        word(f.Delay);
        gif.append(char(0));
        gif.append(char(0));
        gif.append(char(0x2C));
        word(f.X);
        word(f.Y);
        word(f.Width);
        word(f.Height);
        gif.append(char(0));
        // Codes of 3 bits: a clear code before every pixel keeps the table from growing.
        QByteArray bits;
        unsigned buffer = 0;
        int count = 0;
        auto code = [&](unsigned c) {
            buffer |= c << count;
            count += 3;
            while (count >= 8) {
                bits.append(char(buffer & 0xFF));
                buffer >>= 8;
                count -= 8;
            }
        };
        for (int i = 0; i < f.Width * f.Height; ++i) {
            code(4);
            code(unsigned(f.ColorIndex));
        }
        code(5);
        if (count > 0) bits.append(char(buffer & 0xFF));
        gif.append(char(2));  // minimum code size
        for (qsizetype at = 0; at < bits.size(); at += 255) {
            const QByteArray block = bits.mid(at, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

// Three frames on a 6 by 4 screen: red everywhere (delay 10), green 2 by 2 at (2, 1)
// (delay 20), blue 1 by 1 at (5, 3) (delay 30).
inline QByteArray ThreeFrameGif() {
    return BuildGif(6, 4, {{0, 0, 6, 4, 1, 10}, {2, 1, 2, 2, 2, 20}, {5, 3, 1, 1, 3, 30}});
}
