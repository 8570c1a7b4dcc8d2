#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LocalFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    LocalFileSystem files;
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(LocalFiles, WriteWholeReplacesTheFileAndLeavesNoTemporary)
{
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("a.txt")), "first").ok());
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("a.txt")), "second").ok());
    QByteArray read;
    ASSERT_TRUE(files.readAll(path(QStringLiteral("a.txt")), read).ok());
    EXPECT_EQ(read, QByteArray("second"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a.txt")});
}

TEST_F(LocalFiles, WriteIntoAMissingFolderIsNotFound)
{
    const FileResult r = files.writeWhole(path(QStringLiteral("none/a.txt")), "x");
    EXPECT_EQ(r.error, FileError::NotFound);
}

TEST_F(LocalFiles, WriteOverAFolderFailsAndKeepsIt)
{
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    EXPECT_FALSE(files.writeWhole(path(QStringLiteral("sub")), "x").ok());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("sub"))).isDir());
}

TEST_F(LocalFiles, ReadKinds)
{
    QByteArray read;
    EXPECT_EQ(files.readAll(path(QStringLiteral("missing")), read).error, FileError::NotFound);
    EXPECT_FALSE(files.readAll(dir.path(), read).ok());
}

TEST_F(LocalFiles, CreateExclusiveNeverTruncates)
{
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("mine.foo")), "precious").ok());
    EXPECT_EQ(files.createExclusive(path(QStringLiteral("mine.foo")), QByteArray()).error, FileError::AlreadyExists);
    QByteArray read;
    files.readAll(path(QStringLiteral("mine.foo")), read);
    EXPECT_EQ(read, QByteArray("precious"));
}

TEST_F(LocalFiles, ProbeLeavesTheFolderAsItWas)
{
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("mytemp.foo")), "user data").ok());
    EXPECT_TRUE(probeFolderWritable(files, dir.path()).ok());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("mytemp.foo")});
    QByteArray read;
    files.readAll(path(QStringLiteral("mytemp.foo")), read);
    EXPECT_EQ(read, QByteArray("user data"));
}

TEST_F(LocalFiles, ProbeOfAMissingFolderFails)
{
    EXPECT_EQ(probeFolderWritable(files, path(QStringLiteral("nope"))).error, FileError::NotFound);
    EXPECT_EQ(probeFolderWritable(files, QString()).error, FileError::NotFound);
}

TEST(PathHelpers, SplitAndJoin)
{
    EXPECT_EQ(folderOf(QStringLiteral("/a/b/c.txt")), QStringLiteral("/a/b"));
    EXPECT_EQ(folderOf(QStringLiteral("c.txt")), QString());
    EXPECT_EQ(fileNameOf(QStringLiteral("/a/b/c.txt")), QStringLiteral("c.txt"));
    EXPECT_EQ(joinPath(QStringLiteral("/a"), QStringLiteral("b")), QStringLiteral("/a/b"));
    EXPECT_EQ(joinPath(QStringLiteral("/a/"), QStringLiteral("b")), QStringLiteral("/a/b"));
}

} // namespace
