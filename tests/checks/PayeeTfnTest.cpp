// A TFN is digits (blanks between them are the user's): anything else would
// print on the payment summary and lodge as another number, so every type
// refuses it, on the form and in the check alike, whatever the ignore flag.

#include "checks/CheckPayeeBus.h"
#include "checks/CheckPayeeDas.h"
#include "checks/CheckPayeeEtp.h"
#include "checks/CheckPayeeFei.h"
#include "checks/CheckPayeeInb.h"
#include "checks/CheckPayeePen.h"
#include "checks/CheckPayeeSls.h"
#include "payees/PayeeFEI.h"
#include "payees/PayeeFeiKit.h"
#include "payees/PayeeInbKit.h"
#include "payees/PayeePEN.h"
#include "payees/PayeeTypeBus.h"
#include "payees/PayeeTypeDas.h"
#include "payees/PayeeTypeEtp.h"
#include "payees/PayeeTypeInb.h"
#include "payees/PayeeTypeSls.h"

#include <gtest/gtest.h>

namespace
{

// What every type's passing record shares, in report year 2019.
CCards commonRecord(const char* type)
{
    CCards c;
    c.payeeId = 5;
    c.payeeType = QString::fromLatin1(type);
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.origAmended = QStringLiteral("O");
    c.checked = QStringLiteral("No");
    return c;
}

void financialYear(CCards& c)
{
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
}

void paidOn30June(CCards& c)
{
    c.paymentDay = QStringLiteral("30");
    c.paymentMonth = QStringLiteral("06");
    c.paymentYear = QStringLiteral("2019");
}

CCards inbRecord()
{
    InbWorld inb(2019);
    typeInbPayee(inb.form, 2019);
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    CCards c = inb.w.report().payees.begin()->second;
    c.payeeId = 5;
    c.checked = QStringLiteral("No");
    return c;
}

CCards etpRecord()
{
    CCards c = commonRecord("ETP");
    c.etpPaymentType = QStringLiteral("O");
    c.dobDay = QStringLiteral("00");
    c.dobMonth = QStringLiteral("00");
    c.dobYear = QStringLiteral("0000");
    paidOn30June(c);
    c.taxable = 1000;
    c.taxWithheld = 300;
    return c;
}

CCards busRecord()
{
    CCards c = commonRecord("BUS");
    c.busPaymentType = QStringLiteral("Labour Hire");
    c.abn = QStringLiteral("51824753556");
    financialYear(c);
    c.gross = 1000;
    c.taxWithheld = 100;
    return c;
}

CCards feiRecord()
{
    CCards c = validFeiPayee(5);
    return c;
}

CCards penRecord()
{
    CCards c = commonRecord("PEN");
    c.incomeType = kPenIncomeType;
    c.dobDay = QStringLiteral("30");
    c.dobMonth = QStringLiteral("06");
    c.dobYear = QStringLiteral("1957");
    financialYear(c);
    c.taxWithheld = 100;
    c.taxedElement() = 20000;
    c.reversionaryIndicator() = QStringLiteral("N");
    return c;
}

CCards slsRecord()
{
    CCards c = commonRecord("SLS");
    paidOn30June(c);
    c.taxable = 1000;
    c.taxWithheld = 100;
    c.deathBenefit() = QStringLiteral("N");
    c.deathBenefitRecipient() = QStringLiteral("N/A");
    return c;
}

CCards dasRecord()
{
    CCards c = commonRecord("DAS");
    paidOn30June(c);
    c.taxable = 1000;
    c.taxWithheld = 100;
    return c;
}

struct PayeeTypeCase {
    const char* type;
    CCards (*record)();
    const PayeeTypeRules& rules; // the form's rules
    void (*check)(AppContext&, qint32);
};

const PayeeTypeCase kTypes[] = {
    { "INB", &inbRecord, kInbType, &CheckPayeeINB },
    { "ETP", &etpRecord, kEtpType, &CheckPayeeETP },
    { "BUS", &busRecord, kBusType, &CheckPayeeBUS },
    { "FEI", &feiRecord, kFeiRules, &CheckPayeeFEI },
    { "PEN", &penRecord, kPenRules, &CheckPayeePEN },
    { "SLS", &slsRecord, kSlsType, &CheckPayeeSLS },
    { "DAS", &dasRecord, kDasType, &CheckPayeeDAS },
};

// The findings of the type's form Save on `record` as its edits would show it.
std::vector<Finding> formFindings(const PayeeTypeCase& t, CCards record)
{
    PayeeWorld w;
    NumberTexts texts;
    for (std::size_t i = 0; i < kCardNumbers.size(); ++i)
        texts[i] = IntToString(record.*kCardNumbers[i].member);
    RuleSettings settings(RuleMode::Form, t.rules.type, 2019, false);
    settings.ui = &w.ui;
    RuleRun run(settings, record, false, &texts);
    RunPayeeRules(t.rules.rules, run);
    return run.takeFindings();
}

bool tfnFinding(const std::vector<Finding>& findings, FindingKind kind)
{
    return std::any_of(findings.begin(), findings.end(),
        [kind](const Finding& f) { return f.field == PayeeField::Tfn && f.kind == kind; });
}

// The type's check of `record` as payee 5; true when it passed.
bool checkPasses(const PayeeTypeCase& t, const CCards& record)
{
    PayeeWorld w;
    w.report().payees[5] = record;
    t.check(w.context, 5);
    return w.report().payees.at(5).checked == QLatin1String("Yes");
}

TEST(PayeeTfn, ATfnWithALetterIsAnErrorOnEveryFormAndInEveryCheck)
{
    for (const PayeeTypeCase& t : kTypes) {
        SCOPED_TRACE(t.type);
        const CCards passing = t.record();
        ASSERT_FALSE(tfnFinding(formFindings(t, passing), FindingKind::Error));
        ASSERT_TRUE(checkPasses(t, passing));

        for (const char* tfn : { "abc12", "123 456 78x", "12345678-", "123.456.782" }) {
            SCOPED_TRACE(tfn);
            CCards bad = passing;
            bad.tfn = QString::fromLatin1(tfn);
            const std::vector<Finding> findings = formFindings(t, bad);
            EXPECT_TRUE(tfnFinding(findings, FindingKind::Error));
            EXPECT_FALSE(tfnFinding(findings, FindingKind::FieldWarning));
            const auto spoken = std::find_if(
                findings.begin(), findings.end(), [](const Finding& f) { return f.field == PayeeField::Tfn; });
            ASSERT_NE(spoken, findings.end());
            EXPECT_EQ(spoken->message, rules::kTfnNotDigits);

            EXPECT_FALSE(checkPasses(t, bad));
            bad.ignoreWarnings = QStringLiteral("Yes"); // no warning to ignore
            EXPECT_FALSE(checkPasses(t, bad));
        }
    }
}

TEST(PayeeTfn, ATfnOfTheWrongLengthStaysAWarning)
{
    for (const PayeeTypeCase& t : kTypes) {
        SCOPED_TRACE(t.type);
        for (const char* tfn : { "12345678", "123 456 78", "123456783" }) {
            SCOPED_TRACE(tfn);
            CCards shortTfn = t.record();
            shortTfn.tfn = QString::fromLatin1(tfn);
            const std::vector<Finding> findings = formFindings(t, shortTfn);
            EXPECT_TRUE(tfnFinding(findings, FindingKind::FieldWarning));
            EXPECT_FALSE(tfnFinding(findings, FindingKind::Error));

            EXPECT_FALSE(checkPasses(t, shortTfn));
            shortTfn.ignoreWarnings = QStringLiteral("Yes");
            EXPECT_TRUE(checkPasses(t, shortTfn));
        }
    }
}

} // namespace
