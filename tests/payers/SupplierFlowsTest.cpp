#include "payers/SupplierTestSupport.h"
#include "platform/Profile.h"
#include "support/TestProfile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

const QString kUpdateAgain = QStringLiteral("Please correct all fields marked with an 'E' and press Update again.");
const QString kSetAsDefaultAgain
    = QStringLiteral("Please correct all fields marked with an 'E' and press Set as Default again.");
const QString kCloseQuestion
    = QStringLiteral("Changes to the Supplier have not been Updated for this Report. \r\n\r\n"
                     "Do you want to update the Supplier Details for this Report before closing this screen?");
const QString kLoadDefaultQuestion = QStringLiteral(
    "Supplier fields on this screen will be replaced with \nthe default Supplier Details stored in the Registry. "
    "\r\n\r\nProceed?");
const QString kSetAsDefaultQuestion = QStringLiteral(
    "Details on this screen will replace the current \ndefault Supplier Details stored in the Registry. "
    "\r\n\r\nProceed?");

// Fails a chosen message the way an unexpected fault would.
class ThrowingUi : public ScriptedUi
{
public:
    QString throwOn;
    bool throwPlain = false; // something other than a standard exception
    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        if (!throwOn.isEmpty() && text == throwOn) {
            if (throwPlain)
                throw 42;
            throw std::runtime_error("injected");
        }
        return ScriptedUi::message(text, buttons, icon);
    }
};

class SupplierFlows : public ::testing::Test
{
protected:
    ThrowingUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
    Report& report = context.report();

    // Opens the dialog's logic on the report as it stands.
    SupplierDetails open()
    {
        SupplierDetails details(context);
        details.OnInitDialog();
        return details;
    }
};

TEST_F(SupplierFlows, OpeningANewReportShowsEmptyFieldsAndHidesTheImportButton)
{
    SupplierDetails details = open();
    for (const QString& text : details.controls)
        EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(details.loadFromA01Visible);

    report.fromLodgementFile = QStringLiteral("Yes");
    EXPECT_TRUE(open().loadFromA01Visible);
}

TEST_F(SupplierFlows, OpeningStartsFromTheCommittedCopy)
{
    commitSupplier(report, validSupplierStored());
    report.supplierName = QStringLiteral("left over");
    SupplierDetails details = open();
    EXPECT_EQ(report.supplierName, QStringLiteral("Acme Payroll Services"));
    EXPECT_EQ(details.controls, validSupplierControls());
}

TEST_F(SupplierFlows, UpdateCommitsAndCloseAfterwardsAsksNothing)
{
    SupplierDetails details = open();
    details.controls = validSupplierControls();
    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::CloseOk);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(SupplierWorkingCopy(report), validSupplierStored());
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());
    EXPECT_EQ(report.supplierFieldsSaved[19], QStringLiteral("checked"));
    for (int i = 20; i < 27; ++i)
        EXPECT_TRUE(report.supplierFieldsSaved[size_t(i)].isEmpty());
    EXPECT_TRUE(context.document.IsModified());

    context.document.SetModifiedFlag(false);
    SupplierDetails again = open();
    EXPECT_EQ(again.OnBnClickedClose(), SupplierOutcome::CloseCancel);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(SupplierFlows, RefusedUpdateStaysOpenAndKeepsTheCommittedCopy)
{
    commitSupplier(report, validSupplierStored());
    SupplierDetails details = open();
    details.controls[kSupplierName] = QStringLiteral("  New  Name ");
    details.controls[kSupplierPhone].clear();
    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::StayOpen);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kUpdateAgain);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(report.editAttempted, 1);
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierPhone });
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());
    EXPECT_EQ(report.supplierName, QStringLiteral("New Name")); // the working copy keeps the cleaned values
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(SupplierFlows, CloseAnsweredNoLeavesTheReportExactlyAsBefore)
{
    commitSupplier(report, validSupplierStored());
    const Report before = report;
    SupplierDetails details = open();
    details.controls[kSupplierName] = QStringLiteral("Someone Else");
    details.controls[kSupplierEmail] = QStringLiteral("x@y.z");
    ui.answer(Answer::No);
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::CloseCancel);
    EXPECT_EQ(ui.texts(), QStringList { kCloseQuestion });
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(report == before);
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(SupplierFlows, TrailingBlankCountsAsAChangeAndCancelStaysOpen)
{
    commitSupplier(report, validSupplierStored());
    const Report before = report;
    SupplierDetails details = open();
    details.controls[kSupplierSuburb] += u' ';
    ui.answer(Answer::Cancel);
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::StayOpen);
    EXPECT_EQ(ui.texts(), QStringList { kCloseQuestion });
    EXPECT_TRUE(report == before);
    EXPECT_EQ(details.controls[kSupplierSuburb], QStringLiteral("Melbourne "));
}

