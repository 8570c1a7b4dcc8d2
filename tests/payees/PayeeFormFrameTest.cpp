#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <utility>

namespace
{

const QString kGate = QStringLiteral("Please correct all highlighted entries and press Save again.");
const QString kNoTax = testtype::kNoTaxMessage.toString();

// A form of the test type opened as the Add Payee dialog or EditPayee opens it.
struct FrameFixture : ::testing::Test {
    PayeeWorld w;
    PayeeFormFrame form { w.context, testtype::kType };

    void openAdding()
    {
        w.report().payeeMode = 4;
        w.report().newPayeeDataSource = QStringLiteral("Manually Added");
        form.OnInitDialog();
    }
    void openEditing(const CCards& stored)
    {
        w.report().payees[stored.payeeId] = stored;
        w.context.currentPayee = stored;
        w.context.currentPayeeKey = stored.payeeId;
        w.report().payeeMode = 0;
        form.OnInitDialog();
    }
    void typePassing()
    {
        form.values.surname = QStringLiteral("Citizen");
        form.values.firstName = QStringLiteral("Jane");
        form.numberText(&CCards::taxWithheld) = QStringLiteral("100");
        form.numberText(&CCards::gross) = QStringLiteral("1000");
    }
    // The messages shown since the last call, with their icons.
    std::vector<std::pair<QString, MessageIcon>> takeMessages()
    {
        std::vector<std::pair<QString, MessageIcon>> shown;
        for (const auto& m : std::exchange(w.ui.messages, {}))
            shown.emplace_back(m.text, m.icon);
        return shown;
    }
};

std::pair<QString, MessageIcon> warning(const QString& text)
{
    return { text, MessageIcon::Warning };
}

TEST_F(FrameFixture, AddingProposesTheNextIdAndTheNewPayeeDefaults)
{
    w.report().highestPayeeId = 41;
    w.context.currentPayee.ignoreWarnings = QStringLiteral("Yes");
    openAdding();

    EXPECT_TRUE(form.adding());
    EXPECT_EQ(form.payeeIdText, QStringLiteral("42"));
    EXPECT_TRUE(form.payeeIdEnabled);
    EXPECT_EQ(form.values.dataSource, QStringLiteral("Manually Added"));
    EXPECT_EQ(form.values.origAmended, QStringLiteral("O"));
    EXPECT_TRUE(w.context.currentPayee.ignoreWarnings.isEmpty());
    EXPECT_FALSE(form.ignoreWarningsTicked);
    EXPECT_FALSE(form.ignoreWarningsVisible);
    EXPECT_EQ(form.title, QStringLiteral("Payee Details - ETP Payment Summary - Year ended 30 June 2019"));
}

TEST_F(FrameFixture, ProposedIdsFollowEachStoreInSequence)
{
    w.report().highestPayeeId = 41;
    openAdding();
    typePassing();
    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().highestPayeeId, 42);
    EXPECT_TRUE(w.report().payees.contains(42));

    PayeeFormFrame second(w.context, testtype::kType);
    second.OnInitDialog();
    EXPECT_EQ(second.payeeIdText, QStringLiteral("43"));
}

TEST_F(FrameFixture, OpeningSetsTheYearFromTheReportYear)
{
    w.report().reportYear = QStringLiteral("2017");
    w.report().reportYearNumber = 0;
    openAdding();
    EXPECT_EQ(w.report().reportYearNumber, 2017);
    EXPECT_EQ(w.report().priorYear, QStringLiteral("2016"));

    w.report().reportYear = QStringLiteral("2030"); // outside the years the forms know: left alone
    form.OnInitDialog();
    EXPECT_EQ(w.report().reportYearNumber, 2017);
}

TEST_F(FrameFixture, EditingShowsTheStoredPayee)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 7;
    stored.tfn = QStringLiteral("123456782");
    stored.pCode = 800;
    stored.ignoreWarnings = QStringLiteral("Yes");
    openEditing(stored);

    EXPECT_FALSE(form.adding());
    EXPECT_FALSE(form.payeeIdEnabled);
    EXPECT_EQ(form.payeeIdText, QStringLiteral("7"));
    EXPECT_EQ(form.values.tfn, QStringLiteral("123 456 782"));
    EXPECT_EQ(form.numberText(&CCards::pCode), QStringLiteral("0800"));
    EXPECT_EQ(form.numberText(&CCards::lumpA), QStringLiteral("0"));
    EXPECT_TRUE(form.ignoreWarningsTicked);
    EXPECT_TRUE(form.ignoreWarningsVisible);
}

