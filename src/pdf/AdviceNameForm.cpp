#include "pdf/AdviceNameForm.h"

#include "report/AppContext.h"

AdviceNameForm::AdviceNameForm(AppContext& context, PdfNamePattern& pattern)
    : m_context(context)
    , m_pattern(pattern)
{
}

int AdviceNameForm::initialFieldIndex(int field)
{
    const PdfNamePattern initial = initialPattern();
    const QString* chosen[] = { &initial.field1, &initial.field2, &initial.field3, &initial.field4 };
    if (field < 1 || field > 4)
        return 0;
    return static_cast<int>(PdfNamePattern::fieldItems().indexOf(*chosen[field - 1]));
}

void AdviceNameForm::OnBnClickedSelectFolder(const QDate& date, const PdfNamePattern& typed)
{
    Report& report = m_context.report();
    report.pdfFilePerPayee = QStringLiteral("Yes");
    report.declarationDate = date.toString(QStringLiteral("d/M/yyyy"));
    m_pattern = typed;
    m_pattern.cancelled = false;
}

void AdviceNameForm::OnBnClickedCancel()
{
    m_pattern.cancelled = true;
}
