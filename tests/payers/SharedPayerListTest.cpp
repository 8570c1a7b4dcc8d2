// Two copies of the program sharing one Payer List folder: each change goes
// to the file as it is at that moment, under the lock beside it.
#include "payers/AddPayerForm.h"
#include "payers/EditPayerForm.h"
#include "payers/PayerListFile.h"
#include "payers/PayerListForm.h"
#include "payers/PayerListStore.h"
#include "payers/PayerTestKit.h"
#include "platform/FileLock.h"
#include "support/RacingCopies.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

static void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{' << list.join(QStringLiteral("} {")).toStdString() << '}';
}

namespace
{

using namespace std::chrono_literals;

// The fixture's Acme has a name no form takes (an accented letter): an
// edit gives it one.
void renameAcme(PayerFields& f)
{
    f.name = QStringLiteral("Acme Pty Ltd");
}

const QString kBetaKey = QStringLiteral("51824753556002");
const QString kGammaKey = QStringLiteral("51824753556003");
const QString kDeltaKey = QStringLiteral("53004085616001");

PayerFields payerFields(const QString& name, const QString& abn, const QString& branch)
{
    PayerFields f = validPayerFields();
    f.name = name;
    f.abn = abn;
    f.branch = branch;
    return f;
}

// A user who answers from a script and, once, does something when asked a
// question (another copy's user at work meanwhile). It notes whether the
// Payer List's lock was held whenever it was shown something.
class CopyUi : public ScriptedUi
{
public:
    QString lockPath;
    std::vector<bool> lockHeldWhileShown;
    std::function<void()> onFirstQuestion;

    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        lockHeldWhileShown.push_back(QFile::exists(lockPath));
        if (buttons != MessageButtons::Ok && onFirstQuestion)
            std::exchange(onFirstQuestion, nullptr)();
        return ScriptedUi::message(text, buttons, icon);
    }
    int runDialog(const QString& dialogClass) override
    {
        lockHeldWhileShown.push_back(QFile::exists(lockPath));
        return ScriptedUi::runDialog(dialogClass);
    }
};

// The file layer of one copy, noting whether the lock was held at every
// write of the Payer List file.
class CopyFiles : public FaultyFileSystem
{
public:
    QString lockPath;
    std::vector<bool> lockHeldWhileWriting;

    std::unique_ptr<FileWriter> startWrite(const QString& path) override
    {
        lockHeldWhileWriting.push_back(QFile::exists(lockPath));
        return FaultyFileSystem::startWrite(path);
    }
};

// One copy of the program with its Payer List dialog open.
struct Copy {
    CopyFiles files;
    CopyUi ui;
    AppContext context { ui, files };
    PayerListForm list { context };
    std::function<int()> addDialog;
    std::function<int()> editDialog;
    std::optional<bool> lastSave; // what the last Save of a dialog returned: true closes it

    explicit Copy(const QString& folder)
    {
        context.prefs.defaultFolder = folder;
        context.prefs.pathPayerListFile = folder;
        files.lockPath = ui.lockPath = LivePayerListPath(context) + QStringLiteral(".lock");
        ui.onDialog(QStringLiteral("CAddPayer"), [this] { return addDialog ? addDialog() : 0; });
        ui.onDialog(QStringLiteral("CEditPayer"), [this] { return editDialog ? editDialog() : 0; });
    }

    // The Payer List dialog opens: it reads the file.
    void open()
    {
        list.load();
        list.refresh();
    }
    void add(const PayerFields& fields)
    {
        addDialog = [this, fields] {
            AddPayerForm form(context);
            form.fields = fields;
            lastSave = form.save();
            return *lastSave ? 1 : 0;
        };
        list.add();
    }
    void edit(const QString& key, const std::function<void(PayerFields&)>& change)
    {
        list.tickByKey(key, true);
        editDialog = [this, change] {
            EditPayerForm form(context);
            change(form.fields);
            lastSave = form.save();
            return *lastSave ? 1 : 0;
        };
        list.edit();
    }
    void remove(const QString& key)
    {
        list.tickByKey(key, true);
        ui.answer(Answer::Yes);
        list.remove();
    }
    QStringList rowKeys() const
    {
        QStringList keys;
        for (const PayerListRow& row : list.rows())
            keys << row.key;
        return keys;
    }
};

