#include "payees/EditPayee.h"
#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

namespace
{

CCards payeeOfType(qint32 id, const QString& type)
{
    CCards c;
    c.payeeId = id;
    c.payeeType = type;
    c.surname = QStringLiteral("Citizen");
    c.lumpE = 7;
    c.spare2 = QStringLiteral("2016");
    return c;
}

TEST(EditPayee, LoadsEveryMemberAndOpensTheFormOfTheType)
{
    PayeeWorld w;
    const CCards stored = payeeOfType(12, QStringLiteral("SLS"));
    w.report().payees[12] = stored;
    CCards seen;
    w.ui.onDialog(QStringLiteral("CPayeeSLS"), [&] {
        seen = w.context.currentPayee;
        return 0;
    });

    EditPayee(w.context, 12);

    EXPECT_EQ(w.ui.dialogsRun, QStringList { QStringLiteral("CPayeeSLS") });
    EXPECT_EQ(seen, stored);
    EXPECT_EQ(w.context.currentPayeeKey, 12);
    EXPECT_EQ(w.report().currentPayeeId, 12);
    EXPECT_EQ(w.report().payees.at(12), stored); // closing without Save changes nothing
}

TEST(EditPayee, EachTypeTextAsksForItsFormAndNoOtherTextForAny)
{
    const std::pair<const char*, const char*> cases[] = {
        { "INB", "CPayeeINB" },
        { "BUS", "CPayeeBus1" },
        { "ETP", "CPayeeETP" },
        { "FEI", "CPayeeFEI" },
        { "PEN", "CPayeePEN" },
        { "SLS", "CPayeeSLS" },
        { "DAS", "CPayeeDAS" },
        { "inb", nullptr },
        { "INB ", nullptr },
        { "", nullptr },
        { "XYZ", nullptr },
    };
    for (const auto& [type, form] : cases) {
        PayeeWorld w;
        w.report().payees[5] = payeeOfType(5, QString::fromLatin1(type));
        EditPayee(w.context, 5);
        const QStringList expected = form ? QStringList { QString::fromLatin1(form) } : QStringList {};
        EXPECT_EQ(w.ui.dialogsRun, expected) << type;
        EXPECT_EQ(w.context.currentPayee.payeeType, QString::fromLatin1(type)) << type;
    }
}

TEST(EditPayee, WhileAddingItEmptiesTheCurrentPayeeAndOpensNothing)
{
    PayeeWorld w;
    w.report().payees[3] = payeeOfType(3, QStringLiteral("INB"));
    w.context.currentPayee = payeeOfType(9, QStringLiteral("ETP"));
    w.report().payeeMode = 4;

    EditPayee(w.context, 3);

    EXPECT_EQ(w.context.currentPayee, CCards {});
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
    EXPECT_EQ(w.context.currentPayeeKey, 3);
}

TEST(EditPayee, AnUnknownIdLeavesTheMapAsItWas)
{
    PayeeWorld w;
    w.report().payees[3] = payeeOfType(3, QStringLiteral("INB"));
    w.context.currentPayee = payeeOfType(3, QStringLiteral("INB"));
    const PayeeMap before = w.report().payees;

    EditPayee(w.context, 4);

    EXPECT_EQ(w.report().payees, before);
    EXPECT_EQ(w.context.currentPayee, CCards {});
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
}

} // namespace
