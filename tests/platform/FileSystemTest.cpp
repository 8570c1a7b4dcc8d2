#include "platform/FileSystem.h"
#include "support/ExfatDisk.h"
#include "support/PlayedCalls.h"
#include "support/ScriptedUi.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <vector>
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

// A name of 255 bytes leaves no room for a suffix on a temporary file: the
// file must still be saved over, again and again.
TEST_F(LocalFiles, ALongNameCanBeSavedOver)
{
    for (int bytes : {249, 255}) {
        const QString name = QString(bytes - 4, QLatin1Char('n')) + QStringLiteral(".txt");
        ASSERT_TRUE(files.writeWhole(path(name), "first").ok()) << bytes;
        const FileResult again = files.writeWhole(path(name), "second");
        ASSERT_TRUE(again.ok()) << bytes << again.detail.toStdString();
        QByteArray read;
        ASSERT_TRUE(files.readAll(path(name), read).ok());
        EXPECT_EQ(read, QByteArray("second"));
        // Two bytes of UTF-8 a character: the limit is in bytes.
        const QString wide = QString(bytes / 2 - 2, QChar(0x00E9)) + QStringLiteral(".txt");
        EXPECT_TRUE(files.writeWhole(path(wide), "x").ok()) << bytes;
        EXPECT_TRUE(files.writeWhole(path(wide), "y").ok()) << bytes;
        ASSERT_TRUE(files.remove(path(name)).ok());
        ASSERT_TRUE(files.remove(path(wide)).ok());
    }
    EXPECT_TRUE(entries().isEmpty()) << entries().join(QLatin1Char(' ')).toStdString();
}

TEST_F(LocalFiles, AStreamedWriteIsTheTargetOnlyOnceCommitted)
{
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("a.A01")), "old").ok());
    {
        const auto writer = files.startWrite(path(QStringLiteral("a.A01")));
        writer->append("new ");
        writer->append(QByteArray("content"));
        QByteArray read;
        files.readAll(path(QStringLiteral("a.A01")), read);
        EXPECT_EQ(read, QByteArray("old"));
        ASSERT_TRUE(writer->commit().ok());
        files.readAll(path(QStringLiteral("a.A01")), read);
        EXPECT_EQ(read, QByteArray("new content"));
    }
    {
        // Dropped without commit: the target stays, nothing else is left.
        const auto writer = files.startWrite(path(QStringLiteral("a.A01")));
        writer->append("lost");
    }
    QByteArray read;
    files.readAll(path(QStringLiteral("a.A01")), read);
    EXPECT_EQ(read, QByteArray("new content"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a.A01")});
}

TEST_F(LocalFiles, ABatchIsFlushedOnceAndThenRenamed)
{
    std::vector<std::unique_ptr<FileWriter>> batch;
    for (int i = 0; i < 3; ++i) {
        batch.push_back(files.startWrite(path(QStringLiteral("%1.pdf").arg(i))));
        batch.back()->append(QByteArray::number(i));
        ASSERT_TRUE(batch.back()->finish(false).ok());
    }
    EXPECT_EQ(entries().size(), 3); // temporary files only
    EXPECT_FALSE(files.exists(path(QStringLiteral("0.pdf"))));
    ASSERT_TRUE(files.flushFolder(dir.path()).ok());
    for (auto& writer : batch)
        ASSERT_TRUE(writer->commit().ok());
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("0.pdf"), QStringLiteral("1.pdf"), QStringLiteral("2.pdf")}));
}

