#include "grid/view/gif_frames.h"
#include "grid/view/html_picture.h"
#include "grid/view/picture_container.h"
#include "picture_fixtures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QColor ShownPixel(const THTMLPicture& picture, int x, int y) {
    QImage canvasImage(picture.MaxWidth(), picture.MaxHeight(), QImage::Format_ARGB32);
    canvasImage.fill(Qt::black);
    QPainter painter(&canvasImage);
    TCanvas canvas(&painter);
    picture.Draw(canvas, Rect(0, 0, picture.MaxWidth(), picture.MaxHeight()));
    painter.end();
    return canvasImage.pixelColor(x, y);
}

}  // namespace

TEST(GifFrames, ThreeFrameFileIsWalkedWithItsDelaysAndOffsets) {
    const QByteArray gif = ThreeFrameGif();
    EXPECT_EQ(CountGifFrames(gif), 3);
    EXPECT_EQ(GifFrameDelay(gif, 1), 10);
    EXPECT_EQ(GifFrameDelay(gif, 2), 20);
    EXPECT_EQ(GifFrameDelay(gif, 3), 30);
    EXPECT_EQ(GifFrameDelay(gif, 4), -1);
    const TGifFrameSelection second = SelectGifFrame(gif, 2);
    EXPECT_EQ(second.ScreenWidth, 6);
    EXPECT_EQ(second.ScreenHeight, 4);
    EXPECT_EQ(second.FrameX, 2);
    EXPECT_EQ(second.FrameY, 1);
    EXPECT_EQ(second.FrameWidth, 2);
    EXPECT_EQ(second.FrameHeight, 2);
    EXPECT_EQ(CountGifFrames(second.Data), 2);
}

TEST(GifFrames, EveryCutOfAGifIsWalkedSafely) {
    const QByteArray gif = ThreeFrameGif();
    for (qsizetype size = 0; size <= gif.size(); ++size) {
        const QByteArray cut = gif.left(size);
        const int count = CountGifFrames(cut);
        EXPECT_LE(count, 3);
        for (int frame = 0; frame <= 4; ++frame) {
            GifFrameDelay(cut, frame);
            EXPECT_LE(SelectGifFrame(cut, frame).Data.size(), cut.size());
        }
    }
}

TEST(HTMLPicture, SecondFrameOfAGifShowsThatFrameAtItsOffset) {
    THTMLPicture picture;
    LoadBytes(picture, ThreeFrameGif());
    ASSERT_FALSE(picture.Empty());
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(ShownPixel(picture, 0, 0), QColor(Qt::red));

    int frameChanges = 0;
    picture.OnFrameChange = [&](THTMLPicture*) { ++frameChanges; };
    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.FrameXPos(), 2);
    EXPECT_EQ(picture.FrameYPos(), 1);
    EXPECT_EQ(picture.MaxWidth(), 6);
    EXPECT_EQ(picture.MaxHeight(), 4);
    // The reader places the frame inside the logical screen.
    EXPECT_EQ(ShownPixel(picture, 2, 1), QColor(Qt::green));
    EXPECT_EQ(ShownPixel(picture, 3, 2), QColor(Qt::green));
    EXPECT_NE(ShownPixel(picture, 0, 0), QColor(Qt::red));
}

TEST(HTMLPicture, FramesWrapAroundBothWays) {
    THTMLPicture picture;
    LoadBytes(picture, ThreeFrameGif());
    picture.SetFrame(3);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
}

TEST(HTMLPicture, AnimationOfDelaysTenAndTwentyShowsFrameTwoFromTheThirdTick) {
    THTMLPicture picture;
    LoadBytes(picture, BuildGif(2, 2, {{0, 0, 2, 2, 1, 10}, {0, 0, 2, 2, 2, 20}}));
    std::vector<int> shown;
    for (int tick = 1; tick <= 5; ++tick) {
        picture.Step();
        shown.push_back(picture.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 2, 2, 1}));
    EXPECT_EQ(ShownPixel(picture, 0, 0), QColor(Qt::red));
}

TEST(HTMLPicture, BitmapHasNoFramesAndItsOwnSize) {
    THTMLPicture picture;
    LoadBytes(picture, ImageFileBytes(Qt::red, 7, 5, "BMP"));
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_EQ(picture.FrameTime(1), -1);
    EXPECT_EQ(picture.MaxWidth(), 7);
    EXPECT_EQ(picture.MaxHeight(), 5);
    EXPECT_FALSE(picture.Step());
}

TEST(HTMLPicture, BytesThatAreNoPictureRaiseFromAStreamButNotFromAFile) {
    THTMLPicture picture;
    EXPECT_THROW(LoadBytes(picture, QByteArray("not a picture at all")), Exception);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bad.png")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture either");
    file.close();
    THTMLPicture fromFile;
    fromFile.LoadFromFile(file.fileName());
    EXPECT_TRUE(fromFile.Empty());
}

