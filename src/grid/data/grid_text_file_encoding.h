#pragma once
// The encodings the grid's text files are written in, the reading rule for all of them,
// and the split into lines as files from anywhere end them.

#include <QByteArray>
#include <QString>
#include <QStringList>

// "ANSI" is the system's set, UTF-8 here; OEM is code page 850.
enum class TGridTextEncoding { Ansi, Utf8WithBom, Utf16LeWithBom, Oem };

QByteArray EncodeGridTextFile(const QString& Text, TGridTextEncoding Encoding);

// A text file encoded piece by piece as its writer hands the pieces over, so a large file
// never stands whole as text; the BOM comes once, first. A piece must not end inside a
// surrogate pair.
class TGridTextFileEncoder {
public:
    TGridTextFileEncoder(TGridTextEncoding Encoding, qsizetype ExpectedBytes);
    void Add(QStringView Piece);
    QByteArray Finish() && { return std::move(FBytes); }

private:
    TGridTextEncoding FEncoding;
    QByteArray FBytes;
};
// A BOM's encoding, else code page 850 when Oem, else as DecodeTextFile.
QString DecodeGridTextFile(const QByteArray& Bytes, bool Oem = false);
// Lines ended by CR LF, LF or CR; a final line break ends the last line, it starts none.
QStringList SplitTextLines(const QString& Text);

// The largest text file the grid reads: far above what the cell limit lets load.
inline constexpr qint64 kMaxGridTextFileBytes = qint64(1) << 30;
