#include "payers/PayerListFile.h"
#include "payers/PayerListStore.h"
#include "payers/PayerTestKit.h"
#include "platform/Profile.h"
#include "report/Archive.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

QByteArray fixture()
{
    return readFixture(QLS_TEST_DATA_DIR, QStringLiteral("two_payers.mpl"));
}

PayerMap twoPayers()
{
    PayerMap map;
    // Added in the other order: the file is in key order all the same.
    map.emplace(kAcmeKey, acmeEntry());
    map.emplace(kWpnKey, wpnEntry());
    return map;
}

std::vector<std::pair<QString, CPayers>> readAllEntries(const QByteArray& bytes)
{
    std::vector<std::pair<QString, CPayers>> entries;
    ReadPayerList(bytes, [&](const QString& key, CPayers entry) { entries.emplace_back(key, std::move(entry)); });
    return entries;
}

QStringList keptAsideFiles(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("LivePayerList-unreadable-*") }, QDir::Files);
}

// ---- the format ----

TEST(PayerListFormat, TwoEntriesAreWrittenByteForByteInKeyOrder)
{
    EXPECT_EQ(WritePayerList(twoPayers()), fixture());
}

TEST(PayerListFormat, ReadsEveryFieldBackAndWritesTheSameBytes)
{
    const auto entries = readAllEntries(fixture());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, kWpnKey);
    EXPECT_EQ(entries[0].second, wpnEntry());
    EXPECT_EQ(entries[1].first, kAcmeKey);
    EXPECT_EQ(entries[1].second, acmeEntry()); // reserved field 5 included
    PayerMap map(entries.begin(), entries.end());
    EXPECT_EQ(WritePayerList(map), fixture());
}

TEST(PayerListFormat, AnEmptyListIsTheCountZero)
{
    EXPECT_EQ(WritePayerList({}), QByteArray(4, '\0'));
    EXPECT_TRUE(readAllEntries(QByteArray(4, '\0')).empty());
}

TEST(PayerListFormat, AFileCutShortHandsOverOnlyTheWholeEntriesBeforeTheCut)
{
    const QByteArray whole = fixture();
    const qsizetype firstEntryEnds = WritePayerList({ { kWpnKey, wpnEntry() } }).size();
    for (qsizetype length = 0; length < whole.size(); ++length) {
        std::vector<QString> keys;
        EXPECT_THROW(
            ReadPayerList(whole.left(length), [&](const QString& key, CPayers) { keys.push_back(key); }), ArchiveError)
            << "cut at " << length;
        EXPECT_EQ(keys.size(), length >= firstEntryEnds ? 1u : 0u) << "cut at " << length;
    }
}

TEST(PayerListFormat, ForeignFilesAreRefused)
{
    QByteArray negative(4, '\xff'); // count -1
    EXPECT_THROW(readAllEntries(negative), ArchiveError);
    EXPECT_THROW(readAllEntries(fixture() + "x"), ArchiveError); // more than the count says
    EXPECT_THROW(readAllEntries(QByteArray("PK\x03\x04 not a payer list")), ArchiveError);
    EXPECT_FALSE(IsWholePayerList(fixture().left(100)));
    EXPECT_TRUE(IsWholePayerList(fixture()));
}

// ---- writing the live file ----

// A change that makes the list entries whatever the file held.
PayerListChange replaceAll(PayerWorld& w, const PayerMap& entries)
{
    return ChangeLivePayerList(w.context, [&entries](PayerMap& current) {
        current = entries;
        return true;
    });
}

PayerListChange keepAll(PayerWorld& w)
{
    return ChangeLivePayerList(w.context, [](PayerMap&) { return true; });
}

TEST(ChangeLivePayerList, WritesTheWholeListAndSetsSet1)
{
    PayerWorld w;
    ASSERT_EQ(replaceAll(w, twoPayers()), PayerListChange::Written);
    EXPECT_EQ(w.liveBytes(), fixture());
    EXPECT_EQ(w.context.payers, twoPayers());
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_EQ(w.context.prefs.prefsSet1, QStringLiteral("1"));
    const auto profile = openProfile();
    profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
    EXPECT_EQ(profile->value(kPrefSet1).toString(), QStringLiteral("1"));
}

