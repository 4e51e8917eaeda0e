// Atomic writes: the file is replaced whole or left as it was.

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(WriteFileAtomically, ReplacesTheFileWholeAndKeepsItsKindAndRights) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.xml");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(WriteFileAtomically(path, "second, longer"));
    EXPECT_EQ(Contents(path), "second, longer");
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray()));
    EXPECT_EQ(Contents(path), QByteArray());

    // A link stays a link; the file it points at gets the new contents.
    const QString link = dir.filePath("link.xml");
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileAtomically(link, "through the link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Contents(path), "through the link");

    // Nothing is left beside the file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

TEST(WriteFileAtomically, AWriteThatCannotBeMadeLeavesEverythingAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_TRUE(WriteFileAtomically(dir.filePath("folder/kept.txt"), "kept"));
    for (const QString& path : {dir.filePath("folder"), dir.filePath("missing/file.txt"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(WriteFileAtomically(path, "data"));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_EQ(Contents(dir.filePath("folder/kept.txt")), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
}

TEST(WriteFileAtomically, RemovesWhatAnInterruptedSaveOfTheSameFileLeft) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bank.bin");
    const QStringList leftovers = {"bank.bin.saving-a1B2c3", "bank.bin.saving-ZZZZZZ"};
    // Names that only look alike are someone else's files.
    const QStringList kept = {"bank.bin.saving-toolong1", "bank.bin.backup", "other.bin.saving-a1B2c3", "bank.bin.saving-a-b-c-"};
    for (const QString& name : leftovers + kept) ASSERT_TRUE(WriteFileAtomically(dir.filePath(name), "data"));
    ASSERT_TRUE(WriteFileAtomically(path, "image"));
    QStringList expected = kept + QStringList{"bank.bin"};
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

// A folder stands for the program's own: links that stay inside it are written through,
// links that lead out are not followed and nothing outside changes, byte for byte.
TEST(WriteFileAtomically, AConfiningFolderIsNeverLeftThroughALink) {
    QTemporaryDir dir;
    const QString inside = dir.filePath("program"), outside = dir.filePath("outside");
    ASSERT_TRUE(QDir().mkpath(inside + "/real") && QDir().mkpath(outside));
    ASSERT_TRUE(WriteFileAtomically(outside + "/photo.jpg", "PHOTO"));
    ASSERT_TRUE(WriteFileAtomically(inside + "/real/target.xml", "old"));
    ASSERT_TRUE(QFile::link(outside + "/photo.jpg", inside + "/photo_link.xml"));
    ASSERT_TRUE(QFile::link(outside, inside + "/folder_link"));
    ASSERT_TRUE(QFile::link(outside + "/nothing_yet", inside + "/dangling.xml"));
    ASSERT_TRUE(QFile::link(inside + "/real/target.xml", inside + "/inside_link.xml"));
    ASSERT_TRUE(QFile::link(inside + "/real", inside + "/inside_folder"));

    for (const char* name : {"photo_link.xml", "folder_link/new.xml", "folder_link/photo.jpg", "dangling.xml",
                             "../outside/photo.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteFileAtomically(inside + "/" + name, "OVERWRITTEN", inside));
    }
    EXPECT_EQ(Contents(outside + "/photo.jpg"), "PHOTO");
    EXPECT_EQ(QDir(outside).entryList(QDir::Files | QDir::Hidden), QStringList{"photo.jpg"});

    EXPECT_TRUE(WriteFileAtomically(inside + "/inside_link.xml", "through", inside));
    EXPECT_TRUE(QFileInfo(inside + "/inside_link.xml").isSymLink());
    EXPECT_TRUE(WriteFileAtomically(inside + "/inside_folder/new.xml", "new", inside));
    EXPECT_EQ(Contents(inside + "/real/target.xml"), "through");
    EXPECT_EQ(Contents(inside + "/real/new.xml"), "new");
}

TEST(WriteFileAtomically, AFullDiskOrReadOnlyFolderKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.xml");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    for (const TWriteFault fault : {TWriteFault::DiskFull, TWriteFault::ReadOnlyFolder}) {
        SetWriteFaultForTesting(fault);
        EXPECT_FALSE(WriteFileAtomically(path, "new"));
        SetWriteFaultForTesting(TWriteFault::None);
        EXPECT_EQ(Contents(path), "old");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"settings.xml"});
    }
}

}  // namespace

// A stream is read in pieces up to the bound, from where it stands; a device that
// holds little never makes the reader reserve the whole bound.
TEST(ReadStreamBounded, ReadsWhatIsLeftUpToTheBound) {
    QByteArray content(3 * 1024 * 1024 + 17, 'x');
    content[0] = 'a';
    struct Case { qint64 skip; qint64 bound; qint64 expected; } cases[] = {
        {0, qint64(1) << 30, content.size()},
        {0, 2 * 1024 * 1024 + 5, 2 * 1024 * 1024 + 5},
        {1, qint64(1) << 30, content.size() - 1},
        {0, 0, 0},
    };
    for (const Case& c : cases) {
        QBuffer buffer(&content);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        buffer.seek(c.skip);
        const QByteArray read = ReadStreamBounded(buffer, c.bound);
        EXPECT_EQ(read.size(), c.expected) << c.skip << " " << c.bound;
        EXPECT_EQ(read, content.mid(c.skip, c.expected));
    }
    QBuffer empty;
    ASSERT_TRUE(empty.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ReadStreamBounded(empty, qint64(1) << 30).isEmpty());
}
