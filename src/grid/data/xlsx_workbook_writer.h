#pragma once
// Workbooks (.xlsx) written from the grid: every cell a string, so each reads back as the
// text it was; a new workbook, or one sheet of an existing workbook replaced or added
// while every other part keeps its bytes.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A sheet's texts by rows from A1 on, every row as long as the first.
using TSheetTexts = std::vector<QStringList>;

// A name a worksheet may have: 1 to 31 characters, none of ":\/?*[]", not starting or
// ending with an apostrophe.
bool IsWorksheetName(const QString& Name);

// A new workbook holding the worksheet SheetName.
QByteArray NewWorkbook(const QString& SheetName, const TSheetTexts& Rows);
// The workbook with its worksheet SheetName (the last of that name) replaced, or a
// worksheet of that name added after the others. Raises Exception "Incorrect XLS file"
// when Existing holds no workbook.
QByteArray WorkbookWithSheet(const QByteArray& Existing, const QString& SheetName, const TSheetTexts& Rows);
