#include "report/Report.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ReportSlots, NamedSlotsSitAtTheirNumbers)
{
    Report r;
    intSlot(r, 7) = 4;
    intSlot(r, 28) = 12;
    intSlot(r, 108) = 2;
    intSlot(r, 117) = 2019;
    textSlot(r, 10) = QStringLiteral("key");
    r.summaryText = QByteArrayLiteral("summary");
    textSlotC(r, 20) = QStringLiteral("supplier");
    textSlotC(r, 50) = QStringLiteral("contact");
    textSlotC(r, 60) = QStringLiteral("ref");
    importedText(r, 1) = QStringLiteral("Yes");
    importedText(r, 24) = QStringLiteral("FREF");
    importedText(r, 37) = QStringLiteral("fax");
    EXPECT_EQ(r.payeeMode, 4);
    EXPECT_EQ(r.highestPayeeId, 12);
    EXPECT_EQ(r.payerNotInList, 2);
    EXPECT_EQ(r.yearChanged, 2019);
    EXPECT_EQ(r.payerKey, QStringLiteral("key"));
    EXPECT_EQ(r.summaryText, QByteArrayLiteral("summary"));
    EXPECT_EQ(r.supplierName, QStringLiteral("supplier"));
    EXPECT_EQ(r.payerContact, QStringLiteral("contact"));
    EXPECT_EQ(r.payerRef, QStringLiteral("ref"));
    EXPECT_EQ(r.fromLodgementFile, QStringLiteral("Yes"));
    EXPECT_EQ(r.origFileReference, QStringLiteral("FREF"));
    EXPECT_EQ(r.origPayerFax, QStringLiteral("fax"));
}

TEST(ReportSlots, EverySlotIsItsOwnValue)
{
    // Writing a distinct value into every slot and reading all back proves
    // no two slots share storage.
    Report r;
    for (int s = 1; s <= kIntSlotCount; ++s)
        intSlot(r, s) = s * 3;
    for (int s = 1; s <= kTextSlotCount; ++s)
        textSlot(r, s) = QStringLiteral("t%1").arg(s);
    for (int s = kFirstTextSlotC; s <= kLastTextSlotC; ++s)
        textSlotC(r, s) = QStringLiteral("c%1").arg(s);
    for (int p = 1; p <= kImportedTextCount; ++p)
        importedText(r, p) = QStringLiteral("i%1").arg(p);
    for (int s = 1; s <= kIntSlotCount; ++s)
        EXPECT_EQ(intSlot(r, s), s * 3);
    for (int s = 1; s <= kTextSlotCount; ++s)
        EXPECT_EQ(textSlot(r, s), QStringLiteral("t%1").arg(s));
    for (int s = kFirstTextSlotC; s <= kLastTextSlotC; ++s)
        EXPECT_EQ(textSlotC(r, s), QStringLiteral("c%1").arg(s));
    for (int p = 1; p <= kImportedTextCount; ++p)
        EXPECT_EQ(importedText(r, p), QStringLiteral("i%1").arg(p));
}

TEST(ResetReportGlobals, EmptiesEverythingButSpareTimesAndYearNumber)
{
    Report r;
    for (int s = 1; s <= kIntSlotCount; ++s)
        intSlot(r, s) = s;
    for (int s = 1; s <= kTextSlotCount; ++s)
        textSlot(r, s) = QStringLiteral("x");
    for (int s = kFirstTextSlotC; s <= kLastTextSlotC; ++s)
        textSlotC(r, s) = QStringLiteral("x");
    for (int p = 1; p <= kImportedTextCount; ++p)
        importedText(r, p) = QStringLiteral("x");
    r.payerFieldsSaved[3] = QStringLiteral("x");
    r.supplierFieldsSaved[19] = QStringLiteral("checked");
    r.spareTime1 = 11;
    r.payerDate = 22;
    r.spareTime2 = 33;
    r.reportYear = QStringLiteral("2019");
    r.priorYear = QStringLiteral("2018");
    r.reportYearNumber = 2019;
    r.payees[5].payeeId = 5;
    r.openState = 1;
    r.fileGenerated = 1;

    ResetReportGlobals(r);

    Report expected;
    expected.spareTime1 = 11;
    expected.spareTime2 = 33;
    expected.reportYearNumber = 2019;
    EXPECT_EQ(r, expected);
    EXPECT_TRUE(r.payees.empty());
    EXPECT_TRUE(r.reportYear.isEmpty());
    EXPECT_EQ(r.payerDate, 0);
}

TEST(PayeeMap, WalksInAscendingIdAndReplacesOnStore)
{
    PayeeMap payees;
    for (qint32 id : {7, 3, 12}) {
        CCards c;
        c.payeeId = id;
        payees[id] = c;
    }
    std::vector<qint32> order;
    for (const auto& [id, card] : payees)
        order.push_back(id);
    EXPECT_EQ(order, (std::vector<qint32>{3, 7, 12}));

    CCards replacement;
    replacement.payeeId = 7;
    replacement.surname = QStringLiteral("New");
    payees[7] = replacement;
    EXPECT_EQ(payees.size(), 3u);
    EXPECT_EQ(payees[7].surname, QStringLiteral("New"));
}

TEST(CCards, CopyKeepsEveryMember)
{
    CCards c;
    int n = 0;
    visitCardMembers(c, [&n](auto& member) {
        ++n;
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, QString>)
            member = QStringLiteral("text%1").arg(n);
        else
            member = n * 100;
    });
    EXPECT_EQ(n, 71);
    const CCards copy = c;
    EXPECT_EQ(copy, c);
    EXPECT_EQ(copy.spareInt4, 7100);
    EXPECT_EQ(copy.spare6, QStringLiteral("text67"));
    CCards assigned;
    assigned = c;
    EXPECT_EQ(assigned, c);
}

TEST(CCards, HoldsFortyOneTextsAndThirtyInts)
{
    CCards c;
    int texts = 0, ints = 0;
    visitCardMembers(c, [&](auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, QString>)
            ++texts;
        else
            ++ints;
    });
    EXPECT_EQ(texts, 41);
    EXPECT_EQ(ints, 30);
}

} // namespace