// ---- The most payees a report holds ----

TEST_F(FrameFixture, AFullReportRefusesANewPayeeAndStoresNothing)
{
    for (const qint32 id : { 1, 2 })
        w.report().payees[id].payeeId = id;
    w.report().highestPayeeId = 2;
    openAdding();
    typePassing();
    form.values.surname.clear(); // the refusal speaks before the checks
    const Report before = w.report();

    EXPECT_EQ(form.OnBnClickedSave(2), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(w.ui.texts(), QStringList { TooManyPayeesMessage(2, 1, 2) });
    EXPECT_TRUE(form.findings().empty());
    EXPECT_TRUE(w.report() == before);
    EXPECT_FALSE(w.context.document.IsModified());

    // One place left: the same form stores its payee.
    typePassing();
    ASSERT_EQ(form.OnBnClickedSave(3), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.size(), 3u);
    EXPECT_TRUE(w.report().payees.contains(3));
}

TEST_F(FrameFixture, EditingAPayeeOfAFullReportStoresIt)
{
    w.report().payees[1].payeeId = 1;
    CCards stored = passingTestPayee();
    stored.payeeId = 7;
    openEditing(stored);
    form.values.surname = QStringLiteral("Changed");

    ASSERT_EQ(form.OnBnClickedSave(2), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.size(), 2u);
    EXPECT_EQ(w.report().payees.at(7).surname, QStringLiteral("Changed"));
}

TEST_F(FrameFixture, AnErrorMarksItsFieldAndStoresNothing)
{
    openAdding();
    typePassing();
    form.values.surname.clear();

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(PayeeField::Surname));
    EXPECT_FALSE(form.hasError(PayeeField::FirstName));
    EXPECT_EQ(takeMessages(), std::vector { warning(kGate) });
    EXPECT_FALSE(form.ignoreWarningsVisible);
    EXPECT_TRUE(w.report().payees.empty());
    EXPECT_EQ(w.report().highestPayeeId, 0);
    EXPECT_FALSE(w.context.document.IsModified());
    EXPECT_EQ(w.report().payeesChanged, 0);
}

TEST_F(FrameFixture, AnAmountWarningSpeaksThenTheGateThenTheTickStoresIt)
{
    openAdding();
    typePassing();
    form.numberText(&CCards::taxWithheld).clear();

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(takeMessages(), (std::vector { warning(kNoTax), warning(kGate) }));
    EXPECT_TRUE(form.hasWarning(PayeeField::AmountValidation));
    EXPECT_TRUE(form.ignoreWarningsVisible);
    EXPECT_TRUE(w.report().payees.empty());

    form.OnBnClickedIgnoreWarnings();
    EXPECT_TRUE(form.ignoreWarningsTicked);
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_TRUE(takeMessages().empty()); // the flag silences the amount warning
    const CCards& stored = w.report().payees.at(1);
    EXPECT_EQ(stored.ignoreWarnings, QStringLiteral("Yes"));
    EXPECT_EQ(stored.checked, QStringLiteral("Yes"));
    EXPECT_TRUE(w.context.document.IsModified());
    EXPECT_EQ(w.report().payeesChanged, 1);
}

TEST_F(FrameFixture, AFieldWarningShowsOnlyItsMarkerAndTheGate)
{
    openAdding();
    typePassing();
    form.values.firstName = QStringLiteral("J");

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(takeMessages(), std::vector { warning(kGate) });
    EXPECT_TRUE(form.hasWarning(PayeeField::FirstName));
    EXPECT_FALSE(form.hasError(PayeeField::FirstName));
    EXPECT_TRUE(form.ignoreWarningsVisible);

    form.OnBnClickedIgnoreWarnings();
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_TRUE(form.hasWarning(PayeeField::FirstName)); // still shown, discounted by the tick
    EXPECT_EQ(w.report().payees.at(1).ignoreWarnings, QStringLiteral("Yes"));
}

TEST_F(FrameFixture, AnErrorWhileTickedKeepsTheBoxShown)
{
    openAdding();
    typePassing();
    form.values.firstName = QStringLiteral("J");
    form.OnBnClickedIgnoreWarnings();
    form.values.surname.clear();

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(takeMessages(), std::vector { warning(kGate) });
    EXPECT_TRUE(form.ignoreWarningsVisible);
    EXPECT_TRUE(form.ignoreWarningsTicked);
    EXPECT_TRUE(w.report().payees.empty());
}

