// The text a paste into one of the grid's editors inserts.
#include "grid/edit/editor_paste.h"

#include "grid/core/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

std::optional<QString> GridPasteText(TExStringGrid* Grid, TObject* Editor) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    bool allow = data && data->hasText();
    QString pasted = allow ? data->text() : QString();
    if (Grid->OnClipboardPaste) Grid->OnClipboardPaste(Editor, pasted, allow);
    if (allow && Grid->OnClipboardBeforePasteCell)
        Grid->OnClipboardBeforePasteCell(Editor, Grid->Col(), Grid->Row(), pasted, allow);
    if (!allow) return std::nullopt;
    const QLatin1String lineEnd("\r\n");
    if (pasted.indexOf(lineEnd) == pasted.size() - 2) pasted.chop(2);
    return pasted;
}