TEST(HTMLPicture, TruncatedGifLoadsWithoutHarm) {
    const QByteArray gif = ThreeFrameGif();
    for (qsizetype size : {qsizetype(6), qsizetype(13), qsizetype(30), gif.size() / 2, gif.size() - 2}) {
        THTMLPicture picture;
        try {
            LoadBytes(picture, gif.left(size));
        } catch (const Exception&) {
        }
        picture.Step();
        EXPECT_LE(picture.FrameCount(), 3) << size;
    }
}

TEST(HTMLPicture, FileUrlsReadOnlyRegularFilesUpToTheLimit) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ImageFileBytes(Qt::blue, 3, 2));
    file.close();
    THTMLPicture picture;
    picture.LoadFromURL(QStringLiteral("file://") + good);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.ID(), QStringLiteral("file://") + good);

    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    THTMLPicture fromPipe;
    fromPipe.LoadFromURL(QStringLiteral("FILE://") + fifo);  // must not block
    EXPECT_TRUE(fromPipe.Empty());

    const QString big = dir.filePath(QStringLiteral("big.png"));
    QFile bigFile(big);
    ASSERT_TRUE(bigFile.open(QIODevice::WriteOnly));
    ASSERT_TRUE(bigFile.resize(kMaxPictureFileBytes + 1));
    bigFile.close();
    THTMLPicture fromBig;
    fromBig.LoadFromURL(QStringLiteral("FILE://") + big);
    EXPECT_TRUE(fromBig.Empty());

    THTMLPicture fromFolder;
    fromFolder.LoadFromURL(QStringLiteral("FILE://") + dir.path());
    EXPECT_TRUE(fromFolder.Empty());
}

TEST(HTMLPicture, ResourceUrlsAreRecognisedInAnyCase) {
    for (const QString url : {QStringLiteral("RES://info.png"), QStringLiteral("res://info.png"), QStringLiteral("ReS://info.png")}) {
        THTMLPicture picture;
        picture.LoadFromURL(url);
        EXPECT_FALSE(picture.Empty()) << url.toStdString();
        EXPECT_EQ(picture.ID(), url);
    }
    THTMLPicture missing;
    missing.LoadFromURL(QStringLiteral("RES://no such picture"));
    EXPECT_TRUE(missing.Empty());
}

TEST(HTMLPicture, OtherUrlsAreOnlyRecorded) {
    THTMLPicture asynchronous;
    asynchronous.LoadFromURL(QStringLiteral("https://example.com/a.png"));
    EXPECT_TRUE(asynchronous.Empty());
    EXPECT_TRUE(asynchronous.Busy());
    asynchronous.LoadFromURL(QStringLiteral("https://example.com/b.png"));
    EXPECT_EQ(asynchronous.URLToFetch(), QStringLiteral("https://example.com/a.png"));

    THTMLPicture synchronous;
    synchronous.SetAsynch(false);
    synchronous.LoadFromURL(QStringLiteral("http://example.com/c.png"));
    EXPECT_TRUE(synchronous.Empty());
    EXPECT_FALSE(synchronous.Busy());
    EXPECT_EQ(synchronous.ID(), QStringLiteral("http://example.com/c.png"));
}

TEST(HTMLPicture, AssignCopiesTheBytesAndNullEmpties) {
    THTMLPicture source;
    LoadBytes(source, ImageFileBytes(Qt::green, 4, 4));
    THTMLPicture copy;
    int changes = 0;
    copy.OnChange = [&](THTMLPicture*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Width(), 4);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
}

TEST(PictureContainers, ContainerMatchesNamesInAnyCaseAndCacheIdsExactly) {
    TPictureContainer container;
    TPictureItem* logo = container.Items()->Add();
    logo->Name = QStringLiteral("Logo");
    container.Items()->Insert(0)->Name = QStringLiteral("first");
    EXPECT_EQ(container.FindPicture(QStringLiteral("LOGO")), logo->Picture());
    EXPECT_EQ(container.FindPicture(QStringLiteral("missing")), nullptr);
    EXPECT_EQ(container.Items()->Items(0)->Name, QStringLiteral("first"));

    THTMLPictureCache cache;
    THTMLPicture* picture = cache.AddPicture();
    picture->SetID(QStringLiteral("file:///a.png"));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("file:///a.png")), picture);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("FILE:///A.PNG")), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainers, SettingItemsCopiesThemAndAnimateStepsEveryGif) {
    TPictureCollection items;
    TPictureItem* item = items.Add();
    item->Name = QStringLiteral("anim");
    item->Tag = 7;
    LoadBytes(*item->Picture(), BuildGif(2, 2, {{0, 0, 2, 2, 1, 0}, {0, 0, 2, 2, 2, 0}}));
    TPictureContainer container;
    container.SetItems(items);
    ASSERT_EQ(container.Items()->Count(), 1);
    EXPECT_EQ(container.Items()->Items(0)->Tag, 7);
    EXPECT_NE(container.Items()->Items(0)->Picture(), item->Picture());
    // The schedule starts one tick early, so the first tick never steps.
    EXPECT_FALSE(container.Items()->Animate());
    EXPECT_TRUE(container.Items()->Animate());
    EXPECT_EQ(container.Items()->Items(0)->Picture()->Frame(), 2);
}