TEST_F(FrameFixture, UntickingAFlaggedPayeeMakesItsAmountWarningsSpeakAgain)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 3;
    stored.taxWithheld = 0;
    stored.ignoreWarnings = QStringLiteral("Yes");
    openEditing(stored);
    ASSERT_TRUE(form.ignoreWarningsTicked);

    form.OnBnClickedIgnoreWarnings();
    EXPECT_FALSE(form.ignoreWarningsTicked);
    EXPECT_TRUE(w.context.currentPayee.ignoreWarnings.isEmpty());
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(takeMessages(), (std::vector { warning(kNoTax), warning(kGate) }));

    form.OnBnClickedIgnoreWarnings();
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.at(3).ignoreWarnings, QStringLiteral("Yes"));
}

TEST_F(FrameFixture, SavingUntickedStoresAnEmptyFlag)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 3;
    openEditing(stored);
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_TRUE(w.report().payees.at(3).ignoreWarnings.isEmpty());
    EXPECT_EQ(w.report().highestPayeeId, 0); // editing leaves the highest ID alone
}

TEST_F(FrameFixture, TheIdMessagesOfAddingModeWithTheirIcons)
{
    struct Case {
        const char* id;
        QString message;
        MessageIcon icon;
    };
    const Case cases[] = {
        { "0", QStringLiteral("You must provide a unique Payee ID number."), MessageIcon::Information },
        { "000", QStringLiteral("You must provide a unique Payee ID number."), MessageIcon::Information },
        { "8", QStringLiteral("This Unique Payee ID already exists - please choose another."), MessageIcon::None },
    };
    for (const Case& c : cases) {
        PayeeWorld world;
        world.report().payees[8] = passingTestPayee();
        world.report().payeeMode = 4;
        PayeeFormFrame f(world.context, testtype::kType);
        f.OnInitDialog();
        f.values = passingTestPayee();
        f.numberText(&CCards::gross) = QStringLiteral("1");
        f.numberText(&CCards::taxWithheld) = QStringLiteral("1");
        f.payeeIdText = QString::fromLatin1(c.id);

        EXPECT_EQ(f.OnBnClickedSave(), PayeeSaveOutcome::StayOpen) << c.id;
        ASSERT_EQ(world.ui.messages.size(), 1u) << c.id;
        EXPECT_EQ(world.ui.messages[0].text, c.message) << c.id;
        EXPECT_EQ(world.ui.messages[0].icon, c.icon) << c.id;
        EXPECT_EQ(world.report().payees.size(), 1u) << c.id;
        EXPECT_EQ(world.report().highestPayeeId, 0) << c.id;
    }
}

TEST_F(FrameFixture, APayeeIdThatIsNoNumberOrTooLongIsAFieldError)
{
    for (const char* text : { "1234567890", "", "12a", "99999999999" }) {
        PayeeWorld world;
        world.report().payeeMode = 4;
        PayeeFormFrame f(world.context, testtype::kType);
        f.OnInitDialog();
        f.values = passingTestPayee();
        f.numberText(&CCards::gross) = QStringLiteral("1");
        f.numberText(&CCards::taxWithheld) = QStringLiteral("1");
        f.payeeIdText = QString::fromLatin1(text);

        EXPECT_EQ(f.OnBnClickedSave(), PayeeSaveOutcome::StayOpen) << text;
        EXPECT_TRUE(f.hasError(PayeeField::PayeeId)) << text;
        EXPECT_EQ(world.ui.texts(), QStringList { kGate }) << text;
    }
}

TEST_F(FrameFixture, NumberTextsAreReadWithTheirLengthAndRequiredRules)
{
    openAdding();
    typePassing();
    form.numberText(&CCards::gross).clear(); // required
    form.numberText(&CCards::taxWithheld) = QStringLiteral("123456789"); // 9 characters
    form.numberText(&CCards::pCode) = QStringLiteral("08000"); // 5 characters

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(PayeeField::Gross));
    EXPECT_TRUE(form.hasError(PayeeField::TaxWithheld));
    EXPECT_TRUE(form.hasError(PayeeField::PCode));

    form.numberText(&CCards::gross) = QStringLiteral("0");
    form.numberText(&CCards::taxWithheld) = QStringLiteral("12345678");
    form.numberText(&CCards::pCode) = QStringLiteral("0800");
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    const CCards& stored = w.report().payees.at(1);
    EXPECT_EQ(stored.gross, 0);
    EXPECT_EQ(stored.taxWithheld, 12345678);
    EXPECT_EQ(stored.pCode, 800);
}

