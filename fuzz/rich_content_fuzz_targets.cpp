// Readers of the rich content that cell texts and other programs hand the grid: the
// walk over a GIF's frames and the readers of dropped data.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/view/gif_frames.h"
#include "grid/view/grid_drag_drop_data.h"

#include <QByteArray>

namespace {

QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

}  // namespace

int Fuzz_Gif_Frame_Walk(const std::uint8_t* data, std::size_t size) {
    const QByteArray gif = Bytes(data, size);
    const int frames = CountGifFrames(gif);
    Fuzz_Require(frames >= 0, "a negative frame count");
    // Every frame, one past the last and a nonsense number select safely.
    for (int frame : {1, 2, frames, frames + 1, -1}) {
        const TGifFrameSelection selection = SelectGifFrame(gif, frame);
        Fuzz_Require(selection.Data.size() <= gif.size(), "selecting a frame grew the data");
        GifFrameDelay(gif, frame);
    }
    if (frames == 0) Fuzz_Require(SelectGifFrame(gif, 1).Data == gif, "data without frames was changed");
    return 0;
}

int Fuzz_Drop_Payloads(const std::uint8_t* data, std::size_t size) {
    const QByteArray block = Bytes(data, size);
    if (const std::optional<QByteArray> cells = DecodeGridCellsBlock(block)) {
        Fuzz_Require(cells->size() + 8 <= block.size(), "a cells block read past its end");
        Fuzz_Require(DecodeGridCellsBlock(EncodeGridCellsBlock(*cells)) == cells, "a cells block did not read back");
    }
    if (const std::optional<int> column = DecodeGridColumn(block, 10))
        Fuzz_Require(*column >= 0 && *column < 10, "a column outside the grid was taken");
    const TDroppedUris uris = DecodeUriList(block);
    Fuzz_Require(uris.Files.size() + uris.Links.size() <= block.count('\n') + 1, "more URIs than lines");
    const QString text = QString::fromUtf8(block);
    const QString html = CellsToHtmlTable({{text, text}});
    // Two cells of the same text: the table's eight tags and one <br> per line break in each.
    QString breaks = text;
    breaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const qsizetype lineBreaks = breaks.count(QLatin1Char('\n')) + breaks.count(QLatin1Char('\r'));
    Fuzz_Require(html.count(QLatin1Char('<')) == 8 + 2 * lineBreaks, "a cell text made markup");
    IsCsvFileName(text);
    // The same bytes in every format a drop may carry.
    QMimeData dropped;
    for (const QString& format : {QStringLiteral("text/plain"), kRichTextMimeType, kGridColumnMimeType,
                                  GridCellsMimeType(), kUriListMimeType})
        dropped.setData(format, block);
    TDropAcceptance accept;
    accept.Cols = true;
    accept.RichText = true;
    accept.ColumnCount = 10;
    const TDropReading reading = ReadDrop(dropped, accept);
    Fuzz_Require(!reading.Column || (*reading.Column >= 0 && *reading.Column < 10), "a dropped column outside the grid");
    return 0;
}