TEST(ChangeLivePayerList, AWriteFailureSaysWhyAndLeavesTheFile)
{
    const QString noAccess = QStringLiteral(" - you do not seem to have write access to the PayerList Folder as "
                                            "set under File > Preferences. Open File > Preferences and select a "
                                            "different location.");
    struct Case {
        FileResult failure;
        QString text;
    };
    // A full disk is not a matter of write access: it says the system's reason.
    const Case cases[] = {
        { { FileError::AccessDenied, QStringLiteral("injected") }, QStringLiteral("Sorry1") + noAccess },
        { fileFailure(ENOENT), QStringLiteral("Sorry3") + noAccess },
        { fileFailure(ENOSPC),
            QStringLiteral("Sorry3 - the Payer List file could not be written in the PayerList Folder as set under "
                           "File > Preferences.\n\nNo space left on device.") },
    };
    for (const Case& c : cases) {
        PayerWorld w;
        w.writeLive(fixture());
        w.files.fail(FaultyFileSystem::Op::Write, w.livePath(), c.failure);
        EXPECT_EQ(replaceAll(w, { { kAcmeKey, acmeEntry() } }), PayerListChange::NotWritten);
        EXPECT_EQ(w.ui.texts(), QStringList { c.text + QStringLiteral("\n\n") + kPayerListNothingSaved });
        EXPECT_EQ(w.liveBytes(), fixture());
        // The list shows what the file holds.
        EXPECT_EQ(w.context.payers, twoPayers());
        EXPECT_EQ(w.context.prefs.prefsSet1, QStringLiteral("0"));
    }
}

// ---- a damaged Payer List file loses nothing ----

TEST(DamagedPayerList, IsReportedAndKeptAsideBeforeTheFirstRewrite)
{
    PayerWorld w;
    const QByteArray damaged = fixture().left(fixture().size() - 20);
    w.writeLive(damaged);

    EXPECT_EQ(LoadLivePayerList(w.context, QStringLiteral("standard")), PayerListLoad::Damaged);
    EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("Unable to load Payer data from file") });
    ASSERT_EQ(w.context.payers.size(), 1u);
    EXPECT_TRUE(w.context.payers.contains(kWpnKey));

    w.ui.messages.clear();
    ASSERT_EQ(keepAll(w), PayerListChange::Written);
    const QStringList aside = keptAsideFiles(w.dir.path());
    ASSERT_EQ(aside.size(), 1);
    const QString asidePath = w.path(aside.front());
    EXPECT_EQ(PayerWorld::read(asidePath), damaged);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_TRUE(w.ui.messages[0].text.contains(asidePath));
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));

    EXPECT_EQ(w.context.payers.size(), 1u);

    // The rewritten file is whole: the next change keeps nothing aside.
    w.ui.messages.clear();
    ASSERT_EQ(keepAll(w), PayerListChange::Written);
    EXPECT_EQ(keptAsideFiles(w.dir.path()).size(), 1);
    EXPECT_TRUE(w.ui.messages.empty());
}

TEST(DamagedPayerList, AFileThatCannotBeReadIsMovedAside)
{
    PayerWorld w;
    w.writeLive(fixture());
    w.files.fail(FaultyFileSystem::Op::Read, w.livePath(), FileError::AccessDenied);
    EXPECT_EQ(LoadLivePayerList(w.context, QStringLiteral("standard")), PayerListLoad::NotOpened);
    // The list this copy holds is the only one there is to change.
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    ASSERT_EQ(keepAll(w), PayerListChange::Written);
    const QStringList aside = keptAsideFiles(w.dir.path());
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(PayerWorld::read(w.path(aside.front())), fixture());
    EXPECT_EQ(w.liveBytes(), WritePayerList({ { kAcmeKey, acmeEntry() } }));
}

TEST(DamagedPayerList, WhenItCannotBeKeptTheFileIsNotRewritten)
{
    PayerWorld w;
    const QByteArray damaged = fixture().left(50);
    w.writeLive(damaged);
    w.files.fail(FaultyFileSystem::Op::Create, w.dir.path(), FileError::Other);
    EXPECT_EQ(replaceAll(w, { { kAcmeKey, acmeEntry() } }), PayerListChange::NotWritten);
    EXPECT_EQ(w.liveBytes(), damaged);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_TRUE(w.ui.messages[0].text.contains(QStringLiteral("has not been written again")));
}

