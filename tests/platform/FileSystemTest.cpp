#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

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

// Not one of these may be read, nor waited on: a pipe with no writer would
// block, a device never ends.
TEST_F(LocalFiles, ReadRefusesWhatIsNotARegularFile)
{
    const QString fifo = path(QStringLiteral("pipe.vkrd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& notAFile : {QStringLiteral("/dev/zero"), fifo, dir.path()}) {
        QByteArray read("left over");
        const FileResult r = files.readAll(notAFile, read);
        EXPECT_EQ(r.error, FileError::Other) << notAFile.toStdString();
        EXPECT_FALSE(r.detail.isEmpty()) << notAFile.toStdString();
        EXPECT_TRUE(read.isEmpty()) << notAFile.toStdString();
    }
}

TEST_F(LocalFiles, ReadRefusesAFileLargerThanTheLimitUnread)
{
    QFile big(path(QStringLiteral("big.vkrd")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kLargestReadableFile + 1)); // sparse: takes no disk
    big.close();
    QByteArray read;
    const FileResult r = files.readAll(big.fileName(), read);
    EXPECT_EQ(r.error, FileError::Other);
    EXPECT_TRUE(r.detail.contains(QStringLiteral("1 GB")));
    EXPECT_TRUE(read.isEmpty());
}

TEST_F(LocalFiles, ReadTakesTheWholeFile)
{
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.append(char(i * 7));
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("a.bin")), bytes).ok());
    QByteArray read;
    ASSERT_TRUE(files.readAll(path(QStringLiteral("a.bin")), read).ok());
    EXPECT_EQ(read, bytes);
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("empty")), QByteArray()).ok());
    ASSERT_TRUE(files.readAll(path(QStringLiteral("empty")), read).ok());
    EXPECT_TRUE(read.isEmpty());
}

TEST(FileFailures, CarryTheSystemsReason)
{
    const FileResult full = fileFailure(ENOSPC);
    EXPECT_EQ(full.error, FileError::Other);
    EXPECT_EQ(fileFailure(EACCES).error, FileError::AccessDenied);
    EXPECT_EQ(WithReason(QStringLiteral("Failed to save document."), full),
              QStringLiteral("Failed to save document.\n\nNo space left on device."));
    EXPECT_EQ(WithReason(QStringLiteral("Failed."), FileResult{FileError::Other, QStringLiteral("It is a folder.")}),
              QStringLiteral("Failed.\n\nIt is a folder."));
    EXPECT_EQ(WithReason(QStringLiteral("Failed."), FileResult{FileError::Other, QString()}), QStringLiteral("Failed."));
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