struct SharedFolder {
    TestProfile profile;
    QTemporaryDir dir;
    Copy a { dir.path() };
    Copy b { dir.path() };

    QString livePath() const { return dir.path() + QStringLiteral("/LivePayerList.mpl"); }
    QString lockPath() const { return livePath() + QStringLiteral(".lock"); }
    QByteArray liveBytes() const { return PayerWorld::read(livePath()); }
    void writeLive(const PayerMap& entries) const { PayerWorld::write(livePath(), WritePayerList(entries)); }
    // The file's entries; a file that is not a whole Payer List fails the test.
    PayerMap fileEntries() const
    {
        PayerMap entries;
        const QByteArray bytes = liveBytes();
        EXPECT_TRUE(IsWholePayerList(bytes));
        if (IsWholePayerList(bytes))
            ReadPayerList(bytes, [&](const QString& key, CPayers e) { entries.insert_or_assign(key, std::move(e)); });
        return entries;
    }
    QStringList fileKeys() const
    {
        QStringList keys;
        for (const auto& [key, entry] : fileEntries())
            keys << key;
        return keys;
    }
};

// ---- every copy's changes are kept ----

TEST(SharedPayerList, InterleavedAddsEditsAndRemovalsKeepEveryCopysChanges)
{
    SharedFolder s;
    s.writeLive({ { kAcmeKey, acmeEntry() } });
    s.a.open();
    s.b.open();

    // Each adds while its dialog shows only what it read when it opened.
    s.b.add(payerFields(QStringLiteral("Beta Pty Ltd"), QStringLiteral("51 824 753 556"), QStringLiteral("002")));
    s.a.add(payerFields(QStringLiteral("Gamma Pty Ltd"), QStringLiteral("51 824 753 556"), QStringLiteral("003")));
    EXPECT_EQ(s.fileKeys(), (QStringList { kAcmeKey, kBetaKey, kGammaKey }));
    // The list shows the file as it now is, the other copy's payer too.
    EXPECT_EQ(s.a.rowKeys(), (QStringList { kAcmeKey, kBetaKey, kGammaKey }));

    s.b.edit(kAcmeKey, [](PayerFields& f) {
        renameAcme(f);
        f.suburb = QStringLiteral("Katherine");
    });
    s.a.remove(kBetaKey); // A still holds Acme as it read it
    s.b.add(payerFields(QStringLiteral("Delta Pty Ltd"), QStringLiteral("53 004 085 616"), QStringLiteral("001")));

    const PayerMap file = s.fileEntries();
    EXPECT_EQ(s.fileKeys(), (QStringList { kAcmeKey, kGammaKey, kDeltaKey }));
    EXPECT_EQ(file.at(kAcmeKey).suburb, QStringLiteral("Katherine"));
    EXPECT_EQ(file.at(kAcmeKey).reserved5, QStringLiteral("legacy"));
    EXPECT_EQ(file.at(kGammaKey).name, QStringLiteral("Gamma Pty Ltd"));
    EXPECT_EQ(file.at(kDeltaKey).name, QStringLiteral("Delta Pty Ltd"));
    // Written whole, in key order, as every Payer List file is.
    EXPECT_EQ(s.liveBytes(), WritePayerList(file));
    EXPECT_EQ(s.b.context.payers, file);
    EXPECT_EQ(s.a.ui.texts(), QStringList { QStringLiteral("Are you sure you want to remove this Payer?") });
    EXPECT_TRUE(s.b.ui.messages.empty());
    EXPECT_FALSE(QFile::exists(s.lockPath()));
}

// ---- a payer both copies edit ----

// A's Edit Payer was opened on Acme before B saved its edit.
struct BothEdit {
    SharedFolder s;
    std::unique_ptr<EditPayerForm> aEdit;

    BothEdit()
    {
        s.writeLive({ { kAcmeKey, acmeEntry() } });
        s.a.open();
        s.b.open();
        s.a.context.report().payerJustAddedKey = kAcmeKey;
        aEdit = std::make_unique<EditPayerForm>(s.a.context);
        renameAcme(aEdit->fields);
    }
};

