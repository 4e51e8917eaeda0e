// The grid's cells to and from a cell block (cell_block_codec.h): texts, per-cell
// properties and cell graphics of a displayed rectangle. Reading checks the whole
// block, then the growth, before the first cell changes.

#include "grid/core/string_grid.h"
#include "grid/data/cell_block_codec.h"
#include "grid/data/grid_cell_limit.h"
#include "platform/picture.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Pictures from outside are decoded under this limit (megabytes), so that a small PNG
// claiming a huge size cannot make the reader allocate it.
constexpr int kPictureAllocationLimitMB = 64;

QByteArray PictureToPng(const TObject* Object) {
    const auto* picture = dynamic_cast<const TPicture*>(Object);
    if (!picture || picture->Image().isNull()) return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture->Image().save(&buffer, "PNG");
    return png;
}

QImage PngToImage(const QByteArray& Png) {
    QBuffer buffer;
    buffer.setData(Png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    reader.setAllocationLimit(kPictureAllocationLimitMB);
    return reader.read();
}

TFontStyles FontStylesFromBits(qint32 Bits) {
    TFontStyles styles;
    for (TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        if (Bits & (1 << s)) styles.Include(s);
    return styles;
}

qint32 FontStylesToBits(TFontStyles Styles) {
    qint32 bits = 0;
    for (TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        if (Styles.Contains(s)) bits |= 1 << s;
    return bits;
}

// The graphic of a cell as the block carries it; nothing for the kinds whose object is
// not carried (icons, radio groups, file pictures) or a kind object the grid did not
// create.
std::optional<TGridGraphicIO> GraphicToIO(const TCellGraphic& Graphic) {
    const TCellType kind = Graphic.CellType();
    if (kind == ctEmpty || kind == ctIcon || kind == ctRadio || kind == ctFilePicture) return std::nullopt;
    TGridGraphicIO io;
    io.CellType = kind;
    io.CellVAlign = Graphic.CellVAlign();
    io.CellHAlign = Graphic.CellHAlign();
    io.CellIndex = Graphic.CellIndex();
    io.CellTransparent = Graphic.CellTransparent();
    io.CellCreated = Graphic.CellCreated();
    io.CellBoolean = Graphic.CellBoolean();
    io.CellCheckBoxState = Graphic.CellCheckBoxState();
    io.CellAngle = Graphic.CellAngle();
    io.CellValue = Graphic.CellValue();
    io.CellErrFrom = Graphic.CellErrFrom();
    io.CellErrLen = Graphic.CellErrLen();
    switch (GraphicObjectKindOf(kind)) {
    case TGraphicObjectKind::Picture: {
        if (!Graphic.CellCreated()) return std::nullopt;
        io.Object = TGridGraphicObjectIO{PictureToPng(Graphic.CellBitmap()), {}};
        break;
    }
    case TGraphicObjectKind::Strings: {
        const auto* indexes = dynamic_cast<const TIntList*>(Graphic.CellBitmap());
        if (!indexes) return std::nullopt;
        io.Object = TGridGraphicObjectIO{{}, indexes->StrValue().split(QLatin1Char(','), Qt::SkipEmptyParts)};
        break;
    }
    case TGraphicObjectKind::None: break;
    }
    return io;
}

TGridCellPropIO PropertiesToIO(const TCellProperties& Props) {
    TGridCellPropIO io;
    io.IsBaseCell = Props.IsBaseCell();
    io.CellSpanX = Props.CellSpanX();
    io.CellSpanY = Props.CellSpanY();
    io.Alignment = Props.Alignment();
    io.BorderColor = qint32(Props.BorderColor());
    io.BorderWidth = Props.BorderWidth();
    io.BrushColor = qint32(Props.BrushColor());
    io.BrushColorTo = qint32(Props.BrushColorTo());
    io.BrushStyle = Props.BrushStyle();
    io.FontColor = qint32(Props.FontColor());
    io.FontName = Props.FontName();
    io.FontSize = Props.FontSize();
    io.FontStyle = FontStylesToBits(Props.FontStyle());
    io.Editor = Props.Editor();
    io.GradientDirection = Props.GradientDirection();
    io.ReadOnly = Props.ReadOnly();
    io.VAlignment = Props.VAlignment();
    io.WordWrap = Props.WordWrap();
    io.NodeLevel = Props.NodeLevel();
    return io;
}

// The look of the block's properties; the merge membership is left to the grid's own
// merging, which keeps its index of merged areas whole.
void PropertiesFromIO(const TGridCellPropIO& Io, TCellProperties& Props) {
    Props.SetAlignment(TAlignment(Io.Alignment));
    Props.SetBorderColor(TColor(Io.BorderColor));
    Props.SetBorderWidth(Io.BorderWidth);
    Props.SetBrushColor(TColor(Io.BrushColor));
    Props.SetBrushColorTo(TColor(Io.BrushColorTo));
    Props.SetBrushStyle(TBrushStyle(Io.BrushStyle));
    Props.SetFontColor(TColor(Io.FontColor));
    Props.SetFontName(Io.FontName);
    Props.SetFontSize(Io.FontSize);
    Props.SetFontStyle(FontStylesFromBits(Io.FontStyle));
    Props.SetEditor(TEditorType(Io.Editor));
    Props.SetGradientDirection(TCellGradientDirection(Io.GradientDirection));
    Props.SetReadOnly(Io.ReadOnly);
    Props.SetVAlignment(TVAlignment(Io.VAlignment));
    Props.SetWordWrap(Io.WordWrap);
    Props.SetNodeLevel(Io.NodeLevel);
}

QList<int> NumberList(const QString& Text) {
    QList<int> numbers;
    for (const QString& part : Text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        numbers << (ok ? n : -1);
    }
    return numbers;
}

}  // namespace

void TExStringGrid::SaveRectToBinStream(TRect Rect, QIODevice& Stream) {
    TCellBlock block;
    block.Header.ColCount = std::max(0, Rect.Right - Rect.Left + 1);
    block.Header.RowCount = std::max(0, Rect.Bottom - Rect.Top + 1);
    block.Header.FullGrid =
        SaveFixedCells() ? block.Header.RowCount == RowCount() && block.Header.ColCount == ColCount()
                         : block.Header.RowCount == RowCount() - FixedRows() &&
                               block.Header.ColCount == ColCount() - FixedCols();
    block.Header.ID = FClipboardID;
    QStringList widths, heights;
    for (int c = Rect.Left; c <= Rect.Right; ++c) widths << QString::number(ColWidths(c));
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) heights << QString::number(RowHeights(r));
    block.Header.ColWidths = widths.join(QLatin1Char(','));
    block.Header.RowHeights = heights.join(QLatin1Char(','));
    ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            const int real = RealColIndex(c);
            TGridCellIO cell;
            cell.Col = c;
            cell.Row = r;
            cell.Cell = Cells(real, r);
            if (CellPropsAssigned(real, r)) {
                const TCellProperties* props = CellProperties(real, r);
                cell.Properties = PropertiesToIO(*props);
                if (const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject()))
                    cell.Properties->Graphic = GraphicToIO(*graphic);
            }
            block.Cells.push_back(std::move(cell));
        }
    }
    ExportNotification(esExportDone, -1);
    Stream.write(EncodeCellBlock(block));
}

