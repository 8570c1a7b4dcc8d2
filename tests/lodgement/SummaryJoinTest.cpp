#include "lodgement/LodgementTestData.h"
#include "lodgement/LodgementWriter.h"

#include <gtest/gtest.h>

namespace
{

// The heading in UTF-8, then the body, whatever the body's size.
TEST(SummaryJoin, HeadingThenTheWholeBodyWhateverItsSize)
{
    const QString heading = QStringLiteral("Contents of VESK.A01 File.\r\n\r\nVESK.A01 File Name = Reports/Caf\u00e9.A01");
    for (const qsizetype size : { qsizetype(0), qsizetype(1), qsizetype(4) << 20, (qsizetype(9) << 20) + 7 }) {
        SCOPED_TRACE(size);
        AsciiText body;
        body.bytes.resize(size);
        for (qsizetype i = 0; i < size; ++i)
            body.bytes[i] = char(' ' + i % 95);
        const QByteArray expected = heading.toUtf8() + body.bytes;
        const QByteArray joined = JoinSummary(heading, std::move(body));
        EXPECT_TRUE(joined == expected);
        EXPECT_TRUE(body.isEmpty());
    }
}

// The build leaves room in front of its summary: the heading goes there and
// the body, the size of the lodgement file or more, is never copied.
TEST(SummaryJoin, ABuildsBodyStaysWhereItIs)
{
    Report report = everyTypeReport(2018);
    LodgementBuild build = BuildLodgement(report);
    ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built);
    // A copy of its own, so the body is not shared when it is joined.
    const QByteArray body(build.summaryBody.bytes.constData(), build.summaryBody.size());
    const char* at = build.summaryBody.bytes.constData();
    const QString heading = SummaryHeading(QStringLiteral("/home/ann/Café/") + QString(300, u'x'), "01/07/2018 09:30");
    const QByteArray joined = JoinSummary(heading, std::move(build.summaryBody));
    EXPECT_TRUE(joined == heading.toUtf8() + body);
    EXPECT_EQ(joined.constData() + heading.toUtf8().size(), at);
}

} // namespace
