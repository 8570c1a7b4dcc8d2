#include "payers/AddPayerForm.h"
#include "payers/EditPayerForm.h"
#include "payers/PayerListFile.h"
#include "payers/PayerListForm.h"
#include "payers/PayerTestKit.h"
#include "payers/ReportPayerForm.h"

#include <gtest/gtest.h>

namespace
{

using F = PayerField;

const QString kDuplicateText = QStringLiteral(
    "A Payer with this ABN/Branch combination already exists in the Payer List.\r\n\r\nYou should use or edit the "
    "existing Payer.");
const QString kCorrectText = QStringLiteral("Please correct all fields marked with an 'E' and press Save again.");

QStringList keysOf(const std::vector<PayerListRow>& rows)
{
    QStringList keys;
    for (const PayerListRow& row : rows)
        keys << row.key;
    return keys;
}

QStringList tickedKeys(const PayerListForm& form)
{
    QStringList keys;
    for (const PayerListRow& row : form.rows()) {
        if (row.checked)
            keys << row.key;
    }
    return keys;
}

// ---- Add Payer ----

TEST(AddPayer, StoresTheCleanedEntryAndRewritesTheFile)
{
    PayerWorld w;
    AddPayerForm form(w.context, 1700000000);
    form.fields = validPayerFields();
    form.fields.state = QStringLiteral("NT");
    form.fields.ref = QStringLiteral(" my  ref ");
    form.fields.country = QStringLiteral("australia");
    ASSERT_TRUE(form.save());
    ASSERT_TRUE(w.context.payers.contains(kAcmeKey));
    const CPayers& e = w.context.payers.at(kAcmeKey);
    EXPECT_EQ(e.abn, QStringLiteral("51824753556"));
    EXPECT_EQ(e.branch, QStringLiteral("001"));
    EXPECT_EQ(e.ref, QStringLiteral("my ref"));
    EXPECT_EQ(e.country, QStringLiteral("AUSTRALIA"));
    EXPECT_EQ(e.date, 1700000000); // the moment the dialog opened
    EXPECT_TRUE(e.reserved5.isEmpty());
    EXPECT_EQ(w.report().payerJustAddedKey, kAcmeKey);
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
    EXPECT_TRUE(w.ui.messages.empty());
}

TEST(AddPayer, StartsOnBranch001)
{
    PayerWorld w;
    AddPayerForm form(w.context);
    EXPECT_EQ(form.fields.branch, QStringLiteral("001"));
    EXPECT_FALSE(form.offersLoadFromOriginal());
}

TEST(AddPayer, ADuplicateKeyIsRefusedBeforeTheAddressRules)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.writeLive(WritePayerList(w.context.payers));
    const QByteArray before = w.liveBytes();
    AddPayerForm form(w.context);
    form.fields = validPayerFields();
    form.fields.name = QStringLiteral("  Other  Name ");
    form.fields.address1.clear();
    form.fields.phone.clear();
    EXPECT_FALSE(form.save());
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.ui.messages[0].text, kDuplicateText);
    EXPECT_EQ(w.ui.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(form.markers.any()); // the address and contact markers stay hidden
    EXPECT_EQ(form.fields.name, QStringLiteral("Other Name"));
    EXPECT_EQ(form.fields.abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(w.context.payers.at(kAcmeKey), acmeEntry());
    EXPECT_EQ(w.liveBytes(), before);
    EXPECT_TRUE(w.report().payerJustAddedKey.isEmpty());
}

TEST(AddPayer, TheSameAbnWithAnotherBranchIsANewEntry)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.writeLive(WritePayerList(w.context.payers));
    AddPayerForm form(w.context);
    form.fields = validPayerFields();
    form.fields.branch = QStringLiteral("002");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(w.context.payers.size(), 2u);
    EXPECT_TRUE(w.context.payers.contains(QStringLiteral("51824753556002")));
}

TEST(AddPayer, AWpnWithBranch000IsKeyedByItsElevenCharacters)
{
    PayerWorld w;
    AddPayerForm form(w.context);
    form.fields = validPayerFields();
    form.fields.abn = QStringLiteral("00 123 456 782");
    form.fields.branch = QStringLiteral("000");
    ASSERT_TRUE(form.save());
    EXPECT_TRUE(w.context.payers.contains(kWpnKey));
    EXPECT_EQ(w.context.payers.at(kWpnKey).abn, QStringLiteral("00123456782"));
}