// What B changed in fields A left alone stays; what A changed is saved.
TEST(SharedPayerList, AnEditKeepsWhatTheOtherCopyChangedInFieldsItLeftAlone)
{
    BothEdit e;
    SharedFolder& s = e.s;
    s.b.edit(kAcmeKey, [](PayerFields& f) {
        renameAcme(f);
        f.suburb = QStringLiteral("Katherine");
        f.contact = QStringLiteral("Bea Ng");
    });
    s.b.add(payerFields(QStringLiteral("Beta Pty Ltd"), QStringLiteral("51 824 753 556"), QStringLiteral("002")));

    e.aEdit->fields.phone = QStringLiteral("08 8999 0000");
    e.aEdit->fields.contact = QStringLiteral("Bea Ng"); // the same change as B's is no clash
    ASSERT_TRUE(e.aEdit->save());
    const PayerMap file = s.fileEntries();
    EXPECT_EQ(file.at(kAcmeKey).phone, QStringLiteral("08 8999 0000"));
    EXPECT_EQ(file.at(kAcmeKey).suburb, QStringLiteral("Katherine"));
    EXPECT_EQ(file.at(kAcmeKey).contact, QStringLiteral("Bea Ng"));
    EXPECT_EQ(file.at(kAcmeKey).name, QStringLiteral("Acme Pty Ltd"));
    EXPECT_EQ(file.at(kAcmeKey).reserved5, QStringLiteral("legacy"));
    EXPECT_EQ(file.at(kBetaKey).name, QStringLiteral("Beta Pty Ltd"));
    EXPECT_EQ(s.a.context.payers, file);
    EXPECT_TRUE(s.a.ui.messages.empty());
}

