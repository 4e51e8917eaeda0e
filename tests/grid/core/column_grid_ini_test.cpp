// The column order in an ini file: the saved file against its golden form, the round
// trip, and bad files that change nothing.

#include "grid/core/column_grid.h"
#include "grid/core/grid_fixture.h"
#include "registry_file_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString GoldenFile(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/column_grid/") +
           QLatin1String(name);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList Order(TExColumnGrid& grid) {
    QStringList names;
    for (int i = 0; i < grid.Columns()->Count(); ++i) names << grid.Columns()->Items(i)->Name();
    return names;
}

// The fixture with the Address column shown, so every column can be moved; the
// registry form writes into a store of its own.
class ColumnGridIniTest : public RegistryFileTest {
protected:
    void SetUp() override {
        RegistryFileTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
        Grid.UnHideColumn(ColumnGridFixture::AddressCol);
        Path = Folder.filePath("columns.ini");
    }

    QTemporaryDir Folder;
    ColumnGridFixture Grid;
    QString Path;
};

TEST_F(ColumnGridIniTest, SavedOrderMatchesTheGoldenFileAndKeepsTheOtherLines) {
    WriteAll(Path, "; settings of the editor\n[Window]\nLeft=10\n\n[DALI]\nCP0=9\nOther=x\n");
    Grid.MoveColumn(1, 4);  // Enable to the fourth place
    Grid.MoveColumn(5, 0);  // Recall to the front
    ASSERT_TRUE(Grid.SaveColumnPositions(Path, "dali"));
    EXPECT_EQ(ReadAll(Path), ReadAll(GoldenFile("dali_device_order.ini")));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList{"columns.ini"});
}

TEST_F(ColumnGridIniTest, LoadingPutsTheColumnsBackInTheSavedOrder) {
    Grid.MoveColumn(1, 4);
    Grid.MoveColumn(5, 0);
    const QStringList saved = Order(Grid);
    ASSERT_TRUE(Grid.SaveColumnPositions(Path, "DALI"));

    ColumnGridFixture other;
    other.UnHideColumn(ColumnGridFixture::AddressCol);
    other.LoadColumnPositions(Path, "DALI");
    EXPECT_EQ(Order(other), saved);
    EXPECT_TRUE(other.ItemsMatchColumns());
    EXPECT_EQ(other.Cells(0, 1), "None");  // the Recall column's cells came along
    // The organised index travels with each column, so saving again gives the same file.
    const QByteArray first = ReadAll(Path);
    ASSERT_TRUE(other.SaveColumnPositions(Path, "DALI"));
    EXPECT_EQ(ReadAll(Path), first);

    // Loading the organised order (as saved by a fresh grid) restores the first order.
    ColumnGridFixture fresh;
    fresh.UnHideColumn(ColumnGridFixture::AddressCol);
    ASSERT_TRUE(fresh.SaveColumnPositions(Path, "DALI"));
    other.LoadColumnPositions(Path, "DALI");
    EXPECT_EQ(Order(other), Order(fresh));
}

TEST_F(ColumnGridIniTest, BadFilesChangeNothing) {
    struct Case {
        const char* name;
        QByteArray text;  // empty: no file at all
    };
    const Case cases[] = {
        {"no file", QByteArray()},
        {"empty file", "\n"},
        {"other section", "[Other]\nCP0=1\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"a key missing", "[DALI]\nCP0=1\nCP1=0\nCP2=2\nCP3=3\nCP5=4\n"},
        {"not a number", "[DALI]\nCP0=one\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"number with a tail", "[DALI]\nCP0=1x\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"repeated index", "[DALI]\nCP0=1\nCP1=1\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"index out of range", "[DALI]\nCP0=6\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=1\n"},
        {"negative index", "[DALI]\nCP0=-2\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=1\n"},
        {"huge index", "[DALI]\nCP0=99999999999\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=1\n"},
        {"lines without equals", "[DALI]\nCP0 1\nCP1 0\nCP2 2\nCP3 3\nCP4 4\nCP5 5\n"},
        {"binary junk", QByteArray("\x00\xFF[DALI\n=\n==\n", 12)},
    };
    const QStringList before = Order(Grid);
    int moves = 0;
    Grid.OnAfterColumnMoved = [&](TObject*, int, int) { ++moves; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Path);
        if (!c.text.isEmpty()) WriteAll(Path, c.text);
        Grid.LoadColumnPositions(Path, "DALI");
        EXPECT_EQ(Order(Grid), before);
        EXPECT_EQ(moves, 0);
    }
    // The same order file is applied when it is whole; names and sections ignore case.
    WriteAll(Path, "[dali]\ncp0 = 1\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n");
    Grid.LoadColumnPositions(Path, "DALI");
    EXPECT_EQ(Order(Grid).mid(0, 2), (QStringList{"Enable", "Device"}));
}

TEST_F(ColumnGridIniTest, NothingMovesWhileAColumnIsHidden) {
    ColumnGridFixture hidden;  // the Address column hidden
    WriteAll(Path, "[DALI]\nCP0=1\nCP1=0\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n");
    const QStringList before = Order(hidden);
    hidden.LoadColumnPositions(Path, "DALI");
    EXPECT_EQ(Order(hidden), before);
}

TEST_F(ColumnGridIniTest, ColPositionsUseTheIniFormOnlyForAnIniLocation) {
    Grid.ColumnSize()->SetKey(Path);
    Grid.ColumnSize()->SetSection("DALI");
    Grid.ColumnSize()->SetLocation(clRegistry);
    Grid.SaveColPositions();
    EXPECT_FALSE(QFile::exists(Path));
    EXPECT_TRUE(ReadAll(UserRegistryFile()).contains("Pos5=5"));  // the string grid's registry form
    Grid.ColumnSize()->SetLocation(clIniFile);
    Grid.MoveColumn(0, 1);
    Grid.SaveColPositions();
    ASSERT_TRUE(QFile::exists(Path));
    ColumnGridFixture other;
    other.UnHideColumn(ColumnGridFixture::AddressCol);
    other.ColumnSize()->SetKey(Path);
    other.ColumnSize()->SetSection("DALI");
    other.ColumnSize()->SetLocation(clIniFile);
    other.LoadColPositions();
    EXPECT_EQ(Order(other), Order(Grid));
}

}  // namespace
