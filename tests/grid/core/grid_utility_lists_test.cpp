#include "grid/core/grid_utility_lists.h"

#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

// Records every change notice of a list.
struct NoticeLog {
    std::vector<TPoint> cells;
    TImageChangeEvent Handler() {
        return [this](TObject*, int col, int row) { cells.push_back({col, row}); };
    }
};

TEST(IntList, NoticesFollowAddSetAndDeleteOnly) {
    TIntList list(2, 5);
    NoticeLog log;
    list.OnChange = log.Handler();
    list.Insert(0, 7);  // silent
    EXPECT_TRUE(log.cells.empty());
    list.Add(8);
    list.SetInteger(0, 9);
    list.DeleteValue(42);  // absent: nothing
    list.DeleteValue(9);
    ASSERT_EQ(log.cells.size(), 3u);
    EXPECT_EQ(log.cells[0], (TPoint{2, 5}));
    list.Clear();  // silent
    EXPECT_EQ(log.cells.size(), 3u);
    EXPECT_THROW(list.GetInteger(0), Exception);
}

TEST(IntList, StrValueReadsAndWritesCommaText) {
    TIntList list(0, 0);
    NoticeLog log;
    list.OnChange = log.Handler();
    list.SetStrValue(QStringLiteral("1, 2,3"));
    EXPECT_EQ(log.cells.size(), 3u);
    EXPECT_EQ(list.StrValue(), QStringLiteral("1,2,3"));
    list.SetStrValue(QStringLiteral("3 -1 \"12\""));
    EXPECT_EQ(list.StrValue(), QStringLiteral("3,-1,12"));
    EXPECT_TRUE(list.HasValue(-1));
    list.SetStrValue(QString());
    EXPECT_EQ(list.StrValue(), QString());

    // The first part that is no integer raises; the parts before it stay.
    for (const char* bad : {"4,x,5", "4,,5"}) {
        EXPECT_THROW(list.SetStrValue(QString::fromUtf8(bad)), EConvertError) << bad;
        EXPECT_EQ(list.StrValue(), QStringLiteral("4")) << bad;
    }
}

TEST(SortIndexList, LoadFromString) {
    const struct {
        const char* text;
        const char* saved;  // SaveToString of what was loaded
    } cases[] = {
        {"u12;d4;x;U7", "u12;d4;d7"},  // x is too short; only a lower-case u is ascending
        {";;u1;", "u1"},
        {"u 5;d-0;dx;u3z", "u5;d0;d0;u3"},
        {"", ""},
    };
    TSortIndexList list;
    for (const auto& c : cases) {
        list.LoadFromString(QString::fromUtf8(c.text));
        EXPECT_EQ(list.SaveToString(), QString::fromUtf8(c.saved)) << c.text;
    }
}

TEST(SortIndexList, DirectionsAndColumns) {
    TSortIndexList list;
    NoticeLog log;
    list.OnChange = log.Handler();
    list.AddIndex(5, false);
    list.AddIndex(3, true);
    EXPECT_EQ(list.FindIndex(5), 0);  // the direction is ignored
    EXPECT_EQ(list.FindIndex(4), -1);
    EXPECT_TRUE(list.SortDirections(0));  // read: true is descending
    EXPECT_FALSE(list.SortDirections(1));
    list.SetSortDirections(0, true);  // write: true is ascending
    EXPECT_FALSE(list.SortDirections(0));
    list.SetSortDirections(1, false);
    EXPECT_TRUE(list.SortDirections(1));
    list.SetSortColumns(1, 9);
    EXPECT_EQ(list.SortColumns(1), 9);
    EXPECT_TRUE(list.SortDirections(1));  // kept

    const std::size_t notices = log.cells.size();
    list.ToggleIndex(77);
    EXPECT_EQ(log.cells.size(), notices);
    list.ToggleIndex(5);
    EXPECT_TRUE(list.SortDirections(0));
    EXPECT_EQ(log.cells.size(), notices + 1);

    TSortIndexList wide;
    wide.AddIndex(70000, true);
    EXPECT_EQ(wide.SaveToString(), QStringLiteral("u4464"));
}

TEST(FileStringList, WritesPendingLinesAndReadsWithACursor) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    TFileStringList out;
    out.Write(QStringLiteral("a"));
    out.Write(QStringLiteral("b"));
    out.WriteLn(QStringLiteral("c"));
    out.WriteLn(QStringLiteral("second"));
    out.Write(QStringLiteral("pending"));  // never ended: not saved
    ASSERT_EQ(out.Count(), 2);
    EXPECT_EQ(out[0], QStringLiteral("abc"));
    out.SaveToFile(path);

    TFileStringList in;
    in.LoadFromFile(path);
    QString line;
    ASSERT_FALSE(in.Eof());
    in.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("abc"));
    in.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("second"));
    EXPECT_TRUE(in.Eof());
    EXPECT_THROW(in.ReadLn(line), Exception);
    in.Reset();
    EXPECT_FALSE(in.Eof());

    EXPECT_THROW(in.LoadFromFile(dir.filePath(QStringLiteral("missing.txt"))), Exception);
    EXPECT_THROW(out.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/x.txt"))), Exception);
}

TEST(ControlList, FindsAndRemovesItemsButNotTheirControls) {
    TPanel owner(nullptr);
    auto* edit = new TEdit(&owner);
    auto* label = new TLabel(&owner);
    TControlList list;
    list.AddControl(1, 2, edit);
    list.AddControl(3, 4, label);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(4, 3), -1);
    EXPECT_TRUE(list.HasHandle(edit));
    EXPECT_FALSE(list.HasHandle(&owner));
    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Control(0)->Control(), label);
    EXPECT_FALSE(list.HasHandle(edit));
    EXPECT_EQ(edit->Owner(), &owner);  // the control itself lives on
    EXPECT_THROW(list.RemoveControl(5), Exception);
}

TEST(FilePicture, MeasuresAndDrawsFromTheFileEachTime) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    QImage source(7, 5, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    ASSERT_TRUE(source.save(path));

    TFilePicture picture;
    picture.SetFilename(path);
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 5);

    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        TCanvas canvas(&painter);
        picture.DrawPicture(canvas, Rect(2, 2, 16, 12));  // stretched
    }
    EXPECT_EQ(FromQColor(target.pixelColor(15, 11)), clBlue);
    EXPECT_EQ(FromQColor(target.pixelColor(16, 12)), clWhite);

    TFilePicture copy;
    copy.Assign(&picture);
    QFile::remove(path);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 7);  // copied without loading

    // A file that cannot be loaded raises; the name stays, the size keeps its value.
    const QString missing = dir.filePath(QStringLiteral("gone.png"));
    EXPECT_THROW(copy.SetFilename(missing), EInvalidGraphic);
    EXPECT_EQ(copy.Filename(), missing);
    EXPECT_EQ(copy.Height(), 5);
    {
        QPainter painter(&target);
        TCanvas canvas(&painter);
        EXPECT_THROW(copy.DrawPicture(canvas, Rect(0, 0, 5, 5)), EInvalidGraphic);
        TFilePicture unnamed;
        unnamed.DrawPicture(canvas, Rect(0, 0, 5, 5));  // nothing without a name
    }
    EXPECT_EQ(FromQColor(target.pixelColor(0, 0)), clWhite);
}

}  // namespace