TEST(AddPayer, FieldErrorsKeepTheDialogOpenWithTheCleanedValues)
{
    PayerWorld w;
    AddPayerForm form(w.context);
    form.fields = validPayerFields();
    form.fields.address2 = QStringLiteral("Level  2");
    form.fields.address1.clear();
    form.fields.country = QStringLiteral("aus");
    EXPECT_FALSE(form.save());
    EXPECT_EQ(form.markers, (PayerMarkers { F::Address1, F::Address2, F::Country }));
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.ui.messages[0].text, kCorrectText);
    EXPECT_EQ(w.ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(form.fields.address2, QStringLiteral("Level 2"));
    EXPECT_EQ(form.fields.country, QStringLiteral("AUS"));
    EXPECT_TRUE(w.context.payers.empty());
    EXPECT_FALSE(QFile::exists(w.livePath()));

    // Corrected, the next Save hides the old markers and stores.
    form.fields.address1 = QStringLiteral("1 Main St");
    form.fields.country.clear();
    EXPECT_TRUE(form.save());
    EXPECT_FALSE(form.markers.any());
    EXPECT_EQ(w.context.payers.at(kAcmeKey).address2, QStringLiteral("Level 2"));
}

TEST(AddPayer, LoadFromOriginalFillsTheImportedPayer)
{
    PayerWorld w;
    Report& r = w.report();
    r.fromLodgementFile = QStringLiteral("Yes");
    r.origPayerName = QStringLiteral("Imported Pty Ltd");
    r.origPayerAbn = QStringLiteral("51824753556");
    r.origPayerTradingName = QStringLiteral("Imp");
    r.origPayerBranch = QStringLiteral("003");
    r.origPayerAddress1 = QStringLiteral("2 High St");
    r.origPayerAddress2 = QString();
    r.origPayerSuburb = QStringLiteral("Perth");
    r.origPayerState = QStringLiteral("WA");
    r.origPayerPostcode = QStringLiteral("6000");
    r.origPayerCountry = QString();
    r.origPayerContact = QStringLiteral("Al Imp");
    r.origPayerPhone = QStringLiteral("08 9000 0000");
    r.origPayerFax = QString();
    AddPayerForm form(w.context, 5);
    EXPECT_TRUE(form.offersLoadFromOriginal());
    form.fields.ref = QStringLiteral("typed ref");
    form.loadFromOriginal();
    EXPECT_EQ(form.fields.abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(form.fields.branch, QStringLiteral("003"));
    EXPECT_EQ(form.fields.state, QStringLiteral("WA"));
    EXPECT_EQ(form.fields.ref, QStringLiteral("typed ref"));
    ASSERT_TRUE(form.save());
    const CPayers& e = w.context.payers.at(QStringLiteral("51824753556003"));
    EXPECT_EQ(e.abn, QStringLiteral("51824753556"));
    EXPECT_EQ(e.name, QStringLiteral("Imported Pty Ltd"));
    EXPECT_EQ(e.ref, QStringLiteral("typed ref"));

    // A state that is not one of the list's items leaves the choice alone.
    r.origPayerState = QStringLiteral("XX");
    AddPayerForm again(w.context);
    again.fields.state = QStringLiteral("SA");
    again.loadFromOriginal();
    EXPECT_EQ(again.fields.state, QStringLiteral("SA"));
}

struct FailureCase {
    bool standard;
    const char* message;
};

TEST(AddPayer, AnUnexpectedFailureKeepsTheEntriesAndDoesNotRewrite)
{
    for (const FailureCase c : { FailureCase { true, "An unknown error has occurred - Ref #1007." },
             FailureCase { false, "An unknown error has occurred - Ref #1008." } }) {
        PayerWorldOf<FailingUi> w;
        w.context.payers = { { kWpnKey, wpnEntry() } };
        w.writeLive(WritePayerList(w.context.payers));
        const QByteArray before = w.liveBytes();
        w.ui.failOn = QStringLiteral("ABN must be 11 digits, no spaces.");
        w.ui.throwStandard = c.standard;
        AddPayerForm form(w.context);
        form.fields = validPayerFields();
        form.fields.abn = QStringLiteral("-1234567890");
        form.fields.name = QStringLiteral("  Typed  ");
        const PayerFields typed = form.fields;
        EXPECT_FALSE(form.save());
        EXPECT_EQ(form.fields, typed);
        EXPECT_EQ(w.ui.texts().last(), QString::fromLatin1(c.message));
        EXPECT_EQ(w.context.payers.size(), 1u);
        EXPECT_EQ(w.liveBytes(), before);
    }
}

// ---- Edit Payer ----

struct EditWorld : PayerWorld {
    EditWorld()
    {
        context.payers = { { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } };
        writeLive(WritePayerList(context.payers));
    }
};

TEST(EditPayer, OpensTheEntryWithItsAbnInDisplayForm)
{
    EditWorld w;
    w.report().payerJustAddedKey = kAcmeKey;
    EditPayerForm form(w.context);
    EXPECT_EQ(form.key(), kAcmeKey);
    EXPECT_EQ(form.fields.abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(form.fields.name, acmeEntry().name);
    EXPECT_EQ(form.fields.ref, QStringLiteral("R1"));
    EXPECT_EQ(form.date(), acmeEntry().date);
}

TEST(EditPayer, KeepsTheKeyAndDateAndReservedFieldWhateverChanges)
{
    EditWorld w;
    w.report().payerJustAddedKey = kAcmeKey;
    EditPayerForm form(w.context);
    form.fields.name = QStringLiteral("Acme Pty Ltd");
    form.fields.abn = QStringLiteral("53 004 085 616");
    form.fields.branch = QStringLiteral("002");
    form.fields.suburb = QStringLiteral("Katherine");
    ASSERT_TRUE(form.save()) << form.markers.describe().toStdString();
    ASSERT_EQ(w.context.payers.size(), 2u);
    const CPayers& e = w.context.payers.at(kAcmeKey);
    EXPECT_EQ(e.abn, QStringLiteral("53004085616"));
    EXPECT_EQ(e.branch, QStringLiteral("002"));
    EXPECT_EQ(e.suburb, QStringLiteral("Katherine"));
    EXPECT_EQ(e.date, acmeEntry().date);
    EXPECT_EQ(e.reserved5, QStringLiteral("legacy"));
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
    // Not the report's payer: the report is untouched.
    EXPECT_TRUE(w.report().payerName.isEmpty());
    EXPECT_FALSE(w.context.document.IsModified());
}

TEST(EditPayer, TheReportsPayerFollowsAndTheReportIsModified)
{
    EditWorld w;
    Report& r = w.report();
    r.payerKey = kAcmeKey;
    r.payerName = QStringLiteral("Old");
    r.payerJustAddedKey = kAcmeKey;
    EditPayerForm form(w.context);
    form.fields.name = QStringLiteral("Acme Pty Ltd");
    form.fields.phone = QStringLiteral("08 8999 0000");
    form.fields.ref = QStringLiteral("R2");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(r.payerKey, kAcmeKey);
    EXPECT_EQ(r.payerName, QStringLiteral("Acme Pty Ltd"));
    EXPECT_EQ(r.payerAbn, QStringLiteral("51824753556"));
    EXPECT_EQ(r.payerBranch, QStringLiteral("001"));
    EXPECT_EQ(r.payerAddress2, QStringLiteral("Level 2"));
    EXPECT_EQ(r.payerPostcode, QStringLiteral("0800"));
    EXPECT_EQ(r.payerPhone, QStringLiteral("08 8999 0000"));
    EXPECT_EQ(r.payerRef, QStringLiteral("R2"));
    EXPECT_EQ(r.payerDate, acmeEntry().date);
    EXPECT_TRUE(w.context.document.IsModified());
}

TEST(EditPayer, FieldErrorsChangeNothing)
{
    EditWorld w;
    w.report().payerKey = kAcmeKey;
    w.report().payerJustAddedKey = kAcmeKey;
    const QByteArray before = w.liveBytes();
    EditPayerForm form(w.context);
    form.fields.name = QStringLiteral("Acme Pty Ltd");
    form.fields.phone.clear();
    EXPECT_FALSE(form.save());
    EXPECT_EQ(form.markers, PayerMarkers { F::Phone });
    EXPECT_EQ(w.ui.texts(), QStringList { kCorrectText });
    EXPECT_EQ(w.context.payers.at(kAcmeKey), acmeEntry());
    EXPECT_EQ(w.liveBytes(), before);
    EXPECT_FALSE(w.context.document.IsModified());
}

TEST(EditPayer, AnUnexpectedFailureKeepsTheEntriesAndDoesNotRewrite)
{
    for (const FailureCase c : { FailureCase { true, "An unknown error has occurred  - Ref #1011." },
             FailureCase { false, "An unknown error has occurred - Ref #1012." } }) {
        PayerWorldOf<FailingUi> w;
        w.context.payers = { { kAcmeKey, acmeEntry() } };
        w.writeLive(WritePayerList(w.context.payers));
        const QByteArray before = w.liveBytes();
        w.report().payerKey = kAcmeKey;
        w.report().payerJustAddedKey = kAcmeKey;
        w.ui.failOn = QStringLiteral("ABN must be 11 digits, no spaces.");
        w.ui.throwStandard = c.standard;
        EditPayerForm form(w.context);
        form.fields.abn = QStringLiteral("+1234567890");
        const PayerFields typed = form.fields;
        EXPECT_FALSE(form.save());
        EXPECT_EQ(form.fields, typed);
        EXPECT_EQ(w.ui.texts().last(), QString::fromLatin1(c.message));
        EXPECT_EQ(w.context.payers.at(kAcmeKey), acmeEntry());
        EXPECT_EQ(w.liveBytes(), before);
        EXPECT_FALSE(w.context.document.IsModified());
    }
}

// ---- Payer List ----

TEST(PayerList, OneEntryIsTickedWhateverTheReportsPayer)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.report().payerKey = QStringLiteral("other");
    PayerListForm form(w.context);
    form.refresh();
    EXPECT_EQ(tickedKeys(form), QStringList { kAcmeKey });
}

TEST(PayerList, TheReportsPayerIsTickedAndTickingAnotherUnticksIt)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } };
    w.report().payerKey = kAcmeKey;
    PayerListForm form(w.context);
    form.refresh();
    ASSERT_EQ(keysOf(form.rows()), (QStringList { kWpnKey, kAcmeKey }));
    EXPECT_EQ(form.rows()[1].abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(tickedKeys(form), QStringList { kAcmeKey });
    form.setChecked(0, true);
    EXPECT_EQ(tickedKeys(form), QStringList { kWpnKey });
    form.setChecked(0, false);
    EXPECT_EQ(form.tickedCount(), 0);
    EXPECT_EQ(form.tickedRow(), -1);

    // With none ticked, every action asks for a tick.
    form.edit();
    form.remove();
    EXPECT_FALSE(form.selectForReport());
    EXPECT_EQ(w.ui.texts(),
        (QStringList { QStringLiteral("Please place a tick next to the \nPayer you want to edit."),
            QStringLiteral("Please place a tick next to the \nPayer you want to Remove."),
            QStringLiteral("Please place a tick next to the \nPayer you want to use for "
                           "this Report.") }));
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
}

