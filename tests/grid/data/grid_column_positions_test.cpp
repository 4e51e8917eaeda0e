// The string grid's column order saved in an ini file or the registry and restored in
// another grid; saved orders that are no whole order of the columns change nothing.

#include "grid/core/string_grid.h"
#include "registry_file_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Five columns whose header names the column's first place.
class PositionsGrid : public TExStringGrid {
public:
    PositionsGrid(TColumnSizeLocation Location, const QString& Key) : TExStringGrid(nullptr) {
        SetColCount(5);
        SetRowCount(3);
        for (int c = 0; c < 5; ++c) SetCells(c, 0, QString("C%1").arg(c));
        ColumnSize()->SetLocation(Location);
        ColumnSize()->SetKey(Key);
        ColumnSize()->SetSection("Rules");
    }
    QStringList Headers() const {
        QStringList headers;
        for (int c = 0; c < TotalColCount(); ++c) headers << Cells(c, 0);
        return headers;
    }
};

class GridColumnPositions : public RegistryFileTest {
protected:
    void SetUp() override {
        RegistryFileTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
        IniPath = Folder.filePath("grid.ini");
    }
    QString KeyFor(TColumnSizeLocation Location) const {
        return Location == clIniFile ? IniPath : QStringLiteral("Software\\Vastrelon\\Grid");
    }
    void WriteIni(const QByteArray& text) {
        QFile file(IniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir Folder;
    QString IniPath;
};

TEST_F(GridColumnPositions, AMovedOrderAndItsWidthsComeBackInAnotherGrid) {
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        PositionsGrid saved(location, KeyFor(location));
        saved.MoveColumn(1, 3);
        saved.MoveColumn(4, 0);
        saved.SaveColPositions();
        for (int c = 0; c < 5; ++c) saved.SetColWidths(c, 30 + c);
        saved.SaveColSizes();
        PositionsGrid restored(location, KeyFor(location));
        restored.MoveColumn(2, 0);  // the restored order does not depend on the current one
        restored.LoadColPositions();
        restored.LoadColSizes();
        EXPECT_EQ(restored.Headers(), saved.Headers()) << location;
        EXPECT_EQ(restored.ColumnPosition(1), 4);
        for (int c = 0; c < 5; ++c) EXPECT_EQ(restored.ColWidths(c), 30 + c) << location << c;
    }
    QFile ini(IniPath);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), "[Rules]\nPos0=4\nPos1=0\nPos2=2\nPos3=3\nPos4=1\nCol0=30\nCol1=31\nCol2=32\nCol3=33\nCol4=34\n");
}

TEST_F(GridColumnPositions, BadSavedOrdersChangeNothing) {
    const char* files[] = {
        "[Rules]\nPos0=1\nPos1=0\nPos2=2\nPos3=3\n",                   // a position missing
        "[Rules]\nPos0=1\nPos1=1\nPos2=2\nPos3=3\nPos4=4\n",           // a column twice
        "[Rules]\nPos0=1\nPos1=0\nPos2=2\nPos3=3\nPos4=5\n",           // beyond the columns
        "[Rules]\nPos0=1\nPos1=0\nPos2=2\nPos3=3\nPos4=-1\n",          // negative
        "[Rules]\nPos0=one\nPos1=0\nPos2=2\nPos3=3\nPos4=4\n",         // no number
        "[Other]\nPos0=1\nPos1=0\nPos2=2\nPos3=3\nPos4=4\n",           // another section
        "",
    };
    for (const char* text : files) {
        WriteIni(text);
        PositionsGrid grid(clIniFile, IniPath);
        grid.MoveColumn(3, 1);
        const QStringList before = grid.Headers();
        grid.LoadColPositions();
        EXPECT_EQ(grid.Headers(), before) << text;
    }
    Store("[Software\\Vastrelon\\Grid\\Rules]\nPos0=0x1\nPos1=9\nPos2=2\nPos3=3\nPos4=4\n");
    PositionsGrid grid(clRegistry, KeyFor(clRegistry));
    const QStringList before = grid.Headers();
    grid.LoadColPositions();
    EXPECT_EQ(grid.Headers(), before);
}

TEST_F(GridColumnPositions, NothingHappensWithoutAPlace) {
    PositionsGrid unnamed(clIniFile, IniPath);
    unnamed.ColumnSize()->SetSection(QString());
    unnamed.SaveColPositions();
    EXPECT_FALSE(QFile::exists(IniPath));
}

TEST_F(GridColumnPositions, HiddenColumnsMoveWithTheOrderAndStayHidden) {
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        PositionsGrid saved(location, KeyFor(location));
        saved.MoveColumn(0, 4);
        saved.HideColumn(1);  // C2, now at storage position 1
        saved.SaveColPositions();

        PositionsGrid restored(location, KeyFor(location));
        restored.HideColumn(2);  // the same column, hidden before the order is loaded
        restored.LoadColPositions();
        EXPECT_EQ(restored.Headers(), saved.Headers()) << location;
        EXPECT_EQ(restored.NumHiddenColumns(), 1);
        EXPECT_TRUE(restored.IsHiddenColumn(1));
        EXPECT_EQ(restored.ColumnStatesToString(), saved.ColumnStatesToString());
    }
}

TEST_F(GridColumnPositions, ALoadCreatesAMissingIniFileAndNeverFailsOnAnUnwritableOne) {
    PositionsGrid grid(clIniFile, IniPath);
    grid.LoadColPositions();
    grid.LoadColSizes();
    EXPECT_TRUE(QFile::exists(IniPath));

    PositionsGrid elsewhere(clIniFile, Folder.filePath("missing/folder/grid.ini"));
    const QStringList before = elsewhere.Headers();
    EXPECT_NO_THROW(elsewhere.LoadColPositions());
    EXPECT_NO_THROW(elsewhere.LoadColSizes());
    EXPECT_EQ(elsewhere.Headers(), before);
}

TEST_F(GridColumnPositions, WithSaveOnAGridKeepsItsWidthsFromOneLifeToTheNext) {
    {
        PositionsGrid first(clIniFile, IniPath);
        first.ColumnSize()->SetSave(true);
        first.SetColWidths(2, 111);
    }
    PositionsGrid next(clIniFile, IniPath);
    next.ColumnSize()->SetSave(true);
    EXPECT_NE(next.ColWidths(2), 111);
    next.show();  // its window is made
    EXPECT_EQ(next.ColWidths(2), 111);
}

TEST_F(GridColumnPositions, ARegistryWidthStoredAsAStringStaysAString) {
    Store("[Software\\Vastrelon\\Grid\\Rules]\nCol1=\"77\"\nCOL2=-5\nCol3=wide\n");
    PositionsGrid grid(clRegistry, KeyFor(clRegistry));
    const int before2 = grid.ColWidths(2);
    const int before3 = grid.ColWidths(3);
    grid.LoadColSizes();
    EXPECT_EQ(grid.ColWidths(1), 77);
    EXPECT_EQ(grid.ColWidths(2), before2);  // no width
    EXPECT_EQ(grid.ColWidths(3), before3);  // no number
    grid.SetColWidths(1, 81);
    grid.SaveColSizes();
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly(KeyFor(clRegistry) + "\\Rules"));
    EXPECT_EQ(registry.GetDataType("Col1"), rdString);
    EXPECT_EQ(registry.ReadString("col1"), "81");
    EXPECT_EQ(registry.GetDataType("Col0"), rdInteger);
}

}  // namespace
