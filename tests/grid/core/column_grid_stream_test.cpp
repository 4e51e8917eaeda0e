// The column stream: the DALI-like fixture's columns against their golden file, round
// trips, and bad or cut streams that raise a streaming error and change nothing.

#include "grid/core/column_grid.h"
#include "grid/core/grid_fixture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QString GoldenFile(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/column_grid/") +
           QLatin1String(name);
}

QByteArray Saved(TExColumnGrid& grid) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    grid.SaveColumnsToStream(buffer);
    return buffer.data();
}

void Load(TExColumnGrid& grid, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    grid.LoadColumnsFromStream(buffer);
}

QByteArray Int32(qint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 4);
}

QByteArray ShortString(const QByteArray& s) { return char(s.size()) + s; }

// A stream with one item holding the given property bytes.
QByteArray OneItem(const QByteArray& properties) {
    return "TPF0" + ShortString("TExColumnGridIO") + ShortString("") + ShortString("Items") + '\x0E' + '\x01' +
           properties + '\x00' + '\x00' + '\x00' + '\x00';
}

TEST(ColumnGridStream, MatchesItsGoldenFile) {
    ColumnGridFixture grid;
    QFile golden(GoldenFile("dali_device_columns.bin"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    const QByteArray saved = Saved(grid);
    EXPECT_TRUE(saved.startsWith("TPF0\x0FTExColumnGridIO\x00\x05Items\x0E\x01"));
    EXPECT_EQ(saved, expected);
}

TEST(ColumnGridStream, RoundTripsIntoAnotherGridOfTheSameWidth) {
    ColumnGridFixture grid;
    grid.Columns()->Items(5)->Filter()->Add("Small=<10");
    grid.Columns()->Items(5)->SetFloatFormat("%.2f");
    grid.Columns()->Items(5)->SetPrintBorders(TCellBorders{cbLeft});
    TFont font;
    font.Name = "Ünïcode face";
    font.Style = TFontStyles{fsBold, fsStrikeOut};
    grid.Columns()->Items(4)->SetHeaderFont(font);
    grid.Columns()->Items(1)->SetColumnPopupType(cpAllCellsLClick);
    const QByteArray saved = Saved(grid);

    TExColumnGrid other(nullptr);
    other.SetColCount(6);
    Load(other, saved);
    EXPECT_EQ(other.ColCount(), 6);
    ASSERT_EQ(other.Columns()->Count(), 6);
    EXPECT_EQ(other.Columns()->Items(3)->ComboItems()->Strings(1), "Start Break");
    EXPECT_EQ(other.Columns()->Items(4)->HeaderFont().Name, "Ünïcode face");
    EXPECT_EQ(other.Columns()->Items(3)->ColumnPopup(), nullptr);  // no menu of that name here
    EXPECT_EQ(other.ColWidths(5), 90);
    // Into a grid that has the menus, everything comes back.
    ColumnGridFixture same;
    Load(same, saved);
    EXPECT_EQ(Saved(same), saved);
    EXPECT_EQ(same.Columns()->Items(2)->ColumnPopup(), same.DimmingMenu);
    EXPECT_TRUE(same.ItemsMatchColumns());
}

TEST(ColumnGridStream, LoadingIntoANarrowerGridKeepsItsColumnCount) {
    ColumnGridFixture grid;
    const QByteArray saved = Saved(grid);
    TExColumnGrid narrow(nullptr);
    narrow.SetColCount(3);
    Load(narrow, saved);
    EXPECT_EQ(narrow.ColCount(), 3);
    ASSERT_EQ(narrow.Columns()->Count(), 3);
    EXPECT_EQ(narrow.Columns()->Items(1)->Editor(), edDataCheckBox);
}

TEST(ColumnGridStream, BadOrCutStreamsRaiseAndChangeNothing) {
    ColumnGridFixture grid;
    const QByteArray good = Saved(grid);
    const QByteArray sane = ShortString("Tag") + '\x04' + Int32(7);
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray()},
        {"signature only", "TPF0"},
        {"other signature", "TPF1" + good.mid(4)},
        {"other class", "TPF0" + ShortString("TExStringGrid") + good.mid(4 + 16)},
        {"unknown property", OneItem(ShortString("Colour") + '\x04' + Int32(1))},
        {"wrong tag", OneItem(ShortString("Tag") + '\x09')},
        {"editor out of range", OneItem(ShortString("Editor") + '\x04' + Int32(999))},
        {"negative alignment", OneItem(ShortString("Alignment") + '\x04' + Int32(-1))},
        {"set beyond its range", OneItem(ShortString("Borders") + '\x04' + Int32(16))},
        {"unknown font part", OneItem(ShortString("Font.Weight") + '\x04' + Int32(1))},
        {"huge string length", OneItem(ShortString("Name") + '\x14' + Int32(0x7FFFFFFF) + "abc")},
        {"negative string length", OneItem(ShortString("Name") + '\x14' + Int32(-5))},
        {"string list without its end", OneItem(ShortString("ComboItems") + '\x01' + '\x14' + Int32(1) + "a")},
        {"item not opened as a list", "TPF0" + ShortString("TExColumnGridIO") + ShortString("") + ShortString("Items") +
                                          '\x0E' + '\x04' + sane},
        {"second Items", OneItem(sane).chopped(2) + ShortString("Items") + '\x0E' + '\x00' + '\x00' + '\x00'},
        {"other component property", "TPF0" + ShortString("TExColumnGridIO") + ShortString("") + ShortString("Name") +
                                         '\x14' + Int32(0) + '\x00' + '\x00'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(Load(grid, c.bytes), EReadError);
        EXPECT_EQ(Saved(grid), good);
    }
    // Every cut of a good stream.
    for (int length = 0; length < good.size(); ++length) {
        ASSERT_THROW(Load(grid, good.left(length)), EReadError) << length;
    }
    EXPECT_EQ(Saved(grid), good);
    EXPECT_TRUE(grid.ItemsMatchColumns());
    // A sane one-item stream is read (the check above rejects for the right reasons).
    EXPECT_NO_THROW(Load(grid, OneItem(sane)));
    EXPECT_EQ(grid.Columns()->Items(0)->Tag(), 7);
}

TEST(ColumnGridStream, TheIOComponentBelongsOnlyToAColumnGrid) {
    TExStringGrid plain(nullptr);
    EXPECT_THROW(TExColumnGridIO io(&plain), EConvertError);
    TExColumnGrid grid(nullptr);
    TExColumnGridIO io(&grid);
    EXPECT_EQ(io.Items()->Grid(), &grid);
}

}  // namespace
