// A report with its payer, year and supplier done and one payee of each of
// the seven types, every one typed into its own form: Check All passes them
// all, the main form offers "7. Generate Files", and the lodgement file
// builds with one record of each type.
#include "checks/CheckAll.h"
#include "lodgement/LodgementWriter.h"
#include "lodgement/PdfServices.h"
#include "payees/PayeeBusForm.h"
#include "payees/PayeeEtpForm.h"
#include "payees/PayeeFEI.h"
#include "payees/PayeeInbKit.h"
#include "payees/PayeeListForm.h"
#include "payees/PayeePEN.h"
#include "payees/PayeeServices.h"
#include "payees/PayeeTypeDas.h"
#include "payees/PayeeTypeSls.h"
#include "shell/MainFormModel.h"
#include "widgets/SortListModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>

namespace
{

const QString kPayees[] = { QStringLiteral("INB"), QStringLiteral("ETP"), QStringLiteral("BUS"), QStringLiteral("FEI"),
    QStringLiteral("PEN"), QStringLiteral("SLS"), QStringLiteral("DAS") };

void completeSteps(Report& r)
{
    r.reportYear = QStringLiteral("2019");
    r.priorYear = QStringLiteral("2018");
    r.reportYearNumber = 2019;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Harbourside Payroll Services Pty Ltd");
    r.supplierContact = QStringLiteral("Jane Citizen");
    r.supplierPhone = QStringLiteral("02 9999 1234");
    r.fileReference = QStringLiteral("HPS-2019-01");
    r.supplierAddress1 = QStringLiteral("Level 12");
    r.supplierSuburb = QStringLiteral("Sydney");
    r.supplierState = QStringLiteral("NSW");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierPostalAddress1 = QStringLiteral("GPO Box 1234");
    r.supplierPostalSuburb = QStringLiteral("Sydney");
    r.supplierPostalState = QStringLiteral("NSW");
    r.supplierPostalPostcode = QStringLiteral("2001");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Southern Cross Manufacturing Pty Ltd");
    r.payerAddress1 = QStringLiteral("45 Industrial Drive");
    r.payerSuburb = QStringLiteral("Wetherill Park");
    r.payerState = QStringLiteral("NSW");
    r.payerPostcode = QStringLiteral("2164");
    r.payerContact = QStringLiteral("John Smith");
    r.payerPhone = QStringLiteral("02 9725 0000");
}

// The identity and address every type but DAS asks for, born 1980.
CCards person(const char* type)
{
    CCards c;
    c.payeeType = QString::fromLatin1(type);
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.dobDay = QStringLiteral("15");
    c.dobMonth = QStringLiteral("06");
    c.dobYear = QStringLiteral("1980");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.origAmended = QStringLiteral("O");
    return c;
}

void wholeYear(CCards& c)
{
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
}

void paidOn(CCards& c, const char* day, const char* month, const char* year)
{
    c.paymentDay = QString::fromLatin1(day);
    c.paymentMonth = QString::fromLatin1(month);
    c.paymentYear = QString::fromLatin1(year);
}

CCards etp()
{
    CCards c = person("ETP");
    c.etpPaymentType = QStringLiteral("R");
    paidOn(c, "30", "06", "2019");
    c.taxable = 10000;
    c.taxFree = 500;
    c.taxWithheld = 3000;
    return c;
}

CCards bus()
{
    CCards c = person("BUS");
    c.busPaymentType = QStringLiteral("Labour Hire");
    c.abn = QStringLiteral("00000000000");
    wholeYear(c);
    c.gross = 50000;
    c.taxWithheld = 10000;
    return c;
}

CCards fei()
{
    CCards c = person("FEI");
    c.incomeType = QStringLiteral("Foreign Income");
    wholeYear(c);
    c.taxWithheld = 5000;
    c.gross = 50000;
    c.foreignTaxPaid() = 700;
    c.rfbt = 4000;
    c.fbtExempt = QStringLiteral("N");
    return c;
}

CCards pen()
{
    CCards c = person("PEN");
    c.incomeType = kPenIncomeType;
    c.dobYear = QStringLiteral("1950");
    wholeYear(c);
    c.taxWithheld = 1000;
    c.taxedElement() = 20000;
    c.untaxedElement() = 300;
    c.reversionaryIndicator() = QStringLiteral("N");
    return c;
}

CCards sls()
{
    CCards c = person("SLS");
    c.deathBenefit() = QStringLiteral("N");
    c.deathBenefitRecipient() = QStringLiteral("N/A");
    paidOn(c, "30", "06", "2019");
    c.taxable = 10000;
    c.other1 = 2000;
    c.taxFree = 500;
    c.taxWithheld = 3000;
    return c;
}

CCards das()
{
    CCards c = person("DAS");
    c.dobDay.clear();
    c.dobMonth.clear();
    c.dobYear.clear();
    c.addLine1 = QStringLiteral("12 HIGH ST");
    c.suburb = QStringLiteral("AUCKLAND");
    c.state = QStringLiteral("OTH");
    c.pCode = 9999;
    c.country = QStringLiteral("NEW ZEALAND");
    paidOn(c, "15", "01", "2019");
    c.taxable = 8000;
    c.other1 = 1000;
    c.taxFree = 300;
    c.taxWithheld = 2000;
    return c;
}

class EveryType : public ::testing::Test
{
protected:
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };

