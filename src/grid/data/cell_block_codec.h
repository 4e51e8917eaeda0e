#pragma once
// The bytes of a cell block: the records TGridPropIO, TGridCellIO, TGridCellPropIO,
// TGridGraphicIO and the graphic's object record, in the order the grid writes them
// (the header, then per cell its text record, its properties and its graphic). No
// widgets here; the grid converts its cells to and from these records
// (grid_cell_block_stream.cpp).
//
// Encoding (little-endian, self-describing): the signature "EXGC" and a 16-bit version;
// then per record the byte 'R', the class name (8-bit length, ASCII), a 16-bit property
// count and the properties, each its name (8-bit length, ASCII), a type byte and the
// value: 1 a 32-bit integer, 2 a boolean byte, 3 a UTF-8 text (32-bit byte length), 4 a
// 64-bit IEEE double, 5 bytes (32-bit length). A property holding its default is left
// out, and every record is read into fresh defaults, so an empty cell never inherits
// the previous cell's text.
//
// The reader takes bytes from anywhere: it checks every length against what is left,
// refuses an unknown class, an unknown property, a value of the wrong type, an enumerated
// value out of range, a record out of order, trailing bytes, and a header whose counts
// do not match the cell records that follow. Pictures are PNG, read under an
// allocation limit when the grid applies them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct TGridPropIO {
    qint32 ColCount = 0;
    qint32 RowCount = 0;
    QString ColWidths;
    QString RowHeights;
    bool FullGrid = false;
    qint32 ID = 0;
};

// The object of a graphic kind: a picture as PNG (bitmaps, bit buttons, icons,
// pictures) or a list of texts (radio captions, image indexes).
struct TGridGraphicObjectIO {
    QByteArray Png;
    QStringList Strings;
};

struct TGridGraphicIO {
    qint32 CellType = 0;
    qint32 CellVAlign = 0;
    qint32 CellHAlign = 0;
    qint32 CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    qint32 CellCheckBoxState = 0;
    qint32 CellAngle = 0;
    double CellValue = 0;
    qint32 CellErrFrom = 0;
    qint32 CellErrLen = 0;
    QString CellText;
    // The record after the graphic, for the kinds that carry an object.
    std::optional<TGridGraphicObjectIO> Object;
};

struct TGridCellPropIO {
    bool IsBaseCell = true;
    qint32 CellSpanX = -1;
    qint32 CellSpanY = -1;
    qint32 Alignment = 0;
    qint32 BorderColor = 0;
    qint32 BorderWidth = 0;
    qint32 BrushColor = 0x1FFFFFFF;
    qint32 BrushColorTo = 0x1FFFFFFF;
    qint32 BrushStyle = 0;
    qint32 FontColor = 0x1FFFFFFF;
    QString FontName;
    qint32 FontSize = 0;
    qint32 FontStyle = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    qint32 Editor = 0;
    qint32 GradientDirection = 0;
    bool ReadOnly = false;
    qint32 VAlignment = 0;
    bool WordWrap = false;
    qint32 NodeLevel = 0;
    std::optional<TGridGraphicIO> Graphic;  // HasGraphic
};

struct TGridCellIO {
    qint32 Col = 0;
    qint32 Row = 0;
    QString Cell;
    std::optional<TGridCellPropIO> Properties;  // HasProp
};

struct TCellBlock {
    TGridPropIO Header;
    std::vector<TGridCellIO> Cells;
};

// The kinds whose graphic record is followed by an object record.
enum class TGraphicObjectKind { None, Picture, Strings };
TGraphicObjectKind GraphicObjectKindOf(qint32 CellType);

QByteArray EncodeCellBlock(const TCellBlock& Block);
// Nothing when the bytes are not a whole, well-formed block.
std::optional<TCellBlock> DecodeCellBlock(const QByteArray& Bytes);
