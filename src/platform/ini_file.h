#pragma once
// A plain ini file: "[section]" lines and "key=value" lines, section and key names
// compared without regard to case, values trimmed, no escaping. Every other line (blank
// lines, comments, lines without "=") is kept as it is. The file is read once when the
// object is made and written only by UpdateFile, atomically.

#include <QString>
#include <QStringList>
#include <optional>

class TIniFile {
public:
    // A missing or unreadable file reads as empty.
    explicit TIniFile(const QString& FileName);

    const QString& FileName() const { return FFileName; }
    std::optional<QString> ReadValue(const QString& Section, const QString& Key) const;
    QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
    // Default also for a value that is no integer (decimal, or hexadecimal as StrToIntDef reads it).
    int ReadInteger(const QString& Section, const QString& Key, int Default) const;
    // A new key goes at the end of its section (before the blank lines closing it); a new
    // section at the end of the file.
    void WriteString(const QString& Section, const QString& Key, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Key, int Value);
    // False when the file could not be written; the old file is then untouched.
    bool UpdateFile() const;

private:
    int KeyLine(const QString& Section, const QString& Key) const;

    QString FFileName;
    QStringList FLines;
};