// A field both changed is written over only on the user's word: No keeps
// the dialog open with what was typed and the file as B left it; Yes saves
// A's value there and keeps B's other changes, in the report's payer too.
TEST(SharedPayerList, AFieldBothCopiesChangedIsWrittenOverOnlyOnTheUsersWord)
{
    for (const Answer answer : { Answer::No, Answer::Yes }) {
        BothEdit e;
        SharedFolder& s = e.s;
        Report& r = s.a.context.report();
        r.payerKey = kAcmeKey;
        r.payerContact = QStringLiteral("as the report has it");
        s.b.edit(kAcmeKey, [](PayerFields& f) {
            renameAcme(f);
            f.contact = QStringLiteral("Bea Ng");
            f.suburb = QStringLiteral("Katherine");
        });
        const QByteArray byB = s.liveBytes();

        e.aEdit->fields.contact = QStringLiteral("Al Jones");
        e.aEdit->fields.phone = QStringLiteral("08 8999 0000");
        s.a.ui.answer(answer);
        const bool closed = e.aEdit->save();

        ASSERT_EQ(s.a.ui.messages.size(), 1u);
        EXPECT_EQ(s.a.ui.messages[0].text, kPayerChangedMeanwhile.arg(QStringLiteral("Acme Pty Ltd")));
        EXPECT_EQ(s.a.ui.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_FALSE(s.a.ui.lockHeldWhileShown.front());
        if (answer == Answer::No) {
            EXPECT_FALSE(closed);
            EXPECT_EQ(s.liveBytes(), byB);
            EXPECT_EQ(e.aEdit->fields.contact, QStringLiteral("Al Jones"));
            EXPECT_EQ(e.aEdit->fields.phone, QStringLiteral("08 8999 0000"));
            EXPECT_EQ(r.payerContact, QStringLiteral("as the report has it"));
            EXPECT_FALSE(s.a.context.document.IsModified());
            continue;
        }
        EXPECT_TRUE(closed);
        const CPayers acme = s.fileEntries().at(kAcmeKey);
        EXPECT_EQ(acme.contact, QStringLiteral("Al Jones"));
        EXPECT_EQ(acme.phone, QStringLiteral("08 8999 0000"));
        EXPECT_EQ(acme.suburb, QStringLiteral("Katherine"));
        EXPECT_EQ(r.payerContact, QStringLiteral("Al Jones"));
        EXPECT_EQ(r.payerSuburb, QStringLiteral("Katherine"));
        EXPECT_TRUE(s.a.context.document.IsModified());
    }
}

// A Yes covers the entry as it stood when asked: a change B saves while the
// question is open brings the question again.
TEST(SharedPayerList, AYesCoversOnlyTheEntryTheUserWasAskedAbout)
{
    BothEdit e;
    SharedFolder& s = e.s;
    s.b.edit(kAcmeKey, [](PayerFields& f) {
        renameAcme(f);
        f.contact = QStringLiteral("Bea Ng");
    });
    s.a.ui.onFirstQuestion = [&s] {
        s.b.edit(kAcmeKey, [](PayerFields& f) { f.fax = QStringLiteral("08 8999 1111"); });
    };
    e.aEdit->fields.contact = QStringLiteral("Al Jones");
    e.aEdit->fields.fax = QStringLiteral("08 8999 2222");
    s.a.ui.answer(Answer::Yes);
    s.a.ui.answer(Answer::Yes);
    EXPECT_TRUE(e.aEdit->save());
    EXPECT_EQ(s.a.ui.texts(),
        (QStringList { kPayerChangedMeanwhile.arg(QStringLiteral("Acme Pty Ltd")),
            kPayerChangedMeanwhile.arg(QStringLiteral("Acme Pty Ltd")) }));
    const CPayers acme = s.fileEntries().at(kAcmeKey);
    EXPECT_EQ(acme.contact, QStringLiteral("Al Jones"));
    EXPECT_EQ(acme.fax, QStringLiteral("08 8999 2222"));
}

// Removing a payer B changed since A's list showed it asks first.
TEST(SharedPayerList, RemovingAPayerTheOtherCopyChangedAsksFirst)
{
    for (const Answer answer : { Answer::No, Answer::Yes }) {
        SharedFolder s;
        s.writeLive({ { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } });
        s.a.open();
        s.b.open();
        s.b.edit(kAcmeKey, [](PayerFields& f) {
            renameAcme(f);
            f.suburb = QStringLiteral("Katherine");
        });
        const QByteArray byB = s.liveBytes();
        s.a.list.tickByKey(kAcmeKey, true);
        s.a.ui.answer(Answer::Yes);
        s.a.ui.answer(answer);
        s.a.list.remove();

        EXPECT_EQ(s.a.ui.texts(),
            (QStringList { QStringLiteral("Are you sure you want to remove this Payer?"),
                kRemoveChangedPayer.arg(QStringLiteral("Acme Pty Ltd")) }));
        if (answer == Answer::No) {
            EXPECT_EQ(s.liveBytes(), byB);
            EXPECT_EQ(s.a.rowKeys(), (QStringList { kWpnKey, kAcmeKey }));
            EXPECT_EQ(s.a.context.payers.at(kAcmeKey).suburb, QStringLiteral("Katherine"));
        } else {
            EXPECT_EQ(s.fileKeys(), QStringList { kWpnKey });
            EXPECT_EQ(s.a.rowKeys(), QStringList { kWpnKey });
        }
    }
}

// ---- a write that fails ----

// Add Payer and Edit Payer stay open with what was typed, the message says
// nothing was saved and why, and Save goes through once the folder is fixed.
TEST(SharedPayerList, AFailedWriteKeepsTheDialogOpenWithWhatWasTyped)
{
    for (const bool editing : { false, true }) {
        SharedFolder s;
        s.writeLive({ { kWpnKey, wpnEntry() } });
        Report& r = s.a.context.report();
        r.payerKey = kWpnKey;
        r.payerSuburb = QStringLiteral("as the report has it");
        s.a.open();
        const QByteArray before = s.liveBytes();
        s.a.files.fail(FaultyFileSystem::Op::Write, s.livePath(), fileFailure(ENOSPC));

        std::optional<AddPayerForm> add;
        std::optional<EditPayerForm> edit;
        PayerFields* fields = nullptr;
        std::function<bool()> save;
        if (editing) {
            r.payerJustAddedKey = kWpnKey;
            edit.emplace(s.a.context);
            edit->fields.suburb = QStringLiteral("Katherine");
            fields = &edit->fields;
            save = [&edit] { return edit->save(); };
        } else {
            add.emplace(s.a.context);
            add->fields = validPayerFields();
            fields = &add->fields;
            save = [&add] { return add->save(); };
        }
        const PayerFields typed = *fields;

        EXPECT_FALSE(save()) << editing;
        ASSERT_EQ(s.a.ui.messages.size(), 1u);
        EXPECT_TRUE(s.a.ui.messages[0].text.endsWith(
            QStringLiteral("No space left on device.\n\n") + kPayerListNothingSaved))
            << s.a.ui.messages[0].text.toStdString();
        EXPECT_EQ(*fields, typed);
        EXPECT_EQ(s.liveBytes(), before);
        EXPECT_EQ(s.a.context.payers, s.fileEntries());
        EXPECT_EQ(r.payerSuburb, QStringLiteral("as the report has it"));
        EXPECT_FALSE(s.a.context.document.IsModified());

        s.a.files.clear();
        EXPECT_TRUE(save()) << editing;
        const PayerMap file = s.fileEntries();
        if (editing) {
            EXPECT_EQ(file.at(kWpnKey).suburb, QStringLiteral("Katherine"));
            EXPECT_EQ(r.payerSuburb, QStringLiteral("Katherine"));
        } else {
            EXPECT_TRUE(file.contains(kAcmeKey));
        }
    }
}

// ---- a payer the other copy removed ----

TEST(SharedPayerList, AnEditOrRemovalOfAPayerTheOtherCopyRemovedSaysSoAndWritesNothing)
{
    for (const bool editing : { true, false }) {
        SharedFolder s;
        s.writeLive({ { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } });
        Report& r = s.a.context.report();
        r.payerKey = kAcmeKey;
        r.payerName = QStringLiteral("Acme as the report has it");
        s.a.open();
        s.b.open();
        s.b.remove(kAcmeKey);
        const QByteArray before = s.liveBytes();
        // Any write would say it could not write.
        s.a.files.fail(FaultyFileSystem::Op::Write, s.livePath(), FileError::AccessDenied);

        if (editing) {
            s.a.edit(kAcmeKey, [](PayerFields& f) {
                renameAcme(f);
                f.suburb = QStringLiteral("Katherine");
            });
            // Edit Payer closes: there is no entry left to save to.
            EXPECT_EQ(s.a.lastSave, std::optional<bool>(true));
            EXPECT_EQ(s.a.ui.texts(), QStringList { kPayerRemovedMeanwhile });
        } else {
            s.a.remove(kAcmeKey);
            EXPECT_EQ(s.a.ui.texts(),
                (QStringList {
                    QStringLiteral("Are you sure you want to remove this Payer?"), kPayerRemovedMeanwhile }));
        }
        EXPECT_EQ(s.liveBytes(), before) << editing;
        EXPECT_EQ(s.a.rowKeys(), QStringList { kWpnKey }) << editing;
        // The report keeps its copy of the payer, now missing from the list.
        EXPECT_EQ(r.payerName, QStringLiteral("Acme as the report has it"));
        EXPECT_FALSE(s.a.context.document.IsModified());
        EXPECT_EQ(r.payerNotInList, editing ? 0 : 2);
    }
}

// ---- a key the other copy added ----

TEST(SharedPayerList, AnAddOfAKeyTheOtherCopyAddedMeanwhileIsRefusedAsADuplicate)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    s.a.open();
    s.b.open();
    AddPayerForm aAdd(s.a.context); // A's Add Payer is open
    aAdd.fields = validPayerFields();

    s.b.add(payerFields(QStringLiteral("Acme by B"), QStringLiteral("51 824 753 556"), QStringLiteral("001")));
    const QByteArray before = s.liveBytes();

    EXPECT_FALSE(aAdd.save()); // the dialog stays open with A's entries
    ASSERT_EQ(s.a.ui.messages.size(), 1u);
    EXPECT_EQ(s.a.ui.messages[0].text, kDuplicatePayer);
    EXPECT_EQ(s.a.ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(aAdd.fields.name, QStringLiteral("Acme Pty Ltd"));
    EXPECT_EQ(s.liveBytes(), before);
    EXPECT_EQ(s.a.context.payers.at(kAcmeKey).name, QStringLiteral("Acme by B"));
}

// ---- an import ----

// The imported payers go into the list as the file holds it when they are
// written; a key the other copy added while the questions were asked brings
// a question of its own.
TEST(SharedPayerList, AnImportAppliesItsPayersToTheListAsItIsWhenWritten)
{
    SharedFolder s;
    CPayers oldWpn = wpnEntry();
    oldWpn.name = QStringLiteral("Old Trust");
    s.writeLive({ { kWpnKey, oldWpn } });
    s.a.open();
    s.b.open();
    s.b.add(payerFields(QStringLiteral("Beta Pty Ltd"), QStringLiteral("51 824 753 556"), QStringLiteral("002")));

    const QString source = s.dir.path() + QStringLiteral("/import.mpl");
    PayerWorld::write(source, readFixture(QLS_TEST_DATA_DIR, QStringLiteral("two_payers.mpl")));
    s.a.ui.answerFile(source);
    s.a.ui.answer(Answer::Yes); // replace the WPN payer
    s.a.ui.answer(Answer::No); // keep Acme as B added it
    s.a.ui.onFirstQuestion = [&s] {
        s.b.add(payerFields(QStringLiteral("Acme by B"), QStringLiteral("51 824 753 556"), QStringLiteral("001")));
    };
    s.a.list.importList();

    EXPECT_EQ(s.a.ui.texts(),
        (QStringList { kWpnKey + QStringLiteral(" Bee Family Trust") + kReplaceQuestionTail,
            kAcmeKey + QStringLiteral(" Acme Caf\u00e9 Pty Ltd") + kReplaceQuestionTail }));
    EXPECT_TRUE(s.a.ui.scriptUsedUp());
    const PayerMap file = s.fileEntries();
    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey, kBetaKey }));
    EXPECT_EQ(file.at(kWpnKey), wpnEntry());
    EXPECT_EQ(file.at(kAcmeKey).name, QStringLiteral("Acme by B"));
    EXPECT_EQ(s.a.rowKeys(), (QStringList { kWpnKey, kAcmeKey, kBetaKey }));
}