TEST(PayerList, AClickOnARowTicksByKeyAndSaysWhetherTheTicksChanged)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } };
    w.report().payerKey = kAcmeKey;
    PayerListForm form(w.context);
    form.refresh();
    ASSERT_EQ(tickedKeys(form), QStringList { kAcmeKey });

    // A click that leaves the tick as it was changes nothing to show again.
    EXPECT_FALSE(form.tickByKey(kAcmeKey, true));
    EXPECT_FALSE(form.tickByKey(kWpnKey, false));
    EXPECT_EQ(tickedKeys(form), QStringList { kAcmeKey });

    EXPECT_TRUE(form.tickByKey(kWpnKey, true));
    EXPECT_EQ(tickedKeys(form), QStringList { kWpnKey });
    EXPECT_TRUE(form.tickByKey(kWpnKey, false));
    EXPECT_EQ(form.tickedCount(), 0);

    // A key the list does not hold ticks nothing; the list shows the form's ticks again.
    EXPECT_TRUE(form.tickByKey(QStringLiteral("99999999999001"), true));
    EXPECT_EQ(form.tickedCount(), 0);
}

TEST(PayerList, NoRowIsTickedWhenNoneIsWanted)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } };
    PayerListForm form(w.context);
    form.refresh();
    EXPECT_EQ(form.tickedCount(), 0);
    PayerListForm empty(w.context);
    EXPECT_TRUE(empty.rows().empty());
}

