// Atomic writes: the file is replaced whole or left as it was.

#include "platform/file_system.h"

#include <gtest/gtest.h>

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

}  // namespace