// The last defence behind the edits' guard: a text that is no whole number
// is refused at its field, never read as 0 or as the digits before the fault.
TEST_F(FrameFixture, ANumberTextThatIsNoWholeNumberIsRefusedAtItsField)
{
    openAdding();
    for (const char* text : { "12a00", "1,200", "1200.50", "$5", "5\u200c", "\u0661", "--5", "+", " " }) {
        typePassing();
        form.numberText(&CCards::taxWithheld) = QString::fromUtf8(text); // not required: empty is 0
        form.numberText(&CCards::pCode) = QString::fromUtf8(text);
        EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen) << text;
        EXPECT_TRUE(form.hasError(PayeeField::TaxWithheld)) << text;
        EXPECT_TRUE(form.hasError(PayeeField::PCode)) << text;
        EXPECT_FALSE(form.hasError(PayeeField::Gross)) << text;
        EXPECT_TRUE(w.report().payees.empty()) << text;
    }
    typePassing();
    form.numberText(&CCards::pCode).clear();
    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.begin()->second.taxWithheld, 100);
}

TEST_F(FrameFixture, SaveWritesAllSeventyOneMembers)
{
    // A record with every member set: the store keeps the type's members
    // from the form and writes every other one empty or 0.
    CCards full;
    int n = 0;
    visitCardMembers(full, [&n](auto& m) {
        if constexpr (std::is_same_v<std::decay_t<decltype(m)>, QString>)
            m = QStringLiteral("t%1").arg(++n);
        else
            m = ++n;
    });
    full.payeeId = 9;
    full.surname = QStringLiteral("Citizen");
    full.firstName = QStringLiteral("Jane");
    full.ignoreWarnings.clear();
    openEditing(full);
    form.values.payrollNo = QStringLiteral("P-1");

    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    CCards expected;
    expected.payeeId = 9;
    expected.payrollNo = QStringLiteral("P-1");
    expected.dataSource = full.dataSource;
    expected.payeeType = QStringLiteral("ETP");
    expected.surname = full.surname;
    expected.firstName = full.firstName;
    expected.origAmended = full.origAmended;
    expected.pCode = full.pCode;
    expected.taxWithheld = full.taxWithheld;
    expected.gross = full.gross;
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(w.report().payees.at(9), expected);
}

TEST_F(FrameFixture, ADateThatCannotBeBuiltIsReportedAndNothingStored)
{
    static constexpr PayeeRule throwing[] = { { [](RuleRun&) { throw std::runtime_error("date"); } } };
    static const PayeeTypeRules type { PayeeType::ETP, throwing, {} };
    PayeeFormFrame f(w.context, type);
    w.report().payeeMode = 4;
    f.OnInitDialog();

    EXPECT_EQ(f.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.ui.messages[0].text, QStringLiteral("Invalid date - please check"));
    EXPECT_EQ(w.ui.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(w.report().payees.empty());
}

TEST(ListSelection, AStoredValueChoosesOnlyTheItemItMatches)
{
    const QStringList days { QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("05"), QStringLiteral("10") };
    const QStringList years { QStringLiteral("0000"), QStringLiteral("2019"), QStringLiteral("1985") };
    const QStringList states { QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("VIC") };
    struct Case {
        const QStringList& items;
        const char* stored;
        ListMatch how;
        int index;
    };
    const Case cases[] = {
        { days, "1", ListMatch::Day, 1 }, // padded to "01", never "10"
        { days, "01", ListMatch::Day, 1 },
        { days, "10", ListMatch::Day, 3 },
        { days, "5", ListMatch::Month, 2 },
        { days, "0", ListMatch::Day, 0 },
        { days, "", ListMatch::Day, -1 }, // no choice, as in adding mode
        { days, "001", ListMatch::Day, -1 }, // no item begins to match it
        { days, "1 ", ListMatch::Day, -1 },
        { years, "1985", ListMatch::Year, 2 },
        { years, "85", ListMatch::Year, -1 }, // "0085" is no item
        { years, "0", ListMatch::Year, 0 },
        { years, "198", ListMatch::Year, -1 }, // never "1985" by its beginning
        { states, "vic", ListMatch::Text, 2 }, // case ignored
        { states, "NS", ListMatch::Text, -1 }, // never by its beginning
        { states, "NSW ", ListMatch::Text, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchListItem(c.items, QString::fromLatin1(c.stored), c.how), c.index) << c.stored;
}

TEST_F(FrameFixture, AStoredValueNoItemOffersIsAnErrorUntilTheUserChooses)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 4;
    stored.dobYear = QStringLiteral("85");
    openEditing(stored);
    const QStringList years { QStringLiteral("0000"), QStringLiteral("1985") };
    EXPECT_EQ(
        form.chooseListItem(PayeeField::DateOfBirth, &CCards::dobYear, years, stored.dobYear, ListMatch::Year), -1);
    EXPECT_EQ(form.chooseListItem(PayeeField::State, &CCards::state, years, QString(), ListMatch::Text), -1);
    EXPECT_TRUE(form.unchosen(PayeeField::DateOfBirth));
    EXPECT_FALSE(form.unchosen(PayeeField::State)); // empty is no choice, not a refusal
    form.values.dobYear.clear(); // what the unselected list reads

    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(PayeeField::DateOfBirth));
    EXPECT_EQ(w.report().payees.at(4).dobYear, QStringLiteral("85"));

    form.listChosen(&CCards::dobYear);
    form.values.dobYear = QStringLiteral("1985");
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
}

