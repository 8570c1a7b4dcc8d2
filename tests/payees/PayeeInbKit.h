#pragma once

#include "payees/PayeeFrameTestKit.h"
#include "payees/PayeeInbForm.h"
#include "report/FieldHelpers.h"

#include <QStringList>

// An INB payee as a user types it into the form in `year`, which the form
// saves without a finding.
inline void typeInbPayee(PayeeInbForm& form, int year)
{
    CCards& v = form.values;
    v.tfn = QStringLiteral("000 000 000");
    v.incomeType = QStringLiteral("Salary or Wages");
    v.surname = QStringLiteral("Citizen");
    v.firstName = QStringLiteral("Jane");
    v.secName = QStringLiteral("Mary");
    v.dobDay = QStringLiteral("14");
    v.dobMonth = QStringLiteral("02");
    v.dobYear = QStringLiteral("1980");
    v.addLine1 = QStringLiteral("1 Main Street");
    v.suburb = QStringLiteral("Sydney");
    v.state = QStringLiteral("NSW");
    v.startDay = QStringLiteral("01");
    v.startMonth = QStringLiteral("07");
    v.startYear = IntToString(year - 1);
    v.endDay = QStringLiteral("30");
    v.endMonth = QStringLiteral("06");
    v.endYear = IntToString(year);
    v.payrollNo = QStringLiteral("E-17");
    v.origAmended = QStringLiteral("O");
    v.fbtExempt = QStringLiteral("-");
    form.numberText(&CCards::pCode) = QStringLiteral("2000");
    form.numberText(&CCards::gross) = QStringLiteral("52000");
    form.numberText(&CCards::taxWithheld) = QStringLiteral("9000");
    form.OnBnClickedAllZero();
}

// A world in `year` with the INB form opened to add a payee.
struct InbWorld {
    PayeeWorld w;
    PayeeInbForm form { w.context };

    explicit InbWorld(int year = 2019, bool a01 = false)
    {
        w.report().reportYear = IntToString(year);
        w.report().reportYearNumber = year;
        w.report().a01FileOnly = a01 ? 1 : 0;
        w.report().payeeMode = 4;
        w.report().newPayeeDataSource = QStringLiteral("Manually Added");
        form.OnInitDialog();
    }
};
