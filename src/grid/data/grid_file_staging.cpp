#include "grid/data/grid_file_staging.h"

#include "grid/data/grid_cell_limit.h"

#include <algorithm>

bool TGridFileStaging::Reserve(qint64 Columns, qint64 Rows, qint64 Texts) {
    // The staged cells themselves count too: a file of many cells on few lines must not
    // stage more texts than any grid could show.
    const qint64 columns = std::max<qint64>(FColExtent, Columns);
    const qint64 rows = std::max<qint64>(FRowExtent, Rows);
    if (!GridSizeWithinLimit(columns, rows) || FTextCount + Texts > kMaxGridCells) return false;
    FColExtent = int(columns);
    FRowExtent = int(rows);
    FTextCount += Texts;
    return true;
}

bool TGridFileStaging::Put(qint64 ACol, qint64 ARow, const QString& Text) {
    if (ACol < 0 || ARow < 0 || !Reserve(ACol + 1, ARow + 1, 1)) return false;
    FCells.push_back({int(ACol), int(ARow), Text});
    return true;
}

bool TGridFileStaging::PutRun(qint64 ACol, qint64 ARow, QStringList Texts) {
    if (ACol < 0 || ARow < 0 || !Reserve(ACol + std::max<qint64>(1, Texts.size()), ARow + 1, Texts.size()))
        return false;
    FRuns.push_back({int(ACol), int(ARow), std::move(Texts)});
    return true;
}

bool TGridFileStaging::PutWidth(qint64 ACol, qint64 Width) {
    if (ACol < 0 || ACol >= kMaxGridColumns || Width < 0 || Width > 0x7FFF'FFFF) return false;
    FWidths.push_back({int(ACol), int(Width)});
    return true;
}
