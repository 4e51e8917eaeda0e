// What a grid's drag offers and what a drop hands the grid, through QMimeData as another
// grid or program would fill it.

#include "grid/view/grid_drag_drop_data.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace {

TGridDragContent ThreeCells() {
    TGridDragContent content;
    content.Text = "a\tb<\tc";
    content.Cells = {{"a", "b<", "c"}};
    content.CellStream = QByteArray("stream");
    return content;
}

TEST(GridDragDropData, OfferedFormatsComeInTheirOrder) {
    TGridDragContent content = ThreeCells();
    EXPECT_EQ(MakeGridDragData(content)->formats(),
              QStringList({"text/plain", "text/html", GridCellsMimeType()}));
    content.RichTextEnabled = true;
    content.RichText = "{\\rtf1 a}";
    content.Column = 2;
    const auto data = MakeGridDragData(content);
    EXPECT_EQ(data->formats(), QStringList({"text/plain", "text/html", "text/rtf", kGridColumnMimeType,
                                            GridCellsMimeType()}));
    EXPECT_EQ(data->text(), "a\tb<\tc");
    EXPECT_TRUE(data->html().contains("<td>b&lt;</td>"));
}

TEST(GridDragDropData, ADropFromAnotherGridGivesItsCells) {
    const auto data = MakeGridDragData(ThreeCells());
    const TDropReading reading = ReadDrop(*data, {});
    EXPECT_TRUE(reading.Accepted);
    EXPECT_EQ(reading.Formats, dfText | dfGridCells);
    EXPECT_EQ(reading.CellStream, QByteArray("stream"));
    EXPECT_FALSE(reading.Text);  // the cells win over the text
}

TEST(GridDragDropData, HostileOrRefusedPayloadsAreNotHandedOn) {
    QMimeData tooLong;
    QByteArray block = EncodeGridCellsBlock("abc");
    block[0] = char(200);
    tooLong.setData(GridCellsMimeType(), block);
    tooLong.setText("fallback");
    TDropReading reading = ReadDrop(tooLong, {});
    EXPECT_FALSE(reading.CellStream);
    EXPECT_EQ(reading.Text, "fallback");

    QMimeData shortBlock;
    shortBlock.setData(GridCellsMimeType(), QByteArray("\x03\0\0", 3));
    EXPECT_FALSE(ReadDrop(shortBlock, {}).CellStream);

    for (int column : {-5, 1000000}) {
        QMimeData columnDrag;
        columnDrag.setData(kGridColumnMimeType, EncodeGridColumn(column));
        TDropAcceptance accept;
        accept.Cols = true;
        accept.ColumnCount = 10;
        const TDropReading columnReading = ReadDrop(columnDrag, accept);
        EXPECT_TRUE(columnReading.Accepted);
        EXPECT_FALSE(columnReading.Column) << column;
    }

    // With the accept flags off nothing is taken: no text, no file, no link.
    QMimeData mixed;
    mixed.setText("text");
    mixed.setUrls({QUrl::fromLocalFile("/tmp/DATA.CSV"), QUrl("https://example.com")});
    TDropAcceptance none;
    none.Text = none.Files = none.URLs = false;
    reading = ReadDrop(mixed, none);
    EXPECT_FALSE(reading.Accepted);
    EXPECT_FALSE(reading.Text);
    EXPECT_TRUE(reading.Files.isEmpty());
    EXPECT_TRUE(reading.URL.isEmpty());
    TDropAcceptance textOnly = none;
    textOnly.Text = true;
    reading = ReadDrop(mixed, textOnly);
    EXPECT_EQ(reading.Text, "text");
    EXPECT_TRUE(reading.Files.isEmpty());
    EXPECT_TRUE(reading.URL.isEmpty());
    reading = ReadDrop(mixed, {});
    EXPECT_EQ(reading.Files, QStringList({"/tmp/DATA.CSV"}));
    EXPECT_EQ(reading.URL, "https://example.com");
}

TEST(GridDragDropData, RichTextIsReadOnlyWhileEnabled) {
    QMimeData data;
    data.setText("plain");
    data.setData("text/rtf", "{\\rtf1 rich}");
    TDropAcceptance accept;
    EXPECT_EQ(ReadDrop(data, accept).Text, "plain");
    EXPECT_FALSE(ReadDrop(data, accept).RichText);
    accept.RichText = true;
    EXPECT_EQ(ReadDrop(data, accept).RichText, "{\\rtf1 rich}");
    EXPECT_FALSE(ReadDrop(data, accept).Text);
}

}  // namespace