TEST_F(SupplierFlows, CloseComparesTheAbnWithoutItsBlanks)
{
    commitSupplier(report, validSupplierStored());
    SupplierDetails details = open();
    details.controls[kSupplierAbn] = QStringLiteral("518 247 535 56");
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::CloseCancel);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SupplierFlows, CloseAnsweredYesUpdates)
{
    SupplierDetails details = open();
    details.controls = validSupplierControls();
    ui.answer(Answer::Yes);
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::CloseOk);
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());
    EXPECT_EQ(report.supplierFieldsSaved[19], kSupplierChecked);
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(SupplierFlows, FailedUpdateThenCloseYesStaysOpenThenNoRestores)
{
    commitSupplier(report, validSupplierStored());
    SupplierDetails details = open();
    details.controls[kSupplierPostcode] = QStringLiteral("12");
    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::StayOpen);

    ui.answer(Answer::Yes);
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::StayOpen);
    EXPECT_EQ(ui.texts(), (QStringList { kUpdateAgain, kCloseQuestion, kUpdateAgain }));
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierPostcode });
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());

    ui.answer(Answer::No);
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::CloseCancel);
    EXPECT_EQ(SupplierWorkingCopy(report), validSupplierStored());
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());
}

// An unexpected fault inside Update keeps the dialog open with the user's
// entries and leaves both copies as they were.
TEST_F(SupplierFlows, UnexpectedFailureInUpdateChangesNeitherCopy)
{
    struct Case {
        bool plain;
        const char* message;
    };
    for (const Case c : { Case { false, "An unknown error has occurred - Ref #1022." },
             Case { true, "An unknown error has occurred - Ref #1023." } }) {
        SCOPED_TRACE(c.message);
        ui.messages.clear();
        commitSupplier(report, validSupplierStored());
        context.document.SetModifiedFlag(false);
        const Report before = report;
        SupplierDetails details = open();
        details.controls[kSupplierName] = QStringLiteral("  Changed   Name ");
        details.controls[kSupplierAbn] = QStringLiteral("-1824753556"); // makes the ABN check speak
        const SupplierTexts typed = details.controls;
        ui.throwOn = QStringLiteral("ABN must be 11 digits, no spaces.");
        ui.throwPlain = c.plain;

        EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::StayOpen);
        EXPECT_EQ(ui.texts(), QStringList { QString::fromLatin1(c.message) });
        EXPECT_TRUE(report == before);
        EXPECT_FALSE(context.document.IsModified());
        EXPECT_EQ(details.controls, typed);
        ui.throwOn.clear();
    }
}

TEST_F(SupplierFlows, UnexpectedFailureInCloseKeepsOnlyTheCommittedCopy)
{
    commitSupplier(report, validSupplierStored());
    SupplierDetails details = open();
    details.controls[kSupplierName] = QStringLiteral("Unconfirmed");
    ui.throwOn = kCloseQuestion;
    EXPECT_EQ(details.OnBnClickedClose(), SupplierOutcome::CloseCancel);
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("An unknown error has occurred - Ref #1024.") });
    EXPECT_EQ(SupplierWorkingCopy(report), validSupplierStored());
}

class SupplierDefaults : public SupplierFlows
{
protected:
    TestProfile profileDir;

