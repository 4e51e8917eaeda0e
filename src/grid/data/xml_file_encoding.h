#pragma once
// The byte forms of the grid's XML files. The writer knows five encodings by the name
// its declaration carries; what an encoding cannot hold is written as a character
// reference, so every text survives. The reader takes a BOM, else the declaration's
// encoding, else valid UTF-8, else Windows-1252.

#include <QByteArray>
#include <QString>
#include <optional>

enum class TXmlFileEncoding { Utf8, Utf16, Latin1, Windows1252, Ascii };

// The encoding a declaration name stands for (case ignored); nothing for other names.
std::optional<TXmlFileEncoding> XmlFileEncodingNamed(const QString& Name);

// Element text or attribute value: "&", "<", ">" and the double quote as entities, a CR
// as "&#13;" (parsers turn a raw one into a line feed). Characters XML 1.0 cannot hold at
// all (most control characters, unpaired surrogates) are left out.
QString EscapeXmlText(const QString& Text);

// True for a name an element may have (letters, digits, "_", "-", ".", ":"; not starting
// with a digit, "-" or ".").
bool IsXmlElementName(const QString& Name);

// The document's bytes in Encoding: UTF-16 is little-endian with a BOM; in the single-byte
// encodings a character the code page lacks becomes a decimal character reference, which
// is only valid in text, so Text must be escaped markup whose names the code page holds.
QByteArray EncodeXmlDocument(const QString& Text, TXmlFileEncoding Encoding);

// The characters of a file's bytes, BOM removed.
QString DecodeXmlFile(const QByteArray& Bytes);
