#include "report/PayeeIds.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

void store(Report& r, qint32 id)
{
    r.payees[id].payeeId = id;
}

TEST(PayeeIds, FormsProposeOneAboveTheHighest)
{
    Report r;
    EXPECT_EQ(ProposedPayeeId(r), 1);
    NotePayeeIdStored(r, 40);
    NotePayeeIdStored(r, 12); // a lower ID leaves the highest alone
    EXPECT_EQ(r.highestPayeeId, 40);
    EXPECT_EQ(ProposedPayeeId(r), 41);
}

TEST(PayeeIds, FormsProposeAFreeIdAndNoneAboveTheLargest)
{
    Report r;
    store(r, 41);
    store(r, 42); // from an older file that held IDs above its recorded highest
    r.highestPayeeId = 40;
    EXPECT_EQ(ProposedPayeeId(r), 43);

    r.highestPayeeId = kMaxPayeeId - 1;
    EXPECT_EQ(ProposedPayeeId(r), kMaxPayeeId);
    store(r, kMaxPayeeId);
    EXPECT_EQ(ProposedPayeeId(r), std::nullopt);
    r.highestPayeeId = kMaxPayeeId;
    EXPECT_EQ(ProposedPayeeId(r), std::nullopt);
    r.highestPayeeId = std::numeric_limits<qint32>::max();
    EXPECT_EQ(ProposedPayeeId(r), std::nullopt);
}

TEST(PayeeIds, ImportedIdKeepsItsOwnUnlessTaken)
{
    Report r;
    store(r, 5);
    r.highestPayeeId = 5;

    EXPECT_EQ(AssignImportedPayeeId(r, 3), 3); // free, below the highest
    EXPECT_EQ(r.highestPayeeId, 5);
    EXPECT_EQ(AssignImportedPayeeId(r, 9), 9); // free, raises the highest
    EXPECT_EQ(r.highestPayeeId, 9);
    EXPECT_EQ(AssignImportedPayeeId(r, 5), 10); // taken: highest + 1
    EXPECT_EQ(r.highestPayeeId, 10);
}

TEST(PayeeIds, ImportedIdsStopAtTheLargestPayeeId)
{
    Report r;
    EXPECT_EQ(AssignImportedPayeeId(r, kMaxPayeeId), kMaxPayeeId);
    store(r, kMaxPayeeId);
    EXPECT_EQ(AssignImportedPayeeId(r, kMaxPayeeId + 1), std::nullopt); // above the bound
    EXPECT_EQ(AssignImportedPayeeId(r, kMaxPayeeId), std::nullopt);     // taken, nothing free above
    EXPECT_EQ(AssignImportedPayeeId(r, std::numeric_limits<qint32>::max()), std::nullopt);
    EXPECT_EQ(r.highestPayeeId, kMaxPayeeId);

    // Taken, and the only IDs above the highest are taken too.
    Report s;
    store(s, 10);
    store(s, kMaxPayeeId - 1);
    store(s, kMaxPayeeId);
    s.highestPayeeId = kMaxPayeeId - 2;
    EXPECT_EQ(AssignImportedPayeeId(s, 10), std::nullopt);
    EXPECT_EQ(s.highestPayeeId, kMaxPayeeId - 2);
    // One free ID left: it is taken.
    s.payees.erase(kMaxPayeeId);
    EXPECT_EQ(AssignImportedPayeeId(s, 10), kMaxPayeeId);
    EXPECT_EQ(s.highestPayeeId, kMaxPayeeId);
}

TEST(PayeeIds, ImportedZeroAndNegativeIdsAreKept)
{
    Report r;
    EXPECT_EQ(AssignImportedPayeeId(r, 0), 0);
    EXPECT_EQ(AssignImportedPayeeId(r, -7), -7);
    EXPECT_EQ(r.highestPayeeId, 0);
    store(r, -7);
    EXPECT_EQ(AssignImportedPayeeId(r, -7), 1);
}

TEST(PayeeIds, LoadedPayeesAreNumberedInFileOrder)
{
    Report r;
    r.highestPayeeId = 1;
    std::vector<qint32> ids;
    for (int i = 0; i < 3; ++i) {
        const qint32 id = AssignLoadedPayeeId(r);
        store(r, id);
        ids.push_back(id);
    }
    EXPECT_EQ(ids, (std::vector<qint32>{1, 2, 3}));
}

TEST(PayeeIds, NewIdsNeverReplaceAStoredPayee)
{
    Report r;
    store(r, 1);
    store(r, 2);
    store(r, 7);
    r.highestPayeeId = 1;
    EXPECT_EQ(AssignLoadedPayeeId(r), 3);
    EXPECT_EQ(r.highestPayeeId, 3);

    // A highest ID below the stored IDs, as an older file may hold.
    r.highestPayeeId = 6; // below stored ID 7, as an older file may hold
    EXPECT_EQ(AssignImportedPayeeId(r, 2), 8);
    EXPECT_EQ(r.highestPayeeId, 8);
}

// ---- The most payees a report holds ----

TEST(PayeeLimit, TheRoomLeftIsWhatTheLimitAllowsBesideThePayeesHeld)
{
    Report r;
    EXPECT_EQ(PayeeRoomLeft(r), 1'000'000);
    for (qint32 id : { 5, 9 })
        store(r, id);
    EXPECT_EQ(PayeeRoomLeft(r, 3), 1);
    EXPECT_EQ(PayeeRoomLeft(r, 2), 0);
    EXPECT_EQ(PayeeRoomLeft(r, 1), 0); // never below none
}

TEST(PayeeLimit, TheRefusalNamesTheLimitThePayeesHeldAndWhatAFileWouldAdd)
{
    struct Case {
        qint64 held, adding, limit;
        QString text;
    };
    const Case cases[] = {
        { 1'000'000, 1, 1'000'000,
            "This report holds 1,000,000 payees, and a report can hold no more than 1,000,000.\n\nNo payee was "
            "added." },
        { 600'000, 600'000, 1'000'000,
            "This file would add 600,000 payees to the 600,000 payees this report holds, and a report can hold no "
            "more than 1,000,000.\n\nNo payee was added." },
        { 1, 2, 2,
            "This file would add 2 payees to the 1 payee this report holds, and a report can hold no more than "
            "2.\n\nNo payee was added." },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TooManyPayeesMessage(c.held, c.adding, c.limit), c.text) << c.held << ' ' << c.adding;
}

} // namespace