TEST(DamagedPayerList, AForeignFileIsReportedAndKept)
{
    PayerWorld w;
    const QByteArray foreign("This is a letter, not a Payer List.");
    w.writeLive(foreign);
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    EXPECT_EQ(LoadLivePayerList(w.context, QStringLiteral("standard")), PayerListLoad::Damaged);
    EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("Unable to load Payer data from file") });
    ASSERT_EQ(replaceAll(w, { { kAcmeKey, acmeEntry() } }), PayerListChange::Written);
    const QStringList aside = keptAsideFiles(w.dir.path());
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(PayerWorld::read(w.path(aside.front())), foreign);
    EXPECT_EQ(w.liveBytes(), WritePayerList({ { kAcmeKey, acmeEntry() } }));
}

TEST(LoadLivePayerList, AMissingFileLeavesTheListAsItWas)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    EXPECT_EQ(LoadLivePayerList(w.context, QStringLiteral("standard")), PayerListLoad::NotOpened);
    EXPECT_EQ(w.context.payers.size(), 1u);
    EXPECT_TRUE(w.ui.messages.empty());
}

TEST(LoadLivePayerList, ReplacesTheListAndALaterDuplicateKeyWins)
{
    PayerWorld w;
    w.context.payers = { { QStringLiteral("99999999999001"), acmeEntry() } };
    CPayers second = wpnEntry();
    second.name = QStringLiteral("Second");
    ArchiveWriter a;
    a.writeInt(2);
    for (const CPayers& e : { wpnEntry(), second }) {
        a.writeText(kWpnKey);
        visitPayerTexts(e, a);
        a.writeTime(e.date);
    }
    w.writeLive(a.bytes());
    EXPECT_EQ(LoadLivePayerList(w.context, QStringLiteral("standard")), PayerListLoad::Loaded);
    ASSERT_EQ(w.context.payers.size(), 1u);
    EXPECT_EQ(w.context.payers.at(kWpnKey).name, QStringLiteral("Second"));
}

// ---- export and import ----

TEST(ExportPayerList, WritesTheListToTheChosenFile)
{
    PayerWorld w;
    w.context.payers = twoPayers();
    const QString target = w.path(QStringLiteral("out.mpl"));
    w.ui.answerFile(target);
    ExportPayerList(w.context);
    EXPECT_EQ(PayerWorld::read(target), fixture());
    EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("Export complete.") });
    ASSERT_EQ(w.ui.fileRequests.size(), 1u);
    const FileDialogRequest& r = w.ui.fileRequests[0];
    EXPECT_EQ(r.title, QStringLiteral("Save Payer List Export File"));
    EXPECT_EQ(r.defaultName, QStringLiteral("PayerListExport"));
    EXPECT_EQ(r.filter, QStringLiteral("MPL Files (*.mpl)|*.mpl|All Files (*.*)|*.*||"));
    EXPECT_EQ(r.initialFolder, w.dir.path());
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(w.report().payerListExportPath, target);
}

TEST(ExportPayerList, CancelWritesNothingAndFailuresSayWhy)
{
    PayerWorld w;
    w.context.payers = twoPayers();
    w.ui.answerFile(std::nullopt);
    ExportPayerList(w.context);
    EXPECT_TRUE(w.ui.messages.empty());

    const QString target = w.path(QStringLiteral("out.mpl"));
    w.files.fail(FaultyFileSystem::Op::Write, target, FileError::AccessDenied);
    w.ui.answerFile(target);
    ExportPayerList(w.context);
    w.files.fail(FaultyFileSystem::Op::Write, target, fileFailure(ENOSPC));
    w.ui.answerFile(target);
    ExportPayerList(w.context);
    EXPECT_EQ(w.ui.texts(),
        (QStringList { QStringLiteral("Sorry1 - you do not seem to have write access to this \nfolder, please "
                                      "try a different location."),
            QStringLiteral("Sorry3 - the export file could not be written, please try a different location.\n\nNo "
                           "space left on device.") }));
    EXPECT_FALSE(QFile::exists(target));
}