// ---- the lock ----

TEST(SharedPayerList, TheLockIsHeldOnlyWhileTheFileIsReadChangedAndWritten)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    Copy& a = s.a;
    a.open();
    a.add(validPayerFields());
    a.edit(kAcmeKey, [](PayerFields& f) {
        renameAcme(f);
        f.suburb = QStringLiteral("Katherine");
    });
    a.remove(kWpnKey);
    const QString source = s.dir.path() + QStringLiteral("/import.mpl");
    PayerWorld::write(source, readFixture(QLS_TEST_DATA_DIR, QStringLiteral("two_payers.mpl")));
    a.ui.answerFile(source);
    a.ui.answer(Answer::No);
    a.list.importList();

    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey }));
    EXPECT_EQ(a.files.lockHeldWhileWriting, std::vector<bool>(4, true));
    // Not while a dialog, a question or a message waits on the user.
    EXPECT_EQ(a.ui.dialogsRun.size(), 2);
    EXPECT_EQ(a.ui.lockHeldWhileShown, std::vector<bool>(a.ui.lockHeldWhileShown.size(), false));
    EXPECT_GE(a.ui.lockHeldWhileShown.size(), 4u);
    EXPECT_FALSE(QFile::exists(s.lockPath()));
    EXPECT_EQ(a.ui.waitDepth, 0);
}

