#include "platform/ini_file.h"

#include "platform/file_system.h"
#include "platform/number_conversion.h"

#include <QFile>

namespace {
bool IsSection(const QString& Line) {
    const QString t = Line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

QString SectionName(const QString& Line) {
    const QString t = Line.trimmed();
    return t.mid(1, t.size() - 2).trimmed();
}

bool SameName(const QString& A, const QString& B) { return A.compare(B, Qt::CaseInsensitive) == 0; }
}  // namespace

TIniFile::TIniFile(const QString& FileName) : FFileName(FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    FLines = text.split(QLatin1Char('\n'));
    if (!FLines.isEmpty() && FLines.last().isEmpty()) FLines.removeLast();
}

int TIniFile::KeyLine(const QString& Section, const QString& Key) const {
    bool inSection = false;
    for (int i = 0; i < FLines.size(); ++i) {
        if (IsSection(FLines[i])) {
            inSection = SameName(SectionName(FLines[i]), Section);
            continue;
        }
        const qsizetype eq = FLines[i].indexOf(QLatin1Char('='));
        if (inSection && eq > 0 && SameName(FLines[i].left(eq).trimmed(), Key)) return i;
    }
    return -1;
}

std::optional<QString> TIniFile::ReadValue(const QString& Section, const QString& Key) const {
    const int line = KeyLine(Section, Key);
    if (line < 0) return std::nullopt;
    return FLines[line].mid(FLines[line].indexOf(QLatin1Char('=')) + 1).trimmed();
}

QString TIniFile::ReadString(const QString& Section, const QString& Key, const QString& Default) const {
    return ReadValue(Section, Key).value_or(Default);
}

int TIniFile::ReadInteger(const QString& Section, const QString& Key, int Default) const {
    const std::optional<QString> text = ReadValue(Section, Key);
    return text ? StrToIntDef(*text, Default) : Default;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value) {
    const QString entry = Key + QLatin1Char('=') + Value;
    if (const int line = KeyLine(Section, Key); line >= 0) {
        FLines[line] = entry;
        return;
    }
    int section = -1;
    for (int i = 0; i < FLines.size() && section < 0; ++i)
        if (IsSection(FLines[i]) && SameName(SectionName(FLines[i]), Section)) section = i;
    if (section < 0) {
        FLines.append(QLatin1Char('[') + Section + QLatin1Char(']'));
        FLines.append(entry);
        return;
    }
    int end = section + 1;
    while (end < FLines.size() && !IsSection(FLines[end])) ++end;
    while (end > section + 1 && FLines[end - 1].trimmed().isEmpty()) --end;
    FLines.insert(end, entry);
}

void TIniFile::WriteInteger(const QString& Section, const QString& Key, int Value) {
    WriteString(Section, Key, QString::number(Value));
}

bool TIniFile::UpdateFile() const {
    return WriteFileAtomically(FFileName, (FLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}
