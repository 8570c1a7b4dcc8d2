#pragma once

#include "pdf/FieldPlans.h"

#include <QByteArray>
#include <QStringList>

// Whether a filled form keeps its fields or has them turned into fixed
// page content.
enum class FormFinish { Flatten, KeepFillable };

// Applies a plan to a blank form held in memory: sets each planned field
// the form has, generates the fields' appearances and, unless asked to keep
// the form fillable, flattens it. A value wider than its box at the form's
// font size is drawn smaller, down to 6 points; one too wide even then is
// drawn at 6 points and cut by its box, and the field's name for people
// (its label on the form) is added to `cut`. Returns the new document;
// throws std::exception when the blank form cannot be read as a PDF.
QByteArray FillForm(const QByteArray& blank, const FieldPlan& plan, FormFinish finish, QStringList* cut = nullptr);

// While one of these lives, the payment-summary fillers leave their forms
// fillable, so that tests can read every value back by field.
class KeepPaymentSummariesFillable {
public:
    KeepPaymentSummariesFillable();
    ~KeepPaymentSummariesFillable();
    KeepPaymentSummariesFillable(const KeepPaymentSummariesFillable&) = delete;
    KeepPaymentSummariesFillable& operator=(const KeepPaymentSummariesFillable&) = delete;
};

// The finish of a payment summary: flattened, unless a test asked otherwise.
FormFinish PaymentSummaryFinish();