TEST(PayerList, AddTicksTheNewEntryAndACancelledAddTicksNone)
{
    PayerWorld w;
    w.context.payers = { { kWpnKey, wpnEntry() }, { QStringLiteral("53004085616001"), acmeEntry() } };
    w.writeLive(WritePayerList(w.context.payers));
    w.report().payerKey = kWpnKey;
    PayerListForm form(w.context);
    form.refresh();
    w.ui.onDialog(QStringLiteral("CAddPayer"), [&w] {
        EXPECT_EQ(w.report().payerJustAdded, 1);
        AddPayerForm add(w.context);
        add.fields = validPayerFields();
        return add.save() ? 1 : 0;
    });
    form.add();
    EXPECT_EQ(tickedKeys(form), QStringList { kAcmeKey });
    EXPECT_EQ(w.report().payerJustAdded, 0);
    EXPECT_TRUE(w.report().payerJustAddedKey.isEmpty());
    EXPECT_EQ(w.context.payers.size(), 3u);
}

TEST(PayerList, ACancelledAddTicksNoRow)
{
    PayerWorld w;
    w.context.payers = { { kWpnKey, wpnEntry() }, { kAcmeKey, acmeEntry() } };
    w.report().payerKey = kWpnKey;
    PayerListForm form(w.context);
    form.refresh();
    w.ui.onDialog(QStringLiteral("CAddPayer"), [] { return 0; });
    form.add();
    EXPECT_EQ(form.tickedCount(), 0);
}