TEST(SharedPayerList, AChangeWhileAnotherCopyHoldsTheLockSaysSoAndWritesNothing)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    s.a.context.payerListLockWait = 200ms;
    s.a.open();
    const QByteArray before = s.liveBytes();
    auto other = std::make_unique<FileLock>(s.b.files, s.lockPath(), 0ms); // B is writing
    ASSERT_TRUE(other->held());

    AddPayerForm aAdd(s.a.context);
    aAdd.fields = validPayerFields();
    EXPECT_FALSE(aAdd.save()); // the dialog stays open, to be saved again
    s.a.context.report().payerJustAddedKey = kWpnKey;
    EditPayerForm aEdit(s.a.context);
    aEdit.fields.suburb = QStringLiteral("Katherine");
    EXPECT_FALSE(aEdit.save());
    s.a.remove(kWpnKey);
    const QString source = s.dir.path() + QStringLiteral("/import.mpl");
    PayerWorld::write(source, readFixture(QLS_TEST_DATA_DIR, QStringLiteral("two_payers.mpl")));
    s.a.ui.answerFile(source);
    s.a.list.importList();

    EXPECT_EQ(s.a.ui.texts(),
        (QStringList { kPayerListBusy, kPayerListBusy, QStringLiteral("Are you sure you want to remove this Payer?"),
            kPayerListBusy, kPayerListBusy }));
    EXPECT_EQ(s.liveBytes(), before);
    EXPECT_EQ(s.a.rowKeys(), QStringList { kWpnKey });
    EXPECT_TRUE(s.a.files.lockHeldWhileWriting.empty());

    // Once B lets go, the same Save goes through.
    other.reset();
    EXPECT_TRUE(aAdd.save());
    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey }));
}

