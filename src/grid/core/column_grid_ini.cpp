// The column order in an ini file: a plain reader and writer ("[section]" lines,
// "key=value" lines, names compared without regard to case, no escaping, every other
// line kept as it is), and the column grid's SaveColumnPositions / LoadColumnPositions.

#include "grid/core/column_grid.h"

#include "platform/file_system.h"
#include "platform/number_conversion.h"

#include <QFile>
#include <QStringList>
#include <optional>
#include <set>

namespace {
class TPlainIniFile {
public:
    // A missing or unreadable file reads as empty.
    explicit TPlainIniFile(const QString& FileName) {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly)) return;
        QString text = QString::fromUtf8(file.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        FLines = text.split(QLatin1Char('\n'));
        if (!FLines.isEmpty() && FLines.last().isEmpty()) FLines.removeLast();
    }

    std::optional<QString> Value(const QString& Section, const QString& Key) const {
        const int line = KeyLine(Section, Key);
        if (line < 0) return std::nullopt;
        return FLines[line].mid(FLines[line].indexOf(QLatin1Char('=')) + 1).trimmed();
    }

    void SetValue(const QString& Section, const QString& Key, const QString& Value) {
        const QString entry = Key + QLatin1Char('=') + Value;
        if (const int line = KeyLine(Section, Key); line >= 0) {
            FLines[line] = entry;
            return;
        }
        int section = -1;
        for (int i = 0; i < FLines.size() && section < 0; ++i)
            if (SectionName(FLines[i]).compare(Section, Qt::CaseInsensitive) == 0 && IsSection(FLines[i])) section = i;
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

    bool Save(const QString& FileName) const {
        return WriteFileAtomically(FileName, (FLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }

private:
    static bool IsSection(const QString& Line) {
        const QString t = Line.trimmed();
        return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
    }
    static QString SectionName(const QString& Line) {
        const QString t = Line.trimmed();
        return t.mid(1, t.size() - 2).trimmed();
    }
    int KeyLine(const QString& Section, const QString& Key) const {
        bool inSection = false;
        for (int i = 0; i < FLines.size(); ++i) {
            if (IsSection(FLines[i])) {
                inSection = SectionName(FLines[i]).compare(Section, Qt::CaseInsensitive) == 0;
                continue;
            }
            const int eq = FLines[i].indexOf(QLatin1Char('='));
            if (inSection && eq > 0 && FLines[i].left(eq).trimmed().compare(Key, Qt::CaseInsensitive) == 0) return i;
        }
        return -1;
    }

    QStringList FLines;
};

QString PositionKey(int Position) { return QStringLiteral("CP") + QString::number(Position); }

bool IsPermutation(const std::vector<int>& Values) {
    std::vector<bool> seen(Values.size(), false);
    for (int v : Values) {
        if (v < 0 || v >= static_cast<int>(Values.size()) || seen[v]) return false;
        seen[v] = true;
    }
    return true;
}
}  // namespace

bool TExColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
    TPlainIniFile ini(Key);
    for (int i = 0; i < Columns()->Count(); ++i)
        ini.SetValue(Section, PositionKey(i), QString::number(Columns()->Items(i)->DefIdx()));
    return ini.Save(Key);
}

void TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
    const TPlainIniFile ini(Key);
    const int count = Columns()->Count();
    std::vector<int> order(count);
    for (int j = 0; j < count; ++j) {
        const std::optional<QString> value = ini.Value(Section, PositionKey(j));
        order[j] = value ? StrToIntDef(*value, -1) : -1;
    }
    std::vector<int> current(count);
    for (int i = 0; i < count; ++i) current[i] = Columns()->Items(i)->DefIdx();
    // Only a whole order of the columns there are, over columns that can all be moved.
    if (!IsPermutation(order) || !IsPermutation(current) || NumHiddenColumns() > 0) return;
    ArrangeColumns(order);
}

void TExColumnGrid::ArrangeColumns(const std::vector<int>& Order) {
    if (NumHiddenColumns() > 0) return;
    for (int j = 0; j < static_cast<int>(Order.size()) && j < Columns()->Count(); ++j) {
        int k = j;
        while (k < Columns()->Count() && Columns()->Items(k)->DefIdx() != Order[j]) ++k;
        if (k >= Columns()->Count()) return;
        if (k != j) MoveColumn(k, j);
    }
}

namespace {
// The ini form runs outside design mode, for a grid that names its file and section.
bool HasIniPlace(const TExColumnGrid& grid) {
    return !grid.InDesignMode() && !grid.ColumnSize()->Key().isEmpty() && !grid.ColumnSize()->Section().isEmpty();
}
}  // namespace

void TExColumnGrid::SaveColPositions() {
    if (ColumnSize()->Location() != clIniFile) TExStringGrid::SaveColPositions();
    else if (HasIniPlace(*this)) SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}

void TExColumnGrid::LoadColPositions() {
    if (ColumnSize()->Location() != clIniFile) TExStringGrid::LoadColPositions();
    else if (HasIniPlace(*this)) LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}