    QString stored(int field)
    {
        const auto profile = openProfile();
        profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        return profile->value(SupplierProfileKeys()[field]).toString();
    }
    bool anyKeyStored()
    {
        const auto profile = openProfile();
        profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        for (const QString& key : SupplierProfileKeys()) {
            if (profile->contains(key))
                return true;
        }
        return false;
    }
};

TEST_F(SupplierDefaults, TheNineteenKeys)
{
    const auto& keys = SupplierProfileKeys();
    EXPECT_EQ(keys[0], QStringLiteral("Supplier Name"));
    EXPECT_EQ(keys[6], QStringLiteral("Supplier SPCode"));
    EXPECT_EQ(keys[8], QStringLiteral("Supplier PLine 1"));
    EXPECT_EQ(keys[12], QStringLiteral("Supplier PPCode"));
    EXPECT_EQ(keys[18], QStringLiteral("Supplier Gateway ID"));
}

TEST_F(SupplierDefaults, SetAsDefaultWritesTheCleanedValuesAndLoadDefaultReadsThemBack)
{
    SupplierDetails details = open();
    details.controls = validSupplierControls();
    details.controls[kSupplierState] = QStringLiteral("vic");
    details.controls[kSupplierContact] = QStringLiteral(" Jo   Smith ");
    ui.answer(Answer::Yes);
    details.OnBnClickedSetAsDefault();
    EXPECT_EQ(ui.texts(), QStringList { kSetAsDefaultQuestion });
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    const SupplierTexts expected = validSupplierStored();
    for (int i = 0; i < kSupplierFieldCount; ++i)
        EXPECT_EQ(stored(i), expected[i]) << i;
    // The committed copy, its flag and the document are not touched.
    EXPECT_TRUE(SupplierCommittedCopy(report) == SupplierTexts {});
    EXPECT_TRUE(report.supplierFieldsSaved[19].isEmpty());
    EXPECT_FALSE(context.document.IsModified());

    // Another report takes the defaults.
    ResetReportGlobals(report);
    ui.messages.clear();
    SupplierDetails other = open();
    ui.answer(Answer::Yes);
    other.OnBnClickedLoadDefault();
    EXPECT_EQ(ui.texts(), QStringList { kLoadDefaultQuestion });
    EXPECT_EQ(SupplierWorkingCopy(report), expected);
    EXPECT_EQ(other.controls[kSupplierAbn], QStringLiteral("51 824 753 556"));
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_TRUE(SupplierCommittedCopy(report) == SupplierTexts {});
}

TEST_F(SupplierDefaults, SetAsDefaultRefusesAWithholdingPayerNumber)
{
    SupplierDetails details = open();
    details.controls = validSupplierControls();
    details.controls[kSupplierAbn] = QStringLiteral("00 123 456 782");
    details.OnBnClickedSetAsDefault();
    EXPECT_EQ(ui.texts(), QStringList { kSetAsDefaultAgain });
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierAbn });
    EXPECT_EQ(report.editAttempted, 0);
    EXPECT_FALSE(anyKeyStored());

    // Update accepts the same number.
    ui.messages.clear();
    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::CloseOk);
    EXPECT_EQ(report.supplierFieldsSaved[kSupplierAbn], QStringLiteral("00123456782"));
}

TEST_F(SupplierDefaults, SetAsDefaultAnsweredNoWritesNothingButKeepsTheCleanedFields)
{
    for (const Answer a : { Answer::No, Answer::Cancel }) {
        SupplierDetails details = open();
        details.controls = validSupplierControls();
        details.controls[kSupplierName] = QStringLiteral("  Acme  ");
        ui.answer(a);
        details.OnBnClickedSetAsDefault();
        EXPECT_FALSE(anyKeyStored());
        EXPECT_EQ(details.controls[kSupplierName], QStringLiteral("Acme"));
        EXPECT_EQ(report.supplierName, QStringLiteral("Acme"));
    }
}