TEST(SharedPayerList, AChangeWaitsForAnotherCopyThatLetsGoSoon)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    s.a.context.payerListLockWait = 30s;
    s.a.open();
    auto other = std::make_unique<FileLock>(s.b.files, s.lockPath(), 0ms);
    ASSERT_TRUE(other->held());
    // B lets go 300 ms after A starts, at the soonest.
    const auto start = std::chrono::steady_clock::now();
    std::thread letGo([&other] {
        std::this_thread::sleep_for(300ms);
        other.reset();
    });
    s.a.add(validPayerFields());
    const auto waited = std::chrono::steady_clock::now() - start;
    letGo.join();
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 20s);
    EXPECT_TRUE(s.a.ui.messages.empty());
    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey }));
}

// A copy that stopped left its lock where this copy may not remove it (a
// folder with the sticky bit, another user's file): the lock still holds.
TEST(SharedPayerList, AStaleLockThatCannotBeRemovedWritesNothingAndNamesTheLockFile)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    LockOwner ended = LockOwner::here();
    ended.pid = EndedProcessId();
    PayerWorld::write(s.lockPath(), ended.toBytes());
    s.a.files.failOnly(FaultyFileSystem::Op::Remove, s.lockPath(), FileError::AccessDenied);
    s.a.open();
    const QByteArray before = s.liveBytes();

    AddPayerForm aAdd(s.a.context);
    aAdd.fields = validPayerFields();
    EXPECT_FALSE(aAdd.save()); // the dialog stays open with what was typed
    EXPECT_EQ(aAdd.fields, validPayerFields());
    EXPECT_EQ(s.a.ui.texts(),
        QStringList { kPayerListHeldBy.arg(s.lockPath()) + QStringLiteral("\n\ninjected.") });
    EXPECT_EQ(s.liveBytes(), before);
    EXPECT_TRUE(s.a.files.lockHeldWhileWriting.empty());
    EXPECT_EQ(PayerWorld::read(s.lockPath()), ended.toBytes());

    // Once it is gone, the same Save goes through.
    QFile::remove(s.lockPath());
    EXPECT_TRUE(aAdd.save());
    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey }));
}

TEST(SharedPayerList, WhereTheDiskGivesNoLockTheChangeIsWrittenWithoutOne)
{
    SharedFolder s;
    s.writeLive({ { kWpnKey, wpnEntry() } });
    s.a.files.fail(FaultyFileSystem::Op::Create, s.lockPath(), FileError::Other);
    s.a.open();
    s.a.add(validPayerFields());
    EXPECT_TRUE(s.a.ui.messages.empty());
    EXPECT_EQ(s.fileKeys(), (QStringList { kWpnKey, kAcmeKey }));
    EXPECT_EQ(s.a.files.lockHeldWhileWriting, std::vector<bool> { false });
}

} // namespace
