#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/PayeeIds.h"

#include <optional>

class AppContext;
class PayeeServices;

// How the Add Payee chooser ended.
enum class AddPayeeOutcome { StayOpen, Close };

// The logic of the Add Payee chooser: the payment-summary type chosen and
// its two ways in, typing one payee into the type's form or importing a
// tab-delimited file of them.
class AddPayeeForm
{
public:
    AddPayeeForm(AppContext& context, PayeeServices& services);

    // Chooses INB and enters adding mode.
    void OnInitDialog();
    // A type's radio button was clicked.
    void choose(PayeeType type);
    // The type chosen, if any.
    std::optional<PayeeType> chosen() const;

    // "Manually Add One": the type's form, which adds. A report that holds
    // payeeLimit payees already is told so at once, and no form opens.
    AddPayeeOutcome OnBnClickedOk(qint64 payeeLimit = kMaxPayeesInAReport);
    // "Tab Delimited Import": the type's importer.
    AddPayeeOutcome OnBnClickedTabDelimitedImport();

private:
    AppContext& m_context;
    PayeeServices& m_services;
};

// The form of a payee type by its class name ("CPayeeINB" .. "CPayeeDAS").
QString PayeeFormClassOf(PayeeType type);
