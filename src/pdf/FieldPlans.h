#pragma once

#include <QString>

#include <vector>

struct PdfValues;
struct Report;

// One form field to set, by its full name, to a text.
struct PlannedField {
    QString name;
    QString value;

    bool operator==(const PlannedField&) const = default;
};

// The fields a filler sets, in order. A name the form does not have is
// left out when the plan is applied.
using FieldPlan = std::vector<PlannedField>;

// A payer ABN of exactly 11 characters as four groups (2, 3, 3, 3) joined
// by single blanks; any other text unchanged.
QString AbnInGroups(const QString& abn);

// The fields of one payee's payment summary, from the payee's values, the
// report and the "Print Zero" preference. Amount fields show under "Yes"
// whatever the amount, under "No" only above 0, and never with any other
// value.
FieldPlan PlanINB(const PdfValues& values, const Report& report, const QString& printZero);
FieldPlan PlanFEI(const PdfValues& values, const Report& report, const QString& printZero);
FieldPlan PlanBUS(const PdfValues& values, const Report& report, const QString& printZero);
FieldPlan PlanETP(const PdfValues& values, const Report& report, const QString& printZero);
FieldPlan PlanPEN(const PdfValues& values, const Report& report, const QString& printZero);
// SLS and DAS share one plan; the DAS forms lack two of its fields.
FieldPlan PlanSLS(const PdfValues& values, const Report& report, const QString& printZero);
FieldPlan PlanDAS(const PdfValues& values, const Report& report, const QString& printZero);