TEST(ImportPayerList, DuplicatesAnsweredNoThenYesKeepTheFirstAndReplaceTheSecond)
{
    PayerWorld w;
    CPayers oldWpn = wpnEntry();
    oldWpn.name = QStringLiteral("Old Trust");
    CPayers oldAcme = acmeEntry();
    oldAcme.name = QStringLiteral("Old Acme");
    w.writeLive(WritePayerList({ { kWpnKey, oldWpn }, { kAcmeKey, oldAcme } }));
    const QString source = w.path(QStringLiteral("import.mpl"));
    PayerWorld::write(source, fixture());

    w.ui.answerFile(source);
    w.ui.answer(Answer::No);
    w.ui.answer(Answer::Yes);
    ImportPayerList(w.context);

    ASSERT_EQ(w.ui.messages.size(), 2u);
    EXPECT_EQ(w.ui.messages[0].text, kWpnKey + QStringLiteral(" Bee Family Trust") + kReplaceQuestionTail);
    EXPECT_EQ(w.ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(w.ui.messages[1].text, kAcmeKey + QStringLiteral(" Acme Caf\u00e9 Pty Ltd") + kReplaceQuestionTail);
    EXPECT_EQ(w.context.payers.at(kWpnKey), oldWpn);
    EXPECT_EQ(w.context.payers.at(kAcmeKey), acmeEntry());
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
    EXPECT_EQ(w.ui.fileRequests[0].title, QStringLiteral("Payer List Exported File"));
    EXPECT_EQ(w.ui.fileRequests[0].defaultName, QStringLiteral("PayerList"));
}

TEST(ImportPayerList, NewKeysAreAddedWithoutAQuestion)
{
    PayerWorld w;
    CPayers oldWpn = wpnEntry();
    oldWpn.name = QStringLiteral("Old Trust");
    w.writeLive(WritePayerList({ { kWpnKey, oldWpn } }));
    const QString source = w.path(QStringLiteral("import.mpl"));
    PayerWorld::write(source, fixture());
    w.ui.answerFile(source);
    w.ui.answer(Answer::No);
    ImportPayerList(w.context);
    EXPECT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.context.payers.at(kWpnKey), oldWpn);
    EXPECT_EQ(w.context.payers.at(kAcmeKey), acmeEntry());
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
}

// Cancel stops the whole import, whatever was answered before it: no
// entry of the file is taken and the Payer List file is not rewritten.
TEST(ImportPayerList, CancelLeavesTheListAndItsFileAsTheyWere)
{
    for (const bool yesFirst : { false, true }) {
        PayerWorld w;
        CPayers oldWpn = wpnEntry();
        oldWpn.name = QStringLiteral("Old Trust");
        CPayers oldAcme = acmeEntry();
        oldAcme.name = QStringLiteral("Old Acme");
        const PayerMap before = { { kWpnKey, oldWpn }, { kAcmeKey, oldAcme } };
        w.context.payers = before;
        w.writeLive(WritePayerList(before));
        const QByteArray liveBefore = w.liveBytes();
        const QString source = w.path(QStringLiteral("import.mpl"));
        PayerWorld::write(source, fixture());

        w.ui.answerFile(source);
        if (yesFirst)
            w.ui.answer(Answer::Yes);
        w.ui.answer(Answer::Cancel);
        ImportPayerList(w.context);
        EXPECT_EQ(w.ui.messages.size(), yesFirst ? 2u : 1u);
        EXPECT_EQ(w.context.payers, before);
        EXPECT_EQ(w.liveBytes(), liveBefore);
    }
}

TEST(ImportPayerList, AFileThatCannotBeOpenedChangesNothing)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.ui.answerFile(w.path(QStringLiteral("missing.mpl")));
    ImportPayerList(w.context);
    EXPECT_EQ(w.ui.texts(),
        QStringList {
            QStringLiteral("An error has occurred while trying to load \nPayer List data from file - Ref #1016b."
                           "\n\nNo such file or directory.") });
    EXPECT_EQ(w.context.payers.size(), 1u);
    EXPECT_FALSE(QFile::exists(w.livePath()));
}

