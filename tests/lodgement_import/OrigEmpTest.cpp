#include "lodgement_import/OrigEmpDetails.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace {

TEST(OrigEmp, TheVersionIsShownWithoutItsLeadingZeros)
{
    const std::pair<QString, QString> cases[] = {
        { "0130", "13.0" },
        { "0120", "12.0" },
        { "0110", "11.0" },
        { "0100", "10.0" },
        { "0073", "7.3" },
        { "0080", "8.0" },
        { "1234", "123.4" },
    };
    for (const auto& [version, shown] : cases)
        EXPECT_EQ(ShownFileVersion(version), shown) << version.toStdString();
}

TEST(OrigEmp, ShowsTheFilesYearVersionAndSoftware)
{
    Report report;
    report.origYear = QStringLiteral("2018");
    report.origVersion = QStringLiteral("0130");
    report.origSoftware = QStringLiteral("COMMERCIAL Torvek Quillastrand");
    const OrigEmpDetails details = OrigEmpDetailsOf(report);
    EXPECT_EQ(details.year, u"2018");
    EXPECT_EQ(details.version, u"13.0");
    EXPECT_EQ(details.software, u"COMMERCIAL Torvek Quillastrand");
}

} // namespace