TEST_F(LocalFiles, AReplacedFileKeepsItsPermissions)
{
    const QString target = path(QStringLiteral("mode.txt"));
    ASSERT_TRUE(files.writeWhole(target, "a").ok());
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(files.writeWhole(target, "b").ok());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// The disk itself runs full: the old files stay byte for byte, no part of
// a file and no temporary file is left, and the reason is the system's.
TEST(FullDisk, AWriteThatDoesNotFitLeavesTheOldFileWhole)
{
    SmallDisk disk(256 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QByteArray oldSmall(700, 's');
    const QByteArray oldLarge(60 * 1024, 'l');
    ASSERT_TRUE(SmallDisk::put(disk.filePath(QStringLiteral("small.vkrd")), oldSmall));
    ASSERT_TRUE(SmallDisk::put(disk.filePath(QStringLiteral("large.A01")), oldLarge));
    ASSERT_TRUE(disk.fill());

    LocalFileSystem files;
    // Under and over the size a save file would have buffered.
    const struct {
        const char* name;
        QByteArray contents;
        QByteArray old;
    } cases[] = {
        {"small.vkrd", QByteArray(7 * 1024, 'S'), oldSmall},
        {"large.A01", QByteArray(400 * 1024, 'L'), oldLarge},
    };
    for (const auto& c : cases) {
        const QString target = disk.filePath(QString::fromLatin1(c.name));
        const FileResult r = files.writeWhole(target, c.contents);
        EXPECT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.detail, QStringLiteral("No space left on device")) << c.name;
        QByteArray read;
        ASSERT_TRUE(files.readAll(target, read).ok());
        EXPECT_TRUE(read == c.old) << c.name << " now holds " << read.size() << " bytes";
    }
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("filler"), QStringLiteral("large.A01"), QStringLiteral("small.vkrd")}));
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

// ---- A new file's name, on file systems that lack a no-replace rename or
// hard links ----

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(NewFileNames, EveryFileSystemGivesAFreeNameAndNeverReplacesAFile)
{
    const struct {
        const char* fileSystem;
        PlayedCalls answers;
    } cases[] = {
        {"with both", {}},
        {"exFAT through FUSE", {EINVAL, EPERM, 0}},
        {"neither call known", {ENOSYS, ENOSYS, 0}},
        {"neither supported", {EOPNOTSUPP, EOPNOTSUPP, 0}},
        {"one link only", {EINVAL, EMLINK, 0}},
        {"hard links only", {EINVAL, 0, 0}},
    };
    for (const auto& c : cases) {
        played = c.answers;
        QTemporaryDir dir;
        LocalFileSystem files(playedNaming());
        const QString ann = dir.filePath(QStringLiteral("Ann.pdf"));
        ASSERT_TRUE(files.writeWhole(ann, "the user's own").ok()) << c.fileSystem;

        const auto first = files.startWrite(dir.filePath(QStringLiteral("Ann.pdf")));
        first->append("%PDF first");
        EXPECT_EQ(first->commitNew(ann).error, FileError::AlreadyExists) << c.fileSystem;
        EXPECT_EQ(contentsOf(ann), QByteArray("the user's own")) << c.fileSystem;
        EXPECT_TRUE(first->commitNew(dir.filePath(QStringLiteral("Ann00.pdf"))).ok()) << c.fileSystem;

        const auto second = files.startWrite(dir.filePath(QStringLiteral("Bob.pdf")));
        second->append("%PDF second");
        const FileResult named = second->commitNew(dir.filePath(QStringLiteral("Bob.pdf")));
        EXPECT_TRUE(named.ok()) << c.fileSystem << ": " << named.detail.toStdString();

        EXPECT_EQ(contentsOf(dir.filePath(QStringLiteral("Ann00.pdf"))), QByteArray("%PDF first")) << c.fileSystem;
        EXPECT_EQ(contentsOf(dir.filePath(QStringLiteral("Bob.pdf"))), QByteArray("%PDF second")) << c.fileSystem;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("Ann.pdf"), QStringLiteral("Ann00.pdf"), QStringLiteral("Bob.pdf")}))
            << c.fileSystem;
    }
    played = {};
}

