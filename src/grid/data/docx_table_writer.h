#pragma once
// Word-processor documents (.docx) that carry the grid as a table: a new document, or an
// existing one with the table put after the paragraph that holds a bookmark, else at its
// end. Cells keep their alignment; a line break in a text stays a line break in its cell.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct TDocTableCell {
    enum TAlign { Left, Center, Right };
    QString Text;
    TAlign Align = Left;
};
// The table by rows, every row as long as the first.
using TDocTable = std::vector<std::vector<TDocTableCell>>;

// A new document: the table, then a paragraph holding ControlText.
QByteArray NewDocumentWithTable(const QString& ControlText, const TDocTable& Table);
// The document Existing with a paragraph holding ControlText at its start and the table
// after the paragraph that holds the bookmark of that name, or at the end of the text
// when none has it. Every other part keeps its bytes. Nothing when Existing holds no
// document (a legacy binary one among them).
std::optional<QByteArray> DocumentWithTable(const QByteArray& Existing, const QString& ControlText,
                                            const TDocTable& Table, const QString& Bookmark);
