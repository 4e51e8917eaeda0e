// The formats of the grid's drags and drops, with the blocks another program might hand
// the grid.

#include "grid/view/grid_drag_drop_formats.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray CellsBlock(quint32 declaredLength, const QByteArray& payload) {
    QByteArray block(8, '\0');
    qToLittleEndian<quint32>(declaredLength, block.data());
    return block + payload;
}

TEST(GridDragDropFormats, CellsBlockReadsBackAndRefusesBadLengths) {
    const QByteArray stream("\x01\x02\x00" "cells", 8);
    const QByteArray block = EncodeGridCellsBlock(stream);
    ASSERT_EQ(block.size(), 8 + stream.size());
    EXPECT_EQ(qFromLittleEndian<quint32>(block.constData()), quint32(stream.size()));
    EXPECT_EQ(block.mid(4, 4), QByteArray(4, '\0'));
    EXPECT_EQ(DecodeGridCellsBlock(block), stream);

    const struct {
        const char* name;
        QByteArray block;
        std::optional<QByteArray> read;
    } cases[] = {
        {"empty payload", CellsBlock(0, {}), QByteArray()},
        {"extra bytes after the payload", CellsBlock(2, "abcd"), QByteArray("ab")},
        {"N one too large", CellsBlock(5, "abcd"), std::nullopt},
        {"N near 4 GB", CellsBlock(0xFFFFFFF0u, "abcd"), std::nullopt},
        {"short header", QByteArray("\x04\0\0\0", 4), std::nullopt},
        {"nothing", QByteArray(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeGridCellsBlock(c.block), c.read) << c.name;
}

TEST(GridDragDropFormats, ColumnIsTakenOnlyInsideTheGrid) {
    EXPECT_EQ(EncodeGridColumn(3), QByteArray("\x03\0\0\0", 4));
    EXPECT_EQ(EncodeGridColumn(-5), QByteArray("\xFB\xFF\xFF\xFF", 4));
    const struct {
        QByteArray block;
        std::optional<int> column;
    } cases[] = {
        {EncodeGridColumn(0), 0},
        {EncodeGridColumn(9), 9},
        {EncodeGridColumn(10), std::nullopt},
        {EncodeGridColumn(-5), std::nullopt},
        {EncodeGridColumn(1000000), std::nullopt},
        {QByteArray("\x03\0\0", 3), std::nullopt},
        {EncodeGridColumn(2) + "more", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeGridColumn(c.block, 10), c.column) << c.block.toHex().toStdString();
}

TEST(GridDragDropFormats, UriListSplitsFilesFromLinks) {
    const TDroppedUris uris = DecodeUriList(
        "# a comment\r\nfile:///home/user/DATA.CSV\r\n\r\nhttps://example.com/x?a=1\r\nfile:///tmp/b%20c.txt\n");
    EXPECT_EQ(uris.Files, QStringList({"/home/user/DATA.CSV", "/tmp/b c.txt"}));
    EXPECT_EQ(uris.Links, QStringList({"https://example.com/x?a=1"}));
    EXPECT_TRUE(DecodeUriList("").Files.isEmpty());

    QByteArray many;
    for (int i = 0; i < 100000; ++i) many += "file:///tmp/f" + QByteArray::number(i) + "\r\n";
    EXPECT_EQ(DecodeUriList(many).Files.size(), 100000);
}

TEST(GridDragDropFormats, HtmlTableEscapesEveryText) {
    EXPECT_EQ(CellsToHtmlTable({{"a<b>", "&x"}, {"\"q\"", ""}}),
              "<table><tr><td>a&lt;b&gt;</td><td>&amp;x</td></tr><tr><td>&quot;q&quot;</td><td></td></tr></table>");
    EXPECT_EQ(CellsToHtmlTable({}), "<table></table>");
    // A spreadsheet or word processor would show a bare line break as a blank.
    EXPECT_EQ(CellsToHtmlTable({{"a\r\nb\nc\rd"}}), "<table><tr><td>a<br>b<br>c<br>d</td></tr></table>");
}

TEST(GridDragDropFormats, KeyStateToDropEffect) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        Qt::DropActions allowed;
        Qt::DropAction effect;
    } cases[] = {
        {Qt::NoModifier, Qt::CopyAction | Qt::MoveAction, Qt::MoveAction},
        {Qt::ControlModifier, Qt::CopyAction | Qt::MoveAction, Qt::CopyAction},
        {Qt::ControlModifier, Qt::MoveAction, Qt::CopyAction},
        {Qt::NoModifier, Qt::CopyAction, Qt::CopyAction},
        {Qt::ShiftModifier, Qt::CopyAction | Qt::MoveAction, Qt::MoveAction},
        {Qt::ShiftModifier | Qt::ControlModifier, Qt::MoveAction, Qt::CopyAction},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyStateToDropEffect(c.modifiers, c.allowed), c.effect);
}

TEST(GridDragDropFormats, OnlyNamesEndingInCsvAreCsv) {
    for (const char* name : {"DATA.CSV", "data.csv", "a.b.Csv"}) EXPECT_TRUE(IsCsvFileName(name)) << name;
    for (const char* name : {"a.csv.exe", "csv", "data.csvx", "data.txt", ""}) EXPECT_FALSE(IsCsvFileName(name)) << name;
}

TEST(GridDragDropFormats, GridCellsTypeIsTheRegisteredOne) {
    EXPECT_FALSE(GridCellsMimeType().isEmpty());
    EXPECT_EQ(GridCellsMimeType(), GridCellsMimeType());
}

}  // namespace