TEST_F(SupplierDefaults, LoadDefaultWithNothingStoredEmptiesEveryField)
{
    commitSupplier(report, validSupplierStored());
    SupplierDetails details = open();
    ui.answer(Answer::Yes);
    details.OnBnClickedLoadDefault();
    EXPECT_TRUE(SupplierWorkingCopy(report) == SupplierTexts {});
    EXPECT_TRUE(details.controls == SupplierTexts {});
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(SupplierCommittedCopy(report), validSupplierStored());
}

TEST_F(SupplierDefaults, LoadDefaultAnsweredOtherwiseChangesNothing)
{
    commitSupplier(report, validSupplierStored());
    for (const Answer a : { Answer::No, Answer::Cancel }) {
        const Report before = report;
        SupplierDetails details = open();
        ui.answer(a);
        details.OnBnClickedLoadDefault();
        EXPECT_TRUE(report == before);
        EXPECT_EQ(details.controls, validSupplierControls());
        EXPECT_FALSE(context.document.IsModified());
    }
}

TEST_F(SupplierDefaults, LoadDefaultTakesStoredValuesAsTheyAre)
{
    {
        const auto profile = openProfile();
        profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        profile->setValue(QStringLiteral("Supplier Name"), QStringLiteral("Stored  Name."));
        profile->setValue(QStringLiteral("Supplier ABN"), QStringLiteral("123"));
        profile->setValue(QStringLiteral("Supplier PState"), QStringLiteral("QLD"));
    }
    SupplierDetails details = open();
    ui.answer(Answer::Yes);
    details.OnBnClickedLoadDefault();
    EXPECT_EQ(report.supplierName, QStringLiteral("Stored  Name."));
    EXPECT_EQ(details.controls[kSupplierAbn], QStringLiteral("123"));
    EXPECT_EQ(details.controls[kSupplierPostalState], QStringLiteral("QLD"));
    EXPECT_TRUE(report.supplierAddress1.isEmpty());
    EXPECT_TRUE(markedFields(details).empty()); // no check runs here
}

class SupplierCopies : public SupplierFlows
{
protected:
    void givePayer()
    {
        report.payerKey = QStringLiteral("51824753556001");
        report.payerName = QStringLiteral("Payer Pty Ltd");
        report.payerAbn = QStringLiteral("51824753556");
        report.payerTradingName = QStringLiteral("Trading");
        report.payerBranch = QStringLiteral("001");
        report.payerAddress1 = QStringLiteral("PO Box 7");
        report.payerAddress2 = QStringLiteral("Rear");
        report.payerSuburb = QStringLiteral("Hobart");
        report.payerState = QStringLiteral("TAS");
        report.payerPostcode = QStringLiteral("7000");
        report.payerCountry = QString();
        report.payerContact = QStringLiteral("Pat Payer");
        report.payerPhone = QStringLiteral("03 6200 0000");
        report.payerFax = QStringLiteral("03 6200 0001");
    }
};

TEST_F(SupplierCopies, SameAsPayerWithoutAPayerOnlySaysSo)
{
    SupplierDetails details = open();
    details.controls = validSupplierControls();
    details.OnBnClickedSameAsPayer();
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("Please first select a Payer for this Report.") });
    EXPECT_EQ(details.controls, validSupplierControls());
}

TEST_F(SupplierCopies, SameAsPayerFillsTheControlsOnly)
{
    givePayer();
    commitSupplier(report, validSupplierStored());
    const Report before = report;
    SupplierDetails details = open();
    details.controls[kSupplierGatewayId] = QStringLiteral("typed");
    details.OnBnClickedSameAsPayer();
    EXPECT_EQ(ui.texts(),
        QStringList { QStringLiteral(
            "You will need to update Street Address and Email, as these are not stored for the Payer.") });
    const SupplierTexts expected = {
        QStringLiteral("Payer Pty Ltd"),
        QStringLiteral("51 824 753 556"),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
        QStringLiteral("PO Box 7"),
        QStringLiteral("Rear"),
        QStringLiteral("Hobart"),
        QStringLiteral("TAS"),
        QStringLiteral("7000"),
        QString(),
        QStringLiteral("Pat Payer"),
        QStringLiteral("03 6200 0000"),
        QStringLiteral("03 6200 0001"),
        QString(),
        QStringLiteral("typed"),
    };
    EXPECT_EQ(details.controls, expected);
    EXPECT_TRUE(report == before);
    EXPECT_FALSE(context.document.IsModified());

    // Update judges the copy: the payer has no street address.
    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::StayOpen);
    EXPECT_EQ(markedFields(details),
        (std::vector<int> { kSupplierAddress1, kSupplierSuburb, kSupplierState, kSupplierPostcode }));
}

