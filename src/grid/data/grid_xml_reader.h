#pragma once
// Reads an XML document into a table of cells without touching a grid: the grid checks
// the result whole and only then stores it, so a file that fails changes nothing.
//
// The tree: elements, text and CDATA nodes; comments, processing instructions and the
// document type are left out, indentation between elements is dropped, and a leaf
// element's own blank text is kept. The walk is a loop over an explicit stack, so deep
// nesting cannot exhaust the call stack.

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <utility>

// The numbers "XMLDOM Parsing error N" names: 1 file not found, 2 input error, 3 out of
// memory, 4 internal parser error, 5 unknown markup after "<", 6 bad processing
// instruction or declaration, 7 bad comment, 8 bad CDATA section, 9 bad document type,
// 10 bad text, 11 bad start tag, 12 bad attribute, 13 bad end tag, 14 end tag that does
// not match its start tag, 16 no document element.
enum TXmlParseErrorCode {
    xpeFileNotFound = 1,
    xpeInputError = 2,
    xpeOutOfMemory = 3,
    xpeInternalError = 4,
    xpeUnknownMarkup = 5,
    xpeBadProcessingInstruction = 6,
    xpeBadComment = 7,
    xpeBadCData = 8,
    xpeBadDocumentType = 9,
    xpeBadText = 10,
    xpeBadStartTag = 11,
    xpeBadAttribute = 12,
    xpeBadEndTag = 13,
    xpeEndTagMismatch = 14,
    xpeNoDocumentElement = 16,
};

struct TXmlReadSettings {
    bool LevelToRow = false;
    bool LoadFieldDescr = false;
    // Element and attribute names go into row 0 (the grid saves its fixed rows).
    bool NamesInFirstRow = false;
    bool QuoteEmptyCells = true;
    int ColBase = 0;
    int RowBase = 0;
    // The grid's size before the read; cells of an empty element land only inside it.
    int ColCount = 0;
    int RowCount = 0;
    // Whether the grid's cell (ACol, 0) is empty before the read.
    std::function<bool(int ACol)> FirstRowCellEmpty;
};

struct TXmlReadCells {
    // (row, column) to text; cells of negative index are never stored.
    std::map<std::pair<int, int>, QString> Cells;
    // The size the grid grows to while cells are stored, and the largest indexes stored
    // (the grid's final size is one more than these).
    qint64 GrownColCount = 0;
    qint64 GrownRowCount = 0;
    qint64 MaxCol = 0;
    qint64 MaxRow = 0;
};

// Raises Exception "XMLDOM Parsing error " + code + " on line " + line for a document
// that does not parse.
TXmlReadCells ReadXmlCells(const QByteArray& Bytes, const TXmlReadSettings& Settings);
