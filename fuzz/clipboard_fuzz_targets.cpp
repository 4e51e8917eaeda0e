// What other programs put on the clipboard: spreadsheet text and the grid's cell block.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/data/cell_block_codec.h"
#include "grid/data/clipboard_text.h"

int Fuzz_Clipboard_Text(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const TClipboardTable table = ParseClipboardText(text);
    const TPoint extent = ClipboardTextSize(table);
    Fuzz_Require(extent.X >= 1 && extent.Y >= 0 && extent.Y <= table.Rows.size(), "a block size out of range");
    // Fields written again read back as they were read; a vertical tab is the spreadsheets'
    // line break inside a quoted field, so both sides are compared with it as one.
    const auto lineBreaksAsOne = [](TClipboardTable t) {
        for (QStringList& row : t.Rows)
            for (QString& field : row) field.replace(QLatin1Char('\v'), QStringLiteral("\r\n"));
        return t.Rows;
    };
    QString again;
    for (const QStringList& row : table.Rows) {
        QStringList fields;
        for (const QString& field : row) fields << ClipboardField(field, false);
        again += fields.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    Fuzz_Require(lineBreaksAsOne(ParseClipboardText(again)) == lineBreaksAsOne(table), "a field changed on the way back");
    return 0;
}

int Fuzz_Cell_Block(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<TCellBlock> block = DecodeCellBlock(bytes);
    if (!block) return 0;
    Fuzz_Require(qint64(block->Cells.size()) == qint64(block->Header.ColCount) * block->Header.RowCount,
                 "a header's counts disagree with its cells");
    const QByteArray encoded = EncodeCellBlock(*block);
    const std::optional<TCellBlock> again = DecodeCellBlock(encoded);
    Fuzz_Require(again && EncodeCellBlock(*again) == encoded, "a block did not read back");
    return 0;
}
