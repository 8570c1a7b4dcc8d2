#include "shell/YearChoice.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

QStringList YearListItems()
{
    // Every year of the table: the years after 2018 take the 2018 layouts.
    QStringList items;
    for (int year = 2012; year <= 2027; ++year)
        items << QString::number(year);
    return items;
}

bool CDateSet1Logic::listEnabled() const
{
    return m_context.report().reportYear.isEmpty();
}

QString CDateSet1Logic::initialSelection() const
{
    const Report& report = m_context.report();
    if (!report.reportYear.isEmpty())
        return report.reportYear;
    if (report.yearChanged > 0)
        if (const auto row = YearByNumber(report.reportYearNumber))
            return row->text;
    return {};
}

bool CDateSet1Logic::OnBnClickedOk(const QString& listText)
{
    Report& report = m_context.report();
    if (listText.isEmpty()) {
        m_context.ui.message(kSelectYearMessage);
        return false;
    }
    report.reportYear = listText;
    if (const auto row = YearByText(listText)) {
        report.reportYearNumber = row->number;
        report.priorYear = row->prior;
        if (row->number == 2012) {
            m_context.ui.message(kYear2012Note);
            report.year2012Mode = 1;
        }
    }
    if (report.reportYear != QLatin1String("2012"))
        report.year2012Mode = 0;
    report.yearChanged = 0;
    m_context.document.SetModifiedFlag();
    return true;
}

void ChangeYearLogic::OnInitDialog()
{
    m_context.report().yearChanged = 0;
}

void ChangeYearLogic::OnBnClickedOk()
{
    Report& report = m_context.report();
    const QString oldYear = report.reportYear;
    const QString oldPrior = report.priorYear;
    report.yearChanged = report.reportYearNumber;
    report.reportYear.clear();

    WaitCursor wait(m_context.ui);
    m_context.ui.runDialog(QStringLiteral("CDateSet1"));

    if (report.yearChanged == 0) {
        m_context.document.SetModifiedFlag();
        MovePayeesToReportYear(m_context);
        m_context.document.SetModifiedFlag();
        report.payeesChecked = 0;
    } else if (const auto row = YearByNumber(report.reportYearNumber)) {
        report.reportYear = row->text;
        report.priorYear = row->prior;
        report.year2012Mode = row->number == 2012 ? 1 : 0;
    } else {
        // A year outside the table: put back exactly what was there rather
        // than leave the report without a year.
        report.reportYear = oldYear;
        report.priorYear = oldPrior;
    }
    report.yearChanged = 0;
}

void MovePayeesToReportYear(AppContext& context)
{
    Report& report = context.report();
    const QString endYear = QString::number(report.reportYearNumber);
    const QString startYear = QString::number(report.reportYearNumber - 1);
    for (auto& [id, card] : report.payees) {
        card.checked = QStringLiteral("No");
        const QString& type = card.payeeType;
        if (type == QLatin1String("INB") || type == QLatin1String("BUS") || type == QLatin1String("PEN")
            || type == QLatin1String("FEI")) {
            card.startDay = QStringLiteral("01");
            card.startMonth = QStringLiteral("07");
            card.startYear = startYear;
            card.endDay = QStringLiteral("30");
            card.endMonth = QStringLiteral("06");
            card.endYear = endYear;
        }
    }
}