TEST(PayerList, NoWriteAccessStopsAddEditRemoveAndImport)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.files.fail(FaultyFileSystem::Op::Create, w.dir.path(), FileError::AccessDenied);
    PayerListForm form(w.context);
    form.refresh();
    form.add();
    form.edit();
    form.remove();
    form.importList();
    EXPECT_EQ(w.ui.texts(), QStringList(4, kNoWriteAccessToPayerList));
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
    EXPECT_TRUE(w.ui.fileRequests.empty());
    EXPECT_EQ(w.context.payers.size(), 1u);
    EXPECT_EQ(w.report().payerJustAdded, 0);

    // Select for Report and Export need no write access.
    EXPECT_TRUE(form.selectForReport());
    EXPECT_EQ(w.ui.waitDepth, 0);
}

TEST(PayerList, EditOpensTheTickedEntryAndTicksItAgain)
{
    EditWorld w;
    PayerListForm form(w.context);
    form.refresh();
    form.edit();
    ASSERT_EQ(
        w.ui.texts(), QStringList { QStringLiteral("Please place a tick next to the \nPayer you want to edit.") });
    form.setChecked(1, true);
    w.ui.onDialog(QStringLiteral("CEditPayer"), [&w] {
        EditPayerForm edit(w.context);
        EXPECT_EQ(edit.key(), kAcmeKey);
        edit.fields.name = QStringLiteral("Acme Pty Ltd");
        edit.fields.suburb = QStringLiteral("Katherine");
        return edit.save() ? 1 : 0;
    });
    form.edit();
    EXPECT_EQ(w.ui.dialogsRun, QStringList { QStringLiteral("CEditPayer") });
    EXPECT_EQ(w.context.payers.at(kAcmeKey).suburb, QStringLiteral("Katherine"));
    EXPECT_EQ(tickedKeys(form), QStringList { kAcmeKey });
}

