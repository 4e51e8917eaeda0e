#pragma once
// A few random changes to a reader's input: bytes changed, the input cut off, a stretch
// repeated, or a byte replaced by one of the format's own signs.

#include <QByteArray>

#include <cstring>
#include <random>

inline QByteArray Mutated(QByteArray bytes, std::mt19937& random, const char* signs) {
    const std::size_t count = std::strlen(signs);
    const int changes = 1 + int(random() % 8);
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const qsizetype at = qsizetype(random() % quint32(bytes.size()));
        switch (random() % 4) {
            case 0: bytes[at] = char(random()); break;
            case 1: bytes.truncate(at); break;
            case 2: bytes.insert(at, bytes.mid(at, 1 + random() % 40)); break;
            default: bytes[at] = signs[random() % count]; break;
        }
    }
    return bytes;
}

