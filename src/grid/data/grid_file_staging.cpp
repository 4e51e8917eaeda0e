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

bool TGridFileStaging::PutRecords(qint64 ACol, qint64 ARow, TCsvRecords Records, qsizetype First) {
    const qsizetype rows = Records.Count() - First;
    if (rows <= 0) return true;
    qsizetype widest = 1;
    for (qsizetype r = First; r < Records.Count(); ++r)
        widest = std::max(widest, Records.RecordEnds[std::size_t(r)] - Records.RecordStart(r));
    const qint64 texts = qint64(Records.Fields.size()) - Records.RecordStart(First);
    if (ACol < 0 || ARow < 0 || !Reserve(ACol + widest, ARow + rows, texts)) return false;
    FRecords.push_back({int(ACol), int(ARow), First, std::move(Records)});
    return true;
}

bool TGridFileStaging::PutWidth(qint64 ACol, qint64 Width) {
    if (ACol < 0 || ACol >= kMaxGridColumns || Width < 0 || Width > 0x7FFF'FFFF) return false;
    FWidths.push_back({int(ACol), int(Width)});
    return true;
}
