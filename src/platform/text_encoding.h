#pragma once
// The code pages files from other programs arrive in. "ANSI" is the system's own set, UTF-8
// here, so nothing is lost writing it; "OEM" is the DOS code page 850 of Western Europe,
// and Windows-1252 is what an old file without a BOM is most likely written in.

#include <QByteArray>
#include <QString>

// A file's text: a BOM selects UTF-8 or UTF-16; without one, valid UTF-8 is read as UTF-8
// and anything else as Windows-1252, which decodes every byte sequence.
QString DecodeTextFile(const QByteArray& bytes);

QString DecodeWindows1252(const QByteArray& bytes);
// Characters the code page lacks become '?'; `lossless` (when given) tells whether any did.
QByteArray EncodeWindows1252(const QString& text, bool* lossless = nullptr);

QString DecodeOem850(const QByteArray& bytes);
QByteArray EncodeOem850(const QString& text, bool* lossless = nullptr);
