#include "lodgement/LodgementLayouts.h"
#include "lodgement/LodgementTestData.h"
#include "lodgement/LodgementWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

// The compiled plan must write every byte writeRecord writes and refuse the
// same first field; writeRecord is the reference built straight from the tables.
void expectSameAsTable(const Report& report, const CCards& payee, PayeeType type)
{
    const RecordLayout layout = payeeRecordLayout(type, report.reportYearNumber);
    QByteArray expected(kRecordLength, '#');
    QByteArray actual(kRecordLength, '#');
    const auto expectedProblem = writeRecord(layout, RecordSource { report, &payee }, expected.data());
    const auto actualProblem = RecordPlan(layout, report).write(payee, actual.data());
    ASSERT_EQ(expectedProblem.has_value(), actualProblem.has_value());
    if (expectedProblem) {
        EXPECT_EQ(actualProblem->field, expectedProblem->field) << expectedProblem->field->name;
        EXPECT_EQ(actualProblem->problem.fault, expectedProblem->problem.fault);
        EXPECT_EQ(actualProblem->problem.value, expectedProblem->problem.value);
        EXPECT_EQ(actualProblem->problem.character, expectedProblem->problem.character);
        return;
    }
    EXPECT_EQ(actual, expected);
}

TEST(RecordPlan, WritesAndRefusesExactlyAsTheTables)
{
    const std::pair<const char*, std::function<void(CCards&)>> cases[] = {
        { "plain", [](CCards&) {} },
        { "long texts are cut",
            [](CCards& p) {
                p.surname = QString(40, u'S');
                p.addLine1 = QString(50, u'A');
            } },
        { "empty texts are blanks",
            [](CCards& p) {
                p.firstName.clear();
                p.country.clear();
            } },
        { "eight-digit TFN", [](CCards& p) { p.tfn = QStringLiteral("12345678"); } },
        { "refused TFN", [](CCards& p) { p.tfn = QStringLiteral("987654321"); } },
        { "TFN with a letter", [](CCards& p) { p.tfn = QStringLiteral("12345678A"); } },
        { "not-a-number TFN", [](CCards& p) { p.tfn = QStringLiteral("999999"); } },
        { "voluntary agreement", [](CCards& p) { p.busPaymentType = QStringLiteral("Voluntary Agreement"); } },
        { "labour hire",
            [](CCards& p) {
                p.busPaymentType = QStringLiteral("Labour Hire");
                p.abn = QStringLiteral("53004085616");
            } },
        { "largest amount",
            [](CCards& p) {
                p.gross = 99999999;
                p.taxWithheld = 99999999;
                p.taxable = 99999999;
            } },
        { "negative amount", [](CCards& p) { p.taxWithheld = -5; } },
        { "amount too large",
            [](CCards& p) {
                p.gross = 100000000;
                p.taxable = 100000000;
            } },
        { "postcode 0", [](CCards& p) { p.pCode = 0; } },
        { "postcode too large", [](CCards& p) { p.pCode = 12345; } },
        { "short date",
            [](CCards& p) {
                p.dobDay = QStringLiteral("1");
                p.paymentDay = QStringLiteral("1");
            } },
        { "date of odd parts",
            [](CCards& p) {
                p.dobDay = QStringLiteral("1");
                p.dobMonth = QStringLiteral("012");
            } },
        { "date with a letter",
            [](CCards& p) {
                p.startMonth = QStringLiteral("0x");
                p.paymentMonth = QStringLiteral("0x");
            } },
        { "accented surname", [](CCards& p) { p.surname = QStringLiteral("Ren\u00e9"); } },
        { "accented beyond the width", [](CCards& p) { p.surname = QString(30, u'B') + QStringLiteral("\u00e9"); } },
        { "tab in an address", [](CCards& p) { p.addLine2 = QStringLiteral("Level\t2"); } },
        { "empty amend indicator", [](CCards& p) { p.origAmended.clear(); } },
        { "indicators",
            [](CCards& p) {
                p.lumpAType = QStringLiteral("RT");
                p.fbtExempt = QStringLiteral("Y");
                p.etpPaymentType = QStringLiteral("D");
            } },
        { "codes",
            [](CCards& p) {
                p.incomeType = QStringLiteral("Working Holiday Maker");
                p.spare1 = QStringLiteral("Non-Dependent");
            } },
    };
    for (const int year : { 2012, 2016, 2017, 2018 }) {
        Report report = headerOnlyReport(year);
        for (PayeeType type : kPayeeTypes) {
            for (const auto& [name, change] : cases) {
                SCOPED_TRACE(testing::Message() << year << " " << payeeTypeCode(type).toStdString() << ": " << name);
                CCards payee = plainPayee(1, payeeTypeCode(type));
                change(payee);
                expectSameAsTable(report, payee, type);
            }
        }
    }
}

TEST(RecordPlan, PayeeTypesAreTheSevenExactCodes)
{
    for (PayeeType type : kPayeeTypes)
        EXPECT_EQ(payeeTypeOf(payeeTypeCode(type)), type);
    for (const char* other : { "inb", "INB ", "IN", "", "DINB", "Inb" })
        EXPECT_EQ(payeeTypeOf(QString::fromLatin1(other)), std::nullopt) << other;
}

} // namespace