TEST(PayerList, EmptyListMessages)
{
    PayerWorld w;
    PayerListForm form(w.context);
    form.refresh();
    form.edit();
    form.remove();
    EXPECT_FALSE(form.selectForReport());
    form.exportList(); // nothing at all
    EXPECT_EQ(w.ui.texts(),
        (QStringList { QStringLiteral("There are no Payers to Edit."), QStringLiteral("There are no Payers to Remove."),
            QStringLiteral("Please place a tick next to the \nPayer you want to use for this Report.") }));
    EXPECT_TRUE(w.ui.fileRequests.empty());
}

TEST(PayerList, RemoveAnsweredNoChangesNothingAndYesRewrites)
{
    EditWorld w;
    const QByteArray before = w.liveBytes();
    PayerListForm form(w.context);
    form.refresh();
    form.setChecked(0, true);
    w.ui.answer(Answer::No);
    form.remove();
    EXPECT_EQ(w.context.payers.size(), 2u);
    EXPECT_EQ(w.liveBytes(), before);
    w.ui.answer(Answer::Yes);
    form.remove();
    EXPECT_EQ(w.ui.texts(), QStringList(2, QStringLiteral("Are you sure you want to remove this Payer?")));
    EXPECT_EQ(w.ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(keysOf(form.rows()), QStringList { kAcmeKey });
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
    EXPECT_EQ(w.ui.waitDepth, 0);
}

TEST(PayerList, RemovingTheReportsPayerMarksItNotInTheList)
{
    EditWorld w;
    w.report().payerKey = kAcmeKey;
    w.report().payerName = QStringLiteral("Acme");
    PayerListForm form(w.context);
    form.refresh();
    w.ui.answer(Answer::Yes);
    form.remove();
    EXPECT_FALSE(w.context.payers.contains(kAcmeKey));
    EXPECT_EQ(w.report().payerNotInList, 2);
    EXPECT_EQ(w.report().payerName, QStringLiteral("Acme"));
}

TEST(PayerList, SelectForReportCopiesTheEntryIntoTheReport)
{
    EditWorld w;
    Report& r = w.report();
    r.payerNotInList = 2;
    PayerListForm form(w.context);
    form.refresh();
    form.setChecked(1, true);
    const QByteArray before = w.liveBytes();
    ASSERT_TRUE(form.selectForReport());
    const CPayers e = acmeEntry();
    EXPECT_EQ(r.payerKey, kAcmeKey);
    EXPECT_EQ(r.payerName, e.name);
    EXPECT_EQ(r.payerAbn, e.abn);
    EXPECT_EQ(r.payerTradingName, e.tradingName);
    EXPECT_EQ(r.payerBranch, e.branch);
    EXPECT_EQ(r.payerAddress1, e.address1);
    EXPECT_EQ(r.payerAddress2, e.address2);
    EXPECT_EQ(r.payerSuburb, e.suburb);
    EXPECT_EQ(r.payerState, e.state);
    EXPECT_EQ(r.payerPostcode, e.postcode);
    EXPECT_EQ(r.payerCountry, e.country);
    EXPECT_EQ(r.payerContact, e.contact);
    EXPECT_EQ(r.payerPhone, e.phone);
    EXPECT_EQ(r.payerFax, e.fax);
    EXPECT_EQ(r.payerRef, e.ref);
    EXPECT_EQ(r.payerDate, e.date);
    EXPECT_EQ(r.payerNotInList, 0);
    EXPECT_TRUE(w.context.document.IsModified());
    EXPECT_EQ(w.liveBytes(), before);
}

TEST(PayerList, ExportAndImport)
{
    EditWorld w;
    PayerListForm form(w.context);
    form.refresh();
    const QString target = w.path(QStringLiteral("export.mpl"));
    w.ui.answerFile(target);
    form.exportList();
    EXPECT_EQ(PayerWorld::read(target), w.liveBytes());

    w.writeLive(WritePayerList({ { kWpnKey, wpnEntry() } }));
    form.load();
    form.refresh();
    w.ui.answerFile(target);
    w.ui.answer(Answer::No); // the WPN entry is there already
    form.importList();
    EXPECT_EQ(keysOf(form.rows()), (QStringList { kWpnKey, kAcmeKey }));
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
    EXPECT_TRUE(w.ui.scriptUsedUp());
}

TEST(PayerList, LoadRereadsTheFileAndTheHintComesOncePerReport)
{
    EditWorld w;
    w.context.payers.clear();
    PayerListForm form(w.context);
    form.load();
    form.refresh();
    EXPECT_EQ(form.rows().size(), 2u);
    form.showHintOnce();
    EXPECT_TRUE(w.ui.messages.empty());
    w.report().fromLodgementFile = QStringLiteral("Yes");
    form.showHintOnce();
    form.showHintOnce();
    EXPECT_EQ(w.ui.texts(), QStringList { kLoadFromOriginalHint });
    EXPECT_EQ(w.report().payerListHintShown, 1);
}

TEST(PayerList, ADamagedFileIsReportedWithTheDialogsMessage)
{
    PayerWorld w;
    w.writeLive(readFixture(QLS_TEST_DATA_DIR, QStringLiteral("two_payers.mpl")).left(300));
    PayerListForm form(w.context);
    form.load();
    EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("Unable to load Payer data from file") });
    form.refresh();
    EXPECT_EQ(keysOf(form.rows()), QStringList { kWpnKey });
}