TEST_F(FrameFixture, EachListOfADateKeepsItsOwnRefusal)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 4;
    stored.dobDay = QStringLiteral("32");
    stored.dobYear = QStringLiteral("85");
    openEditing(stored);
    const QStringList days { QStringLiteral("00"), QStringLiteral("14"), QStringLiteral("15") };
    const QStringList years { QStringLiteral("0000"), QStringLiteral("1985") };
    EXPECT_EQ(form.chooseListItem(PayeeField::DateOfBirth, &CCards::dobDay, days, stored.dobDay, ListMatch::Day), -1);
    EXPECT_EQ(
        form.chooseListItem(PayeeField::DateOfBirth, &CCards::dobYear, years, stored.dobYear, ListMatch::Year), -1);

    form.listChosen(&CCards::dobDay);
    EXPECT_TRUE(form.unchosen(PayeeField::DateOfBirth)); // the year still holds "85"
    form.values.dobDay = QStringLiteral("15");
    form.values.dobYear.clear();
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(PayeeField::DateOfBirth));
    EXPECT_EQ(w.report().payees.at(4), stored);

    form.listChosen(&CCards::dobYear);
    EXPECT_FALSE(form.unchosen(PayeeField::DateOfBirth));
}

TEST(TallFormPlacement, ShorterOnAScaledScreenAndBelowTheMiddle)
{
    // 144 dpi is 150 %: 100 pixels shorter, centred 25 pixels below the middle.
    EXPECT_EQ(TallFormPlacement(QSize(800, 900), QSize(1920, 1080), 144), QRect(560, 165, 800, 800));
    EXPECT_EQ(TallFormPlacement(QSize(800, 900), QSize(1920, 1080), 96), QRect(560, 115, 800, 900));
    EXPECT_EQ(TallFormPlacement(QSize(800, 900), QSize(1920, 1080), 129).height(), 900); // 134 %
    EXPECT_EQ(TallFormPlacement(QSize(800, 900), QSize(1920, 1080), 0).height(), 900); // no screen context
}

TEST(TallFormPlacement, ANaturalSizeTheScreenCannotHoldIsCutToIt)
{
    struct Case {
        QSize form, screen;
        int dpi;
        QRect place;
    };
    const Case cases[] = {
        // Fits whole: its own size, no room kept for a scroll bar.
        { QSize(1400, 900), QSize(1600, 1000), 96, QRect(100, 75, 1400, 900) },
        // Too tall: the screen's height, widened by the bar, never past the bottom.
        { QSize(1400, 1300), QSize(1600, 1000), 96, QRect(92, 0, 1416, 1000) },
        { QSize(1400, 1300), QSize(1024, 700), 96, QRect(0, 0, 1024, 700) },
        // Scaled: the screen's height less 100, then 25 below the middle.
        { QSize(1400, 1300), QSize(1600, 1000), 144, QRect(92, 75, 1416, 900) },
        // 25 below the middle would cross the bottom edge: it stops there.
        { QSize(800, 980), QSize(1600, 1000), 96, QRect(400, 20, 800, 980) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TallFormPlacement(c.form, c.screen, c.dpi, 16), c.place) << c.form.width() << "x" << c.form.height();
}

} // namespace
