#include "grid/data/grid_file_staging.h"

#include "grid/data/grid_cell_limit.h"

#include <algorithm>

bool TGridFileStaging::Put(qint64 ACol, qint64 ARow, const QString& Text) {
    if (ACol < 0 || ARow < 0) return false;
    const qint64 columns = std::max<qint64>(FColExtent, ACol + 1);
    const qint64 rows = std::max<qint64>(FRowExtent, ARow + 1);
    // The staged cells themselves count too: a file of many cells on few lines must not
    // stage more texts than any grid could show.
    if (!GridSizeWithinLimit(columns, rows) || qint64(FCells.size()) >= kMaxGridCells) return false;
    FCells.push_back({int(ACol), int(ARow), Text});
    FColExtent = int(columns);
    FRowExtent = int(rows);
    return true;
}

bool TGridFileStaging::PutWidth(qint64 ACol, qint64 Width) {
    if (ACol < 0 || ACol >= kMaxGridColumns || Width < 0 || Width > 0x7FFF'FFFF) return false;
    FWidths.push_back({int(ACol), int(Width)});
    return true;
}
