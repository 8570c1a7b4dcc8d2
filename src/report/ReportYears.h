#pragma once

#include <QString>

#include <optional>

// One row of the year table: a report year and the year before it.
struct YearRow {
    QString text;
    int number = 0;
    QString prior;
};

// Report years 2012 to 2027; nothing for any other year.
std::optional<YearRow> YearByText(const QString& text);
std::optional<YearRow> YearByNumber(int number);

inline const QString kYear2012Note
    = QStringLiteral("Note: This Version supports the 2012 year for INB type payment summaries only.");
