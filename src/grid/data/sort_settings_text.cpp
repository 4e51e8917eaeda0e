// The sort settings' short text form, which the saved grid settings hold, and the way
// back to an unsorted grid.

#include "grid/core/string_grid.h"

QString TSortSettings::SaveToString() const {
    if (IndexShow) return QStringLiteral("i;") + (FOwner ? FOwner->SortIndexes()->SaveToString() : QString());
    return (Direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(Column);
}

void TSortSettings::LoadFromString(const QString& Value) {
    if (Value.isEmpty()) return;
    Show = true;
    if (Value.size() < 2) throw EExGridError(QStringLiteral("Invalid sort settings specifier"));
    if (Value.contains(QLatin1String("i;"))) {
        IndexShow = true;
        const QString indexes = Value.mid(2);
        if (indexes.isEmpty() || !FOwner) return;
        FOwner->SortIndexes()->LoadFromString(indexes);
        FOwner->QSortIndexed();
        return;
    }
    IndexShow = false;
    Direction = Value.contains(QLatin1Char('u')) ? sdAscending : sdDescending;
    bool ok = false;
    const int column = Value.mid(1).toInt(&ok);
    if (!ok) return;
    Column = column;
    if (FOwner) FOwner->QSort();
}

void TSortSettings::Remove() {
    Column = -1;
    if (!FOwner) return;
    FOwner->SortIndexes()->Clear();
    if (FOwner->FixedRows() > 0) FOwner->RepaintRow(FOwner->FixedRows() - 1);
}
