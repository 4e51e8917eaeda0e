#pragma once
// The data of a drag between grids and other programs, on Qt's QMimeData: what a grid's
// drag offers, and what a drop gives the grid once the grid's accept flags and the
// checks of each format have had their say.

#include "grid/view/grid_drag_drop_formats.h"

#include <QMimeData>
#include <memory>

enum TDropFormat { dfText = 1, dfFile = 2, dfCol = 4, dfRTF = 8, dfURL = 16, dfGridCells = 32 };

// What a drag of cells or of a column carries.
struct TGridDragContent {
    QString Text;                   // the selected cells, tab and CR LF separated
    QList<QStringList> Cells;       // the same cells for the HTML table
    QString RichText;               // offered only while RichTextEnabled
    bool RichTextEnabled = false;
    int Column = -1;                // the dragged real column; -1 none
    std::optional<QByteArray> CellStream;
};

// The formats in the order a target should prefer them: plain text, an HTML table,
// rich text, the column, the cells block.
std::unique_ptr<QMimeData> MakeGridDragData(const TGridDragContent& Content);

struct TDropAcceptance {
    bool Text = true;
    bool Files = true;
    bool URLs = true;
    bool Cols = false;
    bool RichText = false;  // rich text enabled
    int ColumnCount = 0;    // the target's real columns, for the dragged column's check
};

struct TDropReading {
    int Formats = 0;         // TDropFormat bits of everything offered
    bool Accepted = false;   // something offered is taken
    std::optional<int> Column;
    std::optional<QByteArray> CellStream;
    std::optional<QString> RichText;
    std::optional<QString> Text;
    QStringList Files;
    QString URL;
};

// What the drag offers and whether the target takes any of it (on entering).
TDropReading ReadDropFormats(const QMimeData& Data, const TDropAcceptance& Accept);
// What a drop hands the target's handlers: a column alone; else the cells, the rich text
// or the text (the first of them that is admitted and readable); then files and a link.
TDropReading ReadDrop(const QMimeData& Data, const TDropAcceptance& Accept);
