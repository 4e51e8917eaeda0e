#pragma once
// The clipboard's text form of a cell range, in the convention spreadsheets exchange:
// fields end at TAB, rows at CR LF. A field holding a TAB, a line break or a leading
// double quote is quoted, inner quotes doubled and its line breaks written as LF (or as
// vertical tabs for programs that want a cell's lines so). Reading ends rows at CR LF,
// LF or CR outside quotes (programs on Linux end rows with LF); a quoted field keeps its
// tabs, line breaks and doubled quotes, its LF, CR and vertical tabs becoming the cell's
// CR LF. No widgets here: the grid's clipboard and its tests use it alike.

#include "platform/types.h"

#include <QList>
#include <QString>
#include <QStringList>

// One cell text as a clipboard field.
QString ClipboardField(const QString& Text, bool LineBreaksAsVerticalTabs);

// A clipboard text cut into rows of fields. EndsWithLineBreak tells that the text ended
// with a row end, so that its last row is followed by no further (empty) row.
struct TClipboardTable {
    QList<QStringList> Rows;
    bool EndsWithLineBreak = false;
};
// Linear in the text's length whatever it holds; an opening quote that never closes is
// taken as a plain character.
TClipboardTable ParseClipboardText(const QString& Text);

// The most fields of a row (X) and the rows below the first of a well-formed block (Y):
// the row ends minus the empty rows, the empty text after a final row end counting as
// one.
TPoint ClipboardTextSize(const TClipboardTable& Table);
