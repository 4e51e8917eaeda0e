#pragma once
// Random changes to a valid input for the readers' random-input tests: 1 to 8 edits, each
// a random byte, a cut, a repeated run or one of the format's own signs.

#include <QByteArray>
#include <random>
#include <string_view>

inline QByteArray MutatedInput(QByteArray bytes, std::mt19937& random, std::string_view signs) {
    const int changes = 1 + int(random() % 8);
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const qsizetype at = qsizetype(random() % quint32(bytes.size()));
        switch (random() % 4) {
            case 0: bytes[at] = char(random()); break;
            case 1: bytes.truncate(at); break;
            case 2: bytes.insert(at, bytes.mid(at, 1 + random() % 40)); break;
            default: bytes[at] = signs[random() % signs.size()]; break;
        }
    }
    return bytes;
}