TEST_F(SupplierCopies, LoadFromOriginalFileTakesTheImportedHeaderDetails)
{
    // As a lodgement import leaves them: trimmed, except ABN and postcodes.
    report.fromLodgementFile = QStringLiteral("Yes");
    report.origSupplierName = QStringLiteral("Imported  Supplier");
    report.origSupplierAbn = QStringLiteral("51824753556");
    report.origSupplierAddress1 = QStringLiteral("2 High St");
    report.origSupplierAddress2 = QString();
    report.origSupplierSuburb = QStringLiteral("Perth");
    report.origSupplierState = QStringLiteral("WA");
    report.origSupplierPostcode = QStringLiteral("6000");
    report.origSupplierCountry = QString();
    report.origSupplierPostalAddress1 = QStringLiteral("GPO Box 1");
    report.origSupplierPostalAddress2 = QStringLiteral("Attn Pay");
    report.origSupplierPostalSuburb = QStringLiteral("Perth");
    report.origSupplierPostalState = QStringLiteral("WA");
    report.origSupplierPostalPostcode = QStringLiteral("6001");
    report.origSupplierPostalCountry = QString();
    report.origSupplierContact = QStringLiteral("Lee");
    report.origSupplierPhone = QStringLiteral("08 9000 0000");
    report.origSupplierFax = QString();
    report.origSupplierEmail = QStringLiteral("lee@imported.com.au");

    SupplierDetails details = open();
    EXPECT_TRUE(details.loadFromA01Visible);
    details.controls[kSupplierGatewayId] = QStringLiteral("kept");
    const Report before = report;
    details.OnBnClickedLoadFromA01();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(report == before);
    EXPECT_EQ(details.controls[kSupplierName], QStringLiteral("Imported  Supplier"));
    EXPECT_EQ(details.controls[kSupplierAbn], QStringLiteral("51 824 753 556"));
    EXPECT_EQ(details.controls[kSupplierPostalAddress2], QStringLiteral("Attn Pay"));
    EXPECT_EQ(details.controls[kSupplierEmail], QStringLiteral("lee@imported.com.au"));
    EXPECT_EQ(details.controls[kSupplierGatewayId], QStringLiteral("kept"));

    EXPECT_EQ(details.OnBnClickedUpdate(), SupplierOutcome::CloseOk);
    EXPECT_EQ(report.supplierFieldsSaved[kSupplierName], QStringLiteral("Imported Supplier"));
    EXPECT_EQ(report.supplierFieldsSaved[kSupplierPostalPostcode], QStringLiteral("6001"));
    EXPECT_EQ(report.supplierFieldsSaved[kSupplierGatewayId], QStringLiteral("kept"));
}

TEST_F(SupplierCopies, ImportedPostcodeKeepsItsBlankUntilUpdateCleansIt)
{
    report.fromLodgementFile = QStringLiteral("Yes");
    report.origSupplierPostcode = QStringLiteral("800 ");
    report.origSupplierState = QStringLiteral("NT");
    SupplierDetails details = open();
    details.OnBnClickedLoadFromA01();
    EXPECT_EQ(details.controls[kSupplierPostcode], QStringLiteral("800 "));
    details.ValidateSupplierFields(true);
    EXPECT_EQ(report.supplierPostcode, QStringLiteral("800"));
    EXPECT_FALSE(details.markers[kSupplierPostcode]);
}

} // namespace