    void SetUp() override { completeSteps(context.report()); }

    // Opens Form to add a payee, lets `type` fill it in and saves once.
    template <class Form> void add(const std::function<void(Form&)>& type)
    {
        context.report().payeeMode = 4;
        context.report().newPayeeDataSource = QStringLiteral("Manually Added");
        Form form(context);
        form.OnInitDialog();
        type(form);
        const qsizetype before = ui.texts().size();
        const PayeeSaveOutcome outcome = form.OnBnClickedSave();
        std::string marked;
        for (const Finding& f : form.findings())
            marked += std::to_string(int(f.field)) + (f.kind == FindingKind::Error ? "E " : "W ");
        ASSERT_EQ(outcome, PayeeSaveOutcome::Stored) << typeid(Form).name() << " marked " << marked;
        EXPECT_TRUE(form.findings().empty());
        EXPECT_EQ(ui.texts().size(), before) << "a warning was shown: " << ui.texts().join(u'|').toStdString();
    }
    template <class Form> void add(const CCards& payee)
    {
        add<Form>([&](Form& form) { typeInto(form, payee); });
    }

    void addOneOfEach()
    {
        add<PayeeInbForm>([](PayeeInbForm& form) { typeInbPayee(form, 2019); });
        add<PayeeEtpForm>(etp());
        add<PayeeBusForm>(bus());
        add<PayeeFeiForm>(fei());
        add<PayeePenForm>(pen());
        add<PayeeSlsForm>(sls());
        add<PayeeDasForm>(das());
    }
};

struct CheckAllServices : PayeeServices {
    void checkAllPayees(AppContext& context) override { CheckAllPayees(context); }
};

TEST_F(EveryType, EachFormStoresItsPayeeAndCheckAllPassesThemAll)
{
    ASSERT_NO_FATAL_FAILURE(addOneOfEach());
    const auto& payees = context.report().payees;
    ASSERT_EQ(payees.size(), 7u);
    int i = 0;
    for (const auto& [id, payee] : payees)
        EXPECT_EQ(payee.payeeType, kPayees[i++]) << id;

    CheckAllServices services;
    SortListModel list(context);
    PayeeListForm payeeList(context, list, services, noPdfServices());
    payeeList.OnBnClickedCheckAll();
    EXPECT_EQ(ui.texts().last(), kCheckNoErrorsMessage);
    for (const auto& [id, payee] : payees)
        EXPECT_EQ(payee.checked, QStringLiteral("Yes")) << payee.payeeType.toStdString();

    payeeList.RefreshPayeeList();
    EXPECT_EQ(context.report().payeeCount, 7);
    EXPECT_EQ(context.report().payeesChecked, 7);
    const MainFormState state = RefreshView(context, 96);
    EXPECT_EQ(state.stepsComplete, 3);
    EXPECT_TRUE(state.generateEnabled);
    EXPECT_FALSE(state.disabledNoteShown);
}

TEST_F(EveryType, TheLodgementFileHoldsOneRecordOfEachType)
{
    ASSERT_NO_FATAL_FAILURE(addOneOfEach());
    CheckAllPayees(context);
    const LodgementBuild build = BuildLodgement(context.report());
    ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built) << build.refusal.toStdString();
    EXPECT_EQ(build.payeeRecords, 7);
    ASSERT_EQ(build.fileText.size(), 628 * (5 + 7 + 1));
    const char* const identifiers[] = { "DINB", "DEMP", "DLVP", "DFEI", "DPEN", "DSLS", "DASP" };
    for (int r = 0; r < 7; ++r)
        EXPECT_EQ(build.fileText.mid(628 * (5 + r) + 3, 4), identifiers[r]) << r;
}

TEST_F(EveryType, OnePayeeLeftUncheckedKeepsGenerateFilesOff)
{
    ASSERT_NO_FATAL_FAILURE(addOneOfEach());
    CheckAllPayees(context);
    context.report().payees.rbegin()->second.checked = QStringLiteral("No");
    CheckAllServices services;
    SortListModel list(context);
    PayeeListForm payeeList(context, list, services, noPdfServices());
    payeeList.RefreshPayeeList();
    EXPECT_EQ(context.report().payeesChecked, 6);
    EXPECT_FALSE(RefreshView(context, 96).generateEnabled);
}

} // namespace