// ---- the report's Payer Details ----

struct ReportPayerWorld : EditWorld {
    ReportPayerWorld()
    {
        Report& r = report();
        r.payerKey = kWpnKey;
        r.payerName = QStringLiteral("Bee Family Trust");
        r.payerAbn = QStringLiteral("00123456782");
        r.payerBranch = QStringLiteral("000");
        r.payerDate = 1546300800;
    }
};

TEST(ReportPayer, ClosingWithoutAChangeAsksNothing)
{
    ReportPayerWorld w;
    ReportPayerForm form(w.context, 99);
    EXPECT_EQ(form.fields.abn, QStringLiteral("00 123 456 782"));
    EXPECT_EQ(form.shownDate, 1546300800);
    EXPECT_EQ(w.report().payerFieldsSaved[1], QStringLiteral("00123456782"));
    EXPECT_EQ(w.report().payerFieldsSaved[19], QStringLiteral("checked"));
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_FALSE(w.context.document.IsModified());
}

TEST(ReportPayer, AMissingDateShowsNowAndAnOddAbnShowsUnchanged)
{
    ReportPayerWorld w;
    w.report().payerDate = 0;
    w.report().payerAbn = QStringLiteral("1234");
    ReportPayerForm form(w.context, 99);
    EXPECT_EQ(form.shownDate, 99);
    EXPECT_EQ(form.fields.abn, QStringLiteral("1234"));
}

TEST(ReportPayer, UpdateKeepsTheCopiesWithoutMarkingModified)
{
    ReportPayerWorld w;
    ReportPayerForm form(w.context, 99);
    form.update();
    EXPECT_FALSE(w.context.document.IsModified());
    EXPECT_EQ(w.report().payerFieldsSaved[0], QStringLiteral("Bee Family Trust"));
}

TEST(ReportPayer, CloseAfterANewChoiceAsks)
{
    // Cancel stays, No closes with the new payer, Yes closes and marks modified.
    for (const Answer a : { Answer::Cancel, Answer::No, Answer::Yes }) {
        ReportPayerWorld w;
        ReportPayerForm form(w.context, 99);
        w.ui.onDialog(QStringLiteral("CPayerList"), [&w] {
            PayerListForm list(w.context);
            list.refresh();
            list.setChecked(1, true);
            return list.selectForReport() ? 0 : 1;
        });
        form.selectFromPayerList();
        EXPECT_EQ(form.fields.name, acmeEntry().name);
        EXPECT_EQ(form.fields.abn, QStringLiteral("51 824 753 556"));
        w.context.document.SetModifiedFlag(false);
        w.ui.answer(a);
        EXPECT_EQ(form.close(), a != Answer::Cancel);
        EXPECT_EQ(w.ui.texts(), QStringList { kPayerDetailsNotUpdated });
        EXPECT_EQ(w.ui.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(w.report().payerKey, kAcmeKey);
        EXPECT_EQ(w.report().payerAbn, QStringLiteral("51824753556"));
        EXPECT_EQ(w.context.document.IsModified(), a == Answer::Yes);
        EXPECT_EQ(w.report().payerFieldsSaved[0] == acmeEntry().name, a == Answer::Yes);
    }
}

} // namespace
