#pragma once
// What the grid's drags carry and what its drops read: the cells block, the dragged
// column, file and link lists, an HTML table of the dragged cells, and the drop effect a
// modifier key asks for. Dropped data comes from other programs: every reader checks the
// sizes it is given and reports a block it cannot read instead of guessing.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>

// MIME types of the grid's own formats and of the rich text.
QString GridCellsMimeType();
inline const QString kGridColumnMimeType = QStringLiteral("application/x-grid-column");
inline const QString kRichTextMimeType = QStringLiteral("text/rtf");
inline const QString kUriListMimeType = QStringLiteral("text/uri-list");

// The cells block: the payload's length N (32-bit little-endian), four zero bytes, then
// the N bytes of the cell stream.
QByteArray EncodeGridCellsBlock(const QByteArray& CellStream);
// The cell stream of a block; nothing for a block shorter than 8 bytes or one whose N
// is larger than what follows the header.
std::optional<QByteArray> DecodeGridCellsBlock(const QByteArray& Block);

// The dragged column: a signed 32-bit little-endian real index.
QByteArray EncodeGridColumn(int RealColumn);
// The column of a block of at least 4 bytes when it lies in 0 .. ColumnCount - 1.
std::optional<int> DecodeGridColumn(const QByteArray& Block, int ColumnCount);

// A URI list split into local files and other links, in their order. Comment lines and
// empty lines are skipped.
struct TDroppedUris {
    QStringList Files;
    QStringList Links;
};
TDroppedUris DecodeUriList(const QByteArray& UriList);

// The cells as an HTML table, every text escaped and its line breaks written as <br>;
// Rows are lists of cell texts.
QString CellsToHtmlTable(const QList<QStringList>& Rows);

// Ctrl asks for a copy; else a move when it is allowed; else a copy.
Qt::DropAction KeyStateToDropEffect(Qt::KeyboardModifiers Modifiers, Qt::DropActions AllowedEffects);

// The number a drop effect has for the events that report it: none 0, copy 1, move 2,
// link 4.
int DropEffectOf(Qt::DropAction Action);

// Rich text is offered and accepted by every grid of the program while it is enabled;
// any grid's OleDropRTF sets it.
void SetDropRTFEnabled(bool Value);
bool DropRTFEnabled();

// A dropped file is loaded as CSV only when its name ends in ".csv", in any case.
bool IsCsvFileName(const QString& FileName);
// A dropped file is loaded as a workbook only when its name ends in ".xls" or ".xlsx",
// in any case (the content decides how it reads).
bool IsWorkbookFileName(const QString& FileName);
