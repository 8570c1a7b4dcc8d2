#include "shell/MainFormModel.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"
#include "widgets/Scale.h"

QSize MinimumFrameSize(int dotsPerInch)
{
    if (dotsPerInch == 96)
        return {345, 685};
    if (dotsPerInch == 120)
        return {360, 800};
    return {370, 975};
}

namespace {

// Every "&" counts twice against the one-line label's limit of 70.
qsizetype labelLength(const QString& text)
{
    return text.size() + text.count(QLatin1Char('&'));
}

} // namespace

MainFormState RefreshView(AppContext& context, int dotsPerInch)
{
    const Report& report = context.report();
    MainFormState s;
    s.scalePercent = ScalePercent(dotsPerInch > 0 ? dotsPerInch : 96);
    // The report keeps the scale of the screen it was last shown on.
    context.report().scalePercent = s.scalePercent;
    s.fontHeight24 = 24 * s.scalePercent / 100;
    s.fontHeight14 = 14 * s.scalePercent / 100;
    s.fontHeight20 = 20 * s.scalePercent / 100;

    const bool supplierDone = report.supplierName.size() > 1;
    const bool payerDone = report.payerName.size() > 1;
    const bool yearDone = report.reportYear.size() > 1;
    s.stepsComplete = int(supplierDone) + int(payerDone) + int(yearDone);

    // Labels show plain text, so "&" needs no doubling to show as itself.
    s.supplierText = supplierDone ? report.supplierName : kMustUpdateThis;
    s.payerText = payerDone ? report.payerName : kMustUpdateThis;
    s.payeesIncludedText = report.payeeCountText;
    s.payerAbnText = AbnDisplayForm(report.payerAbn);
    s.supplierAbnText = AbnDisplayForm(report.supplierAbn);

    if (!s.supplierAbnText.isEmpty())
        s.supplierText += QStringLiteral("\r\nABN: ") + s.supplierAbnText;
    s.supplierLongShown = labelLength(s.supplierText) > 70;
    s.supplierShortShown = !s.supplierLongShown;
    if (!s.payerAbnText.isEmpty())
        s.payerText += QStringLiteral("\r\nABN: ") + s.payerAbnText;
    s.payerLongShown = labelLength(s.payerText) > 70;
    s.payerShortShown = !s.payerLongShown;

    s.yearText = report.reportYear;
    s.fileReferenceText = report.fileReference;

    s.generateEnabled = false;
    s.disabledNoteShown = true;
    QString toBeChecked;
    if (report.payeeCount != 0) {
        const qint64 left = qint64(report.payeeCount) - report.payeesChecked;
        toBeChecked = QString::number(left);
        if (left == 0 && s.stepsComplete == 3) {
            s.generateEnabled = true;
            s.disabledNoteShown = false;
        }
    }
    s.payeesToBeCheckedText = toBeChecked.isEmpty() ? s.payeesIncludedText : toBeChecked;

    s.loadA01Shown = true;
    s.loadA01Enabled = context.document.title == QLatin1String("Untitled") && s.stepsComplete == 0;
    if (report.fromLodgementFile == QLatin1String("Yes")) {
        s.originalA01Shown = true;
        s.loadA01Shown = false;
    }
    s.yearEnabled = report.reportYear.isEmpty();
    return s;
}

void SyncEditsToDoc(AppContext& context, const FormEdits& edits)
{
    WaitCursor wait(context.ui);
    Report& report = context.report();
    if (edits.fileReference != report.fileReference) {
        report.fileReference = edits.fileReference;
        context.document.SetModifiedFlag();
    }
    if (edits.year != report.reportYear) {
        report.reportYear = edits.year;
        context.document.SetModifiedFlag();
    }
}
