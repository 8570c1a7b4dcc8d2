#include "lodgement/LodgementWriter.h"

#include <gtest/gtest.h>

namespace
{

// A body of several megabytes is copied in parts from its end; every part
// must land where it belongs.
TEST(SummaryJoin, HeadingThenTheWholeBodyWhateverItsSize)
{
    const QString heading = QStringLiteral("Contents of VESK.A01 File.\r\n\r\nVESK.A01 File Name = Reports/Caf\u00e9.A01");
    for (const qsizetype size : { qsizetype(0), qsizetype(1), qsizetype(4) << 20, (qsizetype(9) << 20) + 7 }) {
        SCOPED_TRACE(size);
        AsciiText body;
        body.bytes.resize(size);
        for (qsizetype i = 0; i < size; ++i)
            body.bytes[i] = char(' ' + i % 95);
        const QString expected = heading + QString::fromLatin1(body.bytes);
        const QString joined = JoinSummary(heading, std::move(body));
        EXPECT_TRUE(joined == expected);
        EXPECT_TRUE(body.isEmpty());
    }
}

} // namespace
