#include "grid/view/grid_drag_drop_data.h"

namespace {

const QString kPlainTextMimeType = QStringLiteral("text/plain");
const QString kHtmlMimeType = QStringLiteral("text/html");

}  // namespace

std::unique_ptr<QMimeData> MakeGridDragData(const TGridDragContent& Content) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kPlainTextMimeType, Content.Text.toUtf8());
    data->setData(kHtmlMimeType, CellsToHtmlTable(Content.Cells).toUtf8());
    if (Content.RichTextEnabled) data->setData(kRichTextMimeType, Content.RichText.toUtf8());
    if (Content.Column != -1) data->setData(kGridColumnMimeType, EncodeGridColumn(Content.Column));
    if (Content.CellStream) data->setData(GridCellsMimeType(), EncodeGridCellsBlock(*Content.CellStream));
    return data;
}

TDropReading ReadDropFormats(const QMimeData& Data, const TDropAcceptance& Accept) {
    TDropReading reading;
    const bool text = Data.hasFormat(kPlainTextMimeType);
    const bool richText = Data.hasFormat(kRichTextMimeType);
    const bool column = Data.hasFormat(kGridColumnMimeType);
    const bool cells = Data.hasFormat(GridCellsMimeType());
    bool files = false;
    bool links = false;
    if (Data.hasFormat(kUriListMimeType)) {
        const TDroppedUris uris = DecodeUriList(Data.data(kUriListMimeType));
        files = !uris.Files.isEmpty();
        links = !uris.Links.isEmpty();
    }
    if (text) reading.Formats |= dfText;
    if (files) reading.Formats |= dfFile;
    if (richText) reading.Formats |= dfRTF;
    if (column) reading.Formats |= dfCol;
    if (links) reading.Formats |= dfURL;
    if (cells) reading.Formats |= dfGridCells;
    reading.Accepted = (text && Accept.Text) || (files && Accept.Files) ||
                       (richText && Accept.RichText && Accept.Text) || (column && Accept.Cols) ||
                       (links && Accept.URLs) || cells;
    return reading;
}

TDropReading ReadDrop(const QMimeData& Data, const TDropAcceptance& Accept) {
    TDropReading reading = ReadDropFormats(Data, Accept);
    if (!reading.Accepted) return reading;
    if (reading.Formats & dfCol) {
        reading.Column = DecodeGridColumn(Data.data(kGridColumnMimeType), Accept.ColumnCount);
        return reading;
    }
    if (reading.Formats & dfGridCells) reading.CellStream = DecodeGridCellsBlock(Data.data(GridCellsMimeType()));
    if (!reading.CellStream && Accept.Text) {
        if ((reading.Formats & dfRTF) && Accept.RichText)
            reading.RichText = QString::fromUtf8(Data.data(kRichTextMimeType));
        else if (reading.Formats & dfText)
            reading.Text = QString::fromUtf8(Data.data(kPlainTextMimeType));
    }
    if (reading.Formats & (dfFile | dfURL)) {
        const TDroppedUris uris = DecodeUriList(Data.data(kUriListMimeType));
        if (Accept.Files) reading.Files = uris.Files;
        if (Accept.URLs && !uris.Links.isEmpty()) reading.URL = uris.Links.first();
    }
    return reading;
}