void TExStringGrid::LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream) {
    const std::optional<TCellBlock> read = DecodeCellBlock(Stream.readAll());
    if (!read) throw EExGridError(QStringLiteral("The cell block cannot be read"));
    const TCellBlock& block = *read;
    if (block.Header.FullGrid) {
        CheckGrowthWithinLimit(block.Header.ColCount, block.Header.RowCount);
        Clear();
        SetRowCount(block.Header.RowCount);
        SetColCount(block.Header.ColCount);
        const QList<int> widths = NumberList(block.Header.ColWidths);
        const QList<int> heights = NumberList(block.Header.RowHeights);
        for (int c = 0; c < ColCount() && c < widths.size(); ++c)
            if (widths[c] >= 0) SetColWidths(c, widths[c]);
        for (int r = 0; r < RowCount() && r < heights.size(); ++r)
            if (heights[r] >= 0) SetRowHeights(r, heights[r]);
    }
    if (block.Cells.empty()) return;
    const qint64 originCol = block.Header.FullGrid ? 0 : block.Cells.front().Col;
    const qint64 originRow = block.Header.FullGrid ? 0 : block.Cells.front().Row;
    BeginUpdate();
    struct TMerge {
        int Col, Row, SpanX, SpanY;
    };
    std::vector<TMerge> merges;
    for (const TGridCellIO& cell : block.Cells) {
        const qint64 col = cell.Col - originCol + Point.X;
        const qint64 row = cell.Row - originRow + Point.Y;
        if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) continue;
        const int real = RealColIndex(int(col));
        SetCells(real, int(row), cell.Cell);
        if (!cell.Properties) continue;
        const TGridCellPropIO& io = *cell.Properties;
        PropertiesFromIO(io, *GetCellProperties(real, int(row)));
        if (io.IsBaseCell && (io.CellSpanX > 0 || io.CellSpanY > 0))
            merges.push_back({int(col), int(row), std::max(0, io.CellSpanX), std::max(0, io.CellSpanY)});
        if (!io.Graphic) continue;
        const TGridGraphicIO& g = *io.Graphic;
        TCellGraphic* graphic = CreateCellGraphic(real, int(row));
        if (!graphic) continue;
        graphic->SetCellType(TCellType(g.CellType));
        graphic->SetCellVAlign(TCellVAlign(g.CellVAlign));
        graphic->SetCellHAlign(TCellHAlign(g.CellHAlign));
        graphic->SetCellIndex(g.CellIndex);
        graphic->SetCellTransparent(g.CellTransparent);
        graphic->SetCellCreated(g.CellCreated);
        graphic->SetCellBoolean(g.CellBoolean);
        graphic->SetCellCheckBoxState(TCheckBoxState(g.CellCheckBoxState));
        graphic->SetCellAngle(g.CellAngle);
        graphic->SetCellValue(g.CellValue);
        graphic->SetCellErrFrom(g.CellErrFrom);
        graphic->SetCellErrLen(g.CellErrLen);
        if (!g.Object) continue;
        if (GraphicObjectKindOf(g.CellType) == TGraphicObjectKind::Picture) {
            graphic->SetCellBitmap(new TPicture(PngToImage(g.Object->Png)));
            graphic->SetCellCreated(true);
        } else {
            auto* indexes = new TIntList(real, int(row));
            indexes->SetStrValue(g.Object->Strings.join(QLatin1Char(',')));
            graphic->SetCellBitmap(indexes);
        }
    }
    // Merged areas come back only whole and inside the grid.
    for (const TMerge& m : merges)
        if (qint64(m.Col) + m.SpanX < ColCount() && qint64(m.Row) + m.SpanY < RowCount())
            MergeCells(RealColIndex(m.Col), m.Row, m.SpanX + 1, m.SpanY + 1);
    EndUpdate();
}