// A failure of the naming leaves neither the new file nor a claim on its
// name, and says why.
TEST(NewFileNames, AFailedNamingLeavesNothingAndGivesTheReason)
{
    const struct {
        const char* failing;
        PlayedCalls answers;
    } cases[] = {
        {"the no-replace rename", {EIO, 0, 0}},
        {"the hard link", {EINVAL, EIO, 0}},
        {"the rename over the claim", {EINVAL, EPERM, EIO}},
        {"the rename over the claim, a full disk", {EOPNOTSUPP, ENOSYS, ENOSPC}},
    };
    for (const auto& c : cases) {
        played = c.answers;
        QTemporaryDir dir;
        LocalFileSystem files(playedNaming());
        const auto writer = files.startWrite(dir.filePath(QStringLiteral("Ann.pdf")));
        writer->append("%PDF");
        const FileResult named = writer->commitNew(dir.filePath(QStringLiteral("Ann.pdf")));
        EXPECT_FALSE(named.ok()) << c.failing;
        EXPECT_NE(named.error, FileError::AlreadyExists) << c.failing;
        EXPECT_EQ(named.detail, fileFailure(c.answers.rename ? c.answers.rename
                                            : c.answers.link  ? c.answers.link
                                                              : c.answers.renameNoReplace)
                                    .detail)
            << c.failing;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << c.failing;
    }
    played = {};
}

// ---- What went wrong after a file took its name ----

// The temporary files left in a folder, by path.
QStringList temporariesIn(const QTemporaryDir& dir)
{
    QStringList left;
    for (const QString& name : QDir(dir.path()).entryList({ QStringLiteral(".qls-*") }, QDir::Files | QDir::Hidden))
        left << dir.filePath(name);
    return left;
}

// A file that has its name is saved whatever the disk says after: a flush
// of its folder that fails, or a temporary name that cannot be removed, is
// told beside the success, never as a failure, and never left unsaid.
TEST(SavedWithWarning, AFailureAfterTheNamingLeavesTheFileSavedAndSaysWhatHappened)
{
    const struct {
        const char* what;
        bool replacing; // commit() over a file, else commitNew()
        PlayedCalls answers;
    } cases[] = {
        { "saved over a file, the folder's flush fails", true, { 0, 0, 0, 0, EIO } },
        { "a new file, the folder's flush fails", false, { 0, 0, 0, 0, EIO } },
        { "a new file by hard link, its temporary name stays", false, { EINVAL, 0, 0, EIO, 0 } },
        { "a new file by hard link, both", false, { EINVAL, 0, 0, EBUSY, EIO } },
        { "a new file over a claim, the folder's flush fails", false, { EINVAL, EPERM, 0, 0, EIO } },
        { "a new file by hard link, all well", false, { EINVAL, 0, 0, 0, 0 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("Payroll.vkrd"));
        if (c.replacing) {
            ASSERT_TRUE(LocalFileSystem().writeWhole(target, "old").ok());
        }
        played = c.answers;
        LocalFileSystem files(playedNaming());
        const auto writer = files.startWrite(target);
        writer->append("whole");
        const FileResult saved = c.replacing ? writer->commit() : writer->commitNew(target);

        ASSERT_TRUE(saved.ok()) << saved.detail.toStdString();
        EXPECT_EQ(contentsOf(target), QByteArray("whole"));
        EXPECT_EQ(saved.notLasting, c.answers.fsync ? fileFailure(c.answers.fsync).detail : QString());
        const QStringList left = temporariesIn(dir);
        EXPECT_EQ(saved.temporariesLeft, left);
        if (c.answers.unlink) {
            ASSERT_EQ(left.size(), 1);
            EXPECT_EQ(contentsOf(left.front()), QByteArray("whole"));
            EXPECT_EQ(saved.temporaryReason, fileFailure(c.answers.unlink).detail);
        } else {
            EXPECT_TRUE(left.isEmpty());
        }
        EXPECT_EQ(saved.hasWarning(), c.answers.fsync != 0 || c.answers.unlink != 0);
        // Asked again, the writer says the same.
        const FileResult again = c.replacing ? writer->commit() : writer->commitNew(target);
        EXPECT_TRUE(again.ok());
        EXPECT_EQ(again.notLasting, saved.notLasting);
        EXPECT_EQ(again.temporariesLeft, saved.temporariesLeft);
        played = {};
    }

    // The folder's flush of a batch's names is a failure of its own; the
    // batch decides what it means.
    QTemporaryDir dir;
    played.fsync = EIO;
    EXPECT_EQ(LocalFileSystem(playedNaming()).flushNames(dir.path()).code, EIO);
    played = {};
}

TEST(SavedWithWarning, TheUserIsToldTheFileIsSavedAndWhatWentWrong)
{
    FileResult notLasting;
    notLasting.notLasting = QStringLiteral("Input/output error");
    FileResult left;
    left.temporariesLeft = QStringList { QStringLiteral("/r/.qls-1.tmp") };
    left.temporaryReason = QStringLiteral("Device or resource busy");
    FileResult both = notLasting;
    both.temporariesLeft = left.temporariesLeft;
    both.temporaryReason = left.temporaryReason;
    FileResult many = left;
    many.temporariesLeft << QStringLiteral("/r/.qls-2.tmp") << QStringLiteral("/r/.qls-3.tmp");

    const struct {
        FileResult saved;
        QString text;
        QString run;
    } cases[] = {
        { notLasting,
            "The file is saved as /r/a.vkrd.\n\nThe disk reported an error while making it last: "
            "Input/output error.",
            "The disk reported an error while making them last: Input/output error." },
        { left,
            "The file is saved as /r/a.vkrd.\n\nIts temporary file /r/.qls-1.tmp could not be removed: "
            "Device or resource busy.",
            "The temporary file /r/.qls-1.tmp could not be removed: Device or resource busy." },
        { both,
            "The file is saved as /r/a.vkrd.\n\nThe disk reported an error while making it last: "
            "Input/output error.\n\nIts temporary file /r/.qls-1.tmp could not be removed: Device or resource "
            "busy.",
            "The disk reported an error while making them last: Input/output error.\n\nThe temporary file "
            "/r/.qls-1.tmp could not be removed: Device or resource busy." },
        { many,
            "The file is saved as /r/a.vkrd.\n\n3 temporary files could not be removed, among them /r/.qls-1.tmp: "
            "Device or resource busy.",
            "3 temporary files could not be removed, among them /r/.qls-1.tmp: Device or resource busy." },
    };
    for (const auto& c : cases) {
        ScriptedUi ui;
        TellSaved(ui, QStringLiteral("/r/a.vkrd"), c.saved, QStringLiteral("Saved."));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(SavedWarningText(c.saved, true), c.run);
    }

    // All well: the usual message, or none.
    ScriptedUi ui;
    TellSaved(ui, QStringLiteral("/r/a.vkrd"), FileResult::success(), QStringLiteral("Saved."));
    TellSaved(ui, QStringLiteral("/r/a.vkrd"), FileResult::success());
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("Saved.") });
    EXPECT_TRUE(SavedWarningText(FileResult::success()).isEmpty());
}

