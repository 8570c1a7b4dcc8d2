#include "report/ReportYears.h"

std::optional<YearRow> YearByNumber(int number)
{
    if (number < 2012 || number > 2027)
        return std::nullopt;
    return YearRow { QString::number(number), number, QString::number(number - 1) };
}

std::optional<YearRow> YearByText(const QString& text)
{
    for (int year = 2012; year <= 2027; ++year)
        if (text == QString::number(year))
            return YearByNumber(year);
    return std::nullopt;
}
