#include "lodgement_import/OrigEmpDetails.h"

#include "report/Report.h"

QString ShownFileVersion(const QString& versionText)
{
    const QString pointed = versionText.left(3) + u'.' + versionText.right(1);
    if (pointed.startsWith(u"00"))
        return pointed.right(3);
    if (pointed.startsWith(u'0'))
        return pointed.right(4);
    return pointed;
}

OrigEmpDetails OrigEmpDetailsOf(const Report& report)
{
    return { report.origYear, ShownFileVersion(report.origVersion), report.origSoftware };
}
