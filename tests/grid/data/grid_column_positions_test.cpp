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

TEST_F(GridColumnPositions, AMovedOrderComesBackInAnotherGrid) {
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        PositionsGrid saved(location, KeyFor(location));
        saved.MoveColumn(1, 3);
        saved.MoveColumn(4, 0);
        saved.SaveColPositions();
        PositionsGrid restored(location, KeyFor(location));
        restored.MoveColumn(2, 0);  // the restored order does not depend on the current one
        restored.LoadColPositions();
        EXPECT_EQ(restored.Headers(), saved.Headers()) << location;
        EXPECT_EQ(restored.ColumnPosition(1), 4);
    }
    QFile ini(IniPath);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), "[Rules]\nPos0=4\nPos1=0\nPos2=2\nPos3=3\nPos4=1\n");
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

TEST_F(GridColumnPositions, NothingHappensWithoutAPlaceOrWhileAColumnIsHidden) {
    PositionsGrid unnamed(clIniFile, IniPath);
    unnamed.ColumnSize()->SetSection(QString());
    unnamed.SaveColPositions();
    EXPECT_FALSE(QFile::exists(IniPath));

    WriteIni("[Rules]\nPos0=1\nPos1=0\nPos2=2\nPos3=3\nPos4=4\n");
    PositionsGrid hidden(clIniFile, IniPath);
    hidden.HideColumn(2);
    const QStringList before = hidden.Headers();
    hidden.LoadColPositions();
    EXPECT_EQ(hidden.Headers(), before);
    EXPECT_EQ(hidden.NumHiddenColumns(), 1);
}

}  // namespace
