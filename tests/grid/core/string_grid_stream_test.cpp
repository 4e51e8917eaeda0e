// The grid's own text format on a stream, and copying cells through it.

#include "grid/core/string_grid.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

QString Utf16Text(const QByteArray& bytes) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
}

QByteArray Utf16Bytes(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST(StringGridStream, SavesCountsWidthsAndNonEmptyCellsAsUtf16Lines) {
    TExStringGrid grid(nullptr);
    grid.TStringGrid::SetColCount(3);
    grid.TStringGrid::SetRowCount(3);
    grid.SetColWidths(1, 80);
    grid.SetCells(1, 1, "a,b");
    grid.SetCells(2, 2, "two\r\nlines");
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    grid.SaveToStream(buffer);
    // A line break is kept on one line as a tab (CR) and a backspace (LF).
    EXPECT_EQ(Utf16Text(data), "3,3\r\ncw 0,64\r\ncw 1,80\r\ncw 2,64\r\n1,1,a,b\r\n2,2,two\t\blines\r\n");
}

TEST(StringGridStream, LoadingStopsBeforeDataThatFollowsTheGrid) {
    const QString text = QStringLiteral("4,3\r\ncw 2,50\r\n1,2,hello\r\n3,0,x,y\r\nother data\r\n");
    QByteArray data = Utf16Bytes(text);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TExStringGrid grid(nullptr);
    int changes = 0;
    grid.OnCellsChanged = [&](TObject*, TRect) { ++changes; };
    grid.LoadFromStream(buffer);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColWidths(2), 50);
    EXPECT_EQ(grid.Cells(1, 2), "hello");
    EXPECT_EQ(grid.Cells(3, 0), "x,y");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Utf16Text(buffer.readAll()), "other data\r\n");
}

TEST(StringGridStream, ANonNumericFieldRaisesAConversionError) {
    QByteArray data = Utf16Bytes(QStringLiteral("x,3\r\n"));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TExStringGrid grid(nullptr);
    EXPECT_THROW(grid.LoadFromStream(buffer), EConvertError);
}

TEST(StringGridStream, RefusedStreamsLeaveTheGridAndCellsOutsideAreDropped) {
    struct Case {
        const char* name;
        QString text;
    };
    const Case refused[] = {
        {"a billion rows", "2,1000000000\r\n1,1,x\r\n"},
        {"too many columns", "100000,2\r\n"},
        {"a bad cell after good ones", "2,2\r\n1,1,x\r\n1,y,z\r\n"},
    };
    for (const Case& c : refused) {
        QByteArray data = Utf16Bytes(c.text);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        TExStringGrid grid(nullptr);
        grid.TStringGrid::SetColCount(3);
        grid.TStringGrid::SetRowCount(3);
        grid.SetCells(1, 1, "keep");
        EXPECT_ANY_THROW(grid.LoadFromStream(buffer)) << c.name;
        EXPECT_EQ(grid.ColCount(), 3) << c.name;
        EXPECT_EQ(grid.RowCount(), 3) << c.name;
        EXPECT_EQ(grid.Cells(1, 1), "keep") << c.name;
    }
    QByteArray data = Utf16Bytes(QStringLiteral("2,2\r\ncw 7,90\r\n5,5,out\r\n1,1,in\r\n"));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TExStringGrid grid(nullptr);
    grid.LoadFromStream(buffer);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(1, 1), "in");
}

TEST(StringGridStream, AssignCellsCopiesTheCellsThroughTheStream) {
    TExStringGrid source(nullptr);
    source.TStringGrid::SetColCount(6);
    source.TStringGrid::SetRowCount(4);
    source.LinearFill(false);
    source.SetCells(5, 3, "last");
    TExStringGrid target(nullptr);
    target.OnLoadCell = [](TObject*, int, int, QString& v) { v = "<" + v + ">"; };
    target.AssignCells(&source);
    EXPECT_EQ(target.ColCount(), 6);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.Cells(1, 1), "<1:1>");
    EXPECT_EQ(target.Cells(5, 3), "<last>");
    TBaseGrid other(nullptr);
    target.AssignCells(&other);  // another class: nothing happens
    EXPECT_EQ(target.Cells(5, 3), "<last>");
}

}  // namespace