// An exFAT stick as a desktop mounts it: no no-replace rename, no hard links.
TEST(ExfatStick, FilesAreSavedOverAndNewFilesTakeFreeNames)
{
    ExfatDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    LocalFileSystem files;
    const QString report = disk.filePath(QStringLiteral("Payroll 2018.vkrd"));
    ASSERT_TRUE(files.writeWhole(report, "first").ok());
    const FileResult again = files.writeWhole(report, "second");
    ASSERT_TRUE(again.ok()) << again.detail.toStdString();

    const QString ann = disk.filePath(QStringLiteral("Ann.pdf"));
    ASSERT_TRUE(files.writeWhole(ann, "the user's own").ok());
    const auto writer = files.startWrite(ann);
    writer->append("%PDF new");
    EXPECT_EQ(writer->commitNew(ann).error, FileError::AlreadyExists);
    const FileResult named = writer->commitNew(disk.filePath(QStringLiteral("Ann00.pdf")));
    EXPECT_TRUE(named.ok()) << named.detail.toStdString();

    EXPECT_EQ(contentsOf(report), QByteArray("second"));
    EXPECT_EQ(contentsOf(ann), QByteArray("the user's own"));
    EXPECT_EQ(contentsOf(disk.filePath(QStringLiteral("Ann00.pdf"))), QByteArray("%PDF new"));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("Ann.pdf"), QStringLiteral("Ann00.pdf"), QStringLiteral("Payroll 2018.vkrd")}));
}

TEST_F(LocalFiles, FlushNamesOfAFolder)
{
    EXPECT_TRUE(files.flushNames(dir.path()).ok());
    EXPECT_EQ(files.flushNames(path(QStringLiteral("gone"))).error, FileError::NotFound);
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