// A damaged file says so, asks nothing and adds nothing, not even the
// entries before the damage.
TEST(ImportPayerList, ADamagedFileAddsNothing)
{
    const QByteArray whole = fixture();
    const QByteArray damaged[] = { whole.left(whole.size() - 3), whole + QByteArray("extra"),
        QByteArray("\xFF\xFF\xFF\xFF", 4), QByteArray("\x01", 1) };
    for (const QByteArray& bytes : damaged) {
        PayerWorld w;
        w.writeLive(WritePayerList({ { kAcmeKey, acmeEntry() } }));
        const QByteArray before = w.liveBytes();
        const QString source = w.path(QStringLiteral("import.mpl"));
        PayerWorld::write(source, bytes);
        w.context.payers = { { kAcmeKey, acmeEntry() } };
        w.ui.answerFile(source);
        ImportPayerList(w.context);
        EXPECT_EQ(w.ui.texts(),
            QStringList { QStringLiteral("Unable to load Payer data from file. \n\nThe file is damaged or is not a "
                                         "Payer List file, so none of its Payers has been imported. - Ref #1019.") });
        EXPECT_EQ(w.context.payers, (PayerMap { { kAcmeKey, acmeEntry() } }));
        EXPECT_EQ(w.liveBytes(), before);
    }
}

// ---- reconciling the report's payer when a report opens ----

TEST(LoadPayerListAndMatchPayer, AReportWithoutAPayerDoesNotReadTheFile)
{
    PayerWorld w;
    w.writeLive(fixture());
    w.files.fail(FaultyFileSystem::Op::Read, w.livePath(), FileError::Other);
    w.report().payerNotInList = 2;
    LoadPayerListAndMatchPayer(w.context);
    EXPECT_TRUE(w.context.payers.empty());
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_EQ(w.report().payerNotInList, 2);
}

TEST(LoadPayerListAndMatchPayer, TakesAChangedAbnFromTheList)
{
    PayerWorld w;
    CPayers changed = acmeEntry();
    changed.abn = QStringLiteral("53004085616");
    w.writeLive(WritePayerList({ { kAcmeKey, changed } }));
    w.report().payerKey = kAcmeKey;
    w.report().payerAbn = acmeEntry().abn;
    w.report().payerName = QStringLiteral("kept");
    LoadPayerListAndMatchPayer(w.context);
    EXPECT_EQ(w.report().payerAbn, QStringLiteral("53004085616"));
    EXPECT_EQ(w.report().payerName, QStringLiteral("kept"));
    EXPECT_EQ(w.report().payerNotInList, 0);
    EXPECT_EQ(
        w.ui.texts(), QStringList { QStringLiteral("The Payer's ABN has been changed as per the current Payer List") });
}

TEST(LoadPayerListAndMatchPayer, APayerMissingFromTheListIsFlagged)
{
    const QString notInList = QStringLiteral(
        "This Payer in this Report is not in the current Payer List. \r\n\r\nYou will need to add this Payer to the "
        "Payer List or select a Payer from the current Payer List if you intend to generate any files.");
    {
        PayerWorld w;
        w.writeLive(fixture());
        w.report().payerKey = QStringLiteral("51824753556002");
        LoadPayerListAndMatchPayer(w.context);
        EXPECT_EQ(w.report().payerNotInList, 2);
        EXPECT_EQ(w.ui.texts(), QStringList { notInList });
    }
    {
        // Found, but the file was damaged further on.
        PayerWorld w;
        w.writeLive(fixture().left(fixture().size() - 1));
        w.report().payerKey = kWpnKey;
        w.report().payerAbn = wpnEntry().abn;
        LoadPayerListAndMatchPayer(w.context);
        EXPECT_EQ(w.report().payerNotInList, 2);
        EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("Unable to load Payer data from file") });
    }
    {
        PayerWorld w;
        w.writeLive(fixture());
        w.report().payerKey = kWpnKey;
        w.report().payerAbn = wpnEntry().abn;
        w.report().payerNotInList = 2;
        LoadPayerListAndMatchPayer(w.context);
        EXPECT_EQ(w.report().payerNotInList, 0);
        EXPECT_TRUE(w.ui.messages.empty());
        EXPECT_EQ(w.context.payers.size(), 2u);
    }
}

} // namespace
